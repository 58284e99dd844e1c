// SPDX-License-Identifier: MIT
// Writes the program's icon into a hicolor icon tree at build time, so the installed icon is the same
// artwork the window shows: a PNG for each size and the scalable SVG.
// Usage: writeprogramicon <hicolor folder> <name> <size>...
#include "app/programicon.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <hicolor folder> <name> <size>...\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QImage artwork = programIconImage();

    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLatin1(argv[i]).toInt(&ok);
        // Whole multiples only, scaled without smoothing: the artwork is pixel art and blurs otherwise.
        if (!ok || size < artwork.width() || size % artwork.width() != 0) {
            std::fprintf(stderr, "%s: size %s is not a multiple of %d\n", argv[0], argv[i], artwork.width());
            return 2;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(folder, name);
        const QImage image = artwork.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (!QDir().mkpath(folder) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(file));
            return 1;
        }
    }
    const QString folder = QStringLiteral("%1/scalable/apps").arg(root);
    QFile svg(QStringLiteral("%1/%2.svg").arg(folder, name));
    if (!QDir().mkpath(folder) || !svg.open(QIODevice::WriteOnly) || svg.write(programIconSvg()) < 0 ||
        !svg.flush()) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(svg.fileName()));
        return 1;
    }
    return 0;
}
