// The one registry class: every registry read, write, enumeration and deletion of the program.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"
#include "platform/RegistryApi.h"
#include "platform/ErrorTrap.h"
#include "registry/RegistryText.h"

namespace velmora {

// What every read returns for a key or value that is not there.
inline constexpr char kNotFound[] = "Not Found";

// True when text is the not-found text, compared without regard to case.
bool IsNotFound(const std::string& text);

// One value of a key as ReadRegistryGetAll reports it.
struct RegEnumEntry {
    long kind = 0;
    std::string name;
    std::string data;
};

// Opens and closes its keys within each operation; holds no handle between calls. Every
// operation except WriteRegistry traps run-time errors and reports them to the user.
class cRegistry {
public:
    // Uses the registry, dialogs, shell and product information ports of platform.
    explicit cRegistry(const Platform& platform);

    std::string ReadRegistry(RegRoot Group, const std::string& Section, const std::string& Key);
    void WriteRegistry(RegRoot Group, const std::string& Section, const std::string& Key,
                       long ValType, const RegValue& Value);
    std::string ReadRegistryGetSubkey(RegRoot Group, const std::string& Section, long idx);
    RegEnumEntry ReadRegistryGetAll(RegRoot Group, const std::string& Section, long idx);
    std::string DeleteSubkey(RegRoot Group, const std::string& Section);
    std::string DeleteValue(RegRoot Group, const std::string& Section, const std::string& Key);
    std::vector<std::string> GetAllKeys(RegRoot Group, const std::string& Section);
    std::optional<std::vector<std::pair<std::string, std::string>>> GetAllValues(
        RegRoot Group, const std::string& Section);
    std::vector<std::uint8_t> ReadRegistryByte(RegRoot Group, const std::string& Section,
                                               const std::string& Key);
    std::optional<std::vector<std::string>> GetValues(RegRoot Group, const std::string& Section);

private:
    RegistryApi& Api() const;
    // Opens Section, names its subkey at idx, closes it; returns the enumeration's code.
    long EnumSubkey(RegRoot Group, const std::string& Section, long idx, std::string* name);

    RegistryApi* registry_;
    ErrorTrap trap_;
};

}  // namespace velmora
