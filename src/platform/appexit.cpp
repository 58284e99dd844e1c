// SPDX-License-Identifier: MIT
#include "platform/appexit.h"

#include <QCoreApplication>

namespace platform {

void QtAppExit::endProgram(int exitCode)
{
    QCoreApplication::exit(exitCode);
}

} // namespace platform
