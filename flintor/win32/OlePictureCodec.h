// Pictures to bytes and back in the OLE picture's own persistent form, for saving the
// control to a stream.
#pragma once

#include "flintor/PictureCodec.h"

namespace velmora::flintor::win32 {

class OlePictureCodec : public PictureCodec {
public:
    // Throws RuntimeError 481 for a picture that cannot be saved.
    std::vector<std::uint8_t> Encode(const Picture& picture) override;
    PicturePtr Decode(const std::vector<std::uint8_t>& bytes) override;
};

}  // namespace velmora::flintor::win32
