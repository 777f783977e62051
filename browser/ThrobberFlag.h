// The throbber flag of a toolbar layout: bit value 8 of byte 16 shows the throbber.
#pragma once

#include <cstdint>
#include <vector>

namespace velmora {

// layout: the bytes ReadRegistryByte gives (the stored ones plus a spare trailing element).
// Sets the flag to shown; false when there is nothing to write: the layout is too short to
// hold the flag byte, or the flag already is as wanted.
bool SetThrobberFlag(std::vector<std::uint8_t>& layout, bool shown);

}  // namespace velmora
