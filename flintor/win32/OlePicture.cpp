// An OLE picture as the control's model sees a picture.
#include "flintor/win32/OlePicture.h"

#include "flintor/FlintorErrors.h"
#include "flintor/win32/GdiHandles.h"

namespace velmora::flintor::win32 {

namespace {

constexpr long kHimetricPerInch = 2540;

int HimetricToPixels(long himetric, int pixelsPerInch) {
    return MulDiv(himetric, pixelsPerInch, kHimetricPerInch);
}

}  // namespace

ComPtr<IPictureDisp> PictureOwningBitmap(HBITMAP bitmap) {
    if (!bitmap) return {};
    PICTDESC desc = {};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = PICTYPE_BITMAP;
    desc.bmp.hbitmap = bitmap;
    ComPtr<IPictureDisp> picture;
    if (FAILED(OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, picture.PutVoid()))) {
        DeleteObject(bitmap);
        return {};
    }
    return picture;
}

OlePicture::OlePicture(ComPtr<IPictureDisp> dispatch, ComPtr<IPicture> picture)
    : dispatch_(std::move(dispatch)), picture_(std::move(picture)) {
    picture_->get_Type(&type_);
    if (FAILED(picture_->get_Handle(&handle_))) handle_ = 0;
    if (!handle_) return;
    if (type_ == PICTYPE_BITMAP) {
        BITMAP info = {};
        if (GetObjectA(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle_)), sizeof info,
                       &info)) {
            width_ = info.bmWidth;
            height_ = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
        }
        return;
    }
    // Icons and metafiles know only their size in HIMETRIC.
    OLE_XSIZE_HIMETRIC w = 0;
    OLE_YSIZE_HIMETRIC h = 0;
    picture_->get_Width(&w);
    picture_->get_Height(&h);
    WindowDC screen;
    width_ = HimetricToPixels(w, GetDeviceCaps(screen.Get(), LOGPIXELSX));
    height_ = HimetricToPixels(h, GetDeviceCaps(screen.Get(), LOGPIXELSY));
}

std::shared_ptr<const OlePicture> OlePicture::FromDispatch(IDispatch* object) {
    if (!object) return nullptr;
    ComPtr<IPicture> picture;
    ComPtr<IPictureDisp> dispatch;
    if (FAILED(object->QueryInterface(IID_IPicture, picture.PutVoid())) ||
        FAILED(object->QueryInterface(IID_IPictureDisp, dispatch.PutVoid())))
        throw InvalidPicture();
    return std::make_shared<OlePicture>(std::move(dispatch), std::move(picture));
}

std::shared_ptr<const OlePicture> OlePicture::FromBitmapResource(HINSTANCE module, int id) {
    auto bitmap = static_cast<HBITMAP>(
        LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ComPtr<IPictureDisp> dispatch = PictureOwningBitmap(bitmap);
    if (!dispatch) return nullptr;
    return FromDispatch(dispatch.Get());
}

const OlePicture* OlePicture::Of(const PicturePtr& picture) {
    return dynamic_cast<const OlePicture*>(picture.get());
}

void OlePicture::DrawCell(HDC dc, const RECT& dest, const CellRect& cell,
                          const COLORREF* transparent) const {
    if (!handle_ || cell.width <= 0 || cell.height <= 0) return;
    const int destWidth = dest.right - dest.left;
    const int destHeight = dest.bottom - dest.top;
    if (type_ == PICTYPE_BITMAP) {
        MemoryDC source(dc);
        Selection selected(source.Get(), reinterpret_cast<HGDIOBJ>(static_cast<UINT_PTR>(handle_)));
        if (selected.Ok()) {
            if (transparent) {
                TransparentBlt(dc, dest.left, dest.top, destWidth, destHeight, source.Get(),
                               cell.left, cell.top, cell.width, cell.height, *transparent);
            } else {
                SetStretchBltMode(dc, COLORONCOLOR);
                StretchBlt(dc, dest.left, dest.top, destWidth, destHeight, source.Get(), cell.left,
                           cell.top, cell.width, cell.height, SRCCOPY);
            }
            return;
        }
        // The bitmap is selected into another device context (its owner drew it there):
        // let the picture draw itself below.
    }
    // Render takes the source in HIMETRIC, bottom-up.
    OLE_XSIZE_HIMETRIC w = 0;
    OLE_YSIZE_HIMETRIC h = 0;
    picture_->get_Width(&w);
    picture_->get_Height(&h);
    if (width_ <= 0 || height_ <= 0) return;
    const long srcLeft = MulDiv(cell.left, w, width_);
    const long srcWidth = MulDiv(cell.width, w, width_);
    const long srcTop = MulDiv(cell.top + cell.height, h, height_);
    const long srcHeight = -MulDiv(cell.height, h, height_);
    picture_->Render(dc, dest.left, dest.top, destWidth, destHeight, srcLeft, srcTop, srcWidth,
                     srcHeight, nullptr);
}

ComPtr<IPictureDisp> OlePicture::CopyCell(const CellRect& cell) const {
    WindowDC screen;
    GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen.Get(), cell.width, cell.height));
    if (!bitmap.Get()) return {};
    {
        MemoryDC target(screen.Get());
        Selection selected(target.Get(), bitmap.Get());
        if (!selected.Ok()) return {};
        const RECT dest = {0, 0, cell.width, cell.height};
        DrawCell(target.Get(), dest, cell, nullptr);
    }
    return PictureOwningBitmap(bitmap.Release());
}

}  // namespace velmora::flintor::win32
