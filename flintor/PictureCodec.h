// Port: turns a picture into bytes and back, so that a control saved to a stream keeps its
// pictures.
#pragma once

#include <cstdint>
#include <vector>

#include "flintor/Picture.h"

namespace velmora::flintor {

class PictureCodec {
public:
    virtual ~PictureCodec() = default;
    virtual std::vector<std::uint8_t> Encode(const Picture& picture) = 0;
    // Throws RuntimeError 481 when the bytes are not a picture.
    virtual PicturePtr Decode(const std::vector<std::uint8_t>& bytes) = 0;
};

}  // namespace velmora::flintor
