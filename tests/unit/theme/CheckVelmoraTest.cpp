// The theme check: one broken theme per row, its findings and exit code as data.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TestPlatform.h"
#include "theme/CheckVelmora.h"

namespace velmora::test {
namespace {

constexpr char kFile[] = "C:\\T\\t.vlr";

// A bitmap file's first bytes: info header length, width, height, planes, depth.
std::string Bitmap(unsigned header, int width, int height, int planes = 1, int depth = 24) {
    std::string b(14 + header + 4, '\0');
    const auto put = [&b](std::size_t at, long value, int count) {
        for (int i = 0; i < count; ++i) b[at + i] = char((value >> (8 * i)) & 0xFF);
    };
    b[0] = 'B', b[1] = 'M';
    put(10, 14 + header, 4), put(14, header, 4);
    const int wide = header == 12 ? 2 : 4;
    put(18, width, wide), put(18 + wide, height, wide);
    put(18 + 2 * wide, planes, 2), put(20 + 2 * wide, depth, 2);
    return b;
}

TEST(CheckVelmora, OneBrokenThemePerRow) {
    const std::string wav = std::string("RIFF\x04\0\0\0WAVE", 12);
    const std::string good = Bitmap(40, 20, 60);
    struct Row {
        MemoryProfile::Keys keys;  // also the file's lines, in this order
        std::vector<std::string> lines;
        int code;
        std::string extra = "";  // more lines of the file, after the keys
    };
    // clang-format off
    const Row rows[] = {
        {{{"ThemeTitle", "T"}, {"BackBitmap", "%InstallDir%\\good.bmp"}, {"AniLarge", "C:\\T\\good.bmp"},
          {"AniSmall", "C:\\T\\core.bmp"}, {"BrandSmall", "C:\\T\\down.bmp"}, {"Navigate", "C:\\T\\s.wav"},
          {"HomePage", "HTTPS://x/"}, {"SearchURL", "http://x/?q="}, {"TipsPage", "C:\\T\\s.wav"},
          {"StyleFile", "C:\\T\\s.wav"}, {"WESkin", "none"}, {"WebThumper", "No"}}, {}, 0,
         "; a comment\r\n[Other]\r\nTitel=x\r\nThemeTitle=y\r\n"},
        {{{"BackBitmap", "C:\\T\\gone.bmp"}},
         {"warning: There is no ThemeTitle: the theme is listed as \"[Untitled]\".",
          "error: BackBitmap names C:\\T\\gone.bmp, which is missing."}, 2},
        {{{"ThemeTitle", "T"}, {"WESkin", "C:\\T\\s.wav"}, {"BrandLarge", "C:\\T\\flat.bmp"},
          {"AniSmall", "C:\\T\\deep.bmp"}, {"BrandSmall", "C:\\T\\wide.bmp"}},
         {"error: WESkin names C:\\T\\s.wav, which is not a Windows bitmap.",
          "error: BrandLarge names C:\\T\\flat.bmp, which is not a Windows bitmap.",
          "error: AniSmall names C:\\T\\deep.bmp, which is not a Windows bitmap.",
          "error: BrandSmall names C:\\T\\wide.bmp, which is not a Windows bitmap."}, 2},
        {{{"ThemeTitle", "T"}, {"AniLarge", "C:\\T\\odd.bmp"}},
         {"warning: AniLarge names C:\\T\\odd.bmp, a strip 20 x 50 pixels: its height is not a "
          "whole number of square cells."}, 1},
        {{{"ThemeTitle", "T"}, {"New_Mail", "C:\\T\\good.bmp"}, {"Navigate", "None"},
          {"StyleLogo", "C:\\T\\gone.gif"}},
         {"error: New_Mail names C:\\T\\good.bmp, which is not a WAV sound.",
          "error: Navigate names None, which is missing.",
          "error: StyleLogo names C:\\T\\gone.gif, which is missing."}, 2},
        {{{"ThemeTitle", "T"}, {"HomePage", "start.htm"}, {"SearchBar", "ftp://x/"},
          {"OnlineHelpURL", "file://C:/T/s.wav"}},
         {"warning: HomePage names start.htm, which is neither a file that exists nor an http(s) address.",
          "warning: SearchBar names ftp://x/, which is neither a file that exists nor an http(s) address.",
          "warning: OnlineHelpURL names file://C:/T/s.wav, which is neither a file that exists nor "
          "an http(s) address."}, 1},
        {{{"ThemeTitle", "T"}, {"Titel", "x"}, {" themetitle ", "U"}}, {
          "warning: Line 4: \"Titel\" is not a theme key (a typing error?).",
          "warning: Line 5: \"themetitle\" stands twice; the first one counts."}, 1},
    };
    // clang-format on
    for (const Row& row : rows) {
        TestPlatform t;
        std::string text = "[velmora]\r\n\r\n";
        for (const auto& [name, value] : row.keys) text += name + "=" + value + "\n";
        SCOPED_TRACE(text);
        t.files.AddFile(kFile, text + row.extra);
        t.profile.SetSection(kFile, "Velmora", row.keys);
        t.files.AddFile("C:\\T\\good.bmp", good);
        t.files.AddFile("C:\\T\\core.bmp", Bitmap(12, 16, 64));
        t.files.AddFile("C:\\T\\down.bmp", Bitmap(124, 16, -16, 1, 32));
        t.files.AddFile("C:\\T\\odd.bmp", Bitmap(40, 20, 50));
        t.files.AddFile("C:\\T\\flat.bmp", Bitmap(40, 20, 20, 2));
        t.files.AddFile("C:\\T\\deep.bmp", Bitmap(40, 20, 20, 1, 3));
        t.files.AddFile("C:\\T\\wide.bmp", Bitmap(40, 0, 20));
        t.files.AddFile("C:\\T\\s.wav", wav);
        const std::vector<ThemeFinding> findings = CheckVelmora(t.platform, kFile);
        std::vector<std::string> lines;
        for (const ThemeFinding& finding : findings) lines.push_back(FindingLine(finding));
        EXPECT_EQ(lines, row.lines);
        EXPECT_EQ(WorstSeverityCode(findings), row.code);
    }
    TestPlatform t;
    EXPECT_EQ(FindingLine(CheckVelmora(t.platform, kFile).at(0)),
              "error: There is no theme file at C:\\T\\t.vlr.");
}

}  // namespace
}  // namespace velmora::test
