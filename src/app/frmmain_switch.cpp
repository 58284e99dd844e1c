// SPDX-License-Identifier: MIT
// Loading a colour into the window, the switches of the colour being edited and of its base channel, and a
// change of the pair made elsewhere.
#include "app/frmmain.h"

#include "color/numbers.h"
#include "color/planeaxes.h"
#include "widgets/captionlabel.h"

#include <QRadioButton>

void frmMain::LoadColor(int which)
{
    Q_ASSERT(which == 0 || which == 1);
    if (which != 0 && which != 1)
        return;
    // A copy, and the option's own painting held back: everything is painted below from this row, and the
    // option's handler would first paint, pick and store the colour the window still shows.
    const ColorRow row = ColorParams[which];
    const int base = row[0] == 0 ? 0 : row[0] == 1 ? 1 : 2;
    m_loadingColor = true;
    channelOptions()[base]->setChecked(true);
    m_loadingColor = false;
    ShowColorValues(row[1], row[2], row[3]);
    DrawSwatches();
    DrawColorPlane(row[base + 1], 0, 0, 255, 255);
    PickColor(float(row[kPlaneAxes[base][0] + 1]), float(row[kPlaneAxes[base][1] + 1]));
}

void frmMain::optBackground_Click()
{
    switchEditedColor(0);
}

void frmMain::optForeground_Click()
{
    switchEditedColor(1);
}

void frmMain::switchEditedColor(int which)
{
    const ColorPair::Step change(m_pair);
    blnSwitchingColor = true;
    StoreColor(1 - which);
    LoadColor(which);
    showEditedColorCaptions(which);
    blnSwitchingColor = false;
}

void frmMain::optRed_Click()
{
    optChannel_Click(0);
}

void frmMain::optGreen_Click()
{
    optChannel_Click(1);
}

void frmMain::optBlue_Click()
{
    optChannel_Click(2);
}

void frmMain::optChannel_Click(int channel)
{
    const ColorPair::Step change(m_pair);
    if (blnSwitchingColor || m_loadingColor || !channelOptions()[channel]->isChecked())
        return;
    DrawSwatches();
    const auto labels = decimalLabels();
    DrawColorPlane(numbers::roundToInt16(numbers::numericValue(labels[channel]->caption())), 0, 0, 255, 255);
    const double x = numbers::numericValue(labels[kPlaneAxes[channel][0]]->caption());
    const double y = numbers::numericValue(labels[kPlaneAxes[channel][1]]->caption());
    PickColor(float(x), float(y));
    // The boxes showed the old base channel's value; an apply would otherwise set this channel to it.
    showBaseValue();
}

void frmMain::pairChanged(ColorPair::Changes what)
{
    // The screen pick's preview is shown in the sample; the plane's own preview is for the other views.
    if (what.testFlag(ColorPair::Preview) && !m_dragging) {
        if (const std::optional<QRgb> preview = m_pair.preview()) {
            ColorParamsArray shown = ColorParams;
            ColorRow &row = shown[editedColor()];
            row[1] = qint16(qRed(*preview));
            row[2] = qint16(qGreen(*preview));
            row[3] = qint16(qBlue(*preview));
            drawSampleOf(shown);
        } else {
            DrawSample();
        }
    }
    // What the window published itself comes back equal; anything else was changed elsewhere.
    const PairState &state = m_pair.state();
    if (state == formState())
        return;
    for (int which = 0; which < 2; ++which) {
        const PairColor &c = state.colors[which];
        ColorParams[which] = {qint16(c.baseChannel), qint16(qRed(c.rgb)), qint16(qGreen(c.rgb)),
                              qint16(qBlue(c.rgb))};
    }
    if (state.edited != editedColor()) {
        selectWithoutHandler(state.edited == 0 ? optBackground : optForeground);
        showEditedColorCaptions(state.edited);
    }
    LoadColor(state.edited);
}
