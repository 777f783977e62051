// The throbber flag of a toolbar layout: bit value 8 of byte 16 shows the throbber.
#include "browser/ThrobberFlag.h"

#include "browser/BrowserSettings.h"
#include "registry/IsBitSet.h"

namespace velmora {

namespace {

// IsBitSet counts bits from 1: bit 4 is the one of value 8.
constexpr std::int16_t kThrobberFlagBit = 4;

}  // namespace

bool SetThrobberFlag(std::vector<std::uint8_t>& layout, bool shown) {
    // Fewer than 17 stored bytes (plus the spare element): there is no flag byte.
    if (layout.size() < browser::kThrobberFlagOffset + 2) return false;
    std::uint8_t& flags = layout[browser::kThrobberFlagOffset];
    if ((IsBitSet(flags, kThrobberFlagBit) != 0) == shown) return false;
    flags = static_cast<std::uint8_t>(shown ? (flags | browser::kThrobberFlag)
                                            : (flags & ~browser::kThrobberFlag));
    return true;
}

}  // namespace velmora
