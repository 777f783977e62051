// What cRegistry does on any backend: the in-memory registry, and advapi32 under Wine, so the
// model cannot drift from the real thing where cRegistry would notice (names in any case,
// value kinds, data too long for a buffer, enumeration order, keys that still have subkeys).
// Include in exactly one file of a test program and instantiate it:
//     INSTANTIATE_TEST_SUITE_P(Memory, RegistrySuite, ::testing::Values(MemoryBackend()));
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

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
    void Set(RegHandle key, const std::string& name, std::uint32_t kind, ByteList bytes,
             std::uint8_t after = 0xEE) {
        const auto count = std::uint32_t(bytes.size());
        bytes.push_back(after);
        EXPECT_EQ(Api().SetValueEx(key, name, kind, bytes.data(), count), kErrorSuccess) << name;
    }
    void SetText(RegHandle key, const std::string& name, const std::string& text) {
        Set(key, name, kRegSz, Terminated(text));
    }
    static ByteList Bytes(const std::string& text) { return ByteList(text.begin(), text.end()); }
    static ByteList Terminated(const std::string& text) { return Bytes(text + '\0'); }

    struct Stored {
        std::uint32_t kind = 0;
        ByteList data;
    };
    // The value as stored: its kind and exactly its bytes.
    Stored Read(RegHandle key, const std::string& name) {
        Stored stored;
        std::uint32_t size = 0;
        EXPECT_EQ(Api().QueryValueEx(key, name, &stored.kind, nullptr, &size), kErrorSuccess);
        stored.data.assign(std::size_t(size) + 8, 0xCC);
        Api().QueryValueEx(key, name, &stored.kind, stored.data.data(), &size);
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

TEST_P(RegistrySuite, ReadRegistryGivesEachKindsTextOrNotFound) {
    const struct {
        const char* name;
        std::uint32_t kind;
        ByteList bytes;
        std::string text;
    } rows[] = {
        {"Text", kRegSz, Terminated("abc"), "abc"},
        {"NoData", kRegSz, {}, ""},
        {"Expand", kRegExpandSz, Terminated("%TEMP%\\x"), "%TEMP%\\x"},
        {"Bare", kRegSz, Bytes("abc"), "abc"},  // stored without its zero: keeps its last letter
        {"Number", kRegDword, {0xD2, 0x04, 0, 0}, "00001234"},
        {"Bin", kRegBinary, {0x0A, 0xFF, 0x01}, "0AFF01"},
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
        {"Text", kRegSz, std::string("abc"), kRegSz, Terminated("abc")},
        // Counted without the zero; the system finds it after the characters and keeps it.
        {"Other", 2, std::string("abc"), kRegSz, Terminated("abc")},
        {"OtherEmpty", 0, std::string(), kRegSz, {}},
        {"Dword", kRegDword, std::int64_t{1234}, kRegDword, {0xD2, 0x04, 0, 0}},
        // The last element of an array is the spare one ReadRegistryByte adds.
        {"Binary", kRegBinary, ByteList{1, 2, 3, 4, 9}, kRegBinary, {1, 2, 3, 4}},
    };
    const std::string path = "Software\\Tolvane\\Quenmark\\Velmoras\\.Current";
    for (const auto& row : rows) Reg().WriteRegistry(kUser, path, row.name, row.kind, row.value);
    const RegHandle key = Key(kUser, path);
    for (const auto& row : rows) {
        const Stored stored = Read(key, row.name);
        EXPECT_EQ(stored.kind, row.storedKind) << row.name;
        EXPECT_EQ(stored.data, row.stored) << row.name;
    }
    EXPECT_EQ(Reg().ReadRegistry(kUser, "software\\tolvane\\quenmark\\velmoras\\.current", "TEXT"),
              "abc");
    // Writing another kind over a value replaces its kind.
    Reg().WriteRegistry(kUser, path, "dword", kRegSz, std::string("x"));
    EXPECT_EQ(Read(key, "Dword").kind, kRegSz);
}

TEST_P(RegistrySuite, ReadRegistryByteGivesBinaryDataAndASpareElementElseNothing) {
    const RegHandle main = Key(kUser, kMain);
    Set(main, "Layout", kRegBinary, {1, 2, 3, 4});
    Set(main, "Text", kRegSz, Terminated("abcd"));
    Set(main, "Number", kRegDword, {1, 0, 0, 0});
    Set(main, "NoBytes", kRegBinary, {});
    Set(main, "Big", kRegBinary, ByteList(5000, 0x5A));
    Set(main, "One", kRegBinary, {7});
    ByteList bytes = Reg().ReadRegistryByte(kUser, kMain, "layout");
    EXPECT_EQ(bytes, (ByteList{1, 2, 3, 4, 0}));
    // Changed in place and written back, the value keeps its length.
    bytes[2] += 8;
    Reg().WriteRegistry(kUser, kMain, "Layout", kRegBinary, bytes);
    EXPECT_EQ(Read(main, "Layout").data, (ByteList{1, 2, 11, 4}));

    EXPECT_EQ(Reg().ReadRegistryByte(kUser, kMain, "Big").size(), 5001u);
    EXPECT_EQ(Reg().ReadRegistryByte(kUser, kMain, "One"), (ByteList{7, 0}));
    for (const char* name : {"Text", "Number", "NoBytes", "Missing"}) {
        EXPECT_TRUE(Reg().ReadRegistryByte(kUser, kMain, name).empty()) << name;
    }
    EXPECT_TRUE(Reg().ReadRegistryByte(kUser, "Software\\Nowhere", "x").empty());
}

TEST_P(RegistrySuite, SubkeysComeInLowerCaseCodePointOrderAndEndWithNotFound) {
    const std::string root = "Software\\Tolvane\\Quenmark\\Velmoras";
    // Accented letters of the ANSI code page have case and sort by their code point; a subkey
    // named like the end mark is listed like any other; "ZED" opens the "Zed" made before it.
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
    EXPECT_EQ(Reg().GetAllKeys(kMachine, root + "\\Ocean"), Names{kNotFound});
    EXPECT_EQ(Reg().GetAllKeys(kMachine, "Software\\Nowhere"), Names{kNotFound});
}

TEST_P(RegistrySuite, ReadRegistryGetAllGivesKindNameAndListedText) {
    SetText(Key(kUser, "Text"), "Title", "Ocean");
    Set(Key(kUser, "Number"), "Count", kRegDword, {1, 0, 0, 0});
    SetText(Key(kUser, "Long"), "Page", std::string(2048, 'p'));
    const RegEnumEntry text = Reg().ReadRegistryGetAll(kUser, "text", 0);
    EXPECT_EQ(text.kind, long(kRegSz));
    EXPECT_EQ(text.name, "Title");
    EXPECT_EQ(text.data, "Ocean");
    EXPECT_EQ(Reg().ReadRegistryGetAll(kUser, "Number", 0).data, "001");
    EXPECT_EQ(Reg().ReadRegistryGetAll(kUser, "Long", 0).data, kNotFound);
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
    EXPECT_EQ(ValueNames(kUser, "Mixed"),
              (Names{"", "Bytes", "Count", "Multi", "Title", longName}));

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
