// One cell of a strip: its place in the strip picture, in pixels.
#pragma once

namespace velmora::flintor {

struct CellRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const CellRect& other) const {
        return left == other.left && top == other.top && width == other.width &&
               height == other.height;
    }
};

}  // namespace velmora::flintor
