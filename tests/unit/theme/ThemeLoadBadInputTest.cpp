// Theme files that are not what a theme file should be load without harm, by the rules.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "platform/Platform.h"
#include "tests/support/MemoryFileSystem.h"
#include "theme/PortableProfileReader.h"
#include "theme/clsVelmora.h"

namespace velmora::test {
namespace {

constexpr char kFile[] = "C:\\Themes\\Bad\\bad.vlr";

std::string Junk(std::size_t size, std::uint32_t seed) {
    std::string junk(size, '\0');
    for (char& c : junk) {
        seed = seed * 1664525u + 1013904223u;
        c = static_cast<char>(seed >> 24);
    }
    return junk;
}

Platform Ports(FileSystem* files, ProfileReader* profile) {
    Platform platform;
    platform.files = files;
    platform.profile = profile;
    return platform;
}

class ThemeLoadBadInputTest : public ::testing::Test {
protected:
    ThemeLoadBadInputTest() {
        theme_.SetAuthor("earlier author");
        theme_.SetWUCaption("earlier caption");
    }

    bool Load(std::string bytes) {
        files_.AddFile(kFile, std::move(bytes));
        return theme_.LoadVelmora(kFile);
    }

    MemoryFileSystem files_;
    PortableProfileReader reader_{files_};
    clsVelmora theme_{Ports(&files_, &reader_)};
};

TEST_F(ThemeLoadBadInputTest, AnEmptyFileLoadsAsAnUntitledEmptyTheme) {
    ASSERT_TRUE(Load(""));
    EXPECT_EQ(theme_.ThemeTitle(), "[Untitled]");
    EXPECT_EQ(theme_.Author(), "");
    EXPECT_EQ(theme_.WUCaption(), "earlier caption");
    EXPECT_EQ(theme_.InstallDir(), "C:\\Themes\\Bad");
}

TEST_F(ThemeLoadBadInputTest, BinaryJunkAroundASectionLoadsWhatTheSectionHolds) {
    // Each junk part ends with a line end so that the section header starts a line.
    ASSERT_TRUE(Load(Junk(65536, 1) + "\r\n[Velmora]\r\nThemeTitle=Junk\r\nAuthor='A'\r\n" +
                     Junk(65536, 2)));
    EXPECT_EQ(theme_.ThemeTitle(), "Junk");
    EXPECT_EQ(theme_.Author(), "A");
}

TEST_F(ThemeLoadBadInputTest, PureBinaryJunkLoads) {
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        EXPECT_TRUE(Load(Junk(4096 + seed * 977, seed))) << seed;
        EXPECT_LE(theme_.ThemeTitle().size(), 254u);
    }
}

TEST_F(ThemeLoadBadInputTest, ATenMegabyteFileLoadsItsKeys) {
    std::string text = "[Velmora]\r\nAuthor=First\r\n";
    const std::string filler = "Filler=" + std::string(90, 'f') + "\r\n";
    while (text.size() < 10 * 1024 * 1024) text += filler;
    text += "ThemeTitle=Big\r\nAuthor=Second\r\n";
    ASSERT_TRUE(Load(std::move(text)));
    EXPECT_EQ(theme_.ThemeTitle(), "Big");
    EXPECT_EQ(theme_.Author(), "First");
}

TEST_F(ThemeLoadBadInputTest, AHundredThousandCharacterLineIsCutAndTheNextLineRead) {
    ASSERT_TRUE(Load("[Velmora]\nDescription=" + std::string(100000, 'd') +
                     "\nHomePage=%InstallDir%\\" + std::string(100000, 'h') +
                     "\nThemeTitle=Long\n"));
    EXPECT_EQ(theme_.Description(), std::string(254, 'd'));
    EXPECT_EQ(theme_.HomePage(), "C:\\Themes\\Bad\\" + std::string(254 - 13, 'h'));
    EXPECT_EQ(theme_.ThemeTitle(), "Long");
}

TEST_F(ThemeLoadBadInputTest, NulBytesCutValuesWithoutEndingTheFile) {
    using namespace std::string_literals;
    ASSERT_TRUE(Load("[Velmora]\nThemeTitle=Nul\0hidden\nAuthor=\0\nEmail=e\n"s));
    EXPECT_EQ(theme_.ThemeTitle(), "Nul");
    EXPECT_EQ(theme_.Author(), "");
    EXPECT_EQ(theme_.Email(), "e");
}

}  // namespace
}  // namespace velmora::test
