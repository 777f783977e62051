// The About window: its texts and that any key or click closes it.
#include <gtest/gtest.h>

#include "editor/AboutVelmora.h"
#include "tests/support/FakeProductInfo.h"
#include "tests/support/FakeFormHost.h"

namespace velmora::test {
namespace {

TEST(AboutVelmoraTest, LoadShowsNameVersionAndTheFixedTextsOnTop) {
    FakeProductInfo product("Kelvary", "1.0.0");
    SimulatedWindowing desktop;
    FakeFormHost host(desktop);
    Platform platform;
    platform.product = &product;
    platform.windowing = &desktop;
    AboutVelmora about(platform, host);
    about.Form_Load();
    EXPECT_EQ(about.Label1.Text(), "Kelvary");
    EXPECT_EQ(about.Label2.Text(), "Version (1.0.0)");
    EXPECT_NE(about.lbl300.Text().find("2004"), std::string::npos);
    EXPECT_NE(about.lbl301.Text().find("\r\n"), std::string::npos);  // several lines
    EXPECT_EQ(about.lbl302.Text(), "Press any key to continue...");
    EXPECT_TRUE(about.WindowOnTop());
    EXPECT_TRUE(desktop.State(host.Handle()).topmost);
    EXPECT_EQ(host.closes, 0);
}

TEST(AboutVelmoraTest, AnyKeyOrClickCloses) {
    SimulatedWindowing desktop;
    FakeFormHost host(desktop);
    AboutVelmora about(Platform{}, host);
    about.Form_Load();  // without ports: the fixed texts only
    EXPECT_EQ(about.lbl302.Text(), "Press any key to continue...");
    int closes = 0;
    for (int key : {27, 13, int('A'), 0x70 /* F1 */}) {
        about.Form_KeyDown(key);
        EXPECT_EQ(host.closes, ++closes) << key;
    }
    about.Form_Click();
    EXPECT_EQ(host.closes, ++closes);
}

}  // namespace
}  // namespace velmora::test
