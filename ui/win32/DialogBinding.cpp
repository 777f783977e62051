// The one Win32 binding of every window: shows a window's dialog resource, mirrors the
// window object's control models into the real controls and back, runs its handlers on
// the controls' notifications, and is the window's FormHost.
#include "ui/win32/DialogBinding.h"

#include <commctrl.h>

#include <map>
#include <new>
#include <stdexcept>

#include "platform/Dialogs.h"
#include "platform/ProductInfo.h"
#include "platform/RuntimeError.h"
#include "platform/Shell.h"
#include "platform/win32/Win32Picture.h"
#include "platform/ErrorTrap.h"

namespace velmora::win32 {

namespace {

// Posted to itself: the activation handler runs once the dialog manager has put the focus
// back, and a window made without waiting goes once the handler that closed it returns.
constexpr UINT kActivatedMessage = WM_APP + 1;
constexpr UINT kDestroyMessage = WM_APP + 2;

constexpr int kEscape = 27;
constexpr COLORREF kLinkColour = RGB(0, 0, 255);

std::string WindowText(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(
        static_cast<size_t>(GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

bool StyleVisible(HWND window) {
    return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

// Where a menu entry sits, and the pop-up it opens (null for a command).
struct MenuPlace {
    HMENU menu = nullptr;
    int position = -1;
    HMENU submenu = nullptr;
    bool separator = false;
};

std::string MenuCaption(const MenuPlace& place) {
    char text[512] = {};
    GetMenuStringA(place.menu, static_cast<UINT>(place.position), text, sizeof text, MF_BYPOSITION);
    return text;
}

// Shows items in a list or combo box that shows `shown`. Only the entries after the first
// difference change, which keeps the scroll position; a long change is made with the
// drawing off and the storage reserved, and painted once.
void ShowItems(HWND control, bool combo, std::vector<std::string>& shown,
               const std::vector<std::string>& items) {
    size_t same = 0;
    while (same < shown.size() && same < items.size() && shown[same] == items[same]) ++same;
    const bool many = shown.size() + items.size() - 2 * same > 16;
    if (many) SendMessageA(control, WM_SETREDRAW, FALSE, 0);
    if (same == 0 && !shown.empty()) {
        SendMessageA(control, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
    } else {
        for (size_t i = shown.size(); i > same; --i)
            SendMessageA(control, combo ? CB_DELETESTRING : LB_DELETESTRING, i - 1, 0);
    }
    if (many) {
        size_t bytes = 0;
        for (size_t i = same; i < items.size(); ++i) bytes += items[i].size() + 1;
        SendMessageA(control, combo ? CB_INITSTORAGE : LB_INITSTORAGE, items.size() - same,
                     static_cast<LPARAM>(bytes));
    }
    for (size_t i = same; i < items.size(); ++i)
        SendMessageA(control, combo ? CB_ADDSTRING : LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(items[i].c_str()));
    shown = items;
    if (many) {
        SendMessageA(control, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(control, nullptr, TRUE);
    }
}

}  // namespace

struct DialogBinding::Bound {
    explicit Bound(BoundControl row) : row(std::move(row)) {}

    BoundControl row;
    HWND window = nullptr;           // the real control; null for menu entries
    bool edit = false;               // a text model shown by an edit box (else by a static text)
    MenuPlace place;                 // menu entries
    bool menuBar = false;            // an entry of the window's menu bar itself
    std::vector<std::string> items;  // what a list or combo box holds, as last pushed
    OwnedGdiObject<HFONT> font;      // the row's own font
    bool pushing = false;            // the control's own notifications of a push are not read back
    bool reading = false;            // a read's model changes are not pushed back
};

DialogBinding::DialogBinding(const Platform& platform, HINSTANCE resources)
    : platform_(platform), resources_(resources), table_(0) {}

DialogBinding::~DialogBinding() {
    if (window_) {
        if (modal_) {
            EndDialog(window_, 0);
        } else {
            DestroyWindow(window_);
        }
    }
    Detach();
}

bool DialogBinding::RunModal(FormTable table, HWND owner) {
    table_ = std::move(table);
    modal_ = true;
    closing_ = false;
    const INT_PTR result = DialogBoxParamA(resources_, MAKEINTRESOURCEA(table_.dialogId), owner,
                                           DialogProc, reinterpret_cast<LPARAM>(this));
    return result != -1;
}

HWND DialogBinding::Create(FormTable table, HWND owner) {
    table_ = std::move(table);
    modal_ = false;
    closing_ = false;
    return CreateDialogParamA(resources_, MAKEINTRESOURCEA(table_.dialogId), owner, DialogProc,
                              reinterpret_cast<LPARAM>(this));
}

HWND DialogBinding::ControlOf(const ui::Control& model) const {
    const Bound* bound = FindModel(&model);
    return bound ? bound->window : nullptr;
}

INT_PTR CALLBACK DialogBinding::DialogProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<DialogBinding*>(lParam);
        SetWindowLongPtrA(window, DWLP_USER, lParam);
        return self->Initialize(window);
    }
    auto* self = reinterpret_cast<DialogBinding*>(GetWindowLongPtrA(window, DWLP_USER));
    if (!self || self->window_ != window) return FALSE;
    return self->OnMessage(message, wParam, lParam);
}

BOOL DialogBinding::Initialize(HWND window) {
    window_ = window;
    bound_.clear();
    for (const BoundControl& row : table_.controls) bound_.push_back(std::make_unique<Bound>(row));
    LoadMenus();

    toolTip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    if (toolTip_) SendMessageA(toolTip_, TTM_SETMAXTIPWIDTH, 0, 400);  // lines break at CR LF

    for (auto& bound : bound_) Attach(*bound);
    // The resource holds the design-time captions: a model without text of its own takes
    // them, so that the window looks right before its load has set anything.
    for (auto& bound : bound_) {
        ui::Control* model = bound->row.model;
        if (!model || !model->Text().empty()) continue;
        if (bound->row.kind == ControlKind::Menu) {
            if (bound->place.menu && !bound->place.separator)
                model->SetText(MenuCaption(bound->place));
        } else if (bound->window && bound->row.kind != ControlKind::List &&
                   bound->row.kind != ControlKind::Combo &&
                   bound->row.kind != ControlKind::Picture) {
            model->SetText(WindowText(bound->window));
        }
    }
    for (auto& bound : bound_) {
        Push(*bound);
        Bound* target = bound.get();
        if (bound->row.model) bound->row.model->SetListener([this, target] { Push(*target); });
    }
    ready_ = true;
    Trapped(table_.load);
    // The load may have put the focus somewhere itself; otherwise the first tab stop has it.
    HWND focus = GetFocus();
    return !(focus && window_ && IsChild(window_, focus));
}

void DialogBinding::LoadMenus() {
    if (HMENU bar = GetMenu(window_)) AddMenus(bar);
    for (int id : table_.popupMenus) {
        if (HMENU menu = LoadMenuA(resources_, MAKEINTRESOURCEA(id))) {
            loadedMenus_.emplace_back(menu);
            AddMenus(menu);
        }
    }
}

void DialogBinding::AddMenus(HMENU menu) {
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
        if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) continue;
        for (auto& bound : bound_) {
            if (bound->row.kind != ControlKind::Menu || bound->row.id != static_cast<int>(info.wID))
                continue;
            bound->place = {menu, position, info.hSubMenu, (info.fType & MFT_SEPARATOR) != 0};
            bound->menuBar = menu == GetMenu(window_);
        }
        if (info.hSubMenu) AddMenus(info.hSubMenu);
    }
}

void DialogBinding::Attach(Bound& bound) {
    const BoundControl& row = bound.row;
    if (row.kind == ControlKind::Menu) return;
    if (row.kind == ControlKind::Hosted) {
        row.hosted->Create(window_, row.id);
        return;
    }
    bound.window = GetDlgItem(window_, row.id);
    if (!bound.window) return;
    bound.edit =
        row.kind == ControlKind::Text && lstrcmpiA(ClassOf(bound.window).c_str(), "Edit") == 0;

    // A window that sees every key first hears of them from whichever control has the focus.
    const bool needsMessages = row.mouseDown || row.mouseMove || row.keyUp || row.link ||
                               (bound.edit && row.click) || table_.keyDown;
    if (needsMessages) {
        SetWindowSubclass(bound.window, ControlProc, reinterpret_cast<UINT_PTR>(&bound),
                          reinterpret_cast<DWORD_PTR>(this));
    }
    if (toolTip_) {
        TOOLINFOA tool = {};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_;
        tool.uId = reinterpret_cast<UINT_PTR>(bound.window);
        tool.lpszText = LPSTR_TEXTCALLBACKA;
        SendMessageA(toolTip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    if (row.link) {
        if (!linkFont_.Get()) {
            LOGFONTA font = {};
            auto current = reinterpret_cast<HFONT>(SendMessageA(bound.window, WM_GETFONT, 0, 0));
            if (current && GetObjectA(current, sizeof font, &font)) {
                font.lfUnderline = TRUE;
                linkFont_.Reset(CreateFontIndirectA(&font));
            }
        }
        if (linkFont_.Get())
            SendMessageA(bound.window, WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.Get()),
                         FALSE);
    }
    if (!row.fontFace.empty()) SetFont(bound);
    if (row.kind == ControlKind::Picture) {
        auto* box = static_cast<ui::PictureBox*>(row.model);
        if (row.backdrop) SetBackdrop(bound);
        RECT client = {};
        GetClientRect(bound.window, &client);
        box->SetSize(client.right, client.bottom);
        if (row.designBitmap && !box->Picture()) {
            if (PicturePtr picture = Win32Picture::FromResource(resources_, row.designBitmap)) {
                const int width = picture->Width(), height = picture->Height();
                box->Draw(picture, {{(client.right - width) / 2, (client.bottom - height) / 2,
                                     width, height}});
            }
        }
    }
}

void DialogBinding::SetFont(Bound& bound) {
    LOGFONTA font = {};
    const WindowDC screen;
    font.lfHeight = -MulDiv(bound.row.fontPoints, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, bound.row.fontFace.c_str(), LF_FACESIZE);
    bound.font.Reset(CreateFontIndirectA(&font));
    if (bound.font.Get())
        SendMessageA(bound.window, WM_SETFONT, reinterpret_cast<WPARAM>(bound.font.Get()), FALSE);
}

void DialogBinding::SetBackdrop(const Bound& bound) {
    backdropBitmap_.Reset(static_cast<HBITMAP>(
        LoadImageA(resources_, MAKEINTRESOURCEA(bound.row.designBitmap), IMAGE_BITMAP, 0, 0, 0)));
    BITMAP size = {};
    if (!backdropBitmap_.Get() || !GetObjectA(backdropBitmap_.Get(), sizeof size, &size)) return;
    backdropBrush_.Reset(CreatePatternBrush(backdropBitmap_.Get()));
    backdropText_ = bound.row.backdropText;
    backdropOrigin_ = {0, 0};
    // The window is its picture: dialog units never give its size in pixels exactly, so the
    // window keeps its centre and takes the picture's size, the box filling it.
    RECT frame = {0, 0, size.bmWidth, size.bmHeight}, now = {};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(window_, GWL_STYLE)),
                       GetMenu(window_) != nullptr,
                       static_cast<DWORD>(GetWindowLongA(window_, GWL_EXSTYLE)));
    GetWindowRect(window_, &now);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(window_, nullptr, (now.left + now.right - width) / 2,
                 (now.top + now.bottom - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(bound.window, nullptr, 0, 0, size.bmWidth, size.bmHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

HBRUSH DialogBinding::BackdropBrush(HWND control, HDC dc) {
    if (!backdropBrush_.Get()) return nullptr;
    POINT origin = backdropOrigin_;
    if (control != window_) {
        const Bound* bound = FindWindow(control);
        // Only texts show it through; an edit box keeps its own background.
        if (!bound || bound->row.kind != ControlKind::Text || bound->edit) return nullptr;
        MapWindowPoints(window_, control, &origin, 1);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, backdropText_);
    }
    SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
    return backdropBrush_.Get();
}

void DialogBinding::Detach() {
    for (auto& bound : bound_) {
        if (bound->row.model) bound->row.model->SetListener(nullptr);
        if (bound->row.kind == ControlKind::Hosted) bound->row.hosted->Release();
    }
    loadedMenus_.clear();
    toolTip_ = nullptr;  // owned by the window, gone with it
    window_ = nullptr;
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
            if (header->hwndFrom == toolTip_ &&
                (header->code == TTN_GETDISPINFOA || header->code == TTN_GETDISPINFOW))
                OnToolTipText(header);
            return FALSE;
        }
        case WM_DRAWITEM: return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        case WM_CTLCOLORDLG:
            return reinterpret_cast<INT_PTR>(BackdropBrush(window_, reinterpret_cast<HDC>(wParam)));
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT: {
            if (HBRUSH brush =
                    BackdropBrush(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<INT_PTR>(brush);
            Bound* bound = FindWindow(reinterpret_cast<HWND>(lParam));
            if (!bound || !bound->row.link) return FALSE;
            auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, kLinkColour);
            SetBkColor(dc, GetSysColor(COLOR_3DFACE));
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_3DFACE));
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) PostMessageA(window_, kActivatedMessage, 0, 0);
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
        case WM_CLOSE: Close(); return TRUE;
        case kDestroyMessage: DestroyWindow(window_); return TRUE;
        case WM_DESTROY: Detach(); return FALSE;
        default: return FALSE;
    }
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
    Bound* bound = nullptr;
    for (auto& candidate : bound_) {
        if (candidate->row.id == id && candidate->row.kind != ControlKind::Hosted) {
            bound = candidate.get();
            break;
        }
    }
    if (!bound) return;
    const BoundControl& row = bound->row;
    switch (row.kind) {
        case ControlKind::Menu:
            // A chosen entry (a pop-up's own click runs when it opens).
            if (!control && !bound->place.submenu) Trapped(row.click);
            return;
        case ControlKind::Text:
            if (code == EN_CHANGE) {
                if (!bound->pushing) Read(*bound);
                Trapped(row.change);
            } else if (code == EN_SETFOCUS) {
                Read(*bound);
                Trapped(row.gotFocus);
            }
            return;
        case ControlKind::Check:
        case ControlKind::Button:
            // A disabled control is never clicked by the user, whatever a message says.
            if (code == BN_CLICKED && row.model->Enabled()) {
                Read(*bound);
                Trapped(row.click);
            }
            return;
        case ControlKind::List:
            if (code == LBN_SELCHANGE) {
                Read(*bound);
                Trapped(row.click);
            }
            return;
        case ControlKind::Combo:
            if (code == CBN_SELCHANGE) {
                // The edit part still shows the old text: take the chosen entry's.
                const auto index = SendMessageA(bound->window, CB_GETCURSEL, 0, 0);
                if (index >= 0 && static_cast<size_t>(index) < bound->items.size()) {
                    bound->reading = true;
                    row.model->SetText(bound->items[static_cast<size_t>(index)]);
                    bound->reading = false;
                }
                Trapped(row.click);
            } else if (code == CBN_EDITCHANGE) {
                Read(*bound);
            }
            return;
        case ControlKind::Picture:
            if (code == STN_CLICKED) Trapped(row.click);
            return;
        case ControlKind::Hosted: return;
    }
}

void DialogBinding::OnInitMenuPopup(HMENU popup) {
    for (auto& bound : bound_) {
        if (bound->row.kind == ControlKind::Menu && bound->place.submenu == popup) {
            Trapped(bound->row.click);
            break;
        }
    }
    // The handler's changes are pushed already; this also covers changes made while no
    // menu was there to show them.
    for (auto& bound : bound_)
        if (bound->row.kind == ControlKind::Menu) PushMenu(*bound);
}

bool DialogBinding::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_STATIC) return false;
    Bound* bound = Find(static_cast<int>(item.CtlID), ControlKind::Picture);
    if (!bound) return false;
    const auto* box = static_cast<const ui::PictureBox*>(bound->row.model);
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_3DFACE));
    const Win32Picture* picture = AsWin32Picture(box->Picture());
    if (!picture) return true;
    SavedDC saved(item.hDC);
    IntersectClipRect(item.hDC, item.rcItem.left, item.rcItem.top, item.rcItem.right,
                      item.rcItem.bottom);
    for (const ui::DrawRect& draw : box->Draws())
        picture->Render(item.hDC, item.rcItem.left + draw.x, item.rcItem.top + draw.y, draw.width,
                        draw.height);
    return true;
}

void DialogBinding::OnToolTipText(NMHDR* header) {
    Bound* bound = FindWindow(reinterpret_cast<HWND>(header->idFrom));
    toolTipText_ = bound && bound->row.model ? bound->row.model->ToolTip() : std::string();
    if (header->code == TTN_GETDISPINFOA) {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(header);
        info->hinst = nullptr;
        info->lpszText = &toolTipText_[0];
    } else {
        toolTipTextWide_.assign(toolTipText_.size() + 1, L'\0');
        MultiByteToWideChar(CP_ACP, 0, toolTipText_.c_str(), -1, &toolTipTextWide_[0],
                            static_cast<int>(toolTipTextWide_.size()));
        auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
        info->hinst = nullptr;
        info->lpszText = &toolTipTextWide_[0];
    }
}

LRESULT CALLBACK DialogBinding::ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR self) {
    auto* binding = reinterpret_cast<DialogBinding*>(self);
    auto* bound = reinterpret_cast<Bound*>(id);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, ControlProc, id);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    return binding->OnControlMessage(*bound, window, message, wParam, lParam);
}

LRESULT DialogBinding::OnControlMessage(Bound& bound, HWND window, UINT message, WPARAM wParam,
                                        LPARAM lParam) {
    const BoundControl& row = bound.row;
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (row.mouseDown) {
                const int button = message == WM_LBUTTONDOWN   ? 1
                                   : message == WM_RBUTTONDOWN ? 2
                                                               : 4;
                Read(bound);
                Trapped([&] { row.mouseDown(button); });
            }
            break;
        case WM_MOUSEMOVE:
            if (row.mouseMove) Trapped(row.mouseMove);
            break;
        case WM_LBUTTONUP:
            // An edit box reports no clicks of its own.
            if (bound.edit && row.click) {
                const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
                Read(bound);
                Trapped(row.click);
                return result;
            }
            break;
        case WM_KEYUP:
            if (row.keyUp) {
                const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
                Read(bound);
                Trapped([&] { row.keyUp(static_cast<int>(wParam)); });
                return result;
            }
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (table_.keyDown) Trapped([&] { table_.keyDown(static_cast<int>(wParam)); });
            break;
        case WM_SETCURSOR:
            if (row.link) {
                SetCursor(LoadCursorA(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        default: break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

DialogBinding::Bound* DialogBinding::Find(int id, ControlKind kind) {
    for (auto& bound : bound_)
        if (bound->row.id == id && bound->row.kind == kind) return bound.get();
    return nullptr;
}

DialogBinding::Bound* DialogBinding::FindModel(const ui::Control* model) {
    for (auto& bound : bound_)
        if (bound->row.model == model) return bound.get();
    return nullptr;
}

const DialogBinding::Bound* DialogBinding::FindModel(const ui::Control* model) const {
    for (const auto& bound : bound_)
        if (bound->row.model == model) return bound.get();
    return nullptr;
}

DialogBinding::Bound* DialogBinding::FindWindow(HWND window) {
    if (!window) return nullptr;
    for (auto& bound : bound_)
        if (bound->window == window) return bound.get();
    return nullptr;
}

void DialogBinding::Push(Bound& bound) {
    if (bound.reading || !window_) return;
    if (bound.row.kind == ControlKind::Menu) {
        PushMenu(bound);
        return;
    }
    HWND control = bound.window;
    const ui::Control* model = bound.row.model;
    if (!control || !model) return;
    bound.pushing = true;
    switch (bound.row.kind) {
        case ControlKind::Text:
        case ControlKind::Check:
        case ControlKind::Button:
            if (WindowText(control) != model->Text())
                SetWindowTextA(control, model->Text().c_str());
            break;
        default: break;
    }
    switch (bound.row.kind) {
        case ControlKind::Text:
            if (bound.edit) {
                const auto* text = static_cast<const ui::TextBox*>(model);
                DWORD start = 0, end = 0;
                SendMessageA(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                             reinterpret_cast<LPARAM>(&end));
                const DWORD wantedEnd = static_cast<DWORD>(text->SelStart() + text->SelLength());
                if (start != static_cast<DWORD>(text->SelStart()) || end != wantedEnd)
                    SendMessageA(control, EM_SETSEL, static_cast<WPARAM>(text->SelStart()),
                                 static_cast<LPARAM>(wantedEnd));
            }
            break;
        case ControlKind::Check: {
            const int value = static_cast<const ui::CheckBox*>(model)->Value();
            if (SendMessageA(control, BM_GETCHECK, 0, 0) != (value ? BST_CHECKED : BST_UNCHECKED))
                SendMessageA(control, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        }
        case ControlKind::List:
        case ControlKind::Combo: {
            const bool combo = bound.row.kind == ControlKind::Combo;
            const auto& items = combo ? static_cast<const ui::ComboBox*>(model)->Items()
                                      : static_cast<const ui::ListBox*>(model)->Items();
            ShowItems(control, combo, bound.items, items);
            if (combo) {
                if (WindowText(control) != model->Text())
                    SetWindowTextA(control, model->Text().c_str());
            } else {
                const int index = static_cast<const ui::ListBox*>(model)->ListIndex();
                if (SendMessageA(control, LB_GETCURSEL, 0, 0) != index)
                    SendMessageA(control, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
            }
            break;
        }
        case ControlKind::Picture: InvalidateRect(control, nullptr, TRUE); break;
        default: break;
    }
    const bool enable = (IsWindowEnabled(control) != FALSE) != model->Enabled();
    const bool show = StyleVisible(control) != model->Visible();
    // A control that goes out of reach hands the focus on first, as the next Tab would:
    // otherwise the keyboard would reach no control, and Esc no longer the window.
    HWND focus = GetFocus();
    if (((enable && !model->Enabled()) || (show && !model->Visible())) && focus &&
        (focus == control || IsChild(control, focus)))
        SendMessageA(window_, WM_NEXTDLGCTL, 0, FALSE);
    if (enable) EnableWindow(control, model->Enabled() ? TRUE : FALSE);
    if (show) ShowWindow(control, model->Visible() ? SW_SHOWNA : SW_HIDE);
    bound.pushing = false;
}

void DialogBinding::PushMenu(Bound& bound) {
    const MenuPlace& place = bound.place;
    if (!place.menu || place.separator) return;
    const auto* item = static_cast<const ui::MenuItem*>(bound.row.model);
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    if (!GetMenuItemInfoA(place.menu, static_cast<UINT>(place.position), TRUE, &info)) return;
    UINT state = info.fState & ~(MFS_DISABLED | MFS_CHECKED);
    if (!item->Enabled()) state |= MFS_DISABLED;
    if (item->Checked()) state |= MFS_CHECKED;
    const bool captionChanged = MenuCaption(place) != item->Caption();
    if (state == info.fState && !captionChanged) return;
    std::string caption = item->Caption();
    info.fMask = MIIM_STATE | (captionChanged ? MIIM_STRING : 0);
    info.fState = state;
    info.dwTypeData = &caption[0];
    SetMenuItemInfoA(place.menu, static_cast<UINT>(place.position), TRUE, &info);
    if (bound.menuBar && window_) DrawMenuBar(window_);
}

void DialogBinding::Read(Bound& bound) {
    HWND control = bound.window;
    ui::Control* model = bound.row.model;
    if (!control || !model) return;
    bound.reading = true;
    switch (bound.row.kind) {
        case ControlKind::Text:
            if (bound.edit) {
                auto* text = static_cast<ui::TextBox*>(model);
                text->SetText(WindowText(control));
                DWORD start = 0, end = 0;
                SendMessageA(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                             reinterpret_cast<LPARAM>(&end));
                text->SetSelection(static_cast<int>(start), static_cast<int>(end - start));
            }
            break;
        case ControlKind::Check:
            static_cast<ui::CheckBox*>(model)->SetValue(
                SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
            break;
        case ControlKind::List: {
            const LRESULT index = SendMessageA(control, LB_GETCURSEL, 0, 0);
            static_cast<ui::ListBox*>(model)->SetListIndex(
                index == LB_ERR ? -1 : static_cast<int>(index));
            break;
        }
        case ControlKind::Combo: model->SetText(WindowText(control)); break;
        default: break;
    }
    bound.reading = false;
}

void DialogBinding::Trapped(const std::function<void()>& handler) {
    if (handler) ErrorTrap(platform_).Run(handler);
}

void DialogBinding::End() {
    if (!window_) return;
    if (modal_) {
        EndDialog(window_, 0);
    } else {
        PostMessageA(window_, kDestroyMessage, 0, 0);
    }
}

WindowHandle DialogBinding::Handle() {
    return reinterpret_cast<WindowHandle>(window_);
}

void DialogBinding::SetCaption(const std::string& caption) {
    if (window_) SetWindowTextA(window_, caption.c_str());
}

int DialogBinding::ScreenWidth() {
    return GetSystemMetrics(SM_CXSCREEN);
}

int DialogBinding::ScreenHeight() {
    return GetSystemMetrics(SM_CYSCREEN);
}

void DialogBinding::CenterOnScreen() {
    RECT rect = {};
    if (!window_ || !GetWindowRect(window_, &rect)) return;
    SetWindowPos(window_, nullptr, (ScreenWidth() - (rect.right - rect.left)) / 2,
                 (ScreenHeight() - (rect.bottom - rect.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogBinding::SetTop(int top) {
    RECT rect = {};
    if (!window_ || !GetWindowRect(window_, &rect)) return;
    SetWindowPos(window_, nullptr, rect.left, top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogBinding::BringToFront() {
    if (!window_) return;
    ShowWindow(window_, SW_SHOW);
    BringWindowToTop(window_);
    SetForegroundWindow(window_);
    SetActiveWindow(window_);
}

void DialogBinding::SetFocus(const ui::Control& control) {
    HWND target = ControlOf(control);
    if (target && window_)
        SendMessageA(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
}

void DialogBinding::PopupMenu(const ui::MenuItem& topMenu) {
    const Bound* bound = FindModel(&topMenu);
    if (!bound || !window_ || bound->row.kind != ControlKind::Menu) return;
    // A pop-up's model opens its pop-up; an entry's model opens the pop-up it is in.
    HMENU popup = bound->place.submenu;
    if (!popup && !bound->menuBar) popup = bound->place.menu;
    if (!popup) return;
    POINT at = {};
    GetCursorPos(&at);
    SetForegroundWindow(window_);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, window_,
                   nullptr);
    // Lets the menu close when the user clicks elsewhere.
    if (window_) PostMessageA(window_, WM_NULL, 0, 0);
}

void DialogBinding::Close() {
    if (closing_ || askingUnload_ || !window_) return;
    if (table_.queryUnload) {
        // A handler that fails keeps the window, and with it what the user has in it.
        bool close = false;
        askingUnload_ = true;
        Trapped([this, &close] { close = table_.queryUnload(); });
        askingUnload_ = false;
        if (!close || !window_) return;
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
