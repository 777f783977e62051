// Saving to a stream: values and pictures survive the round trip, and damaged blocks are
// refused without touching what was loaded (fuzz/fuzz_stream_property_bag.cpp tries the rest).
#include <gtest/gtest.h>

#include "flintor/StreamPropertyBag.h"
#include "tests/unit/flintor/FlintorFakes.h"

namespace velmora::flintor::test {

namespace {

std::vector<std::uint8_t> SavedControlBlock(TextPictureCodec& codec) {
    FlintorRig designer(false);
    designer.control->SetInterval(30);
    designer.control->SetAniPicture(MakePicture(88, 22));
    designer.control->SetBorderStyle(1);
    designer.control->SetMaskColor(0x80000005u);
    StreamPropertyBag bag(codec);
    designer.control->WriteProperties(bag);
    return bag.Encode();
}

}  // namespace

TEST(StreamPropertyBag, AControlSavedToAStreamLoadsBackTheSameUnlessItsPictureIsBad) {
    TextPictureCodec codec;
    const std::vector<std::uint8_t> block = SavedControlBlock(codec);
    EXPECT_EQ(StreamPropertyBag::PayloadSize(block.data(), StreamPropertyBag::kHeaderSize),
              block.size() - StreamPropertyBag::kHeaderSize);
    StreamPropertyBag loaded(codec);
    loaded.Decode(block.data(), block.size());
    FlintorRig copy(false);
    copy.control->ReadProperties(loaded);
    EXPECT_EQ(Properties(*copy.control), "30 1 1 80000005 0 0");
    EXPECT_EQ(copy.control->Clip().Cols(), 4);

    codec.broken = true;  // a picture that does not decode is the caller's error
    FlintorRig rig;
    EXPECT_EQ(ErrorOf([&] { rig.control->ReadProperties(loaded); }), 481);
    EXPECT_EQ(rig.control->AniPicture(), rig.builtIn);
}

// Read as another kind, a stored value converts the way a container's bag converts it: a
// true flag is the number -1, a number other than 0 is true, and a picture is neither.
TEST(StreamPropertyBag, NumbersAndFlagsReadAsEachOtherButPicturesDoNot) {
    TextPictureCodec codec;
    StreamPropertyBag written(codec);
    written.Write("Flag", true);
    written.Write("Zero", std::int32_t{0});
    written.Write("Five", std::int32_t{5});
    written.Write("Strip", MakePicture(4, 2));
    const std::vector<std::uint8_t> block = written.Encode();
    StreamPropertyBag bag(codec);
    bag.Decode(block.data(), block.size());
    EXPECT_EQ(std::get<std::int32_t>(bag.Read("Flag", ValueKind::Long)), -1);
    EXPECT_EQ(std::get<bool>(bag.Read("Five", ValueKind::Bool)), true);
    EXPECT_EQ(std::get<bool>(bag.Read("Zero", ValueKind::Bool)), false);
    EXPECT_TRUE(std::holds_alternative<MismatchedValue>(bag.Read("Strip", ValueKind::Long)));
    EXPECT_TRUE(std::holds_alternative<MismatchedValue>(bag.Read("Flag", ValueKind::Picture)));
    EXPECT_TRUE(std::holds_alternative<MissingValue>(bag.Read("Other", ValueKind::Long)));
}

TEST(StreamPropertyBag, DamagedBlocksAreRefusedAndLeaveTheBagAsItWas) {
    TextPictureCodec codec;
    const std::vector<std::uint8_t> good = SavedControlBlock(codec);
    StreamPropertyBag bag(codec);
    bag.Write("Interval", std::int32_t{77});
    // Every truncation, one byte more than the header says, a payload longer than its
    // values, a foreign header, an unknown value tag.
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
}

}  // namespace velmora::flintor::test
