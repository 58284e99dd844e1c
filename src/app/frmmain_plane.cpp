// SPDX-License-Identifier: MIT
// The colour plane, the base-level swatches and picking.
#include "app/frmmain.h"

#include "color/planeaxes.h"

#include "color/colors.h"
#include "color/numbers.h"
#include "color/textforms.h"
#include "widgets/captionlabel.h"
#include "widgets/linetextbox.h"
#include "widgets/picturebox.h"

#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace {

const std::array<QString, 3> kChannelNames{QStringLiteral("red"), QStringLiteral("green"),
                                           QStringLiteral("blue")};

// Bit position of each channel inside a QRgb (0xAARRGGBB).
constexpr std::array<int, 3> kRgbShift{16, 8, 0};

quint32 channelBits(int channel, int value)
{
    return quint32(std::clamp(value, 0, 255)) << kRgbShift[channel];
}

} // namespace

void frmMain::DrawColorPlane(qint16 base, qint16 x1, qint16 y1, qint16 x2, qint16 y2)
{
    const int channel = baseChannel();
    const int xChannel = kPlaneAxes[channel][0];
    const int yChannel = kPlaneAxes[channel][1];
    // The points of the rectangle outside the plane are skipped; what is left is painted row by row.
    const quint32 baseBits = 0xFF000000u | channelBits(channel, base);
    picGraphic->paintRows(x1, y1, x2, y2, [&](int y, quint32 *row, int left, int right) {
        const quint32 rowBits = baseBits | channelBits(yChannel, y);
        for (int x = left; x <= right; ++x)
            row[x] = rowBits | (quint32(x) << kRgbShift[xChannel]);
    });
    picGraphic->refresh();
}

void frmMain::DrawSwatches()
{
    const int channel = baseChannel();
    const int xChannel = kPlaneAxes[channel][0];
    const int yChannel = kPlaneAxes[channel][1];
    for (int i = 0; i < 16; ++i) {
        const quint32 levelBits = 0xFF000000u | channelBits(channel, swatchLevel(i));
        picSmall[i]->paintRows(0, 0, 64, 64, [&](int y, quint32 *row, int left, int right) {
            const quint32 rowBits = levelBits | channelBits(yChannel, 4 * y);
            for (int x = left; x <= right; ++x)
                row[x] = rowBits | channelBits(xChannel, 4 * x);
        });
    }
    for (int i = 0; i < 16; ++i) {
        const auto captions = SwatchCaptions(channel, i);
        PictureBox *swatch = picSmall[i];
        swatch->setForeColor(i < 8 ? 0xFFFFFF : 0);
        swatch->setCurrentX(5);
        swatch->setCurrentY(20);
        swatch->print(captions[0]);
        swatch->setCurrentX(10);
        swatch->setCurrentY(35);
        swatch->print(captions[1]);
        swatch->setAccessibleName(captions[0]);
        swatch->refresh();
    }
}

std::array<QString, 2> frmMain::SwatchCaptions(int channel, int index)
{
    const int level = swatchLevel(index);
    return {kChannelNames[channel] + QStringLiteral(" =") + u' ' + textforms::plainDecimal(level),
            QStringLiteral("(hex ") + textforms::plainHex16(qint16(level)) + u')'};
}

void frmMain::PickColor(float x, float y)
{
    // A release dragged off the plane, or a stored channel outside 0..255, picks the nearest point of the
    // plane; a fractional position picks the point under it.
    x = std::floor(std::clamp(x, 0.0f, 255.0f));
    y = std::floor(std::clamp(y, 0.0f, 255.0f));
    const qint16 base =
        numbers::roundToInt16(numbers::numericValue(decimalLabels()[baseChannel()]->caption()));
    if (MarkerDrawn) {
        const auto r = [](float v) { return numbers::roundToInt16(v); };
        DrawColorPlane(base, r(MarkerRect[0]), r(MarkerRect[1]), r(MarkerRect[2]), r(MarkerRect[3]));
    }
    // The marker is gone before the read-back, so it never colours the pick.
    const qint32 c = picGraphic->point(int(x), int(y));
    qint16 red, green, blue;
    Colors::SplitColor(c, red, green, blue);
    UpdateReadouts(red, green, blue);
    const qint32 marker = MarkerColor(*picGraphic, x, y);
    const int h = MarkerHalfSize;
    picGraphic->box(int(x) - h, int(y) - h, int(x) + h, int(y) + h, marker);
    picGraphic->refresh();
    MarkerDrawn = true;
    MarkerRect = {x - h, y - h, x + h, y + h};
    RefreshSample();
}

qint32 frmMain::MarkerColor(const PictureBox &picture, float x, float y)
{
    qint16 red, green, blue;
    Colors::SplitColor(picture.point(int(std::floor(x)), int(std::floor(y))), red, green, blue);
    const qint16 sum = static_cast<qint16>(red + green + blue);
    const float mean = sum / 3.0f;
    return mean < 128 ? 0xFFFFFF : 0;
}

void frmMain::RepickColor()
{
    const auto labels = decimalLabels();
    const auto &axes = kPlaneAxes[baseChannel()];
    const double x = numbers::numericValue(labels[axes[0]]->caption());
    const double y = numbers::numericValue(labels[axes[1]]->caption());
    PickColor(float(x), float(y));
}

void frmMain::picGraphic_MouseUp(int button, Qt::KeyboardModifiers, float x, float y)
{
    if (button == 1) {
        m_pair.setPreview(std::nullopt, ColorPair::PreviewOrigin::Plane);
        PickColor(x, y);
    }
}

void frmMain::picGraphic_MouseMove(Qt::MouseButtons buttons, float x, float y)
{
    if (!buttons.testFlag(Qt::LeftButton))
        return;
    // The point PickColor would take, on the plane as painted, without the marker.
    const int px = int(std::floor(std::clamp(x, 0.0f, 255.0f)));
    const int py = int(std::floor(std::clamp(y, 0.0f, 255.0f)));
    const int channel = baseChannel();
    const qint16 base = numbers::roundToInt16(numbers::numericValue(decimalLabels()[channel]->caption()));
    m_pair.setPreview(planeColor(channel, base, px, py), ColorPair::PreviewOrigin::Plane);
}

void frmMain::picGraphic_ArrowKey(int dx, int dy, Qt::KeyboardModifiers shift)
{
    const int step = shift.testFlag(Qt::ShiftModifier) ? 16 : 1;
    const float x = MarkerDrawn ? MarkerRect[0] + MarkerHalfSize : 0;
    const float y = MarkerDrawn ? MarkerRect[1] + MarkerHalfSize : 0;
    PickColor(x + float(dx * step), y + float(dy * step));
}

void frmMain::picSmall_Click(int index)
{
    const int level = swatchLevel(index);
    const QString s = textforms::plainDecimal(level);
    txbBaseColor[0]->setText(s);
    txbBaseColor[1]->setText(textforms::plainHex16(qint16(level)));
    decimalLabels()[baseChannel()]->setCaption(s);
    StoreColor(editedColor());
    DrawColorPlane(qint16(level), 0, 0, 255, 255);
    RepickColor();
    DrawSample();
}
