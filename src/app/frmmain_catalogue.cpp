// SPDX-License-Identifier: MIT
// The catalogue of the maker's other programs.
#include "app/frmmain.h"

#include "catalogue/frmqssoftware.h"
#include "color/colors.h"

void frmMain::cmdQSsoftware_Click()
{
    hide();
    showCatalogueModal();
    show();
}

void frmMain::showCatalogueModal()
{
    if (!m_catalogue)
        m_catalogue = new frmQSsoftware(*m_services.shell, *m_services.messages, this);
    m_catalogue->lngIntroForeColor = Colors::RGB(118, 5, 184);
    m_catalogue->lngTitleForeColor = Colors::RGB(3, 27, 136);
    m_catalogue->lngDescriptionForeColor = 0;
    m_catalogue->exec();
}
