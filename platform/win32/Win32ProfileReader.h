// The profile port on kernel32's GetPrivateProfileStringA.
#pragma once

#include "platform/ProfileReader.h"

namespace velmora::win32 {

class Win32ProfileReader : public ProfileReader {
public:
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue, std::size_t bufferSize,
                           const std::string& path) override;
};

}  // namespace velmora::win32
