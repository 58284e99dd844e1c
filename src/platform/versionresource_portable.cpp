// SPDX-License-Identifier: MIT
// Executables here carry no version resource; the build's own numbers stand in for it.
#include "platform/versionresource.h"

namespace platform {

std::optional<VersionNumbers> programVersionResource()
{
    return std::nullopt;
}

} // namespace platform
