// The browser's default toolbar layouts, byte for byte: a wrong byte anywhere in the band
// sizes leaves the user's toolbars broken after a reset.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "browser/DefaultToolbarLayout.h"

namespace velmora::test {

TEST(DefaultToolbarLayout, ThickAndThinHoldTheBrowsersOwnBandLayoutAndZerosAfterIt) {
    const std::pair<std::int16_t, std::string> cases[] = {
        {kThickLayout,
         "110000004C0000000000000030000000" "1F000000730000000200000020070000"
         "79020000050000006205000026000000" "0400000021010000A00F000003000000"
         "21030000000000000100000021070000" "39"},
        {kThinLayout,
         "110000004C0000000000000030000000" "1F000000730000000200000020070000"
         "79020000050000006A05000026000000" "0400000021010000B901000001000000"
         "20070000C70100000300000021030000" "78"},
    };
    for (const auto& [kind, head] : cases) {
        const std::vector<std::uint8_t> layout = DefaultToolbarLayout(kind);
        ASSERT_EQ(layout.size(), kDefaultLayoutSize);
        std::string hex;
        for (const std::uint8_t byte : layout) {
            char two[3];
            std::snprintf(two, sizeof two, "%02X", byte);
            hex += two;
        }
        EXPECT_EQ(hex, head + std::string(2 * (kDefaultLayoutSize - 81), '0')) << kind;
    }
}

}  // namespace velmora::test
