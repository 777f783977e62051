// Port: a picture the control holds (a strip, a mouse icon), seen only through its pixel size.
#pragma once

#include <memory>

namespace velmora::flintor {

class Picture {
public:
    virtual ~Picture() = default;
    // False for a picture object that carries no image (its handle is 0).
    virtual bool HasImage() const = 0;
    virtual int PixelWidth() const = 0;
    virtual int PixelHeight() const = 0;
    // False for kinds of picture that have no pixels to cut into cells (an icon, a
    // metafile): such a picture can be a mouse icon but not a strip.
    virtual bool CanBeCut() const { return true; }
};

// Pictures are shared: the control keeps the strip it was handed, and a cell taken from it
// keeps the strip alive. A null pointer is "nothing".
using PicturePtr = std::shared_ptr<const Picture>;

}  // namespace velmora::flintor
