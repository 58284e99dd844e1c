// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

namespace platform {

// Makes the standard output and error reach the console the program was started from, where the system
// does not connect them itself: a Windows program built for the window subsystem starts without any, even
// from a console. Streams the caller redirected (to a file or a pipe) are kept. Bytes are written as they
// are, with no line ends changed, so that what is written is the same on every system.
void useParentConsole();

// The program's arguments as the user typed them: on Windows from the wide command line, since argv holds
// them in the ANSI code page and loses every character outside it; elsewhere argv's bytes, any of them kept
// (see localnames).
QStringList commandLineArguments(int argc, char *argv[]);

} // namespace platform
