// An OLE picture (IPictureDisp) as the control's model sees a picture: its pixel size, and
// the drawing of one part of it.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <memory>

#include "flintor/CellRect.h"
#include "flintor/Picture.h"
#include "platform/win32/ComPtr.h"

namespace velmora::flintor::win32 {

using velmora::win32::ComPtr;

class OlePicture : public Picture {
public:
    // Null for a null pointer ("nothing"); throws RuntimeError 481 for an object that is
    // not a picture.
    static std::shared_ptr<const OlePicture> FromDispatch(IDispatch* picture);
    // Loads a bitmap resource of `module` into a new picture.
    static std::shared_ptr<const OlePicture> FromBitmapResource(HINSTANCE module, int id);
    // The OLE picture behind a model picture (null when it is not one of ours).
    static const OlePicture* Of(const PicturePtr& picture);

    bool HasImage() const override { return handle_ != 0; }
    int PixelWidth() const override { return width_; }
    int PixelHeight() const override { return height_; }

    bool CanBeCut() const override { return type_ == PICTYPE_BITMAP; }
    short Type() const { return type_; }
    OLE_HANDLE Handle() const { return handle_; }
    IPictureDisp* Dispatch() const { return dispatch_.Get(); }
    IPicture* Interface() const { return picture_.Get(); }

    // Draws `cell` of the picture into dest (stretching it when the sizes differ); with
    // `transparent`, pixels of that colour are left out.
    void DrawCell(HDC dc, const RECT& dest, const CellRect& cell,
                  const COLORREF* transparent) const;
    // A new bitmap picture holding a copy of `cell`, owned by the caller.
    ComPtr<IPictureDisp> CopyCell(const CellRect& cell) const;

    // Use the factories: a picture is made from a live OLE picture.
    OlePicture(ComPtr<IPictureDisp> dispatch, ComPtr<IPicture> picture);

private:
    ComPtr<IPictureDisp> dispatch_;
    ComPtr<IPicture> picture_;
    short type_ = PICTYPE_NONE;
    OLE_HANDLE handle_ = 0;
    int width_ = 0;
    int height_ = 0;
};

// A new OLE picture that owns `bitmap`; the bitmap is deleted if that fails.
ComPtr<IPictureDisp> PictureOwningBitmap(HBITMAP bitmap);

}  // namespace velmora::flintor::win32
