// The cell cutter: holds the strip picture and cuts it into a grid of equal cells.
#pragma once

#include <utility>

#include "flintor/CellRect.h"
#include "flintor/Picture.h"
#include "flintor/StripGrid.h"

namespace velmora::flintor {

class PictureClip {
public:
    // The picture object handed over (possibly one without an image); the grid is kept
    // until SetGrid.
    void SetPicture(PicturePtr picture) { picture_ = std::move(picture); }
    const PicturePtr& Picture() const { return picture_; }

    // True when the held picture has an image that can be cut: a handle and both sides at
    // least one pixel. Everything below assumes it.
    bool HoldsImage() const;

    void SetGrid(const StripGrid& grid) { grid_ = grid; }
    int Rows() const { return grid_.Rows(); }
    int Cols() const { return grid_.Cols(); }
    int Width() const;
    int Height() const;
    // Cell sizes in pixels: the picture's sides divided by the grid, at least 1.
    int CellWidth() const;
    int CellHeight() const;

    // Cell `index`, counted row by row from 0. Throws RuntimeError 380 when the index is
    // outside the grid or no image is held, so a cell never reaches outside the picture.
    CellRect Cell(int index) const;

private:
    PicturePtr picture_;
    StripGrid grid_;
};

}  // namespace velmora::flintor
