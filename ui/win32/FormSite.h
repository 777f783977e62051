// What the control adapters of one window share: the window, its resources and table, the
// trap its handlers run in, its tool tip, its link font, its backdrop and its pop-up menus.
// The window's binding owns it; it lives as long as the binding.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/Platform.h"
#include "platform/win32/GdiScope.h"
#include "ui/win32/FormTable.h"

namespace velmora::win32 {

class FormSite {
public:
    // platform: the ports the error report uses. resources: the module holding the dialogs,
    // menus and pictures of the table.
    FormSite(const Platform& platform, HINSTANCE resources)
        : platform_(platform), resources_(resources) {}
    FormSite(const FormSite&) = delete;
    FormSite& operator=(const FormSite&) = delete;

    // The window as it is made (its tool tip with it), and forgotten when it goes.
    void Start(HWND dialog, const FormTable& table);
    void Forget();

    HWND Dialog() const { return dialog_; }  // null once the window has gone
    HINSTANCE Resources() const { return resources_; }
    const FormTable& Table() const { return *table_; }

    // Runs a handler: every exception stops here and is reported.
    void Trapped(const std::function<void()>& handler) const;

    // The window's menu bar, then the table's pop-up menus: where its menu entries are.
    std::vector<HMENU> Menus() const;

    // The control shows a tip, whose text is asked for when it shows (TTN_GETDISPINFO).
    void AddToolTip(HWND control);
    HWND ToolTip() const { return toolTip_; }
    // Answers the tool tip's question with text, kept while the tip shows it.
    void AnswerToolTip(NMHDR* header, const std::string& text);

    // The font of the window's links: the first link's own font underlined; null when none
    // could be made.
    HFONT LinkFont(HWND firstLink);
    // A link's colours (WM_CTLCOLORSTATIC): blue on the window's face.
    static HBRUSH LinkColours(HDC dc);

    // The window becomes the picture bitmapId: it keeps its centre and takes the picture's
    // size, the box filling it, and its static texts show the picture through, in textColour.
    void SetBackdrop(HWND box, int bitmapId, COLORREF textColour);
    // The brush the window (control == the window) or a static text showing the backdrop
    // through paints its background with; null for the usual one.
    HBRUSH BackdropBrush(HWND control, bool showsThrough, HDC dc) const;

private:
    struct MenuDestroyer {
        void operator()(HMENU menu) const { DestroyMenu(menu); }
    };

    Platform platform_;
    HINSTANCE resources_;
    const FormTable* table_ = nullptr;
    HWND dialog_ = nullptr;
    HWND toolTip_ = nullptr;
    std::string toolTipText_;  // the text the tool tip shows, kept while it shows it
    std::wstring toolTipTextWide_;
    // The pop-up menu resources of the table, loaded with the window and gone with it.
    std::vector<std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>> loadedMenus_;
    OwnedGdiObject<HFONT> linkFont_;
    // The backdrop's picture as a brush, and where its top left corner lies in the window.
    OwnedGdiObject<HBITMAP> backdropBitmap_;
    OwnedGdiObject<HBRUSH> backdropBrush_;
    POINT backdropOrigin_ = {};
    COLORREF backdropText_ = 0;
};

}  // namespace velmora::win32
