// The theme list's order and the entry a rebuild selects.
#include <gtest/gtest.h>

#include "mainwindow/ThemeListOrder.h"

namespace velmora::test {

using List = std::vector<std::string>;

TEST(ThemeListOrder, TheTwoPseudoEntriesComeFirstThenStoredTitlesInEnumerationOrder) {
    EXPECT_EQ(ThemeListOrder({"Not Found"}), (List{".Current", "[None]"}));
    EXPECT_EQ(ThemeListOrder({}), (List{".Current", "[None]"}));
    // Not sorted: the registry's order is kept.
    EXPECT_EQ(ThemeListOrder({"Ocean", "Autumn", "Blue", "Not Found"}),
              (List{".Current", "[None]", "Ocean", "Autumn", "Blue"}));
}

TEST(ThemeListOrder, AStoredCurrentKeyTakesIndexZeroInItsOwnSpelling) {
    EXPECT_EQ(ThemeListOrder({"Aqua", ".current", "Ocean", "Not Found"}),
              (List{".current", "[None]", "Aqua", "Ocean"}));
    // Two such names (impossible in one key, but the list must still hold one entry 0).
    EXPECT_EQ(ThemeListOrder({".CURRENT", ".current", "Not Found"}), (List{".current", "[None]"}));
}

TEST(ThemeListOrder, TheNotFoundTextIsSkippedInAnyCaseAndPosition) {
    EXPECT_EQ(ThemeListOrder({"not found", "Ocean", "NOT FOUND"}),
              (List{".Current", "[None]", "Ocean"}));
    // Near misses are real titles.
    EXPECT_EQ(ThemeListOrder({"Not Found ", "NotFound"}),
              (List{".Current", "[None]", "Not Found ", "NotFound"}));
}

TEST(ThemeListSelection, EmptyNameSelectsTheFirstEntry) {
    EXPECT_EQ(ThemeListSelection({".Current", "[None]"}, ""), 0u);
}

TEST(ThemeListSelection, NameSelectsTheFirstEntryEqualWithoutRegardToCase) {
    const List list{".Current", "[None]", "Ocean", "ocean"};
    EXPECT_EQ(ThemeListSelection(list, "OCEAN"), 2u);
    EXPECT_EQ(ThemeListSelection(list, "[none]"), 1u);
}

TEST(ThemeListSelection, ANameNoLongerListedOrAnEmptyListSelectsNothing) {
    EXPECT_EQ(ThemeListSelection({".Current", "[None]", "Ocean"}, "Autumn"), std::nullopt);
    EXPECT_EQ(ThemeListSelection({".Current", "[None]", "Ocean"}, "Ocea"), std::nullopt);
    EXPECT_EQ(ThemeListSelection({}, ""), std::nullopt);
}

}  // namespace velmora::test
