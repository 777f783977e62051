// How a strip picture is cut: its shape picks rows or columns, the ratio of its sides
// rounded half to even picks how many.
#include <gtest/gtest.h>

#include <climits>

#include "flintor/PictureClip.h"
#include "flintor/StripGrid.h"
#include "platform/RuntimeError.h"
#include "tests/unit/flintor/FlintorFakes.h"

namespace velmora::flintor::test {

TEST(StripGrid, ShapeChoosesColumnsOrRows) {
    const StripGrid wide = StripGrid::ForPicture(220, 22);
    EXPECT_EQ(wide.Cols(), 10);
    EXPECT_EQ(wide.Rows(), 1);
    const StripGrid tall = StripGrid::ForPicture(22, 220);
    EXPECT_EQ(tall.Rows(), 10);
    EXPECT_EQ(tall.Cols(), 1);
    const StripGrid square = StripGrid::ForPicture(38, 38);
    EXPECT_EQ(square.Cells(), 1);
    const StripGrid builtIn = StripGrid::ForPicture(38, 1558);
    EXPECT_EQ(builtIn.Rows(), 41);
}

TEST(StripGrid, RatiosRoundHalfToEven) {
    EXPECT_EQ(StripGrid::ForPicture(10, 4).Cols(), 2);   // 2.5
    EXPECT_EQ(StripGrid::ForPicture(14, 4).Cols(), 4);   // 3.5
    EXPECT_EQ(StripGrid::ForPicture(4, 18).Rows(), 4);   // 4.5
    EXPECT_EQ(StripGrid::ForPicture(4, 22).Rows(), 6);   // 5.5
    EXPECT_EQ(StripGrid::ForPicture(3, 2).Cols(), 2);    // 1.5
    EXPECT_EQ(StripGrid::ForPicture(49, 20).Cols(), 2);  // 2.45
    EXPECT_EQ(StripGrid::ForPicture(51, 20).Cols(), 3);  // 2.55
    // 1.2 rounds down to one cell for a picture only a little wider than tall.
    EXPECT_EQ(StripGrid::ForPicture(12, 10).Cells(), 1);
}

TEST(StripGrid, DegenerateSizesGiveOneCellWithoutDividingByZero) {
    EXPECT_EQ(StripGrid::ForPicture(0, 0).Cells(), 1);
    EXPECT_EQ(StripGrid::ForPicture(40, 0).Cells(), 1);
    EXPECT_EQ(StripGrid::ForPicture(0, 40).Cells(), 1);
    EXPECT_EQ(StripGrid::ForPicture(-5, 10).Cells(), 1);
    EXPECT_EQ(StripGrid::RoundedRatio(5, 0), 0);
    EXPECT_EQ(StripGrid::ForPicture(INT_MAX, 1).Cols(), INT_MAX);
    EXPECT_EQ(StripGrid::RoundedRatio(INT_MAX, 2), 1073741824);  // 1073741823.5 -> even
}

TEST(PictureClip, CutsCellsRowByRow) {
    PictureClip clip;
    clip.SetPicture(MakePicture(220, 22));
    clip.SetGrid(StripGrid::ForPicture(220, 22));
    EXPECT_EQ(clip.CellWidth(), 22);
    EXPECT_EQ(clip.CellHeight(), 22);
    EXPECT_EQ(clip.Cell(0), (CellRect{0, 0, 22, 22}));
    EXPECT_EQ(clip.Cell(9), (CellRect{198, 0, 22, 22}));

    clip.SetPicture(MakePicture(38, 1558));
    clip.SetGrid(StripGrid::ForPicture(38, 1558));
    EXPECT_EQ(clip.Cell(40), (CellRect{0, 1520, 38, 38}));
}

TEST(PictureClip, RefusesCellsOutsideTheGridOrWithoutAnImage) {
    PictureClip clip;
    clip.SetPicture(MakePicture(30, 10));
    clip.SetGrid(StripGrid::ForPicture(30, 10));
    EXPECT_THROW(clip.Cell(3), RuntimeError);
    EXPECT_THROW(clip.Cell(-1), RuntimeError);
    try {
        clip.Cell(3);
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), 380);
    }
    clip.SetPicture(MakeEmptyPicture());
    EXPECT_FALSE(clip.HoldsImage());
    EXPECT_EQ(clip.CellWidth(), 0);
    EXPECT_THROW(clip.Cell(0), RuntimeError);
    clip.SetPicture(MakePicture(0, 22));
    EXPECT_FALSE(clip.HoldsImage());
    clip.SetPicture(nullptr);
    EXPECT_FALSE(clip.HoldsImage());
}

TEST(PictureClip, EveryCellOfEveryShapeLiesInsideThePicture) {
    PictureClip clip;
    for (int width = 1; width <= 70; ++width) {
        for (int height = 1; height <= 70; ++height) {
            clip.SetPicture(MakePicture(width, height));
            const StripGrid grid = StripGrid::ForPicture(width, height);
            clip.SetGrid(grid);
            ASSERT_GE(grid.Cells(), 1);
            for (int i = 0; i < grid.Cells(); ++i) {
                const CellRect cell = clip.Cell(i);
                ASSERT_GE(cell.left, 0);
                ASSERT_GE(cell.top, 0);
                ASSERT_GE(cell.width, 1);
                ASSERT_GE(cell.height, 1);
                ASSERT_LE(cell.left + cell.width, width) << width << "x" << height << " #" << i;
                ASSERT_LE(cell.top + cell.height, height) << width << "x" << height << " #" << i;
            }
        }
    }
}

TEST(PictureClip, AGridSetByHandOnATinyPictureStaysInside) {
    PictureClip clip;
    clip.SetPicture(MakePicture(3, 3));
    clip.SetGrid(StripGrid(1, 10));
    const CellRect last = clip.Cell(9);
    EXPECT_LE(last.left + last.width, 3);
}

}  // namespace velmora::flintor::test
