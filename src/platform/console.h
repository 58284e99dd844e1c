// SPDX-License-Identifier: MIT
#pragma once

namespace platform {

// Makes the standard output and error reach the console the program was started from, where the system
// does not connect them itself: a Windows program built for the window subsystem starts without any, even
// from a console. Streams the caller redirected (to a file or a pipe) are kept. Bytes are written as they
// are, with no line ends changed, so that what is written is the same on every system.
void useParentConsole();

} // namespace platform
