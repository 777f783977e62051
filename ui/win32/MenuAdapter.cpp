// A menu entry, or a pop-up by the id its resource gives it, in the window's menu bar or in
// one of its pop-up menus: its caption, enabled and ticked state, chosen or opened.
#include <memory>
#include <string>

#include "ui/win32/ControlAdapter.h"
#include "ui/win32/FormSite.h"

namespace velmora::win32 {

namespace {

class MenuAdapter : public ControlAdapter {
public:
    using ControlAdapter::ControlAdapter;

    void Attach(FormSite& site) override {
        site_ = &site;
        for (HMENU menu : site.Menus()) Look(menu, GetMenu(site.Dialog()));
        if (place_.menu && !place_.separator && row_.model->Text().empty())
            row_.model->SetText(Caption());
    }

    void Push() override {
        if (!site_ || !site_->Dialog() || !place_.menu || place_.separator) return;
        const auto* item = static_cast<const ui::MenuItem*>(row_.model);
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE;
        if (!GetMenuItemInfoA(place_.menu, static_cast<UINT>(place_.position), TRUE, &info)) return;
        UINT state = info.fState & ~(MFS_DISABLED | MFS_CHECKED);
        if (!item->Enabled()) state |= MFS_DISABLED;
        if (item->Checked()) state |= MFS_CHECKED;
        const bool captionChanged = Caption() != item->Caption();
        if (state == info.fState && !captionChanged) return;
        std::string caption = item->Caption();
        info.fMask = MIIM_STATE | (captionChanged ? MIIM_STRING : 0);
        info.fState = state;
        info.dwTypeData = &caption[0];
        SetMenuItemInfoA(place_.menu, static_cast<UINT>(place_.position), TRUE, &info);
        if (menuBar_ && site_->Dialog()) DrawMenuBar(site_->Dialog());
    }

    // A chosen entry (a pop-up's own click runs when it opens).
    void Notify(int, HWND sender) override {
        if (!sender && !place_.submenu) site_->Trapped(row_.click);
    }

    HMENU Submenu() const override { return place_.submenu; }
    // A pop-up's model opens its pop-up; an entry's model opens the pop-up it is in.
    HMENU Popup() const override {
        if (place_.submenu) return place_.submenu;
        return menuBar_ ? nullptr : place_.menu;
    }

private:
    // Finds the entry in menu and its pop-ups (the last one with the row's id).
    void Look(HMENU menu, HMENU bar) {
        const int count = GetMenuItemCount(menu);
        for (int position = 0; position < count; ++position) {
            MENUITEMINFOA info = {};
            info.cbSize = sizeof info;
            info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
            if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) continue;
            if (row_.id == static_cast<int>(info.wID)) {
                place_ = {menu, position, info.hSubMenu, (info.fType & MFT_SEPARATOR) != 0};
                menuBar_ = menu == bar;
            }
            if (info.hSubMenu) Look(info.hSubMenu, bar);
        }
    }

    std::string Caption() const {
        char text[512] = {};
        GetMenuStringA(place_.menu, static_cast<UINT>(place_.position), text, sizeof text,
                       MF_BYPOSITION);
        return text;
    }

    // Where the entry sits, and the pop-up it opens (null for a command).
    struct Place {
        HMENU menu = nullptr;
        int position = -1;
        HMENU submenu = nullptr;
        bool separator = false;
    } place_;
    bool menuBar_ = false;  // an entry of the window's menu bar itself
};

}  // namespace

std::unique_ptr<ControlAdapter> MakeMenuAdapter(const BoundControl& row) {
    return std::make_unique<MenuAdapter>(row);
}

}  // namespace velmora::win32
