// How a strip picture is cut: its shape picks rows or columns, the ratio of its sides
// rounded half to even picks how many, and no cell ever reaches outside the picture.
#include <gtest/gtest.h>

#include <climits>

#include "flintor/PictureClip.h"
#include "flintor/StripGrid.h"
#include "tests/unit/flintor/FlintorFakes.h"

namespace velmora::flintor::test {

TEST(StripGrid, ShapePicksRowsOrColumnsAndTheRatioRoundsHalfToEven) {
    const struct {
        int width, height, rows, cols;
    } rows[] = {
        {220, 22, 1, 10},
        {22, 220, 10, 1},
        {38, 1558, 41, 1},
        {10, 4, 1, 2},   // 2.5
        {14, 4, 1, 4},   // 3.5
        {4, 22, 6, 1},   // 5.5
        {49, 20, 1, 2},  // 2.45
        {51, 20, 1, 3},  // 2.55
        {12, 10, 1, 1},  // 1.2: one cell for a picture a little wider than tall
        {-5, 10, 1, 1},  // nothing to divide
        {INT_MAX, 2, 1, 1073741824},  // 1073741823.5 -> even
    };
    for (const auto& row : rows) {
        const StripGrid grid = StripGrid::ForPicture(row.width, row.height);
        EXPECT_EQ(grid.Rows(), row.rows) << row.width << "x" << row.height;
        EXPECT_EQ(grid.Cols(), row.cols) << row.width << "x" << row.height;
    }
}

TEST(PictureClip, CutsCellsRowByRowAndRefusesOthers) {
    PictureClip clip;
    clip.SetPicture(MakePicture(220, 22));
    clip.SetGrid(StripGrid::ForPicture(220, 22));
    EXPECT_EQ(clip.Cell(0), (CellRect{0, 0, 22, 22}));
    EXPECT_EQ(clip.Cell(9), (CellRect{198, 0, 22, 22}));
    EXPECT_EQ(ErrorOf([&] { clip.Cell(10); }), 380);
    EXPECT_EQ(ErrorOf([&] { clip.Cell(-1); }), 380);
    clip.SetPicture(MakePicture(38, 1558));
    clip.SetGrid(StripGrid::ForPicture(38, 1558));
    EXPECT_EQ(clip.Cell(40), (CellRect{0, 1520, 38, 38}));
    for (const PicturePtr& empty :
         {MakePicture(0, 0, false), MakePicture(0, 22), MakePicture(22, 0), PicturePtr()}) {
        clip.SetPicture(empty);
        EXPECT_FALSE(clip.HoldsImage());
        EXPECT_EQ(ErrorOf([&] { clip.Cell(0); }), 380);
    }
}

TEST(PictureClip, EveryCellOfEveryShapeLiesInsideThePicture) {
    PictureClip clip;
    for (int width = 1; width <= 70; ++width) {
        for (int height = 1; height <= 70; ++height) {
            clip.SetPicture(MakePicture(width, height));
            const StripGrid grid = StripGrid::ForPicture(width, height);
            clip.SetGrid(grid);
            for (int i = 0; i < grid.Cells(); ++i) {
                const CellRect cell = clip.Cell(i);
                ASSERT_TRUE(cell.left >= 0 && cell.top >= 0 && cell.width >= 1 &&
                            cell.height >= 1 && cell.left + cell.width <= width &&
                            cell.top + cell.height <= height)
                    << width << "x" << height << " #" << i;
            }
        }
    }
    clip.SetPicture(MakePicture(3, 3));  // a grid set by hand, finer than the pixels
    clip.SetGrid(StripGrid(1, 10));
    const CellRect last = clip.Cell(9);
    EXPECT_LE(last.left + last.width, 3);
}

}  // namespace velmora::flintor::test
