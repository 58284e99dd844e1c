// SPDX-License-Identifier: MIT
#include "platform/registry_portable.h"

#include <QDateTime>
#include <QFileInfo>
#include <QList>
#include <QSettings>
#include <QStandardPaths>
#include <QStorageInfo>

#include <cstring>
#include <sys/resource.h>

namespace platform {

namespace {

constexpr qint32 kErrorInvalidHandle = 6;
constexpr qint32 kErrorInvalidParameter = 87;
constexpr qint32 kErrorMoreData = 234;
constexpr qint32 kErrorBadDb = 1009;
constexpr qint32 kErrorCantRead = 1012;
constexpr qint32 kErrorCantWrite = 1013;
constexpr qint32 kErrorKeyDeleted = 1018;

// The file holds one group per key, named by the key's whole path; the group marks the key as
// existing (a key may have no values) and keeps the values apart from that mark.
const QString kRootGroup = QStringLiteral("HKEY_CURRENT_USER");
const QString kExistsEntry = QStringLiteral("/exists");
const QString kValuesGroup = QStringLiteral("/values/");

// Group and entry names may not hold '/' for QSettings; '%' is escaped so that the escape is undone
// exactly. A lone "%" stands for the empty value name, which no escaped name can equal.
QString escapeName(const QByteArray &name)
{
    if (name.isEmpty())
        return QStringLiteral("%");
    QString text = QString::fromLatin1(name);
    text.replace(u'%', QLatin1String("%25"));
    text.replace(u'/', QLatin1String("%2F"));
    return text;
}

QChar foldAscii(QChar c)
{
    return (c >= u'A' && c <= u'Z') ? QChar(c.unicode() + 32) : c;
}

bool sameName(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i]) != foldAscii(b[i]))
            return false;
    }
    return true;
}

QString findName(const QStringList &names, const QString &wanted)
{
    for (const QString &name : names) {
        if (sameName(name, wanted))
            return name;
    }
    return {};
}

// The group of subKey, spelled as stored where the key exists, and the groups of the keys on its
// path (itself included) that do not exist yet, from the top down.
struct ResolvedPath
{
    QString group;
    QStringList missing;
};

ResolvedPath resolvePath(QSettings &settings, const QByteArray &subKey)
{
    const QStringList groups = settings.childGroups();
    ResolvedPath path{kRootGroup, {}};
    for (const QByteArray &part : subKey.split('\\')) {
        // Empty parts (doubled or trailing backslashes) name no key.
        if (part.isEmpty())
            continue;
        const QString wanted = path.group + u'\\' + escapeName(part);
        const QString stored = path.missing.isEmpty() ? findName(groups, wanted) : QString();
        path.group = stored.isEmpty() ? wanted : stored;
        if (stored.isEmpty())
            path.missing.append(wanted);
    }
    return path;
}

bool keyExists(QSettings &settings, const QString &group)
{
    return group == kRootGroup || settings.contains(group + kExistsEntry);
}

// The entry of value name in group: an existing one of the same name in any case, or a new one.
QString valueEntry(QSettings &settings, const QString &group, const QByteArray &name)
{
    settings.beginGroup(group + kValuesGroup);
    const QString stored = findName(settings.childKeys(), escapeName(name));
    settings.endGroup();
    return group + kValuesGroup + (stored.isEmpty() ? escapeName(name) : stored);
}

using Entries = QList<std::pair<QString, QVariant>>;

// QSettings does not notice a write cut short by a full disk or by the file-size limit: it puts the
// cut file in place of the old one and reports success. So a save that might not fit is refused
// before it starts, judged by a generous bound on the new file's size (QSettings writes a byte of a
// name or a value as at most four characters).
bool roomToSave(const QString &filePath, const Entries &entries)
{
    const QFileInfo file(filePath);
    qint64 bound = file.size() + 64;
    for (const auto &[entry, value] : entries)
        bound += 4 * (entry.size() + value.toByteArray().size()) + 64;
    rlimit limit{};
    if (getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        limit.rlim_cur < rlim_t(bound))
        return false;
    const QStorageInfo storage(file.absolutePath());
    return !storage.isValid() || storage.bytesAvailable() >= bound;
}

// Writes the entries and saves the file. A failed save leaves the file as it was; the entries are
// then put back as they were, or QSettings would keep the failed change and save it later.
qint32 saveEntries(QSettings &settings, const Entries &entries)
{
    if (!settings.isWritable() || !roomToSave(settings.fileName(), entries))
        return kErrorCantWrite;
    struct Previous
    {
        QString entry;
        bool existed;
        QVariant value;
    };
    QList<Previous> previous;
    for (const auto &[entry, value] : entries) {
        previous.append({entry, settings.contains(entry), settings.value(entry)});
        settings.setValue(entry, value);
    }
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return kErrorSuccess;
    for (auto it = previous.crbegin(); it != previous.crend(); ++it) {
        if (it->existed)
            settings.setValue(it->entry, it->value);
        else
            settings.remove(it->entry);
    }
    return kErrorCantWrite;
}

// QSettings reports a damaged file only to the reader that first parses it and afterwards trusts
// what it kept in memory while the file keeps its size and time; the damage is remembered alike.
struct FileStamp
{
    qint64 size;
    QDateTime modified;
};

QHash<QString, FileStamp> &damagedFiles()
{
    static QHash<QString, FileStamp> files;
    return files;
}

// Names and data arrive as standard strings; inside, QSettings works with QByteArray.
QByteArray bytes(const std::string &text)
{
    return QByteArray::fromStdString(text);
}

} // namespace

PortableRegistry::PortableRegistry(const QString &filePath) : m_filePath(filePath) {}

QString PortableRegistry::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1String("/Quenby Systems/registry.ini");
}

qint32 PortableRegistry::load(QSettings &settings) const
{
    // Parsing every section now makes damage anywhere in the file show in the status.
    (void)settings.allKeys();
    const QFileInfo file(m_filePath);
    const QString name = file.absoluteFilePath();
    switch (settings.status()) {
    case QSettings::NoError:
        break;
    case QSettings::AccessError:
        return kErrorCantRead;
    case QSettings::FormatError:
        damagedFiles().insert(name, {file.size(), file.lastModified()});
        return kErrorBadDb;
    }
    const auto damaged = damagedFiles().constFind(name);
    if (damaged != damagedFiles().cend()) {
        if (file.exists() && damaged->size == file.size() && damaged->modified == file.lastModified())
            return kErrorBadDb;
        damagedFiles().erase(damaged);
    }
    return kErrorSuccess;
}

RegKey PortableRegistry::addOpenKey(const QString &group, bool writable)
{
    m_openKeys.insert(++m_lastKey, {group, writable});
    return m_lastKey;
}

std::int32_t PortableRegistry::loadForOpening(std::uint32_t root, RegKey *key, QSettings &settings) const
{
    if (!key)
        return kErrorInvalidParameter;
    *key = 0;
    if (root != kHkeyCurrentUser)
        return kErrorInvalidHandle;
    return load(settings);
}

std::int32_t PortableRegistry::createKey(std::uint32_t root, const std::string &subKey, RegKey *key,
                                         std::uint32_t *disposition)
{
    QSettings settings(m_filePath, QSettings::IniFormat);
    if (const std::int32_t code = loadForOpening(root, key, settings))
        return code;
    const ResolvedPath path = resolvePath(settings, bytes(subKey));
    // Opening with full access needs a store that can be written, even when nothing is created.
    Entries marks;
    for (const QString &group : path.missing)
        marks.append({group + kExistsEntry, true});
    if (const qint32 code = saveEntries(settings, marks))
        return code;
    *key = addOpenKey(path.group, true);
    if (disposition)
        *disposition = path.missing.isEmpty() ? kRegOpenedExistingKey : kRegCreatedNewKey;
    return kErrorSuccess;
}

std::int32_t PortableRegistry::setStringValue(RegKey key, const std::string &name, const std::string &data)
{
    const auto open = m_openKeys.constFind(key);
    if (open == m_openKeys.cend())
        return kErrorInvalidHandle;
    if (!open->writable)
        return kErrorAccessDenied;
    QSettings settings(m_filePath, QSettings::IniFormat);
    if (const qint32 code = load(settings))
        return code;
    if (!keyExists(settings, open->group))
        return kErrorKeyDeleted;
    return saveEntries(settings, {{valueEntry(settings, open->group, bytes(name)), bytes(data)}});
}

std::int32_t PortableRegistry::openKey(std::uint32_t root, const std::string &subKey, RegKey *key)
{
    QSettings settings(m_filePath, QSettings::IniFormat);
    if (const std::int32_t code = loadForOpening(root, key, settings))
        return code;
    const ResolvedPath path = resolvePath(settings, bytes(subKey));
    if (!path.missing.isEmpty())
        return kErrorFileNotFound;
    *key = addOpenKey(path.group, false);
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
    QSettings settings(m_filePath, QSettings::IniFormat);
    if (const qint32 code = load(settings))
        return code;
    if (!keyExists(settings, open->group))
        return kErrorKeyDeleted;
    const QString entry = valueEntry(settings, open->group, bytes(name));
    if (!settings.contains(entry))
        return kErrorFileNotFound;
    const QByteArray stored = settings.value(entry).toByteArray();
    const auto needed = static_cast<std::uint32_t>(stored.size());
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
        std::memcpy(data, stored.constData(), needed);
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
        {kErrorInvalidParameter, "The parameter is incorrect.\r\n"},
        {kErrorMoreData, "More data is available.\r\n"},
        {kErrorBadDb, "The configuration registry database is corrupt.\r\n"},
        {kErrorCantRead, "The configuration registry key could not be read.\r\n"},
        {kErrorCantWrite, "The configuration registry key could not be written.\r\n"},
        {kErrorKeyDeleted,
         "Illegal operation attempted on a registry key that has been marked for deletion.\r\n"},
    };
    return texts.value(code);
}

Registry &systemRegistry()
{
    static PortableRegistry registry(PortableRegistry::defaultFilePath());
    return registry;
}

} // namespace platform
