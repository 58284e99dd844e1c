// SPDX-License-Identifier: MIT
#include "platform/versionresource.h"

#include <string>
#include <vector>

#include <windows.h>

namespace platform {

std::optional<VersionNumbers> programVersionResource()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0)
            return std::nullopt;
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2); // a long path was cut
    }
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0)
        return std::nullopt;
    std::vector<char> block(size);
    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT fixedSize = 0;
    if (!GetFileVersionInfoW(path.c_str(), 0, size, block.data()) ||
        !VerQueryValueW(block.data(), L"\\", reinterpret_cast<void **>(&fixed), &fixedSize) || !fixed ||
        fixedSize < sizeof *fixed || fixed->dwSignature != VS_FFI_SIGNATURE)
        return std::nullopt;
    return VersionNumbers{int(HIWORD(fixed->dwFileVersionMS)), int(LOWORD(fixed->dwFileVersionMS))};
}

} // namespace platform
