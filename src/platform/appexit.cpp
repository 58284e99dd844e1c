// SPDX-License-Identifier: MIT
#include "platform/appexit.h"

#include <QCoreApplication>

namespace platform {

void QtAppExit::endProgram()
{
    QCoreApplication::exit(0);
}

} // namespace platform
