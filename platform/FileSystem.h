// Port: files named by Windows paths (C:\Themes\Blue\blue.vlr).
#pragma once

#include <optional>
#include <string>

namespace velmora {

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // True when a directory listing of path, restricted to normal files, lists something:
    // read-only and archive files count; folders, hidden and system files do not. An empty
    // path, or one with the wildcards "*" or "?", names no file.
    virtual bool IsNormalFile(const std::string& path) const = 0;

    // The whole content of the file at path, byte for byte; nothing when it cannot be read.
    virtual std::optional<std::string> ReadFile(const std::string& path) const = 0;

    // path made full against the current folder (and drive), as the platform resolves a
    // relative path; a path that cannot be resolved comes back unchanged.
    virtual std::string FullPath(const std::string& path) const = 0;

    // Writing, replacing and deleting files join here when the editor needs them.
};

}  // namespace velmora
