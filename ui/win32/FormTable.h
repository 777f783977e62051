// A window's binding table: its dialog resource, its own events and one row per control
// and menu entry, as DialogBinding shows it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/win32/BoundControl.h"
#include "ui/win32/HostedControl.h"

namespace velmora::win32 {

struct FormTable {
    explicit FormTable(int dialogId) : dialogId(dialogId) {}

    BoundControl& Add(int id, ui::TextBox& model) { return Row(id, ControlKind::Text, &model); }
    BoundControl& Add(int id, ui::CheckBox& model) { return Row(id, ControlKind::Check, &model); }
    BoundControl& Add(int id, ui::Button& model) { return Row(id, ControlKind::Button, &model); }
    BoundControl& Add(int id, ui::ListBox& model) { return Row(id, ControlKind::List, &model); }
    BoundControl& Add(int id, ui::ComboBox& model) { return Row(id, ControlKind::Combo, &model); }
    BoundControl& Add(int id, ui::PictureBox& model) {
        return Row(id, ControlKind::Picture, &model);
    }
    // A menu entry by its IDM_ id, or a pop-up by the id its resource gives it.
    BoundControl& Add(int id, ui::MenuItem& model) { return Row(id, ControlKind::Menu, &model); }
    // A hosted control, in place of the placeholder control with this id.
    BoundControl& Add(int id, HostedControl& hosted) {
        controls.emplace_back(id, ControlKind::Hosted, nullptr, &hosted);
        return controls.back();
    }

    int dialogId;
    // Menu resources beside the dialog's own menu bar: hidden top menus, opened only as
    // pop-ups.
    std::vector<int> popupMenus;
    std::function<void()> load;         // before the window shows
    std::function<void()> activate;     // each time it becomes the active window
    std::function<void(int)> keyPress;  // Esc (27); without it Esc closes the window
    // Every key pressed while the window is active, before its controls see it (virtual-key
    // codes; Esc and Enter included); with it, keyPress is not used.
    std::function<void(int)> keyDown;
    std::function<void()> click;  // a click on the window's own surface
    // Before the window closes, whatever closes it: false keeps it open.
    std::function<bool()> queryUnload;
    std::function<void()> unload;  // when it closes, before it goes
    // A file dropped on the window (the first, when several are): with it, the window takes
    // files dragged from the shell.
    std::function<void(const std::string&)> dropFile;
    std::vector<BoundControl> controls;

private:
    BoundControl& Row(int id, ControlKind kind, ui::Control* model) {
        controls.emplace_back(id, kind, model);
        return controls.back();
    }
};

}  // namespace velmora::win32
