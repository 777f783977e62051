// Clipboard double: the pictures put on it; it can be made to refuse.
#pragma once

#include <vector>

#include "platform/Clipboard.h"

namespace velmora::test {

class RecordingClipboard : public Clipboard {
public:
    bool CopyPicture(const Picture& picture) override {
        copied.push_back(&picture);
        return accepts;
    }

    std::vector<const Picture*> copied;
    bool accepts = true;
};

}  // namespace velmora::test
