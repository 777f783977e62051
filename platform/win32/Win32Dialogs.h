// Message boxes through user32 and the hourglass pointer.
#pragma once

#include "platform/Dialogs.h"

namespace velmora::win32 {

class Win32Dialogs : public Dialogs {
public:
    MsgAnswer ShowMessage(const MessageRequest& request) override;
    void SetBusyPointer(bool busy) override;
    // The hourglass is up: the program's windows keep it whatever the mouse does.
    static bool BusyPointerShown();
    std::optional<std::string> OpenFile(const OpenFileRequest& request) override;
};

}  // namespace velmora::win32
