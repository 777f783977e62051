// Windowing double: a set of simulated windows with their enabled, shown, z-order and text
// selection states, the foreground window and the focused control.
#include "tests/support/SimulatedWindowing.h"

#include <stdexcept>

namespace velmora::test {

WindowHandle SimulatedWindowing::AddWindow(const std::string& text) {
    const WindowHandle handle = next_;
    next_ += 0x10;
    windows_[handle].text = text;
    return handle;
}

void SimulatedWindowing::RemoveWindow(WindowHandle window) {
    auto it = windows_.find(window);
    if (it == windows_.end()) return;
    removed_[window] = it->second;
    windows_.erase(it);
    if (foreground_ == window) foreground_ = 0;
    if (focus_ == window) focus_ = 0;
}

const SimulatedWindowing::WindowState& SimulatedWindowing::State(WindowHandle window) const {
    auto it = windows_.find(window);
    if (it != windows_.end()) return it->second;
    auto gone = removed_.find(window);
    if (gone != removed_.end()) return gone->second;
    throw std::out_of_range("no simulated window with this handle");
}

SimulatedWindowing::WindowState* SimulatedWindowing::Find(WindowHandle window) {
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : &it->second;
}

void SimulatedWindowing::SetWindowPos(WindowHandle window, WindowHandle insertAfter, int, int,
                                      int, int, unsigned) {
    WindowState* state = Find(window);
    if (!state) return;
    if (insertAfter == kHwndTopmost) {
        state->topmost = true;
    } else if (insertAfter == kHwndNotopmost) {
        state->topmost = false;
    } else {
        // Placed directly behind another window: the window takes that window's band.
        state->placedBehind = insertAfter;
        if (const WindowState* other = Find(insertAfter)) state->topmost = other->topmost;
    }
}

void SimulatedWindowing::SetSelection(WindowHandle control, int start, int length) {
    WindowState* state = Find(control);
    if (!state) return;
    // As an edit control does: the selection is clamped to the text.
    const int size = static_cast<int>(state->text.size());
    state->selectionStart = start < 0 ? 0 : (start > size ? size : start);
    const int end = length < 0 ? size : start + length;
    const int clampedEnd = end > size ? size : end;
    state->selectionLength =
        clampedEnd > state->selectionStart ? clampedEnd - state->selectionStart : 0;
}

}  // namespace velmora::test
