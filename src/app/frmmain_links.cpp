// The two link labels.
#include "app/frmmain.h"

void frmMain::lblCopyright_Click()
{
}

void frmMain::lblOnlineUserManual_Click()
{
}
