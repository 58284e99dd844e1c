// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The maker's home page; every other page address is built on it.
inline const QString kHomePage = QStringLiteral("https://quenby-systems.example/");
