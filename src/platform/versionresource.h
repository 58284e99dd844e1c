// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

namespace platform {

struct VersionNumbers
{
    int major = 0;
    int minor = 0;
};

// The file version in the running program's own version resource; nothing where it has none (Linux
// programs, and the test programs on Windows).
std::optional<VersionNumbers> programVersionResource();

} // namespace platform
