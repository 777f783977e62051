// The one registry class: every registry read, write, enumeration and deletion of the program.
#include "registry/cRegistry.h"

#include <algorithm>
#include <exception>
#include <new>

#include "platform/Dialogs.h"
#include "platform/ProductInfo.h"
#include "platform/RuntimeError.h"
#include "platform/Shell.h"
#include "registry/SameText.h"
#include "registry/ScopedRegKey.h"

namespace velmora {

namespace {

// The fixed buffers of the single-value reads and of the enumeration by index.
constexpr std::uint32_t kBufferSize = 2048;
// Longest value name the system allows, plus its terminating zero.
constexpr std::size_t kMaxNameBuffer = 16384;

// Decimal digits, zero-padded to at least `digits`.
std::string PaddedNumber(std::uint32_t value, std::size_t digits) {
    std::string text = std::to_string(value);
    if (text.size() < digits) text.insert(0, digits - text.size(), '0');
    return text;
}

// A DWORD's number, least significant byte first. A value stored with fewer than four bytes
// counts its missing bytes as zero rather than reading whatever the buffer held.
std::uint32_t DwordOf(const std::uint8_t* data, std::uint32_t count) {
    std::uint32_t value = 0;
    for (std::uint32_t i = 0; i < 4 && i < count; ++i) value |= std::uint32_t(data[i]) << (8 * i);
    return value;
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

// A text value less its terminating zero. A text stored without one (another program may
// write it so) keeps its last character instead of losing it.
std::string TextOf(const std::uint8_t* data, std::uint32_t count) {
    if (count > 0 && data[count - 1] == 0) --count;
    return BytesAsText(data, count);
}

[[noreturn]] void TypeMismatch() {
    throw RuntimeError(13, "Type mismatch");
}
[[noreturn]] void Overflow() {
    throw RuntimeError(6, "Overflow");
}

// The 32-bit pattern of a number for a DWORD: from -2147483648 up to 4294967295 (the
// unsigned reading of the same bits); anything else does not fit.
std::uint32_t DwordBits(std::int64_t number) {
    if (number < -2147483648LL || number > 4294967295LL) Overflow();
    return static_cast<std::uint32_t>(number);
}

// A number written as text: blanks around it, an optional sign, decimal digits with an
// optional fraction (rounded half to even, as the conversion to a whole number does), or
// "&H" and hexadecimal digits.
std::uint32_t DwordFromText(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) TypeMismatch();
    const std::size_t last = text.find_last_not_of(" \t");
    const std::string digits = text.substr(first, last - first + 1);
    constexpr std::int64_t kTooBig = 0x100000000LL;

    if (digits.size() > 2 && digits[0] == '&' && LowerAscii(digits[1]) == 'h') {
        std::int64_t value = 0;
        for (std::size_t i = 2; i < digits.size(); ++i) {
            const char c = LowerAscii(digits[i]);
            const bool decimal = c >= '0' && c <= '9';
            if (!decimal && !(c >= 'a' && c <= 'f')) TypeMismatch();
            value = value * 16 + (decimal ? c - '0' : c - 'a' + 10);
            if (value >= kTooBig) Overflow();
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
        if (whole >= kTooBig) Overflow();
    }
    bool anyDigit = at > wholeStart;
    std::string fraction;
    if (at < digits.size() && digits[at] == '.') {
        const std::size_t fractionStart = ++at;
        while (at < digits.size() && digits[at] >= '0' && digits[at] <= '9') ++at;
        fraction = digits.substr(fractionStart, at - fractionStart);
        anyDigit = anyDigit || !fraction.empty();
    }
    if (!anyDigit || at != digits.size()) TypeMismatch();
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

std::uint32_t DwordFromValue(const RegValue& value) {
    if (const auto* number = std::get_if<std::int64_t>(&value)) return DwordBits(*number);
    if (const auto* text = std::get_if<std::string>(&value)) return DwordFromText(*text);
    TypeMismatch();
}

std::string TextFromValue(const RegValue& value) {
    if (const auto* number = std::get_if<std::int64_t>(&value)) return std::to_string(*number);
    if (const auto* bytes = std::get_if<std::vector<std::uint8_t>>(&value)) {
        return std::string(bytes->begin(), bytes->end());
    }
    return std::get<std::string>(value);
}

// EnumValue into buffers that grow when a value or name does not fit them, so one long value
// does not end the enumeration early.
long EnumValueInto(RegistryApi& api, RegHandle key, std::uint32_t index, std::vector<char>& name,
                   std::uint32_t* nameLength, std::uint32_t* kind, std::vector<std::uint8_t>* data,
                   std::uint32_t* count) {
    long rc = kErrorMoreData;
    for (int attempt = 0; attempt < 4 && rc == kErrorMoreData; ++attempt) {
        *nameLength = static_cast<std::uint32_t>(name.size());
        if (data) *count = static_cast<std::uint32_t>(data->size());
        rc = api.EnumValue(key, index, name.data(), nameLength, kind, data ? data->data() : nullptr,
                           data ? count : nullptr);
        if (rc != kErrorMoreData) break;
        if (data && *count > data->size()) {
            data->resize(std::size_t(*count) + 1);
        } else if (name.size() < kMaxNameBuffer) {
            name.resize(kMaxNameBuffer);  // the system does not say how long the name is
        } else {
            break;
        }
    }
    if (rc == kErrorSuccess) {
        *nameLength = std::min<std::uint32_t>(*nameLength, std::uint32_t(name.size() - 1));
        if (data) *count = std::min<std::uint32_t>(*count, std::uint32_t(data->size()));
    }
    return rc;
}

}  // namespace

bool IsNotFound(const std::string& text) {
    return SameText(text, kNotFound);
}

cRegistry::cRegistry(const Platform& platform) : platform_(platform) {}

RegistryApi& cRegistry::Api() const {
    if (!platform_.registry)
        throw RuntimeError(91, "Object variable or With block variable not set");
    return *platform_.registry;
}

void cRegistry::Trap(const std::function<void()>& body) const {
    try {
        body();
    } catch (const RuntimeError& error) {
        Report(error.Number(), error.Description());
    } catch (const std::bad_alloc&) {
        Report(7, "Out of memory");
    } catch (const std::exception& error) {
        Report(51, *error.what() ? error.what() : "Internal error");
    } catch (...) {
        Report(51, "Internal error");
    }
}

void cRegistry::Report(long number, const std::string& description) const {
    const std::string text = "A program error has occurred...\r\nDetails:\r\nError No:\t" +
                             std::to_string(number) + "\r\nDescription:\t" + description;
    // The report itself must never throw out of the operation it reports on.
    try {
        if (platform_.dialogs) {
            MessageRequest request;
            request.text = text;
            request.title = platform_.product ? platform_.product->ProductName() : std::string();
            request.buttons = MsgButtons::Ok;
            request.icon = MsgIcon::Critical;
            request.systemModal = true;
            platform_.dialogs->ShowMessage(request);
        }
    } catch (...) {
    }
    try {
        if (platform_.shell) platform_.shell->LogApplicationEvent(text);
    } catch (...) {
    }
}

std::string cRegistry::ReadRegistry(RegRoot Group, const std::string& Section,
                                    const std::string& Key) {
    std::string result;
    Trap([&] {
        RegistryApi& api = Api();
        ScopedRegKey key(api);
        // A failed open leaves a null handle, and the query on it fails.
        api.OpenKey(Group, Section, key.Out());
        std::vector<std::uint8_t> buffer(kBufferSize, ' ');
        std::uint32_t kind = 0;
        std::uint32_t count = kBufferSize;
        if (api.QueryValueEx(key.Get(), Key, &kind, buffer.data(), &count) != kErrorSuccess) {
            result = kNotFound;
        } else {
            count = std::min(count, kBufferSize);
            if (kind == kRegDword) {
                result = PaddedNumber(DwordOf(buffer.data(), count), 8);
            } else if (kind == kRegBinary) {
                result = HexPairs(buffer.data(), count);
            } else {
                result = TextOf(buffer.data(), count);
            }
        }
        key.Close();
    });
    return result;
}

void cRegistry::WriteRegistry(RegRoot Group, const std::string& Section, const std::string& Key,
                              long ValType, const RegValue& Value) {
    // Converted before anything is created: a value that does not convert raises to the
    // caller and leaves the registry as it was.
    std::vector<std::uint8_t> bytes;
    std::uint32_t kind = kRegSz;
    std::uint32_t count = 0;
    if (ValType == 4) {
        const std::uint32_t number = DwordFromValue(Value);
        bytes = {std::uint8_t(number), std::uint8_t(number >> 8), std::uint8_t(number >> 16),
                 std::uint8_t(number >> 24)};
        kind = kRegDword;
        count = 4;
    } else if (ValType == 3) {
        const auto* array = std::get_if<std::vector<std::uint8_t>>(&Value);
        if (!array) TypeMismatch();
        // The last element is the spare one ReadRegistryByte adds; it is not stored.
        bytes = *array;
        kind = kRegBinary;
        count = bytes.empty() ? 0 : std::uint32_t(bytes.size() - 1);
    } else {
        const std::string text = TextFromValue(Value);
        bytes.assign(text.begin(), text.end());
        // Kind 1 counts its terminating zero. Other kinds count only the characters; the
        // system then finds the zero that follows in the buffer and stores it too, so the
        // text reads back whole.
        count = std::uint32_t(bytes.size()) + (ValType == 1 ? 1 : 0);
        bytes.push_back(0);
        bytes.push_back(0);
    }

    RegistryApi& api = Api();
    ScopedRegKey key(api);
    api.CreateKey(Group, Section, key.Out());
    api.SetValueEx(key.Get(), Key, kind, bytes.data(), count);
    api.FlushKey(key.Get());
    key.Close();
}

long cRegistry::EnumSubkey(RegRoot Group, const std::string& Section, long idx, std::string* name) {
    RegistryApi& api = Api();
    ScopedRegKey key(api);
    api.OpenKey(Group, Section, key.Out());
    std::vector<char> buffer(kBufferSize, '\0');
    const long rc = idx < 0
                        ? kErrorNoMoreItems
                        : api.EnumKey(key.Get(), std::uint32_t(idx), buffer.data(), kBufferSize);
    if (rc == kErrorSuccess) {
        buffer.back() = '\0';
        *name = buffer.data();
    }
    key.Close();
    return rc;
}

std::string cRegistry::ReadRegistryGetSubkey(RegRoot Group, const std::string& Section, long idx) {
    std::string result;
    Trap([&] {
        std::string name;
        result = EnumSubkey(Group, Section, idx, &name) == kErrorSuccess ? name : kNotFound;
    });
    return result;
}

RegEnumEntry cRegistry::ReadRegistryGetAll(RegRoot Group, const std::string& Section, long idx) {
    RegEnumEntry result;
    Trap([&] {
        RegistryApi& api = Api();
        ScopedRegKey key(api);
        api.OpenKey(Group, Section, key.Out());
        std::vector<char> name(kBufferSize, '\0');
        std::vector<std::uint8_t> data(kBufferSize, ' ');
        std::uint32_t nameLength = kBufferSize;
        std::uint32_t count = kBufferSize;
        std::uint32_t kind = 0;
        const long rc = idx < 0 ? kErrorNoMoreItems
                                : api.EnumValue(key.Get(), std::uint32_t(idx), name.data(),
                                                &nameLength, &kind, data.data(), &count);
        if (rc == kErrorSuccess) {
            nameLength = std::min(nameLength, kBufferSize - 1);
            count = std::min(count, kBufferSize);
            result.kind = long(kind);
            result.name.assign(name.data(), nameLength);
            if (kind == kRegDword) {
                result.data = PaddedNumber(DwordOf(data.data(), count), 3);
            } else if (kind == kRegBinary) {
                result.data = BytesAsText(data.data(), count);
            } else {
                result.data = TextOf(data.data(), count);
            }
        } else {
            result = RegEnumEntry{0, "", kNotFound};
        }
        key.Close();
    });
    return result;
}

std::string cRegistry::DeleteSubkey(RegRoot Group, const std::string& Section) {
    Trap([&] {
        RegistryApi& api = Api();
        ScopedRegKey root(api);
        api.OpenKeyEx(Group, "", kKeyAllAccess, root.Out());
        // The system refuses a key that still has subkeys, and the root itself.
        api.DeleteKey(root.Get(), Section);
        root.Close();
    });
    return std::string();
}

std::string cRegistry::DeleteValue(RegRoot Group, const std::string& Section,
                                   const std::string& Key) {
    Trap([&] {
        RegistryApi& api = Api();
        ScopedRegKey key(api);
        api.OpenKey(Group, Section, key.Out());
        api.DeleteValue(key.Get(), Key);
        key.Close();
    });
    return std::string();
}

std::vector<std::string> cRegistry::GetAllKeys(RegRoot Group, const std::string& Section) {
    std::vector<std::string> result;
    // Each index opens and closes the key once. The end is decided by the enumeration's own
    // code, so a subkey that happens to be named "Not Found" is listed, and an error ends the
    // list instead of repeating forever.
    Trap([&] {
        std::string name;
        for (long idx = 0; EnumSubkey(Group, Section, idx, &name) == kErrorSuccess; ++idx) {
            result.push_back(name);
        }
    });
    result.push_back(kNotFound);
    return result;
}

std::optional<std::vector<std::pair<std::string, std::string>>> cRegistry::GetAllValues(
    RegRoot Group, const std::string& Section) {
    std::optional<std::vector<std::pair<std::string, std::string>>> result;
    Trap([&] {
        RegistryApi& api = Api();
        ScopedRegKey key(api);
        if (api.OpenKeyEx(Group, Section, kKeyRead, key.Out()) != kErrorSuccess) return;
        RegKeyInfo info;
        if (api.QueryInfoKey(key.Get(), &info) != kErrorSuccess) {
            key.Close();
            return;
        }
        std::vector<char> name(std::size_t(info.maxValueNameLen) + 1, '\0');
        std::vector<std::uint8_t> data(std::size_t(info.maxValueLen) + 1, 0);
        std::vector<std::pair<std::string, std::string>> rows;
        std::uint32_t nameLength = 0, kind = 0, count = 0;
        for (std::uint32_t index = 0; EnumValueInto(api, key.Get(), index, name, &nameLength, &kind,
                                                    &data, &count) == kErrorSuccess;
             ++index) {
            if (kind != kRegSz && kind != kRegBinary) continue;
            std::string text =
                kind == kRegBinary ? BytesAsText(data.data(), count) : TextOf(data.data(), count);
            rows.emplace_back(std::string(name.data(), nameLength), std::move(text));
        }
        if (!rows.empty()) result = std::move(rows);
        key.Close();
    });
    return result;
}

std::vector<std::uint8_t> cRegistry::ReadRegistryByte(RegRoot Group, const std::string& Section,
                                                      const std::string& Key) {
    std::vector<std::uint8_t> result;
    Trap([&] {
        RegistryApi& api = Api();
        ScopedRegKey key(api);
        api.OpenKey(Group, Section, key.Out());
        // A zero-sized query learns the kind and the size; a value with data answers that it
        // needs more room.
        std::uint8_t scratch[4] = {};
        std::uint32_t kind = 0;
        std::uint32_t count = 0;
        const long rc = api.QueryValueEx(key.Get(), Key, &kind, scratch, &count);
        if (rc == kErrorMoreData && kind == kRegBinary) {
            // One spare trailing element, so that writing the array back keeps the length.
            std::vector<std::uint8_t> bytes(std::size_t(count) + 1, 0);
            std::uint32_t got = count;
            if (api.QueryValueEx(key.Get(), Key, &kind, bytes.data(), &got) == kErrorSuccess &&
                kind == kRegBinary && got <= count) {
                bytes.resize(std::size_t(got) + 1);
                result = std::move(bytes);
            }
        }
        key.Close();
    });
    return result;
}

std::optional<std::vector<std::string>> cRegistry::GetValues(RegRoot Group,
                                                             const std::string& Section) {
    std::optional<std::vector<std::string>> result;
    Trap([&] {
        RegistryApi& api = Api();
        ScopedRegKey key(api);
        if (api.OpenKeyEx(Group, Section, kKeyRead, key.Out()) != kErrorSuccess) return;
        RegKeyInfo info;
        if (api.QueryInfoKey(key.Get(), &info) != kErrorSuccess) {
            key.Close();
            return;
        }
        // Only names are collected, so the data is not fetched at all.
        std::vector<char> name(std::size_t(info.maxValueNameLen) + 1, '\0');
        std::vector<std::string> names;
        std::uint32_t nameLength = 0, kind = 0, count = 0;
        for (std::uint32_t index = 0; EnumValueInto(api, key.Get(), index, name, &nameLength, &kind,
                                                    nullptr, &count) == kErrorSuccess;
             ++index) {
            names.emplace_back(name.data(), nameLength);
        }
        if (!names.empty()) result = std::move(names);
        key.Close();
    });
    return result;
}

}  // namespace velmora
