// SPDX-License-Identifier: MIT
// Typing the base value in decimal or hexadecimal, and applying it.
#include "app/frmmain.h"

#include "app/baseentry.h"
#include "color/textforms.h"
#include "platform/messageboxes.h"
#include "widgets/captionlabel.h"
#include "widgets/linetextbox.h"

namespace {

constexpr int kEnterKey = 13;

// Sets the text only when it changes, so that ordinary typing keeps its caret.
void setTextKeepingCaret(QLineEdit *box, const QString &text)
{
    if (box->text() != text)
        box->setText(text);
}

} // namespace

void frmMain::txbBaseColor_KeyUp(int index, int keyCode)
{
    if (keyCode == kEnterKey) {
        cmdApply_Click();
        return;
    }
    const baseentry::Mirror mirror = index == 1 ? baseentry::fromHex(txbBaseColor[1]->text())
                                                : baseentry::fromDecimal(txbBaseColor[0]->text());
    // Only a text that trimming or upper-casing changed is written back, with the caret at its end; a key
    // that changed nothing (Shift+Home, Ctrl+A) keeps its selection.
    LineTextBox *own = txbBaseColor[index];
    if (own->text() != mirror.own) {
        own->setText(mirror.own);
        own->setCursorPosition(int(mirror.own.size()));
    }
    txbBaseColor[1 - index]->setText(mirror.other);
}

void frmMain::cmdApply_Click()
{
    const baseentry::Apply apply = baseentry::check(txbBaseColor[0]->text());
    setTextKeepingCaret(txbBaseColor[0], apply.text);
    txbBaseColor[0]->repaint();
    if (apply.error == baseentry::BaseEntryError::NoBaseColor) {
        m_services.messages->show(this, QStringLiteral("No base color given"), QStringLiteral("Error"),
                                  platform::MessageIcon::Information);
        return;
    }
    if (apply.error == baseentry::BaseEntryError::InvalidBaseColor) {
        m_services.messages->show(this, QStringLiteral("Invalid base color"), QStringLiteral("Error"),
                                  platform::MessageIcon::Exclamation);
        return;
    }
    decimalLabels()[baseChannel()]->setCaption(apply.text);
    StoreColor(editedColor());
    DrawColorPlane(apply.base, 0, 0, 255, 255);
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
    showBaseValue();
    StoreColor(editedColor());
}

void frmMain::showBaseValue()
{
    const QString base = decimalLabels()[baseChannel()]->caption();
    txbBaseColor[0]->setText(base);
    txbBaseColor[1]->setText(baseentry::fromDecimal(base).other);
}
