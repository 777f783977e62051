// The browser's default toolbar band layout, thick or thin, as the layout reset writes it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmora {

// Kinds of default layout: the Repair menu's "&1 - Thick" and "&2 - Thin".
constexpr std::int16_t kThickLayout = 0;
constexpr std::int16_t kThinLayout = 1;

// Elements of the layout array: 564 stored bytes and the one spare trailing element that
// WriteRegistry leaves out, as an array from ReadRegistryByte carries.
constexpr std::size_t kDefaultLayoutSize = 565;

// The 565-element default layout of kind (1 thin, anything else thick). Byte 16 carries the
// throbber flag in both, so both show the throbber.
std::vector<std::uint8_t> DefaultToolbarLayout(std::int16_t kind);

}  // namespace velmora
