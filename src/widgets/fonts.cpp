// SPDX-License-Identifier: MIT
#include "widgets/fonts.h"

#include <QFont>
#include <QStringList>

void installFontSubstitutes()
{
    const QString sans = QStringLiteral("Liberation Sans");
    for (const char *face : {"Arial", "MS Sans Serif", "Tahoma", "Lucida Sans"}) {
        const QString name = QString::fromLatin1(face);
        if (!QFont::substitutes(name).contains(sans))
            QFont::insertSubstitution(name, sans);
    }
}
