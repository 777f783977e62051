// Port: the animated clip control hosted on a window (`Flintor1`), reached late by dispatch id
// on Windows: its default member `AniPicture`, its method `Play` and the container's `Visible`.
#pragma once

#include "platform/Pictures.h"

namespace velmora {

// Calls are best effort: a control that is missing or refuses a call changes nothing and
// nothing is thrown (the window's preview steps skip errors).
class ClipControl {
public:
    virtual ~ClipControl() = default;
    // Hands the picture to the control, which owns it from then on; null or an empty
    // picture clears the strip.
    virtual void SetAniPicture(PicturePtr picture) = 0;
    virtual void Play() = 0;
    virtual void SetVisible(bool visible) = 0;
};

}  // namespace velmora
