// Port: message boxes and the busy (hourglass) pointer.
#pragma once

#include <optional>
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

// The settings of an open-file dialog (the common dialog control's properties).
struct OpenFileRequest {
    std::string fileName;  // initial file name
    std::string title;
    std::string filter;  // "Description|*.ext|Description|*.ext2"
    std::string defaultExt;
    unsigned long flags = 0;   // OFN_ flags, with the platform's own values
    std::string initialDir{};  // empty: the dialog's own choice
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual MsgAnswer ShowMessage(const MessageRequest& request) = 0;
    // The screen's mouse pointer: hourglass while true, the default arrow when false.
    virtual void SetBusyPointer(bool busy) = 0;
    // The chosen file's full path; nothing when the user cancels.
    virtual std::optional<std::string> OpenFile(const OpenFileRequest& request) = 0;
};

}  // namespace velmora
