// SPDX-License-Identifier: MIT
#include "settings/registry3.h"

#include "platform/registry.h"

namespace Registry3 {

namespace {

// Removes the terminating zero, line ends and any other control characters at the end.
void trimControlCharacters(std::string &text)
{
    while (!text.empty() && static_cast<unsigned char>(text.back()) < 32)
        text.pop_back();
}

} // namespace

std::string RegWriteString(platform::Registry &registry, std::uint32_t rootKey, const std::string &strKey,
                           const std::string &strName, const std::string &strValue)
{
    return RegWriteStrings(registry, rootKey, strKey, {{strName, strValue}});
}

std::string RegWriteStrings(platform::Registry &registry, std::uint32_t rootKey, const std::string &strKey,
                            const std::vector<std::pair<std::string, std::string>> &values)
{
    platform::StringValues data = values;
    for (auto &value : data)
        value.second.push_back('\0');
    const platform::WriteOutcome outcome = registry.writeStringValues(rootKey, strKey, data);
    if (outcome.keyResult != platform::kErrorSuccess)
        return std::to_string(outcome.keyResult) + " Unable to create (or find) key.  " +
               registry.systemMessage(outcome.keyResult);
    // A value that was not written must not be reported as a success.
    if (outcome.valueResult != platform::kErrorSuccess)
        return std::to_string(outcome.valueResult) + " Unable to write value.  " +
               registry.systemMessage(outcome.valueResult);
    std::string status = "0 Key anomaly.";
    if (outcome.disposition == platform::kRegCreatedNewKey)
        status = "0 New key created.";
    else if (outcome.disposition == platform::kRegOpenedExistingKey)
        status = "0 Key already exists.";
    return status + "  " + registry.systemMessage(platform::kErrorSuccess);
}

std::string RegReadString(platform::Registry &registry, std::uint32_t rootKey, const std::string &strKey,
                          const std::string &strName, std::string &strValue)
{
    const std::string keyNotFound = "1 Key not found or is empty.";
    if (strKey.empty())
        return keyNotFound;
    platform::RegKey key = 0;
    // Whether a key resulted decides, not the result code.
    registry.openKey(rootKey, strKey, &key);
    if (key == 0)
        return keyNotFound;
    if (strName.empty()) {
        registry.closeKey(key);
        return "2 Name not specified.";
    }
    std::uint32_t size = 0;
    registry.queryValue(key, strName, nullptr, &size);
    if (size == 0) {
        registry.closeKey(key);
        return "3 Name not found.";
    }
    std::string buffer(size, ' ');
    std::uint32_t count = size;
    const std::int32_t result = registry.queryValue(key, strName, buffer.data(), &count);
    if (count != 0) {
        // A count beyond the buffer (the value grew in between) takes no more than the buffer.
        strValue = buffer.substr(0, count);
        trimControlCharacters(strValue);
    } else {
        strValue.clear();
    }
    registry.closeKey(key);

    const std::string message = registry.systemMessage(result);
    if (message == "The system cannot find the file specified.\r\n")
        return "3 Name not found.";
    if (message == "The operation completed successfully.\r\n")
        return "0 OK";
    if (!strValue.empty())
        return "0 OK probably";
    return "4 " + message;
}

} // namespace Registry3
