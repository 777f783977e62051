// A picture as OLE holds it (IPicture), with its size in pixels, drawable into a device
// context and handed to controls by IDispatch.
#include "platform/win32/Win32Picture.h"

#include "platform/win32/GdiScope.h"

namespace velmora::win32 {

namespace {

constexpr long kHimetricPerInch = 2540;

int ScreenDpi(int axis) {
    WindowDC screen;
    const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), axis) : 0;
    return dpi > 0 ? dpi : 96;
}

ComPtr<IPicture> NewPicture(const PICTDESC& desc, BOOL own) {
    ComPtr<IPicture> picture;
    if (FAILED(OleCreatePictureIndirect(const_cast<PICTDESC*>(&desc), IID_IPicture, own,
                                        picture.PutVoid())))
        picture.Reset();
    return picture;
}

}  // namespace

Win32Picture::Win32Picture(ComPtr<IPicture> picture) : picture_(std::move(picture)) {
    if (!picture_) return;
    SHORT type = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    if (SUCCEEDED(picture_->get_Type(&type)) && type == PICTYPE_BITMAP &&
        SUCCEEDED(picture_->get_Handle(&handle))) {
        bitmap_ = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
        BITMAP info = {};
        if (GetObjectA(bitmap_, sizeof info, &info)) {
            width_ = info.bmWidth;
            height_ = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
            return;
        }
        bitmap_ = nullptr;
    }
    // Icons and metafiles know their size only in HIMETRIC.
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (SUCCEEDED(picture_->get_Width(&width)) && SUCCEEDED(picture_->get_Height(&height))) {
        width_ = MulDiv(width, ScreenDpi(LOGPIXELSX), kHimetricPerInch);
        height_ = MulDiv(height, ScreenDpi(LOGPIXELSY), kHimetricPerInch);
    }
}

std::shared_ptr<Win32Picture> Win32Picture::FromBitmap(HBITMAP bitmap) {
    if (!bitmap) return nullptr;
    PICTDESC desc = {};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = PICTYPE_BITMAP;
    desc.bmp.hbitmap = bitmap;
    ComPtr<IPicture> picture = NewPicture(desc, TRUE);
    if (!picture) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return std::make_shared<Win32Picture>(std::move(picture));
}

std::shared_ptr<Win32Picture> Win32Picture::FromResource(HINSTANCE module, int bitmapId) {
    return FromBitmap(static_cast<HBITMAP>(
        LoadImageA(module, MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

ComPtr<IPictureDisp> Win32Picture::Dispatch() const {
    if (picture_) return picture_.As<IPictureDisp>();
    PICTDESC desc = {};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = PICTYPE_NONE;
    return NewPicture(desc, FALSE).As<IPictureDisp>();
}

void Win32Picture::Render(HDC dc, int x, int y, int width, int height) const {
    if (!picture_ || width_ == 0 || height_ == 0) return;
    if (bitmap_) {
        // Straight from the bitmap: exact pixels, no rounding through HIMETRIC.
        MemoryDC memory(dc);
        SelectedObject selected(memory.Get(), bitmap_);
        if (!selected.Ok()) return;
        SavedDC saved(dc);
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, x, y, width, height, memory.Get(), 0, 0, width_, height_, SRCCOPY);
        return;
    }
    OLE_XSIZE_HIMETRIC sourceWidth = 0;
    OLE_YSIZE_HIMETRIC sourceHeight = 0;
    picture_->get_Width(&sourceWidth);
    picture_->get_Height(&sourceHeight);
    // HIMETRIC runs upwards: the source starts at its bottom edge with a negative height.
    picture_->Render(dc, x, y, width, height, 0, sourceHeight, sourceWidth, -sourceHeight, nullptr);
}

const Win32Picture* AsWin32Picture(const PicturePtr& picture) {
    return dynamic_cast<const Win32Picture*>(picture.get());
}

}  // namespace velmora::win32
