// What the control adapters of one window share: its menus, tool tip, link font and backdrop.
#include "ui/win32/FormSite.h"

#include <commctrl.h>

#include "platform/ErrorTrap.h"

namespace velmora::win32 {

namespace {

constexpr COLORREF kLinkColour = RGB(0, 0, 255);

}  // namespace

void FormSite::Start(HWND dialog, const FormTable& table) {
    dialog_ = dialog;
    table_ = &table;
    for (int id : table.popupMenus)
        if (HMENU menu = LoadMenuA(resources_, MAKEINTRESOURCEA(id)))
            loadedMenus_.emplace_back(menu);

    toolTip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog_, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    if (toolTip_) SendMessageA(toolTip_, TTM_SETMAXTIPWIDTH, 0, 400);  // lines break at CR LF
}

void FormSite::Forget() {
    loadedMenus_.clear();
    toolTip_ = nullptr;  // owned by the window, gone with it
    dialog_ = nullptr;
}

void FormSite::Trapped(const std::function<void()>& handler) const {
    if (handler) ErrorTrap(platform_).Run(handler);
}

std::vector<HMENU> FormSite::Menus() const {
    std::vector<HMENU> menus;
    if (HMENU bar = GetMenu(dialog_)) menus.push_back(bar);
    for (const auto& menu : loadedMenus_) menus.push_back(menu.get());
    return menus;
}

void FormSite::AddToolTip(HWND control) {
    if (!toolTip_) return;
    TOOLINFOA tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = dialog_;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = LPSTR_TEXTCALLBACKA;
    SendMessageA(toolTip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void FormSite::AnswerToolTip(NMHDR* header, const std::string& text) {
    toolTipText_ = text;
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

HFONT FormSite::LinkFont(HWND firstLink) {
    if (!linkFont_.Get()) {
        LOGFONTA font = {};
        auto current = reinterpret_cast<HFONT>(SendMessageA(firstLink, WM_GETFONT, 0, 0));
        if (current && GetObjectA(current, sizeof font, &font)) {
            font.lfUnderline = TRUE;
            linkFont_.Reset(CreateFontIndirectA(&font));
        }
    }
    return linkFont_.Get();
}

HBRUSH FormSite::LinkColours(HDC dc) {
    SetTextColor(dc, kLinkColour);
    SetBkColor(dc, GetSysColor(COLOR_3DFACE));
    return GetSysColorBrush(COLOR_3DFACE);
}

void FormSite::SetBackdrop(HWND box, int bitmapId, COLORREF textColour) {
    backdropBitmap_.Reset(static_cast<HBITMAP>(
        LoadImageA(resources_, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, 0)));
    BITMAP size = {};
    if (!backdropBitmap_.Get() || !GetObjectA(backdropBitmap_.Get(), sizeof size, &size)) return;
    backdropBrush_.Reset(CreatePatternBrush(backdropBitmap_.Get()));
    backdropText_ = textColour;
    backdropOrigin_ = {0, 0};
    // The window is its picture: dialog units never give its size in pixels exactly, so the
    // window keeps its centre and takes the picture's size, the box filling it.
    RECT frame = {0, 0, size.bmWidth, size.bmHeight}, now = {};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongA(dialog_, GWL_STYLE)),
                       GetMenu(dialog_) != nullptr,
                       static_cast<DWORD>(GetWindowLongA(dialog_, GWL_EXSTYLE)));
    GetWindowRect(dialog_, &now);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(dialog_, nullptr, (now.left + now.right - width) / 2,
                 (now.top + now.bottom - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(box, nullptr, 0, 0, size.bmWidth, size.bmHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

HBRUSH FormSite::BackdropBrush(HWND control, bool showsThrough, HDC dc) const {
    if (!backdropBrush_.Get()) return nullptr;
    POINT origin = backdropOrigin_;
    if (control != dialog_) {
        // Only static texts show it through; an edit box keeps its own background.
        if (!showsThrough) return nullptr;
        MapWindowPoints(dialog_, control, &origin, 1);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, backdropText_);
    }
    SetBrushOrgEx(dc, origin.x, origin.y, nullptr);
    return backdropBrush_.Get();
}

}  // namespace velmora::win32
