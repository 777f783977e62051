// The control's drawing surface.
#include "flintor/win32/Win32Surface.h"

#include <olectl.h>
#include <windowsx.h>

#include "flintor/win32/ModuleState.h"
#include "flintor/win32/OlePicture.h"

namespace velmora::flintor::win32 {

namespace {

constexpr char kClassName[] = "FlintorSurface";
constexpr int kBorderWidth = kBorderExtra / 2;  // the sunken edge of "Fixed Single", each side

ATOM RegisterSurfaceClass() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = ModuleState::Instance();
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = kClassName;
    return RegisterClassA(&windowClass);
}

// The standard mouse pointers by number; 0 (the default) and 99 (MouseIcon) are not here.
LPCSTR StandardCursor(int pointer) {
    switch (pointer) {
        case 2: return reinterpret_cast<LPCSTR>(IDC_CROSS);
        case 3: return reinterpret_cast<LPCSTR>(IDC_IBEAM);
        case 5:
        case 15: return reinterpret_cast<LPCSTR>(IDC_SIZEALL);
        case 6: return reinterpret_cast<LPCSTR>(IDC_SIZENESW);
        case 7: return reinterpret_cast<LPCSTR>(IDC_SIZENS);
        case 8: return reinterpret_cast<LPCSTR>(IDC_SIZENWSE);
        case 9: return reinterpret_cast<LPCSTR>(IDC_SIZEWE);
        case 10: return reinterpret_cast<LPCSTR>(IDC_UPARROW);
        case 11: return reinterpret_cast<LPCSTR>(IDC_WAIT);
        case 12: return reinterpret_cast<LPCSTR>(IDC_NO);
        case 13: return reinterpret_cast<LPCSTR>(IDC_APPSTARTING);
        case 14: return reinterpret_cast<LPCSTR>(IDC_HELP);
        default: return reinterpret_cast<LPCSTR>(IDC_ARROW);
    }
}

}  // namespace

void Win32Surface::Clear() {
    background_ = {};
    painted_ = {};
    Invalidate();
}

void Win32Surface::PaintCell(const PicturePtr& strip, const CellRect& cell) {
    painted_ = {strip, cell};
    Invalidate();
}

void Win32Surface::SetBackgroundCell(const PicturePtr& strip, const CellRect& cell) {
    background_ = {strip, cell};
    Invalidate();
}

void Win32Surface::ApplyBorderStyle(int style) {
    borderStyle_ = style;
    if (!window_) return;
    LONG_PTR exStyle = GetWindowLongPtrA(window_, GWL_EXSTYLE);
    exStyle = style ? (exStyle | WS_EX_CLIENTEDGE) : (exStyle & ~WS_EX_CLIENTEDGE);
    SetWindowLongPtrA(window_, GWL_EXSTYLE, exStyle);
    SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Surface::ApplyBackStyle(int style) {
    backStyle_ = style;
    Invalidate();
}

void Win32Surface::ApplyMaskColor(std::uint32_t color) {
    maskColor_ = color;
    Invalidate();
}

void Win32Surface::ApplyMousePointer(int pointer) {
    mousePointer_ = pointer;
}

void Win32Surface::ApplyMouseIcon(const PicturePtr& icon) {
    mouseIcon_ = icon;
}

void Win32Surface::SetWidth(int pixels) {
    width_ = pixels;
    if (window_)
        SetWindowPos(window_, nullptr, 0, 0, width_, height_,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (events_.resized) events_.resized();
}

void Win32Surface::SetHeight(int pixels) {
    height_ = pixels;
    if (window_)
        SetWindowPos(window_, nullptr, 0, 0, width_, height_,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (events_.resized) events_.resized();
}

void Win32Surface::UnregisterWindowClass() {
    UnregisterClassA(kClassName, ModuleState::Instance());
}

bool Win32Surface::Create(HWND parent, int left, int top) {
    if (window_) return true;
    static const ATOM registered = RegisterSurfaceClass();
    (void)registered;
    const DWORD exStyle = borderStyle_ ? WS_EX_CLIENTEDGE : 0;
    window_ = CreateWindowExA(exStyle, kClassName, "", WS_CHILD | WS_CLIPSIBLINGS, left, top,
                              width_, height_, parent, nullptr, ModuleState::Instance(), nullptr);
    if (!window_) return false;
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc));
    return true;
}

void Win32Surface::Destroy() {
    if (!window_) return;
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
    window_ = nullptr;
    pressed_ = false;
}

void Win32Surface::MoveTo(int left, int top) {
    if (window_)
        SetWindowPos(window_, nullptr, left, top, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Surface::Show(bool visible) {
    if (window_) ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

void Win32Surface::Invalidate() {
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void Win32Surface::Paint(HDC dc, const RECT& bounds) const {
    FillRect(dc, &bounds, GetSysColorBrush(COLOR_BTNFACE));
    DrawStripCell(dc, bounds, background_);
    DrawStripCell(dc, bounds, painted_);
}

void Win32Surface::DrawStripCell(HDC dc, const RECT& bounds, const StripCell& what) const {
    const OlePicture* picture = OlePicture::Of(what.strip);
    if (!picture) return;
    // A cell sits at (0, 0) at its own size; other bounds (a container drawing the control
    // into a metafile or a printer) scale it with the surface.
    const int border = borderStyle_ ? 2 * kBorderWidth : 0;
    const int innerWidth = width_ - border > 0 ? width_ - border : what.cell.width;
    const int innerHeight = height_ - border > 0 ? height_ - border : what.cell.height;
    const int boundsWidth = bounds.right - bounds.left;
    const int boundsHeight = bounds.bottom - bounds.top;
    RECT dest = bounds;
    dest.right = bounds.left + MulDiv(what.cell.width, boundsWidth, innerWidth);
    dest.bottom = bounds.top + MulDiv(what.cell.height, boundsHeight, innerHeight);
    COLORREF mask = 0;
    const bool transparent =
        backStyle_ == 0 && SUCCEEDED(OleTranslateColor(maskColor_, nullptr, &mask));
    // Never beyond the bounds, whatever the cell's size.
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
    picture->DrawCell(dc, dest, what.cell, transparent ? &mask : nullptr);
    RestoreDC(dc, saved);
}

HCURSOR Win32Surface::Cursor() const {
    if (mousePointer_ == 99) {
        const OlePicture* icon = OlePicture::Of(mouseIcon_);
        if (icon && icon->Type() == PICTYPE_ICON && icon->HasImage())
            return reinterpret_cast<HCURSOR>(static_cast<UINT_PTR>(icon->Handle()));
    }
    return LoadCursorA(nullptr, StandardCursor(mousePointer_));
}

LRESULT CALLBACK Win32Surface::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Win32Surface*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT Win32Surface::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: return 1;  // Paint fills everything
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window_, &paint);
            RECT client;
            GetClientRect(window_, &client);
            Paint(dc, client);
            EndPaint(window_, &paint);
            return 0;
        }
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && mousePointer_ != 0) {
                SetCursor(Cursor());
                return TRUE;
            }
            break;
        case WM_LBUTTONDOWN:
            pressed_ = true;
            SetCapture(window_);
            return 0;
        case WM_LBUTTONUP:
            if (pressed_) {
                pressed_ = false;
                ReleaseCapture();
                RECT client;
                GetClientRect(window_, &client);
                const POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                if (PtInRect(&client, at) && events_.click) events_.click();
            }
            return 0;
        case WM_CAPTURECHANGED: pressed_ = false; break;
        default: break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}

}  // namespace velmora::flintor::win32
