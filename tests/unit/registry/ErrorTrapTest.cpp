// The error trap: what it shows and logs, and how it names what a trapped body throws.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/ErrorTrap.h"
#include "tests/support/TestPlatform.h"

namespace velmora::test {

using Names = std::vector<std::string>;

TEST(ErrorTrap, RunReportsWhatTheBodyThrowsInACriticalSystemModalBoxAndTheLog) {
    const std::pair<std::function<void()>, std::string> rows[] = {  // the report's last two lines
        {[] {}, ""},
        {[] { throw RuntimeError(9, "Subscript out of range"); },
         "9\r\nDescription:\tSubscript out of range"},
        {[] { throw std::bad_alloc(); }, "7\r\nDescription:\tOut of memory"},
        {[] { throw std::logic_error("broken"); }, "51\r\nDescription:\tbroken"},
        {[] { throw 42; }, "51\r\nDescription:\tInternal error"},
    };
    for (const auto& [body, reported] : rows) {
        TestPlatform t;
        ErrorTrap(t.platform).Run(body);
        const std::string text =
            "A program error has occurred...\r\nDetails:\r\nError No:\t" + reported;
        EXPECT_EQ(t.shell.eventLog, reported.empty() ? Names{} : Names{text});
        ASSERT_EQ(t.dialogs.Shown().size(), reported.empty() ? 0u : 1u) << reported;
        if (reported.empty()) continue;
        const MessageRequest& box = t.dialogs.Shown()[0];
        EXPECT_TRUE(box.text == text && box.title == "Kelvary" && box.buttons == MsgButtons::Ok &&
                    box.icon == MsgIcon::Critical && box.systemModal);
    }
    // Without dialogs, shell or product the report still does no harm.
    EXPECT_NO_THROW(ErrorTrap(Platform{}).Run([] { throw RuntimeError(5, "x"); }));
}

}  // namespace velmora::test
