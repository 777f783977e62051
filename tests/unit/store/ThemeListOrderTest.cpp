// The entry a rebuild of the theme list selects, and a title the store cannot enter.
#include <gtest/gtest.h>

#include "store/InstalledThemeStore.h"
#include "store/ThemeListOrder.h"
#include "tests/support/TestPlatform.h"

namespace velmora::test {

using List = std::vector<std::string>;

TEST(ThemeListSelection, TheFirstEntryEqualWithoutRegardToCaseOrNothing) {
    const List list{".Current", "[None]", "Ocean", "ocean"};
    const std::pair<const char*, std::optional<std::size_t>> cases[] = {
        {"", 0}, {".CURRENT", 0}, {"OCEAN", 2}, {"[none]", 1}, {"Ocea", std::nullopt}};
    for (const auto& [name, index] : cases) EXPECT_EQ(ThemeListSelection(list, name), index);
    EXPECT_EQ(ThemeListSelection({}, ""), std::nullopt);
    TestPlatform t;  // a title that cannot name a store key is not entered
    EXPECT_FALSE(InstalledThemeStore(t.platform).AddEntry("", "C:\\x.vlr"));
}

}  // namespace velmora::test
