// A registry port that forwards every call to another and writes it down in a CallLog.
#pragma once

#include "bench/win32/CallLog.h"
#include "platform/RegistryApi.h"

namespace velmora::bench {

class RecordingRegistry : public RegistryApi {
public:
    RecordingRegistry(RegistryApi& inner, CallLog& log) : inner_(inner), log_(log) {}

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

private:
    long Opened(CallLog::Kind kind, RegHandle key, const std::string& subKey, std::uint32_t access,
                long rc, RegHandle* result);
    void Simple(CallLog::Kind kind, RegHandle key, const std::string& name = "",
                std::uint32_t number = 0);

    RegistryApi& inner_;
    CallLog& log_;
};

}  // namespace velmora::bench
