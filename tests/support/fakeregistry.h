#pragma once

#include "platform/registry.h"

#include <QHash>
#include <QMap>

#include <cstring>

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

    qint32 createKey(quint32 root, const QByteArray &subKey, platform::RegKey *key, quint32 *disposition) override
    {
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

    qint32 setStringValue(platform::RegKey key, const QByteArray &name, const QByteArray &data) override
    {
        ++writeCalls;
        if (!m_open.contains(key))
            return kInvalidHandle;
        if (writeFailure)
            return writeFailure;
        keys[m_open.value(key)][name] = data;
        return 0;
    }

    qint32 openKey(quint32 root, const QByteArray &subKey, platform::RegKey *key) override
    {
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

    qint32 queryValue(platform::RegKey key, const QByteArray &name, char *data, quint32 *size) override
    {
        if (!m_open.contains(key))
            return kInvalidHandle;
        const auto values = keys.value(m_open.value(key));
        if (!values.contains(name))
            return platform::kErrorFileNotFound;
        const QByteArray stored = values.value(name);
        const auto needed = quint32(stored.size());
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

    qint32 closeKey(platform::RegKey key) override { return m_open.remove(key) ? 0 : kInvalidHandle; }

    QByteArray systemMessage(qint32 code) override
    {
        if (messages.contains(code))
            return messages.value(code);
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
