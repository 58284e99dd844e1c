// SPDX-License-Identifier: MIT
// The editing state of both colours: storing the colour being edited, loading one into the window, and the
// switch between background and foreground.
#include "app/frmmain.h"

#include "app/planeaxes.h"
#include "color/numbers.h"
#include "widgets/captionlabel.h"

#include <QRadioButton>

namespace {

void setBold(QWidget *control, bool bold)
{
    QFont font = control->font();
    font.setBold(bold);
    control->setFont(font);
}

} // namespace

int frmMain::editedColor() const
{
    return optBackground->isChecked() ? 0 : 1;
}

int frmMain::baseChannel() const
{
    return optRed->isChecked() ? 0 : optGreen->isChecked() ? 1 : 2;
}

void frmMain::StoreColor(int which)
{
    Q_ASSERT(which == 0 || which == 1);
    if (which != 0 && which != 1)
        return;
    auto &row = ColorParams[which];
    row[0] = static_cast<qint16>(baseChannel());
    const auto labels = decimalLabels();
    for (int channel = 0; channel < 3; ++channel)
        row[channel + 1] = numbers::roundToInt16(numbers::numericValue(labels[channel]->caption()));
    coloursChanged();
}

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
    const UndoStep change(*this);
    blnSwitchingColor = true;
    StoreColor(1 - which);
    LoadColor(which);
    showEditedColorCaptions(which);
    blnSwitchingColor = false;
}

void frmMain::showEditedColorCaptions(int which)
{
    setBold(optBackground, which == 0);
    setBold(optForeground, which == 1);
    const QString name = which == 0 ? QStringLiteral("Background") : QStringLiteral("Foreground");
    lblDecimal->setCaption(name + QStringLiteral(" color (decimal)"));
    lblHexadecimal->setCaption(name + QStringLiteral(" color (hexadecimal)"));
    lblVisualBasic->setCaption(name + QStringLiteral(" color (Visual Basic)"));
}
