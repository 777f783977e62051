// File double: files and folders in memory, named by Windows paths, with their attributes.
#include "tests/support/MemoryFileSystem.h"

#include <algorithm>
#include <utility>

namespace velmora::test {

std::string MemoryFileSystem::FullPath(const std::string& path) const {
    const bool relative =
        !path.empty() && path.find(':') == std::string::npos && path[0] != '\\' && path[0] != '/';
    std::string full = relative && !currentFolder_.empty() ? currentFolder_ + "\\" + path : path;
    std::replace(full.begin(), full.end(), '/', '\\');  // as Windows gives a full path
    return full;
}

std::string MemoryFileSystem::Normalised(const std::string& path) const {
    std::string key = FullPath(path);
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}

void MemoryFileSystem::AddFile(const std::string& path, std::string bytes, unsigned attributes) {
    entries_[Normalised(path)] = Entry{std::move(bytes), attributes & ~kFolder};
}

void MemoryFileSystem::AddFolder(const std::string& path) {
    entries_[Normalised(path)] = Entry{std::string(), kFolder};
}

void MemoryFileSystem::Remove(const std::string& path) {
    entries_.erase(Normalised(path));
}

bool MemoryFileSystem::IsNormalFile(const std::string& path) const {
    if (path.empty() || path.find_first_of("*?") != std::string::npos) return false;
    const auto found = entries_.find(Normalised(path));
    return found != entries_.end() &&
           (found->second.attributes & (kFolder | kHidden | kSystem)) == 0;
}

std::optional<std::string> MemoryFileSystem::ReadFile(const std::string& path) const {
    const auto found = entries_.find(Normalised(path));
    if (found == entries_.end() || (found->second.attributes & kFolder)) return std::nullopt;
    return found->second.bytes;
}

namespace {
// The texts Windows gives for the same failures.
const char kNoFile[] = "The system cannot find the file specified.";
const char kNoFolder[] = "The system cannot find the path specified.";
const char kDenied[] = "Access is denied.";
const char kInUse[] =
    "The process cannot access the file because it is being used by another process.";
}  // namespace

bool MemoryFileSystem::FolderExists(const std::string& key) const {
    if (key.size() == 2 && key[1] == ':') return true;
    const auto found = entries_.lower_bound(key);
    if (found != entries_.end() && found->first == key) return (found->second.attributes & kFolder);
    const auto inside = entries_.lower_bound(key + "\\");
    return inside != entries_.end() && inside->first.compare(0, key.size() + 1, key + "\\") == 0;
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
    const std::string key = Normalised(path);
    const std::size_t slash = key.find_last_of('\\');
    if (slash == std::string::npos || !FolderExists(key.substr(0, slash))) {
        return FileOutcome::Failed(kNoFolder);
    }
    if (auto why = Unchangeable(key)) return *why;
    entries_[key] = Entry{bytes, kArchive};
    return {};
}

FileOutcome MemoryFileSystem::MoveOver(const std::string& replacement, const std::string& target) {
    const std::string from = Normalised(replacement), to = Normalised(target);
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
    const std::string key = Normalised(path);
    if (!entries_.count(key)) return FileOutcome::Failed(kNoFile);
    if (auto why = Unchangeable(key)) return *why;
    entries_.erase(key);
    return {};
}

}  // namespace velmora::test
