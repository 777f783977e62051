// Reads, seeds and cleans the registry of the test prefix through advapi32, as the
// end-to-end tests look at what the program wrote.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmora::e2e {

class RegistryProbe {
public:
    // The text of a REG_SZ value (without its terminating zero); nothing when missing or
    // of another kind.
    static std::optional<std::string> Text(HKEY root, const std::string& key,
                                           const std::string& value);
    static std::optional<DWORD> Dword(HKEY root, const std::string& key, const std::string& value);
    static std::optional<std::vector<std::uint8_t>> Binary(HKEY root, const std::string& key,
                                                           const std::string& value);
    static bool KeyExists(HKEY root, const std::string& key);

    static void SetText(HKEY root, const std::string& key, const std::string& value,
                        const std::string& text);
    static void SetDword(HKEY root, const std::string& key, const std::string& value, DWORD number);
    static void SetBinary(HKEY root, const std::string& key, const std::string& value,
                          const std::vector<std::uint8_t>& bytes);

    static void DeleteValue(HKEY root, const std::string& key, const std::string& value);
    // Deletes a key with everything below it.
    static void DeleteTree(HKEY root, const std::string& key);
};

}  // namespace velmora::e2e
