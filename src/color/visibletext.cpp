// SPDX-License-Identifier: MIT
#include "color/visibletext.h"

namespace {

bool invisible(char32_t code)
{
    switch (QChar::category(code)) {
    // Format characters include the bidirectional overrides, which would reorder the message.
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return false;
    }
}

} // namespace

QString visibleExcerpt(QStringView text, qsizetype limit)
{
    qsizetype end = std::min(text.size(), limit);
    // A character beyond the basic plane is never split.
    if (end > 0 && end < text.size() && text[end - 1].isHighSurrogate() && text[end].isLowSurrogate())
        --end;
    QString visible;
    for (qsizetype i = 0; i < end; ++i) {
        char32_t code = text[i].unicode();
        const qsizetype start = i;
        if (text[i].isHighSurrogate() && i + 1 < end && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text[i], text[i + 1]);
            ++i;
        }
        if (code < 0x20)
            visible += QChar(char16_t(0x2400 + code));
        else if (code == 0x7F)
            visible += QChar(0x2421);
        else if (invisible(code))
            visible += QStringLiteral("<U+%1>").arg(uint(code), 4, 16, QChar(u'0')).toUpper();
        else
            visible += text.mid(start, i - start + 1);
    }
    if (end < text.size())
        visible += QChar(0x2026);
    return visible;
}
