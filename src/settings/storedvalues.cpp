// SPDX-License-Identifier: MIT
#include "settings/storedvalues.h"

#include "platform/registry.h"
#include "settings/registry3.h"

namespace storedvalues {

std::optional<std::string> read(platform::Registry *registry, const std::string &name)
{
    std::string text;
    if (!registry ||
        !Registry3::RegReadString(*registry, platform::kHkeyCurrentUser, kKey, name, text).starts_with('0'))
        return std::nullopt;
    return text;
}

std::string write(platform::Registry *registry, const std::vector<Value> &values)
{
    if (!registry)
        return "1009 No place to save the colors.";
    return Registry3::RegWriteStrings(*registry, platform::kHkeyCurrentUser, kKey, values);
}

} // namespace storedvalues
