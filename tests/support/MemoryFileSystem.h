// File double: files and folders in memory, named by Windows paths, with their attributes.
#pragma once

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>

#include "platform/FileSystem.h"
#include "registry/SameText.h"

namespace velmora::test {

// Paths match as Windows matches them: without regard to letter case, "/" standing for "\".
// Relative paths are taken from the current folder once one is set. A file's folder exists
// when it was added, when something lies in it, or when it is a drive. Failures give the texts
// Windows gives.
class MemoryFileSystem : public FileSystem {
public:
    // Attribute bits, with Windows' values.
    static constexpr unsigned kReadOnly = 0x01, kHidden = 0x02, kSystem = 0x04, kFolder = 0x10,
                              kArchive = 0x20;

    // Adds or replaces a file.
    void AddFile(const std::string& path, std::string bytes, unsigned attributes = kArchive) {
        entries_[Key(path)] = {std::move(bytes), attributes & ~kFolder};
    }
    void AddFolder(const std::string& path) { entries_[Key(path)] = {"", kFolder}; }
    void Remove(const std::string& path) { entries_.erase(Key(path)); }
    // A full folder path such as "C:\\Themes"; empty (the start) leaves relative paths as they are.
    void SetCurrentFolder(const std::string& folder) { currentFolder_ = folder; }
    // From now on another handle holds the file open, sharing only reading.
    void HoldOpen(const std::string& path) { held_.insert(Key(path)); }

    bool IsNormalFile(const std::string& path) const override {
        const Entry* entry = path.find_first_of("*?") == std::string::npos ? Find(path) : nullptr;
        return entry && !(entry->attributes & (kFolder | kHidden | kSystem));
    }
    std::optional<std::string> ReadFile(const std::string& path) const override {
        const Entry* entry = Find(path);
        if (!entry || (entry->attributes & kFolder)) return std::nullopt;
        return entry->bytes;
    }
    std::string FullPath(const std::string& path) const override {
        const bool relative = !path.empty() && path.find(':') == std::string::npos &&
                              path[0] != '\\' && path[0] != '/';
        std::string full =
            relative && !currentFolder_.empty() ? currentFolder_ + "\\" + path : path;
        std::replace(full.begin(), full.end(), '/', '\\');
        return full;
    }
    FileOutcome WriteFile(const std::string& path, const std::string& bytes) override {
        const std::string key = Key(path);
        const std::size_t slash = key.find_last_of('\\');
        if (slash == std::string::npos || !FolderExists(key.substr(0, slash)))
            return FileOutcome::Failed("The system cannot find the path specified.");
        if (auto why = Unchangeable(key)) return *why;
        entries_[key] = {bytes, kArchive};
        return {};
    }
    FileOutcome MoveOver(const std::string& replacement, const std::string& target) override {
        const std::string from = Key(replacement), to = Key(target);
        if (!entries_.count(from)) return FileOutcome::Failed(kNoFile);
        if (held_.count(from)) return FileOutcome::Failed(kInUse);
        if (auto why = Unchangeable(to)) return *why;
        entries_[to] = entries_[from];
        entries_.erase(from);
        return {};
    }
    FileOutcome RemoveFile(const std::string& path) override {
        const std::string key = Key(path);
        if (!entries_.count(key)) return FileOutcome::Failed(kNoFile);
        if (auto why = Unchangeable(key)) return *why;
        entries_.erase(key);
        return {};
    }

private:
    struct Entry {
        std::string bytes;
        unsigned attributes = 0;
    };
    static constexpr char kNoFile[] = "The system cannot find the file specified.";
    static constexpr char kInUse[] =
        "The process cannot access the file because it is being used by another process.";

    std::string Key(const std::string& path) const {
        std::string key = FullPath(path);
        std::transform(key.begin(), key.end(), key.begin(), LowerAscii);
        return key;
    }
    const Entry* Find(const std::string& path) const {
        const auto found = entries_.find(Key(path));
        return found == entries_.end() ? nullptr : &found->second;
    }
    bool FolderExists(const std::string& key) const {
        if (key.size() == 2 && key[1] == ':') return true;
        if (entries_.count(key)) return entries_.at(key).attributes & kFolder;
        const auto inside = entries_.lower_bound(key + "\\");
        return inside != entries_.end() && inside->first.rfind(key + "\\", 0) == 0;
    }
    // Why the file at key cannot be changed, or nothing when it can.
    std::optional<FileOutcome> Unchangeable(const std::string& key) const {
        if (entries_.count(key) && (entries_.at(key).attributes & (kFolder | kReadOnly)))
            return FileOutcome::Failed("Access is denied.");
        if (held_.count(key)) return FileOutcome::Failed(kInUse);
        return std::nullopt;
    }

    std::map<std::string, Entry> entries_;
    std::string currentFolder_;
    std::set<std::string> held_;
};

}  // namespace velmora::test
