// The one Win32 binding of every window: shows a window's dialog resource, makes an adapter
// per row of its table, routes the window's messages to them and to the window's own
// handlers, and is the window's FormHost (caption, place, focus, pop-up menus, end).
#include "ui/win32/DialogBinding.h"

#include <shellapi.h>

#include <commctrl.h>

#include "platform/win32/Win32Dialogs.h"

namespace velmora::win32 {

namespace {

// Posted to itself: the activation handler runs once the dialog manager has put the focus
// back, and a window made without waiting goes once the handler that closed it returns.
constexpr UINT kActivatedMessage = WM_APP + 1;
constexpr UINT kDestroyMessage = WM_APP + 2;

constexpr int kEscape = 27;

}  // namespace

DialogBinding::DialogBinding(const Platform& platform, HINSTANCE resources)
    : table_(0), site_(platform, resources) {}

DialogBinding::~DialogBinding() {
    if (Window()) {
        if (modal_) {
            EndDialog(Window(), 0);
        } else {
            DestroyWindow(Window());
        }
    }
    Detach();
}

bool DialogBinding::RunModal(FormTable table, HWND owner) {
    table_ = std::move(table);
    modal_ = true;
    closing_ = false;
    const INT_PTR result = DialogBoxParamA(site_.Resources(), MAKEINTRESOURCEA(table_.dialogId),
                                           owner, DialogProc, reinterpret_cast<LPARAM>(this));
    return result != -1;
}

HWND DialogBinding::Create(FormTable table, HWND owner) {
    table_ = std::move(table);
    modal_ = false;
    closing_ = false;
    return CreateDialogParamA(site_.Resources(), MAKEINTRESOURCEA(table_.dialogId), owner,
                              DialogProc, reinterpret_cast<LPARAM>(this));
}

HWND DialogBinding::ControlOf(const ui::Control& model) const {
    const ControlAdapter* adapter = FindModel(&model);
    return adapter ? adapter->Control() : nullptr;
}

INT_PTR CALLBACK DialogBinding::DialogProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<DialogBinding*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        return self->Initialize(window);
    }
    auto* self = reinterpret_cast<DialogBinding*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!self || self->Window() != window) return FALSE;
    return self->OnMessage(message, wParam, lParam);
}

BOOL DialogBinding::Initialize(HWND window) {
    caption_.reset();
    adapters_.clear();
    for (const BoundControl& row : table_.controls) adapters_.push_back(MakeAdapter(row));
    site_.Start(window, table_);
    SetProgramIcon(window);
    for (auto& adapter : adapters_) adapter->Attach(site_);
    NoteDesignSize(window);
    for (auto& adapter : adapters_) {
        adapter->Push();
        ControlAdapter* target = adapter.get();
        if (ui::Control* model = adapter->Row().model)
            model->SetListener([target] { target->Push(); });
    }
    ready_ = true;
    if (table_.dropFile) DragAcceptFiles(window, TRUE);
    Trapped(table_.load);
    // The load may have put the focus somewhere itself; otherwise the first tab stop has it.
    HWND focus = GetFocus();
    return !(focus && Window() && IsChild(Window(), focus));
}

void DialogBinding::SetProgramIcon(HWND window) {
    // The program's icon (its first) in the title bar, the task bar and Alt+Tab.
    HINSTANCE program = GetModuleHandleA(nullptr);
    const auto icon = [program](int size) {
        return reinterpret_cast<LPARAM>(LoadImageA(program, MAKEINTRESOURCEA(1), IMAGE_ICON,
                                                   GetSystemMetrics(size), GetSystemMetrics(size),
                                                   LR_SHARED));
    };
    if (const LPARAM big = icon(SM_CXICON)) SendMessageA(window, WM_SETICON, ICON_BIG, big);
    if (const LPARAM small = icon(SM_CXSMICON)) SendMessageA(window, WM_SETICON, ICON_SMALL, small);
}

void DialogBinding::NoteDesignSize(HWND window) {
    RECT frame = {}, client = {};
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    minimumSize_ = {frame.right - frame.left, frame.bottom - frame.top};
    designClient_ = {client.right, client.bottom};
    anchored_.clear();
    for (const auto& adapter : adapters_) {
        if (adapter->Row().anchor == BoundControl::Anchor::None || !adapter->Control()) continue;
        RECT place = {};
        GetWindowRect(adapter->Control(), &place);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
        anchored_.push_back({adapter->Control(), adapter->Row().anchor, place});
    }
}

void DialogBinding::FollowSize(int width, int height) {
    const int dx = width - designClient_.x, dy = height - designClient_.y;
    for (const Anchored& a : anchored_) {
        const RECT& r = a.design;
        if (a.anchor == BoundControl::Anchor::Stretch) {
            SetWindowPos(a.control, nullptr, r.left, r.top, r.right - r.left + dx,
                         r.bottom - r.top + dy, SWP_NOZORDER | SWP_NOACTIVATE);
        } else {
            SetWindowPos(a.control, nullptr, r.left + dx, r.top + dy, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (!anchored_.empty()) InvalidateRect(Window(), nullptr, TRUE);
}

void DialogBinding::Detach() {
    for (auto& adapter : adapters_) {
        if (ui::Control* model = adapter->Row().model) model->SetListener(nullptr);
        adapter->Detach();
    }
    site_.Forget();
    ready_ = false;
}

INT_PTR DialogBinding::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return TRUE;
        case WM_INITMENUPOPUP:
            if (!HIWORD(lParam)) OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
            return TRUE;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (header->hwndFrom == site_.ToolTip() &&
                (header->code == TTN_GETDISPINFOA || header->code == TTN_GETDISPINFOW)) {
                const ControlAdapter* adapter = FindWindow(reinterpret_cast<HWND>(header->idFrom));
                site_.AnswerToolTip(header, adapter && adapter->Row().model
                                                ? adapter->Row().model->ToolTip()
                                                : std::string());
            }
            return FALSE;
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            ControlAdapter* picture = Find(static_cast<int>(item.CtlID), ControlKind::Picture);
            return picture && picture->Draw(item);
        }
        case WM_CTLCOLORDLG:
            return reinterpret_cast<INT_PTR>(
                site_.BackdropBrush(Window(), false, reinterpret_cast<HDC>(wParam)));
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            return OnControlColour(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) PostMessageA(Window(), kActivatedMessage, 0, 0);
            return FALSE;
        case kActivatedMessage:
            if (!closing_) Trapped(table_.activate);
            return TRUE;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (!table_.keyDown || !ready_) return FALSE;
            Trapped([this, wParam] { table_.keyDown(static_cast<int>(wParam)); });
            return TRUE;
        case WM_LBUTTONUP:
            if (!table_.click || !ready_) return FALSE;
            Trapped(table_.click);
            return TRUE;
        case WM_SETCURSOR:
            if (!Win32Dialogs::BusyPointerShown()) return FALSE;
            SetCursor(LoadCursorA(nullptr, IDC_WAIT));
            SetWindowLongPtrA(Window(), DWLP_MSGRESULT, TRUE);
            return TRUE;
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED) FollowSize(LOWORD(lParam), HIWORD(lParam));
            return FALSE;
        case WM_GETMINMAXINFO:
            // A window that can be resized is never made smaller than its design.
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = minimumSize_;
            return FALSE;
        case WM_DROPFILES: {
            // The drop's memory is the shell's: released whatever the handler does.
            const auto drop = reinterpret_cast<HDROP>(wParam);
            char path[MAX_PATH] = {};
            const bool named = DragQueryFileA(drop, 0, path, sizeof path) > 0;
            DragFinish(drop);
            if (named && table_.dropFile && ready_)
                Trapped([this, file = std::string(path)] { table_.dropFile(file); });
            return TRUE;
        }
        case WM_CLOSE: Close(); return TRUE;
        case kDestroyMessage: DestroyWindow(Window()); return TRUE;
        case WM_DESTROY: Detach(); return FALSE;
        default: return FALSE;
    }
}

INT_PTR DialogBinding::OnControlColour(HWND control, HDC dc) {
    const ControlAdapter* adapter = FindWindow(control);
    if (HBRUSH brush = site_.BackdropBrush(control, adapter && adapter->ShowsBackdrop(), dc))
        return reinterpret_cast<INT_PTR>(brush);
    if (!adapter || !adapter->ShowsLink()) return FALSE;
    return reinterpret_cast<INT_PTR>(FormSite::LinkColours(dc));
}

void DialogBinding::OnCommand(int id, int code, HWND control) {
    if (!ready_) return;  // the controls' own notifications while the window is set up
    if ((id == IDCANCEL || id == IDOK) && table_.keyDown && !Find(id, ControlKind::Button)) {
        // Esc and Enter, as the dialog manager reports them.
        Trapped([this, id] { table_.keyDown(id == IDCANCEL ? VK_ESCAPE : VK_RETURN); });
        return;
    }
    if (id == IDCANCEL && !Find(id, ControlKind::Button)) {
        // Esc, as the dialog manager reports it.
        if (table_.keyPress) {
            Trapped([this] { table_.keyPress(kEscape); });
        } else {
            Close();
        }
        return;
    }
    // The first row with the id hears it; a hosted control hears nothing of it.
    for (auto& adapter : adapters_) {
        if (adapter->Row().id == id && adapter->Row().kind != ControlKind::Hosted) {
            adapter->Notify(code, control);
            return;
        }
    }
}

void DialogBinding::OnInitMenuPopup(HMENU popup) {
    for (auto& adapter : adapters_) {
        if (adapter->Row().kind == ControlKind::Menu && adapter->Submenu() == popup) {
            Trapped(adapter->Row().click);
            break;
        }
    }
    // The handler's changes are pushed already; this also covers changes made while no
    // menu was there to show them.
    for (auto& adapter : adapters_)
        if (adapter->Row().kind == ControlKind::Menu) adapter->Push();
}

ControlAdapter* DialogBinding::Find(int id, ControlKind kind) const {
    for (const auto& adapter : adapters_)
        if (adapter->Row().id == id && adapter->Row().kind == kind) return adapter.get();
    return nullptr;
}

ControlAdapter* DialogBinding::FindModel(const ui::Control* model) const {
    for (const auto& adapter : adapters_)
        if (adapter->Row().model == model) return adapter.get();
    return nullptr;
}

ControlAdapter* DialogBinding::FindWindow(HWND window) const {
    if (!window) return nullptr;
    for (const auto& adapter : adapters_)
        if (adapter->Control() == window) return adapter.get();
    return nullptr;
}

void DialogBinding::End() {
    if (!Window()) return;
    if (modal_) {
        EndDialog(Window(), 0);
    } else {
        PostMessageA(Window(), kDestroyMessage, 0, 0);
    }
}

WindowHandle DialogBinding::Handle() {
    return reinterpret_cast<WindowHandle>(Window());
}

void DialogBinding::SetCaption(const std::string& caption) {
    // The title bar is redrawn only for a caption that changes.
    if (!Window() || caption_ == caption) return;
    caption_ = caption;
    SetWindowTextA(Window(), caption.c_str());
}

int DialogBinding::ScreenWidth() {
    return GetSystemMetrics(SM_CXSCREEN);
}

int DialogBinding::ScreenHeight() {
    return GetSystemMetrics(SM_CYSCREEN);
}

void DialogBinding::CenterOnScreen() {
    RECT rect = {};
    if (!Window() || !GetWindowRect(Window(), &rect)) return;
    SetWindowPos(Window(), nullptr, (ScreenWidth() - (rect.right - rect.left)) / 2,
                 (ScreenHeight() - (rect.bottom - rect.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogBinding::SetTop(int top) {
    RECT rect = {};
    if (!Window() || !GetWindowRect(Window(), &rect)) return;
    SetWindowPos(Window(), nullptr, rect.left, top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogBinding::BringToFront() {
    if (!Window()) return;
    ShowWindow(Window(), SW_SHOW);
    BringWindowToTop(Window());
    SetForegroundWindow(Window());
    SetActiveWindow(Window());
}

void DialogBinding::SetFocus(const ui::Control& control) {
    HWND target = ControlOf(control);
    if (target && Window())
        SendMessageA(Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
}

void DialogBinding::PopupMenu(const ui::MenuItem& topMenu) {
    const ControlAdapter* menu = FindModel(&topMenu);
    if (!menu || !Window() || menu->Row().kind != ControlKind::Menu) return;
    HMENU popup = menu->Popup();
    if (!popup) return;
    POINT at = {};
    GetCursorPos(&at);
    SetForegroundWindow(Window());
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, Window(),
                   nullptr);
    // Lets the menu close when the user clicks elsewhere.
    if (Window()) PostMessageA(Window(), WM_NULL, 0, 0);
}

void DialogBinding::Close() {
    if (closing_ || askingUnload_ || !Window()) return;
    if (table_.queryUnload) {
        // A handler that fails keeps the window, and with it what the user has in it.
        bool close = false;
        askingUnload_ = true;
        Trapped([this, &close] { close = table_.queryUnload(); });
        askingUnload_ = false;
        if (!close || !Window()) return;
    }
    closing_ = true;
    Trapped(table_.unload);
    End();
}

void DialogBinding::EndProgram() {
    closing_ = true;
    End();
}

}  // namespace velmora::win32
