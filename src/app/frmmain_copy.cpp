// Copying either colour, or a report of both, to the clipboard.
#include "app/frmmain.h"

#include "color/textforms.h"

#include <QPushButton>

void frmMain::cboWhatToCopy_Click()
{
    if (cmdCopy->isVisible())
        cmdCopy->setFocus();
}

void frmMain::cmdCopy_Click()
{
    CopyToClipboard();
}

void frmMain::CopyToClipboard()
{
    StoreColor(editedColor());
}

void frmMain::PadChannelValue(qint16 value, QString &text)
{
    text = (QStringLiteral("  ") + textforms::plainDecimal(value)).right(3);
}
