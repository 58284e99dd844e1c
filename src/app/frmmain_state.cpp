// SPDX-License-Identifier: MIT
// The editing state of both colours: storing the colour being edited, loading one into the window, and the
// switch between background and foreground.
#include "app/frmmain.h"

#include "color/colors.h"
#include "color/numbers.h"
#include "color/planeaxes.h"
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
    m_pair.setState(formState());
}

PairState frmMain::formState() const
{
    PairState state;
    for (int which = 0; which < 2; ++which) {
        const ColorRow &row = ColorParams[which];
        // Any base channel other than red and green loads as blue.
        const int base = row[0] == 0 ? 0 : row[0] == 1 ? 1 : 2;
        state.colors[which] = {Colors::toQRgb(Colors::RGB(row[1], row[2], row[3])), base};
    }
    state.edited = editedColor();
    return state;
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

void frmMain::showEditedColorCaptions(int which)
{
    setBold(optBackground, which == 0);
    setBold(optForeground, which == 1);
    const QString name = which == 0 ? QStringLiteral("Background") : QStringLiteral("Foreground");
    lblDecimal->setCaption(name + QStringLiteral(" color (decimal)"));
    lblHexadecimal->setCaption(name + QStringLiteral(" color (hexadecimal)"));
    lblVisualBasic->setCaption(name + QStringLiteral(" color (Visual Basic)"));
}
