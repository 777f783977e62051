// A scratch folder under the user's temporary folder, removed with everything in it at the end.
#pragma once

#include <windows.h>

#include <string>

namespace velmora::win32::test {

class ThemeTempFolder {
public:
    ThemeTempFolder() {
        char temp[MAX_PATH + 1] = {};
        GetTempPathA(sizeof(temp), temp);
        static int made = 0;
        path_ = std::string(temp) + "velmora-theme-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(GetTickCount()) + "-" + std::to_string(++made);
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    // Files and folders directly inside go too, read-only ones and those the tests did not make.
    ~ThemeTempFolder() {
        WIN32_FIND_DATAA found;
        const HANDLE find = FindFirstFileA((path_ + "\\*").c_str(), &found);
        for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found)) {
            const std::string name = found.cFileName, path = path_ + "\\" + name;
            if (name == "." || name == "..") continue;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str()) || RemoveDirectoryA(path.c_str());
        }
        if (find != INVALID_HANDLE_VALUE) FindClose(find);
        RemoveDirectoryA(path_.c_str());
    }
    ThemeTempFolder(const ThemeTempFolder&) = delete;
    ThemeTempFolder& operator=(const ThemeTempFolder&) = delete;

    const std::string& Path() const { return path_; }

    // Writes bytes to name inside the folder and returns the file's full path.
    std::string Write(const std::string& name, const std::string& bytes,
                      DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        const std::string file = path_ + "\\" + name;
        HANDLE handle = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        if (handle != INVALID_HANDLE_VALUE) {
            if (!bytes.empty()) WriteFile(handle, bytes.data(), DWORD(bytes.size()), &written, 0);
            CloseHandle(handle);
        }
        SetFileAttributesA(file.c_str(), attributes);
        return file;
    }
    std::string MakeFolder(const std::string& name) {
        CreateDirectoryA((path_ + "\\" + name).c_str(), nullptr);
        return path_ + "\\" + name;
    }

private:
    std::string path_;
};

}  // namespace velmora::win32::test
