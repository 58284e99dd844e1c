// SPDX-License-Identifier: MIT
#pragma once

// Cases of the string store that hold over any registry that behaves like the real one. They need
// nothing but the standard library, so the same cases run in the Qt tests and in a plain program over
// the Win32 registry.

#include "platform/registry.h"
#include "settings/registry3.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace registry3cases {

inline const std::string kEnglishSuccess = "The operation completed successfully.\r\n";
inline const std::string kParamsDefault = "001 064 128 192 002 224 224 224 ";

// A text as C source would spell it, so that control characters show in a failure; a long one is cut.
inline std::string quoted(const std::string &text)
{
    constexpr std::size_t kShown = 60;
    std::string out = "\"";
    for (const char c : text.substr(0, kShown)) {
        const auto byte = static_cast<unsigned char>(c);
        char shown[8] = {c, '\0'};
        if (c == '"' || c == '\\')
            std::snprintf(shown, sizeof shown, "\\%c", c);
        else if (byte < 32 || byte > 126)
            std::snprintf(shown, sizeof shown, "\\x%02x", byte);
        out += shown;
    }
    out += '"';
    if (text.size() > kShown)
        out += "... (" + std::to_string(text.size()) + " bytes)";
    return out;
}

// What one case works with: the registry under test, a key below HKEY_CURRENT_USER that does not exist
// yet (the case may create it and keys below it), and the failures found so far.
class Check
{
public:
    Check(platform::Registry &registry, std::string key) : m_registry(registry), m_key(std::move(key)) {}

    const std::string &key() const { return m_key; }
    platform::Registry &registry() { return m_registry; }
    const std::vector<std::string> &failures() const { return m_failures; }

    std::string write(const std::string &name, const std::string &value)
    {
        return Registry3::RegWriteString(m_registry, platform::kHkeyCurrentUser, m_key, name, value);
    }
    std::string read(const std::string &key, const std::string &name, std::string &value)
    {
        return Registry3::RegReadString(m_registry, platform::kHkeyCurrentUser, key, name, value);
    }

    // Stores data byte for byte, with no terminator added, as the string store never would.
    void storeRaw(const std::string &name, const std::string &data)
    {
        platform::RegKey key = 0;
        std::uint32_t disposition = 0;
        std::int32_t result = m_registry.createKey(platform::kHkeyCurrentUser, m_key, &key, &disposition);
        if (result == platform::kErrorSuccess) {
            result = m_registry.setStringValue(key, name, data);
            m_registry.closeKey(key);
        }
        if (result != platform::kErrorSuccess)
            fail("storing " + quoted(data) + " gave result " + std::to_string(result));
    }

    // The system's own text for a result code; Windows in another language, and Wine, word them
    // differently from English Windows.
    std::string systemText(std::int32_t code) { return m_registry.systemMessage(code); }
    // The status of a read that found a text: only an English system's wording of success allows "0 OK".
    std::string foundStatus() { return systemText(0) == kEnglishSuccess ? "0 OK" : "0 OK probably"; }

    void equal(const std::string &what, const std::string &actual, const std::string &expected)
    {
        if (actual != expected)
            fail(what + ": " + quoted(actual) + ", expected " + quoted(expected));
    }
    void fail(const std::string &text) { m_failures.push_back(text); }

private:
    platform::Registry &m_registry;
    std::string m_key;
    std::vector<std::string> m_failures;
};

struct Case
{
    std::string name;
    std::function<void(Check &)> run;
};

// Writes value twice, to a new key and then to the same key, and reads it back.
inline void roundTrip(Check &c, const std::string &value)
{
    c.equal("first write", c.write("Params", value), "0 New key created.  " + c.systemText(0));
    c.equal("second write", c.write("Params", value), "0 Key already exists.  " + c.systemText(0));
    std::string read = "before";
    c.equal("status", c.read(c.key(), "Params", read), c.foundStatus());
    c.equal("value", read, value);
}

// Reads data stored without the string store, which takes off what ends it; data of no bytes is no value.
inline void readStored(Check &c, const std::string &data, const std::string &expected)
{
    c.storeRaw("Params", data);
    std::string read = "before";
    c.equal("status", c.read(c.key(), "Params", read), data.empty() ? "3 Name not found." : c.foundStatus());
    c.equal("value", read, expected);
}

// A read-modify-write sees the values as stored (a missing one as nothing) and writes what it makes of them.
inline void update(Check &c)
{
    c.write("Params", "a\r\n");
    int runs = 0;
    const std::string status = Registry3::RegUpdateStrings(
        c.registry(), platform::kHkeyCurrentUser, c.key(), {"Params", "Missing"},
        [&](const Registry3::FoundStrings &found) -> std::vector<std::pair<std::string, std::string>> {
            ++runs;
            if (found.size() != 2 || found[0] != "a" || found[1])
                return {};
            return {{"Params", *found[0] + "b"}, {"Added", "c"}};
        });
    c.equal("status", status, "0 Key already exists.  " + c.systemText(0));
    c.equal("runs", std::to_string(runs), "1");
    for (const auto &[name, expected] : {std::pair("Params", "ab"), std::pair("Added", "c")}) {
        std::string read;
        c.read(c.key(), name, read);
        c.equal(name, read, expected);
    }
}

// A read that fails early leaves the caller's text alone.
inline void readFails(Check &c, const std::string &key, const std::string &name, const std::string &status)
{
    c.write("Other", "neighbour");
    std::string read = "before";
    c.equal("status", c.read(key, name, read), status);
    c.equal("value", read, "before");
}

inline const std::vector<Case> &cases()
{
    static const std::vector<Case> list{
        {"round trip of the default colours", [](Check &c) { roundTrip(c, kParamsDefault); }},
        {"round trip keeps blanks around", [](Check &c) { roundTrip(c, "  x  "); }},
        {"round trip keeps control characters inside", [](Check &c) { roundTrip(c, "a\r\nb\tc"); }},
        {"round trip of 5000 characters", [](Check &c) { roundTrip(c, std::string(5000, 'q') + "end"); }},
        {"data without terminator", [](Check &c) { readStored(c, "abc", "abc"); }},
        {"data ending in CR LF and terminator",
         [](Check &c) { readStored(c, std::string("abc\r\n\0", 6), "abc"); }},
        {"zero inside the data",
         [](Check &c) { readStored(c, std::string("ab\0cd\0", 6), std::string("ab\0cd", 5)); }},
        {"value without bytes", [](Check &c) { readStored(c, "", "before"); }},
        {"missing value", [](Check &c) { readFails(c, c.key(), "Params", "3 Name not found."); }},
        {"missing key",
         [](Check &c) { readFails(c, c.key() + "\\Missing", "Params", "1 Key not found or is empty."); }},
        {"empty key", [](Check &c) { readFails(c, "", "Other", "1 Key not found or is empty."); }},
        {"empty name", [](Check &c) { readFails(c, c.key(), "", "2 Name not specified."); }},
        {"read-modify-write of values", update},
    };
    return list;
}

// Runs one case over registry below key; returns its failures, none when it passed. Where the registry
// can tell how many keys are open, openKeys says so, and a key the case leaves open is a failure.
inline std::vector<std::string> run(const Case &testCase, platform::Registry &registry,
                                    const std::string &key, const std::function<int()> &openKeys = {})
{
    Check check(registry, key);
    testCase.run(check);
    if (openKeys && openKeys() != 0)
        check.fail(std::to_string(openKeys()) + " key(s) left open");
    return check.failures();
}

} // namespace registry3cases
