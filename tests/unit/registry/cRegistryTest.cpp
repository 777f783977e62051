// cRegistry on the in-memory registry: the shared suite, then the error trap and conversions
// that only an injected fault or the double can show.
#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <optional>
#include <stdexcept>

#include "tests/support/MemoryRegistry.h"
#include "tests/support/RegistrySuite.h"

namespace velmora::test {

INSTANTIATE_TEST_SUITE_P(Memory, RegistrySuite, ::testing::Values(MemoryBackend()),
                         [](const auto& info) { return info.param.name; });

namespace {

class cRegistryTrapTest : public ::testing::Test {
protected:
    cRegistryTrapTest() {
        platform_.registry = &registry_;
        platform_.dialogs = &dialogs_;
        platform_.shell = &shell_;
        platform_.product = &product_;
    }
    void TearDown() override { EXPECT_EQ(registry_.OpenHandles(), 0u); }

    cRegistry Reg() { return cRegistry(platform_); }
    void Write(const std::string& path, const std::string& name, const RegValue& value,
               long kind = 1) {
        Reg().WriteRegistry(kHkeyCurrentUser, path, name, kind, value);
    }
    std::string Read(const std::string& path, const std::string& name) {
        return Reg().ReadRegistry(kHkeyCurrentUser, path, name);
    }
    static std::string Report(long number, const std::string& description) {
        return "A program error has occurred...\r\nDetails:\r\nError No:\t" +
               std::to_string(number) + "\r\nDescription:\t" + description;
    }

    MemoryRegistry registry_;
    FakeDialogs dialogs_;
    FakeShell shell_;
    FakeProductInfo product_{"Kelvary"};
    Platform platform_;
};

}  // namespace

TEST_F(cRegistryTrapTest, EveryOperationButWriteShowsAndLogsAnErrorAndReturnsWhatWasSetSoFar) {
    Write("K\\Sub", "v", "x");
    registry_.ThrowOn(RegCall::OpenKey, RuntimeError(5, "Invalid procedure call or argument"));
    registry_.ThrowOn(RegCall::OpenKeyEx, RuntimeError(5, "Invalid procedure call or argument"));
    const RegRoot user = kHkeyCurrentUser;
    EXPECT_EQ(Read("K", "v"), "");
    EXPECT_EQ(Reg().ReadRegistryGetSubkey(user, "K", 0), "");
    const RegEnumEntry entry = Reg().ReadRegistryGetAll(user, "K\\Sub", 0);
    EXPECT_EQ(entry.kind, 0);
    EXPECT_EQ(entry.name + entry.data, "");
    EXPECT_EQ(Reg().DeleteSubkey(user, "K\\Sub"), "");
    EXPECT_EQ(Reg().DeleteValue(user, "K\\Sub", "v"), "");
    EXPECT_EQ(Reg().GetAllKeys(user, "K"), std::vector<std::string>{kNotFound});
    EXPECT_FALSE(Reg().GetAllValues(user, "K\\Sub").has_value());
    EXPECT_TRUE(Reg().ReadRegistryByte(user, "K\\Sub", "v").empty());
    EXPECT_FALSE(Reg().GetValues(user, "K\\Sub").has_value());

    ASSERT_EQ(dialogs_.Shown().size(), 9u);
    EXPECT_EQ(shell_.eventLog.size(), 9u);
    for (std::size_t i = 0; i < 9; ++i) {
        const MessageRequest& box = dialogs_.Shown()[i];
        EXPECT_EQ(box.text, Report(5, "Invalid procedure call or argument"));
        EXPECT_EQ(box.title, "Kelvary");
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
        EXPECT_EQ(box.icon, MsgIcon::Critical);
        EXPECT_TRUE(box.systemModal);
        EXPECT_EQ(shell_.eventLog[i], box.text);
    }
    registry_.ClearFaults();
    EXPECT_EQ(Read("K\\Sub", "v"), "x");  // nothing was deleted
}

TEST_F(cRegistryTrapTest, AnErrorAfterTheKeyWasOpenedStillClosesIt) {
    Write("K", "v", "x");
    registry_.ThrowOn(RegCall::EnumValue, RuntimeError(9, "Subscript out of range"));
    EXPECT_FALSE(Reg().GetAllValues(kHkeyCurrentUser, "K").has_value());
    EXPECT_EQ(Reg().ReadRegistryGetAll(kHkeyCurrentUser, "K", 0).data, "");
    registry_.ThrowOn(RegCall::QueryValueEx, RuntimeError(9, "Subscript out of range"));
    EXPECT_TRUE(Reg().ReadRegistryByte(kHkeyCurrentUser, "K", "v").empty());
    EXPECT_EQ(dialogs_.Shown().size(), 3u);
    // A failed information query gives nothing, reports nothing and closes the key too.
    registry_.ClearFaults();
    registry_.FailWith(RegCall::QueryInfoKey, kErrorAccessDenied);
    EXPECT_FALSE(Reg().GetAllValues(kHkeyCurrentUser, "K").has_value());
    EXPECT_FALSE(Reg().GetValues(kHkeyCurrentUser, "K").has_value());
    EXPECT_EQ(dialogs_.Shown().size(), 3u);
}

TEST_F(cRegistryTrapTest, OtherExceptionsAreReportedAsGenericErrors) {
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[] { throw std::bad_alloc(); }, Report(7, "Out of memory")},
        {[] { throw std::logic_error("broken"); }, Report(51, "broken")},
        {[] { throw 42; }, Report(51, "Internal error")},
    };
    for (const auto& c : cases) {
        registry_.InjectFault(RegCall::OpenKey, [&c]() -> std::optional<long> {
            c.first();
            return std::nullopt;
        });
        Read("K", "v");
        ASSERT_FALSE(dialogs_.Shown().empty());
        EXPECT_EQ(dialogs_.Shown().back().text, c.second);
    }
    // Without dialogs, shell or product the report still does no harm.
    platform_.dialogs = nullptr;
    platform_.shell = nullptr;
    platform_.product = nullptr;
    EXPECT_EQ(Read("K", "v"), "");
}

TEST_F(cRegistryTrapTest, GetAllKeysOpensOncePerSubkeyAndEndsWithNotFoundAfterAnError) {
    for (const char* name : {"A", "B", "C", "D"}) Write(std::string("K\\") + name, "", "x");
    const std::size_t before = registry_.Calls(RegCall::OpenKey);
    EXPECT_EQ(Reg().GetAllKeys(kHkeyCurrentUser, "K").size(), 5u);
    EXPECT_EQ(registry_.Calls(RegCall::OpenKey) - before, 5u);

    // The names read before the error, then the end mark; one report, no endless loop.
    int calls = 0;
    registry_.InjectFault(RegCall::EnumKey, [&calls]() -> std::optional<long> {
        if (++calls == 3) throw RuntimeError(5, "Invalid procedure call or argument");
        return std::nullopt;
    });
    EXPECT_EQ(Reg().GetAllKeys(kHkeyCurrentUser, "K"),
              (std::vector<std::string>{"A", "B", kNotFound}));
    EXPECT_EQ(dialogs_.Shown().size(), 1u);
    // An enumeration that keeps failing ends the list at once, unreported.
    registry_.FailWith(RegCall::EnumKey, kErrorAccessDenied);
    EXPECT_EQ(Reg().GetAllKeys(kHkeyCurrentUser, "K"), std::vector<std::string>{kNotFound});
    EXPECT_EQ(dialogs_.Shown().size(), 1u);
}

TEST_F(cRegistryTrapTest, WriteRegistryHasNoTrapAndNoRegistryIsError91) {
    registry_.ThrowOn(RegCall::SetValueEx, RuntimeError(70, "Permission denied"));
    EXPECT_THROW(Write("K", "v", "x"), RuntimeError);
    EXPECT_TRUE(dialogs_.Shown().empty());
    // Failure codes of the calls are not reported either.
    registry_.ClearFaults();
    registry_.FailWith(RegCall::CreateKey, kErrorAccessDenied);
    EXPECT_NO_THROW(Write("K", "v", "x"));

    platform_.registry = nullptr;
    EXPECT_THROW(Write("K", "v", "x"), RuntimeError);
    EXPECT_EQ(Read("K", "v"), "");
    ASSERT_EQ(dialogs_.Shown().size(), 1u);
    EXPECT_EQ(dialogs_.Shown()[0].text,
              Report(91, "Object variable or With block variable not set"));
}

TEST_F(cRegistryTrapTest, Kind4ConvertsNumbersAndTextOrRaises) {
    const struct {
        RegValue value;
        long error;  // 0: converts to `stored`
        std::string stored;
    } cases[] = {
        {std::string("12"), 0, "00000012"},
        {std::string("\t+7 "), 0, "00000007"},
        {std::string("-2"), 0, "4294967294"},
        {std::string("&HFF"), 0, "00000255"},
        {std::string("&hffffffff"), 0, "4294967295"},
        {std::string("2.5"), 0, "00000002"},
        {std::string("3.5"), 0, "00000004"},
        {std::string("2.51"), 0, "00000003"},
        {std::string("2.4999999999999999999999"), 0, "00000002"},
        {std::string("-0.5"), 0, "00000000"},
        {std::string(".5"), 0, "00000000"},
        {std::string("&H0000000001"), 0, "00000001"},
        {std::int64_t{4294967295}, 0, "4294967295"},
        {std::int64_t{-2147483648LL}, 0, "2147483648"},
        {std::string(""), 13, ""},
        {std::string("  "), 13, ""},
        {std::string("1e3"), 13, ""},
        {std::string("."), 13, ""},
        {std::string("&H"), 13, ""},
        {std::string("&HFG"), 13, ""},
        {std::vector<std::uint8_t>{1, 2}, 13, ""},
        {std::string("4294967296"), 6, ""},
        {std::string("99999999999999999999"), 6, ""},
        {std::string("&H100000000"), 6, ""},
        {std::int64_t{-2147483649LL}, 6, ""},
    };
    for (const auto& c : cases) {
        const std::string shown = std::holds_alternative<std::string>(c.value)
                                      ? std::get<std::string>(c.value)
                                      : c.stored;
        try {
            Write("K", "n", c.value, 4);
            EXPECT_EQ(c.error, 0) << shown;
            EXPECT_EQ(Read("K", "n"), c.stored) << shown;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), c.error) << shown;
        }
    }
}

TEST(IsNotFound, ComparesWholeTextsWithoutRegardToCase) {
    EXPECT_TRUE(IsNotFound("Not Found"));
    EXPECT_TRUE(IsNotFound("NOT FOUND"));
    EXPECT_FALSE(IsNotFound("Not Found "));
    EXPECT_FALSE(IsNotFound("NotFound"));
    EXPECT_FALSE(IsNotFound(""));
}

}  // namespace velmora::test
