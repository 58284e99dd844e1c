// SPDX-License-Identifier: MIT
// Copying either colour, or a report of both, to the clipboard.
#include "app/frmmain.h"

#include "color/colors.h"
#include "color/textforms.h"
#include "platform/clipboard.h"
#include "platform/messageboxes.h"

#include <QComboBox>
#include <QPushButton>

#include <array>
#include <limits>
#include <optional>

namespace {

using ColorRow = std::array<qint16, 4>; // base channel, red, green, blue

const QString kCrLf = QStringLiteral("\r\n");
const QString kOverflow = QStringLiteral("Overflow");

// The packed value of three channels in decimal; nothing when it does not fit in 32 bits,
// which only channel values far outside 0..255 can cause.
std::optional<QString> decimalValue(qint16 red, qint16 green, qint16 blue)
{
    const qint64 value = red + 256 * qint64(green) + 65536 * qint64(blue);
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return textforms::plainDecimal(value);
}

QString rgbForm(qint16 red, qint16 green, qint16 blue)
{
    return QStringLiteral("RGB(") + textforms::plainDecimal(red) + u',' + textforms::plainDecimal(green) +
           u',' + textforms::plainDecimal(blue) + u')';
}

// " 5", "40", "2C": the last two hexadecimal digits, padded with a space.
QString paddedHex(qint16 value)
{
    return (u' ' + textforms::plainHex16(value)).right(2);
}

QString channelLine(const QString &name, qint16 value)
{
    QString decimal;
    frmMain::PadChannelValue(value, decimal);
    return name + decimal + QStringLiteral(" (dec.)  ") + paddedHex(value) + QStringLiteral(" (hex.)") +
           kCrLf;
}

// Appends one colour's nine-line block of the report; false with error when its value overflows.
bool appendReportBlock(QString &text, const QString &heading, const ColorRow &row, QString &error)
{
    const qint16 red = row[1], green = row[2], blue = row[3];
    const std::optional<QString> value = decimalValue(red, green, blue);
    if (!value) {
        error = kOverflow;
        return false;
    }
    text += heading + kCrLf;
    text += channelLine(QStringLiteral("red   "), red);
    text += channelLine(QStringLiteral("green "), green);
    text += channelLine(QStringLiteral("blue  "), blue);
    text += *value + QStringLiteral(" (decimal)") + kCrLf;
    text += Colors::ColorValueHex(red, green, blue) + QStringLiteral(" (hexadecimal for HTML)") + kCrLf;
    // The label form starts "&&" so that a caption shows one "&"; the clipboard wants just one.
    text += Colors::ColorValueHexVB(red, green, blue).mid(1) +
            QStringLiteral(" (hexadecimal for Visual Basic)") + kCrLf;
    text += rgbForm(red, green, blue) + QStringLiteral(" ") +
            QStringLiteral(" (RGB function for Visual Basic)") + kCrLf;
    text += kCrLf;
    return true;
}

// The text for entry index of the copy list; false with error when it cannot be built.
bool copyText(const std::array<ColorRow, 2> &params, qint16 index, QString &text, QString &error)
{
    text.clear();
    if (index <= 0) {
        return appendReportBlock(text, QStringLiteral("Background color:"), params[0], error) &&
               appendReportBlock(text, QStringLiteral("Foreground color:"), params[1], error);
    }
    const ColorRow &row = params[index <= 3 ? 0 : 1];
    const qint16 red = row[1], green = row[2], blue = row[3];
    switch (index) {
    case 1:
    case 4: {
        const std::optional<QString> value = decimalValue(red, green, blue);
        if (!value) {
            error = kOverflow;
            return false;
        }
        text = *value;
        return true;
    }
    case 2:
    case 5:
        text = Colors::ColorValueHex(red, green, blue);
        return true;
    default:
        text = rgbForm(red, green, blue) + kCrLf;
        return true;
    }
}

} // namespace

void frmMain::cboWhatToCopy_Click()
{
    if (cmdCopy->isVisible())
        cmdCopy->setFocus();
}

void frmMain::cmdCopy_Click()
{
    CopyToClipboard();
}

void frmMain::PadChannelValue(qint16 value, QString &text)
{
    text = (QStringLiteral("  ") + textforms::plainDecimal(value)).right(3);
}

void frmMain::CopyToClipboard()
{
    const auto showError = [this](const QString &description) {
        m_services.messages->show(this, description, QStringLiteral("Error"),
                                  platform::MessageIcon::Exclamation);
    };

    StoreColor(editedColor());
    const auto index = static_cast<qint16>(cboWhatToCopy->currentIndex());
    QString text;
    QString error;
    if (!copyText(ColorParams, index, text, error)) {
        showError(error);
        return;
    }
    platform::Clipboard &clipboard = *m_services.clipboard;
    if (!clipboard.clear(error) || !clipboard.setText(text, error)) {
        showError(error);
        return;
    }
    m_services.messages->show(this, index == 0 ? QStringLiteral("Done!") : text + QStringLiteral(" copied!"),
                              QStringLiteral("Copy to clipboard"), platform::MessageIcon::None);
}
