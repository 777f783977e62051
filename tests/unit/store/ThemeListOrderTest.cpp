// The theme list's order and the entry a rebuild selects.
#include <gtest/gtest.h>

#include "store/ThemeListOrder.h"

namespace velmora::test {

using List = std::vector<std::string>;

TEST(ThemeListOrder, PseudoEntriesFirstThenStoredTitlesAsEnumeratedWithoutNotFound) {
    const std::pair<List, List> cases[] = {
        {{}, {".Current", "[None]"}},
        {{"Not Found"}, {".Current", "[None]"}},
        // Not sorted: the registry's order is kept.
        {{"Ocean", "Autumn", "Blue", "Not Found"},
         {".Current", "[None]", "Ocean", "Autumn", "Blue"}},
        {{"not found", "Ocean", "NOT FOUND"}, {".Current", "[None]", "Ocean"}},
        {{"Not Found ", "NotFound"}, {".Current", "[None]", "Not Found ", "NotFound"}},
        // A stored current-theme key takes index 0 in its own spelling, once.
        {{"Aqua", ".current", "Ocean", "Not Found"}, {".current", "[None]", "Aqua", "Ocean"}},
        {{".CURRENT", ".current", "Not Found"}, {".current", "[None]"}},
    };
    for (const auto& [stored, list] : cases) EXPECT_EQ(ThemeListOrder(stored), list);
}

TEST(ThemeListSelection, TheFirstEntryEqualWithoutRegardToCaseOrNothing) {
    const List list{".Current", "[None]", "Ocean", "ocean"};
    const std::pair<const char*, std::optional<std::size_t>> cases[] = {
        {"", 0}, {".CURRENT", 0}, {"OCEAN", 2}, {"[none]", 1}, {"Ocea", std::nullopt}};
    for (const auto& [name, index] : cases) EXPECT_EQ(ThemeListSelection(list, name), index);
    EXPECT_EQ(ThemeListSelection({}, ""), std::nullopt);
}

}  // namespace velmora::test
