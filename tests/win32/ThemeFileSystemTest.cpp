// The file port on real files: which listings count as a normal file, and whole-file reads.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/win32/Win32FileSystem.h"
#include "tests/win32/ThemeTempFolder.h"

namespace velmora::win32::test {
namespace {

class ThemeFileSystemTest : public ::testing::Test {
protected:
    ThemeTempFolder folder_;
    Win32FileSystem files_;
};

TEST_F(ThemeFileSystemTest, NormalReadOnlyAndArchiveFilesCount) {
    EXPECT_TRUE(files_.IsNormalFile(folder_.Write("plain.vlr", "x")));
    EXPECT_TRUE(files_.IsNormalFile(folder_.Write("ro.vlr", "x", FILE_ATTRIBUTE_READONLY)));
    EXPECT_TRUE(files_.IsNormalFile(folder_.Write("arch.vlr", "x", FILE_ATTRIBUTE_ARCHIVE)));
    EXPECT_TRUE(files_.IsNormalFile(folder_.Write("empty.vlr", "")));
}

TEST_F(ThemeFileSystemTest, FoldersHiddenAndSystemFilesDoNot) {
    EXPECT_FALSE(files_.IsNormalFile(folder_.MakeFolder("folder.vlr")));
    EXPECT_FALSE(files_.IsNormalFile(folder_.Write("hidden.vlr", "x", FILE_ATTRIBUTE_HIDDEN)));
    EXPECT_FALSE(files_.IsNormalFile(folder_.Write("system.vlr", "x", FILE_ATTRIBUTE_SYSTEM)));
}

TEST_F(ThemeFileSystemTest, MissingEmptyAndWildcardPathsNameNoFile) {
    folder_.Write("blue.vlr", "x");
    EXPECT_FALSE(files_.IsNormalFile(folder_.Path() + "\\missing.vlr"));
    EXPECT_FALSE(files_.IsNormalFile(""));
    EXPECT_FALSE(files_.IsNormalFile(folder_.Path() + "\\*.vlr"));
    EXPECT_FALSE(files_.IsNormalFile(folder_.Path() + "\\blu?.vlr"));
    EXPECT_FALSE(files_.IsNormalFile(folder_.Path() + "\\blue.vlr\\"));
    EXPECT_TRUE(files_.IsNormalFile(folder_.Path() + "\\BLUE.VLR"));
}

TEST_F(ThemeFileSystemTest, ReadsEveryByte) {
    std::string bytes(70000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
    EXPECT_EQ(files_.ReadFile(folder_.Write("bytes.vlr", bytes)), bytes);
    EXPECT_EQ(files_.ReadFile(folder_.Write("empty.vlr", "")), std::string());
    EXPECT_EQ(files_.ReadFile(folder_.Write("hidden.vlr", "h", FILE_ATTRIBUTE_HIDDEN)), "h");
}

TEST_F(ThemeFileSystemTest, NothingToReadFromAMissingFileOrAFolder) {
    EXPECT_EQ(files_.ReadFile(folder_.Path() + "\\missing.vlr"), std::nullopt);
    EXPECT_EQ(files_.ReadFile(folder_.MakeFolder("folder")), std::nullopt);
}

}  // namespace
}  // namespace velmora::win32::test
