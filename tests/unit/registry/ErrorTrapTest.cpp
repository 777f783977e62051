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

TEST(ErrorTrap, RunReportsWhatTheBodyThrowsInACriticalSystemModalBoxAndTheLog) {
    const struct {
        std::function<void()> body;
        std::string reported;  // the last two lines; empty: nothing is reported
    } rows[] = {
        {[] {}, ""},
        {[] { throw RuntimeError(9, "Subscript out of range"); },
         "9\r\nDescription:\tSubscript out of range"},
        {[] { throw std::bad_alloc(); }, "7\r\nDescription:\tOut of memory"},
        {[] { throw std::logic_error("broken"); }, "51\r\nDescription:\tbroken"},
        {[] { throw 42; }, "51\r\nDescription:\tInternal error"},
    };
    for (const auto& row : rows) {
        FakeDialogs dialogs;
        FakeShell shell;
        FakeProductInfo product{"Kelvary"};
        Platform platform;
        platform.dialogs = &dialogs;
        platform.shell = &shell;
        platform.product = &product;
        ErrorTrap(platform).Run(row.body);
        if (row.reported.empty()) {
            EXPECT_TRUE(dialogs.Shown().empty() && shell.eventLog.empty());
            continue;
        }
        const std::string text =
            "A program error has occurred...\r\nDetails:\r\nError No:\t" + row.reported;
        ASSERT_EQ(dialogs.Shown().size(), 1u) << row.reported;
        const MessageRequest& box = dialogs.Shown()[0];
        EXPECT_TRUE(box.text == text && box.title == "Kelvary" && box.buttons == MsgButtons::Ok &&
                    box.icon == MsgIcon::Critical && box.systemModal);
        EXPECT_EQ(shell.eventLog, std::vector<std::string>{text});
    }
    // Without dialogs, shell or product the report still does no harm.
    EXPECT_NO_THROW(ErrorTrap(Platform{}).Run([] { throw RuntimeError(5, "x"); }));
}

}  // namespace velmora::test
