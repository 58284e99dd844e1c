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
    drawSampleOf(ColorParams);
}

void frmMain::drawSampleOf(const ColorParamsArray &params)
{
    const auto packed = [&params](int which) {
        return Colors::RGB(params[which][1], params[which][2], params[which][3]);
    };
    picSample->setBackColor(packed(0));
    PrintInSample(3, 0, packed(1), QStringLiteral("This sentence shows foreground on background."));
    PrintInSample(8, 13, 0, QStringLiteral("Black"));
    PrintInSample(69, 13, 0xFFFFFF, QStringLiteral("White"));
    PrintInSample(130, 13, 0xFF, QStringLiteral("Red"));
    PrintInSample(191, 13, 0xFF00, QStringLiteral("Green"));
    PrintInSample(252, 13, 0xFF0000, QStringLiteral("Blue"));
    picSample->setAccessibleDescription(
        QStringLiteral("Foreground %1 on background %2")
            .arg(Colors::ColorValueHex(params[1][1], params[1][2], params[1][3]),
                 Colors::ColorValueHex(params[0][1], params[0][2], params[0][3])));
    picSample->refresh();
}

void frmMain::PrintInSample(float x, float y, qint32 colour, const QString &text)
{
    picSample->setCurrentX(x);
    picSample->setCurrentY(y);
    picSample->setForeColor(colour);
    picSample->print(text);
}
