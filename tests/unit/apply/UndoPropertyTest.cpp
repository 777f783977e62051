// Undo as a property: from many random registry states, every change the program makes to the
// browser, then undo, leaves each value it may touch exactly as it was, bit for bit.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <random>

#include "browser/BrowserDefaults.h"
#include "browser/DefaultToolbarLayout.h"
#include "browser/Repairs.h"
#include "browser/UndoRecord.h"
#include "tests/support/TestPlatform.h"
#include "theme/clsVelmora.h"

namespace velmora::test {
namespace {

// A value as the registry holds it: kind and bytes; "absent" when it is not there.
std::string Raw(MemoryRegistry& api, const TouchedValue& value) {
    RegHandle key = 0;
    std::uint32_t kind = 0, size = 4096;
    std::uint8_t data[4096];
    if (api.OpenKeyEx(value.root, value.key, kKeyRead, &key) != kErrorSuccess) return "absent";
    const long result = api.QueryValueEx(key, value.name, &kind, data, &size);
    api.CloseKey(key);
    if (result != kErrorSuccess) return "absent";
    return std::to_string(kind) + ":" + std::string(data, data + size);
}

TEST(UndoProperty, EveryChangeThenUndoRestoresEveryTouchedValueExactly) {
    const std::pair<const char*, std::function<void(TestPlatform&)>> changes[] = {
        {"apply", [](TestPlatform& t) { clsVelmora(t.platform).ApplyTheme("C:\\T\\t.vlr"); }},
        {"reset", [](TestPlatform& t) { RestoreBrowserDefaults(t.platform); }},
        {"throbbers off", [](TestPlatform& t) { SetThrobbers(t.platform, false); }},
        {"thin layout", [](TestPlatform& t) { WriteDefaultToolbarLayouts(t.platform, kThinLayout); }},
        {"placement", [](TestPlatform& t) { ForgetWindowPlacement(t.platform); }},
        {"stylesheet", [](TestPlatform& t) { SwitchStylesheet(t.platform); }},
        {"lock", [](TestPlatform& t) { LockHomePage(t.platform, true); }},
        {"skin", [](TestPlatform& t) { SetToolbarBackground(t.platform, "C:\\T\\s.bmp"); }},
    };
    // Every key of the theme given, the pictures' "None" deleting half of them.
    MemoryProfile::Keys keys = {{"ThemeTitle", "T"}, {"StyleType", "1"}, {"IgnoreColors", "1"},
                                {"WESkin", "None"},  {"BrandLarge", "None"}, {"WUCaption", "None"}};
    for (const char* name : {"BackBitmap", "AniLarge", "AniSmall", "BrandSmall", "Title", "HomePage",
                             "LocalPage", "SearchBar", "SearchPage", "SearchURL", "SearchAssistant",
                             "CustomizeSearch", "DiscussionPage", "TipsPage", "OpenIExplore",
                             "OpenExplorer", "Activate", "New_Mail", "Navigate", "NewAlert",
                             "ContactOnline", "MSMessenger", "NewMessage", "StyleFile",
                             "OnlineHelpURL", "WebThumper"})
        keys.push_back({name, std::string("C:\\T\\") + name});
    std::mt19937 random(19);
    const std::uint32_t kinds[] = {kRegSz, kRegExpandSz, kRegBinary, kRegDword, 7};
    const std::vector<TouchedValue>& values = TouchedValues();
    std::map<std::string, int> changedRounds;
    constexpr int kRounds = 12;
    for (int round = 0; round < kRounds; ++round) {
        for (const auto& [name, change] : changes) {
            SCOPED_TRACE(std::string(name) + " in round " + std::to_string(round));
            TestPlatform t;
            t.AddTheme("C:\\T\\t.vlr", keys);
            std::vector<std::string> before;
            for (const TouchedValue& value : values) {
                if (random() % 3 != 0) {
                    Bytes bytes(random() % (round % 2 ? 600 : 24));
                    for (auto& byte : bytes) byte = std::uint8_t(random() % 4 ? random() : 0);
                    RegHandle key = 0;
                    t.registry.CreateKey(value.root, value.key, &key);
                    bytes.push_back(std::uint8_t(random()));  // what follows the counted bytes
                    t.registry.SetValueEx(key, value.name, kinds[random() % 5], bytes.data(),
                                          std::uint32_t(bytes.size() - 1));
                    t.registry.CloseKey(key);
                }
                before.push_back(Raw(t.registry, value));
            }
            ASSERT_TRUE(RecordUndo(t.platform, name));
            change(t);
            std::vector<std::string> after;
            for (const TouchedValue& value : values) after.push_back(Raw(t.registry, value));
            changedRounds[name] += after != before;
            EXPECT_EQ(UndoCaption(t.platform), name);
            ASSERT_TRUE(UndoLastChange(t.platform));
            after.clear();
            for (const TouchedValue& value : values) after.push_back(Raw(t.registry, value));
            EXPECT_EQ(after, before);
            EXPECT_EQ(UndoCaption(t.platform), std::nullopt);  // one level: the record is gone
            EXPECT_FALSE(UndoLastChange(t.platform));
        }
    }
    // Each change had something to undo in most states (both of a repair's values may be
    // absent already).
    for (const auto& [name, change] : changes) EXPECT_GT(changedRounds[name], kRounds / 2) << name;
}

}  // namespace
}  // namespace velmora::test
