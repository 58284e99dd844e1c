// SPDX-License-Identifier: MIT
#include "app/frmmain.h"
#include "app/services.h"
#include "widgets/enterpressesbuttons.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    EnterPressesButtons::install(app);
    frmMain window(systemServices());
    window.Form_Load();
    return app.exec();
}
