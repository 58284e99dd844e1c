#include "platform/registry.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace platform {

namespace {

HKEY toHkey(RegKey key)
{
    return reinterpret_cast<HKEY>(key);
}

RegKey fromHkey(HKEY key)
{
    return reinterpret_cast<RegKey>(key);
}

// Predefined roots are 32-bit values that Windows sign-extends into 64-bit handles
// (HKEY_CURRENT_USER is (HKEY)(ULONG_PTR)(LONG)0x80000001).
HKEY rootHkey(quint32 root)
{
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

class WinRegistry final : public Registry
{
public:
    qint32 createKey(quint32 root, const QByteArray &subKey, RegKey *key, quint32 *disposition) override
    {
        HKEY opened = nullptr;
        DWORD how = 0;
        const LONG result = RegCreateKeyExA(rootHkey(root), subKey.constData(), 0, nullptr,
                                            REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &opened, &how);
        if (key)
            *key = fromHkey(opened);
        if (disposition)
            *disposition = how;
        return result;
    }

    qint32 setStringValue(RegKey key, const QByteArray &name, const QByteArray &data) override
    {
        return RegSetValueExA(toHkey(key), name.constData(), 0, REG_SZ,
                              reinterpret_cast<const BYTE *>(data.constData()), static_cast<DWORD>(data.size()));
    }

    qint32 openKey(quint32 root, const QByteArray &subKey, RegKey *key) override
    {
        HKEY opened = nullptr;
        const LONG result = RegOpenKeyExA(rootHkey(root), subKey.constData(), 0, KEY_QUERY_VALUE, &opened);
        if (key)
            *key = fromHkey(opened);
        return result;
    }

    qint32 queryValue(RegKey key, const QByteArray &name, char *data, quint32 *size) override
    {
        DWORD count = size ? *size : 0;
        const LONG result = RegQueryValueExA(toHkey(key), name.constData(), nullptr, nullptr,
                                             reinterpret_cast<LPBYTE>(data), size ? &count : nullptr);
        if (size)
            *size = count;
        return result;
    }

    qint32 closeKey(RegKey key) override
    {
        return RegCloseKey(toHkey(key));
    }

    QByteArray systemMessage(qint32 code) override
    {
        char text[100];
        const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                            static_cast<DWORD>(code), 0, text, sizeof text, nullptr);
        return QByteArray(text, static_cast<qsizetype>(length < sizeof text ? length : 0));
    }
};

} // namespace

Registry &systemRegistry()
{
    static WinRegistry registry;
    return registry;
}

} // namespace platform
