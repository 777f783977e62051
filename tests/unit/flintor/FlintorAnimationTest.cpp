// Frame stepping: the order cells are shown in, FrameChange, and what Play, Pause, Interval
// and each kind of picture assignment do to the timer and the surface; Click and the About box.
#include <gtest/gtest.h>

#include "flintor/AboutAFlintor.h"
#include "tests/support/FakeShell.h"
#include "tests/unit/flintor/FlintorFakes.h"

namespace velmora::flintor::test {

// In a FrameChange handler CurrentFrame is already the cell the next tick shows.
TEST(FlintorAnimation, ShowsCellsInOrderAndRaisesFrameChangeOncePerTickWithTheNextCell) {
    const struct {
        int width, height;
        Cells shown;
    } rows[] = {
        {66, 22, {"0,0", "22,0", "44,0", "0,0", "22,0", "44,0", "0,0", "22,0"}},
        {22, 66, {"0,0", "0,22", "0,44", "0,0", "0,22"}},
        // One cell shows itself again, and leaves Interval alone: a single-cell strip once
        // wrote 0 there, which reached the timer with the next strip and stopped it.
        {38, 38, {"0,0", "0,0", "0,0"}},
    };
    for (const auto& row : rows) {
        FlintorRig rig;
        rig.control->SetInterval(80);
        rig.control->SetAniPicture(MakePicture(row.width, row.height));
        EXPECT_EQ(rig.log, (Cells{"clear", "paint 0,0"}));  // the first cell shows at once
        Cells painted, next;
        rig.onFrameChange = [&] {
            painted.push_back(rig.log.back().substr(6));
            next.push_back(rig.Where(rig.control->CurrentFrame().cell));
        };
        const int ticks = static_cast<int>(row.shown.size()) - 1;
        for (int i = 0; i < ticks; ++i) rig.control->TimerTick();
        EXPECT_EQ(painted, Cells(row.shown.begin(), row.shown.end() - 1)) << row.width;
        EXPECT_EQ(next, Cells(row.shown.begin() + 1, row.shown.end())) << row.width;
        EXPECT_EQ(rig.control->CurrentFrame().strip, rig.control->AniPicture());
        rig.control->SetAniPicture(MakePicture(44, 22));
        EXPECT_EQ(rig.interval, 80) << row.width;
    }
}

TEST(FlintorAnimation,
     PlayPauseIntervalAndEachKindOfPictureDriveTheTimerAndTheSurfaceAndClicksAreRaised) {
    FlintorRig rig;
    Flintor& c = *rig.control;
    const PicturePtr strip = MakePicture(88, 22);
    const PicturePtr uncuttable = MakePicture(32, 32, true, false);
    const auto ticks = [&c](int count) {
        return [&c, count] {
            for (int i = 0; i < count; ++i) c.TimerTick();
        };
    };
    // clang-format off
    const struct {
        const char* step;
        std::function<void()> act;
        bool enabled;
        int interval;
        Cells log;
    } steps[] = {
        // At run time a new strip waits for Play.
        {"strip", [&] { c.SetAniPicture(strip); }, false, kDefaultInterval, {"clear", "paint 0,0"}},
        {"play", [&] { c.Play(); }, true, kDefaultInterval, {}},
        {"ticks", ticks(2), true, kDefaultInterval, {"clear", "paint 0,0", "clear", "paint 22,0"}},
        {"pause", [&] { c.Pause(); }, false, kDefaultInterval, {}},
        {"play on", [&] { c.Play(), c.TimerTick(); }, true, kDefaultInterval, {"clear", "paint 44,0"}},
        // Interval reaches the timer with the next picture; nothing is one too, and restarts.
        {"interval", [&] { c.SetInterval(40); }, true, kDefaultInterval, {}},
        {"nothing", [&] { c.SetAniPicture(nullptr); }, true, 40, {"clear", "paint 0,0"}},
        {"new strip", [&] { c.SetAniPicture(MakePicture(44, 22)), c.TimerTick(), c.TimerTick(); },
         true, 40, {"clear", "paint 0,0", "clear", "paint 0,0", "clear", "paint 22,0"}},
        // A transparent control makes each cell the background first.
        {"transparent", [&] { c.SetBackStyle(0), c.TimerTick(); }, true, 40,
         {"clear", "background 0,0", "paint 0,0"}},
        // A picture that cannot be cut is refused, and the strip goes on.
        {"uncuttable", [&] { EXPECT_EQ(ErrorOf([&] { c.SetAniPicture(uncuttable); }), 481); },
         true, 40, {}},
        {"goes on", ticks(1), true, 40, {"clear", "background 22,0", "paint 22,0"}},
        {"no image", [&] { c.SetAniPicture(MakePicture(0, 0, false)); }, false, 40, {"clear"}},
        {"stray ticks", [&] { c.Play(), c.TimerTick(), c.TimerTick(); }, true, 40,
         {"clear", "clear"}},
        // DesignLock is for designers only, and a failed write leaves the animation alone.
        {"design lock", [&] {
             EXPECT_EQ(ErrorOf([&] { (void)c.DesignLock(); }), 393);
             EXPECT_EQ(ErrorOf([&] { c.SetDesignLock(true); }), 382);
         }, true, 40, {}},
        // A new instance at run time paints nothing and takes the default interval.
        {"new", [&] { c.InitProperties(), c.Show(); }, true, 40, {}},
    };
    // clang-format on

    for (const auto& step : steps) {
        rig.log.clear();
        step.act();
        EXPECT_EQ(rig.enabled, step.enabled) << step.step;
        EXPECT_EQ(rig.interval, step.interval) << step.step;
        EXPECT_EQ(rig.log, step.log) << step.step;
    }
    EXPECT_EQ(rig.frameChanges, 7);  // the stray ticks raised none
    EXPECT_EQ(rig.Size(), "32x32");
    EXPECT_EQ(c.CurrentFrame().strip, nullptr);
    EXPECT_EQ(c.Interval(), kDefaultInterval);
    c.Click();
    EXPECT_EQ(rig.clicks, 1);
    EXPECT_NO_THROW(c.ShowAbout());  // whatever goes wrong in the About box stays there
    EXPECT_EQ(rig.aboutShown, 1);
}

TEST(AboutAFlintor, LinksOpenTheWebSiteAndANewMessageAndOkCloses) {
    velmora::test::FakeShell shell;
    AboutAFlintor about(shell);
    about.Image2_Click();
    about.Label3_Click();
    EXPECT_EQ(shell.opened,
              (std::vector<std::string>{"http://www.example.com/",
                                        "mailto:sales@example.com?subject=About AFlintor.ocx"}));
    EXPECT_FALSE(about.Unloaded());
    about.cmdOk_Click();
    EXPECT_TRUE(about.Unloaded());
}

}  // namespace velmora::flintor::test
