// SPDX-License-Identifier: MIT
#include "platform/registry_portable.h"

#include "platform/inidocument.h"
#include "platform/regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstring>
#include <pwd.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr qint32 kErrorInvalidHandle = 6;
constexpr qint32 kErrorInvalidParameter = 87;
constexpr qint32 kErrorBadDb = 1009;
constexpr qint32 kErrorCantRead = 1012;
constexpr qint32 kErrorCantWrite = 1013;
constexpr qint32 kErrorKeyDeleted = 1018;
constexpr qint32 kErrorNotEnoughQuota = 1816;

// A store beyond this size is not one this program wrote; it counts as damaged rather than being read.
constexpr qint64 kStoreLimit = 1 << 20;
// Another process holds the lock only while it saves; waiting longer would freeze the window.
constexpr int kLockWaitMs = 2000;
// A program that does not take the lock may write the store while a save is under way; the save is made
// again on what it wrote, as often as this.
constexpr int kSaveTries = 5;

// The file holds one section per key, named by the key's whole path; a key's values are the entries
// "values\<name>". The entry "exists=true" is written for older readers, which need it to see a key.
const QString kRootGroup = QStringLiteral("HKEY_CURRENT_USER");
const QString kExistsEntry = QStringLiteral("exists");
const QString kValuesPrefix = QStringLiteral("values/");

// Names may not hold '/' in the file's layout; '%' is escaped so that the escape is undone exactly. A
// lone "%" stands for the empty value name, which no escaped name can equal.
QString escapeName(const QByteArray &name)
{
    if (name.isEmpty())
        return QStringLiteral("%");
    QString text = QString::fromLatin1(name);
    text.replace(u'%', QLatin1String("%25"));
    text.replace(u'/', QLatin1String("%2F"));
    return text;
}

// The section of subKey, spelled as stored where the key exists, and the sections of the keys on its
// path (itself included) that do not exist yet, from the top down.
struct ResolvedPath
{
    QString group;
    QStringList missing;
};

ResolvedPath resolvePath(const IniDocument &document, const QByteArray &subKey)
{
    ResolvedPath path{kRootGroup, {}};
    for (const QByteArray &part : subKey.split('\\')) {
        // Empty parts (doubled or trailing backslashes) name no key.
        if (part.isEmpty())
            continue;
        const QString wanted = path.group + u'\\' + escapeName(part);
        // A key exists by its own section, whether or not the keys above it have theirs.
        const int section = document.section(wanted);
        path.group = section >= 0 ? document.sectionName(section) : wanted;
        if (section < 0)
            path.missing.append(wanted);
    }
    return path;
}

// Names and data arrive as standard strings; the file works with QByteArray.
QByteArray bytes(const std::string &text)
{
    return QByteArray::fromStdString(text);
}

// Finds the section of subKey, making it and the missing ones above it when it does not exist; sets group
// to it and created to whether it was made.
std::int32_t openPath(IniDocument &document, const std::string &subKey, QString *group, bool *created)
{
    const ResolvedPath path = resolvePath(document, bytes(subKey));
    *group = path.group;
    const int section = document.section(path.group);
    *created = section < 0 && path.group != kRootGroup;
    if (section >= 0 && document.sectionDamaged(section))
        return kErrorBadDb;
    // An existing key is opened as it is: the keys above it exist with it, marked or not.
    if (*created) {
        for (const QString &missing : path.missing)
            document.setText(document.addSection(missing), kExistsEntry, "true");
    }
    return kErrorSuccess;
}

// Sets the value name of the key whose section is group to data.
std::int32_t storeValue(IniDocument &document, const QString &group, const std::string &name,
                        const std::string &data)
{
    int section = document.section(group);
    if (section < 0 && group == kRootGroup)
        section = document.addSection(kRootGroup);
    if (section < 0)
        return kErrorKeyDeleted;
    if (document.sectionDamaged(section))
        return kErrorBadDb;
    const QString entry = kValuesPrefix + escapeName(bytes(name));
    // A value that cannot be read is someone's data, not something to overwrite.
    if (const int line = document.entry(section, entry); line >= 0 && !document.value(line))
        return kErrorBadDb;
    // A key whose mark was lost is mended rather than refused.
    if (document.entry(section, kExistsEntry) < 0)
        document.setText(section, kExistsEntry, "true", true);
    document.setValue(section, entry, bytes(data));
    return kErrorSuccess;
}

QString absoluteVariable(const char *name)
{
    const QString value = qEnvironmentVariable(name);
    return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : QString();
}

} // namespace

PortableRegistry::PortableRegistry(const QString &filePath) : m_filePath(filePath) {}

QString PortableRegistry::defaultFilePath()
{
    const QString file = QStringLiteral("/Quenby Systems/registry.ini");
    if (QStandardPaths::isTestModeEnabled())
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + file;
    // A relative or empty setting would put the store wherever the program happens to start.
    if (const QString config = absoluteVariable("XDG_CONFIG_HOME"); !config.isEmpty())
        return config + file;
    QString home = absoluteVariable("HOME");
    if (home.isEmpty()) {
        const passwd *user = getpwuid(getuid());
        if (user && user->pw_dir && user->pw_dir[0] == '/')
            home = QDir::cleanPath(QFile::decodeName(user->pw_dir));
    }
    return home.isEmpty() ? QString() : home + QLatin1String("/.config") + file;
}

std::int32_t PortableRegistry::load(IniDocument *document, regularfile::Snapshot *snapshot) const
{
    regularfile::Snapshot read;
    switch (regularfile::readSnapshot(m_filePath, kStoreLimit, &read)) {
    case regularfile::Failure::None:
    case regularfile::Failure::Missing:
        break;
    case regularfile::Failure::Denied:
        return kErrorAccessDenied;
    case regularfile::Failure::TooLarge:
        return kErrorBadDb;
    default:
        return kErrorCantRead;
    }
    *document = IniDocument(read.bytes);
    if (snapshot)
        *snapshot = read;
    return document->damaged() ? kErrorBadDb : kErrorSuccess;
}

std::int32_t PortableRegistry::update(const std::function<std::int32_t(IniDocument &)> &change)
{
    // The lock lies beside the store, so the folder is made first.
    if (m_filePath.isEmpty() || !QDir().mkpath(QFileInfo(m_filePath).absolutePath()))
        return kErrorCantWrite;
    const regularfile::Lock lock(m_filePath + QLatin1String(".lock"), kLockWaitMs);
    if (lock.failure() == regularfile::Failure::Busy)
        return kErrorSharingViolation;
    if (lock.failure() != regularfile::Failure::None)
        return kErrorCantWrite;
    // While the lock is held no save of ours is under way, so a copy of ours beside the store is a killed
    // save's.
    regularfile::removeStaleCopies(m_filePath);
    for (int tries = 0; tries < kSaveTries; ++tries) {
        IniDocument document;
        regularfile::Snapshot read;
        // Here a store that cannot be read is a save that cannot be made; a damaged one is refused as such.
        if (const std::int32_t code = load(&document, &read))
            return code == kErrorBadDb ? code : kErrorCantWrite;
        const QByteArray before = document.bytes();
        if (const std::int32_t code = change(document))
            return code;
        const QByteArray after = document.bytes();
        if (after == before)
            return kErrorSuccess;
        // A larger store would not be read again: the save would lose everything in it.
        if (after.size() > kStoreLimit)
            return kErrorNotEnoughQuota;
        if (m_beforeReplace)
            m_beforeReplace();
        switch (regularfile::replace(m_filePath, after, &read)) {
        case regularfile::Failure::None:
            return kErrorSuccess;
        case regularfile::Failure::Changed:
            continue;
        default:
            return kErrorCantWrite;
        }
    }
    return kErrorSharingViolation;
}

RegKey PortableRegistry::addOpenKey(const QString &group, bool writable)
{
    m_openKeys.insert(++m_lastKey, {group, writable, nullptr});
    return m_lastKey;
}

std::int32_t PortableRegistry::createKey(std::uint32_t root, const std::string &subKey, RegKey *key,
                                         std::uint32_t *disposition)
{
    if (!key)
        return kErrorInvalidParameter;
    *key = 0;
    if (root != kHkeyCurrentUser)
        return kErrorInvalidHandle;
    QString group;
    bool created = false;
    const auto open = [&group, &created, &subKey](IniDocument &document) {
        return openPath(document, subKey, &group, &created);
    };
    // A first try on the file as it is; only a change takes the lock and saves.
    IniDocument document;
    if (const std::int32_t code = load(&document))
        return code;
    const QByteArray before = document.bytes();
    if (const std::int32_t code = open(document))
        return code;
    if (document.bytes() != before) {
        if (const std::int32_t code = update(open))
            return code;
    }
    *key = addOpenKey(group, true);
    if (disposition)
        *disposition = created ? kRegCreatedNewKey : kRegOpenedExistingKey;
    return kErrorSuccess;
}

std::int32_t PortableRegistry::setStringValue(RegKey key, const std::string &name, const std::string &data)
{
    const auto open = m_openKeys.constFind(key);
    if (open == m_openKeys.cend())
        return kErrorInvalidHandle;
    if (!open->writable)
        return kErrorAccessDenied;
    const QString group = open->group;
    return update(
        [&group, &name, &data](IniDocument &document) { return storeValue(document, group, name, data); });
}

WriteOutcome PortableRegistry::writeStringValues(std::uint32_t root, const std::string &subKey,
                                                 const StringValues &values)
{
    return updateStringValues(root, subKey, {}, [&values](const FoundValues &) { return values; });
}

WriteOutcome PortableRegistry::updateStringValues(std::uint32_t root, const std::string &subKey,
                                                  const std::vector<std::string> &names,
                                                  const ValueUpdate &makeValues)
{
    WriteOutcome outcome;
    if (root != kHkeyCurrentUser) {
        outcome.keyResult = kErrorInvalidHandle;
        return outcome;
    }
    bool keyOpen = false;
    bool created = false;
    // The values are read and written under the lock, and read again when another program wrote the file
    // in between; the key is made, when it is missing, in the same save as its values.
    const std::int32_t code = update([&](IniDocument &document) {
        keyOpen = false;
        const int section = document.section(resolvePath(document, bytes(subKey)).group);
        if (section >= 0 && document.sectionDamaged(section))
            return kErrorBadDb;
        keyOpen = true;
        FoundValues found;
        for (const std::string &name : names) {
            const int line =
                section < 0 ? -1 : document.entry(section, kValuesPrefix + escapeName(bytes(name)));
            std::optional<QByteArray> stored = line < 0 ? QByteArray() : document.value(line);
            if (!stored)
                return kErrorBadDb;
            found.push_back(line < 0 ? std::nullopt : std::optional(stored->toStdString()));
        }
        const StringValues values = makeValues(found);
        created = false;
        // Nothing to store makes no key either.
        if (values.empty())
            return kErrorSuccess;
        QString group;
        if (const std::int32_t code = openPath(document, subKey, &group, &created))
            return code;
        for (const auto &[name, data] : values) {
            if (const std::int32_t code = storeValue(document, group, name, data))
                return code;
        }
        return kErrorSuccess;
    });
    if (!keyOpen) {
        outcome.keyResult = code;
        return outcome;
    }
    outcome.disposition = created ? kRegCreatedNewKey : kRegOpenedExistingKey;
    outcome.valueResult = code;
    return outcome;
}

std::int32_t PortableRegistry::openKey(std::uint32_t root, const std::string &subKey, RegKey *key)
{
    if (!key)
        return kErrorInvalidParameter;
    *key = 0;
    if (root != kHkeyCurrentUser)
        return kErrorInvalidHandle;
    IniDocument document;
    if (const std::int32_t code = load(&document))
        return code;
    const ResolvedPath path = resolvePath(document, bytes(subKey));
    const int section = document.section(path.group);
    if (section < 0 && path.group != kRootGroup)
        return kErrorFileNotFound;
    if (section >= 0 && document.sectionDamaged(section))
        return kErrorBadDb;
    *key = addOpenKey(path.group, false);
    // A key opened for reading answers from this one version of the file, so that a value's size and its
    // data never come from two different saves.
    m_openKeys[*key].document = std::make_shared<const IniDocument>(std::move(document));
    return kErrorSuccess;
}

std::int32_t PortableRegistry::queryValue(RegKey key, const std::string &name, char *data,
                                          std::uint32_t *size)
{
    if (data && !size)
        return kErrorInvalidParameter;
    const auto open = m_openKeys.constFind(key);
    if (open == m_openKeys.cend())
        return kErrorInvalidHandle;
    IniDocument loaded;
    if (!open->document) {
        if (const qint32 code = load(&loaded))
            return code;
    }
    const IniDocument &document = open->document ? *open->document : loaded;
    const int section = document.section(open->group);
    if (section < 0)
        return open->group == kRootGroup ? kErrorFileNotFound : kErrorKeyDeleted;
    if (document.sectionDamaged(section))
        return kErrorBadDb;
    const int line = document.entry(section, kValuesPrefix + escapeName(bytes(name)));
    if (line < 0)
        return kErrorFileNotFound;
    const std::optional<QByteArray> stored = document.value(line);
    if (!stored)
        return kErrorBadDb;
    const auto needed = static_cast<std::uint32_t>(stored->size());
    if (!data) {
        if (size)
            *size = needed;
        return kErrorSuccess;
    }
    if (*size < needed) {
        *size = needed;
        return kErrorMoreData;
    }
    if (needed > 0)
        std::memcpy(data, stored->constData(), needed);
    *size = needed;
    return kErrorSuccess;
}

std::int32_t PortableRegistry::closeKey(RegKey key)
{
    return m_openKeys.remove(key) ? kErrorSuccess : kErrorInvalidHandle;
}

std::string PortableRegistry::systemMessage(std::int32_t code)
{
    // The English texts of the codes this registry can return.
    static const QHash<qint32, std::string> texts{
        {kErrorSuccess, "The operation completed successfully.\r\n"},
        {kErrorFileNotFound, "The system cannot find the file specified.\r\n"},
        {kErrorAccessDenied, "Access is denied.\r\n"},
        {kErrorInvalidHandle, "The handle is invalid.\r\n"},
        {kErrorSharingViolation,
         "The process cannot access the file because it is being used by another process.\r\n"},
        {kErrorInvalidParameter, "The parameter is incorrect.\r\n"},
        {kErrorMoreData, "More data is available.\r\n"},
        {kErrorBadDb, "The configuration registry database is corrupt.\r\n"},
        {kErrorCantRead, "The configuration registry key could not be read.\r\n"},
        {kErrorCantWrite, "The configuration registry key could not be written.\r\n"},
        {kErrorKeyDeleted,
         "Illegal operation attempted on a registry key that has been marked for deletion.\r\n"},
        {kErrorNotEnoughQuota, "Not enough quota is available to process this command.\r\n"},
    };
    return texts.value(code);
}

Registry &systemRegistry()
{
    static PortableRegistry registry(PortableRegistry::defaultFilePath());
    return registry;
}

} // namespace platform
