// Port: files named by Windows paths (C:\Themes\Blue\blue.vlr). The names keep clear of
// windows.h, whose DeleteFile and ReplaceFile are macros.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace velmora {

// How a change to the files ended: done, or the platform's reason why not, in words for the
// user ("Access is denied.").
struct FileOutcome {
    bool done = true;
    std::string reason;

    static FileOutcome Failed(std::string why) { return FileOutcome{false, std::move(why)}; }
    explicit operator bool() const { return done; }
};

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

    // Creates the file at path, or empties the one there, writes bytes to it and has them on
    // the disk before it returns. Fails for a missing folder, a read-only file or a folder, and
    // a file another handle holds open.
    virtual FileOutcome WriteFile(const std::string& path, const std::string& bytes) = 0;

    // Puts the file replacement in the place of target in one step, on the disk before it
    // returns: target (which need not exist) then has replacement's content and replacement is
    // gone. Fails, changing neither, when target is read-only or a folder, or either file is
    // held open by another handle.
    virtual FileOutcome MoveOver(const std::string& replacement, const std::string& target) = 0;

    // Removes the file at path. Fails for a missing, read-only or held-open file and a folder.
    virtual FileOutcome RemoveFile(const std::string& path) = 0;
};

}  // namespace velmora
