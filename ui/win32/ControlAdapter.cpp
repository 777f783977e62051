// What the adapters of the dialog's child controls share, the hosted control's adapter and the
// adapter of each kind.
#include "ui/win32/ControlAdapter.h"

#include <commctrl.h>

#include "platform/win32/Win32Dialogs.h"
#include "ui/win32/FormSite.h"
#include "ui/win32/HostedControl.h"

namespace velmora::win32 {

namespace {

bool StyleVisible(HWND window) {
    return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

// A hosted control: made with the window in place of its placeholder, let go of with it.
class HostedAdapter : public ControlAdapter {
public:
    using ControlAdapter::ControlAdapter;
    void Attach(FormSite& site) override {
        site_ = &site;
        row_.hosted->Create(site.Dialog(), row_.id);
    }
    void Push() override {}
    void Notify(int, HWND) override {}
    void Detach() override { row_.hosted->Release(); }
};

}  // namespace

std::string WindowText(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(
        static_cast<size_t>(GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

std::unique_ptr<ControlAdapter> MakeAdapter(const BoundControl& row) {
    switch (row.kind) {
        case ControlKind::Text: return MakeTextAdapter(row);
        case ControlKind::Check: return MakeCheckAdapter(row);
        case ControlKind::Button: return MakeButtonAdapter(row);
        case ControlKind::List: return MakeListAdapter(row);
        case ControlKind::Combo: return MakeComboAdapter(row);
        case ControlKind::Picture: return MakePictureAdapter(row);
        case ControlKind::Menu: return MakeMenuAdapter(row);
        case ControlKind::Hosted: break;
    }
    return std::make_unique<HostedAdapter>(row);
}

bool ChildAdapter::Find(FormSite& site) {
    site_ = &site;
    control_ = GetDlgItem(site.Dialog(), row_.id);
    if (!control_) return false;
    shownEnabled_ = IsWindowEnabled(control_) != FALSE;
    shownVisible_ = StyleVisible(control_);
    return true;
}

void ChildAdapter::Dress() {
    // A window that sees every key first hears of them from whichever control has the focus.
    const bool needsMessages = row_.mouseDown || row_.mouseMove || row_.keyUp || row_.keyDown ||
                               row_.contextKey || row_.link || (HearsClicks() && row_.click) ||
                               site_->Table().keyDown;
    if (needsMessages) {
        SetWindowSubclass(control_, ControlProc, reinterpret_cast<UINT_PTR>(this), 0);
    }
    site_->AddToolTip(control_);
    if (!row_.fontFace.empty()) SetRowFont();
}

void ChildAdapter::SetRowFont() {
    LOGFONTA font = {};
    const WindowDC screen;
    font.lfHeight = -MulDiv(row_.fontPoints, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, row_.fontFace.c_str(), LF_FACESIZE);
    font_.Reset(CreateFontIndirectA(&font));
    if (font_.Get())
        SendMessageA(control_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
}

void ChildAdapter::TakeDesignCaption() {
    shownText_ = WindowText(control_);
    if (row_.model && row_.model->Text().empty()) row_.model->SetText(*shownText_);
}

void ChildAdapter::Push() {
    if (reading_ || !site_ || !site_->Dialog() || !control_ || !row_.model) return;
    pushing_ = true;
    PushValue();
    PushState();
    pushing_ = false;
}

bool ChildAdapter::PushText() {
    if (!shownText_) shownText_ = WindowText(control_);
    const std::string& text = row_.model->Text();
    if (*shownText_ == text) return false;
    shownText_ = text;
    SetWindowTextA(control_, text.c_str());
    return true;
}

void ChildAdapter::PushState() {
    const ui::Control* model = row_.model;
    const bool enable = shownEnabled_ != model->Enabled();
    const bool show = shownVisible_ != model->Visible();
    if (!enable && !show) return;
    // A control that goes out of reach hands the focus on first, as the next Tab would:
    // otherwise the keyboard would reach no control, and Esc no longer the window.
    if ((enable && !model->Enabled()) || (show && !model->Visible())) {
        HWND focus = GetFocus();
        if (focus && (focus == control_ || IsChild(control_, focus)))
            SendMessageA(site_->Dialog(), WM_NEXTDLGCTL, 0, FALSE);
    }
    shownEnabled_ = model->Enabled();
    shownVisible_ = model->Visible();
    if (enable) EnableWindow(control_, model->Enabled() ? TRUE : FALSE);
    if (show) ShowWindow(control_, model->Visible() ? SW_SHOWNA : SW_HIDE);
}

void ChildAdapter::Read() {
    if (!control_ || !row_.model) return;
    reading_ = true;
    ReadValue();
    reading_ = false;
}

LRESULT CALLBACK ChildAdapter::ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR self, DWORD_PTR) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, ControlProc, self);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    return reinterpret_cast<ChildAdapter*>(self)->OnControlMessage(window, message, wParam, lParam);
}

LRESULT ChildAdapter::OnControlMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const BoundControl& row = row_;
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (row.mouseDown) {
                const int button = message == WM_LBUTTONDOWN   ? 1
                                   : message == WM_RBUTTONDOWN ? 2
                                                               : 4;
                Read();
                site_->Trapped([&] { row.mouseDown(button); });
            }
            break;
        case WM_MOUSEMOVE:
            if (row.mouseMove) site_->Trapped(row.mouseMove);
            break;
        case WM_LBUTTONUP:
            if (HearsClicks() && row.click) {
                const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
                Read();
                site_->Trapped(row.click);
                return result;
            }
            break;
        case WM_KEYUP:
            if (row.keyUp) {
                const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
                Read();
                site_->Trapped([&] { row.keyUp(static_cast<int>(wParam)); });
                return result;
            }
            break;
        case WM_GETDLGCODE:
            // Enter is the control's own: the dialog manager leaves the default button alone.
            if (row.claimsEnter && lParam &&
                reinterpret_cast<const MSG*>(lParam)->message == WM_KEYDOWN &&
                reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN)
                return DefSubclassProc(window, message, wParam, lParam) | DLGC_WANTALLKEYS;
            break;
        case WM_CHAR:
            if (row.claimsEnter && wParam == '\r') return 0;  // no beep from a one-line edit
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (const auto& keyDown = site_->Table().keyDown)
                site_->Trapped([&] { keyDown(static_cast<int>(wParam)); });
            if (row.keyDown && message == WM_KEYDOWN) {
                Read();
                site_->Trapped([&] { row.keyDown(static_cast<int>(wParam)); });
                if (row.claimsEnter && wParam == VK_RETURN) return 0;
            }
            break;
        case WM_CONTEXTMENU:
            // From the keyboard the point is (-1, -1); the mouse's own clicks are heard above.
            if (row.contextKey && lParam == -1) {
                site_->Trapped(row.contextKey);
                return 0;
            }
            break;
        case WM_SETCURSOR:
            if (ShowsLink() && !Win32Dialogs::BusyPointerShown()) {
                SetCursor(LoadCursorA(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        default: break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace velmora::win32
