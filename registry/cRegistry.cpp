// The one registry class: every registry read, write, enumeration and deletion of the program.
#include "registry/cRegistry.h"

namespace velmora {

bool IsNotFound(const std::string& text) {
    constexpr std::size_t length = sizeof(kNotFound) - 1;
    if (text.size() != length) return false;
    for (std::size_t i = 0; i < length; ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(text[i]) != lower(kNotFound[i])) return false;
    }
    return true;
}

cRegistry::cRegistry(const Platform& platform) : platform_(platform) {}

std::string cRegistry::ReadRegistry(RegRoot, const std::string&, const std::string&) {
    return kNotFound;
}
void cRegistry::WriteRegistry(RegRoot, const std::string&, const std::string&, long,
                              const RegValue&) {}
std::string cRegistry::ReadRegistryGetSubkey(RegRoot, const std::string&, long) {
    return kNotFound;
}
RegEnumEntry cRegistry::ReadRegistryGetAll(RegRoot, const std::string&, long) {
    return {0, "", kNotFound};
}
std::string cRegistry::DeleteSubkey(RegRoot, const std::string&) { return ""; }
std::string cRegistry::DeleteValue(RegRoot, const std::string&, const std::string&) { return ""; }
std::vector<std::string> cRegistry::GetAllKeys(RegRoot, const std::string&) {
    return {kNotFound};
}
std::optional<std::vector<std::pair<std::string, std::string>>> cRegistry::GetAllValues(
    RegRoot, const std::string&) {
    return std::nullopt;
}
std::vector<std::uint8_t> cRegistry::ReadRegistryByte(RegRoot, const std::string&,
                                                      const std::string&) {
    return {};
}
std::optional<std::vector<std::string>> cRegistry::GetValues(RegRoot, const std::string&) {
    return std::nullopt;
}

}  // namespace velmora
