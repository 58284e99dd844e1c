// SPDX-License-Identifier: MIT
#pragma once

#include "platform/registry.h"

#include <QHash>
#include <QString>

#include <functional>
#include <memory>

namespace platform {

class IniDocument;
namespace regularfile {
struct Snapshot;
}

// HKEY_CURRENT_USER of one user, kept in one INI file in the layout QSettings reads. Every call reads
// the file afresh; a change is made under a lock shared with other processes and saved whole to a new
// file that replaces the old one only once it is known good, so a save either lands completely or
// leaves the file as it was and reports a failure. Lines the store does not own are kept byte for
// byte. Keys and value names compare without regard to ASCII case, as in the registry. Only
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
    // Makes the key, when it is missing, and stores the values in one replace of the file.
    WriteOutcome writeStringValues(std::uint32_t root, const std::string &subKey,
                                   const StringValues &values) override;
    // Reads and stores the values under the lock that every save of this store takes; when another program
    // wrote the file in between, makeValues runs again on what it wrote.
    WriteOutcome updateStringValues(std::uint32_t root, const std::string &subKey,
                                    const std::vector<std::string> &names,
                                    const ValueUpdate &makeValues) override;

    // The file this registry lives in.
    QString filePath() const { return m_filePath; }
    // How many keys are open and not yet closed.
    int openKeyCount() const { return int(m_openKeys.size()); }
    // <configuration folder>/Quenby Systems/registry.ini, the folder being an absolute XDG_CONFIG_HOME,
    // else .config in an absolute HOME, else in the home the user database gives.
    static QString defaultFilePath();
    // Runs in every save between reading the file and replacing it, where another program's change is what
    // the save must not lose; for tests that act as that program (which may be another registry on the
    // same file).
    void setBeforeReplace(std::function<void()> hook) { m_beforeReplace = std::move(hook); }

private:
    struct OpenKey
    {
        QString group; // the key's section in the file, spelled as stored
        bool writable = false;
        // For a key opened for reading: the file as it was read then.
        std::shared_ptr<const IniDocument> document;
    };

    // Reads the file into document and, when asked, what it was into snapshot.
    std::int32_t load(IniDocument *document, regularfile::Snapshot *snapshot = nullptr) const;
    // Loads the file under the lock, lets change edit it and saves it when change succeeded and changed it.
    // When another program changed the file meanwhile, change runs again on what that program wrote.
    std::int32_t update(const std::function<std::int32_t(IniDocument &)> &change);
    RegKey addOpenKey(const QString &group, bool writable);

    QString m_filePath;
    QHash<RegKey, OpenKey> m_openKeys;
    RegKey m_lastKey = 0;
    std::function<void()> m_beforeReplace;
};

} // namespace platform
