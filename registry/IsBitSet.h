// IsBitSet: tests one of the low eight bits of a number, bits counted from 1.
#pragma once

#include <cstdint>

namespace velmora {

// 1 when bit number `bit` (1 = lowest, up to 8) of value is set, else 0. Any bit number
// outside 2..8 tests bit 1; only the low byte of value can be tested.
std::int16_t IsBitSet(std::int32_t value, std::int16_t bit);

}  // namespace velmora
