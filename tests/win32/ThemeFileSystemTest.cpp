// The file port on real files: which listings count as a normal file, and whole-file reads.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/win32/Win32FileSystem.h"
#include "tests/win32/ThemeTempFolder.h"

namespace velmora::win32::test {
namespace {

TEST(ThemeFileSystem, OnlyFilesThatAreNeitherHiddenNorSystemAreNormal) {
    ThemeTempFolder folder;
    Win32FileSystem files;
    const struct {
        const char* name;
        DWORD attributes;
        bool normal;
    } cases[] = {{"plain.vlr", FILE_ATTRIBUTE_NORMAL, true},
                 {"ro.vlr", FILE_ATTRIBUTE_READONLY, true},
                 {"arch.vlr", FILE_ATTRIBUTE_ARCHIVE, true},
                 {"hidden.vlr", FILE_ATTRIBUTE_HIDDEN, false},
                 {"system.vlr", FILE_ATTRIBUTE_SYSTEM, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(files.IsNormalFile(folder.Write(c.name, "x", c.attributes)), c.normal) << c.name;
    }
    EXPECT_TRUE(files.IsNormalFile(folder.Path() + "\\PLAIN.VLR"));
    EXPECT_FALSE(files.IsNormalFile(folder.MakeFolder("folder.vlr")));
    for (const char* name : {"\\missing.vlr", "\\*.vlr", "\\plai?.vlr", "\\plain.vlr\\"}) {
        EXPECT_FALSE(files.IsNormalFile(folder.Path() + name)) << name;
    }
    EXPECT_FALSE(files.IsNormalFile(""));
}

TEST(ThemeFileSystem, ReadsEveryByteOfAFileAndNothingFromAFolder) {
    ThemeTempFolder folder;
    Win32FileSystem files;
    std::string bytes(70000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
    EXPECT_EQ(files.ReadFile(folder.Write("bytes.vlr", bytes)), bytes);
    EXPECT_EQ(files.ReadFile(folder.Write("empty.vlr", "")), std::string());
    EXPECT_EQ(files.ReadFile(folder.Write("hidden.vlr", "h", FILE_ATTRIBUTE_HIDDEN)), "h");
    EXPECT_EQ(files.ReadFile(folder.Path() + "\\missing.vlr"), std::nullopt);
    EXPECT_EQ(files.ReadFile(folder.MakeFolder("folder")), std::nullopt);
}

}  // namespace
}  // namespace velmora::win32::test
