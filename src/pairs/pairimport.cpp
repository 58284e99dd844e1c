// SPDX-License-Identifier: MIT
#include "pairs/pairimport.h"

#include "color/colorparse.h"
#include "color/csscolor.h"
#include "color/visibletext.h"
#include "pairs/orderedjson.h"

#include <QHash>

#include <algorithm>
#include <deque>
#include <vector>

namespace pairimport {

namespace {

// How much of a line a message quotes.
constexpr qsizetype kQuoted = 40;
// How many aliases ({group.token}) a value may go through.
constexpr int kLongestAlias = 10;
// Imported pairs get the base channels of a first start.
constexpr PairColor kBackground{0, 1};
constexpr PairColor kForeground{0, 2};

enum class Role { None, Background, Foreground };

// A colour as read, and whether it lay outside sRGB or had an alpha below 1.
struct Value
{
    QRgb rgb = 0;
    bool mapped = false;
    bool transparent = false;
};

// A colour as found, with what its name says of its pair.
struct Found
{
    QString stem; // what the pair's two colours share
    Role role = Role::None;
    Value value;
    QString pairName; // the name the pair gets from this colour
};

// Splits a name such as "body text background", "link-bg" or "fg" into its stem and role.
std::pair<QString, Role> splitRole(QStringView name)
{
    static const std::pair<QLatin1StringView, Role> kWords[] = {
        {QLatin1StringView("background"), Role::Background},
        {QLatin1StringView("foreground"), Role::Foreground},
        {QLatin1StringView("bg"), Role::Background},
        {QLatin1StringView("fg"), Role::Foreground},
    };
    const auto separator = [](QChar c) { return c == u' ' || c == u'-' || c == u'_' || c == u'.'; };
    for (const auto &[word, role] : kWords) {
        if (!name.endsWith(word, Qt::CaseInsensitive))
            continue;
        QStringView stem = name.chopped(word.size());
        if (!stem.isEmpty() && !separator(stem.back()))
            continue;
        while (!stem.isEmpty() && separator(stem.back()))
            stem.chop(1);
        return {stem.trimmed().toString(), role};
    }
    return {name.toString(), Role::None};
}

// A colour as CSS writes it: "#..." or a name or function (a bare number is no CSS colour).
std::optional<Value> cssColor(QStringView value)
{
    value = value.trimmed();
    if (value.isEmpty() || (value[0] != u'#' && !value[0].isLetter()))
        return std::nullopt;
    const colorparse::ParsedColors parsed = colorparse::parseColorText(value);
    if (parsed.count != 1)
        return std::nullopt;
    return Value{parsed.colors[0], parsed.gamutMapped, parsed.transparencyIgnored};
}

Found found(QStringView name, Value value)
{
    auto [stem, role] = splitRole(name);
    QString named = stem;
    return {std::move(stem), role, value, std::move(named)};
}

// Pairs the colours in the order they came; what finds no partner is counted.
Imported paired(const std::vector<Found> &colours)
{
    struct Open
    {
        const Found *first;
        const Found *second = nullptr;
    };
    std::vector<Open> entries;
    // The entries of a stem still without a partner, all of one role (one of the other would have paired).
    QHash<QString, std::deque<size_t>> byStem;
    Imported result;
    for (const Found &colour : colours) {
        if (colour.role == Role::None) {
            ++result.unpaired;
            continue;
        }
        std::deque<size_t> &open = byStem[colour.stem.toCaseFolded()];
        if (open.empty() || entries[open.front()].first->role == colour.role) {
            open.push_back(entries.size());
            entries.push_back({&colour});
        } else {
            entries[open.front()].second = &colour;
            open.pop_front();
        }
    }
    for (const Open &entry : entries) {
        if (!entry.second) {
            ++result.unpaired;
            continue;
        }
        const bool backgroundFirst = entry.first->role == Role::Background;
        const Found &background = backgroundFirst ? *entry.first : *entry.second;
        const Found &foreground = backgroundFirst ? *entry.second : *entry.first;
        result.pairs.append({entry.first->pairName,
                             {background.value.rgb, kBackground.baseChannel},
                             {foreground.value.rgb, kForeground.baseChannel}});
        for (const Found *colour : {entry.first, entry.second}) {
            result.mapped += colour->value.mapped ? 1 : 0;
            result.transparent += colour->value.transparent ? 1 : 0;
        }
    }
    return result;
}

Imported refused(const QString &message)
{
    Imported result;
    result.error = message;
    return result;
}

// GIMP palettes: a header line, then lines of red, green, blue and a name.
Imported readGpl(QStringView original)
{
    // Lines may end in LF, CR LF or CR alone.
    const QString text =
        original.toString().replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    std::vector<Found> colours;
    qsizetype number = 0;
    for (QStringView line : QStringView(text).tokenize(u'\n', Qt::KeepEmptyParts)) {
        ++number;
        line = line.trimmed();
        if (number == 1 || line.isEmpty() || line.startsWith(u'#') || line.startsWith(u"Name:") ||
            line.startsWith(u"Columns:"))
            continue;
        int channels[3];
        QStringView rest = line;
        bool ok = true;
        for (int &channel : channels) {
            qsizetype end = 0;
            while (end < rest.size() && rest[end] >= u'0' && rest[end] <= u'9')
                ++end;
            channel = end > 0 && end <= 3 ? rest.first(end).toInt() : -1;
            ok = ok && channel >= 0 && channel <= 255 && (end == rest.size() || rest[end].isSpace());
            rest = rest.sliced(std::min(end, rest.size())).trimmed();
        }
        if (!ok) {
            return refused(QStringLiteral("not a valid GIMP palette: line %1 is not a color: '%2'")
                               .arg(number)
                               .arg(visibleExcerpt(line, kQuoted)));
        }
        colours.push_back(found(rest, {qRgb(channels[0], channels[1], channels[2])}));
    }
    return paired(colours);
}

// CSS: custom properties anywhere, in rules or alone; braces must match, and comments and strings close.
Imported readCss(QStringView original)
{
    const auto lineAt = [&original](qsizetype at) { return original.first(at).count(u'\n') + 1; };
    const auto cssRefused = [&](const QString &what, qsizetype at) {
        return refused(QStringLiteral("not valid CSS: %1 at line %2").arg(what).arg(lineAt(at)));
    };
    // Comments become blanks, so that what is left is declarations and rules.
    QString text = original.toString();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'/' && i + 1 < text.size() && text[i + 1] == u'*') {
            const qsizetype close = text.indexOf(u"*/", i + 2);
            if (close < 0)
                return cssRefused(QStringLiteral("a comment is not closed"), i);
            for (qsizetype k = i; k < close + 2; ++k) {
                if (text[k] != u'\n')
                    text[k] = u' ';
            }
            i = close + 1;
        } else if (c == u'"' || c == u'\'') {
            qsizetype close = i + 1;
            while (close < text.size() && text[close] != c && text[close] != u'\n')
                close += text[close] == u'\\' ? 2 : 1;
            if (close >= text.size() || text[close] != c)
                return cssRefused(QStringLiteral("a string is not closed"), i);
            // No string is a colour, and braces or semicolons in one are no structure.
            for (qsizetype k = i + 1; k < close; ++k)
                text[k] = u'x';
            i = close;
        }
    }

    std::vector<Found> colours;
    int depth = 0;
    qsizetype start = 0; // of the statement being read
    // Reads the statement that ends at end; a refusal when it is no declaration.
    const auto statement = [&](qsizetype end) -> std::optional<Imported> {
        const QStringView body = QStringView(text).sliced(start, end - start).trimmed();
        start = end + 1;
        if (body.isEmpty() || body.startsWith(u'@'))
            return std::nullopt;
        const qsizetype colon = body.indexOf(u':');
        if (colon < 0)
            return cssRefused(QStringLiteral("'%1' is no declaration").arg(visibleExcerpt(body, kQuoted)),
                              end);
        const QStringView name = body.first(colon).trimmed();
        QStringView value = body.sliced(colon + 1).trimmed();
        if (value.endsWith(u"!important", Qt::CaseInsensitive))
            value = value.chopped(10).trimmed();
        if (name.startsWith(u"--") && name.size() > 2) {
            if (const std::optional<Value> colour = cssColor(value))
                colours.push_back(found(name.sliced(2), *colour));
        }
        return std::nullopt;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'{') {
            ++depth;
            start = i + 1;
        } else if (c == u'}') {
            if (depth == 0)
                return cssRefused(QStringLiteral("'}' without '{'"), i);
            if (const auto failed = statement(i))
                return *failed;
            --depth;
        } else if (c == u';') {
            if (const auto failed = statement(i))
                return *failed;
        }
    }
    if (depth > 0)
        return cssRefused(QStringLiteral("a '{' is not closed"), text.size());
    if (const QStringView rest = QStringView(text).sliced(std::min(start, text.size())).trimmed();
        !rest.isEmpty())
        return cssRefused(QStringLiteral("'%1' is no rule").arg(visibleExcerpt(rest, kQuoted)), text.size());
    return paired(colours);
}

// Design tokens: groups of tokens, each an object with "$value" (or a text "value", as older tools
// write), its "$type" its own or its group's.
class TokenReader
{
public:
    std::vector<Found> colours;

    void walk(const orderedjson::Value &group, const QStringList &path, const QString &type)
    {
        const orderedjson::Value *description = group.member(u"$description");
        for (const auto &[key, value] : group.members) {
            if (key.startsWith(u'$') || !value.isObject())
                continue;
            const orderedjson::Value *ownType = value.member(u"$type");
            const QString typeHere = ownType && ownType->isString() ? ownType->string : type;
            const orderedjson::Value *legacy = value.member(u"value");
            const orderedjson::Value *tokenValue = value.member(u"$value")         ? value.member(u"$value")
                                                   : legacy && !legacy->isObject() ? legacy
                                                                                   : nullptr;
            if (!tokenValue) {
                walk(value, path + QStringList{key}, typeHere);
                continue;
            }
            m_tokens.push_back({path + QStringList{key}, tokenValue, typeHere,
                                description && description->isString() ? description->string : QString()});
        }
    }

    // Reads the tokens found by walk, in order.
    void readTokens()
    {
        QHash<QString, const Token *> byPath;
        for (const Token &token : m_tokens)
            byPath.insert(token.path.join(u'.'), &token);
        for (const Token &token : m_tokens) {
            if (!token.type.isEmpty() && token.type != u"color")
                continue;
            const std::optional<Value> rgb = color(*token.value, byPath, 0);
            if (!rgb)
                continue;
            const QString &last = token.path.back();
            QStringList stemPath = token.path.first(token.path.size() - 1);
            const auto [lastStem, role] = splitRole(last);
            const bool ownSegment = lastStem.isEmpty();
            if (!ownSegment && role != Role::None)
                stemPath << lastStem;
            Found colour{stemPath.join(u'.'), role, *rgb, {}};
            if (role == Role::None)
                colour.stem = token.path.join(u'.');
            colour.pairName =
                ownSegment && !token.groupDescription.isEmpty() ? token.groupDescription : colour.stem;
            colours.push_back(colour);
        }
    }

private:
    struct Token
    {
        QStringList path;
        const orderedjson::Value *value;
        QString type;
        QString groupDescription;
    };

    static std::optional<Value> color(const orderedjson::Value &value,
                                      const QHash<QString, const Token *> &byPath, int aliases)
    {
        if (value.isObject()) {
            if (const std::optional<Value> object = colorObject(value))
                return object;
            const orderedjson::Value *hex = value.member(u"hex");
            return hex && hex->isString() ? cssColor(hex->string) : std::nullopt;
        }
        if (!value.isString())
            return std::nullopt;
        const QString &text = value.string;
        if (text.startsWith(u'{') && text.endsWith(u'}')) {
            const Token *target = byPath.value(text.sliced(1, text.size() - 2));
            if (!target || aliases >= kLongestAlias)
                return std::nullopt;
            return color(*target->value, byPath, aliases + 1);
        }
        return cssColor(text);
    }

    // {"colorSpace": "oklch", "components": [0.7, 0.1, "none"], "alpha": 0.5}: the components count, and
    // the hex fallback only when they cannot be read.
    static std::optional<Value> colorObject(const orderedjson::Value &value)
    {
        const orderedjson::Value *space = value.member(u"colorSpace");
        const orderedjson::Value *components = value.member(u"components");
        const orderedjson::Value *alpha = value.member(u"alpha");
        if (!space || !space->isString() || !components ||
            components->kind != orderedjson::Value::Kind::Array || components->items.size() != 3 ||
            (alpha && alpha->kind != orderedjson::Value::Kind::Number))
            return std::nullopt;
        const std::optional<colorspaces::Space> named = csscolor::spaceNamed(space->string);
        if (!named)
            return std::nullopt;
        csscolor::Color color;
        color.space = *named;
        for (int i = 0; i < 3; ++i) {
            const orderedjson::Value &item = components->items[size_t(i)];
            if (item.isString() && item.string == u"none")
                color.missing[i] = true;
            else if (item.kind == orderedjson::Value::Kind::Number)
                color.c[i] = item.number;
            else
                return std::nullopt;
        }
        color.c = colorspaces::clampedAsRead(color.space, color.c);
        const double opacity = alpha ? std::clamp(alpha->number, 0.0, 1.0) : 1.0;
        const gamutmap::Result shown = csscolor::toRgb(color);
        return Value{shown.rgb, shown.mapped, opacity < 1};
    }

    std::vector<Token> m_tokens;
};

Imported readJson(QStringView text)
{
    const orderedjson::Parsed parsed = orderedjson::parse(text);
    if (!parsed.value)
        return refused(QStringLiteral("not valid JSON: ") + parsed.error);
    if (!parsed.value->isObject())
        return refused(QStringLiteral("not design tokens: the file holds no object"));
    TokenReader reader;
    reader.walk(*parsed.value, {}, {});
    reader.readTokens();
    return paired(reader.colours);
}

} // namespace

Imported read(QStringView text)
{
    if (text.startsWith(u'\uFEFF'))
        text = text.sliced(1);
    const QStringView start = text.trimmed();
    if (start.isEmpty())
        return refused(QStringLiteral("the file is empty"));
    if (start.startsWith(u"GIMP Palette"))
        return readGpl(start);
    if (start.startsWith(u'{') || start.startsWith(u'['))
        return readJson(text);
    return readCss(text);
}

QString unpairedText(int count)
{
    return count == 1 ? QStringLiteral("1 color had no partner")
                      : QStringLiteral("%1 colors had no partner").arg(count);
}

QString details(int unpaired, int mapped, int transparent)
{
    QStringList parts;
    if (unpaired > 0)
        parts << unpairedText(unpaired);
    if (mapped > 0) {
        parts << (mapped == 1 ? QStringLiteral("1 color was mapped into sRGB")
                              : QStringLiteral("%1 colors were mapped into sRGB").arg(mapped));
    }
    if (transparent > 0) {
        parts << (transparent == 1
                      ? QStringLiteral("1 color had an alpha below 1, which was dropped")
                      : QStringLiteral("%1 colors had an alpha below 1, which was dropped").arg(transparent));
    }
    return parts.join(QStringLiteral("; "));
}

QString report(int pairs, int unpaired, int mapped, int transparent)
{
    QString text =
        pairs == 1 ? QStringLiteral("Imported 1 pair") : QStringLiteral("Imported %1 pairs").arg(pairs);
    if (const QString more = details(unpaired, mapped, transparent); !more.isEmpty())
        text += QStringLiteral("; ") + more;
    return text + u'.';
}

} // namespace pairimport
