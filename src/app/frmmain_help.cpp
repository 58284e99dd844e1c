// The Help button.
#include "app/frmmain.h"

void frmMain::cmdHelp_Click()
{
}
