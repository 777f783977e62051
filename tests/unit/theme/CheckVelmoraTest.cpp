// The theme check: one broken theme per row, its findings and exit code as data; the rule
// for an address a theme names.
#include <gtest/gtest.h>

#include "tests/support/TestPlatform.h"
#include "theme/CheckVelmora.h"
#include "theme/WebAddress.h"

namespace velmora::test {
namespace {

// A bitmap file's headers: info header length, width, height, planes, colour depth, compression.
std::string Bitmap(int header, int width, int height, int planes = 1, int depth = 24,
                   int packed = 0) {
    const int size = header == 12 ? 2 : 4;  // of the width and the height
    std::string b = "BM" + std::string(16 + header, '\0');
    const auto put = [&b](int at, long value, int count) {
        for (int i = 0; i < count; ++i) b[at + i] = char(value >> (8 * i));
    };
    put(10, 14 + header, 4), put(14, header, 4), put(18, width, size), put(18 + size, height, size);
    put(18 + 2 * size, planes, 2), put(20 + 2 * size, depth, 2);
    if (header > 12) put(30, packed, 4);
    return b;
}

TEST(CheckVelmora, OneBrokenThemePerRow) {
    const std::pair<const char*, std::string> files[] = {
        {"good.bmp", Bitmap(40, 200, 600)},     {"core.bmp", Bitmap(12, 300, 600, 1, 1)},
        {"v2.bmp", Bitmap(52, 9, 9, 1, 8, 1)},  {"v3.bmp", Bitmap(56, 9, 9, 1, 16)},
        {"v4.bmp", Bitmap(108, 9, 9, 1, 4)},    {"down.bmp", Bitmap(124, 16, -16, 1, 32)},
        {"odd.bmp", Bitmap(40, 300, 750)},      {"flat.bmp", Bitmap(40, 20, 20, 2)},
        {"deep.bmp", Bitmap(40, 20, 20, 1, 3)}, {"wide.bmp", Bitmap(40, 0, 20)},
        {"zero.bmp", Bitmap(40, 20, 0)},        {"s.wav", std::string("RIFF\4\0\0\0WAVEfmt ", 16)}};
    struct Row {
        MemoryProfile::Keys keys;  // also the file's lines (after a stray key and "[velmora]")
        const char* findings;      // each: severity, the sentence's first and last words
    };
    // clang-format off
    const Row rows[] = {
        {{{"ThemeTitle", "T"}, {"BackBitmap", "%InstallDir%\\good.bmp"}, {"AniLarge", "C:\\T\\good.bmp"},
          {"AniSmall", "C:\\T\\core.bmp"}, {"BrandSmall", "C:\\T\\down.bmp"}, {"Navigate", "C:\\T\\s.wav"},
          {"HomePage", "HTTPS://x/"}, {"SearchURL", "http://x/?q="}, {"TipsPage", "C:\\T\\s.wav"},
          {"StyleFile", "C:\\T\\s.wav"}, {"WESkin", "none"}, {"WebThumper", "No"},
          {"BrandLarge", "C:\\T\\v2.bmp"}, {"WebSite", "ftp://x/"}}, ""},
        {{{"BackBitmap", "C:\\T\\gone.bmp"}, {"BrandLarge", "C:\\T\\v3.bmp"}}, "W There \"[Untitled]\".|E BackBitmap missing.|"},
        {{{"ThemeTitle", "T"}, {"WESkin", "C:\\T\\s.wav"}, {"BrandLarge", "C:\\T\\flat.bmp"},
          {"AniSmall", "C:\\T\\deep.bmp"}, {"BrandSmall", "C:\\T\\wide.bmp"}, {"AniLarge", "C:\\T\\zero.bmp"}},
         "E WESkin bitmap.|E AniLarge bitmap.|E BrandLarge bitmap.|E AniSmall bitmap.|E BrandSmall bitmap.|"},
        {{{"ThemeTitle", "T"}, {"AniLarge", "C:\\T\\odd.bmp"}, {"BrandSmall", "C:\\T\\v4.bmp"}}, "W AniLarge cells.|"},
        {{{"ThemeTitle", "T"}, {"New_Mail", "C:\\T\\good.bmp"}, {"Navigate", "None"}},
         "E New_Mail sound.|E Navigate missing.|"},
        {{{"ThemeTitle", "T"}, {"HomePage", "start.htm"}, {"OnlineHelpURL", "ftp://x/"}, {"WebSite", "\\\\s\\x"}},
         "W WebSite opened.|W HomePage address.|W OnlineHelpURL address.|"},
        {{{"ThemeTitle", "T"}, {"Titel", "x"}, {" themetitle ", "U"}}, "W Line6: error?).|W Line7: counts.|"},
    };
    // clang-format on
    for (const Row& row : rows) {
        TestPlatform t;
        std::string text = "Titel=x\r\n[velmora]\r\n\r\n;Titel=a comment\r\n";
        for (const auto& [name, value] : row.keys) text += name + "=" + value + "\n";
        SCOPED_TRACE(text);
        // Keys of another section are no theme's.
        t.files.AddFile("C:\\T\\t.vlr", text + "; note\r\n[Other]\r\nTitel=x\r\nThemeTitle=y\r\n");
        t.profile.SetSection("C:\\T\\t.vlr", "Velmora", row.keys);
        for (const auto& [name, bytes] : files)
            t.files.AddFile(std::string("C:\\T\\") + name, bytes);
        const std::vector<ThemeFinding> findings = CheckVelmora(t.platform, "C:\\T\\t.vlr");
        std::string seen;
        for (const ThemeFinding& f : findings) {
            const std::string& text = f.sentence;
            std::string first = text.substr(0, text.find(' '));
            if (first == "Line") first += text.substr(5, text.find(':') - 4);  // its number
            seen += (f.severity == Severity::Error ? "E " : "W ") + first +
                    text.substr(text.rfind(' ')) + "|";
        }
        EXPECT_EQ(seen, row.findings);
        EXPECT_EQ(WorstSeverityCode(findings),
                  seen.find("E ") != std::string::npos ? 2 : !seen.empty());
    }
    TestPlatform t;  // one sentence whole: the check's report line
    EXPECT_EQ(FindingLine(CheckVelmora(t.platform, "C:\\x.vlr").at(0)),
              "error: There is no theme file at C:\\x.vlr.");
}

// Only a plain web address from a theme ever reaches the shell.
TEST(WebAddress, OnlyPlainWebAddressesAreOpened) {
    const std::pair<const char*, bool> rows[] = {
        {"http://www.example.com/", true},  {"HTTPS://example.com", true},
        {"ftp://files.example.com/a", true}, {"http://", false},
        {"http:///etc/passwd", false},       {"https:\\\\server\\x", false},
        {"file:///C:/setup.exe", false},     {"javascript:alert(1)", false},
        {"C:\\Themes\\setup.exe", false},    {"\\\\server\\share\\a.htm", false},
        {"http://a b/", false},              {"http://a\"b/", false},
        {"http://a\tb/", false},             {"", false},
        {" http://example.com/", false},     {"about:blank", false},
    };
    for (const auto& [text, opens] : rows) EXPECT_EQ(IsWebAddress(text), opens) << text;
}

}  // namespace
}  // namespace velmora::test
