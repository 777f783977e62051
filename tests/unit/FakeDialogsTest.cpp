// The dialogs double answers as scripted, then with the safe default.
#include <gtest/gtest.h>

#include "tests/support/FakeDialogs.h"

namespace velmora::test {

TEST(FakeDialogs, AnswersFromTheScriptThenDeclinesQuestions) {
    FakeDialogs dialogs;
    dialogs.Script({MsgAnswer::Yes});
    MessageRequest question{"Go?", "Kelvary", MsgButtons::YesNo, MsgIcon::Question, true};
    EXPECT_EQ(dialogs.ShowMessage(question), MsgAnswer::Yes);
    EXPECT_EQ(dialogs.ShowMessage(question), MsgAnswer::No);
    EXPECT_EQ(dialogs.ShowMessage({"Done", "Kelvary", MsgButtons::Ok, MsgIcon::None, false}),
              MsgAnswer::Ok);
    ASSERT_EQ(dialogs.Shown().size(), 3u);
    EXPECT_EQ(dialogs.Shown()[0].text, "Go?");
}

}  // namespace velmora::test
