// The registry port on advapi32's ANSI calls.
#pragma once

#include "platform/RegistryApi.h"

namespace velmora::win32 {

// Forwards each call to its advapi32 namesake; handles are HKEY values.
class Win32RegistryApi : public RegistryApi {
public:
    long OpenKey(RegHandle key, const std::string& subKey, RegHandle* result) override;
    long OpenKeyEx(RegHandle key, const std::string& subKey, std::uint32_t access,
                   RegHandle* result) override;
    long CreateKey(RegHandle key, const std::string& subKey, RegHandle* result) override;
    long QueryValueEx(RegHandle key, const std::string& valueName, std::uint32_t* type,
                      std::uint8_t* data, std::uint32_t* dataSize) override;
    long SetValueEx(RegHandle key, const std::string& valueName, std::uint32_t type,
                    const std::uint8_t* data, std::uint32_t dataSize) override;
    long EnumKey(RegHandle key, std::uint32_t index, char* name, std::uint32_t nameSize) override;
    long EnumValue(RegHandle key, std::uint32_t index, char* name, std::uint32_t* nameSize,
                   std::uint32_t* type, std::uint8_t* data, std::uint32_t* dataSize) override;
    long QueryInfoKey(RegHandle key, RegKeyInfo* info) override;
    long FlushKey(RegHandle key) override;
    long CloseKey(RegHandle key) override;
    long DeleteKey(RegHandle key, const std::string& subKey) override;
    long DeleteValue(RegHandle key, const std::string& valueName) override;
};

}  // namespace velmora::win32
