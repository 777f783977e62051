// What every implementation of the registry port must do, measured against advapi32 under
// Wine. Include in exactly one file of a test program and instantiate it with a backend:
//     INSTANTIATE_TEST_SUITE_P(Memory, RegistryApiContract, ::testing::Values(MemoryBackend()));
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/RegistryApi.h"
#include "tests/support/RegistryBackend.h"

namespace velmora::test {

class RegistryApiContract : public ::testing::TestWithParam<RegistryBackendParam> {
protected:
    void SetUp() override { backend_ = GetParam().make(); }
    void TearDown() override {
        for (RegHandle key : opened_) Api().CloseKey(key);
        backend_.reset();
    }

    RegistryApi& Api() { return backend_->Api(); }

    // Creates (or opens) a key that stays open until the end of the test.
    RegHandle Key(RegHandle root, const std::string& path) {
        RegHandle key = 0;
        EXPECT_EQ(Api().CreateKey(root, path, &key), kErrorSuccess) << path;
        opened_.push_back(key);
        return key;
    }
    RegHandle Keep(RegHandle key) {
        opened_.push_back(key);
        return key;
    }
    long Close(RegHandle key) {
        opened_.erase(std::remove(opened_.begin(), opened_.end(), key), opened_.end());
        return Api().CloseKey(key);
    }

    // Stores bytes; `after` is the byte that follows the counted ones in the buffer.
    long Set(RegHandle key, const std::string& name, std::uint32_t kind,
             const std::vector<std::uint8_t>& bytes, std::uint8_t after = 0xEE) {
        std::vector<std::uint8_t> buffer(bytes);
        buffer.push_back(after);
        return Api().SetValueEx(key, name, kind, buffer.data(), std::uint32_t(bytes.size()));
    }
    static std::vector<std::uint8_t> Bytes(const std::string& text) {
        return std::vector<std::uint8_t>(text.begin(), text.end());
    }
    static std::vector<std::uint8_t> Terminated(const std::string& text) {
        std::vector<std::uint8_t> bytes = Bytes(text);
        bytes.push_back(0);
        return bytes;
    }

    struct Stored {
        long rc = -1;
        std::uint32_t kind = 0;
        std::vector<std::uint8_t> data;
    };
    // The value as stored: its kind and exactly its bytes.
    Stored Read(RegHandle key, const std::string& name) {
        Stored stored;
        std::uint32_t size = 0;
        stored.rc = Api().QueryValueEx(key, name, &stored.kind, nullptr, &size);
        if (stored.rc != kErrorSuccess) return stored;
        std::vector<std::uint8_t> buffer(std::size_t(size) + 8, 0xCC);
        std::uint32_t room = size;
        stored.rc = Api().QueryValueEx(key, name, &stored.kind, buffer.data(), &room);
        buffer.resize(room);
        stored.data = buffer;
        return stored;
    }

    std::vector<std::string> Subkeys(RegHandle key) {
        std::vector<std::string> names;
        char name[300];
        for (std::uint32_t i = 0; Api().EnumKey(key, i, name, sizeof name) == kErrorSuccess; ++i) {
            names.push_back(name);
        }
        return names;
    }

    std::vector<std::string> ValueNames(RegHandle key) {
        std::vector<std::string> names;
        char name[300];
        std::uint32_t length = sizeof name;
        for (std::uint32_t i = 0;
             Api().EnumValue(key, i, name, &length, nullptr, nullptr, nullptr) == kErrorSuccess;
             ++i, length = sizeof name) {
            names.push_back(name);
        }
        std::sort(names.begin(), names.end());  // value order differs between systems
        return names;
    }

private:
    std::unique_ptr<RegistryBackend> backend_;
    std::vector<RegHandle> opened_;
};

// --- Keys and paths ---------------------------------------------------------------------------

TEST_P(RegistryApiContract, CreateMakesEveryMissingKeyAndOpenFindsThemInAnyCase) {
    Key(kHkeyCurrentUser, "Software\\Tolvane\\Quenmark");
    RegHandle opened = 0;
    ASSERT_EQ(Api().OpenKey(kHkeyCurrentUser, "SOFTWARE\\tolvane", &opened), kErrorSuccess);
    Keep(opened);
    EXPECT_EQ(Subkeys(opened), std::vector<std::string>{"Quenmark"});

    // Creating an existing key in another case opens it and keeps the first spelling.
    Key(kHkeyCurrentUser, "software\\TOLVANE\\QUENMARK");
    EXPECT_EQ(Subkeys(opened), std::vector<std::string>{"Quenmark"});

    // Doubled and trailing backslashes are ignored, a leading one is refused.
    RegHandle again = 0;
    EXPECT_EQ(Api().OpenKey(kHkeyCurrentUser, "Software\\\\Tolvane\\", &again), kErrorSuccess);
    Keep(again);
    RegHandle refused = 0;
    EXPECT_EQ(Api().OpenKey(kHkeyCurrentUser, "\\Software", &refused), kErrorBadPathname);
    EXPECT_EQ(Api().CreateKey(kHkeyCurrentUser, "\\Lead", &refused), kErrorBadPathname);
}

TEST_P(RegistryApiContract, OpeningAMissingKeyFailsWithANullHandle) {
    RegHandle key = 1234;
    EXPECT_EQ(Api().OpenKey(kHkeyCurrentUser, "Software\\Nowhere", &key), kErrorFileNotFound);
    EXPECT_EQ(key, 0u);
    key = 1234;
    EXPECT_EQ(Api().OpenKeyEx(kHkeyLocalMachine, "Nowhere", kKeyRead, &key), kErrorFileNotFound);
    EXPECT_EQ(key, 0u);
    // The two roots are separate trees.
    Key(kHkeyCurrentUser, "OnlyHere");
    EXPECT_EQ(Api().OpenKey(kHkeyLocalMachine, "OnlyHere", &key), kErrorFileNotFound);
}

TEST_P(RegistryApiContract, AnEmptyPathGivesTheSameHandleExceptForNewOpensOfOpenedKeys) {
    RegHandle key = 0;
    ASSERT_EQ(Api().OpenKey(kHkeyCurrentUser, "", &key), kErrorSuccess);
    EXPECT_EQ(key, RegHandle(kHkeyCurrentUser));
    ASSERT_EQ(Api().OpenKeyEx(kHkeyLocalMachine, "", kKeyAllAccess, &key), kErrorSuccess);
    EXPECT_EQ(key, RegHandle(kHkeyLocalMachine));
    EXPECT_EQ(Api().CloseKey(kHkeyLocalMachine), kErrorSuccess);  // closing a root is harmless

    const RegHandle parent = Key(kHkeyCurrentUser, "Parent");
    ASSERT_EQ(Api().OpenKey(parent, "", &key), kErrorSuccess);
    EXPECT_EQ(key, parent);
    ASSERT_EQ(Api().OpenKeyEx(parent, "", kKeyRead, &key), kErrorSuccess);
    EXPECT_NE(Keep(key), parent);
    ASSERT_EQ(Api().CreateKey(parent, "", &key), kErrorSuccess);
    EXPECT_NE(Keep(key), parent);
}

TEST_P(RegistryApiContract, HandlesAreClosedOnceAndNullOrClosedHandlesAreInvalid) {
    RegHandle key = 0;
    ASSERT_EQ(Api().CreateKey(kHkeyCurrentUser, "K", &key), kErrorSuccess);
    EXPECT_EQ(Api().CloseKey(key), kErrorSuccess);
    EXPECT_EQ(Api().CloseKey(key), kErrorInvalidHandle);
    EXPECT_EQ(Api().CloseKey(0), kErrorInvalidHandle);

    std::uint32_t size = 0;
    EXPECT_EQ(Api().QueryValueEx(0, "x", nullptr, nullptr, &size), kErrorInvalidHandle);
    char name[8];
    EXPECT_EQ(Api().EnumKey(0, 0, name, sizeof name), kErrorInvalidHandle);
    RegHandle untouched = 77;
    EXPECT_EQ(Api().OpenKey(0, "K", &untouched), kErrorInvalidHandle);
    EXPECT_EQ(untouched, 77u);
}

// --- Values -----------------------------------------------------------------------------------

TEST_P(RegistryApiContract, ValuesKeepKindAndBytesAndTheirNamesIgnoreCase) {
    const RegHandle key = Key(kHkeyCurrentUser, "Values");
    ASSERT_EQ(Set(key, "MixedCase", kRegDword, {1, 0, 0, 0}), kErrorSuccess);
    ASSERT_EQ(Set(key, "MIXEDCASE", kRegBinary, {0x0A, 0xFF, 0x01}), kErrorSuccess);
    ASSERT_EQ(Set(key, "", kRegSz, Terminated("default")), kErrorSuccess);

    const Stored replaced = Read(key, "mixedcase");
    EXPECT_EQ(replaced.kind, kRegBinary);
    EXPECT_EQ(replaced.data, (std::vector<std::uint8_t>{0x0A, 0xFF, 0x01}));
    EXPECT_EQ(Read(key, "").data, Terminated("default"));
    EXPECT_EQ(ValueNames(key), (std::vector<std::string>{"", "MixedCase"}));
    EXPECT_EQ(Read(key, "missing").rc, kErrorFileNotFound);
}

TEST_P(RegistryApiContract, QueryGivesTheSizeAndAsksForMoreRoomWithoutTouchingTheBuffer) {
    const RegHandle key = Key(kHkeyCurrentUser, "Sizes");
    Set(key, "abc", kRegSz, Terminated("abc"));
    Set(key, "empty", kRegSz, {});
    std::uint32_t kind = 0;
    std::uint32_t size = 0;

    EXPECT_EQ(Api().QueryValueEx(key, "abc", &kind, nullptr, &size), kErrorSuccess);
    EXPECT_EQ(size, 4u);
    std::uint8_t buffer[8];
    std::memset(buffer, '#', sizeof buffer);
    size = 3;
    EXPECT_EQ(Api().QueryValueEx(key, "abc", &kind, buffer, &size), kErrorMoreData);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(kind, kRegSz);
    EXPECT_EQ(buffer[0], '#');
    size = 0;
    EXPECT_EQ(Api().QueryValueEx(key, "abc", &kind, buffer, &size), kErrorMoreData);
    EXPECT_EQ(size, 4u);
    // A value without data fits any buffer.
    size = 0;
    EXPECT_EQ(Api().QueryValueEx(key, "empty", &kind, buffer, &size), kErrorSuccess);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(Api().QueryValueEx(key, "abc", &kind, buffer, nullptr), kErrorInvalidParameter);
}

TEST_P(RegistryApiContract, TextStoredWithoutItsZeroIsCompletedWhenTheBufferHoldsOne) {
    const RegHandle key = Key(kHkeyCurrentUser, "Texts");
    Set(key, "zeroAfter", kRegSz, Bytes("abc"), 0);
    Set(key, "letterAfter", kRegSz, Bytes("abc"), 'X');
    Set(key, "expand", kRegExpandSz, Bytes("%x%"), 0);
    Set(key, "binary", kRegBinary, Bytes("abc"), 0);
    EXPECT_EQ(Read(key, "zeroAfter").data, Terminated("abc"));
    EXPECT_EQ(Read(key, "letterAfter").data, Bytes("abc"));
    EXPECT_EQ(Read(key, "expand").data, Terminated("%x%"));
    EXPECT_EQ(Read(key, "binary").data, Bytes("abc"));

    // Reading the unterminated text appends a zero when there is room, never beyond it.
    std::uint8_t buffer[8];
    std::memset(buffer, '#', sizeof buffer);
    std::uint32_t size = sizeof buffer;
    ASSERT_EQ(Api().QueryValueEx(key, "letterAfter", nullptr, buffer, &size), kErrorSuccess);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(buffer[3], 0);
    std::memset(buffer, '#', sizeof buffer);
    size = 3;
    ASSERT_EQ(Api().QueryValueEx(key, "letterAfter", nullptr, buffer, &size), kErrorSuccess);
    EXPECT_EQ(buffer[3], '#');
}

// --- Enumeration ------------------------------------------------------------------------------

TEST_P(RegistryApiContract, SubkeysComeAlphabeticallyWithoutRegardToCase) {
    const RegHandle key = Key(kHkeyCurrentUser, "Order");
    for (const char* name : {"a_b", "aB", "A[", "Zed", "alpha", "b", "B2", "a", "ZED"}) {
        RegHandle child = 0;
        ASSERT_EQ(Api().CreateKey(key, name, &child), kErrorSuccess);
        Api().CloseKey(child);
    }
    EXPECT_EQ(Subkeys(key),
              (std::vector<std::string>{"a", "A[", "a_b", "aB", "alpha", "b", "B2", "Zed"}));
}

TEST_P(RegistryApiContract, AccentedLettersOfTheAnsiCodePageHaveCaseAndSortByCodePoint) {
    const RegHandle key = Key(kHkeyCurrentUser, "Accents");
    for (const char* name : {"\xC9t\xE9", "zz", "\x80uro", "\xE9te", "Ete", "\xE9T\xC9", "\xFF",
                             "\x9F"
                             "a",
                             "\x9A"
                             "b"}) {
        RegHandle child = 0;
        ASSERT_EQ(Api().CreateKey(key, name, &child), kErrorSuccess);
        Api().CloseKey(child);
    }
    EXPECT_EQ(Subkeys(key), (std::vector<std::string>{"Ete", "zz", "\xE9te", "\xC9t\xE9", "\xFF",
                                                      "\x9F"
                                                      "a",
                                                      "\x9A"
                                                      "b",
                                                      "\x80uro"}));
}

TEST_P(RegistryApiContract, EnumKeyNeedsRoomForTheZeroAndEndsWithNoMoreItems) {
    const RegHandle key = Key(kHkeyCurrentUser, "E");
    Key(key, "alpha");
    char name[8];
    std::memset(name, '#', sizeof name);
    EXPECT_EQ(Api().EnumKey(key, 0, name, 5), kErrorMoreData);
    EXPECT_EQ(name[0], '#');
    ASSERT_EQ(Api().EnumKey(key, 0, name, 6), kErrorSuccess);
    EXPECT_STREQ(name, "alpha");
    EXPECT_EQ(Api().EnumKey(key, 1, name, sizeof name), kErrorNoMoreItems);
}

TEST_P(RegistryApiContract, EnumValueGivesEveryValueOnceWithNameKindAndData) {
    const RegHandle key = Key(kHkeyCurrentUser, "V");
    Set(key, "t", kRegSz, Terminated("xyz"));
    Set(key, "d", kRegDword, {7, 0, 0, 0});
    Set(key, "", kRegBinary, {1, 2});
    std::vector<std::string> seen;
    for (std::uint32_t i = 0;; ++i) {
        char name[16];
        std::uint8_t data[16];
        std::uint32_t nameLength = sizeof name, size = sizeof data, kind = 0;
        const long rc = Api().EnumValue(key, i, name, &nameLength, &kind, data, &size);
        if (rc == kErrorNoMoreItems) break;
        ASSERT_EQ(rc, kErrorSuccess);
        ASSERT_EQ(nameLength, std::strlen(name));
        const Stored stored = Read(key, name);
        EXPECT_EQ(kind, stored.kind);
        EXPECT_EQ(std::vector<std::uint8_t>(data, data + size), stored.data);
        seen.push_back(name);
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen, (std::vector<std::string>{"", "d", "t"}));
}

TEST_P(RegistryApiContract, EnumValueReportsShortBuffersDataFirst) {
    const RegHandle key = Key(kHkeyCurrentUser, "Short");
    Set(key, "longername", kRegSz, Terminated("xyz"));
    char name[16];
    std::uint8_t data[16];

    // Data too short: its kind and size are given, the name is not touched.
    std::memset(name, '#', sizeof name);
    std::memset(data, '#', sizeof data);
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

TEST_P(RegistryApiContract, QueryInfoKeyCountsAndMeasuresTextAtTwoBytesACharacter) {
    const RegHandle key = Key(kHkeyCurrentUser, "Info");
    RegKeyInfo info;
    ASSERT_EQ(Api().QueryInfoKey(key, &info), kErrorSuccess);
    EXPECT_EQ(info.subKeys + info.values + info.maxValueLen + info.maxValueNameLen, 0u);

    Key(key, "child");
    Set(key, "", kRegSz, Terminated("hello"));
    Set(key, "longername", kRegBinary, {1, 2, 3});
    ASSERT_EQ(Api().QueryInfoKey(key, &info), kErrorSuccess);
    EXPECT_EQ(info.subKeys, 1u);
    EXPECT_EQ(info.maxSubKeyLen, 5u);
    EXPECT_EQ(info.values, 2u);
    EXPECT_EQ(info.maxValueNameLen, 10u);
    EXPECT_EQ(info.maxValueLen, 12u);

    // The maxima follow deletions.
    ASSERT_EQ(Api().DeleteValue(key, ""), kErrorSuccess);
    ASSERT_EQ(Api().QueryInfoKey(key, &info), kErrorSuccess);
    EXPECT_EQ(info.values, 1u);
    EXPECT_EQ(info.maxValueLen, 3u);
}

// --- Deletion ---------------------------------------------------------------------------------

TEST_P(RegistryApiContract, DeleteKeyRefusesKeysWithSubkeysAndTheRoot) {
    Key(kHkeyCurrentUser, "A\\B");
    EXPECT_EQ(Api().DeleteKey(kHkeyCurrentUser, "A"), kErrorAccessDenied);
    EXPECT_EQ(Api().DeleteKey(kHkeyCurrentUser, ""), kErrorAccessDenied);
    EXPECT_EQ(Api().DeleteKey(kHkeyCurrentUser, "a\\b"), kErrorSuccess);
    EXPECT_EQ(Api().DeleteKey(kHkeyCurrentUser, "a\\b"), kErrorFileNotFound);
    EXPECT_EQ(Api().DeleteKey(kHkeyCurrentUser, "a\\nope\\x"), kErrorFileNotFound);
    EXPECT_EQ(Api().DeleteKey(kHkeyCurrentUser, "A"), kErrorSuccess);
    RegHandle gone = 0;
    EXPECT_EQ(Api().OpenKey(kHkeyCurrentUser, "A", &gone), kErrorFileNotFound);
}

TEST_P(RegistryApiContract, AKeyDeletedUnderAnOpenHandleAnswersKeyDeleted) {
    const RegHandle key = Key(kHkeyCurrentUser, "Doomed");
    Set(key, "v", kRegSz, Terminated("x"));
    ASSERT_EQ(Api().DeleteKey(kHkeyCurrentUser, "Doomed"), kErrorSuccess);
    std::uint32_t size = 0;
    EXPECT_EQ(Api().QueryValueEx(key, "v", nullptr, nullptr, &size), kErrorKeyDeleted);
    EXPECT_EQ(Set(key, "v", kRegSz, Terminated("y")), kErrorKeyDeleted);
    RegHandle child = 0;
    EXPECT_EQ(Api().CreateKey(key, "child", &child), kErrorKeyDeleted);
    EXPECT_EQ(Api().FlushKey(key), kErrorKeyDeleted);
    EXPECT_EQ(Close(key), kErrorSuccess);

    // A key can also delete itself through its own handle and an empty path.
    const RegHandle self = Key(kHkeyCurrentUser, "Self");
    EXPECT_EQ(Api().DeleteKey(self, ""), kErrorSuccess);
    EXPECT_EQ(Api().OpenKey(kHkeyCurrentUser, "Self", &child), kErrorFileNotFound);
}

TEST_P(RegistryApiContract, DeleteValueRemovesOneValueInAnyCase) {
    const RegHandle key = Key(kHkeyLocalMachine, "Del");
    Set(key, "Keep", kRegSz, Terminated("1"));
    Set(key, "Drop", kRegSz, Terminated("2"));
    EXPECT_EQ(Api().DeleteValue(key, "DROP"), kErrorSuccess);
    EXPECT_EQ(Api().DeleteValue(key, "drop"), kErrorFileNotFound);
    EXPECT_EQ(ValueNames(key), std::vector<std::string>{"Keep"});
    EXPECT_EQ(Api().FlushKey(key), kErrorSuccess);
    EXPECT_EQ(Api().FlushKey(kHkeyLocalMachine), kErrorSuccess);
}

// --- Access -----------------------------------------------------------------------------------

TEST_P(RegistryApiContract, AKeyOpenedForReadingCannotChangeValues) {
    const RegHandle writable = Key(kHkeyCurrentUser, "RO");
    Set(writable, "v", kRegSz, Terminated("x"));
    RegHandle key = 0;
    ASSERT_EQ(Api().OpenKeyEx(kHkeyCurrentUser, "RO", kKeyRead, &key), kErrorSuccess);
    Keep(key);
    EXPECT_EQ(Read(key, "v").data, Terminated("x"));
    EXPECT_EQ(Subkeys(key), std::vector<std::string>{});
    EXPECT_EQ(Set(key, "v", kRegSz, Terminated("y")), kErrorAccessDenied);
    EXPECT_EQ(Api().DeleteValue(key, "v"), kErrorAccessDenied);

    RegHandle valuesOnly = 0;
    ASSERT_EQ(Api().OpenKeyEx(kHkeyCurrentUser, "RO", kKeyQueryValue, &valuesOnly), kErrorSuccess);
    Keep(valuesOnly);
    char name[8];
    EXPECT_EQ(Api().EnumKey(valuesOnly, 0, name, sizeof name), kErrorAccessDenied);
    RegHandle keysOnly = 0;
    ASSERT_EQ(Api().OpenKeyEx(kHkeyCurrentUser, "RO", kKeyEnumerateSubKeys, &keysOnly),
              kErrorSuccess);
    Keep(keysOnly);
    EXPECT_EQ(Read(keysOnly, "v").rc, kErrorAccessDenied);
}

}  // namespace velmora::test
