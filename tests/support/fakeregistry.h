// SPDX-License-Identifier: MIT
#pragma once

#include "platform/registry.h"

#include <QHash>
#include <QMap>

#include <cstring>
#include <string>

// An in-memory registry under HKEY_CURRENT_USER that answers with the English system messages and
// fails on demand: set a failure field to a result code and the matching call returns it.
class FakeRegistry final : public platform::Registry
{
public:
    qint32 createFailure = 0;      // createKey fails, no key results
    qint32 writeFailure = 0;       // setStringValue fails, the old data stays
    qint32 openFailure = 0;        // openKey fails, no key results
    qint32 readFailure = 0;        // the data read fails after its size was given, nothing is copied
    quint32 forcedDisposition = 0; // when not 0, reported by createKey instead of the true one
    int growths = 0; // reads of data that find the value one byte longer, as another saver left it
    QHash<qint32, QByteArray> messages; // texts that replace the English ones, as on another system
    std::function<void()> beforeSave;   // runs as a save begins: another program's save that lands first

    // Keys by their path below the root, each with its values; paths compare exactly.
    QMap<QByteArray, QMap<QByteArray, QByteArray>> keys;

    int openKeyCount() const { return int(m_open.size()); }

    std::int32_t createKey(std::uint32_t root, const std::string &path, platform::RegKey *key,
                           std::uint32_t *disposition) override
    {
        const QByteArray subKey = QByteArray::fromStdString(path);
        *key = 0;
        if (root != platform::kHkeyCurrentUser)
            return kInvalidHandle;
        if (createFailure)
            return createFailure;
        const bool existed = keys.contains(subKey);
        keys[subKey];
        *key = addOpen(subKey);
        const std::uint32_t actual = existed ? platform::kRegOpenedExistingKey : platform::kRegCreatedNewKey;
        *disposition = forcedDisposition ? forcedDisposition : actual;
        return 0;
    }

    std::int32_t setStringValue(platform::RegKey key, const std::string &name,
                                const std::string &data) override
    {
        if (!m_open.contains(key))
            return kInvalidHandle;
        if (writeFailure)
            return writeFailure;
        keys[m_open.value(key)][QByteArray::fromStdString(name)] = QByteArray::fromStdString(data);
        return 0;
    }

    std::int32_t openKey(std::uint32_t root, const std::string &path, platform::RegKey *key) override
    {
        *key = 0;
        if (root != platform::kHkeyCurrentUser)
            return kInvalidHandle;
        if (openFailure)
            return openFailure;
        if (!keys.contains(QByteArray::fromStdString(path)))
            return platform::kErrorFileNotFound;
        *key = addOpen(QByteArray::fromStdString(path));
        return 0;
    }

    std::int32_t queryValue(platform::RegKey key, const std::string &name, char *data,
                            std::uint32_t *size) override
    {
        if (!m_open.contains(key))
            return kInvalidHandle;
        if (data && growths > 0 && keys[m_open.value(key)].contains(QByteArray::fromStdString(name))) {
            --growths;
            keys[m_open.value(key)][QByteArray::fromStdString(name)] += '+';
        }
        const auto values = keys.value(m_open.value(key));
        if (!values.contains(QByteArray::fromStdString(name)))
            return platform::kErrorFileNotFound;
        const QByteArray stored = values.value(QByteArray::fromStdString(name));
        const auto needed = std::uint32_t(stored.size());
        if (data && readFailure) {
            *size = 0;
            return readFailure;
        }
        // Without a buffer only the size is asked for; one too small is told the size it needs.
        const bool fits = !data || *size >= needed;
        if (data && fits)
            std::memcpy(data, stored.constData(), needed);
        *size = needed;
        return fits ? 0 : kMoreData;
    }

    platform::WriteOutcome writeStringValues(std::uint32_t root, const std::string &subKey,
                                             const platform::StringValues &values) override
    {
        if (beforeSave)
            beforeSave();
        return Registry::writeStringValues(root, subKey, values);
    }

    platform::WriteOutcome updateStringValues(std::uint32_t root, const std::string &subKey,
                                              const std::vector<std::string> &names,
                                              const platform::ValueUpdate &update) override
    {
        if (beforeSave)
            beforeSave();
        return Registry::updateStringValues(root, subKey, names, update);
    }

    std::int32_t closeKey(platform::RegKey key) override { return m_open.remove(key) ? 0 : kInvalidHandle; }

    std::string systemMessage(std::int32_t code) override
    {
        static const QHash<qint32, std::string> english{
            {0, "The operation completed successfully.\r\n"},
            {platform::kErrorFileNotFound, "The system cannot find the file specified.\r\n"},
            {platform::kErrorAccessDenied, "Access is denied.\r\n"},
            {1013, "The configuration registry key could not be written.\r\n"},
            {kMoreData, "More data is available.\r\n"},
        };
        return messages.contains(code) ? messages.value(code).toStdString() : english.value(code);
    }

private:
    static constexpr qint32 kInvalidHandle = 6;
    static constexpr qint32 kMoreData = 234;

    platform::RegKey addOpen(const QByteArray &path)
    {
        m_open.insert(++m_last, path);
        return m_last;
    }

    QHash<platform::RegKey, QByteArray> m_open;
    platform::RegKey m_last = 0;
};
