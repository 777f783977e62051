// The cell cutter: holds the strip picture and cuts it into a grid of equal cells.
#include "flintor/PictureClip.h"

#include <algorithm>

#include "flintor/FlintorErrors.h"

namespace velmora::flintor {

bool PictureClip::HoldsImage() const {
    return picture_ && picture_->HasImage() && picture_->PixelWidth() > 0 &&
           picture_->PixelHeight() > 0;
}

int PictureClip::Width() const {
    return HoldsImage() ? picture_->PixelWidth() : 0;
}

int PictureClip::Height() const {
    return HoldsImage() ? picture_->PixelHeight() : 0;
}

int PictureClip::CellWidth() const {
    return HoldsImage() ? std::max(1, Width() / std::max(1, Cols())) : 0;
}

int PictureClip::CellHeight() const {
    return HoldsImage() ? std::max(1, Height() / std::max(1, Rows())) : 0;
}

CellRect PictureClip::Cell(int index) const {
    if (!HoldsImage() || index < 0 || index >= grid_.Cells()) throw InvalidPropertyValue();
    const int cellWidth = CellWidth();
    const int cellHeight = CellHeight();
    CellRect cell{(index % Cols()) * cellWidth, (index / Cols()) * cellHeight, cellWidth,
                  cellHeight};
    // More cells than pixels (a grid set by hand on a tiny picture): clamp rather than
    // point outside the picture.
    cell.left = std::min(cell.left, Width() - cellWidth);
    cell.top = std::min(cell.top, Height() - cellHeight);
    return cell;
}

}  // namespace velmora::flintor
