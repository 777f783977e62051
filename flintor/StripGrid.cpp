// The grid a strip picture is cut into.
#include "flintor/StripGrid.h"

#include <algorithm>

namespace velmora::flintor {

int StripGrid::RoundedRatio(int a, int b) {
    if (a <= 0 || b <= 0) return 0;
    const int whole = a / b;
    const long long twiceRest = 2LL * (a % b);
    if (twiceRest > b) return whole + 1;
    if (twiceRest == b && whole % 2 == 1) return whole + 1;
    return whole;
}

StripGrid StripGrid::ForPicture(int width, int height) {
    if (width <= 0 || height <= 0) return StripGrid(1, 1);
    // A ratio can never round to 0 cells here (the longer side is divided by the shorter),
    // but a grid of 0 would divide by zero further on, so it is floored at one cell.
    if (height < width) return StripGrid(1, std::max(1, RoundedRatio(width, height)));
    return StripGrid(std::max(1, RoundedRatio(height, width)), 1);
}

}  // namespace velmora::flintor
