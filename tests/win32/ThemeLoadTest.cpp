// LoadVelmora over the real ports on real theme files holding the awkward things people put
// in them. How Windows reads a file is its own business; what the load makes of it is ours.
// The native tests read through the in-memory profile, which these files keep honest: names
// in any letter case, the 254-character cut.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <optional>
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

// "{dir}" in an expected text stands for the folder the theme file is written to.
std::string InFolder(std::string text, const std::string& folder) {
    const std::size_t at = text.find("{dir}");
    return at == std::string::npos ? text : text.replace(at, 5, folder);
}

TEST(Win32ThemeLoad, AwkwardFilesLoadAsTheThemeTheySay) {
    const std::string a248(248, 'a');
    struct Row {
        const char* what;
        std::optional<std::string> bytes;  // nothing: no file at all
        bool loaded;
        // Expected properties. Before each load the record holds "earlier" in ThemeTitle,
        // OnlineHelpURL and WUCaption.
        const char* title;
        const char* author;
        std::string homePage;
        std::string description;
        const char* help;
        const char* caption;
    };
    const Row rows[] = {
        {"quotes around values",
         "[Velmora]\r\nThemeTitle=\"Ocean\"\r\nAuthor='Marina Salt'\r\n"
         "HomePage=\"%InstallDir%\\start.htm\"\r\nDescription=\"half quoted\r\n"
         "OnlineHelpURL=\"\"\r\nWUCaption=''\r\n",
         true, "Ocean", "Marina Salt", "{dir}\\start.htm", "\"half quoted", "earlier", "earlier"},
        {"blanks around names and values, names in other letter case",
         "  [ velmora ]  \r\n  THEMETITLE \t=\t Blue Sky \t\r\nauthor =   \r\n"
         " homepage = %installdir%\\ start.htm \r\nOnlineHelpURL = http://help/ \r\n",
         true, "Blue Sky", "", "{dir}\\ start.htm", "", "http://help/", "earlier"},
        {"duplicate keys and sections: the first counts",
         "[Velmora]\r\nThemeTitle=First\r\nThemeTitle=Second\r\nAuthor=\r\nAuthor=Hidden\r\n"
         "WUCaption=Mine\r\n[Other]\r\n[Velmora]\r\nDescription=second section\r\n",
         true, "First", "", "", "", "earlier", "Mine"},
        {"values longer than 254 characters",
         "[Velmora]\r\nDescription=" + std::string(300, 'd') + "\r\nHomePage=" + a248 +
             "%InstallDir%\\start.htm\r\nThemeTitle=Long\r\n",
         true, "Long", "", a248 + "%Insta", std::string(254, 'd'), "earlier", "earlier"},
        {"no [Velmora] section", "[Other]\r\nThemeTitle=Other\r\nAuthor=Me\r\n", true, "[Untitled]",
         "", "", "", "earlier", "earlier"},
        {"binary junk and NULs",
         "; junk\r\n" + Junk(4096) + "\r\n[Velmora]\r\nThemeTitle=Junk\r\nAuthor=A\0hidden\r\n"s +
             Junk(4096),
         true, "Junk", "A", "", "", "earlier", "earlier"},
        {"empty file", ""s, true, "[Untitled]", "", "", "", "earlier", "earlier"},
        {"no file", std::nullopt, false, "earlier", "", "", "", "earlier", "earlier"},
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
        const std::string name = "case" + std::to_string(index++) + ".vlr";
        const std::string path =
            row.bytes ? folder.Write(name, *row.bytes) : folder.Path() + "\\" + name;
        clsVelmora theme(platform);
        theme.SetThemeTitle("earlier");
        theme.SetOnlineHelpURL("earlier");
        theme.SetWUCaption("earlier");
        EXPECT_EQ(theme.LoadVelmora(path), row.loaded);
        EXPECT_EQ(theme.ThemeTitle(), row.title);
        EXPECT_EQ(theme.Author(), row.author);
        EXPECT_EQ(theme.HomePage(), InFolder(row.homePage, folder.Path()));
        EXPECT_EQ(theme.Description(), row.description);
        EXPECT_EQ(theme.OnlineHelpURL(), row.help);
        EXPECT_EQ(theme.WUCaption(), row.caption);
        EXPECT_EQ(theme.InstallDir(), row.loaded ? folder.Path() : "");
    }
}

}  // namespace
}  // namespace velmora::win32::test
