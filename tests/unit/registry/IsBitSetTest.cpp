// IsBitSet tests bits 1 to 8 of the low byte; any other bit number tests bit 1.
#include <gtest/gtest.h>

#include "registry/IsBitSet.h"

namespace velmora {

TEST(IsBitSet, TestsBitsTwoToEightOfTheLowByteAndBitOneForAnyOtherNumber) {
    const struct {
        std::int32_t value;
        std::int16_t bit, set;
    } rows[] = {
        {0x01, 1, 1},  {0xFE, 1, 0},  {0x02, 2, 1},      {0xFD, 2, 0},       {0x04, 3, 1},
        {0x08, 4, 1},  {0x10, 5, 1},  {0x20, 6, 1},      {0xBF, 7, 0},       {0x40, 7, 1},
        {0x80, 8, 1},  {0x7F, 8, 0},  {0x80, 7, 0},      {-1, 8, 1},         {0x01, 0, 1},
        {0xFE, 0, 0},  {0x01, -1, 1}, {0x01, 9, 1},      {0x100, 9, 0},      {0x100, 1, 0},
        {0x01, 33, 1}, {0xFE, 33, 0}, {0x01, -32768, 1}, {0x7FFFFF00, 1, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(IsBitSet(row.value, row.bit), row.set) << row.value << " bit " << row.bit;
    }
}

}  // namespace velmora
