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
            // zero too); what follows the counted bytes is the last byte.
            const auto raw = [&t](const TouchedValue& v, Bytes* seed) {
                RegHandle key = 0;
                if (seed && t.registry.CreateKey(v.root, v.key, &key) == kErrorSuccess)
                    t.registry.SetValueEx(key, v.name, seed->back(), seed->data(), seed->size() - 2);
                std::uint32_t kind = 0, size = 4096;
                std::uint8_t data[4096];
                const bool there = t.registry.OpenKeyEx(v.root, v.key, kKeyRead, &key) == kErrorSuccess &&
                                   t.registry.QueryValueEx(key, v.name, &kind, data, &size) == kErrorSuccess;
                return there ? std::to_string(kind) + ":" + std::string(data, data + size) : "-";
            };
            std::vector<std::string> before, after;
            for (const TouchedValue& v : TouchedValues()) {
                Bytes seed(random() % (round % 2 ? 600 : 24) + 2);
                for (auto& byte : seed) byte = std::uint8_t(random() % 4 ? random() : 0);
                seed.back() = std::uint8_t(kinds[random() % 5]);
                before.push_back(random() % 3 ? raw(v, &seed) : raw(v, nullptr));
            }
            ASSERT_TRUE(RecordUndo(t.platform, name));
            change(t.platform);
            for (const TouchedValue& v : TouchedValues()) after.push_back(raw(v, nullptr));
            // Something to undo (the placement's two values may both be absent already).
            EXPECT_TRUE(after != before || name == "placement") << name;
            EXPECT_EQ(UndoCaption(t.platform), name);
            ASSERT_TRUE(UndoLastChange(t.platform));
            after.clear();
            for (const TouchedValue& v : TouchedValues()) after.push_back(raw(v, nullptr));
            EXPECT_EQ(after, before) << name << " in round " << round;
            EXPECT_FALSE(UndoLastChange(t.platform));  // one level: the record is gone
        }
    }
}

}  // namespace
}  // namespace velmora::test
