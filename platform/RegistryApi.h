// Port: the advapi32 ANSI registry calls the registry class makes, with their return codes.
#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// A predefined root or an opened key. The roots are the 32-bit handle values Windows uses;
// an opened key is whatever the implementation hands out (a pointer-sized value).
using RegRoot = std::uint32_t;
using RegHandle = std::uintptr_t;

constexpr RegRoot kHkeyCurrentUser = 0x80000001u;
constexpr RegRoot kHkeyLocalMachine = 0x80000002u;

// Value kinds: the names the code uses for REG_SZ, REG_EXPAND_SZ, REG_BINARY and REG_DWORD.
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;

// Access masks. Keys opened with OpenKey or CreateKey get every right.
constexpr std::uint32_t kKeyRead = 0x20019u;
constexpr std::uint32_t kKeyAllAccess = 0xF003Fu;

// Return codes of the calls, as Windows numbers them.
constexpr long kErrorSuccess = 0;
constexpr long kErrorFileNotFound = 2;
constexpr long kErrorAccessDenied = 5;
constexpr long kErrorInvalidHandle = 6;
constexpr long kErrorInvalidParameter = 87;
constexpr long kErrorMoreData = 234;
constexpr long kErrorNoMoreItems = 259;

// What QueryInfoKey reports of a key's values: the longest name in characters without its
// terminating zero, the longest data in bytes.
struct RegKeyInfo {
    std::uint32_t maxValueNameLen = 0;
    std::uint32_t maxValueLen = 0;
};

// Each call behaves as its advapi32 namesake (RegOpenKeyA, RegOpenKeyExA, ...): same
// arguments, same buffer rules, same return codes. Opened keys must be closed with CloseKey.
// Sizes are in/out exactly as in the Windows calls; a null pointer stands where Windows
// accepts NULL. Key paths are relative, parts separated by backslashes. Names are compared
// without regard to case and keep the case they were created with. Text kinds (1, 2 and 7)
// hold ANSI bytes.
//
// Quirks of the real calls that callers must allow for:
// - OpenKey with an empty path gives back the same handle, not a new one (closing a
//   predefined root is harmless); OpenKeyEx with an empty path does the same for a root.
// - SetValueEx of a text kind whose last counted byte is not zero looks at the byte after
//   the count, and stores that zero too when there is one: the buffer must hold count + 1
//   bytes.
// - QueryValueEx and EnumValue of a text value stored without its terminating zero append
//   one after the data when the buffer has room (the size reported stays the stored size).
// - QueryInfoKey reports the longest text value at two bytes per character, as the system
//   stores text internally.
class RegistryApi {
public:
    virtual ~RegistryApi() = default;

    virtual long OpenKey(RegHandle key, const std::string& subKey, RegHandle* result) = 0;
    virtual long OpenKeyEx(RegHandle key, const std::string& subKey, std::uint32_t access,
                           RegHandle* result) = 0;
    // Opens the key, creating every missing key on the path.
    virtual long CreateKey(RegHandle key, const std::string& subKey, RegHandle* result) = 0;

    // data may be null (then only *type and *dataSize are given). When data is not null and
    // *dataSize is too small, the result is kErrorMoreData and *dataSize the size needed.
    virtual long QueryValueEx(RegHandle key, const std::string& valueName, std::uint32_t* type,
                              std::uint8_t* data, std::uint32_t* dataSize) = 0;
    virtual long SetValueEx(RegHandle key, const std::string& valueName, std::uint32_t type,
                            const std::uint8_t* data, std::uint32_t dataSize) = 0;

    // name receives the zero-terminated name of the subkey at index (nameSize characters
    // including the zero); kErrorNoMoreItems past the last one.
    virtual long EnumKey(RegHandle key, std::uint32_t index, char* name,
                         std::uint32_t nameSize) = 0;
    // *nameSize: in, the name buffer's size in characters; out, the name's length without
    // its zero. data/dataSize as in QueryValueEx. name and nameSize are required. Data that
    // does not fit gives kErrorMoreData with *type and *dataSize set and the name untouched;
    // a name that does not fit gives kErrorMoreData with the data copied, the name cut to
    // the buffer and *nameSize unchanged.
    virtual long EnumValue(RegHandle key, std::uint32_t index, char* name, std::uint32_t* nameSize,
                           std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataSize) = 0;
    virtual long QueryInfoKey(RegHandle key, RegKeyInfo* info) = 0;

    virtual long FlushKey(RegHandle key) = 0;
    virtual long CloseKey(RegHandle key) = 0;
    // Deletes a key that has no subkeys.
    virtual long DeleteKey(RegHandle key, const std::string& subKey) = 0;
    virtual long DeleteValue(RegHandle key, const std::string& valueName) = 0;
};

}  // namespace velmora
