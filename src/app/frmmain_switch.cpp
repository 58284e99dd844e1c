// SPDX-License-Identifier: MIT
// Loading a colour into the window, and the switches of the colour being edited and of its base channel.
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
    // A copy, and the option selected without its handler: everything is painted below from this row, and
    // the handler would first paint, pick and store the colour the window still shows.
    const ColorRow row = ColorParams[which];
    const int base = baseChannelOf(row[0]);
    if (!channelOptions()[base]->isChecked())
        selectWithoutHandler(channelOptions()[base]);
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
    if (blnSwitchingColor || !channelOptions()[channel]->isChecked())
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
