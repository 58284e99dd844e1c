// SPDX-License-Identifier: MIT
#include "color/csscolor.h"

#include "color/colormix.h"
#include "color/colornames.h"
#include "color/contrastcolor.h"
#include "color/csstokens.h"
#include "color/gamutmap.h"
#include "color/numbers.h"

#include <QLatin1StringView>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace csscolor {

namespace {

using colorspaces::Space;
using colorspaces::Triple;
using csstokens::Kind;
using csstokens::Token;

// Deeper nesting than any real colour needs is refused before it can exhaust the stack.
constexpr int kDeepest = 32;

// The colour functions with three components: the space each names, the index of its hue (or -1), what
// 1% of each component is worth, the keywords of relative colour syntax, and whether the comma form is
// allowed.
struct Function
{
    QLatin1StringView name;
    Space space;
    std::array<double, 3> percent;
    std::array<QLatin1StringView, 3> keywords;
    bool legacy = false;
};

constexpr QLatin1StringView operator""_L1(const char *text, size_t size)
{
    return QLatin1StringView(text, qsizetype(size));
}

const Function kFunctions[] = {
    {"rgb"_L1, Space::Rgb255, {2.55, 2.55, 2.55}, {"r"_L1, "g"_L1, "b"_L1}, true},
    {"rgba"_L1, Space::Rgb255, {2.55, 2.55, 2.55}, {"r"_L1, "g"_L1, "b"_L1}, true},
    {"hsl"_L1, Space::Hsl, {0, 1, 1}, {"h"_L1, "s"_L1, "l"_L1}, true},
    {"hsla"_L1, Space::Hsl, {0, 1, 1}, {"h"_L1, "s"_L1, "l"_L1}, true},
    {"hwb"_L1, Space::Hwb, {0, 1, 1}, {"h"_L1, "w"_L1, "b"_L1}},
    {"lab"_L1, Space::Lab, {1, 1.25, 1.25}, {"l"_L1, "a"_L1, "b"_L1}},
    {"lch"_L1, Space::Lch, {1, 1.5, 0}, {"l"_L1, "c"_L1, "h"_L1}},
    {"oklab"_L1, Space::Oklab, {0.01, 0.004, 0.004}, {"l"_L1, "a"_L1, "b"_L1}},
    {"oklch"_L1, Space::Oklch, {0.01, 0.004, 0}, {"l"_L1, "c"_L1, "h"_L1}},
};

// The predefined spaces of color() (xyz is xyz-d65), each also a space color-mix() interpolates in.
const std::pair<QLatin1StringView, Space> kPredefined[] = {
    {"srgb"_L1, Space::Srgb},
    {"srgb-linear"_L1, Space::SrgbLinear},
    {"display-p3"_L1, Space::DisplayP3},
    {"a98-rgb"_L1, Space::A98Rgb},
    {"prophoto-rgb"_L1, Space::ProphotoRgb},
    {"rec2020"_L1, Space::Rec2020},
    {"xyz"_L1, Space::XyzD65},
    {"xyz-d50"_L1, Space::XyzD50},
    {"xyz-d65"_L1, Space::XyzD65},
};

// The system colours of CSS Color 4, the deprecated ones included, which the desktop's theme sets.
const QLatin1StringView kSystemColors[] = {
    "accentcolor"_L1,
    "accentcolortext"_L1,
    "activetext"_L1,
    "buttonborder"_L1,
    "buttonface"_L1,
    "buttontext"_L1,
    "canvas"_L1,
    "canvastext"_L1,
    "field"_L1,
    "fieldtext"_L1,
    "graytext"_L1,
    "highlight"_L1,
    "highlighttext"_L1,
    "linktext"_L1,
    "mark"_L1,
    "marktext"_L1,
    "selecteditem"_L1,
    "selecteditemtext"_L1,
    "visitedtext"_L1,
    "activeborder"_L1,
    "activecaption"_L1,
    "appworkspace"_L1,
    "background"_L1,
    "buttonhighlight"_L1,
    "buttonshadow"_L1,
    "captiontext"_L1,
    "inactiveborder"_L1,
    "inactivecaption"_L1,
    "inactivecaptiontext"_L1,
    "infobackground"_L1,
    "infotext"_L1,
    "menu"_L1,
    "menutext"_L1,
    "scrollbar"_L1,
    "threeddarkshadow"_L1,
    "threedface"_L1,
    "threedhighlight"_L1,
    "threedlightshadow"_L1,
    "threedshadow"_L1,
    "window"_L1,
    "windowframe"_L1,
    "windowtext"_L1,
};

std::optional<Space> predefined(QStringView name)
{
    for (const auto &[spaceName, space] : kPredefined) {
        if (name == spaceName)
            return space;
    }
    return std::nullopt;
}

std::optional<double> angleDegrees(const Token &token)
{
    static const std::pair<QLatin1StringView, double> kAngles[] = {
        {"deg"_L1, 1}, {"grad"_L1, 0.9}, {"rad"_L1, 180 / std::numbers::pi}, {"turn"_L1, 360}};
    for (const auto &[unit, degrees] : kAngles) {
        if (token.unit == unit)
            return token.value * degrees;
    }
    return std::nullopt;
}

// How one component may be written: what 1% of it is worth (0 when a percentage is not allowed) and
// whether it is a hue, which takes angles.
struct Slot
{
    double percent = 0;
    bool hue = false;
};

constexpr Slot kAlphaSlot{0.01, false};

// The values relative colour syntax gives its keywords.
struct Keywords
{
    std::array<QLatin1StringView, 3> names;
    Triple values{};
    double alpha = 1;
};

// One component as written.
struct Component
{
    enum class Written { Number, Percentage, Angle, None, Computed };
    Written written = Written::None;
    double value = 0;
};

// Counts one level of nesting for as long as it lives.
class Nesting
{
public:
    explicit Nesting(int &depth) : m_depth(depth) { ++m_depth; }
    ~Nesting() { --m_depth; }
    Nesting(const Nesting &) = delete;
    Nesting &operator=(const Nesting &) = delete;

private:
    int &m_depth;
};

class Parser
{
public:
    explicit Parser(const std::vector<Token> &tokens) : m_tokens(tokens) {}

    std::optional<Color> whole()
    {
        std::optional<Color> c = color();
        if (!c || m_at != m_tokens.size())
            return std::nullopt;
        return c;
    }

    QString refusal;
    bool lightTaken = false;

private:
    const Token *peek() const { return m_at < m_tokens.size() ? &m_tokens[m_at] : nullptr; }
    bool at(Kind kind) const { return peek() && peek()->kind == kind; }
    bool atIdent(QLatin1StringView name) const { return at(Kind::Ident) && peek()->text == name; }
    bool take(Kind kind)
    {
        if (!at(kind))
            return false;
        ++m_at;
        return true;
    }

    std::optional<Color> refuse(const QString &why)
    {
        if (refusal.isEmpty())
            refusal = why;
        return std::nullopt;
    }

    std::optional<Color> color()
    {
        const Token *token = peek();
        const Nesting nesting(m_depth);
        if (!token || m_depth > kDeepest)
            return std::nullopt;
        ++m_at;
        if (token->kind == Kind::Hash)
            return hashColor(token->text);
        if (token->kind == Kind::Ident)
            return keyword(token->text);
        if (token->kind != Kind::Function)
            return std::nullopt;
        return function(token->text);
    }

    std::optional<Color> keyword(QStringView word)
    {
        if (word == u"transparent")
            return Color{Space::Srgb, {}, {}, 0, false};
        if (word == u"currentcolor")
            return refuse(QStringLiteral("currentcolor is the color of the text where it is used"));
        if (std::find(std::begin(kSystemColors), std::end(kSystemColors), word) != std::end(kSystemColors))
            return refuse(QStringLiteral("%1 is a system color, which the desktop's theme sets").arg(word));
        const std::optional<quint32> value = colorparse::namedColor(word);
        if (!value)
            return std::nullopt;
        return Color{Space::Rgb255,
                     {double(*value >> 16), double((*value >> 8) & 0xFF), double(*value & 0xFF)}};
    }

    std::optional<Color> function(QStringView name)
    {
        for (const Function &f : kFunctions) {
            if (name == f.name)
                return components(f);
        }
        if (name == u"color")
            return colorFunction();
        if (name == u"color-mix")
            return colorMix();
        if (name == u"contrast-color")
            return contrastColor();
        if (name == u"light-dark")
            return lightDark();
        if (name == u"var")
            return refuse(QStringLiteral("var() stands for a value set in a page; paste the color it holds"));
        return std::nullopt;
    }

    // Three components and an optional alpha, blank separated after an optional "from <color>", or the
    // legacy comma form.
    std::optional<Color> components(const Function &f)
    {
        std::optional<Keywords> relative;
        if (atIdent("from"_L1)) {
            ++m_at;
            relative = origin(f.space, f.keywords);
            if (!relative)
                return std::nullopt;
        }
        std::array<Component, 4> c;
        const int hue = colorspaces::hueIndex(f.space);
        std::optional<Component> first = component({f.percent[0], hue == 0}, relative);
        if (!first)
            return std::nullopt;
        c[0] = *first;
        bool legacy = false;
        int count = 3;
        if (at(Kind::Comma)) {
            if (!f.legacy || relative)
                return std::nullopt;
            legacy = true;
        }
        for (int i = 1; i < 3; ++i) {
            if (legacy && !take(Kind::Comma))
                return std::nullopt;
            std::optional<Component> next = component({f.percent[i], hue == i}, relative);
            if (!next)
                return std::nullopt;
            c[i] = *next;
        }
        if (take(legacy ? Kind::Comma : Kind::Slash)) {
            std::optional<Component> alpha = component(kAlphaSlot, relative);
            if (!alpha)
                return std::nullopt;
            c[3] = *alpha;
            count = 4;
        }
        if (!take(Kind::Close) || (legacy && !legacyKindsFit(f.space, c, count)))
            return std::nullopt;
        return made(f.space, c, count, relative);
    }

    // The comma form takes no none: rgb() all numbers or all percentages, hsl() a hue and two percentages.
    static bool legacyKindsFit(Space space, const std::array<Component, 4> &c, int count)
    {
        using W = Component::Written;
        if (count == 4 && c[3].written == W::None)
            return false;
        if (space == Space::Rgb255)
            return c[0].written != W::None && c[1].written == c[0].written && c[2].written == c[0].written;
        return c[0].written != W::None && c[1].written == W::Percentage && c[2].written == W::Percentage;
    }

    static Color made(Space space, const std::array<Component, 4> &c, int count,
                      const std::optional<Keywords> &relative)
    {
        Color out;
        out.space = space;
        for (int i = 0; i < 3; ++i) {
            out.missing[i] = c[i].written == Component::Written::None;
            out.c[i] = out.missing[i] ? 0 : c[i].value;
        }
        out.c = colorspaces::clampedAsRead(space, out.c);
        if (count == 4) {
            out.alphaMissing = c[3].written == Component::Written::None;
            out.alpha = out.alphaMissing ? 0 : std::clamp(c[3].value, 0.0, 1.0);
        } else if (relative) {
            out.alpha = relative->alpha;
        }
        return out;
    }

    // "from <color>": the origin's components in space, which its keywords stand for.
    std::optional<Keywords> origin(Space space, const std::array<QLatin1StringView, 3> &names)
    {
        const std::optional<Color> from = color();
        if (!from)
            return std::nullopt;
        const Color converted = colormix::convert(*from, space);
        Keywords keywords{names, {}, from->alphaMissing ? 0 : from->alpha};
        for (int i = 0; i < 3; ++i)
            keywords.values[i] = converted.missing[i] ? 0 : converted.c[i];
        return keywords;
    }

    std::optional<Component> component(Slot slot, const std::optional<Keywords> &relative)
    {
        const Token *token = peek();
        if (!token)
            return std::nullopt;
        using W = Component::Written;
        if (token->kind == Kind::Function) {
            const std::optional<double> value = calcFunction(slot, relative);
            return value ? std::optional(Component{W::Computed, *value}) : std::nullopt;
        }
        ++m_at;
        switch (token->kind) {
        case Kind::Number:
            return Component{W::Number, token->value};
        case Kind::Percentage:
            if (slot.percent == 0)
                return std::nullopt;
            return Component{W::Percentage, token->value * slot.percent};
        case Kind::Dimension:
            if (const std::optional<double> degrees = angleDegrees(*token); degrees && slot.hue)
                return Component{W::Angle, *degrees};
            return std::nullopt;
        case Kind::Ident:
            if (token->text == u"none")
                return Component{};
            if (const std::optional<double> value = keywordValue(token->text, relative))
                return Component{W::Computed, *value};
            return std::nullopt;
        default:
            return std::nullopt;
        }
    }

    static std::optional<double> keywordValue(QStringView word, const std::optional<Keywords> &relative)
    {
        if (!relative)
            return std::nullopt;
        if (word == u"alpha")
            return relative->alpha;
        for (int i = 0; i < 3; ++i) {
            if (word == relative->names[i])
                return relative->values[i];
        }
        return std::nullopt;
    }

    // calc(), min(), max() and clamp() over numbers, percentages of the slot, angles of a hue and the
    // keywords of relative colour syntax.
    std::optional<double> calcFunction(Slot slot, const std::optional<Keywords> &relative)
    {
        const QStringView name = peek()->text;
        if (name != u"calc" && name != u"min" && name != u"max" && name != u"clamp")
            return std::nullopt;
        ++m_at;
        std::vector<double> arguments;
        do {
            const std::optional<double> value = sum(slot, relative);
            if (!value)
                return std::nullopt;
            arguments.push_back(*value);
        } while (name != u"calc" && take(Kind::Comma));
        if (!take(Kind::Close))
            return std::nullopt;
        double result = arguments.front();
        if (name == u"min")
            result = *std::min_element(arguments.begin(), arguments.end());
        else if (name == u"max")
            result = *std::max_element(arguments.begin(), arguments.end());
        else if (name == u"clamp" && arguments.size() == 3)
            result = std::max(arguments[0], std::min(arguments[1], arguments[2]));
        else if (name == u"clamp" || (name == u"calc" && arguments.size() != 1))
            return std::nullopt;
        return std::isfinite(result) ? std::optional(result) : std::nullopt;
    }

    std::optional<double> sum(Slot slot, const std::optional<Keywords> &relative)
    {
        std::optional<double> total = product(slot, relative);
        while (total && at(Kind::Delim) && peek()->text != u"*") {
            // CSS wants blanks around + and -, so that they are never read as a number's sign.
            const bool minus = peek()->text == u"-";
            if (!peek()->spaceBefore || m_at + 1 >= m_tokens.size() || !m_tokens[m_at + 1].spaceBefore)
                return std::nullopt;
            ++m_at;
            const std::optional<double> term = product(slot, relative);
            if (!term)
                return std::nullopt;
            total = minus ? *total - *term : *total + *term;
        }
        return total;
    }

    std::optional<double> product(Slot slot, const std::optional<Keywords> &relative)
    {
        std::optional<double> result = factor(slot, relative);
        while (result && ((at(Kind::Delim) && peek()->text == u"*") || at(Kind::Slash))) {
            const bool divide = peek()->kind == Kind::Slash;
            ++m_at;
            const std::optional<double> next = factor(slot, relative);
            if (!next)
                return std::nullopt;
            result = divide ? *result / *next : *result * *next;
        }
        return result;
    }

    std::optional<double> factor(Slot slot, const std::optional<Keywords> &relative)
    {
        const Nesting nesting(m_depth);
        if (m_depth > kDeepest)
            return std::nullopt;
        if (take(Kind::Open)) {
            const std::optional<double> inner = sum(slot, relative);
            return inner && take(Kind::Close) ? inner : std::nullopt;
        }
        if (at(Kind::Ident) && peek()->text == u"none")
            return std::nullopt;
        const std::optional<Component> c = component(slot, relative);
        return c ? std::optional(c->value) : std::nullopt;
    }

    // color([from <color>] <space> c1 c2 c3 [/ alpha])
    std::optional<Color> colorFunction()
    {
        std::optional<Keywords> relative;
        std::optional<Color> from;
        if (atIdent("from"_L1)) {
            ++m_at;
            from = color();
            if (!from)
                return std::nullopt;
        }
        if (!at(Kind::Ident))
            return std::nullopt;
        const std::optional<Space> space = predefined(peek()->text);
        if (!space)
            return std::nullopt;
        ++m_at;
        const bool xyz = *space == Space::XyzD50 || *space == Space::XyzD65;
        const std::array<QLatin1StringView, 3> names =
            xyz ? std::array{"x"_L1, "y"_L1, "z"_L1} : std::array{"r"_L1, "g"_L1, "b"_L1};
        if (from) {
            const Color converted = colormix::convert(*from, *space);
            relative = Keywords{names, {}, from->alphaMissing ? 0 : from->alpha};
            for (int i = 0; i < 3; ++i)
                relative->values[i] = converted.missing[i] ? 0 : converted.c[i];
        }
        std::array<Component, 4> c;
        int count = 3;
        for (int i = 0; i < 3; ++i) {
            std::optional<Component> next = component({0.01, false}, relative);
            if (!next)
                return std::nullopt;
            c[i] = *next;
        }
        if (take(Kind::Slash)) {
            std::optional<Component> alpha = component(kAlphaSlot, relative);
            if (!alpha)
                return std::nullopt;
            c[3] = *alpha;
            count = 4;
        }
        if (!take(Kind::Close))
            return std::nullopt;
        return made(*space, c, count, relative);
    }

    // color-mix([in <space> [<hue method> hue],] <color> [<percentage>], ...)
    std::optional<Color> colorMix()
    {
        Space space = Space::Oklab;
        colormix::HueMethod method = colormix::HueMethod::Shorter;
        if (atIdent("in"_L1)) {
            ++m_at;
            const std::optional<Space> named = interpolationSpace();
            if (!named || !take(Kind::Comma))
                return std::nullopt;
            space = *named;
            if (!m_hueMethod.isEmpty()) {
                static const std::pair<QLatin1StringView, colormix::HueMethod> kMethods[] = {
                    {"shorter"_L1, colormix::HueMethod::Shorter},
                    {"longer"_L1, colormix::HueMethod::Longer},
                    {"increasing"_L1, colormix::HueMethod::Increasing},
                    {"decreasing"_L1, colormix::HueMethod::Decreasing}};
                const auto found = std::find_if(std::begin(kMethods), std::end(kMethods),
                                                [&](const auto &m) { return m.first == m_hueMethod; });
                if (found == std::end(kMethods) || colorspaces::hueIndex(space) < 0)
                    return std::nullopt;
                method = found->second;
            }
        }
        struct Given
        {
            Color color;
            std::optional<double> percentage;
        };
        std::vector<Given> given;
        do {
            Given item;
            item.percentage = mixPercentage();
            const std::optional<Color> c = color();
            if (!c)
                return std::nullopt;
            item.color = *c;
            if (!item.percentage)
                item.percentage = mixPercentage();
            if (m_badPercentage)
                return std::nullopt;
            given.push_back(item);
        } while (take(Kind::Comma));
        if (!take(Kind::Close))
            return std::nullopt;

        // CSS Color 5's normalisation: omitted percentages share what the given ones leave of 100%; a total
        // above 100% is scaled down to it, one below it becomes an alpha multiplier.
        double specified = 0;
        int omitted = 0;
        for (const Given &item : given) {
            if (item.percentage)
                specified += *item.percentage;
            else
                ++omitted;
        }
        const double share = omitted > 0 ? std::max(0.0, 100 - specified) / omitted : 0;
        double total = 0;
        for (Given &item : given) {
            if (!item.percentage)
                item.percentage = share;
            total += *item.percentage;
        }
        if (total <= 0)
            return Color{Space::Srgb, {}, {}, 0, false};
        std::vector<colormix::Item> items;
        for (const Given &item : given)
            items.push_back({item.color, *item.percentage / total});
        Color mixed = colormix::mix(items, space, method);
        if (total < 100 && !mixed.alphaMissing)
            mixed.alpha *= total / 100;
        return mixed;
    }

    // "<space> [<method> hue]"; the method is kept in m_hueMethod.
    std::optional<Space> interpolationSpace()
    {
        m_hueMethod = {};
        if (!at(Kind::Ident))
            return std::nullopt;
        const QStringView name = peek()->text;
        ++m_at;
        const std::optional<Space> space = spaceNamed(name);
        if (space && at(Kind::Ident) && peek()->text != u"hue") {
            m_hueMethod = peek()->text;
            ++m_at;
            if (!atIdent("hue"_L1))
                return std::nullopt;
            ++m_at;
        }
        return space;
    }

    // A percentage of color-mix(), 0% to 100%; a number outside that makes the whole function invalid.
    std::optional<double> mixPercentage()
    {
        if (!at(Kind::Percentage))
            return std::nullopt;
        const double value = peek()->value;
        ++m_at;
        if (value < 0 || value > 100)
            m_badPercentage = true;
        return value;
    }

    std::optional<Color> contrastColor()
    {
        const std::optional<Color> background = color();
        if (!background || !take(Kind::Close))
            return std::nullopt;
        const bool white = contrastcolor::whiteWins(toRgb(*background).rgb);
        const double level = white ? 1 : 0;
        return Color{Space::Srgb, {level, level, level}};
    }

    std::optional<Color> lightDark()
    {
        const std::optional<Color> light = color();
        if (!light || !take(Kind::Comma) || !color() || !take(Kind::Close))
            return std::nullopt;
        lightTaken = true;
        return light;
    }

    const std::vector<Token> &m_tokens;
    size_t m_at = 0;
    int m_depth = 0;
    QStringView m_hueMethod;
    bool m_badPercentage = false;
};

} // namespace

Read read(QStringView text)
{
    Read result;
    const std::optional<std::vector<Token>> tokens = csstokens::tokenize(text);
    if (!tokens)
        return result;
    Parser parser(*tokens);
    result.color = parser.whole();
    result.refusal = parser.refusal;
    result.lightTaken = parser.lightTaken;
    if (!result.refusal.isEmpty())
        result.color.reset();
    return result;
}

std::optional<Color> hashColor(QStringView digits)
{
    const qsizetype n = digits.size();
    if (n != 3 && n != 4 && n != 6 && n != 8)
        return std::nullopt;
    std::array<int, 4> channels{0, 0, 0, 255};
    const int width = n <= 4 ? 1 : 2;
    for (qsizetype k = 0; k < n / width; ++k) {
        int value = 0;
        for (int d = 0; d < width; ++d) {
            const int digit = numbers::hexDigitValue(digits[k * width + d].unicode());
            if (digit < 0)
                return std::nullopt;
            value = value * 16 + digit;
        }
        // "#4AC" is "#44AACC": each digit doubled, which is the digit times 17.
        channels[k] = width == 1 ? value * 17 : value;
    }
    return Color{Space::Rgb255,
                 {double(channels[0]), double(channels[1]), double(channels[2])},
                 {},
                 channels[3] / 255.0};
}

std::optional<Space> spaceNamed(QStringView name)
{
    static const std::pair<QLatin1StringView, Space> kOthers[] = {
        {"hsl"_L1, Space::Hsl}, {"hwb"_L1, Space::Hwb},     {"lab"_L1, Space::Lab},
        {"lch"_L1, Space::Lch}, {"oklab"_L1, Space::Oklab}, {"oklch"_L1, Space::Oklch}};
    for (const auto &[otherName, other] : kOthers) {
        if (name == otherName)
            return other;
    }
    return predefined(name);
}

gamutmap::Result toRgb(const Color &color)
{
    Triple c = color.c;
    for (int i = 0; i < 3; ++i) {
        if (color.missing[i])
            c[i] = 0;
    }
    return gamutmap::toRgb(colorspaces::toSrgb(color.space, c));
}

} // namespace csscolor
