// What the registry port and cRegistry do on any backend: the in-memory registry, and advapi32
// under Wine, so the model cannot drift from the real thing. Include in exactly one file of a
// test program and instantiate it:
//     INSTANTIATE_TEST_SUITE_P(Memory, RegistrySuite, ::testing::Values(MemoryBackend()));
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/RuntimeError.h"
#include "registry/cRegistry.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeProductInfo.h"
#include "tests/support/FakeShell.h"
#include "tests/support/RegistryBackend.h"

namespace velmora::test {

class RegistrySuite : public ::testing::TestWithParam<RegistryBackendParam> {
protected:
    using Names = std::vector<std::string>;
    using ByteList = std::vector<std::uint8_t>;
    static constexpr RegRoot kUser = kHkeyCurrentUser;
    static constexpr RegRoot kMachine = kHkeyLocalMachine;
    static constexpr char kMain[] = "Software\\Microsoft\\Internet Explorer\\Main";

    void SetUp() override {
        backend_ = GetParam().make();
        platform_.registry = &Api();
        platform_.dialogs = &dialogs_;
        platform_.shell = &shell_;
        platform_.product = &product_;
    }
    void TearDown() override {
        for (RegHandle key : opened_) Api().CloseKey(key);
        // Nothing here is a run-time error: missing keys and values never show a message.
        EXPECT_TRUE(dialogs_.Shown().empty());
        EXPECT_TRUE(shell_.eventLog.empty());
    }

    RegistryApi& Api() { return backend_->Api(); }
    cRegistry Reg() { return cRegistry(platform_); }

    // Creates (or opens) a key that stays open until the end of the test.
    RegHandle Key(RegHandle root, const std::string& path) {
        RegHandle key = 0;
        EXPECT_EQ(Api().CreateKey(root, path, &key), kErrorSuccess) << path;
        return Keep(key);
    }
    RegHandle Keep(RegHandle key) {
        opened_.push_back(key);
        return key;
    }
    bool KeyExists(RegRoot root, const std::string& path) {
        RegHandle key = 0;
        if (Api().OpenKey(root, path, &key) != kErrorSuccess) return false;
        Api().CloseKey(key);
        return true;
    }

    // Stores bytes; `after` is the byte that follows the counted ones in the buffer.
    long Set(RegHandle key, const std::string& name, std::uint32_t kind, ByteList bytes,
             std::uint8_t after = 0xEE) {
        const auto count = std::uint32_t(bytes.size());
        bytes.push_back(after);
        return Api().SetValueEx(key, name, kind, bytes.data(), count);
    }
    long SetText(RegHandle key, const std::string& name, const std::string& text) {
        return Set(key, name, kRegSz, Terminated(text));
    }
    static ByteList Bytes(const std::string& text) { return ByteList(text.begin(), text.end()); }
    static ByteList Terminated(const std::string& text) { return Bytes(text + '\0'); }

    struct Stored {
        long rc = -1;
        std::uint32_t kind = 0;
        ByteList data;
    };
    // The value as stored: its kind and exactly its bytes.
    Stored Read(RegHandle key, const std::string& name) {
        Stored stored;
        std::uint32_t size = 0;
        stored.rc = Api().QueryValueEx(key, name, &stored.kind, nullptr, &size);
        if (stored.rc != kErrorSuccess) return stored;
        stored.data.assign(std::size_t(size) + 8, 0xCC);
        stored.rc = Api().QueryValueEx(key, name, &stored.kind, stored.data.data(), &size);
        stored.data.resize(size);
        return stored;
    }

    // Sorted: the order of values differs between systems.
    Names ValueNames(RegRoot root, const std::string& path) {
        Names names = Reg().GetValues(root, path).value_or(Names{});
        std::sort(names.begin(), names.end());
        return names;
    }

    FakeDialogs dialogs_;
    FakeShell shell_;
    FakeProductInfo product_;
    Platform platform_;

private:
    std::unique_ptr<RegistryBackend> backend_;
    std::vector<RegHandle> opened_;
};

// --- The port ---------------------------------------------------------------------------------

TEST_P(RegistrySuite, CreateMakesEveryMissingKeyAndOpenFindsThemInAnyCase) {
    Key(kUser, "Software\\Tolvane\\Quenmark");
    // Creating an existing key in another case opens it and keeps the first spelling.
    Key(kUser, "software\\TOLVANE\\QUENMARK");
    EXPECT_EQ(Reg().GetAllKeys(kUser, "SOFTWARE\\tolvane"), (Names{"Quenmark", kNotFound}));
    // Doubled and trailing backslashes are ignored, a leading one is refused.
    RegHandle key = 0;
    EXPECT_EQ(Api().OpenKey(kUser, "Software\\\\Tolvane\\", &key), kErrorSuccess);
    Keep(key);
    EXPECT_EQ(Api().OpenKey(kUser, "\\Software", &key), kErrorBadPathname);
    EXPECT_EQ(Api().CreateKey(kUser, "\\Lead", &key), kErrorBadPathname);
}

TEST_P(RegistrySuite, MissingKeysAndBadHandlesGiveTheirCodes) {
    RegHandle key = 1234;
    EXPECT_EQ(Api().OpenKey(kUser, "Software\\Nowhere", &key), kErrorFileNotFound);
    EXPECT_EQ(key, 0u);
    key = 1234;
    EXPECT_EQ(Api().OpenKeyEx(kMachine, "Nowhere", kKeyRead, &key), kErrorFileNotFound);
    EXPECT_EQ(key, 0u);
    Key(kUser, "OnlyHere");  // the two roots are separate trees
    EXPECT_EQ(Api().OpenKey(kMachine, "OnlyHere", &key), kErrorFileNotFound);

    ASSERT_EQ(Api().CreateKey(kUser, "K", &key), kErrorSuccess);
    EXPECT_EQ(Api().CloseKey(key), kErrorSuccess);
    EXPECT_EQ(Api().CloseKey(key), kErrorInvalidHandle);
    EXPECT_EQ(Api().CloseKey(0), kErrorInvalidHandle);
    std::uint32_t size = 0;
    EXPECT_EQ(Api().QueryValueEx(0, "x", nullptr, nullptr, &size), kErrorInvalidHandle);
    char name[8];
    EXPECT_EQ(Api().EnumKey(0, 0, name, sizeof name), kErrorInvalidHandle);
    key = 77;
    EXPECT_EQ(Api().OpenKey(0, "K", &key), kErrorInvalidHandle);
    EXPECT_EQ(key, 77u);
}

TEST_P(RegistrySuite, QueryGivesTheSizeAndAsksForMoreRoomWithoutTouchingTheBuffer) {
    const RegHandle key = Key(kUser, "Values");
    SetText(key, "abc", "abc");
    Set(key, "empty", kRegSz, {});
    std::uint32_t kind = 0, size = 0;
    EXPECT_EQ(Api().QueryValueEx(key, "ABC", &kind, nullptr, &size), kErrorSuccess);
    EXPECT_EQ(size, 4u);
    std::uint8_t buffer[8] = {'#'};
    for (std::uint32_t room : {3u, 0u}) {
        size = room;
        EXPECT_EQ(Api().QueryValueEx(key, "abc", &kind, buffer, &size), kErrorMoreData);
        EXPECT_EQ(size, 4u);
        EXPECT_EQ(kind, kRegSz);
        EXPECT_EQ(buffer[0], '#');
    }
    size = 0;  // a value without data fits any buffer
    EXPECT_EQ(Api().QueryValueEx(key, "empty", &kind, buffer, &size), kErrorSuccess);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(Api().QueryValueEx(key, "abc", &kind, buffer, nullptr), kErrorInvalidParameter);
    EXPECT_EQ(Read(key, "missing").rc, kErrorFileNotFound);
}

TEST_P(RegistrySuite, TextStoredWithoutItsZeroIsCompletedWhenTheBufferHoldsOne) {
    const RegHandle key = Key(kUser, "Texts");
    Set(key, "zeroAfter", kRegSz, Bytes("abc"), 0);
    Set(key, "letterAfter", kRegSz, Bytes("abc"), 'X');
    Set(key, "expand", kRegExpandSz, Bytes("%x%"), 0);
    Set(key, "binary", kRegBinary, Bytes("abc"), 0);
    EXPECT_EQ(Read(key, "zeroAfter").data, Terminated("abc"));
    EXPECT_EQ(Read(key, "letterAfter").data, Bytes("abc"));
    EXPECT_EQ(Read(key, "expand").data, Terminated("%x%"));
    EXPECT_EQ(Read(key, "binary").data, Bytes("abc"));
    // Reading the unterminated text appends a zero when there is room, never beyond it.
    for (std::uint32_t room : {8u, 3u}) {
        std::uint8_t buffer[8] = {'#', '#', '#', '#'};
        std::uint32_t size = room;
        ASSERT_EQ(Api().QueryValueEx(key, "letterAfter", nullptr, buffer, &size), kErrorSuccess);
        EXPECT_EQ(size, 3u);
        EXPECT_EQ(buffer[3], room > 3 ? 0 : '#');
    }
}

TEST_P(RegistrySuite, EnumValueReportsShortBuffersDataFirst) {
    const RegHandle key = Key(kUser, "Short");
    SetText(key, "longername", "xyz");
    char name[16] = "#";
    std::uint8_t data[16] = {'#'};
    // Data too short: its kind and size are given, the name is not touched.
    std::uint32_t nameLength = sizeof name, size = 2, kind = 0;
    EXPECT_EQ(Api().EnumValue(key, 0, name, &nameLength, &kind, data, &size), kErrorMoreData);
    EXPECT_EQ(kind, kRegSz);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(nameLength, sizeof name);
    EXPECT_EQ(name[0], '#');
    EXPECT_EQ(data[0], '#');
    // Name too short: the data is copied, the name cut to the buffer, its length unchanged.
    nameLength = 3;
    size = sizeof data;
    EXPECT_EQ(Api().EnumValue(key, 0, name, &nameLength, &kind, data, &size), kErrorMoreData);
    EXPECT_EQ(nameLength, 3u);
    EXPECT_STREQ(name, "lo");
    EXPECT_STREQ(reinterpret_cast<char*>(data), "xyz");
    EXPECT_EQ(size, 4u);
    // The name's length exactly is too short; one more fits.
    nameLength = 10;
    EXPECT_EQ(Api().EnumValue(key, 0, name, &nameLength, nullptr, nullptr, nullptr),
              kErrorMoreData);
    nameLength = 11;
    size = 0;
    EXPECT_EQ(Api().EnumValue(key, 0, name, &nameLength, nullptr, nullptr, &size), kErrorSuccess);
    EXPECT_EQ(nameLength, 10u);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(Api().EnumValue(key, 1, name, &nameLength, nullptr, nullptr, nullptr),
              kErrorNoMoreItems);
    EXPECT_EQ(Api().EnumValue(key, 0, name, &nameLength, nullptr, data, nullptr),
              kErrorInvalidParameter);
}

TEST_P(RegistrySuite, AKeyDeletedUnderAnOpenHandleAnswersKeyDeleted) {
    const RegHandle key = Key(kMachine, "Del");
    SetText(key, "v", "1");
    EXPECT_EQ(Api().DeleteKey(kMachine, "Del\\Nope"), kErrorFileNotFound);
    ASSERT_EQ(Api().DeleteKey(kMachine, "Del"), kErrorSuccess);
    std::uint32_t size = 0;
    EXPECT_EQ(Api().QueryValueEx(key, "v", nullptr, nullptr, &size), kErrorKeyDeleted);
    EXPECT_EQ(SetText(key, "v", "y"), kErrorKeyDeleted);
    EXPECT_EQ(Api().DeleteValue(key, "v"), kErrorKeyDeleted);
    RegHandle child = 0;
    EXPECT_EQ(Api().CreateKey(key, "child", &child), kErrorKeyDeleted);
    EXPECT_EQ(Api().FlushKey(key), kErrorKeyDeleted);
    // A key can also delete itself through its own handle and an empty path.
    EXPECT_EQ(Api().DeleteKey(Key(kUser, "Self"), ""), kErrorSuccess);
    EXPECT_FALSE(KeyExists(kUser, "Self"));
}

TEST_P(RegistrySuite, AKeyOpenedForReadingCannotChangeValues) {
    SetText(Key(kUser, "RO"), "v", "x");
    RegHandle key = 0, valuesOnly = 0, keysOnly = 0;
    ASSERT_EQ(Api().OpenKeyEx(kUser, "RO", kKeyRead, &key), kErrorSuccess);
    EXPECT_EQ(Read(Keep(key), "v").data, Terminated("x"));
    char name[8];
    EXPECT_EQ(Api().EnumKey(key, 0, name, sizeof name), kErrorNoMoreItems);
    EXPECT_EQ(SetText(key, "v", "y"), kErrorAccessDenied);
    EXPECT_EQ(Api().DeleteValue(key, "v"), kErrorAccessDenied);

    ASSERT_EQ(Api().OpenKeyEx(kUser, "RO", kKeyQueryValue, &valuesOnly), kErrorSuccess);
    EXPECT_EQ(Api().EnumKey(Keep(valuesOnly), 0, name, sizeof name), kErrorAccessDenied);
    ASSERT_EQ(Api().OpenKeyEx(kUser, "RO", kKeyEnumerateSubKeys, &keysOnly), kErrorSuccess);
    EXPECT_EQ(Read(Keep(keysOnly), "v").rc, kErrorAccessDenied);
}

// --- cRegistry --------------------------------------------------------------------------------

TEST_P(RegistrySuite, ReadRegistryGivesTextEightDigitNumbersHexPairsOrNotFound) {
    const struct {
        const char* name;
        std::uint32_t kind;
        ByteList bytes;
        std::string text;
    } rows[] = {
        {"Text", kRegSz, Terminated("abc"), "abc"},
        {"Blank", kRegSz, Terminated(""), ""},
        {"NoData", kRegSz, {}, ""},
        {"Expand", kRegExpandSz, Terminated("%TEMP%\\x"), "%TEMP%\\x"},
        {"Bare", kRegSz, Bytes("abc"), "abc"},  // stored without its zero: keeps its last letter
        {"Zero", kRegDword, {0, 0, 0, 0}, "00000000"},
        {"One", kRegDword, {1, 0, 0, 0}, "00000001"},
        {"Some", kRegDword, {0xD2, 0x04, 0, 0}, "00001234"},
        {"Max", kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}, "4294967295"},
        {"Short", kRegDword, {0x01, 0x01}, "00000257"},  // counts only its own bytes
        {"Bin", kRegBinary, {0x0A, 0xFF, 0x01}, "0AFF01"},
        {"NoBytes", kRegBinary, {}, ""},
        {"Fits", kRegSz, Terminated(std::string(2047, 'a')), std::string(2047, 'a')},
        {"TooLong", kRegSz, Terminated(std::string(2048, 'a')), kNotFound},
    };
    const RegHandle main = Key(kUser, kMain);
    for (const auto& row : rows) Set(main, row.name, row.kind, row.bytes, 'X');
    for (const auto& row : rows) {
        EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, row.name), row.text) << row.name;
    }
    EXPECT_EQ(Reg().ReadRegistry(kUser, "software\\MICROSOFT\\internet explorer\\main", "TEXT"),
              "abc");
    EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, "Missing"), kNotFound);
    EXPECT_EQ(Reg().ReadRegistry(kMachine, kMain, "Text"), kNotFound);
    EXPECT_EQ(Reg().ReadRegistry(kUser, "Software\\Nowhere", "x"), kNotFound);
}

TEST_P(RegistrySuite, WriteRegistryStoresEachKindAndCreatesTheWholePath) {
    const struct {
        const char* name;
        long kind;
        RegValue value;
        std::uint32_t storedKind;
        ByteList stored;
    } rows[] = {
        {"Text", 1, std::string("abc"), kRegSz, Terminated("abc")},
        {"Empty", 1, std::string(), kRegSz, {0}},
        {"Number", 1, std::int64_t{42}, kRegSz, Terminated("42")},
        {"Array", 1, ByteList{'h', 'i'}, kRegSz, Terminated("hi")},
        // Counted without the zero; the system finds it after the characters and keeps it.
        {"Other", 2, std::string("abc"), kRegSz, Terminated("abc")},
        {"OtherEmpty", 0, std::string(), kRegSz, {}},
        {"Dword", 4, std::int64_t{1234}, kRegDword, {0xD2, 0x04, 0, 0}},
        {"DwordText", 4, std::string(" 1 "), kRegDword, {1, 0, 0, 0}},
        {"Negative", 4, std::int64_t{-1}, kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}},
        // The last element of an array is the spare one ReadRegistryByte adds.
        {"Binary", 3, ByteList{1, 2, 3, 4, 9}, kRegBinary, {1, 2, 3, 4}},
        {"NoBytes", 3, ByteList{}, kRegBinary, {}},
    };
    const std::string path = "Software\\Tolvane\\Quenmark\\Velmoras\\.Current";
    for (const auto& row : rows) Reg().WriteRegistry(kUser, path, row.name, row.kind, row.value);
    const RegHandle key = Key(kUser, path);
    for (const auto& row : rows) {
        const Stored stored = Read(key, row.name);
        EXPECT_EQ(stored.kind, row.storedKind) << row.name;
        EXPECT_EQ(stored.data, row.stored) << row.name;
    }
    EXPECT_EQ(Reg().ReadRegistry(kUser, "software\\tolvane\\quenmark\\velmoras\\.current", "Text"),
              "abc");
    // Writing another kind over a value replaces its kind.
    Reg().WriteRegistry(kUser, path, "Dword", 1, std::string("x"));
    EXPECT_EQ(Read(key, "Dword").kind, kRegSz);
}

TEST_P(RegistrySuite, WriteRegistryRaisesTypeMismatchBeforeCreatingAnything) {
    for (const auto& [kind, value] : {std::pair<long, RegValue>{4, std::string("abc")},
                                      std::pair<long, RegValue>{3, std::string("ab")}}) {
        try {
            Reg().WriteRegistry(kUser, "Software\\Fresh", "N", kind, value);
            ADD_FAILURE() << "no error raised for kind " << kind;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), 13);
            EXPECT_EQ(error.Description(), "Type mismatch");
        }
    }
    EXPECT_FALSE(KeyExists(kUser, "Software\\Fresh"));
}

TEST_P(RegistrySuite, ReadRegistryByteGivesBinaryDataAndASpareElementElseNothing) {
    const RegHandle main = Key(kUser, kMain);
    Set(main, "Layout", kRegBinary, {1, 2, 3, 4});
    Set(main, "Text", kRegSz, Terminated("abcd"));
    Set(main, "Number", kRegDword, {1, 0, 0, 0});
    Set(main, "NoBytes", kRegBinary, {});
    Set(main, "Big", kRegBinary, ByteList(5000, 0x5A));
    ByteList bytes = Reg().ReadRegistryByte(kUser, kMain, "layout");
    EXPECT_EQ(bytes, (ByteList{1, 2, 3, 4, 0}));
    // Changed in place and written back, the value keeps its length.
    bytes[2] += 8;
    Reg().WriteRegistry(kUser, kMain, "Layout", 3, bytes);
    EXPECT_EQ(Read(main, "Layout").data, (ByteList{1, 2, 11, 4}));

    EXPECT_EQ(Reg().ReadRegistryByte(kUser, kMain, "Big").size(), 5001u);
    for (const char* name : {"Text", "Number", "NoBytes", "Missing"}) {
        EXPECT_TRUE(Reg().ReadRegistryByte(kUser, kMain, name).empty()) << name;
    }
    EXPECT_TRUE(Reg().ReadRegistryByte(kUser, "Software\\Nowhere", "x").empty());
}

TEST_P(RegistrySuite, SubkeysComeInLowerCaseCodePointOrderAndEndWithNotFound) {
    const std::string root = "Software\\Tolvane\\Quenmark\\Velmoras";
    // Accented letters of the ANSI code page have case and sort by their code point; a subkey
    // named like the end mark is listed like any other.
    for (const char* name :
         {"Ocean", "a_b", "aB", "A[", "Zed", "b", "ZED", "Not Found", "\311t\351", "\200uro",
          "\351te", "Ete", "\351T\311", "\377", "\237a", "\232b"}) {
        Key(kMachine, root + "\\" + name);
    }
    EXPECT_EQ(Reg().GetAllKeys(kMachine, root),
              (Names{"A[", "a_b", "aB", "b", "Ete", "Not Found", "Ocean", "Zed", "\351te",
                     "\311t\351", "\377", "\237a", "\232b", "\200uro", kNotFound}));
    EXPECT_EQ(Reg().ReadRegistryGetSubkey(kMachine, root, 4), "Ete");
    EXPECT_EQ(Reg().ReadRegistryGetSubkey(kMachine, root, 14), kNotFound);
    EXPECT_EQ(Reg().ReadRegistryGetSubkey(kMachine, root, -1), kNotFound);
    EXPECT_EQ(Reg().ReadRegistryGetSubkey(kMachine, "Software\\Nowhere", 0), kNotFound);
    EXPECT_EQ(Reg().GetAllKeys(kMachine, root + "\\Ocean"), Names{kNotFound});
    EXPECT_EQ(Reg().GetAllKeys(kMachine, "Software\\Nowhere"), Names{kNotFound});
}

TEST_P(RegistrySuite, ReadRegistryGetAllGivesKindNameAndThreeDigitNumbers) {
    Set(Key(kUser, "One"), "Count", kRegDword, {1, 0, 0, 0});
    Set(Key(kUser, "Big"), "Count", kRegDword, {0xD2, 0x04, 0, 0});
    SetText(Key(kUser, "Text"), "Title", "Ocean");
    Set(Key(kUser, "Bare"), "Title", kRegSz, Bytes("Sea"), 'X');
    EXPECT_EQ(Reg().ReadRegistryGetAll(kUser, "One", 0).data, "001");
    EXPECT_EQ(Reg().ReadRegistryGetAll(kUser, "Big", 0).data, "1234");
    const RegEnumEntry text = Reg().ReadRegistryGetAll(kUser, "Text", 0);
    EXPECT_EQ(text.kind, 1);
    EXPECT_EQ(text.name, "Title");
    EXPECT_EQ(text.data, "Ocean");
    EXPECT_EQ(Reg().ReadRegistryGetAll(kUser, "Bare", 0).data, "Sea");
    EXPECT_EQ(Reg().ReadRegistryGetAll(kUser, "Text", 1).data, kNotFound);
    EXPECT_EQ(Reg().ReadRegistryGetAll(kUser, "Nowhere", 0).data, kNotFound);
}

TEST_P(RegistrySuite, DeleteSubkeyRemovesLeavesAndDeleteValueOneValue) {
    Key(kMachine, "Store\\Ocean\\Inner");
    SetText(Key(kMachine, "Store\\Autumn"), "", "C:\\Themes\\Autumn.vlr");
    EXPECT_EQ(Reg().DeleteSubkey(kMachine, "store\\autumn"), "");
    EXPECT_FALSE(KeyExists(kMachine, "Store\\Autumn"));
    EXPECT_EQ(Reg().DeleteSubkey(kMachine, "Store\\Ocean"), "");
    EXPECT_TRUE(KeyExists(kMachine, "Store\\Ocean\\Inner"));
    EXPECT_EQ(Reg().DeleteSubkey(kMachine, "Store\\Missing"), "");
    EXPECT_EQ(Reg().DeleteSubkey(kMachine, ""), "");
    EXPECT_TRUE(KeyExists(kMachine, "Store"));

    const RegHandle main = Key(kUser, kMain);
    SetText(main, "Keep", "1");
    SetText(main, "Window Title", "Ocean");
    EXPECT_EQ(Reg().DeleteValue(kUser, kMain, "WINDOW TITLE"), "");
    EXPECT_EQ(ValueNames(kUser, kMain), Names{"Keep"});
    EXPECT_EQ(Reg().DeleteValue(kUser, kMain, "Window Title"), "");
    EXPECT_EQ(Reg().DeleteValue(kUser, "Software\\Nowhere", "Keep"), "");
}

TEST_P(RegistrySuite, GetAllValuesListsTextAndBinaryValuesAndGetValuesEveryName) {
    const std::string longText(5000, 'x'), longName(300, 'n');
    const RegHandle key = Key(kUser, "Mixed");
    SetText(key, "Title", "Ocean");
    Set(key, "Count", kRegDword, {3, 0, 0, 0});
    Set(key, "Bytes", kRegBinary, {'h', 'i'});
    Set(key, "Multi", 7, Bytes(std::string("a\0b\0\0", 5)));
    SetText(key, "", "default");
    SetText(key, longName, longText);  // long values and names are kept whole
    auto rows = Reg().GetAllValues(kUser, "Mixed");
    ASSERT_TRUE(rows.has_value());
    std::sort(rows->begin(), rows->end());
    EXPECT_EQ(*rows,
              (std::vector<std::pair<std::string, std::string>>{
                  {"", "default"}, {"Bytes", "hi"}, {"Title", "Ocean"}, {longName, longText}}));
    auto names = Reg().GetValues(kUser, "Mixed");
    ASSERT_TRUE(names.has_value());
    std::sort(names->begin(), names->end());
    EXPECT_EQ(*names, (Names{"", "Bytes", "Count", "Multi", "Title", longName}));

    // Nothing to list gives nothing.
    Set(Key(kUser, "Numbers"), "A", kRegDword, {1, 0, 0, 0});
    Key(kUser, "Empty");
    EXPECT_FALSE(Reg().GetAllValues(kUser, "Numbers").has_value());
    for (const char* path : {"Empty", "Nowhere"}) {
        EXPECT_FALSE(Reg().GetAllValues(kUser, path).has_value()) << path;
        EXPECT_FALSE(Reg().GetValues(kUser, path).has_value()) << path;
    }
}

}  // namespace velmora::test
