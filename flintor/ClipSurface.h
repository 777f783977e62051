// Port: the control's drawing surface (its own window), sized and drawn in pixels.
#pragma once

#include <cstdint>

#include "flintor/CellRect.h"
#include "flintor/Picture.h"

namespace velmora::flintor {

class ClipSurface {
public:
    virtual ~ClipSurface() = default;

    // Wipes everything drawn, the background picture included.
    virtual void Clear() = 0;
    // Paints one cell of the strip at (0, 0) at its own size.
    virtual void PaintCell(const PicturePtr& strip, const CellRect& cell) = 0;
    // Makes one cell of the strip the surface's background picture.
    virtual void SetBackgroundCell(const PicturePtr& strip, const CellRect& cell) = 0;

    // Appearance, already checked by the control.
    virtual void ApplyBorderStyle(int style) = 0;  // 0 none, 1 fixed single (2 pixels a side)
    virtual void ApplyBackStyle(int style) = 0;    // 0 transparent, 1 solid
    virtual void ApplyMaskColor(std::uint32_t color) = 0;  // an OLE colour
    virtual void ApplyMousePointer(int pointer) = 0;
    virtual void ApplyMouseIcon(const PicturePtr& icon) = 0;

    // Outer size in pixels, the border included.
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetWidth(int pixels) = 0;
    virtual void SetHeight(int pixels) = 0;
};

}  // namespace velmora::flintor
