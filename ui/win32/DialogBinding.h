// The one Win32 binding of every window: shows a window's dialog resource, mirrors the
// window object's control models into the real controls and back, runs its handlers on
// the controls' notifications, and is the window's FormHost.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/FormHost.h"
#include "platform/Platform.h"
#include "ui/win32/FormTable.h"
#include "platform/win32/GdiScope.h"

namespace velmora::win32 {

class DialogBinding : public FormHost {
public:
    // platform: the ports the error report uses (dialogs, shell, product information).
    // resources: the module holding the dialogs, menus and pictures of the tables.
    DialogBinding(const Platform& platform, HINSTANCE resources);
    ~DialogBinding() override;
    DialogBinding(const DialogBinding&) = delete;
    DialogBinding& operator=(const DialogBinding&) = delete;

    // Shows the window modally; returns when it has closed. False when the dialog could not
    // be made.
    bool RunModal(FormTable table, HWND owner = nullptr);
    // Makes the window without showing it or waiting (for tests, which drive it by
    // messages); Close then destroys it. Null when the dialog could not be made.
    HWND Create(FormTable table, HWND owner = nullptr);

    // The real control showing a model (null when the model is not bound).
    HWND ControlOf(const ui::Control& model) const;

    // FormHost
    WindowHandle Handle() override;
    void SetCaption(const std::string& caption) override;
    int ScreenWidth() override;
    int ScreenHeight() override;
    void CenterOnScreen() override;
    void SetTop(int top) override;
    void BringToFront() override;
    void SetFocus(const ui::Control& control) override;
    void PopupMenu(const ui::MenuItem& topMenu) override;
    void Close() override;
    void EndProgram() override;

private:
    struct Bound;

    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR index, DWORD_PTR self);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnControlMessage(Bound& bound, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    BOOL Initialize(HWND window);
    void LoadMenus();
    void AddMenus(HMENU menu);
    void Attach(Bound& bound);
    void Detach();
    void OnCommand(int id, int code, HWND control);
    void OnInitMenuPopup(HMENU popup);
    bool OnDrawItem(const DRAWITEMSTRUCT& item);
    void OnToolTipText(NMHDR* header);
    // The brush a static text or the window paints its background with; null for the
    // window's usual one.
    HBRUSH BackdropBrush(HWND control, HDC dc);
    void SetFont(Bound& bound);
    void SetBackdrop(const Bound& bound);
    Bound* Find(int id, ControlKind kind);
    Bound* FindModel(const ui::Control* model);
    const Bound* FindModel(const ui::Control* model) const;
    Bound* FindWindow(HWND window);

    // Model to control: pushes what changed since the last push or read.
    void Push(Bound& bound);
    void PushMenu(Bound& bound);
    // Control to model, before a handler runs.
    void Read(Bound& bound);

    // Runs a handler: every exception stops here and is reported.
    void Trapped(const std::function<void()>& handler);
    void End();

    Platform platform_;
    HINSTANCE resources_;
    FormTable table_;
    bool modal_ = false;
    HWND window_ = nullptr;
    HWND toolTip_ = nullptr;
    std::string toolTipText_;  // the text the tool tip shows, kept while it shows it
    std::wstring toolTipTextWide_;
    struct MenuDestroyer {
        void operator()(HMENU menu) const { DestroyMenu(menu); }
    };
    // The pop-up menu resources of the table, loaded with the window and gone with it.
    std::vector<std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>> loadedMenus_;
    std::vector<std::unique_ptr<Bound>> bound_;
    OwnedGdiObject<HFONT> linkFont_;
    // The backdrop's picture as a brush, and where its top left corner lies in the window.
    OwnedGdiObject<HBITMAP> backdropBitmap_;
    OwnedGdiObject<HBRUSH> backdropBrush_;
    POINT backdropOrigin_ = {};
    COLORREF backdropText_ = 0;
    bool ready_ = false;  // handlers run only once the models are shown
    bool closing_ = false;
    bool askingUnload_ = false;  // the query-unload handler runs (it may show a box)
};

}  // namespace velmora::win32
