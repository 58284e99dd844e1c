// SPDX-License-Identifier: MIT
#include "accessibility/accessibility.h"
#include "app/commandline.h"
#include "app/commandoutput.h"
#include "app/frmmain.h"
#include "buildversion.h"
#include "platform/appexit.h"
#include "platform/console.h"
#include "platform/services.h"
#include "platform/termination.h"
#include "widgets/enterpressesbuttons.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char *argv[])
{
    platform::keepRunningPastFileSizeLimit();
    // Answered before QApplication exists, so --help and --version need no display. File names of any
    // bytes stay those bytes.
    const QStringList arguments = platform::commandLineArguments(argc, argv);
    if (const CommandLineOutcome outcome = parseCommandLine(arguments); outcome.finished) {
        platform::useParentConsole();
        return printOutcome(outcome, QFileInfo(arguments.value(0)).fileName(), stdout, stderr);
    }
    if (const QString platform = sessionPlatform(QProcessEnvironment::systemEnvironment());
        !platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform.toLatin1());

    // Lets docks and task bars match the window with its menu entry and icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(buildversion::desktopId));
    QApplication app(argc, argv);
    EnterPressesButtons::install(app);
    accessibility::install();
    frmMain window(systemServices());
    window.Form_Load();
    // Ending the program from outside saves the colours, as Quit does; a failed save ends it with code 1.
    platform::QtAppExit appExit;
    const platform::Termination termination(appExit, [&window] { return window.saveOnSessionEnd(); });
    return app.exec();
}
