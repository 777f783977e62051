// Product name and version read from a module's version resource.
#include "platform/win32/Win32ProductInfo.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace velmora::win32 {

Win32ProductInfo::Win32ProductInfo() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    Read(path);
}

Win32ProductInfo::Win32ProductInfo(const std::string& modulePath) {
    Read(modulePath);
}

void Win32ProductInfo::Read(const std::string& modulePath) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(modulePath.c_str(), &ignored);
    if (size == 0) return;
    std::vector<char> block(size);
    if (!GetFileVersionInfoA(modulePath.c_str(), 0, size, block.data())) return;

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedLen = 0;
    if (VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedLen) && fixed) {
        char text[48];
        std::snprintf(text, sizeof text, "%u.%u.%u", unsigned(HIWORD(fixed->dwProductVersionMS)),
                      unsigned(LOWORD(fixed->dwProductVersionMS)),
                      unsigned(LOWORD(fixed->dwProductVersionLS)));
        version_ = text;
    }

    // The first language/code page pair names the string table to read.
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    UINT translationLen = 0;
    if (!VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                        reinterpret_cast<void**>(&translations), &translationLen) ||
        translationLen < sizeof(Translation))
        return;
    char query[64];
    std::snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\ProductName",
                  translations[0].language, translations[0].codePage);
    char* name = nullptr;
    UINT nameLen = 0;
    if (VerQueryValueA(block.data(), query, reinterpret_cast<void**>(&name), &nameLen) && name)
        productName_ = name;
}

}  // namespace velmora::win32
