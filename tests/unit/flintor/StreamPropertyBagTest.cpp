// The stream bag: values converted on reading as a container's bag converts them, and damaged
// blocks refused without touching what was loaded (fuzz/fuzz_stream_property_bag.cpp tries the
// rest; FlintorWriteProperties saves a whole control through it).
#include <gtest/gtest.h>

#include "flintor/StreamPropertyBag.h"
#include "tests/unit/flintor/FlintorFakes.h"

namespace velmora::flintor::test {

// A true flag is the number -1, a number other than 0 is true, and a picture is neither.
TEST(StreamPropertyBag, NumbersAndFlagsReadAsEachOtherAfterTheRoundTripButPicturesDoNot) {
    TextPictureCodec codec;
    StreamPropertyBag written(codec);
    written.Write("On", true);
    written.Write("Off", false);
    written.Write("Zero", std::int32_t{0});
    written.Write("Five", std::int32_t{5});
    written.Write("Strip", MakePicture(4, 2));
    written.Write("None", PicturePtr());
    const std::vector<std::uint8_t> block = written.Encode();
    StreamPropertyBag bag(codec);
    bag.Decode(block.data(), block.size());
    const struct {
        const char* name;
        ValueKind kind;
        const char* read;
    } rows[] = {
        {"On", ValueKind::Long, "-1"},           {"On", ValueKind::Bool, "true"},
        {"Off", ValueKind::Long, "0"},           {"Off", ValueKind::Bool, "false"},
        {"Five", ValueKind::Long, "5"},          {"Five", ValueKind::Bool, "true"},
        {"Zero", ValueKind::Bool, "false"},      {"Strip", ValueKind::Picture, "4x2"},
        {"Strip", ValueKind::Long, "mismatch"},  {"On", ValueKind::Picture, "mismatch"},
        {"None", ValueKind::Picture, "missing"}, {"Other", ValueKind::Long, "missing"},
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
    EXPECT_EQ(StreamPropertyBag::PayloadSize(good.data(), StreamPropertyBag::kHeaderSize),
              good.size() - StreamPropertyBag::kHeaderSize);
    // Every truncation, one byte more than the header says, a payload longer than its values,
    // a foreign header, an unknown value tag.
    for (std::size_t size = 0; size < good.size(); ++size)
        ASSERT_EQ(ErrorOf([&] { bag.Decode(good.data(), size); }), 321) << size;
    std::vector<std::uint8_t> longer = good, padded = good, foreign = good, badTag = good;
    longer.push_back(0);
    padded.push_back(0);
    ++padded[8];  // the payload size, low byte first
    foreign[0] = 'X';
    badTag[StreamPropertyBag::kHeaderSize + 1 + 8] = 9;  // the tag after the name "Interval"
    for (const auto& block : {longer, padded, foreign, badTag})
        EXPECT_EQ(ErrorOf([&] { bag.Decode(block.data(), block.size()); }), 321);
    EXPECT_EQ(std::get<std::int32_t>(bag.Read("Interval", ValueKind::Long)), 77);

    // A header announcing a huge block is refused before anything is allocated.
    const std::uint8_t huge[] = {'F', 'L', 'N', 'T', 1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F};
    EXPECT_EQ(ErrorOf([&] { StreamPropertyBag::PayloadSize(huge, sizeof huge); }), 321);
    // A bag without values is a whole block, and loading it empties the bag.
    bag.Decode(none.data(), none.size());
    EXPECT_TRUE(std::holds_alternative<MissingValue>(bag.Read("Interval", ValueKind::Long)));
}

}  // namespace velmora::flintor::test
