// The theme editor on real files under Wine: a save keeps every byte, and a save that cannot
// be written leaves the old file as it was; the editor's and About window's dialogs are in
// Velmora.exe with every control their windows bind.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "editor/frmThemeEditor.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/resources/AboutRes.h"
#include "tests/support/FakeFormHost.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeProductInfo.h"
#include "tests/win32/ThemeTempFolder.h"

namespace velmora::test {
namespace {

const std::string kText = "[Velmora]\r\nThemeTitle=Bl\xE9u\r\nAuthor=\xA9 Me\r\nEnd";

class ThemeEditorFilesTest : public ::testing::Test {
protected:
    ThemeEditorFilesTest() {
        platform_.files = &files_;
        platform_.dialogs = &dialogs_;
        platform_.product = &product_;
        file_ = folder_.Write("blue.vlr", kText);
    }
    ~ThemeEditorFilesTest() override {
        if (held_ != INVALID_HANDLE_VALUE) CloseHandle(held_);
    }

    // Opens the file in a fresh editor and types at the end.
    void Edit(frmThemeEditor& editor, const std::string& path) {
        editor.SetThemeFile(path);
        editor.Text1.SetText(editor.Text1.Text() + "\r\nNew=\xFF");
        editor.Text1_Change();
    }

    win32::test::ThemeTempFolder folder_;
    win32::Win32FileSystem files_;
    FakeDialogs dialogs_;
    FakeProductInfo product_;
    SimulatedWindowing desktop_;
    FakeFormHost host_{desktop_};
    Platform platform_;
    std::string file_;
    HANDLE held_ = INVALID_HANDLE_VALUE;
};

TEST_F(ThemeEditorFilesTest, SaveWritesTheTextByteForByteInPlaceOfTheFile) {
    frmThemeEditor editor(platform_, host_);
    Edit(editor, file_);
    editor.cmdSave_Click();
    EXPECT_EQ(files_.ReadFile(file_), kText + "\r\nNew=\xFF");
    EXPECT_FALSE(editor.Changed());
    EXPECT_EQ(GetFileAttributesA((file_ + ".saving").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(dialogs_.Shown().empty());
}

TEST_F(ThemeEditorFilesTest, AFileThatCannotBeWrittenIsKeptByteForByte) {
    folder_.MakeFolder("gone");
    const std::string inGone = folder_.Write("gone\\gone.vlr", kText);
    const struct {
        const char* why;
        std::string path;
        std::function<void()> spoil;
    } rows[] = {
        {"read-only", file_, [&] { SetFileAttributesA(file_.c_str(), FILE_ATTRIBUTE_READONLY); }},
        {"held open", file_,
         [&] {
             held_ = CreateFileA(file_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
             EXPECT_NE(held_, INVALID_HANDLE_VALUE);
         }},
        {"folder removed", inGone,
         [&] {
             DeleteFileA(inGone.c_str());
             RemoveDirectoryA((folder_.Path() + "\\gone").c_str());
         }},
    };
    for (const auto& row : rows) {
        FakeDialogs dialogs;
        platform_.dialogs = &dialogs;
        frmThemeEditor editor(platform_, host_);
        Edit(editor, row.path);
        row.spoil();
        editor.cmdSave_Click();
        if (held_ != INVALID_HANDLE_VALUE) CloseHandle(std::exchange(held_, INVALID_HANDLE_VALUE));
        ASSERT_EQ(dialogs.Shown().size(), 1u) << row.why;
        EXPECT_NE(dialogs.Shown()[0].text.find(row.path), std::string::npos) << row.why;
        EXPECT_TRUE(editor.Changed()) << row.why;
        EXPECT_EQ(editor.Text1.Text(), kText + "\r\nNew=\xFF") << row.why;
        if (row.path == file_) {
            EXPECT_EQ(files_.ReadFile(file_), kText) << row.why;
        }
        EXPECT_EQ(GetFileAttributesA((row.path + ".saving").c_str()), INVALID_FILE_ATTRIBUTES)
            << row.why;
        SetFileAttributesA(file_.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

// Which ids each table binds is DialogResourcesTest's; here, the About window's picture.
TEST(EditorDialogs, TheAboutBackgroundIsThePictureTheWindowWasDrawnFor) {
    HMODULE exe = LoadLibraryExA(VELMORA_BUILD_DIR "\\platform\\win32\\Velmora.exe", nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr);
    // The background is the 157 x 205 picture the window was drawn for.
    HBITMAP back = static_cast<HBITMAP>(
        LoadImageA(exe, MAKEINTRESOURCEA(IDB_ABOUTBACK), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(back, nullptr);
    BITMAP info = {};
    GetObjectA(back, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, 157);
    EXPECT_EQ(info.bmHeight, 205);
    EXPECT_EQ(info.bmBitsPixel, 24);
    DeleteObject(back);
    FreeLibrary(exe);
}

}  // namespace
}  // namespace velmora::test
