// What cRegistry gives its callers, on any registry backend. Include in exactly one file of a
// test program and instantiate it:
//     INSTANTIATE_TEST_SUITE_P(Memory, cRegistrySuite, ::testing::Values(MemoryBackend()));
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/RuntimeError.h"
#include "registry/cRegistry.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeProductInfo.h"
#include "tests/support/FakeShell.h"
#include "tests/support/RegistryBackend.h"

namespace velmora::test {

class cRegistrySuite : public ::testing::TestWithParam<RegistryBackendParam> {
protected:
    void SetUp() override {
        backend_ = GetParam().make();
        platform_.registry = &backend_->Api();
        platform_.dialogs = &dialogs_;
        platform_.shell = &shell_;
        platform_.product = &product_;
        reg_ = std::make_unique<cRegistry>(platform_);
    }
    void TearDown() override {
        // Nothing here is a run-time error: missing keys and values never show a message.
        EXPECT_TRUE(dialogs_.Shown().empty());
        EXPECT_TRUE(shell_.eventLog.empty());
        reg_.reset();
        backend_.reset();
    }

    RegistryApi& Api() { return *platform_.registry; }
    cRegistry& Reg() { return *reg_; }

    // Stores raw bytes through the port; `after` is the byte following the counted ones.
    void Seed(RegRoot root, const std::string& path, const std::string& name, std::uint32_t kind,
              std::vector<std::uint8_t> bytes, std::uint8_t after = 0xEE) {
        RegHandle key = 0;
        ASSERT_EQ(Api().CreateKey(root, path, &key), kErrorSuccess);
        const auto count = std::uint32_t(bytes.size());
        bytes.push_back(after);
        EXPECT_EQ(Api().SetValueEx(key, name, kind, bytes.data(), count), kErrorSuccess);
        Api().CloseKey(key);
    }
    void SeedText(RegRoot root, const std::string& path, const std::string& name,
                  const std::string& text) {
        std::vector<std::uint8_t> bytes(text.begin(), text.end());
        bytes.push_back(0);
        Seed(root, path, name, kRegSz, bytes);
    }
    void SeedKey(RegRoot root, const std::string& path) {
        RegHandle key = 0;
        ASSERT_EQ(Api().CreateKey(root, path, &key), kErrorSuccess);
        Api().CloseKey(key);
    }

    struct Stored {
        bool found = false;
        std::uint32_t kind = 0;
        std::vector<std::uint8_t> data;
    };
    // The value as the registry holds it.
    Stored Raw(RegRoot root, const std::string& path, const std::string& name) {
        Stored stored;
        RegHandle key = 0;
        if (Api().OpenKey(root, path, &key) != kErrorSuccess) return stored;
        std::uint32_t size = 0;
        if (Api().QueryValueEx(key, name, &stored.kind, nullptr, &size) == kErrorSuccess) {
            stored.data.resize(size);
            stored.found = Api().QueryValueEx(key, name, &stored.kind, stored.data.data(), &size) ==
                           kErrorSuccess;
        }
        Api().CloseKey(key);
        return stored;
    }
    bool KeyExists(RegRoot root, const std::string& path) {
        RegHandle key = 0;
        if (Api().OpenKey(root, path, &key) != kErrorSuccess) return false;
        Api().CloseKey(key);
        return true;
    }
    static std::vector<std::uint8_t> Bytes(const std::string& text) {
        return std::vector<std::uint8_t>(text.begin(), text.end());
    }

    static constexpr RegRoot kUser = kHkeyCurrentUser;
    static constexpr RegRoot kMachine = kHkeyLocalMachine;

    FakeDialogs dialogs_;
    FakeShell shell_;
    FakeProductInfo product_;
    Platform platform_;

private:
    std::unique_ptr<RegistryBackend> backend_;
    std::unique_ptr<cRegistry> reg_;
};

constexpr char kMain[] = "Software\\Microsoft\\Internet Explorer\\Main";

// --- ReadRegistry -----------------------------------------------------------------------------

TEST_P(cRegistrySuite, ReadRegistryGivesTextLessItsTerminatingZero) {
    SeedText(kUser, kMain, "Start Page", "abc");
    SeedText(kUser, kMain, "Blank", "");
    Seed(kUser, kMain, "NoData", kRegSz, {});
    Seed(kUser, kMain, "Expand", kRegExpandSz, Bytes(std::string("%TEMP%\\x") + '\0'));
    EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, "start page"), "abc");
    EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, "Blank"), "");
    EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, "NoData"), "");
    EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, "Expand"), "%TEMP%\\x");
}

TEST_P(cRegistrySuite, ReadRegistryKeepsTheLastCharacterOfTextStoredWithoutItsZero) {
    Seed(kUser, kMain, "Bare", kRegSz, Bytes("abc"), 'X');
    EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, "Bare"), "abc");
}

TEST_P(cRegistrySuite, ReadRegistryGivesNumbersWithEightDigitsAndBytesAsHexPairs) {
    Seed(kUser, kMain, "Zero", kRegDword, {0, 0, 0, 0});
    Seed(kUser, kMain, "One", kRegDword, {1, 0, 0, 0});
    Seed(kUser, kMain, "Some", kRegDword, {0xD2, 0x04, 0, 0});
    Seed(kUser, kMain, "Max", kRegDword, {0xFF, 0xFF, 0xFF, 0xFF});
    Seed(kUser, kMain, "Short", kRegDword, {0x01, 0x01});
    Seed(kUser, kMain, "Bin", kRegBinary, {0x0A, 0xFF, 0x01});
    Seed(kUser, kMain, "NoBytes", kRegBinary, {});
    EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, "Zero"), "00000000");
    EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, "One"), "00000001");
    EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, "Some"), "00001234");
    EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, "Max"), "4294967295");
    // A number stored short counts only its own bytes.
    EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, "Short"), "00000257");
    EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, "Bin"), "0AFF01");
    EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, "NoBytes"), "");
}

TEST_P(cRegistrySuite, ReadRegistryGivesNotFoundForMissingKeysValuesAndTooLongData) {
    EXPECT_EQ(Reg().ReadRegistry(kUser, "Software\\Nowhere", "x"), kNotFound);
    SeedKey(kUser, kMain);
    EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, "Missing"), kNotFound);
    EXPECT_EQ(Reg().ReadRegistry(kMachine, kMain, ""), kNotFound);

    SeedText(kUser, kMain, "Fits", std::string(2047, 'a'));
    SeedText(kUser, kMain, "TooLong", std::string(2048, 'a'));
    EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, "Fits"), std::string(2047, 'a'));
    EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, "TooLong"), kNotFound);

    // A stored text that reads "Not Found" cannot be told from a missing value.
    SeedText(kUser, kMain, "Literal", "not found");
    EXPECT_TRUE(IsNotFound(Reg().ReadRegistry(kUser, kMain, "Literal")));
}

// --- WriteRegistry ----------------------------------------------------------------------------

TEST_P(cRegistrySuite, WriteRegistryStoresTextWithItsZeroAndCreatesTheWholePath) {
    Reg().WriteRegistry(kUser, "Software\\Tolvane\\Quenmark\\Velmoras\\.Current", "", 1,
                        std::string("abc"));
    const Stored stored = Raw(kUser, "Software\\Tolvane\\Quenmark\\Velmoras\\.Current", "");
    EXPECT_EQ(stored.kind, kRegSz);
    EXPECT_EQ(stored.data, Bytes(std::string("abc") + '\0'));
    EXPECT_EQ(Reg().ReadRegistry(kUser, "software\\tolvane\\quenmark\\velmoras\\.current", ""),
              "abc");

    Reg().WriteRegistry(kUser, kMain, "Empty", 1, std::string());
    EXPECT_EQ(Raw(kUser, kMain, "Empty").data, std::vector<std::uint8_t>{0});
    Reg().WriteRegistry(kUser, kMain, "Number", 1, std::int64_t{42});
    EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, "Number"), "42");
}

TEST_P(cRegistrySuite, WriteRegistryOfAnyOtherKindStoresTextThatReadsBackWhole) {
    // Counted without its zero; the system finds the zero after the characters and keeps it.
    Reg().WriteRegistry(kUser, kMain, "Other", 2, std::string("abc"));
    const Stored stored = Raw(kUser, kMain, "Other");
    EXPECT_EQ(stored.kind, kRegSz);
    EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, "Other"), "abc");
    Reg().WriteRegistry(kUser, kMain, "OtherEmpty", 0, std::string());
    EXPECT_EQ(Raw(kUser, kMain, "OtherEmpty").data, std::vector<std::uint8_t>{});
}

TEST_P(cRegistrySuite, WriteRegistryStoresNumbersAsFourBytes) {
    Reg().WriteRegistry(kUser, kMain, "N", 4, std::int64_t{1234});
    EXPECT_EQ(Raw(kUser, kMain, "N").kind, kRegDword);
    EXPECT_EQ(Raw(kUser, kMain, "N").data, (std::vector<std::uint8_t>{0xD2, 0x04, 0, 0}));
    Reg().WriteRegistry(kUser, kMain, "FromText", 4, std::string(" 1 "));
    EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, "FromText"), "00000001");
    Reg().WriteRegistry(kUser, kMain, "Negative", 4, std::int64_t{-1});
    EXPECT_EQ(Reg().ReadRegistry(kUser, kMain, "Negative"), "4294967295");
    // Writing another kind over a value replaces its kind.
    Reg().WriteRegistry(kUser, kMain, "N", 1, std::string("x"));
    EXPECT_EQ(Raw(kUser, kMain, "N").kind, kRegSz);
}

TEST_P(cRegistrySuite, WriteRegistryRaisesTypeMismatchForTextThatIsNoNumber) {
    try {
        Reg().WriteRegistry(kUser, "Software\\Fresh", "N", 4, std::string("abc"));
        FAIL() << "no error raised";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), 13);
        EXPECT_EQ(error.Description(), "Type mismatch");
    }
    // Raised before anything was created.
    EXPECT_FALSE(KeyExists(kUser, "Software\\Fresh"));
}

TEST_P(cRegistrySuite, BinaryValuesKeepTheirLengthWhenReadAndWrittenBack) {
    Reg().WriteRegistry(kUser, kMain, "Layout", 3, std::vector<std::uint8_t>{1, 2, 3, 4, 9});
    EXPECT_EQ(Raw(kUser, kMain, "Layout").kind, kRegBinary);
    EXPECT_EQ(Raw(kUser, kMain, "Layout").data, (std::vector<std::uint8_t>{1, 2, 3, 4}));

    std::vector<std::uint8_t> bytes = Reg().ReadRegistryByte(kUser, kMain, "layout");
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{1, 2, 3, 4, 0}));
    bytes[2] += 8;
    Reg().WriteRegistry(kUser, kMain, "Layout", 3, bytes);
    EXPECT_EQ(Raw(kUser, kMain, "Layout").data, (std::vector<std::uint8_t>{1, 2, 11, 4}));
}

TEST_P(cRegistrySuite, ReadRegistryByteGivesNothingUnlessTheValueIsBinaryWithData) {
    Seed(kUser, kMain, "Text", kRegSz, Bytes(std::string("abcd") + '\0'));
    Seed(kUser, kMain, "Number", kRegDword, {1, 0, 0, 0});
    Seed(kUser, kMain, "NoBytes", kRegBinary, {});
    Seed(kUser, kMain, "Big", kRegBinary, std::vector<std::uint8_t>(5000, 0x5A));
    EXPECT_TRUE(Reg().ReadRegistryByte(kUser, kMain, "Text").empty());
    EXPECT_TRUE(Reg().ReadRegistryByte(kUser, kMain, "Number").empty());
    EXPECT_TRUE(Reg().ReadRegistryByte(kUser, kMain, "NoBytes").empty());
    EXPECT_TRUE(Reg().ReadRegistryByte(kUser, kMain, "Missing").empty());
    EXPECT_TRUE(Reg().ReadRegistryByte(kUser, "Software\\Nowhere", "x").empty());
    EXPECT_EQ(Reg().ReadRegistryByte(kUser, kMain, "Big").size(), 5001u);
}

// --- Subkeys ----------------------------------------------------------------------------------

TEST_P(cRegistrySuite, SubkeysAreNamedByIndexAndEndWithNotFound) {
    const std::string root = "Software\\Tolvane\\Quenmark\\Velmoras";
    for (const char* title : {"Ocean", "autumn", "Midnight"})
        SeedKey(kMachine, root + "\\" + title);
    EXPECT_EQ(Reg().ReadRegistryGetSubkey(kMachine, root, 0), "autumn");
    EXPECT_EQ(Reg().ReadRegistryGetSubkey(kMachine, root, 2), "Ocean");
    EXPECT_EQ(Reg().ReadRegistryGetSubkey(kMachine, root, 3), kNotFound);
    EXPECT_EQ(Reg().ReadRegistryGetSubkey(kMachine, root, -1), kNotFound);
    EXPECT_EQ(Reg().ReadRegistryGetSubkey(kMachine, "Software\\Nowhere", 0), kNotFound);

    EXPECT_EQ(Reg().GetAllKeys(kMachine, root),
              (std::vector<std::string>{"autumn", "Midnight", "Ocean", kNotFound}));
    EXPECT_EQ(Reg().GetAllKeys(kMachine, root + "\\Ocean"), std::vector<std::string>{kNotFound});
    EXPECT_EQ(Reg().GetAllKeys(kMachine, "Software\\Nowhere"), std::vector<std::string>{kNotFound});
}

TEST_P(cRegistrySuite, GetAllKeysListsASubkeyThatIsNamedLikeTheEndMark) {
    SeedKey(kUser, "Odd\\Alpha");
    SeedKey(kUser, "Odd\\Not Found");
    SeedKey(kUser, "Odd\\Zulu");
    EXPECT_EQ(Reg().GetAllKeys(kUser, "Odd"),
              (std::vector<std::string>{"Alpha", "Not Found", "Zulu", kNotFound}));
}

// --- ReadRegistryGetAll -----------------------------------------------------------------------

TEST_P(cRegistrySuite, ReadRegistryGetAllGivesKindNameAndThreeDigitNumbers) {
    Seed(kUser, "One", "Count", kRegDword, {1, 0, 0, 0});
    Seed(kUser, "Big", "Count", kRegDword, {0xD2, 0x04, 0, 0});
    SeedText(kUser, "Text", "Title", "Ocean");
    Seed(kUser, "Bare", "Title", kRegSz, Bytes("Sea"), 'X');
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

// --- Deletion ---------------------------------------------------------------------------------

TEST_P(cRegistrySuite, DeleteSubkeyRemovesALeafAndLeavesKeysThatHaveSubkeys) {
    SeedKey(kMachine, "Store\\Ocean\\Inner");
    SeedText(kMachine, "Store\\Autumn", "", "C:\\Themes\\Autumn.vlr");
    EXPECT_EQ(Reg().DeleteSubkey(kMachine, "store\\autumn"), "");
    EXPECT_FALSE(KeyExists(kMachine, "Store\\Autumn"));
    EXPECT_EQ(Reg().DeleteSubkey(kMachine, "Store\\Ocean"), "");
    EXPECT_TRUE(KeyExists(kMachine, "Store\\Ocean\\Inner"));
    EXPECT_EQ(Reg().DeleteSubkey(kMachine, "Store\\Missing"), "");
    EXPECT_EQ(Reg().DeleteSubkey(kMachine, ""), "");
    EXPECT_TRUE(KeyExists(kMachine, "Store"));
}

TEST_P(cRegistrySuite, DeleteValueRemovesOneValue) {
    SeedText(kUser, kMain, "Keep", "1");
    SeedText(kUser, kMain, "Window Title", "Ocean");
    EXPECT_EQ(Reg().DeleteValue(kUser, kMain, "WINDOW TITLE"), "");
    EXPECT_FALSE(Raw(kUser, kMain, "Window Title").found);
    EXPECT_TRUE(Raw(kUser, kMain, "Keep").found);
    EXPECT_EQ(Reg().DeleteValue(kUser, kMain, "Window Title"), "");
    EXPECT_EQ(Reg().DeleteValue(kUser, "Software\\Nowhere", "Keep"), "");
}

// --- GetAllValues and GetValues ---------------------------------------------------------------

TEST_P(cRegistrySuite, GetAllValuesCollectsTextAndBinaryValuesOnly) {
    SeedText(kUser, "Mixed", "Title", "Ocean");
    Seed(kUser, "Mixed", "Count", kRegDword, {3, 0, 0, 0});
    Seed(kUser, "Mixed", "Bytes", kRegBinary, {'h', 'i'});
    SeedText(kUser, "Mixed", "", "default");
    auto rows = Reg().GetAllValues(kUser, "Mixed");
    ASSERT_TRUE(rows.has_value());
    std::sort(rows->begin(), rows->end());
    EXPECT_EQ(*rows, (std::vector<std::pair<std::string, std::string>>{
                         {"", "default"}, {"Bytes", "hi"}, {"Title", "Ocean"}}));
}

TEST_P(cRegistrySuite, GetAllValuesAndGetValuesGiveNothingForNothingToList) {
    Seed(kUser, "Numbers", "A", kRegDword, {1, 0, 0, 0});
    SeedKey(kUser, "Empty");
    EXPECT_FALSE(Reg().GetAllValues(kUser, "Numbers").has_value());
    EXPECT_FALSE(Reg().GetAllValues(kUser, "Empty").has_value());
    EXPECT_FALSE(Reg().GetAllValues(kUser, "Nowhere").has_value());
    EXPECT_FALSE(Reg().GetValues(kUser, "Empty").has_value());
    EXPECT_FALSE(Reg().GetValues(kUser, "Nowhere").has_value());
}

TEST_P(cRegistrySuite, GetValuesNamesValuesOfEveryKind) {
    Seed(kUser, "Mixed", "Count", kRegDword, {3, 0, 0, 0});
    SeedText(kUser, "Mixed", "Title", "Ocean");
    Seed(kUser, "Mixed", "Multi", 7, Bytes(std::string("a\0b\0\0", 5)));
    auto names = Reg().GetValues(kUser, "Mixed");
    ASSERT_TRUE(names.has_value());
    std::sort(names->begin(), names->end());
    EXPECT_EQ(*names, (std::vector<std::string>{"Count", "Multi", "Title"}));
}

TEST_P(cRegistrySuite, GetAllValuesKeepsLongValuesAndLongNamesWhole) {
    const std::string longText(5000, 'x');
    const std::string longName(300, 'n');
    SeedText(kUser, "Long", "Short", "s");
    SeedText(kUser, "Long", longName, longText);
    auto rows = Reg().GetAllValues(kUser, "Long");
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 2u);
    const auto& row = (*rows)[0].first == "Short" ? (*rows)[1] : (*rows)[0];
    EXPECT_TRUE(row.first == longName && row.second == longText) << row.first.size();
    auto names = Reg().GetValues(kUser, "Long");
    ASSERT_TRUE(names.has_value());
    EXPECT_EQ(names->size(), 2u);
}

}  // namespace velmora::test
