// The control's saved properties as one self-delimiting block of bytes.
#include "flintor/StreamPropertyBag.h"

#include <algorithm>

#include "flintor/FlintorErrors.h"

namespace velmora::flintor {

namespace {

constexpr std::uint8_t kMagic[4] = {'F', 'L', 'N', 'T'};
constexpr std::uint16_t kVersion = 1;

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

// Reads little-endian fields from a block, refusing to run past its end.
class Reader {
public:
    Reader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    const std::uint8_t* Take(std::size_t count) {
        if (count > size_ - pos_) throw InvalidFileFormat();
        const std::uint8_t* at = data_ + pos_;
        pos_ += count;
        return at;
    }
    std::uint8_t U8() { return *Take(1); }
    std::uint32_t U16() {
        const std::uint8_t* b = Take(2);
        return b[0] | (b[1] << 8);
    }
    std::uint32_t U32() {
        const std::uint32_t low = U16();
        return low | (U16() << 16);
    }
    bool AtEnd() const { return pos_ == size_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace

const StreamPropertyBag::Entry* StreamPropertyBag::Find(const std::string& name) const {
    for (const Entry& entry : entries_)
        if (entry.name == name) return &entry;
    return nullptr;
}

PropertyValue StreamPropertyBag::Read(const std::string& name, ValueKind kind) {
    const Entry* entry = Find(name);
    if (!entry) return MissingValue{};
    switch (kind) {
        case ValueKind::Long:
            if (entry->tag == Tag::Long) return entry->number;
            if (entry->tag == Tag::Bool) return std::int32_t{entry->flag ? -1 : 0};
            return MismatchedValue{};
        case ValueKind::Bool:
            if (entry->tag == Tag::Bool) return entry->flag;
            if (entry->tag == Tag::Long) return entry->number != 0;
            return MismatchedValue{};
        case ValueKind::Picture:
            if (entry->tag != Tag::Picture) return MismatchedValue{};
            return codec_.Decode(entry->bytes);
    }
    return MismatchedValue{};
}

void StreamPropertyBag::Write(const std::string& name, const PropertyValue& value) {
    Entry entry;
    entry.name = name.substr(0, 255);
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        entry.number = *number;
    } else if (const auto* flag = std::get_if<bool>(&value)) {
        entry.tag = Tag::Bool;
        entry.flag = *flag;
    } else if (const auto* picture = std::get_if<PicturePtr>(&value)) {
        if (!*picture) return;  // nothing is what a reader gets when nothing is stored
        entry.tag = Tag::Picture;
        entry.bytes = codec_.Encode(**picture);
    } else {
        return;
    }
    auto same = std::find_if(entries_.begin(), entries_.end(),
                             [&](const Entry& e) { return e.name == entry.name; });
    if (same != entries_.end())
        *same = std::move(entry);
    else
        entries_.push_back(std::move(entry));
}

std::vector<std::uint8_t> StreamPropertyBag::Encode() const {
    std::vector<std::uint8_t> payload;
    for (const Entry& entry : entries_) {
        payload.push_back(static_cast<std::uint8_t>(entry.name.size()));
        payload.insert(payload.end(), entry.name.begin(), entry.name.end());
        payload.push_back(static_cast<std::uint8_t>(entry.tag));
        switch (entry.tag) {
            case Tag::Long: PutU32(payload, static_cast<std::uint32_t>(entry.number)); break;
            case Tag::Bool: payload.push_back(entry.flag ? 1 : 0); break;
            case Tag::Picture:
                PutU32(payload, static_cast<std::uint32_t>(entry.bytes.size()));
                payload.insert(payload.end(), entry.bytes.begin(), entry.bytes.end());
                break;
        }
    }
    std::vector<std::uint8_t> block(std::begin(kMagic), std::end(kMagic));
    PutU16(block, kVersion);
    PutU16(block, static_cast<std::uint32_t>(entries_.size()));
    PutU32(block, static_cast<std::uint32_t>(payload.size()));
    block.insert(block.end(), payload.begin(), payload.end());
    return block;
}

std::size_t StreamPropertyBag::PayloadSize(const std::uint8_t* header, std::size_t size) {
    Reader reader(header, size);
    if (!std::equal(std::begin(kMagic), std::end(kMagic), reader.Take(4)))
        throw InvalidFileFormat();
    if (reader.U16() != kVersion) throw InvalidFileFormat();
    reader.U16();
    const std::size_t payload = reader.U32();
    if (payload > kMaxPayload) throw InvalidFileFormat();
    return payload;
}

void StreamPropertyBag::Decode(const std::uint8_t* data, std::size_t size) {
    if (size < kHeaderSize) throw InvalidFileFormat();
    const std::size_t payload = PayloadSize(data, kHeaderSize);
    if (size != kHeaderSize + payload) throw InvalidFileFormat();
    Reader header(data, kHeaderSize);
    header.Take(6);
    const std::uint32_t count = header.U16();

    std::vector<Entry> entries;
    Reader reader(data + kHeaderSize, payload);
    for (std::uint32_t i = 0; i < count; ++i) {
        Entry entry;
        const std::size_t nameLength = reader.U8();
        const std::uint8_t* name = reader.Take(nameLength);
        entry.name.assign(name, name + nameLength);
        entry.tag = static_cast<Tag>(reader.U8());
        switch (entry.tag) {
            case Tag::Long: entry.number = static_cast<std::int32_t>(reader.U32()); break;
            case Tag::Bool: entry.flag = reader.U8() != 0; break;
            case Tag::Picture: {
                const std::size_t length = reader.U32();
                const std::uint8_t* bytes = reader.Take(length);
                entry.bytes.assign(bytes, bytes + length);
                break;
            }
            default: throw InvalidFileFormat();
        }
        entries.push_back(std::move(entry));
    }
    if (!reader.AtEnd()) throw InvalidFileFormat();
    entries_ = std::move(entries);
}

}  // namespace velmora::flintor
