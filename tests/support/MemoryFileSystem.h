// File double: files and folders in memory, named by Windows paths, with their attributes.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/FileSystem.h"

namespace velmora::test {

// Paths match as Windows matches them: without regard to letter case, "/" standing for "\".
// Relative paths are taken from the current folder once one is set.
class MemoryFileSystem : public FileSystem {
public:
    // Attribute bits, with Windows' values.
    static constexpr unsigned kReadOnly = 0x01;
    static constexpr unsigned kHidden = 0x02;
    static constexpr unsigned kSystem = 0x04;
    static constexpr unsigned kFolder = 0x10;
    static constexpr unsigned kArchive = 0x20;

    // Adds or replaces a file.
    void AddFile(const std::string& path, std::string bytes, unsigned attributes = kArchive);
    void AddFolder(const std::string& path);
    void Remove(const std::string& path);
    // A full folder path such as "C:\\Themes"; empty (the start) leaves relative paths as they are.
    void SetCurrentFolder(const std::string& folder) { currentFolder_ = folder; }

    bool IsNormalFile(const std::string& path) const override;
    std::optional<std::string> ReadFile(const std::string& path) const override;
    // Joins a path without drive or leading slash to the current folder; "/" becomes "\\".
    std::string FullPath(const std::string& path) const override;

private:
    struct Entry {
        std::string bytes;
        unsigned attributes = 0;
    };

    std::string Normalised(const std::string& path) const;

    std::map<std::string, Entry> entries_;
    std::string currentFolder_;
};

}  // namespace velmora::test
