// SPDX-License-Identifier: MIT
// The nine readouts of the colour being edited and the sample of both colours.
#include "app/frmmain.h"

#include "color/colors.h"
#include "color/textforms.h"
#include "widgets/captionlabel.h"
#include "widgets/picturebox.h"

void frmMain::UpdateReadouts(qint16 red, qint16 green, qint16 blue)
{
    lblRedDecimal->setCaption(textforms::plainDecimal(red));
    lblRedHex->setCaption(textforms::plainHex16(red));
    lblGreenDecimal->setCaption(textforms::plainDecimal(green));
    lblGreenHex->setCaption(textforms::plainHex16(green));
    lblBlueDecimal->setCaption(textforms::plainDecimal(blue));
    lblBlueHex->setCaption(textforms::plainHex16(blue));
    // Computed in 32 bits, as the readout has always shown it.
    lblColorValueDecimal->setCaption(textforms::plainDecimal(qint32(Colors::packWide(red, green, blue))));
    lblColorValueHex->setCaption(Colors::ColorValueHex(red, green, blue));
    lblColorValueHexVB->setCaption(Colors::ColorValueHexVB(red, green, blue));
}

void frmMain::RefreshSample()
{
    QFont font = picSample->font();
    font.setPointSizeF(10);
    picSample->setFont(font);
    picSample->setVisible(true);
    StoreColor(editedColor());
    DrawSample();
}

void frmMain::DrawSample()
{
    // The two stored colours, as the pair holds them, or the colour pointed at on the screen.
    const std::array<QRgb, 2> shown{m_binding.sampleColor(0), m_binding.sampleColor(1)};
    picSample->setBackColor(Colors::fromQRgb(shown[0]));
    PrintInSample(3, 0, Colors::fromQRgb(shown[1]),
                  QStringLiteral("This sentence shows foreground on background."));
    PrintInSample(8, 13, 0, QStringLiteral("Black"));
    PrintInSample(69, 13, 0xFFFFFF, QStringLiteral("White"));
    PrintInSample(130, 13, 0xFF, QStringLiteral("Red"));
    PrintInSample(191, 13, 0xFF00, QStringLiteral("Green"));
    PrintInSample(252, 13, 0xFF0000, QStringLiteral("Blue"));
    const auto hex = [](QRgb c) {
        return Colors::ColorValueHex(qint16(qRed(c)), qint16(qGreen(c)), qint16(qBlue(c)));
    };
    picSample->setAccessibleDescription(
        QStringLiteral("Foreground %1 on background %2").arg(hex(shown[1]), hex(shown[0])));
    picSample->refresh();
}

void frmMain::PrintInSample(float x, float y, qint32 colour, const QString &text)
{
    picSample->setCurrentX(x);
    picSample->setCurrentY(y);
    picSample->setForeColor(colour);
    picSample->print(text);
}
