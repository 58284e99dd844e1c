// SPDX-License-Identifier: MIT
#include "app/programidentity.h"

#include "buildversion.h"
#include "platform/versionresource.h"

namespace SpecifySoftware {

QString ProgramName;
QString ProgramVersion;

void SetProgramIdentity()
{
    ProgramName = QStringLiteral("Quenby Color Picker");
    // The version resource where the program has one (on Windows), made from the same project version.
    const platform::VersionNumbers version = platform::programVersionResource().value_or(
        platform::VersionNumbers{buildversion::major, buildversion::minor});
    ProgramVersion = QString::number(version.major) + u'.' + QString::number(version.minor) + u'0';
}

} // namespace SpecifySoftware
