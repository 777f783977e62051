// The control's About box: its texts and the two links it opens.
#include <gtest/gtest.h>

#include "flintor/AboutAFlintor.h"
#include "tests/support/FakeShell.h"

namespace velmora::flintor::test {

TEST(AboutAFlintor, ShowsTheLibraryNameNoticeAndContact) {
    velmora::test::FakeShell shell;
    AboutAFlintor about(shell);
    EXPECT_EQ(about.Label1(), "AFlintor.ocx");
    EXPECT_NE(about.Label2().find("2001"), std::string::npos);
    EXPECT_EQ(about.Image2ToolTip(), "Go to our web site.");
    EXPECT_EQ(about.Label3ToolTip(), "E-mail us.");
    EXPECT_EQ(about.CmdOkCaption(), "Ok");
    EXPECT_TRUE(shell.opened.empty());
}

TEST(AboutAFlintor, LinksOpenTheWebSiteAndANewMessage) {
    velmora::test::FakeShell shell;
    AboutAFlintor about(shell);
    about.Image2_Click();
    about.Label3_Click();
    ASSERT_EQ(shell.opened.size(), 2u);
    EXPECT_EQ(shell.opened[0], "http://www.example.com/");
    EXPECT_EQ(shell.opened[1], "mailto:" + about.Label3() + "?subject=About AFlintor.ocx");
    EXPECT_FALSE(about.Unloaded());
    about.cmdOk_Click();
    EXPECT_TRUE(about.Unloaded());
}

}  // namespace velmora::flintor::test
