// The file port on kernel32's ANSI file functions.
#pragma once

#include "platform/FileSystem.h"

namespace velmora::win32 {

class Win32FileSystem : public FileSystem {
public:
    // A directory listing (FindFirstFileA) of the path, judged by the attributes it reports.
    bool IsNormalFile(const std::string& path) const override;
    std::optional<std::string> ReadFile(const std::string& path) const override;
    // GetFullPathNameA.
    std::string FullPath(const std::string& path) const override;
    // CreateFileA (CREATE_ALWAYS), WriteFile, FlushFileBuffers.
    FileOutcome WriteFile(const std::string& path, const std::string& bytes) override;
    // MoveFileExA with MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH.
    FileOutcome MoveOver(const std::string& replacement, const std::string& target) override;
    // DeleteFileA.
    FileOutcome RemoveFile(const std::string& path) override;
};

}  // namespace velmora::win32
