// A value read from or written to a property bag: a 32-bit number, a boolean or a picture
// (null for nothing), or the two outcomes of a read that found no usable value.
#pragma once

#include <cstdint>
#include <variant>

#include "flintor/Picture.h"

namespace velmora::flintor {

// Nothing is stored under the name: the reader takes its default.
struct MissingValue {};
// Something is stored but cannot be converted to the kind asked for.
struct MismatchedValue {};

using PropertyValue = std::variant<MissingValue, MismatchedValue, std::int32_t, bool, PicturePtr>;

enum class ValueKind { Long, Bool, Picture };

}  // namespace velmora::flintor
