// The registry port on advapi32's ANSI calls.
#include "platform/win32/Win32RegistryApi.h"

#include <windows.h>

namespace velmora::win32 {

namespace {

// Predefined roots are sign-extended 32-bit values in an HKEY; opened keys are HKEYs as given.
HKEY ToHkey(RegHandle key) {
    if (key >= 0x80000000u && key <= 0x800000FFu) {
        return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(key)));
    }
    return reinterpret_cast<HKEY>(key);
}

RegHandle FromHkey(HKEY key) {
    return reinterpret_cast<RegHandle>(key);
}

// The ports's sizes are std::uint32_t, the system's DWORD (unsigned long): copied in and out.
class DwordInOut {
public:
    explicit DwordInOut(std::uint32_t* value) : value_(value), dword_(value ? *value : 0) {}
    ~DwordInOut() {
        if (value_) *value_ = static_cast<std::uint32_t>(dword_);
    }
    DwordInOut(const DwordInOut&) = delete;
    DwordInOut& operator=(const DwordInOut&) = delete;
    DWORD* get() { return value_ ? &dword_ : nullptr; }

private:
    std::uint32_t* value_;
    DWORD dword_;
};

long OpenResult(LONG rc, HKEY opened, RegHandle* result) {
    if (result) *result = FromHkey(opened);
    return rc;
}

}  // namespace

long Win32RegistryApi::OpenKey(RegHandle key, const std::string& subKey, RegHandle* result) {
    if (!result) return kErrorInvalidParameter;
    HKEY opened = ToHkey(*result);
    const LONG rc = RegOpenKeyA(ToHkey(key), subKey.c_str(), &opened);
    return OpenResult(rc, opened, result);
}

long Win32RegistryApi::OpenKeyEx(RegHandle key, const std::string& subKey, std::uint32_t access,
                                 RegHandle* result) {
    if (!result) return kErrorInvalidParameter;
    HKEY opened = ToHkey(*result);
    const LONG rc = RegOpenKeyExA(ToHkey(key), subKey.c_str(), 0, access, &opened);
    return OpenResult(rc, opened, result);
}

long Win32RegistryApi::CreateKey(RegHandle key, const std::string& subKey, RegHandle* result) {
    if (!result) return kErrorInvalidParameter;
    HKEY opened = ToHkey(*result);
    const LONG rc = RegCreateKeyA(ToHkey(key), subKey.c_str(), &opened);
    return OpenResult(rc, opened, result);
}

long Win32RegistryApi::QueryValueEx(RegHandle key, const std::string& valueName,
                                    std::uint32_t* type, std::uint8_t* data,
                                    std::uint32_t* dataSize) {
    DwordInOut kind(type), size(dataSize);
    return RegQueryValueExA(ToHkey(key), valueName.c_str(), nullptr, kind.get(), data, size.get());
}

long Win32RegistryApi::SetValueEx(RegHandle key, const std::string& valueName, std::uint32_t type,
                                  const std::uint8_t* data, std::uint32_t dataSize) {
    return RegSetValueExA(ToHkey(key), valueName.c_str(), 0, type, data, dataSize);
}

long Win32RegistryApi::EnumKey(RegHandle key, std::uint32_t index, char* name,
                               std::uint32_t nameSize) {
    if (!name) return kErrorInvalidParameter;  // the system call would write through it
    return RegEnumKeyA(ToHkey(key), index, name, nameSize);
}

long Win32RegistryApi::EnumValue(RegHandle key, std::uint32_t index, char* name,
                                 std::uint32_t* nameSize, std::uint32_t* type, std::uint8_t* data,
                                 std::uint32_t* dataSize) {
    DwordInOut nameLength(nameSize), kind(type), size(dataSize);
    return RegEnumValueA(ToHkey(key), index, name, nameLength.get(), nullptr, kind.get(), data,
                         size.get());
}

long Win32RegistryApi::QueryInfoKey(RegHandle key, RegKeyInfo* info) {
    if (!info) return kErrorInvalidParameter;
    DWORD maxValueNameLen = 0, maxValueLen = 0;
    const LONG rc =
        RegQueryInfoKeyA(ToHkey(key), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         &maxValueNameLen, &maxValueLen, nullptr, nullptr);
    if (rc == ERROR_SUCCESS) {
        *info = RegKeyInfo{static_cast<std::uint32_t>(maxValueNameLen),
                           static_cast<std::uint32_t>(maxValueLen)};
    }
    return rc;
}

long Win32RegistryApi::FlushKey(RegHandle key) {
    return RegFlushKey(ToHkey(key));
}

long Win32RegistryApi::CloseKey(RegHandle key) {
    return RegCloseKey(ToHkey(key));
}

long Win32RegistryApi::DeleteKey(RegHandle key, const std::string& subKey) {
    return RegDeleteKeyA(ToHkey(key), subKey.c_str());
}

long Win32RegistryApi::DeleteValue(RegHandle key, const std::string& valueName) {
    return RegDeleteValueA(ToHkey(key), valueName.c_str());
}

}  // namespace velmora::win32
