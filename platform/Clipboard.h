// Port: the system clipboard, as far as the program puts pictures on it.
#pragma once

#include "platform/Pictures.h"

namespace velmora {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Empties the clipboard and puts the picture on it as a bitmap; false when it could not.
    virtual bool CopyPicture(const Picture& picture) = 0;
};

}  // namespace velmora
