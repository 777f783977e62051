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

}  // namespace velmora::test
