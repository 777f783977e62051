// The throbber flag (bit 3 of byte 16) of the four toolbar layouts, as the apply sets it from
// the theme's thumper words and as the Edit menu's throbber entries switch it.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>

#include "browser/BrowserDefaults.h"
#include "browser/Repairs.h"
#include "tests/support/TestPlatform.h"
#include "theme/clsVelmora.h"

namespace velmora::test {
namespace {

using namespace browser;
const std::pair<const char*, const char*> kLayouts[] = {{kWebBrowserToolbarKey, kLayoutValue},
                                                        {kToolbarKey, kTheaterLayoutValue},
                                                        {kShellBrowserToolbarKey, kLayoutValue},
                                                        {kExplorerToolbarKey, kLayoutValue}};
constexpr int kNone = -1, kShort = -2;  // a missing layout, one of only 16 bytes

TEST(ThrobberFlagsTest, EachLayoutFollowsItsThumperOrTheMenuAndIsWrittenOnlyOnChange) {
    // clang-format off
    const struct {
        const char* how;                   // "apply" the thumper words, or the menu "on", "off"
        std::array<const char*, 4> words;  // Web, Theater, Shell and ExplorerThumper
        std::array<int, 4> before;         // byte 16 of each layout
        std::string after;                 // each as stored: "size:byte 16", "-" for none
        std::size_t writes;
    } rows[] = {
        // "No" in any case clears the flag, any other word (none too) sets it.
        {"apply", {"", "Yes", "NO", "x"}, {0x20, 0x28, 0x2C, 0x00}, "17:28 17:28 17:24 17:08", 3},
        {"apply", {"no", "None", "No", "No"}, {0x20, 0x20, 0xFF, 0x08}, "17:20 17:28 17:F7 17:00",
         3},
        // Too short or missing, a layout is left alone, and none is created ...
        {"apply", {"No", "", "", ""}, {kNone, kShort, kShort, kNone}, "- 16: 16: -", 0},
        // ... but a missing theater or shell one, which starts from the browser's as the first
        // step left it.
        {"apply", {"No", "", "No", ""}, {0x28, kNone, kNone, kNone}, "17:20 17:28 - -", 2},
        {"apply", {"No", "", "", ""}, {0x28, 0x28, kNone, kNone}, "17:20 17:28 17:28 -", 2},
        // The menu: a missing layout counts as the thick default, which shows the throbber.
        {"on", {}, {0x17, 0x1F, kShort, 0x00}, "17:1F 17:1F 16: 17:08", 2},
        {"on", {}, {kNone, kNone, kNone, kNone}, "- - - -", 0},
        {"off", {}, {0x1F, kNone, kShort, 0x17}, "17:17 564:17 16: 17:17", 2},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.after);
        TestPlatform t;
        for (int i = 0; i < 4; ++i) {
            if (row.before[i] == kNone) continue;
            Bytes layout(row.before[i] == kShort ? 16 : 17);  // 17: the least that holds it
            for (std::size_t b = 0; b < layout.size(); ++b)
                layout[b] = static_cast<std::uint8_t>(b);
            if (row.before[i] >= 0) layout[16] = static_cast<std::uint8_t>(row.before[i]);
            t.Seed(kLayouts[i].first, kLayouts[i].second, layout);
        }
        const std::size_t before = t.Writes();
        if (std::string(row.how) == "apply") {
            t.AddTheme("C:\\t.vlr",
                       {{"WebThumper", row.words[0]}, {"TheaterThumper", row.words[1]},
                        {"ShellThumper", row.words[2]}, {"ExplorerThumper", row.words[3]}});
            clsVelmora theme(t.platform);
            // Whatever the switches say.
            for (auto off : {&clsVelmora::SetApply_ToolbarSkin, &clsVelmora::SetApply_Throbbers,
                             &clsVelmora::SetApply_HomePage, &clsVelmora::SetApply_TipsPage,
                             &clsVelmora::SetApply_SearchBar, &clsVelmora::SetApply_StyleExtension,
                             &clsVelmora::SetApply_Sounds, &clsVelmora::SetApply_InfoPage})
                (theme.*off)(false);
            ASSERT_TRUE(theme.ApplyTheme("C:\\t.vlr"));
            EXPECT_EQ(t.Writes() - before - 1, row.writes);  // the mark is written too
        } else {
            SetThrobbers(t.platform, std::string(row.how) == "on");
            EXPECT_EQ(t.Writes() - before, row.writes);
        }
        std::string after;
        for (const auto& [key, name] : kLayouts) {
            const Bytes stored = t.ReadBytes(key, name);
            char flag[4] = "";
            if (stored.size() > 16) std::snprintf(flag, sizeof flag, "%02X", stored[16]);
            after += stored.empty() ? "- " : std::to_string(stored.size()) + ":" + flag + " ";
            // Every other byte stays (a created layout is the browser's, or the default).
            for (std::size_t b = 0; stored.size() <= 17 && b < stored.size(); ++b)
                EXPECT_TRUE(b == 16 || stored[b] == b) << key;
        }
        EXPECT_EQ(after, row.after + " ");
    }
}

}  // namespace
}  // namespace velmora::test
