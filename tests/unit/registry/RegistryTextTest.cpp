// The text forms of registry data and the conversions of a write, case by case.
#include <gtest/gtest.h>

#include "platform/RegistryApi.h"
#include "platform/RuntimeErrors.h"
#include "registry/RegistryText.h"

namespace velmora::test {

using ByteList = std::vector<std::uint8_t>;
static ByteList Bytes(const std::string& text) { return ByteList(text.begin(), text.end()); }

TEST(RegistryText, DataTextByKindAsReadAndAsListed) {
    const struct {
        std::uint32_t kind;
        ByteList data;
        std::string read, listed;
    } rows[] = {
        {kRegSz, Bytes({"abc\0", 4}), "abc", "abc"},
        {kRegSz, Bytes("abc"), "abc", "abc"},  // stored without its zero: keeps its last letter
        {kRegSz, {}, "", ""},
        {kRegExpandSz, Bytes({"%x%\0", 4}), "%x%", "%x%"},
        {7, Bytes({"a\0b\0\0", 5}), {"a\0b\0", 4}, {"a\0b\0", 4}},
        {kRegDword, {1, 0, 0, 0}, "00000001", "001"},
        {kRegDword, {0xD2, 0x04, 0, 0}, "00001234", "1234"},
        {kRegDword, {0x78, 0x56, 0x34, 0x12}, "305419896", "305419896"},
        {kRegDword, {0x01, 0x01}, "00000257", "257"},  // counts only its own bytes
        {kRegDword, {1, 0, 0, 0, 2}, "00000001", "001"},  // and no more than four
        {kRegBinary, {0x0A, 0xFF, 0x01}, "0AFF01", "\n\377\001"},
        {kRegBinary, {0x9C, 0x00}, "9C00", {"\234\0", 2}},
    };
    for (const auto& row : rows) {
        const auto count = std::uint32_t(row.data.size());
        EXPECT_EQ(DataText(row.kind, row.data.data(), count, TextForm::Read), row.read) << row.read;
        EXPECT_EQ(DataText(row.kind, row.data.data(), count, TextForm::Listed), row.listed)
            << row.read;
    }
}

TEST(RegistryText, DataToWriteByKind) {
    const struct {
        long valType;
        RegValue value;
        std::uint32_t kind;  // 0: raises Type mismatch
        ByteList counted;
    } rows[] = {
        {kRegSz, std::string("abc"), kRegSz, Bytes({"abc\0", 4})},
        {kRegSz, std::int64_t{-42}, kRegSz, Bytes({"-42\0", 4})},
        {kRegSz, ByteList{'h', 'i'}, kRegSz, Bytes({"hi\0", 3})},
        {2, std::string("abc"), kRegSz, Bytes("abc")},  // other kinds: counted without the zero
        {0, std::string(), kRegSz, {}},
        {kRegDword, std::int64_t{0x12345678}, kRegDword, {0x78, 0x56, 0x34, 0x12}},
        {kRegDword, std::string(" 1 "), kRegDword, {1, 0, 0, 0}},
        {kRegDword, std::string("ab"), 0, {}},
        // The last element of an array is the spare one ReadRegistryByte adds.
        {kRegBinary, ByteList{1, 2, 3, 4, 9}, kRegBinary, {1, 2, 3, 4}},
        {kRegBinary, ByteList{7}, kRegBinary, {}},
        {kRegBinary, std::string("ab"), 0, {}},
    };
    for (const auto& row : rows) {
        try {
            const RegData data = DataToWrite(row.valType, row.value);
            EXPECT_EQ(data.kind, row.kind) << row.valType;
            // The system may look at the byte after the counted ones: it must be there.
            ASSERT_GT(data.bytes.size(), data.count) << row.valType;
            EXPECT_EQ(ByteList(data.bytes.begin(), data.bytes.begin() + data.count), row.counted);
        } catch (const RuntimeError& error) {
            EXPECT_EQ(row.kind, 0u) << row.valType;
            EXPECT_EQ(error.Number(), kErrTypeMismatch);
            EXPECT_EQ(error.Description(), "Type mismatch");
        }
    }
}

TEST(RegistryText, DwordFromValueRoundsHalvesToEvenReadsHexOrRaises) {
    const struct {
        RegValue value;
        long error;  // 0: converts to `number`
        std::uint32_t number;
    } rows[] = {
        {std::string("12"), 0, 12},
        {std::string("\t+7 "), 0, 7},
        {std::string("-2"), 0, 4294967294u},
        {std::string("&HFF"), 0, 255},
        {std::string("&hffffffff"), 0, 4294967295u},
        {std::string("&Ha9"), 0, 169},
        {std::string("&H5"), 0, 5},
        {std::string("2.5"), 0, 2},
        {std::string("3.5"), 0, 4},
        {std::string("2.51"), 0, 3},
        {std::string("2.6"), 0, 3},
        {std::string("3.49"), 0, 3},
        {std::string("-0.5"), 0, 0},
        {std::string("4294967295"), 0, 4294967295u},
        {std::int64_t{4294967295}, 0, 4294967295u},
        {std::int64_t{-2147483648LL}, 0, 2147483648u},
        {std::string(""), kErrTypeMismatch, 0},
        {std::string("2.5e1"), kErrTypeMismatch, 0},
        {std::string("&H"), kErrTypeMismatch, 0},
        {std::string("&HFG"), kErrTypeMismatch, 0},
        {ByteList{1, 2}, kErrTypeMismatch, 0},
        {std::string("4294967296"), kErrOverflow, 0},
        {std::string("&H100000000"), kErrOverflow, 0},
        {std::string("-2147483649"), kErrOverflow, 0},
        {std::int64_t{4294967296}, kErrOverflow, 0},
    };
    for (const auto& row : rows) {
        const std::string shown = ::testing::PrintToString(row.value);
        try {
            EXPECT_EQ(DwordFromValue(row.value), row.number) << shown;
            EXPECT_EQ(row.error, 0) << shown;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), row.error) << shown;
        }
    }
}

}  // namespace velmora::test
