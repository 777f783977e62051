// LoadVelmora over the real profile function on theme files holding the awkward things people
// put in them. How Windows reads a file is its own business; what the load makes of it is
// ours. The native tests read through the in-memory profile, which these files keep honest:
// names in any letter case, the 254-character cut.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/Platform.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32ProfileReader.h"
#include "tests/win32/ThemeTempFolder.h"
#include "theme/clsVelmora.h"

namespace velmora::win32::test {
namespace {

using namespace std::string_literals;

// Bytes of every value, NULs and line ends among them, made the same way on every run.
std::string Junk(std::size_t size) {
    std::string junk(size, '\0');
    std::uint32_t seed = 7;
    for (char& c : junk) c = static_cast<char>((seed = seed * 1664525u + 1013904223u) >> 24);
    return junk;
}

TEST(Win32ThemeLoad, AwkwardFilesLoadAsTheThemeTheySay) {
    const std::string a248(248, 'a');
    struct Row {
        const char* what;
        std::string bytes;
        const char* title;
        std::string homePage;  // "{dir}" at its start: the theme file's folder
        std::string description;
    };
    const Row rows[] = {
        {"quotes around values",
         "[Velmora]\r\nThemeTitle=\"Ocean\"\r\nHomePage='%InstallDir%\\start.htm'\r\n"
         "Description=\"half quoted\r\n",
         "Ocean", "{dir}\\start.htm", "\"half quoted"},
        {"blanks around names and values, names in other letter case",
         "  [ velmora ]  \r\n  THEMETITLE \t=\t Blue Sky \t\r\n"
         " homepage = %installdir%\\ start.htm \r\n",
         "Blue Sky", "{dir}\\ start.htm", ""},
        {"duplicate keys and sections: the first counts",
         "[Velmora]\r\nThemeTitle=First\r\nThemeTitle=Second\r\n[Other]\r\n[Velmora]\r\n"
         "Description=second section\r\n",
         "First", "", ""},
        {"values longer than 254 characters",
         "[Velmora]\r\nDescription=" + std::string(300, 'd') + "\r\nHomePage=" + a248 +
             "%InstallDir%\\start.htm\r\nThemeTitle=Long\r\n",
         "Long", a248 + "%Insta", std::string(254, 'd')},
        {"no [Velmora] section", "[Other]\r\nThemeTitle=Other\r\n", "[Untitled]", "", ""},
        {"binary junk and NULs",
         "; junk\r\n" + Junk(4096) +
             "\r\n[Velmora]\r\nThemeTitle=Junk\r\nDescription=A\0hidden\r\n"s + Junk(4096),
         "Junk", "", "A"},
    };

    ThemeTempFolder folder;
    Win32FileSystem files;
    Win32ProfileReader profile;
    Platform platform;
    platform.files = &files;
    platform.profile = &profile;
    int index = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        clsVelmora theme(platform);
        EXPECT_TRUE(
            theme.LoadVelmora(folder.Write("case" + std::to_string(index++) + ".vlr", row.bytes)));
        EXPECT_EQ(theme.ThemeTitle(), row.title);
        std::string homePage = row.homePage;
        if (homePage.rfind("{dir}", 0) == 0) homePage.replace(0, 5, folder.Path());
        EXPECT_EQ(theme.HomePage(), homePage);
        EXPECT_EQ(theme.Description(), row.description);
    }
}

}  // namespace
}  // namespace velmora::win32::test
