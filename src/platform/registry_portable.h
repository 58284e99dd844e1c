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

    qint32 createKey(quint32 root, const QByteArray &subKey, RegKey *key, quint32 *disposition) override;
    qint32 setStringValue(RegKey key, const QByteArray &name, const QByteArray &data) override;
    qint32 openKey(quint32 root, const QByteArray &subKey, RegKey *key) override;
    qint32 queryValue(RegKey key, const QByteArray &name, char *data, quint32 *size) override;
    qint32 closeKey(RegKey key) override;
    QByteArray systemMessage(qint32 code) override;

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
    RegKey addOpenKey(const QString &group, bool writable);

    QString m_filePath;
    QHash<RegKey, OpenKey> m_openKeys;
    RegKey m_lastKey = 0;
};

} // namespace platform
