// The grid a strip picture is cut into: one row of cells if it is wider than tall, else one
// column, with as many cells as the ratio of its sides rounded half to even.
#pragma once

namespace velmora::flintor {

class StripGrid {
public:
    // Pixel sizes; a size below 1 gives the one-cell grid (nothing to divide by).
    static StripGrid ForPicture(int width, int height);

    StripGrid() = default;
    StripGrid(int rows, int cols) : rows_(rows), cols_(cols) {}

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    int Cells() const { return rows_ * cols_; }

    // a / b rounded to the nearest whole number, halves to the even one (2.5 -> 2, 3.5 -> 4).
    // Integer arithmetic, so no ratio is ever misjudged by floating-point error.
    static int RoundedRatio(int a, int b);

private:
    int rows_ = 1;
    int cols_ = 1;
};

}  // namespace velmora::flintor
