// The entry a rebuild of the theme list selects (its order is the main window's table's).
#include <gtest/gtest.h>

#include "store/ThemeListOrder.h"

namespace velmora::test {

using List = std::vector<std::string>;

TEST(ThemeListSelection, TheFirstEntryEqualWithoutRegardToCaseOrNothing) {
    const List list{".Current", "[None]", "Ocean", "ocean"};
    const std::pair<const char*, std::optional<std::size_t>> cases[] = {
        {"", 0}, {".CURRENT", 0}, {"OCEAN", 2}, {"[none]", 1}, {"Ocea", std::nullopt}};
    for (const auto& [name, index] : cases) EXPECT_EQ(ThemeListSelection(list, name), index);
    EXPECT_EQ(ThemeListSelection({}, ""), std::nullopt);
}

}  // namespace velmora::test
