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
    std::string Read(const std::string& path = kPath, const std::string& fallback = "",
                     std::size_t size = 255) {
        return reader_.ReadString("Velmora", "Title", fallback, size, path);
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

TEST_F(PortableProfileReaderTest, FindsFilesAsThePlatformDoes) {
    files_.AddFile(kPath, "[Velmora]\nTitle=Ocean\n", MemoryFileSystem::kHidden);
    EXPECT_EQ(Read(), "Ocean");  // hidden files are read like any other
    // A bare file name is looked for in the Windows folder: never the theme file listed.
    files_.AddFile("blue.vlr", "[Velmora]\nTitle=Ocean\n");
    EXPECT_EQ(Read("blue.vlr"), "");
    files_.AddFolder("C:\\Themes\\Folder.vlr");
    EXPECT_EQ(Read("C:\\Themes\\Folder.vlr", "dflt  "), "dflt");
    EXPECT_EQ(Read("C:\\Themes\\missing.vlr", "dflt"), "dflt");
    EXPECT_EQ(Read(kPath, "dflt", 0), "");  // a zero buffer copies nothing
    // Names end at a NUL as the platform's texts do.
    EXPECT_EQ(reader_.ReadString(std::string("Velmora\0x", 9), std::string("Title\0x", 7), "", 255,
                                 kPath),
              "Ocean");
}

TEST_F(PortableProfileReaderTest, SeesTheFileAsItIsAtEachRead) {
    files_.AddFile(kPath, "[Velmora]\nTitle=Ocean\n");
    EXPECT_EQ(Read(), "Ocean");
    files_.AddFile(kPath, "[Velmora]\nTitle=Autumn\n");
    EXPECT_EQ(Read(), "Autumn");
    files_.AddFile("C:\\Themes\\Aqua\\aqua.vlr", "[Velmora]\nTitle=Aqua\n");
    EXPECT_EQ(Read("C:\\Themes\\Aqua\\aqua.vlr"), "Aqua");
    EXPECT_EQ(Read(), "Autumn");
    files_.Remove(kPath);
    EXPECT_EQ(Read(), "");
}

TEST_F(PortableProfileReaderTest, HalfHeadersAndBareNamesAreKeysOfTheirOwnLines) {
    // Searching on for "]" or "=" through the rest of the file would make this take hours.
    std::string text;
    for (int i = 0; i < 200000; ++i) text += "[x\nx\n";
    files_.AddFile(kPath, text + "[Velmora]\nTitle=end\n");
    EXPECT_EQ(Read(), "end");
}

}  // namespace
}  // namespace velmora::test
