// Saving and restoring both colours.
#include "app/frmmain.h"

#include "color/numbers.h"

namespace {

const QString kDefaultParams = QStringLiteral("001 064 128 192 002 224 224 224 ");

} // namespace

void frmMain::SaveParams()
{
    StoreColor(editedColor());
}

void frmMain::RestoreParams()
{
    for (int row = 0; row < 2; ++row)
        for (int item = 0; item < 4; ++item)
            ColorParams[row][item] =
                numbers::roundToInt16(numbers::numericValue(kDefaultParams.mid(16 * row + 4 * item, 3)));
}

void frmMain::cmdSave_Click()
{
    SaveParams();
}

void frmMain::cmdRestore_Click()
{
    RestoreParams();
    LoadColor(editedColor());
}
