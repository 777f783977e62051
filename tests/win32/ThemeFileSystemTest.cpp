// The file suite on kernel32 under Wine, in a scratch folder (the unit tests run it on the
// in-memory files).
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win32/Win32FileSystem.h"
#include "tests/support/FileSystemSuite.h"
#include "tests/win32/ThemeTempFolder.h"

namespace velmora::test {

namespace {

class Win32FileBackend : public FileBackend {
public:
    ~Win32FileBackend() override {
        for (HANDLE handle : held_) CloseHandle(handle);
        // What the port made under names of its own goes too.
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA((Folder() + "\\*").c_str(), &found);
        if (find == INVALID_HANDLE_VALUE) return;
        do {
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            const std::string path = Folder() + "\\" + found.cFileName;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }

    FileSystem& Files() override { return files_; }
    std::string Folder() const override { return folder_.Path(); }
    std::string Make(const std::string& name, const std::string& bytes,
                     unsigned attributes) override {
        if (attributes == MemoryFileSystem::kFolder) return folder_.MakeFolder(name);
        return folder_.Write(name, bytes, attributes);
    }
    void HoldOpen(const std::string& path) override {
        HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(handle, INVALID_HANDLE_VALUE) << path;
        held_.push_back(handle);
    }

private:
    win32::test::ThemeTempFolder folder_;
    win32::Win32FileSystem files_;
    std::vector<HANDLE> held_;
};

std::unique_ptr<FileBackend> Kernel32Files() {
    return std::make_unique<Win32FileBackend>();
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Win, FileSystemSuite, ::testing::Values(&Kernel32Files),
                         [](const auto&) { return "Kernel32"; });

}  // namespace velmora::test
