// SPDX-License-Identifier: MIT
// The two link labels.
#include "app/frmmain.h"

#include "web/homepage.h"
#include "web/weblink.h"

void frmMain::lblCopyright_Click()
{
    weblink::OpenWebPage(*m_services.shell, *m_services.messages, this, kHomePage);
}

void frmMain::lblOnlineUserManual_Click()
{
    weblink::OpenWebPage(*m_services.shell, *m_services.messages, this,
                         kHomePage + QStringLiteral("tvk/tvk.htm"));
}
