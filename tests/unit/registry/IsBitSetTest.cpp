// IsBitSet tests bits 1 to 8 of the low byte; any other bit number tests bit 1.
#include <gtest/gtest.h>

#include "registry/IsBitSet.h"

namespace velmora {

TEST(IsBitSet, TestsBitsTwoToEightOfTheLowByteAndBitOneForAnyOtherNumber) {
    for (std::int16_t bit = -1; bit <= 33; ++bit) {
        const int mask = (bit >= 2 && bit <= 8) ? 1 << (bit - 1) : 1;
        EXPECT_EQ(IsBitSet(mask, bit), 1) << bit;
        EXPECT_EQ(IsBitSet(0xFF & ~mask, bit), 0) << bit;
        EXPECT_EQ(IsBitSet(0x100, bit), 0) << bit;  // above the low byte: never set
    }
    EXPECT_EQ(IsBitSet(0x01, -32768), 1);
    EXPECT_EQ(IsBitSet(0x80, 7), 0);
    EXPECT_EQ(IsBitSet(-1, 8), 1);
    EXPECT_EQ(IsBitSet(0x7FFFFF00, 1), 0);
}

}  // namespace velmora
