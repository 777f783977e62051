// The portable profile reader gives what the platform's function gives for the same file.
#include <gtest/gtest.h>

#include "tests/support/MemoryFileSystem.h"
#include "tests/support/ProfileReaderCases.h"
#include "theme/PortableProfileReader.h"

namespace velmora::test {
namespace {

constexpr char kPath[] = "C:\\Themes\\Blue\\blue.vlr";

class PortableProfileReaderTest : public ::testing::Test {
protected:
    std::string Read(const std::string& key, const std::string& path = kPath) {
        return reader_.ReadString("Velmora", key, "", 255, path);
    }

    MemoryFileSystem files_;
    PortableProfileReader reader_{files_};
};

TEST_F(PortableProfileReaderTest, ReadsEveryMeasuredCaseAsThePlatformDoes) {
    int index = 0;
    for (const ProfileReaderCase& c : ProfileReaderCases()) {
        const std::string path = "C:\\Cases\\case" + std::to_string(index++) + ".ini";
        files_.AddFile(path, c.file);
        EXPECT_EQ(reader_.ReadString(c.section, c.key, c.defaultValue, c.bufferSize, path),
                  c.expected)
            << c.what;
    }
}

TEST_F(PortableProfileReaderTest, AFileThatCannotBeReadGivesTheDefault) {
    EXPECT_EQ(reader_.ReadString("Velmora", "Title", "dflt", 255, kPath), "dflt");
    files_.AddFolder("C:\\Themes\\Folder.vlr");
    EXPECT_EQ(reader_.ReadString("Velmora", "Title", "dflt  ", 255, "C:\\Themes\\Folder.vlr"),
              "dflt");
}

TEST_F(PortableProfileReaderTest, ABareFileNameIsLookedForElsewhere) {
    // The platform looks for a file named without a folder in the Windows folder, not in the
    // current one; such a file is never the theme file the caller listed.
    files_.AddFile("blue.vlr", "[Velmora]\nTitle=Ocean\n");
    EXPECT_EQ(Read("Title", "blue.vlr"), "");
}

TEST_F(PortableProfileReaderTest, HiddenFilesAreReadLikeAnyOther) {
    files_.AddFile(kPath, "[Velmora]\nTitle=Ocean\n", MemoryFileSystem::kHidden);
    EXPECT_EQ(Read("Title"), "Ocean");
}

TEST_F(PortableProfileReaderTest, SeesTheFileAsItIsAtEachRead) {
    files_.AddFile(kPath, "[Velmora]\nTitle=Ocean\n");
    EXPECT_EQ(Read("Title"), "Ocean");
    files_.AddFile(kPath, "[Velmora]\nTitle=Autumn\n");
    EXPECT_EQ(Read("Title"), "Autumn");
    files_.AddFile("C:\\Themes\\Aqua\\aqua.vlr", "[Velmora]\nTitle=Aqua\n");
    EXPECT_EQ(Read("Title", "C:\\Themes\\Aqua\\aqua.vlr"), "Aqua");
    EXPECT_EQ(Read("Title"), "Autumn");
    files_.Remove(kPath);
    EXPECT_EQ(Read("Title"), "");
}

TEST_F(PortableProfileReaderTest, AZeroBufferCopiesNothing) {
    files_.AddFile(kPath, "[Velmora]\nTitle=Ocean\n");
    EXPECT_EQ(reader_.ReadString("Velmora", "Title", "dflt", 0, kPath), "");
}

TEST_F(PortableProfileReaderTest, NamesEndAtANulAsThePlatformsTextsDo) {
    files_.AddFile(kPath, "[Velmora]\nTitle=Ocean\n");
    EXPECT_EQ(reader_.ReadString(std::string("Velmora\0x", 9), std::string("Title\0x", 7), "", 255,
                                 kPath),
              "Ocean");
}

TEST_F(PortableProfileReaderTest, HalfHeadersAndBareNamesAreKeysOfTheirOwnLines) {
    // Each line is searched for "]" and "=" only within itself; searching on through the rest
    // of the file would make this file take hours.
    std::string text;
    for (int i = 0; i < 200000; ++i) text += "[x\nx\n";
    files_.AddFile(kPath, text + "[Velmora]\nTitle=end\n");
    EXPECT_EQ(Read("Title"), "end");
}

}  // namespace
}  // namespace velmora::test
