// cRegistry on the in-memory registry: the shared suite, then what only an injected fault
// shows: which operations trap errors, and that an error ends a list without losing keys.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "platform/RuntimeErrors.h"
#include "tests/support/RegistrySuite.h"
#include "tests/support/TestPlatform.h"

namespace velmora::test {

INSTANTIATE_TEST_SUITE_P(Memory, RegistrySuite, ::testing::Values(MemoryBackend()),
                         [](const auto& info) { return info.param.name; });

namespace {

class cRegistryFaultTest : public ::testing::Test, protected TestPlatform {
protected:
    void TearDown() override { EXPECT_EQ(registry.OpenHandles(), 0u); }

    cRegistry Reg() { return cRegistry(platform); }
    void Write(const std::string& path, const std::string& name, const RegValue& value,
               long kind = kRegSz) {
        Reg().WriteRegistry(kHkeyCurrentUser, path, name, kind, value);
    }
    std::string Read(const std::string& path, const std::string& name) {
        return Reg().ReadRegistry(kHkeyCurrentUser, path, name);
    }
    // Makes the index-th call (from 1) of the kind throw; the others go through.
    void ThrowOnCall(RegCall call, int index) {
        auto calls = std::make_shared<int>(0);
        registry.InjectFault(call, [calls, index]() -> std::optional<long> {
            if (++*calls == index) throw RuntimeError(5, "Invalid procedure call or argument");
            return std::nullopt;
        });
    }
};

}  // namespace

TEST_F(cRegistryFaultTest, EveryOperationButWriteReportsAnErrorAndReturnsWhatWasSetSoFar) {
    Write("K\\Sub", "v", "x");
    const RegRoot user = kHkeyCurrentUser;
    const std::function<bool(cRegistry&)> operations[] = {
        [&](cRegistry& reg) { return reg.ReadRegistry(user, "K\\Sub", "v").empty(); },
        [&](cRegistry& reg) { return reg.ReadRegistryGetSubkey(user, "K", 0).empty(); },
        [&](cRegistry& reg) {
            const RegEnumEntry entry = reg.ReadRegistryGetAll(user, "K\\Sub", 0);
            return entry.kind == 0 && (entry.name + entry.data).empty();
        },
        [&](cRegistry& reg) { return reg.DeleteSubkey(user, "K\\Sub").empty(); },
        [&](cRegistry& reg) { return reg.DeleteValue(user, "K\\Sub", "v").empty(); },
        [&](cRegistry& reg) {
            return reg.GetAllKeys(user, "K") == std::vector<std::string>{kNotFound};
        },
        [&](cRegistry& reg) { return !reg.GetAllValues(user, "K\\Sub").has_value(); },
        [&](cRegistry& reg) { return reg.ReadRegistryByte(user, "K\\Sub", "v").empty(); },
        [&](cRegistry& reg) { return !reg.GetValues(user, "K\\Sub").has_value(); },
    };
    registry.ThrowOn(RegCall::OpenKey, RuntimeError(5, "Invalid procedure call or argument"));
    registry.ThrowOn(RegCall::OpenKeyEx, RuntimeError(5, "Invalid procedure call or argument"));
    for (std::size_t i = 0; i < std::size(operations); ++i) {
        cRegistry reg = Reg();
        EXPECT_TRUE(operations[i](reg)) << i;
        ASSERT_EQ(dialogs.Shown().size(), i + 1) << i;
        EXPECT_EQ(dialogs.Shown()[i].text,
                  "A program error has occurred...\r\nDetails:\r\nError No:\t5\r\n"
                  "Description:\tInvalid procedure call or argument")
            << i;
    }
    EXPECT_EQ(shell.eventLog.size(), std::size(operations));
    EXPECT_EQ(registry.Calls(RegCall::DeleteKey) + registry.Calls(RegCall::DeleteValue), 0u);
}

TEST_F(cRegistryFaultTest, AnErrorPartWayGivesNoPartialValueListAndClosesTheKey) {
    Write("K", "a", "1");
    Write("K", "b", std::vector<std::uint8_t>{1, 2, 0}, kRegBinary);
    ThrowOnCall(RegCall::EnumValue, 2);
    EXPECT_FALSE(Reg().GetAllValues(kHkeyCurrentUser, "K").has_value());
    ThrowOnCall(RegCall::EnumValue, 2);
    EXPECT_FALSE(Reg().GetValues(kHkeyCurrentUser, "K").has_value());
    ThrowOnCall(RegCall::QueryValueEx, 2);
    EXPECT_TRUE(Reg().ReadRegistryByte(kHkeyCurrentUser, "K", "b").empty());
    EXPECT_EQ(dialogs.Shown().size(), 3u);
    // A failed information query gives nothing and reports nothing.
    registry.FailWith(RegCall::QueryInfoKey, kErrorAccessDenied);
    EXPECT_FALSE(Reg().GetAllValues(kHkeyCurrentUser, "K").has_value());
    EXPECT_FALSE(Reg().GetValues(kHkeyCurrentUser, "K").has_value());
    EXPECT_EQ(dialogs.Shown().size(), 3u);
}

TEST_F(cRegistryFaultTest, ValuesThatOutgrewTheKeysMaximaAreStillListedWhole) {
    // Another program may lengthen a value between the query of the maxima and the listing.
    const std::string longName(300, 'n'), longText(3000, 't');
    Write("K", "b", std::vector<std::uint8_t>{1, 2, 0}, kRegBinary);
    Write("K", longName, longText);
    registry.FailWith(RegCall::QueryInfoKey, kErrorSuccess);  // maxima of zero
    EXPECT_EQ(
        Reg().GetAllValues(kHkeyCurrentUser, "K"),
        (std::vector<std::pair<std::string, std::string>>{{"b", "\1\2"}, {longName, longText}}));
    EXPECT_EQ(Reg().GetValues(kHkeyCurrentUser, "K"), (std::vector<std::string>{"b", longName}));
}

TEST_F(cRegistryFaultTest, GetAllKeysOpensOncePerSubkeyAndEndsWithNotFoundAfterAnError) {
    for (const char* name : {"A", "B", "C", "D"}) Write(std::string("K\\") + name, "", "x");
    const std::size_t before = registry.Calls(RegCall::OpenKey);
    EXPECT_EQ(Reg().GetAllKeys(kHkeyCurrentUser, "K").size(), 5u);
    EXPECT_EQ(registry.Calls(RegCall::OpenKey) - before, 5u);

    // The names read before the error, then the end mark; one report, no endless loop.
    ThrowOnCall(RegCall::EnumKey, 3);
    EXPECT_EQ(Reg().GetAllKeys(kHkeyCurrentUser, "K"),
              (std::vector<std::string>{"A", "B", kNotFound}));
    EXPECT_EQ(dialogs.Shown().size(), 1u);
    // An enumeration that keeps failing ends the list at once, unreported.
    registry.FailWith(RegCall::EnumKey, kErrorAccessDenied);
    EXPECT_EQ(Reg().GetAllKeys(kHkeyCurrentUser, "K"), std::vector<std::string>{kNotFound});
    EXPECT_EQ(dialogs.Shown().size(), 1u);
}

TEST_F(cRegistryFaultTest, WriteRegistryRaisesToItsCallerBeforeTouchingTheRegistry) {
    EXPECT_THROW(Write("K", "n", std::string("abc"), kRegDword), RuntimeError);
    EXPECT_EQ(registry.Calls(RegCall::CreateKey), 0u);
    registry.ThrowOn(RegCall::SetValueEx, RuntimeError(70, "Permission denied"));
    EXPECT_THROW(Write("K", "v", "x"), RuntimeError);
    // Failure codes of the calls are not reported either.
    registry.ClearFaults();
    registry.FailWith(RegCall::CreateKey, kErrorAccessDenied);
    EXPECT_NO_THROW(Write("K", "v", "x"));
    EXPECT_TRUE(dialogs.Shown().empty());

    // Without a registry every operation meets error 91; only the read traps it.
    platform.registry = nullptr;
    try {
        Write("K", "v", "x");
        ADD_FAILURE() << "no error raised";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), kErrObjectNotSet);
    }
    EXPECT_EQ(Read("K", "v"), "");
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].text,
              "A program error has occurred...\r\nDetails:\r\nError No:\t91\r\n"
              "Description:\tObject variable or With block variable not set");
}

}  // namespace velmora::test
