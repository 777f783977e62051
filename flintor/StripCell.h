// One cell of a strip picture: the strip (null for none) and where the cell lies in it.
#pragma once

#include "flintor/CellRect.h"
#include "flintor/Picture.h"

namespace velmora::flintor {

struct StripCell {
    PicturePtr strip;
    CellRect cell;
};

}  // namespace velmora::flintor
