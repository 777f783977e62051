// The control's drawing surface: its child window in the container, what is drawn on it,
// its border, mouse pointer and clicks.
#pragma once

#include <windows.h>

#include <functional>

#include "flintor/ClipSurface.h"
#include "flintor/Flintor.h"
#include "flintor/StripCell.h"

namespace velmora::flintor::win32 {

class Win32Surface : public ClipSurface {
public:
    struct Events {
        std::function<void()> click;
        std::function<void()> resized;  // the surface changed its own size
    };

    explicit Win32Surface(Events events) : events_(std::move(events)) {}
    ~Win32Surface() override { Destroy(); }
    Win32Surface(const Win32Surface&) = delete;
    Win32Surface& operator=(const Win32Surface&) = delete;

    void Clear() override;
    void PaintCell(const PicturePtr& strip, const CellRect& cell) override;
    void SetBackgroundCell(const PicturePtr& strip, const CellRect& cell) override;
    void ApplyBorderStyle(int style) override;
    void ApplyBackStyle(int style) override;
    void ApplyMaskColor(std::uint32_t color) override;
    void ApplyMousePointer(int pointer) override;
    void ApplyMouseIcon(const PicturePtr& icon) override;
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetWidth(int pixels) override;
    void SetHeight(int pixels) override;

    // The window exists while the control is active in place.
    bool Create(HWND parent, int left, int top);
    void Destroy();
    HWND Window() const { return window_; }
    void MoveTo(int left, int top);
    void Show(bool visible);
    // The container asked for another size; the control's resize rule answers it.
    void NoteRequestedSize(int width, int height) {
        width_ = width;
        height_ = height;
    }

    // When the library is unloaded: a class left behind would outlive the module it names.
    static void UnregisterWindowClass();

    // Draws the surface's content (no border) stretched over `bounds`.
    void Paint(HDC dc, const RECT& bounds) const;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Invalidate();
    void DrawStripCell(HDC dc, const RECT& bounds, const StripCell& what) const;
    HCURSOR Cursor() const;

    Events events_;
    HWND window_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    StripCell background_;
    StripCell painted_;
    int borderStyle_ = kDefaultBorderStyle;
    int backStyle_ = kDefaultBackStyle;
    std::uint32_t maskColor_ = kDefaultMaskColor;
    int mousePointer_ = kDefaultMousePointer;
    PicturePtr mouseIcon_;
    bool pressed_ = false;
};

}  // namespace velmora::flintor::win32
