// SPDX-License-Identifier: MIT
// Writes the program's icon at build time, so the installed icon is the same artwork the window shows: into
// a hicolor icon tree, a PNG for each size and the scalable SVG; or, for Windows, one .ico file holding a
// PNG image of each size.
// Usage: writeprogramicon <hicolor folder> <name> <size>...
//        writeprogramicon --ico <file> <size>...
#include "app/programicon.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QList>
#include <QSaveFile>
#include <QString>
#include <QtEndian>

#include <cstdio>
#include <optional>

namespace {

// The artwork enlarged to size, or nothing when size is not a whole multiple of it.
std::optional<QImage> enlarged(const QImage &artwork, const char *text)
{
    bool ok = false;
    const int size = QString::fromLatin1(text).toInt(&ok);
    // Whole multiples only, scaled without smoothing: the artwork is pixel art and blurs otherwise.
    if (!ok || size < artwork.width() || size % artwork.width() != 0)
        return std::nullopt;
    return artwork.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

template <typename T> void appendLittleEndian(QByteArray &bytes, T value)
{
    const T little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&little), sizeof little);
}

// An icon file: its header, one directory entry per image, then the images as PNG (which Windows reads in
// icons since Vista, and which keeps the largest one small).
QByteArray icoFile(const QList<QImage> &images)
{
    QList<QByteArray> pngs;
    for (const QImage &image : images) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        pngs << buffer.data();
    }
    QByteArray ico;
    appendLittleEndian<quint16>(ico, 0); // reserved
    appendLittleEndian<quint16>(ico, 1); // an icon, not a cursor
    appendLittleEndian<quint16>(ico, quint16(images.size()));
    quint32 offset = quint32(6 + 16 * images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        // A side of 256 is written as 0.
        ico.append(char(images[i].width() & 0xff)).append(char(images[i].height() & 0xff));
        ico.append(char(0)).append(char(0));  // no palette, reserved
        appendLittleEndian<quint16>(ico, 1);  // colour planes
        appendLittleEndian<quint16>(ico, 32); // bits per pixel
        appendLittleEndian<quint32>(ico, quint32(pngs[i].size()));
        appendLittleEndian<quint32>(ico, offset);
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray &png : pngs)
        ico += png;
    return ico;
}

int writeIco(const char *program, const QString &path, char **sizes, int count)
{
    QList<QImage> images;
    for (int i = 0; i < count; ++i) {
        const std::optional<QImage> image = enlarged(programIconImage(), sizes[i]);
        if (!image || image->width() > 256) {
            std::fprintf(stderr, "%s: size %s is not a multiple of 32 up to 256\n", program, sizes[i]);
            return 2;
        }
        images << *image;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(icoFile(images)) < 0 || !file.commit()) {
        std::fprintf(stderr, "%s: cannot write %s\n", program, qPrintable(path));
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc >= 4 && QLatin1String(argv[1]) == QLatin1String("--ico"))
        return writeIco(argv[0], QString::fromLocal8Bit(argv[2]), argv + 3, argc - 3);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <hicolor folder> <name> <size>...\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QImage artwork = programIconImage();

    for (int i = 3; i < argc; ++i) {
        const std::optional<QImage> image = enlarged(artwork, argv[i]);
        if (!image) {
            std::fprintf(stderr, "%s: size %s is not a multiple of %d\n", argv[0], argv[i], artwork.width());
            return 2;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(image->width());
        const QString file = QStringLiteral("%1/%2.png").arg(folder, name);
        if (!QDir().mkpath(folder) || !image->save(file, "PNG")) {
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
