// cRegistry on the in-memory registry: the shared suite, then what only an injected fault
// shows: which operations trap errors, and that an error ends a list without losing keys.
#include <gtest/gtest.h>

#include "platform/RuntimeErrors.h"
#include "tests/support/RegistrySuite.h"
#include "tests/support/TestPlatform.h"

namespace velmora::test {

INSTANTIATE_TEST_SUITE_P(Memory, RegistrySuite, ::testing::Values(&MemoryBackend),
                         [](const auto&) { return "Memory"; });

namespace {

using Names = std::vector<std::string>;
constexpr RegRoot kUser = kHkeyCurrentUser;

struct cRegistryFaultTest : ::testing::Test, TestPlatform {
    // From now on the index-th call (from 1) of the kind throws; index 0: every one.
    void ThrowOn(RegCall call, int index = 0) {
        registry.InjectFault(call, [calls = 0, index]() mutable -> std::optional<long> {
            if (++calls == index || index == 0) throw RuntimeError(5, "Invalid procedure call");
            return std::nullopt;
        });
    }
    std::size_t Reports() const { return dialogs.Shown().size(); }

    cRegistry reg{platform};
};

}  // namespace

TEST_F(cRegistryFaultTest, EveryOperationButWriteReportsAFailedOpenOrCloseOnce) {
    // Each tells whether it gave nothing, as it does when its key does not open.
    const std::function<bool()> operations[] = {
        [&] { return reg.ReadRegistry(kUser, "K\\Sub", "v").empty(); },
        [&] { return reg.ReadRegistryGetSubkey(kUser, "K", 0).empty(); },
        [&] {
            const RegEnumEntry entry = reg.ReadRegistryGetAll(kUser, "K\\Sub", 0);
            return entry.kind == 0 && (entry.name + entry.data).empty();
        },
        [&] { return reg.DeleteSubkey(kUser, "K\\Sub").empty(); },
        [&] { return reg.DeleteValue(kUser, "K\\Sub", "v").empty(); },
        [&] { return reg.GetAllKeys(kUser, "K") == Names{kNotFound}; },
        [&] { return !reg.GetAllValues(kUser, "K\\Sub").has_value(); },
        [&] { return reg.ReadRegistryByte(kUser, "K\\Sub", "v").empty(); },
        [&] { return !reg.GetValues(kUser, "K\\Sub").has_value(); },
    };
    // A failing close is reported too (a close left to the destructor would hide it).
    for (RegCall fault : {RegCall::OpenKey, RegCall::CloseKey}) {
        for (std::size_t i = 0; i < std::size(operations); ++i) {
            registry = MemoryRegistry();
            Seed("K\\Sub", "v", Bytes{1});
            ThrowOn(fault);
            if (fault == RegCall::OpenKey) ThrowOn(RegCall::OpenKeyEx);
            const std::size_t before = Reports();
            EXPECT_TRUE(operations[i]() || fault != RegCall::OpenKey) << i;
            EXPECT_EQ(Reports(), before + 1) << i;
        }
    }
}

TEST_F(cRegistryFaultTest, AnErrorPartWayGivesNoPartialListAndValuesThatChangeWhileReadAreWhole) {
    Seed("K", "a", "1");
    Seed("K", "b", Bytes{1, 2});
    ThrowOn(RegCall::EnumValue, 2);
    EXPECT_FALSE(reg.GetAllValues(kUser, "K").has_value());
    ThrowOn(RegCall::QueryValueEx, 2);
    EXPECT_TRUE(reg.ReadRegistryByte(kUser, "K", "b").empty());
    // Subkeys: the names read before the error, then the end mark; no endless loop.
    for (const char* name : {"A", "B", "C"}) Seed(std::string("K\\") + name, "", "x");
    ThrowOn(RegCall::EnumKey, 3);
    EXPECT_EQ(reg.GetAllKeys(kUser, "K"), (Names{"A", "B", kNotFound}));
    EXPECT_EQ(Reports(), 3u);
    // Failure codes end a list at once, unreported.
    registry.ClearFaults();
    registry.FailWith(RegCall::EnumKey, kErrorAccessDenied);
    EXPECT_EQ(reg.GetAllKeys(kUser, "K"), Names{kNotFound});
    registry.FailWith(RegCall::QueryInfoKey, kErrorAccessDenied);
    EXPECT_FALSE(reg.GetValues(kUser, "K").has_value());
    // Another program may lengthen a value between the query of the maxima and the listing.
    const std::string longName(300, 'n'), longText(3000, 't');
    Seed("K", longName, longText);
    registry.FailWith(RegCall::QueryInfoKey, kErrorSuccess);  // maxima of zero
    EXPECT_EQ(reg.GetAllValues(kUser, "K"),
              (std::vector<std::pair<std::string, std::string>>{
                  {"a", "1"}, {"b", "\1\2"}, {longName, longText}}));
    EXPECT_EQ(reg.GetValues(kUser, "K"), (Names{"a", "b", longName}));
    // One that grows once while it is read is read whole at the fourth look.
    registry.InjectFault(RegCall::EnumValue, [this, looks = 0]() mutable {
        if (++looks == 3) Seed("K", "a", std::string(5000, 'g'));
        return std::optional<long>();
    });
    EXPECT_EQ(reg.GetAllValues(kUser, "K")->at(0).second.size(), 5000u);
    // One that grows at every look ends the list, unreported, instead of being retried forever.
    registry.InjectFault(RegCall::EnumValue, [this, text = std::string()]() mutable {
        Seed("K", "a", text += std::string(64, 'g'));
        return std::optional<long>();
    });
    EXPECT_FALSE(reg.GetAllValues(kUser, "K").has_value());
    // A binary value that shrinks between the look at its size and the read gives its new
    // bytes; one that stops being binary gives none.
    for (const auto& [now, read] : {std::pair<RegValue, Bytes>{Bytes{7}, {7}}, {"x", {}}}) {
        Seed("K", "b", Bytes{1, 2});
        registry.InjectFault(RegCall::QueryValueEx, [&, queries = 0]() mutable {
            if (++queries == 2) Seed("K", "b", now);
            return std::optional<long>();
        });
        EXPECT_EQ(ReadBytes("K", "b"), read);
    }
    EXPECT_EQ(Reports(), 3u);
    EXPECT_EQ(registry.OpenHandles(), 0u);
}

TEST_F(cRegistryFaultTest, WriteRegistryRaisesToItsCallerAndAConversionBeforeTouchingAnything) {
    EXPECT_THROW(Seed("K", "n", std::int64_t{1} << 40), RuntimeError);
    EXPECT_EQ(registry.Calls(RegCall::CreateKey), 0u);
    for (RegCall call : {RegCall::SetValueEx, RegCall::CloseKey}) {
        registry.ClearFaults();
        ThrowOn(call);
        EXPECT_THROW(Seed("K", "v", "x"), RuntimeError);
    }
    registry.ClearFaults();
    registry.FailWith(RegCall::CreateKey, kErrorAccessDenied);  // not reported either
    EXPECT_NO_THROW(Seed("K", "v", "x"));
    EXPECT_EQ(Reports(), 0u);
    // Without a registry every operation meets error 91; only the read traps it.
    platform.registry = nullptr;
    EXPECT_THROW(Seed("K", "v", "x"), RuntimeError);
    EXPECT_EQ(cRegistry(platform).ReadRegistry(kUser, "K", "v"), "");
    ASSERT_EQ(Reports(), 1u);
    EXPECT_NE(dialogs.Shown()[0].text.find("Error No:\t91\r\n"), std::string::npos);
}

}  // namespace velmora::test
