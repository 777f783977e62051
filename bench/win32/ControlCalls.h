// The calls this program's own code makes to one window and its controls, written down in a
// CallLog while it records: SendMessageA, SetWindowTextA, EnableWindow, ShowWindow and
// InvalidateRect, and the queries GetWindowTextA, GetWindowTextLengthA, IsWindowEnabled
// (with the messages that only read a control). They are caught at the program's import
// table, so the binding runs unchanged; calls made inside the system (a control's own
// messages) are not ours and are not caught.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "bench/win32/CallLog.h"

namespace velmora::bench {

class ControlCalls {
public:
    // Catches the calls to window (and every window inside it) while log records; one at a
    // time. The WM_COMMAND that sets the work off is the user's, and never written down.
    ControlCalls(HWND window, CallLog& log);
    ~ControlCalls();
    ControlCalls(const ControlCalls&) = delete;
    ControlCalls& operator=(const ControlCalls&) = delete;

    bool Hooked() const { return hooked_; }

private:
    bool hooked_ = false;
};

// What a control shows, as far as the calls above change it.
struct ControlState {
    std::string text;
    bool enabled = false;
    bool visible = false;
    LRESULT check = -1;              // a button's tick, -1 for other controls
    DWORD selStart = 0, selEnd = 0;  // an edit box's selection
    LRESULT font = 0;
    LRESULT current = -2;  // a list's or combo box's selected entry, -2 for other controls
};
using WindowSnapshot = std::map<HWND, ControlState>;

// The window and every window inside it, as they show now.
WindowSnapshot Snapshot(HWND window);

// Leaves in log the least control work that gives the window the same look as the recorded
// work did, from how it showed before: the queries go, and of the changes to one property of
// one control (its text, enabled, visible, tick, selection, font, selected entry, repaint)
// only the last stays, and only when it differs from what the control showed before. List
// changes, focus moves, picture loads, clip puts and registry reads stay as they were;
// profile reads go with the queries when dropProfile is set (they are the theme file's load,
// which the floor makes itself).
void KeepLeastControlWork(CallLog& log, const WindowSnapshot& before, bool dropProfile);

}  // namespace velmora::bench
