// cRegistry on any registry: the in-memory model (the unit tests) and advapi32 (the Wine tests),
// so that the model cannot drift from the real thing where cRegistry would notice: names in any
// case, data too long for a buffer, enumeration order, keys that still have subkeys, value kinds.
// Instantiate it in one file of a test program with a maker of a registry whose roots start empty:
//     INSTANTIATE_TEST_SUITE_P(Memory, RegistrySuite, ::testing::Values(&MemoryBackend));
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
#include "tests/support/MemoryRegistry.h"

namespace velmora::test {

using MakeRegistry = std::unique_ptr<RegistryApi> (*)();
inline std::unique_ptr<RegistryApi> MemoryBackend() { return std::make_unique<MemoryRegistry>(); }

class RegistrySuite : public ::testing::TestWithParam<MakeRegistry> {
protected:
    using Names = std::vector<std::string>;
    using ByteList = std::vector<std::uint8_t>;
    static constexpr RegRoot kUser = kHkeyCurrentUser, kMachine = kHkeyLocalMachine;
    static constexpr char kMain[] = "Software\\Microsoft\\Internet Explorer\\Main";

    void SetUp() override {
        api_ = GetParam()();
        platform_.registry = api_.get();
        platform_.dialogs = &dialogs_;
    }
    void TearDown() override {
        for (RegHandle key : opened_) api_->CloseKey(key);
        EXPECT_TRUE(dialogs_.Shown().empty());  // a missing key or value is no run-time error
    }

    cRegistry Reg() { return cRegistry(platform_); }
    // Creates (or opens) a key that stays open until the end of the test.
    RegHandle Key(RegRoot root, const std::string& path) {
        RegHandle key = 0;
        EXPECT_EQ(api_->CreateKey(root, path, &key), kErrorSuccess) << path;
        opened_.push_back(key);
        return key;
    }
    bool KeyExists(RegRoot root, const std::string& path) {
        RegHandle key = 0;
        if (api_->OpenKey(root, path, &key) != kErrorSuccess) return false;
        return api_->CloseKey(key) == kErrorSuccess;
    }
    // Stores exactly these bytes; the byte after them in the buffer is not a zero.
    void Set(RegHandle key, const std::string& name, std::uint32_t kind, ByteList bytes) {
        const auto count = std::uint32_t(bytes.size());
        bytes.push_back('X');
        EXPECT_EQ(api_->SetValueEx(key, name, kind, bytes.data(), count), kErrorSuccess) << name;
    }
    void SetText(RegHandle key, const std::string& name, const std::string& text) {
        Set(key, name, kRegSz, Terminated(text));
    }
    static ByteList Bytes(const std::string& text) { return ByteList(text.begin(), text.end()); }
    static ByteList Terminated(const std::string& text) { return Bytes(text + '\0'); }
    // The value as stored: its kind, then exactly its bytes.
    ByteList Stored(RegHandle key, const std::string& name) {
        std::uint32_t kind = 0, size = 0;
        EXPECT_EQ(api_->QueryValueEx(key, name, &kind, nullptr, &size), kErrorSuccess) << name;
        ByteList stored(std::size_t(size) + 8, 0xCC);
        api_->QueryValueEx(key, name, &kind, stored.data() + 1, &size);
        stored.resize(std::size_t(size) + 1);
        stored[0] = std::uint8_t(kind);
        return stored;
    }
    Names SortedValueNames(RegRoot root, const std::string& path) {
        Names names = Reg().GetValues(root, path).value_or(Names{});
        std::sort(names.begin(), names.end());  // the order of values differs between systems
        return names;
    }

private:
    std::unique_ptr<RegistryApi> api_;
    FakeDialogs dialogs_;
    Platform platform_;
    std::vector<RegHandle> opened_;
};

TEST_P(RegistrySuite, ReadRegistryGivesAValuesTextInAnyCaseOrNotFound) {
    const struct {
        const char* name;
        std::uint32_t kind;
        ByteList bytes;
        std::string text;
    } rows[] = {
        {"Text", kRegSz, Terminated("abc"), "abc"},
        {"Bare", kRegSz, Bytes("abc"), "abc"},  // stored without its zero: keeps its last letter
        {"Number", kRegDword, {7, 0, 0, 0}, "00000007"},
        {"Fits", kRegSz, Terminated(std::string(2047, 'a')), std::string(2047, 'a')},
        {"TooLong", kRegSz, Terminated(std::string(2048, 'a')), kNotFound},
    };
    const RegHandle main = Key(kUser, kMain);
    for (const auto& row : rows) Set(main, row.name, row.kind, row.bytes);
    for (const auto& row : rows) {
        EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, row.name), row.text) << row.name;
    }
    EXPECT_EQ(Reg().ReadRegistry(kUser, "software\\MICROSOFT\\internet explorer\\main", "TEXT"),
              "abc");
    EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, "Missing"), kNotFound);
    EXPECT_EQ(Reg().ReadRegistry(kMachine, kMain, "Text"), kNotFound);
    EXPECT_EQ(Reg().ReadRegistry(kUser, "Software\\Nowhere", "x"), kNotFound);
}

TEST_P(RegistrySuite, WriteRegistryCreatesThePathAndStoresKindAndBytesOverAnyCase) {
    const struct {
        const char* name;
        long kind;
        RegValue value;
        ByteList stored;  // the kind, then the bytes
    } rows[] = {
        {"Text", kRegSz, std::string("abc"), {kRegSz, 'a', 'b', 'c', 0}},
        // Counted without the zero; the system finds it after the characters and keeps it.
        {"Other", 2, std::string("abc"), {kRegSz, 'a', 'b', 'c', 0}},
        {"OtherEmpty", 0, std::string(), {kRegSz}},
        {"Dword", kRegDword, std::int64_t{258}, {kRegDword, 2, 1, 0, 0}},
        {"Binary", kRegBinary, ByteList{1, 2, 9}, {kRegBinary, 1, 2}},
    };
    const std::string path = "Software\\Tolvane\\Quenmark\\Velmoras\\.Current";
    for (const auto& row : rows) Reg().WriteRegistry(kUser, path, row.name, row.kind, row.value);
    const RegHandle key = Key(kUser, "software\\tolvane\\quenmark\\velmoras\\.current");
    for (const auto& row : rows) EXPECT_EQ(Stored(key, row.name), row.stored) << row.name;
    // Writing over a value in another case replaces its kind and data, and adds no value.
    Reg().WriteRegistry(kUser, path, "dword", kRegSz, std::string("x"));
    EXPECT_EQ(Stored(key, "Dword"), (ByteList{kRegSz, 'x', 0}));
    EXPECT_EQ(SortedValueNames(kUser, path).size(), std::size(rows));
}

TEST_P(RegistrySuite, ReadRegistryByteGivesBinaryDataAndASpareElementElseNothing) {
    ByteList big(5000, 0x5A), bigRead = big;
    bigRead.push_back(0);
    const struct {
        const char* name;
        std::uint32_t kind;
        ByteList stored, read;
    } rows[] = {
        {"Layout", kRegBinary, {1, 2, 3, 4}, {1, 2, 3, 4, 0}},
        {"One", kRegBinary, {7}, {7, 0}},
        {"Big", kRegBinary, big, bigRead},
        {"NoBytes", kRegBinary, {}, {}},
        {"Text", kRegSz, Terminated("abcd"), {}},
        {"Number", kRegDword, {1, 0, 0, 0}, {}},
    };
    const RegHandle main = Key(kUser, kMain);
    for (const auto& row : rows) Set(main, row.name, row.kind, row.stored);
    for (const auto& row : rows) {
        EXPECT_EQ(Reg().ReadRegistryByte(kUser, kMain, row.name), row.read) << row.name;
    }
    EXPECT_EQ(Reg().ReadRegistryByte(kUser, kMain, "LAYOUT").size(), 5u);
    EXPECT_TRUE(Reg().ReadRegistryByte(kUser, kMain, "Missing").empty());
    EXPECT_TRUE(Reg().ReadRegistryByte(kUser, "Software\\Nowhere", "x").empty());
}

TEST_P(RegistrySuite, SubkeysComeInLowerCaseOrderAndEndWithNotFound) {
    const std::string root = "Software\\Tolvane\\Quenmark\\Velmoras";
    // "ZED" opens the "Zed" made before it; a subkey named like the end mark is listed.
    for (const char* name : {"Ocean", "a_b", "aB", "A[", "Zed", "b", "ZED", "Not Found"}) {
        Key(kMachine, root + "\\" + name);
    }
    EXPECT_EQ(Reg().GetAllKeys(kMachine, root),
              (Names{"A[", "a_b", "aB", "b", "Not Found", "Ocean", "Zed", kNotFound}));
    EXPECT_EQ(Reg().ReadRegistryGetSubkey(kMachine, root, 3), "b");
    EXPECT_EQ(Reg().ReadRegistryGetSubkey(kMachine, root, 7), kNotFound);
    EXPECT_EQ(Reg().ReadRegistryGetSubkey(kMachine, root, -1), kNotFound);
    EXPECT_EQ(Reg().GetAllKeys(kMachine, root + "\\Ocean"), Names{kNotFound});
    EXPECT_EQ(Reg().GetAllKeys(kMachine, "Software\\Nowhere"), Names{kNotFound});
}

TEST_P(RegistrySuite, ReadRegistryGetAllGivesKindNameAndTextOfTheValueAtAnIndex) {
    SetText(Key(kUser, "Text"), "Title", "Ocean");
    SetText(Key(kUser, "Long"), "Page", std::string(2048, 'p'));
    const RegEnumEntry text = Reg().ReadRegistryGetAll(kUser, "text", 0);
    EXPECT_EQ(text.kind, long(kRegSz));
    EXPECT_EQ(text.name, "Title");
    EXPECT_EQ(text.data, "Ocean");
    for (const auto& [path, index] : {std::pair<const char*, long>{"Long", 0}, {"Text", 1},
                                      {"Text", -1}, {"Nowhere", 0}}) {
        EXPECT_EQ(Reg().ReadRegistryGetAll(kUser, path, index).data, kNotFound) << path << index;
    }
}

TEST_P(RegistrySuite, DeleteSubkeyRemovesOnlyAKeyWithoutSubkeysAndDeleteValueOneValue) {
    Key(kMachine, "Store\\Ocean\\Inner");
    SetText(Key(kMachine, "Store\\Autumn"), "", "C:\\Themes\\Autumn.vlr");
    for (const char* path : {"store\\autumn", "Store\\Ocean", "Store\\Missing", ""}) {
        EXPECT_EQ(Reg().DeleteSubkey(kMachine, path), "") << path;
    }
    EXPECT_FALSE(KeyExists(kMachine, "Store\\Autumn"));
    EXPECT_TRUE(KeyExists(kMachine, "Store\\Ocean\\Inner"));

    const RegHandle main = Key(kUser, kMain);
    SetText(main, "Keep", "1");
    SetText(main, "Window Title", "Ocean");
    EXPECT_EQ(Reg().DeleteValue(kUser, kMain, "WINDOW TITLE"), "");
    EXPECT_EQ(Reg().DeleteValue(kUser, kMain, "Window Title"), "");
    EXPECT_EQ(Reg().DeleteValue(kUser, "Software\\Nowhere", "Keep"), "");
    EXPECT_EQ(SortedValueNames(kUser, kMain), Names{"Keep"});
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
    EXPECT_EQ(SortedValueNames(kUser, "Mixed"),
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
