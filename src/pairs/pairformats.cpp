// SPDX-License-Identifier: MIT
#include "pairs/pairformats.h"

#include "forms/colorforms.h"
#include "pairs/orderedjson.h"
#include "pairs/pairnames.h"

namespace pairformats {

namespace {

QString hex(const PairColor &color)
{
    return u'#' + QStringLiteral("%1").arg(color.rgb & 0xFFFFFFu, 6, 16, QChar(u'0'));
}

QString css(const NamedPairs &pairs, const QStringList &names)
{
    QString text = QStringLiteral(":root {\n");
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        text += QStringLiteral("  --%1-background: %2;\n").arg(names[i], hex(pairs[i].background));
        text += QStringLiteral("  --%1-foreground: %2;\n").arg(names[i], hex(pairs[i].foreground));
    }
    return text + QStringLiteral("}\n");
}

QString json(const NamedPairs &pairs, const QStringList &names)
{
    if (pairs.isEmpty())
        return QStringLiteral("{}\n");
    // The colour object of the format's stable version (2025.10): sRGB components in the fewest decimals
    // that read back as the same colour, with the hexadecimal code as its fallback.
    const auto token = [](const char *role, const PairColor &color, bool last) {
        const std::array<QString, 3> c = colorforms::numbers(color.rgb, colorspaces::Space::Srgb);
        return QStringLiteral("    \"%1\": {\n      \"$type\": \"color\",\n      \"$value\": {\n"
                              "        \"colorSpace\": \"srgb\",\n        \"components\": [%2, %3, %4],\n"
                              "        \"alpha\": 1,\n        \"hex\": \"%5\"\n      }\n    }%6\n")
            .arg(QLatin1StringView(role), c[0], c[1], c[2], hex(color),
                 last ? QString() : QStringLiteral(","));
    };
    QString text = QStringLiteral("{\n");
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        text += QStringLiteral("  \"%1\": {\n").arg(names[i]);
        text += QStringLiteral("    \"$description\": %1,\n").arg(orderedjson::quoted(pairs[i].name));
        text += token("background", pairs[i].background, false);
        text += token("foreground", pairs[i].foreground, true);
        text += i + 1 < pairs.size() ? QStringLiteral("  },\n") : QStringLiteral("  }\n");
    }
    return text + QStringLiteral("}\n");
}

QString gplLine(const PairColor &color, const QString &name)
{
    return QStringLiteral("%1 %2 %3\t%4\n")
        .arg(qRed(color.rgb), 3)
        .arg(qGreen(color.rgb), 3)
        .arg(qBlue(color.rgb), 3)
        .arg(name);
}

QString gpl(const NamedPairs &pairs)
{
    QString text = QStringLiteral("GIMP Palette\nName: Quenby Color Picker pairs\nColumns: 2\n#\n");
    for (const NamedPair &pair : pairs) {
        text += gplLine(pair.background, pair.name + QStringLiteral(" background"));
        text += gplLine(pair.foreground, pair.name + QStringLiteral(" foreground"));
    }
    return text;
}

} // namespace

QStringList formatNames()
{
    return {QStringLiteral("css"), QStringLiteral("json"), QStringLiteral("gpl")};
}

std::optional<Format> formatNamed(QStringView name)
{
    const qsizetype index = formatNames().indexOf(name);
    if (index < 0)
        return std::nullopt;
    return Format(index);
}

QString extension(Format format)
{
    return formatNames().at(int(format));
}

QString write(Format format, const NamedPairs &pairs)
{
    switch (format) {
    case Format::Css:
    case Format::Json: {
        QStringList names;
        names.reserve(pairs.size());
        for (const NamedPair &pair : pairs)
            names << pair.name;
        names = pairnames::exportNames(names);
        return format == Format::Css ? css(pairs, names) : json(pairs, names);
    }
    case Format::Gpl:
        return gpl(pairs);
    }
    return {};
}

} // namespace pairformats
