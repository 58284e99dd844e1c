// SPDX-License-Identifier: MIT
#include "platform/localnames.h"

namespace localnames {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// The length of the valid UTF-8 sequence at the start of bytes, or 0.
qsizetype utf8Length(QByteArrayView bytes)
{
    const auto byte = [&bytes](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    qsizetype length = 0;
    char32_t code = 0;
    char32_t least = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
        least = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() < length)
        return 0;
    for (qsizetype i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i) & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are no valid UTF-8.
    if (code < least || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return 0;
    return length;
}

bool isEscape(QChar c)
{
    return c.unicode() >= kEscapeBase + 0x80 && c.unicode() <= kEscapeBase + 0xFF;
}

} // namespace

QString decode(QByteArrayView bytes)
{
    // Where the system's encoding is not UTF-8 (Windows' code pages), every byte is some character.
    static const bool utf8 = QString(QChar(0xE9)).toLocal8Bit() == "\xc3\xa9";
    if (!utf8)
        return QString::fromLocal8Bit(bytes);
    QString text;
    text.reserve(bytes.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size();) {
        if (const qsizetype length = utf8Length(bytes.sliced(i))) {
            i += length;
            continue;
        }
        text += QString::fromUtf8(bytes.sliced(start, i - start));
        text += QChar(char16_t(kEscapeBase + static_cast<unsigned char>(bytes[i])));
        start = ++i;
    }
    return text + QString::fromUtf8(bytes.sliced(start));
}

QByteArray encode(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        // An escape stands alone: after a high surrogate it would be half of a character.
        const bool escape =
            i < text.size() && isEscape(text[i]) && (i == 0 || !text[i - 1].isHighSurrogate());
        if (i < text.size() && !escape)
            continue;
        bytes += text.sliced(start, i - start).toLocal8Bit();
        if (escape)
            bytes += char(text[i].unicode() - kEscapeBase);
        start = i + 1;
    }
    return bytes;
}

} // namespace localnames
