// The stream bag: values converted on reading as a container's bag converts them, and damaged
// blocks refused without touching what was loaded (fuzz/fuzz_stream_property_bag.cpp tries the
// rest; FlintorSavedProperties saves a whole control through it).
#include <gtest/gtest.h>

#include "flintor/StreamPropertyBag.h"
#include "tests/unit/flintor/FlintorFakes.h"

namespace velmora::flintor::test {

// A true flag is the number -1, a number other than 0 is true, and a picture is neither.
TEST(StreamPropertyBag, NumbersAndFlagsReadAsEachOtherAfterTheRoundTripButPicturesDoNot) {
    TextPictureCodec codec;
    StreamPropertyBag written(codec), bag(codec);
    written.Write("On", true);
    written.Write("Off", false);
    written.Write("Five", std::int32_t{5});
    written.Write("Strip", MakePicture(4, 2));
    written.Write("None", PicturePtr());
    const std::vector<std::uint8_t> block = written.Encode();
    bag.Decode(block.data(), block.size());
    const struct {
        const char* name;
        ValueKind kind;
        const char* read;
    } rows[] = {
        {"On", ValueKind::Long, "-1"},           {"Off", ValueKind::Bool, "false"},
        {"Five", ValueKind::Long, "5"},          {"Five", ValueKind::Bool, "true"},
        {"Strip", ValueKind::Picture, "4x2"},    {"Strip", ValueKind::Long, "mismatch"},
        {"On", ValueKind::Picture, "mismatch"},  {"None", ValueKind::Picture, "missing"},
    };
    for (const auto& row : rows) {
        const PropertyValue read = bag.Read(row.name, row.kind);
        std::string shown = std::holds_alternative<MissingValue>(read) ? "missing" : "mismatch";
        if (const auto* number = std::get_if<std::int32_t>(&read)) shown = std::to_string(*number);
        if (const auto* flag = std::get_if<bool>(&read)) shown = *flag ? "true" : "false";
        if (const auto* picture = std::get_if<PicturePtr>(&read)) shown = Dims(*picture);
        EXPECT_EQ(shown, row.read) << row.name << " as " << int(row.kind);
    }
}

TEST(StreamPropertyBag, DamagedBlocksAreRefusedAndLeaveTheBagAsItWas) {
    TextPictureCodec codec;
    StreamPropertyBag bag(codec), empty(codec);
    bag.Write("Interval", std::int32_t{77});
    bag.Write("AniPicture", MakePicture(88, 22));
    const std::vector<std::uint8_t> good = bag.Encode(), none = empty.Encode();
    // Every truncation, one byte more than the header says, a payload longer than its values,
    // a foreign header, an unknown value tag, a header announcing a huge block.
    std::vector<std::vector<std::uint8_t>> bad(4, good);
    bad[0].push_back(0);
    bad[1].push_back(0);
    ++bad[1][8];  // the payload size, low byte first
    bad[2][0] = 'X';
    bad[3][StreamPropertyBag::kHeaderSize + 1 + 8] = 9;  // the tag after the name "Interval"
    bad.push_back({'F', 'L', 'N', 'T', 1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F});
    for (std::size_t size = 0; size < good.size(); ++size)
        bad.emplace_back(good.begin(), good.begin() + size);
    for (const auto& block : bad)
        EXPECT_EQ(ErrorOf([&] { bag.Decode(block.data(), block.size()); }), 321) << block.size();
    EXPECT_EQ(std::get<std::int32_t>(bag.Read("Interval", ValueKind::Long)), 77);
    // A bag without values is a whole block, and loading it empties the bag.
    bag.Decode(none.data(), none.size());
    EXPECT_TRUE(std::holds_alternative<MissingValue>(bag.Read("Interval", ValueKind::Long)));
}

}  // namespace velmora::flintor::test
