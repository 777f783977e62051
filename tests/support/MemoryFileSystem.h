// File double: files and folders in memory, named by Windows paths, with their attributes.
#pragma once

#include <map>
#include <optional>
#include <set>
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
    // Another handle holds the file open, sharing only reading, until Release.
    void HoldOpen(const std::string& path) { held_.insert(Normalised(path)); }
    void Release(const std::string& path) { held_.erase(Normalised(path)); }

    bool IsNormalFile(const std::string& path) const override;
    std::optional<std::string> ReadFile(const std::string& path) const override;
    // Joins a path without drive or leading slash to the current folder; "/" becomes "\\".
    std::string FullPath(const std::string& path) const override;
    // A file's folder exists when it was added, when something lies in it, or it is a drive.
    FileOutcome WriteFile(const std::string& path, const std::string& bytes) override;
    FileOutcome MoveOver(const std::string& replacement, const std::string& target) override;
    FileOutcome RemoveFile(const std::string& path) override;

private:
    struct Entry {
        std::string bytes;
        unsigned attributes = 0;
    };

    std::string Normalised(const std::string& path) const;
    bool FolderExists(const std::string& key) const;
    // Why the file at key cannot be changed, or nothing when it can.
    std::optional<FileOutcome> Unchangeable(const std::string& key) const;

    std::map<std::string, Entry> entries_;
    std::string currentFolder_;
    std::set<std::string> held_;
};

}  // namespace velmora::test
