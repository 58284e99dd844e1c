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

// Values as the registry stores strings: each with its terminating zero.
platform::StringValues terminated(platform::StringValues values)
{
    for (auto &value : values)
        value.second.push_back('\0');
    return values;
}

std::string statusOf(platform::Registry &registry, const platform::WriteOutcome &outcome)
{
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

} // namespace

std::string RegWriteString(platform::Registry &registry, std::uint32_t rootKey, const std::string &strKey,
                           const std::string &strName, const std::string &strValue)
{
    return RegWriteStrings(registry, rootKey, strKey, {{strName, strValue}});
}

std::string RegWriteStrings(platform::Registry &registry, std::uint32_t rootKey, const std::string &strKey,
                            const std::vector<std::pair<std::string, std::string>> &values)
{
    return statusOf(registry, registry.writeStringValues(rootKey, strKey, terminated(values)));
}

std::string RegUpdateStrings(platform::Registry &registry, std::uint32_t rootKey, const std::string &strKey,
                             const std::vector<std::string> &strNames, const StringChange &change)
{
    const auto makeValues = [&change](const platform::FoundValues &found) {
        FoundStrings texts;
        for (std::optional<std::string> data : found) {
            if (data)
                trimControlCharacters(*data);
            texts.push_back(data && !data->empty() ? data : std::nullopt);
        }
        return terminated(change(texts));
    };
    return statusOf(registry, registry.updateStringValues(rootKey, strKey, strNames, makeValues));
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
    std::int32_t result = registry.queryValue(key, strName, buffer.data(), &count);
    // The value grew since its size was asked (another program saved it): it is read at its new size.
    for (int tries = 1; result == platform::kErrorMoreData && tries < 5; ++tries) {
        buffer.assign(count, ' ');
        result = registry.queryValue(key, strName, buffer.data(), &count);
    }
    // A read that copied nothing gives no text, not the blanks the buffer was filled with.
    if (result == platform::kErrorMoreData)
        count = 0;
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
