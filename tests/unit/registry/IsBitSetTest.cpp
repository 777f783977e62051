// IsBitSet tests bits 1 to 8 of the low byte; any other bit number tests bit 1.
#include <gtest/gtest.h>

#include "registry/IsBitSet.h"

namespace velmora {

TEST(IsBitSet, BitNumbersTwoToEightSelectTheirBit) {
    for (std::int16_t bit = 1; bit <= 8; ++bit) {
        EXPECT_EQ(IsBitSet(1 << (bit - 1), bit), 1) << bit;
        EXPECT_EQ(IsBitSet(0xFF & ~(1 << (bit - 1)), bit), 0) << bit;
    }
    EXPECT_EQ(IsBitSet(0x80, 8), 1);
    EXPECT_EQ(IsBitSet(0x80, 7), 0);
    EXPECT_EQ(IsBitSet(0x18, 4), 1);  // the throbber flag: bit value 8
}

TEST(IsBitSet, OtherBitNumbersTestTheLowestBit) {
    for (std::int16_t bit : {0, 9, 16, 32, -1, -32768}) {
        EXPECT_EQ(IsBitSet(0x01, bit), 1) << bit;
        EXPECT_EQ(IsBitSet(0xFE, bit), 0) << bit;
    }
}

TEST(IsBitSet, BitsAboveTheLowByteCannotBeTested) {
    for (std::int16_t bit = -1; bit <= 17; ++bit) EXPECT_EQ(IsBitSet(0x100, bit), 0) << bit;
    EXPECT_EQ(IsBitSet(-1, 8), 1);
    EXPECT_EQ(IsBitSet(0x7FFFFF00, 1), 0);
}

}  // namespace velmora
