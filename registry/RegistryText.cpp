// The text forms of registry data: what the reads give for each kind, and what a write
// stores for a value of each kind, with the conversion of text and numbers to a DWORD.
#include "registry/RegistryText.h"

#include "platform/RegistryApi.h"
#include "platform/RuntimeErrors.h"
#include "registry/SameText.h"

namespace velmora {

namespace {

// Decimal digits, zero-padded to at least `digits`.
std::string PaddedNumber(std::uint32_t value, std::size_t digits) {
    std::string text = std::to_string(value);
    if (text.size() < digits) text.insert(0, digits - text.size(), '0');
    return text;
}

std::string HexPairs(const std::uint8_t* data, std::uint32_t count) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(count * 2);
    for (std::uint32_t i = 0; i < count; ++i) {
        text.push_back(kDigits[data[i] >> 4]);
        text.push_back(kDigits[data[i] & 0x0F]);
    }
    return text;
}

std::string BytesAsText(const std::uint8_t* data, std::uint32_t count) {
    return std::string(reinterpret_cast<const char*>(data), count);
}

std::uint32_t DwordBits(std::int64_t number) {
    if (number < -2147483648LL || number > 4294967295LL) throw Overflow();
    return static_cast<std::uint32_t>(number);
}

std::uint32_t DwordFromText(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) throw TypeMismatch();
    const std::size_t last = text.find_last_not_of(" \t");
    const std::string digits = text.substr(first, last - first + 1);
    constexpr std::int64_t kTooBig = 0x100000000LL;

    if (digits.size() > 2 && digits[0] == '&' && LowerAscii(digits[1]) == 'h') {
        std::int64_t value = 0;
        for (std::size_t i = 2; i < digits.size(); ++i) {
            const char c = LowerAscii(digits[i]);
            const bool decimal = c >= '0' && c <= '9';
            if (!decimal && !(c >= 'a' && c <= 'f')) throw TypeMismatch();
            value = value * 16 + (decimal ? c - '0' : c - 'a' + 10);
            if (value >= kTooBig) throw Overflow();
        }
        return static_cast<std::uint32_t>(value);
    }

    std::size_t at = 0;
    const bool negative = digits[at] == '-';
    if (digits[at] == '+' || digits[at] == '-') ++at;
    const std::size_t wholeStart = at;
    std::int64_t whole = 0;
    for (; at < digits.size() && digits[at] >= '0' && digits[at] <= '9'; ++at) {
        whole = whole * 10 + (digits[at] - '0');
        if (whole >= kTooBig) throw Overflow();
    }
    bool anyDigit = at > wholeStart;
    std::string fraction;
    if (at < digits.size() && digits[at] == '.') {
        const std::size_t fractionStart = ++at;
        while (at < digits.size() && digits[at] >= '0' && digits[at] <= '9') ++at;
        fraction = digits.substr(fractionStart, at - fractionStart);
        anyDigit = anyDigit || !fraction.empty();
    }
    if (!anyDigit || at != digits.size()) throw TypeMismatch();
    // Compared digit by digit, so that no binary fraction blurs an exact half.
    if (!fraction.empty()) {
        const bool aboveHalf =
            fraction[0] > '5' ||
            (fraction[0] == '5' && fraction.find_first_not_of('0', 1) != std::string::npos);
        const bool half = fraction[0] == '5' && !aboveHalf;
        if (aboveHalf || (half && whole % 2 != 0)) ++whole;
    }
    return DwordBits(negative ? -whole : whole);
}

std::string TextFromValue(const RegValue& value) {
    if (const auto* number = std::get_if<std::int64_t>(&value)) return std::to_string(*number);
    if (const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&value)) {
        return std::string(bytes->begin(), bytes->end());
    }
    return std::get<std::string>(value);
}

}  // namespace

// A value stored with fewer than four bytes counts its missing bytes as zero rather than
// reading whatever the buffer held.
std::uint32_t DwordOf(const std::uint8_t* data, std::uint32_t count) {
    std::uint32_t value = 0;
    for (std::uint32_t i = 0; i < 4 && i < count; ++i) value |= std::uint32_t(data[i]) << (8 * i);
    return value;
}

std::string DataText(std::uint32_t kind, const std::uint8_t* data, std::uint32_t count,
                     TextForm form) {
    if (kind == kRegDword)
        return PaddedNumber(DwordOf(data, count), form == TextForm::Read ? 8 : 3);
    if (kind == kRegBinary) {
        return form == TextForm::Read ? HexPairs(data, count) : BytesAsText(data, count);
    }
    // A text stored without its zero (another program may write it so) keeps its last
    // character instead of losing it.
    if (count > 0 && data[count - 1] == 0) --count;
    return BytesAsText(data, count);
}

RegData DataToWrite(long ValType, const RegValue& Value) {
    RegData data;
    if (ValType == long(kRegDword)) {
        const std::uint32_t number = DwordFromValue(Value);
        data.kind = kRegDword;
        data.bytes = {std::uint8_t(number), std::uint8_t(number >> 8), std::uint8_t(number >> 16),
                      std::uint8_t(number >> 24), 0};
        data.count = 4;
    } else if (ValType == long(kRegBinary)) {
        const auto* array = std::get_if<std::vector<std::uint8_t>>(&Value);
        if (!array) throw TypeMismatch();
        // The last element is the spare one ReadRegistryByte adds; it is not stored.
        data.kind = kRegBinary;
        data.bytes = *array;
        if (data.bytes.empty()) data.bytes.push_back(0);
        data.count = std::uint32_t(data.bytes.size() - 1);
    } else {
        const std::string text = TextFromValue(Value);
        data.kind = kRegSz;
        data.bytes.assign(text.begin(), text.end());
        // Other kinds count only the characters; the system then finds the zero that follows
        // in the buffer and stores it too, so the text reads back whole.
        data.count = std::uint32_t(data.bytes.size()) + (ValType == long(kRegSz) ? 1 : 0);
        data.bytes.push_back(0);
        data.bytes.push_back(0);
    }
    return data;
}

std::uint32_t DwordFromValue(const RegValue& value) {
    if (const auto* number = std::get_if<std::int64_t>(&value)) return DwordBits(*number);
    if (const auto* text = std::get_if<std::string>(&value)) return DwordFromText(*text);
    throw TypeMismatch();
}

}  // namespace velmora
