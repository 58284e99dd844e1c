#pragma once

#include <QString>

namespace platform {
class Registry;
}

// Named text values under a registry key. Neither operation fails loudly: each returns a status
// text that starts with "0" on success and with another digit on failure, followed by words for a
// person and mostly by the system's message. Texts travel in the system's 8-bit code page
// (QStringConverter::System: UTF-8 on Linux, the ANSI code page on Windows).
namespace Registry3 {

// Creates or opens strKey below rootKey and writes strValue as the string value strName.
QString RegWriteString(platform::Registry &registry, quint32 rootKey, const QString &strKey,
                       const QString &strName, const QString &strValue);

// Reads the string value strName of strKey below rootKey into strValue, without its trailing
// control characters; strValue keeps what it held when nothing was read.
QString RegReadString(platform::Registry &registry, quint32 rootKey, const QString &strKey,
                      const QString &strName, QString &strValue);

} // namespace Registry3
