// Reads initialisation-file values through the file port, by the platform's rules.
#pragma once

#include <memory>
#include <string>

#include "platform/FileSystem.h"
#include "platform/ProfileReader.h"
#include "theme/ProfileDocument.h"

namespace velmora {

// The profile reading for platforms and tests without the real function: gives what
// GetPrivateProfileStringA gives for the same file (see ProfileDocument for the reading
// rules) in a system with the Western ANSI code page.
class PortableProfileReader : public ProfileReader {
public:
    explicit PortableProfileReader(const FileSystem& files);

    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue, std::size_t bufferSize,
                           const std::string& path) override;

private:
    // The parsed file, or nothing when the file cannot be read.
    const ProfileDocument* Load(const std::string& path);

    const FileSystem& files_;
    // The last file read, kept while its path and bytes stay the same: a theme load reads
    // the same file 48 times.
    std::string cachedPath_;
    std::string cachedBytes_;
    std::unique_ptr<ProfileDocument> cachedDocument_;
};

}  // namespace velmora
