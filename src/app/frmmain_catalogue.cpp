// The catalogue of the maker's other programs.
#include "app/frmmain.h"

void frmMain::cmdQSsoftware_Click()
{
    hide();
    showCatalogueModal();
    show();
}

void frmMain::showCatalogueModal()
{
}
