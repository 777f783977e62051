// Reads, seeds and cleans the registry through advapi32, as the Wine and end-to-end tests
// look at what the program wrote.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace velmora::probe {

// A value as the registry holds it.
struct Stored {
    DWORD kind = REG_NONE;
    std::string bytes;
    bool operator==(const Stored& other) const {
        return kind == other.kind && bytes == other.bytes;
    }
};
inline std::ostream& operator<<(std::ostream& out, const Stored& value) {
    return out << "kind " << value.kind << " \"" << value.bytes << "\"";
}

inline Stored Text(const std::string& text) {
    return {REG_SZ, text + '\0'};  // as written, with its terminating zero
}
inline Stored Dword(DWORD number) {
    return {REG_DWORD, std::string(reinterpret_cast<const char*>(&number), sizeof number)};
}
inline Stored Binary(const std::vector<std::uint8_t>& bytes) {
    return {REG_BINARY, std::string(bytes.begin(), bytes.end())};
}

// Nothing when the key or the value is missing.
inline std::optional<Stored> Read(HKEY root, const std::string& key, const std::string& name) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return {};
    Stored value;
    DWORD size = 0;
    LONG result = RegQueryValueExA(handle, name.c_str(), nullptr, &value.kind, nullptr, &size);
    if (result == ERROR_SUCCESS) {
        value.bytes.resize(size);
        result = RegQueryValueExA(handle, name.c_str(), nullptr, &value.kind,
                                  reinterpret_cast<BYTE*>(&value.bytes[0]), &size);
        value.bytes.resize(size);
    }
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS) return {};
    return value;
}

inline void Write(HKEY root, const std::string& key, const std::string& name, const Stored& value) {
    HKEY handle = nullptr;
    if (RegCreateKeyA(root, key.c_str(), &handle) != ERROR_SUCCESS) return;
    RegSetValueExA(handle, name.c_str(), 0, value.kind,
                   reinterpret_cast<const BYTE*>(value.bytes.data()),
                   static_cast<DWORD>(value.bytes.size()));
    RegCloseKey(handle);
}

inline void DeleteValue(HKEY root, const std::string& key, const std::string& name) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_WRITE, &handle) != ERROR_SUCCESS) return;
    RegDeleteValueA(handle, name.c_str());
    RegCloseKey(handle);
}

// Deletes a key with everything below it; a missing key is no error.
inline void DeleteTree(HKEY root, const std::string& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_ALL_ACCESS, &handle) != ERROR_SUCCESS) return;
    char child[MAX_PATH];
    std::string last;
    // Always the first subkey: each one is gone before the next is asked for.
    while (RegEnumKeyA(handle, 0, child, sizeof child) == ERROR_SUCCESS && last != child) {
        last = child;
        DeleteTree(handle, last);
    }
    RegCloseKey(handle);
    RegDeleteKeyA(root, key.c_str());
}

}  // namespace velmora::probe
