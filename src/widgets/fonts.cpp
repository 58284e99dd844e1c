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
    // Wine gives its dialog font as the face "MS Shell Dlg", which the system maps to Tahoma for its own
    // drawing but which no font file names; without these the text boxes fall back to a serif face.
    for (const char *face : {"MS Shell Dlg", "MS Shell Dlg 2"}) {
        const QString name = QString::fromLatin1(face);
        if (QFont::substitutes(name).isEmpty())
            QFont::insertSubstitutions(name, {QStringLiteral("Tahoma"), sans});
    }
}
