// A picture as OLE holds it (IPicture), with its size in pixels, drawable into a device
// context and handed to controls by IDispatch.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include "platform/Pictures.h"
#include "platform/win32/ComPtr.h"

namespace velmora::win32 {

class Win32Picture : public Picture {
public:
    // Null: the empty picture (no image, 0 x 0).
    explicit Win32Picture(ComPtr<IPicture> picture);

    // A picture owning `bitmap`; null when there is no bitmap or no picture can hold it.
    static std::shared_ptr<Win32Picture> FromBitmap(HBITMAP bitmap);
    // A bitmap resource of `module`; null when it is missing.
    static std::shared_ptr<Win32Picture> FromResource(HINSTANCE module, int bitmapId);

    int Width() const override { return width_; }
    int Height() const override { return height_; }

    // A picture object for a property put: this one, or an object without an image for the
    // empty picture (a control then clears its picture).
    ComPtr<IPictureDisp> Dispatch() const;
    // Draws the whole picture stretched to the rectangle; the empty picture draws nothing.
    void Render(HDC dc, int x, int y, int width, int height) const;

private:
    ComPtr<IPicture> picture_;
    HBITMAP bitmap_ = nullptr;  // the picture's own handle when it is a bitmap
    int width_ = 0;
    int height_ = 0;
};

// The Windows picture behind a port picture; null for null or for a picture of another kind.
const Win32Picture* AsWin32Picture(const PicturePtr& picture);

}  // namespace velmora::win32
