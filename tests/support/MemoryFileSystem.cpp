// File double: files and folders in memory, named by Windows paths, with their attributes.
#include "tests/support/MemoryFileSystem.h"

#include <algorithm>

#include "registry/SameText.h"

namespace velmora::test {

namespace {
// The texts Windows gives for the same failures.
const char kNoFile[] = "The system cannot find the file specified.";
const char kNoFolder[] = "The system cannot find the path specified.";
const char kDenied[] = "Access is denied.";
const char kInUse[] =
    "The process cannot access the file because it is being used by another process.";
}  // namespace

std::string MemoryFileSystem::FullPath(const std::string& path) const {
    const bool relative =
        !path.empty() && path.find(':') == std::string::npos && path[0] != '\\' && path[0] != '/';
    std::string full = relative && !currentFolder_.empty() ? currentFolder_ + "\\" + path : path;
    std::replace(full.begin(), full.end(), '/', '\\');
    return full;
}

std::string MemoryFileSystem::Key(const std::string& path) const {
    std::string key = FullPath(path);
    std::transform(key.begin(), key.end(), key.begin(), LowerAscii);
    return key;
}

bool MemoryFileSystem::IsNormalFile(const std::string& path) const {
    if (path.empty() || path.find_first_of("*?") != std::string::npos) return false;
    const auto found = entries_.find(Key(path));
    return found != entries_.end() &&
           (found->second.attributes & (kFolder | kHidden | kSystem)) == 0;
}

std::optional<std::string> MemoryFileSystem::ReadFile(const std::string& path) const {
    const auto found = entries_.find(Key(path));
    if (found == entries_.end() || (found->second.attributes & kFolder)) return std::nullopt;
    return found->second.bytes;
}

bool MemoryFileSystem::FolderExists(const std::string& key) const {
    if (key.size() == 2 && key[1] == ':') return true;
    const auto found = entries_.find(key);
    if (found != entries_.end()) return found->second.attributes & kFolder;
    const auto inside = entries_.lower_bound(key + "\\");
    return inside != entries_.end() && inside->first.rfind(key + "\\", 0) == 0;
}

std::optional<FileOutcome> MemoryFileSystem::Unchangeable(const std::string& key) const {
    const auto found = entries_.find(key);
    if (found != entries_.end() && (found->second.attributes & (kFolder | kReadOnly))) {
        return FileOutcome::Failed(kDenied);
    }
    if (held_.count(key)) return FileOutcome::Failed(kInUse);
    return std::nullopt;
}

FileOutcome MemoryFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
    const std::string key = Key(path);
    const std::size_t slash = key.find_last_of('\\');
    if (slash == std::string::npos || !FolderExists(key.substr(0, slash))) {
        return FileOutcome::Failed(kNoFolder);
    }
    if (auto why = Unchangeable(key)) return *why;
    entries_[key] = Entry{bytes, kArchive};
    return {};
}

FileOutcome MemoryFileSystem::MoveOver(const std::string& replacement, const std::string& target) {
    const std::string from = Key(replacement), to = Key(target);
    const auto found = entries_.find(from);
    if (found == entries_.end()) return FileOutcome::Failed(kNoFile);
    if (held_.count(from)) return FileOutcome::Failed(kInUse);
    if (auto why = Unchangeable(to)) return *why;
    Entry moved = found->second;
    entries_.erase(found);
    entries_[to] = std::move(moved);
    return {};
}

FileOutcome MemoryFileSystem::RemoveFile(const std::string& path) {
    const std::string key = Key(path);
    if (!entries_.count(key)) return FileOutcome::Failed(kNoFile);
    if (auto why = Unchangeable(key)) return *why;
    entries_.erase(key);
    return {};
}

}  // namespace velmora::test
