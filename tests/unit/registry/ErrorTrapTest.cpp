// The error trap: what it shows and logs, and how it names what a trapped body throws.
#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <string>

#include "platform/ErrorTrap.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeProductInfo.h"
#include "tests/support/FakeShell.h"

namespace velmora::test {

namespace {

class ErrorTrapTest : public ::testing::Test {
protected:
    ErrorTrapTest() {
        platform_.dialogs = &dialogs_;
        platform_.shell = &shell_;
        platform_.product = &product_;
    }

    FakeDialogs dialogs_;
    FakeShell shell_;
    FakeProductInfo product_{"Kelvary"};
    Platform platform_;
};

}  // namespace

TEST_F(ErrorTrapTest, ReportShowsFourLinesInACriticalSystemModalBoxAndLogsThem) {
    ErrorTrap(platform_).Report(RuntimeError(5, "Invalid procedure call or argument"));
    const char text[] =
        "A program error has occurred...\r\nDetails:\r\nError No:\t5\r\n"
        "Description:\tInvalid procedure call or argument";
    ASSERT_EQ(dialogs_.Shown().size(), 1u);
    const MessageRequest& box = dialogs_.Shown()[0];
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.title, "Kelvary");
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_TRUE(box.systemModal);
    EXPECT_EQ(shell_.eventLog, std::vector<std::string>{text});
}

TEST_F(ErrorTrapTest, RunReportsWhatTheBodyThrowsAsARunTimeError) {
    const struct {
        std::function<void()> body;
        std::string reported;  // the last two lines; empty: nothing is reported
    } rows[] = {
        {[] {}, ""},
        {[] { throw RuntimeError(9, "Subscript out of range"); },
         "9\r\nDescription:\tSubscript out of range"},
        {[] { throw std::bad_alloc(); }, "7\r\nDescription:\tOut of memory"},
        {[] { throw std::logic_error("broken"); }, "51\r\nDescription:\tbroken"},
        {[] { throw std::logic_error(""); }, "51\r\nDescription:\tInternal error"},
        {[] { throw 42; }, "51\r\nDescription:\tInternal error"},
    };
    for (const auto& row : rows) {
        const std::size_t before = dialogs_.Shown().size();
        ErrorTrap(platform_).Run(row.body);
        if (row.reported.empty()) {
            EXPECT_EQ(dialogs_.Shown().size(), before);
            continue;
        }
        ASSERT_EQ(dialogs_.Shown().size(), before + 1) << row.reported;
        EXPECT_EQ(dialogs_.Shown().back().text,
                  "A program error has occurred...\r\nDetails:\r\nError No:\t" + row.reported);
    }
    // Without dialogs, shell or product the report still does no harm.
    EXPECT_NO_THROW(ErrorTrap(Platform{}).Run([] { throw RuntimeError(5, "x"); }));
}

}  // namespace velmora::test
