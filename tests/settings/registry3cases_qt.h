// SPDX-License-Identifier: MIT
#pragma once

// Runs the string store's shared cases as rows of a Qt Test table.
#include "settings/registry3cases.h"

#include <QTest>

namespace registry3cases {

inline void addRows()
{
    QTest::addColumn<int>("index");
    const auto &all = cases();
    for (int i = 0; i < int(all.size()); ++i)
        QTest::newRow(all[i].name.c_str()) << i;
}

// Runs the current row's case over registry below key, with the registry's count of open keys.
template <typename Registry> void runRow(Registry &registry, const std::string &key)
{
    QFETCH(int, index);
    std::string failures;
    const auto openKeys = [&registry] { return registry.openKeyCount(); };
    for (const std::string &failure : run(cases()[index], registry, key, openKeys))
        failures += failure + '\n';
    QVERIFY2(failures.empty(), failures.c_str());
}

} // namespace registry3cases
