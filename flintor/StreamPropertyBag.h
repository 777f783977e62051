// The control's saved properties as one self-delimiting block of bytes, for containers that
// save it to a stream rather than a property bag.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "flintor/ClipPropertyBag.h"
#include "flintor/PictureCodec.h"

namespace velmora::flintor {

class StreamPropertyBag : public ClipPropertyBag {
public:
    // The block starts with a fixed-size header that gives the length of the rest.
    static constexpr std::size_t kHeaderSize = 12;
    // A block longer than this is refused as damaged rather than allocated.
    static constexpr std::size_t kMaxPayload = 64u * 1024u * 1024u;

    explicit StreamPropertyBag(PictureCodec& codec) : codec_(codec) {}

    PropertyValue Read(const std::string& name, ValueKind kind) override;
    void Write(const std::string& name, const PropertyValue& value) override;

    std::vector<std::uint8_t> Encode() const;
    // Bytes after the header, read from a header; throws RuntimeError 321 for a header
    // that is not ours or announces more than kMaxPayload.
    static std::size_t PayloadSize(const std::uint8_t* header, std::size_t size);
    // Replaces the stored values by those of a whole block (header and payload); throws
    // RuntimeError 321, leaving the bag as it was, for anything malformed.
    void Decode(const std::uint8_t* data, std::size_t size);

private:
    enum class Tag : std::uint8_t { Long = 1, Bool = 2, Picture = 3 };
    struct Entry {
        std::string name;
        Tag tag = Tag::Long;
        std::int32_t number = 0;
        bool flag = false;
        std::vector<std::uint8_t> bytes;  // an encoded picture
    };

    const Entry* Find(const std::string& name) const;

    PictureCodec& codec_;
    std::vector<Entry> entries_;
};

}  // namespace velmora::flintor
