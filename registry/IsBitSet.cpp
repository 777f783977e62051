// IsBitSet: tests one of the low eight bits of a number, bits counted from 1.
#include "registry/IsBitSet.h"

namespace velmora {

std::int16_t IsBitSet(std::int32_t value, std::int16_t bit) {
    // Bit numbers 2..8 select their bit; everything else falls back to the lowest bit, which
    // is why no mask above 128 exists.
    const std::int32_t mask = (bit >= 2 && bit <= 8) ? (1 << (bit - 1)) : 1;
    return (value & mask) != 0 ? 1 : 0;
}

}  // namespace velmora
