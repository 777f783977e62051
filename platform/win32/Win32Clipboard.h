// The clipboard port on Windows: pictures go on it as device-dependent bitmaps.
#pragma once

#include <windows.h>

#include "platform/Clipboard.h"

namespace velmora::win32 {

class Win32Clipboard : public Clipboard {
public:
    bool CopyPicture(const Picture& picture) override;
};

}  // namespace velmora::win32
