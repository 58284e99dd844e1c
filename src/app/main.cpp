// SPDX-License-Identifier: MIT
#include "app/frmmain.h"
#include "app/services.h"
#include "platform/appexit.h"
#include "platform/termination.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    frmMain window(systemServices());
    window.Form_Load();
    // Ending the program from outside saves the colours, as Quit does.
    platform::QtAppExit appExit;
    platform::Termination termination(appExit);
    QObject::connect(&termination, &platform::Termination::saveRequested, &window,
                     &frmMain::saveOnSessionEnd);
    return app.exec();
}
