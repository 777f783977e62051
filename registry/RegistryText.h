// The text forms of registry data: what the reads give for each kind, and what a write
// stores for a value of each kind, with the conversion of text and numbers to a DWORD.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace velmora {

// A value to write: text, a number, or a byte array (kind REG_BINARY).
using RegValue = std::variant<std::string, std::int64_t, std::vector<std::uint8_t>>;

// Where the data is shown. ReadRegistry gives a number at least eight digits long and binary
// data as hexadecimal pairs; the enumerations give a number at least three digits long and
// binary data as its bytes.
enum class TextForm { Read, Listed };

// The text of count stored bytes of the given kind. Text kinds lose their terminating zero.
std::string DataText(std::uint32_t kind, const std::uint8_t* data, std::uint32_t count,
                     TextForm form);

// What a write hands to the system: the kind, the bytes, and how many of them are counted.
// bytes always holds one byte more than count, as the system may look at the byte after a
// text's counted characters.
struct RegData {
    std::uint32_t kind = 0;
    std::vector<std::uint8_t> bytes;
    std::uint32_t count = 0;
};

// The data WriteRegistry stores for Value written as ValType. REG_SZ counts its terminating
// zero, other unknown kinds store text without it; REG_BINARY stores every element of the
// array but the last. Raises Type mismatch or Overflow for what does not convert.
RegData DataToWrite(long ValType, const RegValue& Value);

// The number held by up to four bytes, the least significant first (a DWORD's data, a file's
// little-endian fields).
std::uint32_t DwordOf(const std::uint8_t* data, std::uint32_t count);

// The 32-bit pattern of a number or of a number written as text: blanks around it, an
// optional sign, decimal digits with an optional fraction rounded half to even, or "&H" and
// hexadecimal digits. From -2147483648 up to 4294967295 (the unsigned reading of the same bits).
std::uint32_t DwordFromValue(const RegValue& value);

}  // namespace velmora
