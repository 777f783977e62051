// A control hosted in a window in place of a placeholder child, such as an ActiveX control:
// the binding creates it with the window and lets go of it when the window goes.
#pragma once

#include <windows.h>

namespace velmora::win32 {

class HostedControl {
public:
    virtual ~HostedControl() = default;
    // Takes the place, size and id of the child window placeholderId of parent.
    virtual void Create(HWND parent, int placeholderId) = 0;
    virtual void Release() = 0;
};

}  // namespace velmora::win32
