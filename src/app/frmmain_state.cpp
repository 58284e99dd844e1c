// SPDX-License-Identifier: MIT
// The editing state of both colours: which colour and base channel the options say, and storing the colour
// being edited, which publishes it to the pair.
#include "app/frmmain.h"

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
    m_binding.publish(ColorParams, editedColor());
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

void frmMain::selectWithoutHandler(QRadioButton *option)
{
    const QSignalBlocker blocker(option);
    option->setChecked(true);
    tabStopFollows(option, true);
}

void frmMain::tabStopFollows(QRadioButton *option, bool selected)
{
    option->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
}
