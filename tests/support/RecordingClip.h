// Clip control double: the calls the window makes on `Flintor1`, pictures by name.
#pragma once

#include <string>

#include "platform/ClipControl.h"
#include "tests/support/RecordingPictures.h"

namespace velmora::test {

class RecordingClip : public ClipControl {
public:
    void SetAniPicture(PicturePtr picture) override {
        calls += RecordingPictures::Name(picture) + " ";
    }
    void Play() override { calls += "Play "; }
    void SetVisible(bool visible) override { calls += visible ? "Show " : "Hide "; }

    std::string calls;  // e.g. "picAni Play Show "
};

}  // namespace velmora::test
