// The profile port on kernel32's GetPrivateProfileStringA.
#include "platform/win32/Win32ProfileReader.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace velmora::win32 {

std::string Win32ProfileReader::ReadString(const std::string& section, const std::string& key,
                                           const std::string& defaultValue, std::size_t bufferSize,
                                           const std::string& path) {
    if (bufferSize == 0) return std::string();
    const DWORD size = static_cast<DWORD>(std::min<std::size_t>(bufferSize, 0x7FFFFFFF));
    std::vector<char> buffer(size, '\0');
    const DWORD copied = GetPrivateProfileStringA(
        section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(), size, path.c_str());
    // The value is the first n characters of the buffer, n being what the call reports.
    return std::string(buffer.data(), std::min<DWORD>(copied, size - 1));
}

}  // namespace velmora::win32
