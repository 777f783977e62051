// Port: reading one value of an initialisation file, as GetPrivateProfileStringA does it.
#pragma once

#include <cstddef>
#include <string>

namespace velmora {

class ProfileReader {
public:
    virtual ~ProfileReader() = default;

    // The value of key in section of the initialisation file at path (default when the key
    // is not there), as the platform's profile reading copies it into a buffer of
    // bufferSize characters: at most bufferSize - 1 characters. The returned text is what
    // was copied; its length is the count the platform reports.
    virtual std::string ReadString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue, std::size_t bufferSize,
                                   const std::string& path) = 0;
};

}  // namespace velmora
