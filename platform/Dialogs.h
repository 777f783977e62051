// Port: message boxes and the busy (hourglass) pointer.
#pragma once

#include <string>

namespace velmora {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    std::string text;
    std::string title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    bool systemModal = false;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgAnswer ShowMessage(const MessageRequest& request) = 0;
    // The screen's mouse pointer: hourglass while true, the default arrow when false.
    virtual void SetBusyPointer(bool busy) = 0;
};

}  // namespace velmora
