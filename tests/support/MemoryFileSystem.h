// File double: files and folders in memory, named by Windows paths, with their attributes.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "platform/FileSystem.h"

namespace velmora::test {

// Paths match as Windows matches them: without regard to letter case, "/" standing for "\".
// Relative paths are taken from the current folder once one is set. A file's folder exists
// when it was added, when something lies in it, or when it is a drive.
class MemoryFileSystem : public FileSystem {
public:
    // Attribute bits, with Windows' values.
    static constexpr unsigned kReadOnly = 0x01, kHidden = 0x02, kSystem = 0x04, kFolder = 0x10,
                              kArchive = 0x20;

    // Adds or replaces a file.
    void AddFile(const std::string& path, std::string bytes, unsigned attributes = kArchive) {
        entries_[Key(path)] = Entry{std::move(bytes), attributes & ~kFolder};
    }
    void AddFolder(const std::string& path) { entries_[Key(path)] = Entry{"", kFolder}; }
    void Remove(const std::string& path) { entries_.erase(Key(path)); }
    // A full folder path such as "C:\\Themes"; empty (the start) leaves relative paths as they are.
    void SetCurrentFolder(const std::string& folder) { currentFolder_ = folder; }
    // From now on another handle holds the file open, sharing only reading.
    void HoldOpen(const std::string& path) { held_.insert(Key(path)); }

    bool IsNormalFile(const std::string& path) const override;
    std::optional<std::string> ReadFile(const std::string& path) const override;
    std::string FullPath(const std::string& path) const override;
    FileOutcome WriteFile(const std::string& path, const std::string& bytes) override;
    FileOutcome MoveOver(const std::string& replacement, const std::string& target) override;
    FileOutcome RemoveFile(const std::string& path) override;

private:
    struct Entry {
        std::string bytes;
        unsigned attributes = 0;
    };

    std::string Key(const std::string& path) const;
    bool FolderExists(const std::string& key) const;
    // Why the file at key cannot be changed, or nothing when it can.
    std::optional<FileOutcome> Unchangeable(const std::string& key) const;

    std::map<std::string, Entry> entries_;
    std::string currentFolder_;
    std::set<std::string> held_;
};

}  // namespace velmora::test
