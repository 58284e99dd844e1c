// SPDX-License-Identifier: MIT
// Typing the base value in decimal or hexadecimal, and applying it.
#include "app/frmmain.h"

#include "color/numbers.h"
#include "color/textforms.h"
#include "platform/messageboxes.h"
#include "widgets/captionlabel.h"
#include "widgets/linetextbox.h"

namespace {

constexpr int kEnterKey = 13;

// Sets the text only when it changes, so that ordinary typing keeps its caret.
QString trimmedInPlace(QLineEdit *box)
{
    const QString trimmed = box->text().trimmed();
    if (trimmed != box->text())
        box->setText(trimmed);
    return trimmed;
}

} // namespace

void frmMain::txbBaseColor_KeyUp(int index, int keyCode)
{
    if (keyCode == kEnterKey) {
        cmdApply_Click();
        return;
    }
    if (index == 1) {
        const QString text = trimmedInPlace(txbBaseColor[1]);
        if (text.isEmpty()) {
            txbBaseColor[0]->setText(QString());
            return;
        }
        const QString upper = text.toUpper();
        if (upper != txbBaseColor[1]->text())
            txbBaseColor[1]->setText(upper);
        txbBaseColor[1]->setCursorPosition(int(upper.size()));
        txbBaseColor[0]->setText(
            QString::number(numbers::numericValue(QStringLiteral("&H") + upper), 'f', 0));
        return;
    }
    const QString text = trimmedInPlace(txbBaseColor[0]);
    if (text.isEmpty()) {
        txbBaseColor[1]->setText(QString());
        return;
    }
    // A value beyond 32 bits ("9e9") has no hexadecimal form: the mirror stays empty.
    const auto value = numbers::roundToInt32(numbers::numericValue(text));
    txbBaseColor[1]->setText(value ? textforms::plainHex32(*value) : QString());
}

void frmMain::cmdApply_Click()
{
    const QString text = trimmedInPlace(txbBaseColor[0]);
    txbBaseColor[0]->repaint();
    if (text.isEmpty()) {
        m_services.messages->show(this, QStringLiteral("No base color given"), QStringLiteral("Error"),
                                  platform::MessageIcon::Information);
        return;
    }
    for (QChar c : text) {
        if (c < u'0' || c > u'9') {
            m_services.messages->show(this, QStringLiteral("Invalid base color"), QStringLiteral("Error"),
                                      platform::MessageIcon::Exclamation);
            return;
        }
    }
    // Digit strings above 32767 saturate, and the plane then paints the channel at 255.
    const qint16 base = numbers::roundToInt16(numbers::numericValue(text));
    decimalLabels()[baseChannel()]->setCaption(text);
    StoreColor(editedColor());
    DrawColorPlane(base, 0, 0, 255, 255);
    RepickColor();
    DrawSample();
}

void frmMain::ShowColorValues(qint16 red, qint16 green, qint16 blue)
{
    const auto decimals = decimalLabels();
    const auto hexes = hexLabels();
    const std::array<qint16, 3> values{red, green, blue};
    for (int channel = 0; channel < 3; ++channel) {
        decimals[channel]->setCaption(textforms::plainDecimal(values[channel]));
        hexes[channel]->setCaption(textforms::plainHex16(values[channel]));
    }
    const QString base = decimals[baseChannel()]->caption();
    txbBaseColor[0]->setText(base);
    const auto value = numbers::roundToInt32(numbers::numericValue(base));
    txbBaseColor[1]->setText(value ? textforms::plainHex32(*value) : QString());
    StoreColor(editedColor());
}
