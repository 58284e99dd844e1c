// SPDX-License-Identifier: MIT
#include "settings/storedvalues.h"

#include "platform/registry.h"
#include "settings/registry3.h"
#include "settings/sharedvalue.h"

namespace storedvalues {

std::optional<std::string> read(platform::Registry *registry, const std::string &name)
{
    std::string text;
    if (!registry ||
        !Registry3::RegReadString(*registry, platform::kHkeyCurrentUser, kKey, name, text).starts_with('0'))
        return std::nullopt;
    return text;
}

Reading readWhole(platform::Registry *registry, const std::string &name)
{
    Reading reading;
    if (!registry)
        return reading;
    platform::RegKey key = 0;
    std::int32_t result = registry->openKey(platform::kHkeyCurrentUser, kKey, &key);
    if (result == platform::kErrorSuccess) {
        result = registry->readValue(key, name, &reading.text);
        registry->closeKey(key);
    }
    if (result != platform::kErrorSuccess && result != platform::kErrorFileNotFound) {
        reading.text.reset();
        reading.failure =
            std::to_string(result) + " Unable to read value.  " + registry->systemMessage(result);
        return reading;
    }
    // As RegReadString gives it: without the terminator and line ends at the end.
    while (reading.text && !reading.text->empty() && static_cast<unsigned char>(reading.text->back()) < 32)
        reading.text->pop_back();
    return reading;
}

std::string write(platform::Registry *registry, const std::vector<Value> &values)
{
    if (!registry)
        return "1009 No place to save the colors.";
    return Registry3::RegWriteStrings(*registry, platform::kHkeyCurrentUser, kKey, values);
}

std::string update(platform::Registry *registry, const std::vector<std::string> &names, const Change &change)
{
    if (!registry)
        return "1009 No place to save the colors.";
    return Registry3::RegUpdateStrings(*registry, platform::kHkeyCurrentUser, kKey, names, change);
}

std::string save(platform::Registry *registry, const std::vector<Value> &values,
                 const std::vector<SharedValue *> &shared)
{
    std::vector<std::string> names;
    for (const SharedValue *value : shared)
        names.push_back(value->name());
    std::vector<Value> written;
    const std::string status =
        update(registry, names, [&](const std::vector<std::optional<std::string>> &found) {
            written = values;
            for (size_t i = 0; i < shared.size(); ++i) {
                if (std::optional<std::string> text = shared[i]->toWrite(found[i]))
                    written.emplace_back(shared[i]->name(), std::move(*text));
            }
            return written;
        });
    if (!status.starts_with('0'))
        return status;
    for (SharedValue *value : shared) {
        for (const auto &[name, text] : written) {
            if (name == value->name())
                value->saved(text);
        }
    }
    return status;
}

} // namespace storedvalues
