// cRegistry on any registry: the in-memory model (the unit tests) and advapi32 (the Wine tests),
// so that the model cannot drift from the real thing where cRegistry would notice: names in any
// case, data too long for a buffer, enumeration order, keys that still have subkeys, value kinds.
// Instantiate it in one file of a test program with a maker of a registry whose roots start empty.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <tuple>

#include "registry/cRegistry.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/MemoryRegistry.h"

namespace velmora::test {

using MakeRegistry = std::unique_ptr<RegistryApi> (*)();
inline std::unique_ptr<RegistryApi> MemoryBackend() { return std::make_unique<MemoryRegistry>(); }

class RegistrySuite : public ::testing::TestWithParam<MakeRegistry> {
protected:
    using Names = std::vector<std::string>;
    using Bytes = std::vector<std::uint8_t>;
    static constexpr RegRoot kUser = kHkeyCurrentUser, kMachine = kHkeyLocalMachine;

    void TearDown() override {
        for (RegHandle key : opened_) api_->CloseKey(key);
        EXPECT_TRUE(dialogs_.Shown().empty());  // a missing key or value is no run-time error
    }
    // Creates (or opens) a key that stays open until the end of the test.
    RegHandle Key(RegRoot root, const std::string& path) {
        EXPECT_EQ(api_->CreateKey(root, path, &opened_.emplace_back()), kErrorSuccess) << path;
        return opened_.back();
    }
    // Stores exactly the bytes of text (a zero only when given), with no zero after them.
    void Set(RegHandle key, const std::string& name, std::uint32_t kind, std::string text) {
        text += 'X';
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
        EXPECT_EQ(api_->SetValueEx(key, name, kind, bytes, std::uint32_t(text.size() - 1)), 0);
    }
    // The value's kind, then exactly its bytes.
    Bytes Stored(RegHandle key, const std::string& name) {
        std::uint32_t kind = 0, size = 0;
        EXPECT_EQ(api_->QueryValueEx(key, name, &kind, nullptr, &size), kErrorSuccess) << name;
        Bytes stored(std::size_t(size) + 8, 0xCC);
        api_->QueryValueEx(key, name, &kind, stored.data() + 1, &size);
        stored.resize(std::size_t(size) + 1);
        stored[0] = std::uint8_t(kind);
        return stored;
    }
    Names SortedValueNames(const std::string& path) {  // the order differs between systems
        Names names = reg_.GetValues(kUser, path).value_or(Names{});
        std::sort(names.begin(), names.end());
        return names;
    }

    std::unique_ptr<RegistryApi> api_ = GetParam()();
    FakeDialogs dialogs_;
    Platform platform_ = [this] {
        Platform platform;
        platform.registry = api_.get();
        platform.dialogs = &dialogs_;
        return platform;
    }();
    cRegistry reg_{platform_};
    std::vector<RegHandle> opened_;
};

TEST_P(RegistrySuite, ReadsGiveEachKindAsTextOrBytesInAnyCaseAndNotFoundForWhatDoesNotFit) {
    const std::string fits(2047, 'a'), big(5000, 'Z');
    const struct {
        const char* name;
        std::uint32_t kind;
        std::string stored, text;
        Bytes bytes;  // without the spare element ReadRegistryByte adds
    } rows[] = {
        {"Text", kRegSz, {"abc\0", 4}, "abc", {}},
        {"Bare", kRegSz, "abc", "abc", {}},  // stored without its zero: keeps its last letter
        {"Number", kRegDword, {"\7\0\0\0", 4}, "00000007", {}},
        {"Binary", kRegBinary, "\1\2", "0102", {1, 2}},
        {"Big", kRegBinary, big, kNotFound, Bytes(big.begin(), big.end())},
        {"Fits", kRegSz, fits + '\0', fits, {}},
        {"TooLong", kRegSz, fits + "a" + '\0', kNotFound, {}},
    };
    const std::string path = "Software\\Microsoft\\Internet Explorer\\Main";
    const RegHandle main = Key(kUser, path);
    for (const auto& row : rows) Set(main, row.name, row.kind, row.stored);
    for (const auto& row : rows) {
        EXPECT_EQ(reg_.ReadRegistry(kUser, path, row.name), row.text) << row.name;
        Bytes bytes = row.bytes;
        if (!bytes.empty()) bytes.push_back(0);
        EXPECT_EQ(reg_.ReadRegistryByte(kUser, path, row.name), bytes) << row.name;
    }
    EXPECT_EQ(reg_.ReadRegistry(kUser, "software\\MICROSOFT\\internet explorer\\main", "TEXT"),
              "abc");
    EXPECT_EQ(reg_.ReadRegistryByte(kUser, path, "BINARY"), (Bytes{1, 2, 0}));
    EXPECT_EQ(reg_.ReadRegistry(kMachine, path, "Text"), kNotFound);
    EXPECT_TRUE(reg_.ReadRegistryByte(kUser, "Software\\Nowhere", "Binary").empty());
}

TEST_P(RegistrySuite, WriteRegistryCreatesThePathAndStoresKindAndBytesOverAnyCase) {
    const struct {
        const char* name;
        long kind;
        RegValue value;
        Bytes stored;  // the kind, then the bytes
    } rows[] = {
        {"Text", kRegSz, std::string("abc"), {kRegSz, 'a', 'b', 'c', 0}},
        // Counted without the zero; the system finds it after the characters and keeps it.
        {"Other", 2, std::string("abc"), {kRegSz, 'a', 'b', 'c', 0}},
        {"Dword", kRegDword, std::int64_t{258}, {kRegDword, 2, 1, 0, 0}},
    };
    const std::string path = "Software\\Tolvane\\Quenmark\\Velmoras\\.Current";
    for (const auto& row : rows) reg_.WriteRegistry(kUser, path, row.name, row.kind, row.value);
    const RegHandle key = Key(kUser, "software\\tolvane\\quenmark\\velmoras\\.current");
    for (const auto& row : rows) EXPECT_EQ(Stored(key, row.name), row.stored) << row.name;
    // Writing over a value in another case replaces its kind and data, and adds no value.
    reg_.WriteRegistry(kUser, path, "dword", kRegSz, std::string("x"));
    EXPECT_EQ(Stored(key, "Dword"), (Bytes{kRegSz, 'x', 0}));
    EXPECT_EQ(SortedValueNames(path).size(), std::size(rows));
}

TEST_P(RegistrySuite, SubkeysComeInLowerCaseOrderAndValuesWithTheirKindsAndWhole) {
    const std::string root = "Software\\Tolvane\\Quenmark\\Velmoras";
    // "ZED" opens the "Zed" made before it; a subkey named like the end mark is listed.
    for (const char* name : {"Ocean", "a_b", "aB", "A[", "Zed", "b", "ZED", "Not Found"})
        Key(kMachine, root + "\\" + name);
    EXPECT_EQ(reg_.GetAllKeys(kMachine, root),
              (Names{"A[", "a_b", "aB", "b", "Not Found", "Ocean", "Zed", kNotFound}));
    EXPECT_EQ(reg_.ReadRegistryGetSubkey(kMachine, root, 3), "b");
    for (long index : {7L, -1L})
        EXPECT_EQ(reg_.ReadRegistryGetSubkey(kMachine, root, index), kNotFound);
    EXPECT_EQ(reg_.GetAllKeys(kMachine, "Software\\Nowhere"), Names{kNotFound});

    const std::string longText(5000, 'x'), longName(300, 'n');
    const RegHandle key = Key(kUser, "Mixed");
    Set(key, "Title", kRegSz, {"Ocean\0", 6});
    Set(key, "Count", kRegDword, {"\3\0\0\0", 4});
    Set(key, "Bytes", kRegBinary, "hi");
    Set(key, "", kRegSz, {"default", 8});
    Set(key, longName, kRegSz, longText + '\0');  // long values and names are kept whole
    auto rows = reg_.GetAllValues(kUser, "mixed");  // text and binary values only
    ASSERT_TRUE(rows.has_value());
    std::sort(rows->begin(), rows->end());
    const std::vector<std::pair<std::string, std::string>> listed{
        {"", "default"}, {"Bytes", "hi"}, {"Title", "Ocean"}, {longName, longText}};
    EXPECT_EQ(*rows, listed);
    EXPECT_EQ(SortedValueNames("Mixed"), (Names{"", "Bytes", "Count", "Title", longName}));
    const std::string widest(2047, 'A');  // the longest name a listing by index gives whole
    Set(Key(kUser, "Numbers"), widest, kRegDword, {"\1\0\0\0", 4});
    EXPECT_FALSE(reg_.GetAllValues(kUser, "Numbers").has_value());
    EXPECT_FALSE(reg_.GetValues(kUser, "Nowhere").has_value());
    // One value by index: kind, name and its text as listed; past the end, nothing.
    const RegEnumEntry entry = reg_.ReadRegistryGetAll(kUser, "numbers", 0);
    EXPECT_EQ(std::tie(entry.kind, entry.name, entry.data),
              std::make_tuple(long(kRegDword), widest, "001"));
    Set(Key(kUser, "Long"), "Page", kRegSz, std::string(2048, 'p') + '\0');
    for (const auto& [path, index] : {std::pair<const char*, long>{"Long", 0}, {"Numbers", 1}}) {
        const RegEnumEntry none = reg_.ReadRegistryGetAll(kUser, path, index);
        EXPECT_EQ(std::tie(none.kind, none.name, none.data), std::make_tuple(0L, "", kNotFound));
    }
}

TEST_P(RegistrySuite, DeleteSubkeyRemovesOnlyAKeyWithoutSubkeysAndDeleteValueOneValueInAnyCase) {
    Key(kMachine, "Store\\Ocean\\Inner");
    Set(Key(kMachine, "Store\\Autumn"), "", kRegSz, {"x", 2});
    for (const char* path : {"store\\autumn", "Store\\Ocean", "Store\\Missing", ""})
        EXPECT_EQ(reg_.DeleteSubkey(kMachine, path), "") << path;
    EXPECT_EQ(reg_.GetAllKeys(kMachine, "Store"), (Names{"Ocean", kNotFound}));
    EXPECT_EQ(reg_.GetAllKeys(kMachine, "Store\\Ocean"), (Names{"Inner", kNotFound}));

    const RegHandle key = Key(kUser, "Main");
    Set(key, "Keep", kRegSz, "");
    Set(key, "Window Title", kRegSz, "");
    for (const char* name : {"WINDOW TITLE", "Window Title"})
        EXPECT_EQ(reg_.DeleteValue(kUser, "Main", name), "") << name;
    EXPECT_EQ(SortedValueNames("Main"), Names{"Keep"});
}

}  // namespace velmora::test
