// The browser's default toolbar band layout, thick or thin, as the layout reset writes it.
#include "browser/DefaultToolbarLayout.h"

#include <utility>

namespace velmora {

namespace {

using Bytes = std::initializer_list<std::pair<std::size_t, std::uint8_t>>;

// Offsets 0 to 33: the same in both kinds.
constexpr Bytes kCommon = {{0, 0x11},  {4, 0x4C},  {12, 0x30}, {16, 0x1F}, {20, 0x73},
                           {24, 0x02}, {28, 0x20}, {29, 0x07}, {32, 0x79}, {33, 0x02}};
// Offsets 36 to 80: the band sizes, which make the toolbars thick or thin.
constexpr Bytes kThick = {{36, 0x05}, {40, 0x62}, {41, 0x05}, {44, 0x26}, {48, 0x04}, {52, 0x21},
                          {53, 0x01}, {56, 0xA0}, {57, 0x0F}, {60, 0x03}, {64, 0x21}, {65, 0x03},
                          {68, 0x00}, {69, 0x00}, {72, 0x01}, {76, 0x21}, {77, 0x07}, {80, 0x39}};
constexpr Bytes kThin = {{36, 0x05}, {40, 0x6A}, {41, 0x05}, {44, 0x26}, {48, 0x04}, {52, 0x21},
                         {53, 0x01}, {56, 0xB9}, {57, 0x01}, {60, 0x01}, {64, 0x20}, {65, 0x07},
                         {68, 0xC7}, {69, 0x01}, {72, 0x03}, {76, 0x21}, {77, 0x03}, {80, 0x78}};

}  // namespace

std::vector<std::uint8_t> DefaultToolbarLayout(std::int16_t kind) {
    std::vector<std::uint8_t> layout(kDefaultLayoutSize, 0);
    for (const auto& [offset, value] : kCommon) layout[offset] = value;
    for (const auto& [offset, value] : kind == kThinLayout ? kThin : kThick) layout[offset] = value;
    return layout;
}

}  // namespace velmora
