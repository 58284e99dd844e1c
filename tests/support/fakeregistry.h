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
    qint32 createFailure = 0; // createKey fails, no key results
    qint32 writeFailure = 0;  // setStringValue fails, the old data stays
    qint32 openFailure = 0;   // openKey fails, no key results
    qint32 readFailure = 0;   // the data read fails after its size was given, nothing is copied
    quint32 forcedDisposition = 0; // when not 0, reported by createKey instead of the true one
    QHash<qint32, QByteArray> messages; // texts that replace the English ones, as on another system

    // Keys by their path below the root, each with its values; paths compare exactly.
    QMap<QByteArray, QMap<QByteArray, QByteArray>> keys;
    int createCalls = 0;
    int writeCalls = 0;

    int openKeyCount() const { return int(m_open.size()); }

    std::int32_t createKey(std::uint32_t root, const std::string &path, platform::RegKey *key,
                           std::uint32_t *disposition) override
    {
        const QByteArray subKey = QByteArray::fromStdString(path);
        ++createCalls;
        *key = 0;
        if (root != platform::kHkeyCurrentUser)
            return kInvalidHandle;
        if (createFailure)
            return createFailure;
        const bool existed = keys.contains(subKey);
        keys[subKey];
        *key = addOpen(subKey);
        *disposition = forcedDisposition ? forcedDisposition
                                         : (existed ? platform::kRegOpenedExistingKey : platform::kRegCreatedNewKey);
        return 0;
    }

    std::int32_t setStringValue(platform::RegKey key, const std::string &name, const std::string &data) override
    {
        ++writeCalls;
        if (!m_open.contains(key))
            return kInvalidHandle;
        if (writeFailure)
            return writeFailure;
        keys[m_open.value(key)][QByteArray::fromStdString(name)] = QByteArray::fromStdString(data);
        return 0;
    }

    std::int32_t openKey(std::uint32_t root, const std::string &path, platform::RegKey *key) override
    {
        const QByteArray subKey = QByteArray::fromStdString(path);
        *key = 0;
        if (root != platform::kHkeyCurrentUser)
            return kInvalidHandle;
        if (openFailure)
            return openFailure;
        if (!keys.contains(subKey))
            return platform::kErrorFileNotFound;
        *key = addOpen(subKey);
        return 0;
    }

    std::int32_t queryValue(platform::RegKey key, const std::string &valueName, char *data,
                            std::uint32_t *size) override
    {
        const QByteArray name = QByteArray::fromStdString(valueName);
        if (!m_open.contains(key))
            return kInvalidHandle;
        const auto values = keys.value(m_open.value(key));
        if (!values.contains(name))
            return platform::kErrorFileNotFound;
        const QByteArray stored = values.value(name);
        const auto needed = std::uint32_t(stored.size());
        if (!data) {
            *size = needed;
            return 0;
        }
        if (readFailure) {
            *size = 0;
            return readFailure;
        }
        if (*size < needed) {
            *size = needed;
            return kMoreData;
        }
        std::memcpy(data, stored.constData(), needed);
        *size = needed;
        return 0;
    }

    std::int32_t closeKey(platform::RegKey key) override { return m_open.remove(key) ? 0 : kInvalidHandle; }

    std::string systemMessage(std::int32_t code) override
    {
        if (messages.contains(code))
            return messages.value(code).toStdString();
        switch (code) {
        case 0:
            return "The operation completed successfully.\r\n";
        case platform::kErrorFileNotFound:
            return "The system cannot find the file specified.\r\n";
        case platform::kErrorAccessDenied:
            return "Access is denied.\r\n";
        case kInvalidHandle:
            return "The handle is invalid.\r\n";
        case kMoreData:
            return "More data is available.\r\n";
        case 1013:
            return "The configuration registry key could not be written.\r\n";
        }
        return {};
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
