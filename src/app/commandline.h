// SPDX-License-Identifier: MIT
#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// What the command line asks for. When `finished` is set the program prints the texts and ends with
// `exitCode` before any window system is touched; otherwise it starts as usual.
struct CommandLineOutcome
{
    bool finished = false;
    int exitCode = 0;
    QString standardOutput;
    QString standardError;
};

// Reads the arguments (the program's path first). Qt's own window-system options pass untouched, so that
// QApplication still sees them.
CommandLineOutcome parseCommandLine(const QStringList &arguments);

// The platform plugin to ask Qt for, or empty to leave Qt's own choice. In a Wayland session that also
// offers XWayland the X11 plugin is chosen, because Wayland lets no program place its own windows, and the
// viewer and the catalogue are placed beside the main window.
QString sessionPlatform(const QProcessEnvironment &environment);
