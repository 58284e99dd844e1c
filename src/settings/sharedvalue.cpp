// SPDX-License-Identifier: MIT
#include "settings/sharedvalue.h"

#include "settings/storedvalues.h"

#include <algorithm>
#include <set>
#include <string_view>
#include <vector>

namespace {

// The store gives a text back without the line ends and control characters at its end.
std::string asStored(std::string text)
{
    while (!text.empty() && static_cast<unsigned char>(text.back()) < 32)
        text.pop_back();
    return text;
}

std::vector<std::string> lines(std::string_view text)
{
    std::vector<std::string> out;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        out.emplace_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return out;
}

} // namespace

SharedValue::SharedValue(std::string name, Merge merge, std::string absent)
    : m_name(std::move(name)), m_merge(merge), m_absent(asStored(absent)), m_known(m_absent)
{
}

std::optional<std::string> SharedValue::read(platform::Registry *registry)
{
    const std::optional<std::string> text = storedvalues::read(registry, m_name);
    m_known = text ? asStored(*text) : m_absent;
    return text;
}

std::optional<std::string> SharedValue::toWrite(const std::optional<std::string> &stored) const
{
    const std::optional<std::string> mine = current ? current() : std::nullopt;
    if (!mine || asStored(*mine) == m_known)
        return std::nullopt;
    const std::string now = stored ? asStored(*stored) : m_absent;
    if (m_merge == Merge::Replace || now == m_known)
        return mine;
    // Another copy changed the list too: its lines stay, this copy's additions and removals are made on it.
    const std::vector<std::string> known = lines(m_known);
    const std::vector<std::string> own = lines(*mine);
    const std::set<std::string> before(known.begin(), known.end());
    const std::set<std::string> after(own.begin(), own.end());
    std::string merged;
    std::set<std::string> kept;
    for (const std::string &line : lines(now)) {
        if (!before.contains(line) || after.contains(line)) {
            merged += line + '\n';
            kept.insert(line);
        }
    }
    for (const std::string &line : own) {
        if (!before.contains(line) && kept.insert(line).second)
            merged += line + '\n';
    }
    return merged;
}

void SharedValue::saved(const std::string &text)
{
    m_known = asStored(text);
    const std::optional<std::string> mine = current ? current() : std::nullopt;
    if (adopt && (!mine || asStored(*mine) != m_known))
        adopt(text);
}
