// SPDX-License-Identifier: MIT
// A program started from a terminal writes to it already.
#include "platform/console.h"

#include "platform/localnames.h"

namespace platform {

void useParentConsole() {}

QStringList commandLineArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << localnames::decode(argv[i]);
    return arguments;
}

} // namespace platform
