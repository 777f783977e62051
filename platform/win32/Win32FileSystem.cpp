// The file port on kernel32's ANSI file functions.
#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include <new>
#include <string>

namespace velmora::win32 {

namespace {

class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    ~FindHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

// Larger files are not read: no text file of the program comes near this, and the whole
// file is held in memory.
constexpr LONGLONG kLargestFile = 256LL * 1024 * 1024;

// The system's words for the last error, without the line end it carries.
FileOutcome LastError() {
    const DWORD code = GetLastError();
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<LPSTR>(&text), 0, nullptr);
    std::string reason = length && text ? std::string(text, length) : std::string();
    if (text) LocalFree(text);
    while (!reason.empty() &&
           (reason.back() == '\r' || reason.back() == '\n' || reason.back() == ' ')) {
        reason.pop_back();
    }
    if (reason.empty()) reason = "Error " + std::to_string(code) + ".";
    return FileOutcome::Failed(reason);
}

// Windows refuses to write over or replace a read-only file, but Wine run by root (whom the
// file's Unix permissions do not stop) does both; so refuse here as Windows does, with its error.
bool IsReadOnly(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY)) {
        return false;
    }
    SetLastError(ERROR_ACCESS_DENIED);
    return true;
}

}  // namespace

bool Win32FileSystem::IsNormalFile(const std::string& path) const {
    // Wildcards would let the listing find some other file.
    if (path.empty() || path.find_first_of("*?") != std::string::npos) return false;
    WIN32_FIND_DATAA found;
    FindHandle find(FindFirstFileA(path.c_str(), &found));
    if (!find.Valid()) return false;
    constexpr DWORD notNormal =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return (found.dwFileAttributes & notNormal) == 0;
}

std::optional<std::string> Win32FileSystem::ReadFile(const std::string& path) const {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return std::nullopt;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart > kLargestFile) return std::nullopt;
    try {
        std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
        std::size_t done = 0;
        while (done < bytes.size()) {
            DWORD read = 0;
            if (!::ReadFile(file.Get(), &bytes[done], static_cast<DWORD>(bytes.size() - done),
                            &read, nullptr)) {
                return std::nullopt;
            }
            if (read == 0) break;  // the file shrank meanwhile
            done += read;
        }
        bytes.resize(done);
        return bytes;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::string Win32FileSystem::FullPath(const std::string& path) const {
    std::string full(MAX_PATH, '\0');
    DWORD length =
        GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()), &full[0], nullptr);
    if (length >= full.size()) {  // too small: length is the size needed
        full.assign(length, '\0');
        length = GetFullPathNameA(path.c_str(), length, &full[0], nullptr);
    }
    if (length == 0 || length >= full.size()) return path;
    full.resize(length);
    return full;
}

FileOutcome Win32FileSystem::WriteFile(const std::string& path, const std::string& bytes) {
    if (IsReadOnly(path)) return LastError();
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) return LastError();
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD written = 0;
        if (!::WriteFile(file.Get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                         &written, nullptr)) {
            return LastError();
        }
        if (written == 0) return FileOutcome::Failed("Nothing could be written to the file.");
        done += written;
    }
    if (!FlushFileBuffers(file.Get())) return LastError();
    return {};
}

FileOutcome Win32FileSystem::MoveOver(const std::string& replacement, const std::string& target) {
    if (IsReadOnly(target)) return LastError();
    if (!MoveFileExA(replacement.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return LastError();
    }
    return {};
}

FileOutcome Win32FileSystem::RemoveFile(const std::string& path) {
    if (!DeleteFileA(path.c_str())) return LastError();
    return {};
}

}  // namespace velmora::win32
