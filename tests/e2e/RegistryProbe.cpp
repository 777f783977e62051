// Reads, seeds and cleans the registry of the test prefix through advapi32, as the
// end-to-end tests look at what the program wrote.
#include "tests/e2e/RegistryProbe.h"

namespace velmora::e2e {

namespace {

// Reads a value's kind and bytes; nothing when the key or value is missing.
std::optional<std::vector<std::uint8_t>> Raw(HKEY root, const std::string& key,
                                             const std::string& value, DWORD* kind) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return {};
    DWORD size = 0;
    std::optional<std::vector<std::uint8_t>> data;
    if (RegQueryValueExA(handle, value.c_str(), nullptr, kind, nullptr, &size) == ERROR_SUCCESS) {
        std::vector<std::uint8_t> bytes(size);
        if (RegQueryValueExA(handle, value.c_str(), nullptr, kind, size ? bytes.data() : nullptr,
                             &size) == ERROR_SUCCESS) {
            bytes.resize(size);
            data = std::move(bytes);
        }
    }
    RegCloseKey(handle);
    return data;
}

void Set(HKEY root, const std::string& key, const std::string& value, DWORD kind, const void* data,
         DWORD size) {
    HKEY handle = nullptr;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(handle, value.c_str(), 0, kind, static_cast<const BYTE*>(data), size);
    RegCloseKey(handle);
}

}  // namespace

std::optional<std::string> RegistryProbe::Text(HKEY root, const std::string& key,
                                               const std::string& value) {
    DWORD kind = 0;
    auto bytes = Raw(root, key, value, &kind);
    if (!bytes || kind != REG_SZ) return {};
    std::string text(bytes->begin(), bytes->end());
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return text;
}

std::optional<DWORD> RegistryProbe::Dword(HKEY root, const std::string& key,
                                          const std::string& value) {
    DWORD kind = 0;
    auto bytes = Raw(root, key, value, &kind);
    if (!bytes || kind != REG_DWORD || bytes->size() != 4) return {};
    return DWORD((*bytes)[0]) | DWORD((*bytes)[1]) << 8 | DWORD((*bytes)[2]) << 16 |
           DWORD((*bytes)[3]) << 24;
}

std::optional<std::vector<std::uint8_t>> RegistryProbe::Binary(HKEY root, const std::string& key,
                                                               const std::string& value) {
    DWORD kind = 0;
    auto bytes = Raw(root, key, value, &kind);
    if (!bytes || kind != REG_BINARY) return {};
    return bytes;
}

bool RegistryProbe::KeyExists(HKEY root, const std::string& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

void RegistryProbe::SetText(HKEY root, const std::string& key, const std::string& value,
                            const std::string& text) {
    Set(root, key, value, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

void RegistryProbe::SetDword(HKEY root, const std::string& key, const std::string& value,
                             DWORD number) {
    Set(root, key, value, REG_DWORD, &number, sizeof number);
}

void RegistryProbe::SetBinary(HKEY root, const std::string& key, const std::string& value,
                              const std::vector<std::uint8_t>& bytes) {
    Set(root, key, value, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
}

void RegistryProbe::DeleteValue(HKEY root, const std::string& key, const std::string& value) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_WRITE, &handle) != ERROR_SUCCESS) return;
    RegDeleteValueA(handle, value.c_str());
    RegCloseKey(handle);
}

void RegistryProbe::DeleteTree(HKEY root, const std::string& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_ALL_ACCESS, &handle) != ERROR_SUCCESS) return;
    char name[MAX_PATH];
    // Always the first subkey: each one is gone before the next is asked for.
    while (RegEnumKeyA(handle, 0, name, sizeof name) == ERROR_SUCCESS) {
        const std::string before = name;
        DeleteTree(handle, before);
        if (RegEnumKeyA(handle, 0, name, sizeof name) == ERROR_SUCCESS && before == name) break;
    }
    RegCloseKey(handle);
    RegDeleteKeyA(root, key.c_str());
}

}  // namespace velmora::e2e
