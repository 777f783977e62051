// The one Win32 binding of every window: shows a window's dialog resource, mirrors the
// window object's control models into the real controls and back (through an adapter per
// row, by control kind), routes the window's messages to the adapters and the window's own
// handlers, and is the window's FormHost.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/FormHost.h"
#include "platform/Platform.h"
#include "ui/win32/ControlAdapter.h"
#include "ui/win32/FormSite.h"
#include "ui/win32/FormTable.h"

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
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    BOOL Initialize(HWND window);
    void SetProgramIcon(HWND window);
    // Geometry of a window that can be resized: its design size is its smallest, and the
    // anchored controls follow its size.
    void NoteDesignSize(HWND window);
    void FollowSize(int width, int height);
    void Detach();
    void OnCommand(int id, int code, HWND control);
    void OnInitMenuPopup(HMENU popup);
    INT_PTR OnControlColour(HWND control, HDC dc);
    ControlAdapter* Find(int id, ControlKind kind) const;
    ControlAdapter* FindModel(const ui::Control* model) const;
    ControlAdapter* FindWindow(HWND window) const;

    // Runs a handler: every exception stops here and is reported.
    void Trapped(const std::function<void()>& handler) { site_.Trapped(handler); }
    void End();
    HWND Window() const { return site_.Dialog(); }

    FormTable table_;
    FormSite site_;  // the window, once made, and what its controls share
    bool modal_ = false;
    std::vector<std::unique_ptr<ControlAdapter>> adapters_;  // one per row of the table
    bool ready_ = false;  // handlers run only once the models are shown
    struct Anchored {
        HWND control;
        BoundControl::Anchor anchor;
        RECT design;  // its place in the window as designed
    };
    std::vector<Anchored> anchored_;
    POINT minimumSize_ = {};
    POINT designClient_ = {};
    bool closing_ = false;
    bool askingUnload_ = false;           // the query-unload handler runs (it may show a box)
    std::optional<std::string> caption_;  // as last set (unknown: the resource's)
};

}  // namespace velmora::win32
