// Port: pictures loaded from files or built into the program, as the windows and the hosted
// clip control use them.
#pragma once

#include <memory>
#include <string>

namespace velmora {

// A loaded picture. Sizes are in pixels (the platform converts from its own units).
class Picture {
public:
    virtual ~Picture() = default;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};
using PicturePtr = std::shared_ptr<Picture>;

// The throbber strips the program carries for themes without one: `picAni` for the classic
// look, `picXP` for Windows XP.
enum class BuiltInStrip { Classic, XP };

class Pictures {
public:
    virtual ~Pictures() = default;
    // The picture in the file (a bitmap, icon or metafile); null when the file is missing or
    // cannot be read as a picture. Never throws.
    virtual PicturePtr LoadPicture(const std::string& path) = 0;
    // An empty picture: no image, size 0 x 0.
    virtual PicturePtr EmptyPicture() = 0;
    virtual PicturePtr BuiltIn(BuiltInStrip strip) = 0;
};

}  // namespace velmora
