#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace platform {

// A predefined root key, as the 32-bit value Windows gives it.
inline constexpr quint32 kHkeyCurrentUser = 0x80000001u;

// Dispositions reported when a key is created or opened for writing.
inline constexpr quint32 kRegCreatedNewKey = 1;
inline constexpr quint32 kRegOpenedExistingKey = 2;

// Result codes are the Windows ones; these are the codes callers look at by name.
inline constexpr qint32 kErrorSuccess = 0;
inline constexpr qint32 kErrorFileNotFound = 2;
inline constexpr qint32 kErrorAccessDenied = 5;

// An open key; 0 is no key.
using RegKey = quintptr;

// The per-user registry, reduced to the calls the string store makes. Names and data are 8-bit
// texts in the system's code page; each call returns a Windows result code (0 for success).
class Registry
{
public:
    virtual ~Registry() = default;

    // Creates subKey below root, with every missing key on its way, or opens it if it exists; sets key
    // to the open key (0 on failure) and disposition to kRegCreatedNewKey or kRegOpenedExistingKey.
    virtual qint32 createKey(quint32 root, const QByteArray &subKey, RegKey *key, quint32 *disposition) = 0;
    // Stores data, byte for byte, as the string value name of key; the old data stays if it fails.
    virtual qint32 setStringValue(RegKey key, const QByteArray &name, const QByteArray &data) = 0;
    // Opens an existing subKey below root for reading; key stays 0 when no key results.
    virtual qint32 openKey(quint32 root, const QByteArray &subKey, RegKey *key) = 0;
    // Reads the data of value name: with data null only sets size to its byte count; otherwise copies
    // it into the size bytes at data and sets size to the count (234 and the needed size if too small).
    virtual qint32 queryValue(RegKey key, const QByteArray &name, char *data, quint32 *size) = 0;
    // Closes a key opened by createKey or openKey.
    virtual qint32 closeKey(RegKey key) = 0;
    // The system's text for a result code, as read into a buffer of 100 characters; empty if none.
    virtual QByteArray systemMessage(qint32 code) = 0;
};

// The registry of the current user on this system; lives as long as the program.
Registry &systemRegistry();

} // namespace platform
