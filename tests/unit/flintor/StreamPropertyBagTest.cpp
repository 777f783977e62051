// Saving to a stream: values and pictures survive the round trip, the bag converts like a
// property bag, and damaged blocks are refused without touching what was loaded.
#include <gtest/gtest.h>

#include <random>

#include "flintor/StreamPropertyBag.h"
#include "tests/unit/flintor/FlintorFakes.h"

namespace velmora::flintor::test {

namespace {

// Pictures as "<width>x<height>" text; anything else, or anything once broken, is not a
// picture.
class TextPictureCodec : public PictureCodec {
public:
    std::vector<std::uint8_t> Encode(const Picture& picture) override {
        const std::string text =
            std::to_string(picture.PixelWidth()) + "x" + std::to_string(picture.PixelHeight());
        return {text.begin(), text.end()};
    }
    PicturePtr Decode(const std::vector<std::uint8_t>& bytes) override {
        const std::string text(bytes.begin(), bytes.end());
        const auto x = text.find('x');
        if (broken || x == std::string::npos) throw RuntimeError(481, "Invalid picture");
        return MakePicture(std::stoi(text.substr(0, x)), std::stoi(text.substr(x + 1)));
    }
    bool broken = false;
};

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

TEST(StreamPropertyBag, DamagedBlocksAreRefusedAndLeaveTheBagAsItWas) {
    TextPictureCodec codec;
    const std::vector<std::uint8_t> good = SavedControlBlock(codec);
    StreamPropertyBag bag(codec);
    bag.Write("Interval", std::int32_t{77});
    // Every truncation, one byte too many, a foreign header, an unknown value tag.
    for (std::size_t size = 0; size < good.size(); ++size)
        ASSERT_EQ(ErrorOf([&] { bag.Decode(good.data(), size); }), 321) << size;
    std::vector<std::uint8_t> longer = good, foreign = good, badTag = good;
    longer.push_back(0);
    foreign[0] = 'X';
    badTag[StreamPropertyBag::kHeaderSize + 1 + 8] = 9;  // the tag after the name "Interval"
    for (const auto& block : {longer, foreign, badTag})
        EXPECT_EQ(ErrorOf([&] { bag.Decode(block.data(), block.size()); }), 321);
    EXPECT_EQ(std::get<std::int32_t>(bag.Read("Interval", ValueKind::Long)), 77);

    // A header announcing a huge block is refused before anything is allocated.
    const std::uint8_t huge[] = {'F', 'L', 'N', 'T', 1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F};
    EXPECT_EQ(ErrorOf([&] { StreamPropertyBag::PayloadSize(huge, sizeof huge); }), 321);
}

TEST(StreamPropertyBag, RandomlyDamagedBlocksNeverCrashTheReader) {
    TextPictureCodec codec;
    const std::vector<std::uint8_t> good = SavedControlBlock(codec);
    std::mt19937 random(4);
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::uint8_t> block = good;
        for (int i = 0; i <= round % 4; ++i)
            block[random() % block.size()] = static_cast<std::uint8_t>(random());
        StreamPropertyBag bag(codec);
        FlintorRig rig;
        try {
            bag.Decode(block.data(), block.size());
            rig.control->ReadProperties(bag);
        } catch (const RuntimeError&) {
        } catch (const std::logic_error&) {  // the text codec's number parsing
        }
    }
}

}  // namespace velmora::flintor::test
