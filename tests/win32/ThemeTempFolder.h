// A scratch folder under the user's temporary folder, removed with everything in it at the end.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

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
    ~ThemeTempFolder() {
        for (const std::string& file : files_) {
            SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(file.c_str());
        }
        for (auto folder = folders_.rbegin(); folder != folders_.rend(); ++folder) {
            RemoveDirectoryA(folder->c_str());
        }
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
        files_.push_back(file);
        return file;
    }

    std::string MakeFolder(const std::string& name) {
        folders_.push_back(path_ + "\\" + name);
        CreateDirectoryA(folders_.back().c_str(), nullptr);
        return folders_.back();
    }

private:
    std::string path_;
    std::vector<std::string> files_;
    std::vector<std::string> folders_;
};

}  // namespace velmora::win32::test
