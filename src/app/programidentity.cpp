// SPDX-License-Identifier: MIT
#include "app/programidentity.h"

#include "buildversion.h"

namespace SpecifySoftware {

QString ProgramName;
QString ProgramVersion;

void SetProgramIdentity()
{
    ProgramName = QStringLiteral("Quenby Color Picker");
    ProgramVersion =
        QString::number(buildversion::major) + u'.' + QString::number(buildversion::minor) + u'0';
}

} // namespace SpecifySoftware
