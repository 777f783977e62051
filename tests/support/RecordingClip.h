// Clip control double: the calls the window makes on `Flintor1`, by picture name.
#pragma once

#include <string>
#include <vector>

#include "platform/ClipControl.h"
#include "tests/support/RecordingPictures.h"

namespace velmora::test {

class RecordingClip : public ClipControl {
public:
    void SetAniPicture(PicturePtr picture) override {
        calls.push_back("AniPicture " + RecordingPictures::Name(picture));
    }
    void Play() override { calls.push_back("Play"); }
    void SetVisible(bool visible) override { calls.push_back(visible ? "Show" : "Hide"); }

    std::vector<std::string> calls;
};

}  // namespace velmora::test
