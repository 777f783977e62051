// Arbitrary bytes as a control saved to a stream: a damaged block is refused with error 321
// and the bag keeps what it had; a block that is accepted writes back to one that reads the
// same, and a control that loads it saves and loads again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "flintor/FlintorErrors.h"
#include "flintor/StreamPropertyBag.h"
#include "tests/unit/flintor/FlintorFakes.h"

namespace {

using namespace velmora;
using namespace velmora::flintor;

void Check(bool condition) {
    if (!condition) std::abort();
}

std::vector<std::uint8_t> Saved(const Flintor& control, PictureCodec& codec) {
    StreamPropertyBag bag(codec);
    control.WriteProperties(bag);
    return bag.Encode();
}

// Everything a saved control keeps, as one comparable text.
std::string State(const Flintor& control) {
    std::string state = test::Properties(control) + (control.DesignLock() ? " locked" : " free");
    for (const PicturePtr& picture : {control.AniPicture(), control.MouseIcon()})
        state += picture ? " " + std::to_string(picture->PixelWidth()) + "x" +
                               std::to_string(picture->PixelHeight())
                         : " none";
    return state;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    test::TextPictureCodec codec;
    StreamPropertyBag bag(codec);
    bag.Write("Interval", std::int32_t{77});
    try {
        bag.Decode(data, size);
    } catch (const RuntimeError& error) {
        Check(error.Number() == kErrInvalidFileFormat);
        const PropertyValue kept = bag.Read("Interval", ValueKind::Long);
        Check(std::holds_alternative<std::int32_t>(kept) && std::get<std::int32_t>(kept) == 77);
        return 0;
    }

    // Accepted: every byte was a value (written out again, only a flag's byte may differ),
    // and that block reads back the same.
    const std::vector<std::uint8_t> once = bag.Encode();
    Check(once.size() == size);
    Check(StreamPropertyBag::PayloadSize(once.data(), StreamPropertyBag::kHeaderSize) ==
          once.size() - StreamPropertyBag::kHeaderSize);
    StreamPropertyBag again(codec);
    again.Decode(once.data(), once.size());
    Check(again.Encode() == once);

    // A designer loads it, or refuses it with one of the control's run-time errors.
    test::FlintorRig designer(/*runTime=*/false);
    try {
        designer.control->ReadProperties(bag);
    } catch (const RuntimeError& error) {
        const long number = error.Number();
        Check(number == kErrOverflow || number == kErrTypeMismatch ||
              number == kErrInvalidPropertyValue || number == kErrInvalidPicture);
        return 0;
    }
    const std::vector<std::uint8_t> saved = Saved(*designer.control, codec);
    StreamPropertyBag reread(codec);
    reread.Decode(saved.data(), saved.size());
    test::FlintorRig copy(/*runTime=*/false);
    copy.control->ReadProperties(reread);
    Check(State(*copy.control) == State(*designer.control));
    Check(Saved(*copy.control, codec) == saved);
    return 0;
}
