// How a strip picture is cut (its shape picks rows or columns, the ratio of its sides rounded
// half to even picks how many, no cell reaches outside the picture), and the stream bag's
// damaged blocks, refused without touching what was loaded (FlintorSavedProperties reads
// values through it; fuzz/fuzz_stream_property_bag.cpp tries the rest).
#include <gtest/gtest.h>

#include <climits>

#include "flintor/PictureClip.h"
#include "flintor/StripGrid.h"
#include "tests/unit/flintor/FlintorFakes.h"

namespace velmora::flintor::test {

// "<left>,<top> <width>x<height>" of cell `index`, or "refused".
std::string Cut(const PictureClip& clip, int index) {
    if (ErrorOf([&] { clip.Cell(index); }) == 380) return "refused";
    const CellRect c = clip.Cell(index);
    return FlintorRig::Where(c) + " " + std::to_string(c.width) + "x" + std::to_string(c.height);
}

TEST(StripGrid, ShapePicksRowsOrColumnsTheRatioRoundsHalfToEvenAndCellsGoRowByRow) {
    const struct {
        int width, height, rows, cols;
        const char* last;  // the last cell
    } rows[] = {
        {220, 22, 1, 10, "198,0 22x22"},
        {22, 220, 10, 1, "0,198 22x22"},
        {38, 1558, 41, 1, "0,1520 38x38"},
        {10, 4, 1, 2, "5,0 5x4"},      // 2.5
        {14, 4, 1, 4, "9,0 3x4"},      // 3.5
        {4, 22, 6, 1, "0,15 4x3"},     // 5.5
        {49, 20, 1, 2, "24,0 24x20"},  // 2.45
        {51, 20, 1, 3, "34,0 17x20"},  // 2.55
        {12, 10, 1, 1, "0,0 12x10"},   // 1.2: one cell for a picture a little wider than tall
        {1, 3, 3, 1, "0,2 1x1"},
        {3, 1, 1, 3, "2,0 1x1"},
        {-5, 10, 1, 1, "refused"},  // nothing to divide
        {22, 0, 1, 1, "refused"},
        {0, 10, 1, 1, "refused"},
        {INT_MAX, 2, 1, 1073741824, "1073741823,0 1x2"},  // 1073741823.5 -> even
    };
    PictureClip clip;
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.width) + "x" + std::to_string(row.height));
        const StripGrid grid = StripGrid::ForPicture(row.width, row.height);
        EXPECT_EQ(grid.Rows() * 10000 + grid.Cols(), row.rows * 10000 + row.cols);
        clip.SetPicture(MakePicture(row.width, row.height));
        clip.SetGrid(grid);
        EXPECT_EQ(Cut(clip, grid.Cells() - 1), row.last);
        EXPECT_EQ(Cut(clip, grid.Cells()) + Cut(clip, -1), "refusedrefused");
    }
    for (const PicturePtr& empty : {MakePicture(22, 22, false), PicturePtr()}) {
        clip.SetPicture(empty);
        EXPECT_EQ(Cut(clip, 0), "refused");
    }
    clip.SetPicture(MakePicture(3, 3));  // a grid set by hand, finer than the pixels
    clip.SetGrid(StripGrid(1, 10));
    EXPECT_EQ(Cut(clip, 9), "2,0 1x3");
    clip.SetGrid(StripGrid(10, 1));
    EXPECT_EQ(Cut(clip, 9), "0,2 3x1");
}

TEST(StreamPropertyBag, DamagedBlocksAreRefusedAndLeaveTheBagAsItWas) {
    TextPictureCodec codec;
    StreamPropertyBag bag(codec), empty(codec);
    bag.Write("Interval", std::int32_t{77});
    bag.Write("AniPicture", MakePicture(88, 22));
    const std::vector<std::uint8_t> good = bag.Encode(), none = empty.Encode();
    // Every truncation, one byte more than the header says, a payload longer than its values,
    // a foreign header, an unknown value tag, a name one byte longer than the block, a header
    // announcing a huge block.
    std::vector<std::vector<std::uint8_t>> bad(5, good);
    bad[0].push_back(0);
    bad[1].push_back(0);
    ++bad[1][8];  // the payload size, low byte first
    bad[2][0] = 'X';
    bad[3][StreamPropertyBag::kHeaderSize + 1 + 8] = 9;  // the tag after the name "Interval"
    bad[4][StreamPropertyBag::kHeaderSize] = good.size() - StreamPropertyBag::kHeaderSize;
    bad.push_back({'F', 'L', 'N', 'T', 1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F});
    for (std::size_t size = 0; size < good.size(); ++size)
        bad.emplace_back(good.begin(), good.begin() + size);
    for (const auto& block : bad)
        EXPECT_EQ(ErrorOf([&] { bag.Decode(block.data(), block.size()); }), 321) << block.size();
    EXPECT_EQ(std::get<std::int32_t>(bag.Read("Interval", ValueKind::Long)), 77);
    // A block as saved controls hold it (a flag, a number) is read, and written the same.
    const std::vector<std::uint8_t> saved = {'F', 'L', 'N', 'T', 1,   0,    2,    0,    17,  0,
                                             0,   0,   4,   'L', 'o', 'c',  'k',  2,    1,   4,
                                             'P', 'a', 'c', 'e', 1,   0xFE, 0xFF, 0xFF, 0xFF};
    StreamPropertyBag stored(codec);
    stored.Decode(saved.data(), saved.size());
    EXPECT_EQ(std::get<std::int32_t>(stored.Read("Lock", ValueKind::Long)) * 10 +
                  std::get<std::int32_t>(stored.Read("Pace", ValueKind::Long)),
              -12);
    EXPECT_EQ(stored.Encode(), saved);
    // A bag without values is a whole block, and loading it empties the bag.
    bag.Decode(none.data(), none.size());
    EXPECT_TRUE(std::holds_alternative<MissingValue>(bag.Read("Interval", ValueKind::Long)));
}

}  // namespace velmora::flintor::test
