// SPDX-License-Identifier: MIT
#include "settings/settings.h"

Settings::Settings(platform::Registry *registry)
    : m_registry(registry), m_formats(registry, kFormatsName, SharedValue::Merge::Lines),
      m_contrastPanel(registry, kContrastPanelName, SharedValue::Merge::Replace, "0"),
      m_pairsWindow(registry, kPairsWindowName, SharedValue::Merge::Replace)
{
}

std::optional<std::string> Settings::params() const
{
    return storedvalues::read(m_registry, storedvalues::kParams);
}

std::string Settings::save(const std::string &params)
{
    // Another copy's formats or window place stay as that copy saved them unless this copy changed them.
    return saveBeside({{storedvalues::kParams, params}}, {&m_contrastPanel, &m_formats, &m_pairsWindow});
}

std::string Settings::save(SharedValue &value)
{
    return saveBeside({}, {&value});
}

std::string Settings::saveBeside(const std::vector<storedvalues::Value> &values,
                                 const std::vector<SharedValue *> &shared)
{
    return storedvalues::save(m_registry, values, shared);
}

storedvalues::Reading Settings::pairs() const
{
    return storedvalues::readWhole(m_registry, kPairsName);
}

std::string Settings::writePairs(const std::string &text)
{
    return storedvalues::write(m_registry, {{kPairsName, text}});
}

std::string Settings::updatePairs(const PairsChange &change)
{
    return storedvalues::update(m_registry, {kPairsName},
                                [&change](const std::vector<std::optional<std::string>> &found) {
                                    std::vector<storedvalues::Value> values;
                                    if (std::optional<std::string> text = change(found[0]))
                                        values.emplace_back(kPairsName, std::move(*text));
                                    return values;
                                });
}
