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

struct Win32FileBackend : FileBackend {
    Win32FileBackend() {
        files = &kernel32_;
        folder = folder_.Path();
    }
    ~Win32FileBackend() override {
        for (HANDLE handle : held_) CloseHandle(handle);
    }
    std::string Make(const std::string& name, const std::string& bytes,
                     unsigned attributes) override {
        if (attributes == MemoryFileSystem::kFolder) return folder_.MakeFolder(name);
        return folder_.Write(name, bytes, attributes);
    }
    void HoldOpen(const std::string& path) override {
        held_.push_back(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_NE(held_.back(), INVALID_HANDLE_VALUE) << path;
    }

    win32::test::ThemeTempFolder folder_;
    win32::Win32FileSystem kernel32_;
    std::vector<HANDLE> held_;
};

std::unique_ptr<FileBackend> Kernel32Files() { return std::make_unique<Win32FileBackend>(); }

}  // namespace

INSTANTIATE_TEST_SUITE_P(Win, FileSystemSuite, ::testing::Values(&Kernel32Files),
                         [](const auto&) { return "Kernel32"; });

}  // namespace velmora::test
