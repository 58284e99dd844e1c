// SPDX-License-Identifier: MIT
#pragma once

#include "platform/registry.h"

#include <QHash>
#include <QString>

class QSettings;

namespace platform {

// HKEY_CURRENT_USER of one user, kept in one INI file written through QSettings, which locks the file
// and replaces it whole; a save that fails leaves the previous file and is reported with a result
// code. Keys and value names compare without regard to ASCII case, as in the registry. Only
// HKEY_CURRENT_USER exists.
class PortableRegistry final : public Registry
{
public:
    explicit PortableRegistry(const QString &filePath);

    std::int32_t createKey(std::uint32_t root, const std::string &subKey, RegKey *key,
                           std::uint32_t *disposition) override;
    std::int32_t setStringValue(RegKey key, const std::string &name, const std::string &data) override;
    std::int32_t openKey(std::uint32_t root, const std::string &subKey, RegKey *key) override;
    std::int32_t queryValue(RegKey key, const std::string &name, char *data, std::uint32_t *size) override;
    std::int32_t closeKey(RegKey key) override;
    std::string systemMessage(std::int32_t code) override;

    // The file this registry lives in.
    QString filePath() const { return m_filePath; }
    // How many keys are open and not yet closed.
    int openKeyCount() const { return int(m_openKeys.size()); }
    // <generic configuration folder>/Quenby Systems/registry.ini
    static QString defaultFilePath();

private:
    struct OpenKey
    {
        QString group; // the key's group in the file, spelled as stored
        bool writable = false;
    };

    qint32 load(QSettings &settings) const;
    // The checks every opening of a key shares: a place for the key (set to none), the one root this
    // store keeps, and a store that loads.
    std::int32_t loadForOpening(std::uint32_t root, RegKey *key, QSettings &settings) const;
    RegKey addOpenKey(const QString &group, bool writable);

    QString m_filePath;
    QHash<RegKey, OpenKey> m_openKeys;
    RegKey m_lastKey = 0;
};

} // namespace platform
