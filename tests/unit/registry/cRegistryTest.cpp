// cRegistry on the in-memory registry: the shared suite, then what only an injected fault
// shows: which operations trap errors, and that an error ends a list without losing keys.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

#include "platform/RuntimeErrors.h"
#include "tests/support/RegistrySuite.h"

namespace velmora::test {

INSTANTIATE_TEST_SUITE_P(Memory, RegistrySuite, ::testing::Values(&MemoryBackend),
                         [](const auto&) { return "Memory"; });

namespace {

using Names = std::vector<std::string>;
using Bytes = std::vector<std::uint8_t>;
constexpr RegRoot kUser = kHkeyCurrentUser;

class cRegistryFaultTest : public ::testing::Test {
protected:
    cRegistryFaultTest() {
        platform.registry = &registry;
        platform.dialogs = &dialogs;
    }
    cRegistry Reg() { return cRegistry(platform); }
    void Write(const std::string& path, const std::string& name, const RegValue& value,
               long kind = kRegSz) {
        Reg().WriteRegistry(kUser, path, name, kind, value);
    }
    // From now on the index-th call (from 1) of the kind throws error 5; index 0: every one.
    void ThrowOn(RegCall call, int index = 0) {
        registry.InjectFault(call, [calls = 0, index]() mutable -> std::optional<long> {
            if (++calls == index || index == 0) throw RuntimeError(5, "Invalid procedure call");
            return std::nullopt;
        });
    }
    std::size_t Reports() const { return dialogs.Shown().size(); }

    MemoryRegistry registry;
    FakeDialogs dialogs;
    Platform platform;
};

}  // namespace

TEST_F(cRegistryFaultTest, EveryOperationButWriteReportsAFailedOpenOrCloseOnce) {
    // Each tells whether it gave nothing, as it does when its key does not open.
    const std::function<bool(cRegistry&)> operations[] = {
        [](cRegistry& reg) { return reg.ReadRegistry(kUser, "K\\Sub", "v").empty(); },
        [](cRegistry& reg) { return reg.ReadRegistryGetSubkey(kUser, "K", 0).empty(); },
        [](cRegistry& reg) {
            const RegEnumEntry entry = reg.ReadRegistryGetAll(kUser, "K\\Sub", 0);
            return entry.kind == 0 && (entry.name + entry.data).empty();
        },
        [](cRegistry& reg) { return reg.DeleteSubkey(kUser, "K\\Sub").empty(); },
        [](cRegistry& reg) { return reg.DeleteValue(kUser, "K\\Sub", "v").empty(); },
        [](cRegistry& reg) { return reg.GetAllKeys(kUser, "K") == Names{kNotFound}; },
        [](cRegistry& reg) { return !reg.GetAllValues(kUser, "K\\Sub").has_value(); },
        [](cRegistry& reg) { return reg.ReadRegistryByte(kUser, "K\\Sub", "v").empty(); },
        [](cRegistry& reg) { return !reg.GetValues(kUser, "K\\Sub").has_value(); },
    };
    // A failing close is reported too (a close left to the destructor would hide it).
    for (RegCall fault : {RegCall::OpenKey, RegCall::CloseKey}) {
        for (std::size_t i = 0; i < std::size(operations); ++i) {
            registry = MemoryRegistry();
            Write("K\\Sub", "v", Bytes{1, 0}, kRegBinary);
            ThrowOn(fault);
            if (fault == RegCall::OpenKey) ThrowOn(RegCall::OpenKeyEx);
            const std::size_t before = Reports();
            cRegistry reg = Reg();
            EXPECT_TRUE(operations[i](reg) || fault != RegCall::OpenKey) << i;
            ASSERT_EQ(Reports(), before + 1) << i;
            EXPECT_EQ(dialogs.Shown().back().text,
                      "A program error has occurred...\r\nDetails:\r\nError No:\t5\r\n"
                      "Description:\tInvalid procedure call")
                << i;
        }
    }
}

TEST_F(cRegistryFaultTest, AnErrorPartWayGivesNoPartialListAndValuesThatChangeWhileReadAreWhole) {
    Write("K", "a", "1");
    Write("K", "b", Bytes{1, 2, 0}, kRegBinary);
    ThrowOn(RegCall::EnumValue, 2);
    EXPECT_FALSE(Reg().GetAllValues(kUser, "K").has_value());
    ThrowOn(RegCall::QueryValueEx, 2);
    EXPECT_TRUE(Reg().ReadRegistryByte(kUser, "K", "b").empty());
    // Subkeys: the names read before the error, then the end mark; no endless loop.
    for (const char* name : {"A", "B", "C"}) Write(std::string("K\\") + name, "", "x");
    ThrowOn(RegCall::EnumKey, 3);
    EXPECT_EQ(Reg().GetAllKeys(kUser, "K"), (Names{"A", "B", kNotFound}));
    EXPECT_EQ(Reports(), 3u);
    // Failure codes end a list at once, unreported.
    registry.ClearFaults();
    registry.FailWith(RegCall::EnumKey, kErrorAccessDenied);
    EXPECT_EQ(Reg().GetAllKeys(kUser, "K"), Names{kNotFound});
    registry.FailWith(RegCall::QueryInfoKey, kErrorAccessDenied);
    EXPECT_FALSE(Reg().GetValues(kUser, "K").has_value());
    // Another program may lengthen a value between the query of the maxima and the listing.
    const std::string longName(300, 'n'), longText(3000, 't');
    Write("K", longName, longText);
    registry.FailWith(RegCall::QueryInfoKey, kErrorSuccess);  // maxima of zero
    EXPECT_EQ(Reg().GetAllValues(kUser, "K"),
              (std::vector<std::pair<std::string, std::string>>{
                  {"a", "1"}, {"b", "\1\2"}, {longName, longText}}));
    EXPECT_EQ(Reg().GetValues(kUser, "K"), (Names{"a", "b", longName}));
    // One that grows at every look ends the list, unreported, instead of being retried forever.
    registry.InjectFault(RegCall::EnumValue, [this, text = std::string()]() mutable {
        Write("K", "a", text += std::string(64, 'g'));
        return std::optional<long>();
    });
    EXPECT_FALSE(Reg().GetAllValues(kUser, "K").has_value());
    // A binary value that shrinks between the look at its size and the read gives its new bytes.
    Write("K", "b", Bytes{1, 2, 0}, kRegBinary);
    registry.InjectFault(RegCall::QueryValueEx, [this, queries = 0]() mutable {
        if (++queries == 2) Write("K", "b", Bytes{7, 0}, kRegBinary);
        return std::optional<long>();
    });
    EXPECT_EQ(Reg().ReadRegistryByte(kUser, "K", "b"), (Bytes{7, 0}));
    EXPECT_EQ(Reports(), 3u);
    EXPECT_EQ(registry.OpenHandles(), 0u);
}

TEST_F(cRegistryFaultTest, WriteRegistryRaisesToItsCallerAndAConversionBeforeTouchingAnything) {
    EXPECT_THROW(Write("K", "n", std::string("abc"), kRegDword), RuntimeError);
    EXPECT_EQ(registry.Calls(RegCall::CreateKey), 0u);
    for (RegCall call : {RegCall::SetValueEx, RegCall::CloseKey}) {
        registry.ClearFaults();
        ThrowOn(call);
        EXPECT_THROW(Write("K", "v", "x"), RuntimeError);
    }
    registry.ClearFaults();
    registry.FailWith(RegCall::CreateKey, kErrorAccessDenied);  // not reported either
    EXPECT_NO_THROW(Write("K", "v", "x"));
    EXPECT_EQ(Reports(), 0u);
    // Without a registry every operation meets error 91; only the read traps it.
    platform.registry = nullptr;
    EXPECT_THROW(Write("K", "v", "x"), RuntimeError);
    EXPECT_EQ(Reg().ReadRegistry(kUser, "K", "v"), "");
    ASSERT_EQ(Reports(), 1u);
    EXPECT_NE(dialogs.Shown()[0].text.find("Error No:\t91\r\n"), std::string::npos);
}

}  // namespace velmora::test
