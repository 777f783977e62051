// Undo as a property: from random registry states, every change the program makes to the
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
#include "theme/ThemeFileKeys.h"
#include "theme/clsVelmora.h"

namespace velmora::test {
namespace {

// Every value under both roots, the undo record's aside, as "key|name=kind:bytes".
void Walk(MemoryRegistry& api, RegHandle key, const std::string& path, std::vector<std::string>& out) {
    char name[256];
    std::uint8_t data[4096];
    for (std::uint32_t i = 0;; ++i) {
        std::uint32_t kind = 0, size = sizeof data, length = sizeof name;
        if (api.EnumValue(key, i, name, &length, &kind, data, &size) != kErrorSuccess) break;
        out.push_back(path + "|" + name + "=" + std::to_string(kind) + ":" + std::string(data, data + size));
    }
    for (std::uint32_t i = 0; api.EnumKey(key, i, name, sizeof name) == kErrorSuccess; ++i) {
        RegHandle sub = 0;
        api.OpenKey(key, name, &sub);
        const std::string subPath = path + "\\" + name;
        if (subPath != "\\Software\\Tolvane\\Quenmark\\Undo") Walk(api, sub, subPath, out);
        api.CloseKey(sub);
    }
}

TEST(UndoProperty, EveryChangeThenUndoRestoresEveryTouchedValueExactly) {
    const std::map<std::string, std::function<void(const Platform&)>> changes = {
        {"apply", [](const Platform& p) { clsVelmora(p).ApplyTheme("C:\\T\\t.vlr"); }},
        {"reset", RestoreBrowserDefaults}, {"placement", ForgetWindowPlacement},
        {"stylesheet", SwitchStylesheet}, {"lock", [](const Platform& p) { LockHomePage(p, true); }},
        {"throbbers", [](const Platform& p) { SetThrobbers(p, false); }},
        {"layout", [](const Platform& p) { WriteDefaultToolbarLayouts(p, kThinLayout); }},
    };
    // Every key of a theme file given; the first of a name counts.
    MemoryProfile::Keys keys = {{"StyleType", "1"}, {"IgnoreColors", "1"}, {"WESkin", "None"},
                                {"WUCaption", "None"}, {"WebThumper", "No"}};
    for (const auto& key : kThemeFileKeys) keys.push_back({key.name, key.name});
    std::mt19937 random(19);
    const std::uint32_t kinds[] = {kRegSz, kRegExpandSz, kRegBinary, kRegDword, 7};
    for (int round = 0; round < 12; ++round) {
        for (const auto& [name, change] : changes) {
            TestPlatform t;
            t.AddTheme("C:\\T\\t.vlr", keys);
            // Each touched value absent, or of a random kind and length (a text without its
            // zero too); what follows the counted bytes is the one before the kind's.
            for (const TouchedValue& v : TouchedValues()) {
                Bytes seed(random() % (round % 2 ? 600 : 24) + 2);
                for (auto& byte : seed) byte = std::uint8_t(random() % 4 ? random() : 0);
                RegHandle key = 0;
                if (random() % 3 && t.registry.CreateKey(v.root, v.key, &key) == kErrorSuccess)
                    t.registry.SetValueEx(key, v.name, kinds[random() % 5], seed.data(), seed.size() - 1);
                t.registry.CloseKey(key);
            }
            const auto look = [&t] {
                std::vector<std::string> all;
                for (const RegRoot root : {kHkeyCurrentUser, kHkeyLocalMachine}) Walk(t.registry, root, "", all);
                return all;
            };
            const std::vector<std::string> before = look();
            ASSERT_TRUE(RecordUndo(t.platform, name));
            change(t.platform);
            // Something to undo (the placement's two values may both be absent already).
            EXPECT_TRUE(look() != before || name == "placement") << name;
            EXPECT_EQ(UndoCaption(t.platform), name);
            ASSERT_TRUE(UndoLastChange(t.platform));
            EXPECT_EQ(look(), before) << name << " in round " << round;
            EXPECT_FALSE(UndoLastChange(t.platform));  // one level: the record is gone
        }
    }
    // A record cut inside a part or inside a part's size is damaged: nothing to undo.
    TestPlatform t;
    RegHandle key = 0;
    t.registry.CreateKey(kHkeyCurrentUser, "Software\\Tolvane\\Quenmark\\Undo", &key);
    for (const Bytes& cut : {Bytes{5, 0, 0, 0, 'a', 'b'}, Bytes{1, 0, 0, 0, 'a', 1, 0}}) {
        t.registry.SetValueEx(key, "Record", kRegBinary, cut.data(), cut.size());
        EXPECT_FALSE(UndoCaption(t.platform) || UndoLastChange(t.platform));
    }
}

}  // namespace
}  // namespace velmora::test
