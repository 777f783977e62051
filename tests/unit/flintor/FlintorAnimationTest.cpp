// Frame stepping: the order cells are shown in, the events, what Play, Pause, Interval and
// each kind of picture assignment do to the animation.
#include <gtest/gtest.h>

#include "platform/RuntimeError.h"
#include "tests/unit/flintor/FlintorFakes.h"

namespace velmora::flintor::test {

namespace {

std::vector<std::string> Tick(FlintorRig& rig, int times) {
    rig.surface.log.clear();
    for (int i = 0; i < times; ++i) rig.control->TimerTick();
    return rig.surface.Painted();
}

}  // namespace

TEST(FlintorAnimation, StartsWithTheBuiltInStripAndAStoppedTimer) {
    FlintorRig rig;
    EXPECT_EQ(rig.control->AniPicture(), rig.builtIn);
    EXPECT_EQ(rig.control->Clip().Rows(), 41);
    EXPECT_EQ(rig.control->Clip().Cols(), 1);
    EXPECT_FALSE(rig.timer.enabled);
    EXPECT_EQ(rig.timer.interval, 100);
}

TEST(FlintorAnimation, ShowsCellsInOrderAndRaisesFrameChangeOncePerTick) {
    FlintorRig rig;
    rig.control->SetAniPicture(MakePicture(66, 22));  // three cells in a row
    EXPECT_EQ(rig.surface.Painted(), (std::vector<std::string>{"0,0"}));
    EXPECT_EQ(Tick(rig, 7),
              (std::vector<std::string>{"0,0", "22,0", "44,0", "0,0", "22,0", "44,0", "0,0"}));
    EXPECT_EQ(rig.container.frameChanges, 7);
    // Every tick starts from a clean surface.
    EXPECT_EQ(rig.surface.log.front(), "clear");
}

TEST(FlintorAnimation, AVerticalStripStepsThroughItsRows) {
    FlintorRig rig;
    rig.control->SetAniPicture(MakePicture(22, 66));
    EXPECT_EQ(Tick(rig, 4), (std::vector<std::string>{"0,0", "0,22", "0,44", "0,0"}));
}

TEST(FlintorAnimation, CurrentFrameInAFrameChangeHandlerIsTheNextCell) {
    FlintorRig rig;
    rig.control->SetAniPicture(MakePicture(66, 22));
    std::vector<int> seen;
    rig.container.onFrameChange = [&] { seen.push_back(rig.control->CurrentFrame().cell.left); };
    Tick(rig, 4);
    EXPECT_EQ(seen, (std::vector<int>{22, 44, 0, 22}));
    EXPECT_EQ(rig.control->CurrentFrame().strip, rig.control->AniPicture());
}

TEST(FlintorAnimation, PlayAndPauseOnlySwitchTheTimerAndKeepThePlace) {
    FlintorRig rig;
    rig.control->SetAniPicture(MakePicture(88, 22));
    EXPECT_FALSE(rig.timer.enabled);  // at run time a new strip waits for Play
    const size_t changes = rig.container.changed.size();
    rig.control->Play();
    EXPECT_TRUE(rig.timer.enabled);
    Tick(rig, 2);
    rig.control->Pause();
    EXPECT_FALSE(rig.timer.enabled);
    EXPECT_EQ(rig.control->FrameCounter(), 2);
    rig.control->Play();
    EXPECT_EQ(Tick(rig, 1), (std::vector<std::string>{"44,0"}));
    EXPECT_EQ(rig.container.changed.size(), changes);  // no property changed
}

TEST(FlintorAnimation, AssigningAStripWhilePlayingKeepsItPlaying) {
    FlintorRig rig;
    rig.control->SetAniPicture(MakePicture(88, 22));
    rig.control->Play();
    rig.control->SetAniPicture(MakePicture(44, 22));
    EXPECT_TRUE(rig.timer.enabled);
    EXPECT_EQ(rig.control->FrameCounter(), 0);
}

TEST(FlintorAnimation, IntervalReachesTheTimerOnlyWithTheNextPicture) {
    FlintorRig rig;
    rig.control->SetAniPicture(MakePicture(88, 22));
    rig.control->Play();
    rig.control->SetInterval(40);
    EXPECT_EQ(rig.control->Interval(), 40);
    EXPECT_EQ(rig.timer.interval, 100);
    rig.control->SetAniPicture(nullptr);
    EXPECT_EQ(rig.timer.interval, 40);
}

TEST(FlintorAnimation, AssigningNothingKeepsTheStripAndRestartsAtTheFirstCell) {
    FlintorRig rig;
    const PicturePtr strip = MakePicture(88, 22);
    rig.control->SetAniPicture(strip);
    Tick(rig, 3);
    rig.surface.log.clear();
    rig.control->SetAniPicture(nullptr);
    EXPECT_EQ(rig.control->AniPicture(), strip);
    EXPECT_EQ(rig.control->FrameCounter(), 0);
    EXPECT_EQ(rig.surface.log, (std::vector<std::string>{"clear", "paint 0,0"}));
    EXPECT_EQ(Tick(rig, 1), (std::vector<std::string>{"0,0"}));
}

TEST(FlintorAnimation, APictureWithoutAnImageClearsStopsAndShrinks) {
    FlintorRig rig;
    rig.control->SetAniPicture(MakePicture(88, 22));
    rig.control->Play();
    rig.surface.log.clear();
    const PicturePtr empty = MakeEmptyPicture();
    rig.control->SetAniPicture(empty);
    EXPECT_EQ(rig.surface.log, (std::vector<std::string>{"clear"}));
    EXPECT_FALSE(rig.timer.enabled);
    EXPECT_EQ(rig.surface.width, 32);
    EXPECT_EQ(rig.surface.height, 32);
    EXPECT_EQ(rig.control->AniPicture(), empty);
    EXPECT_EQ(rig.control->CurrentFrame().strip, nullptr);
    // A stray tick draws nothing and raises nothing.
    const int before = rig.container.frameChanges;
    EXPECT_TRUE(Tick(rig, 1).empty());
    EXPECT_EQ(rig.container.frameChanges, before);
}

TEST(FlintorAnimation, ZeroSizedPicturesAreTreatedAsHavingNoImage) {
    FlintorRig rig;
    rig.control->SetAniPicture(MakePicture(0, 22));
    EXPECT_EQ(rig.surface.width, 32);
    rig.control->SetAniPicture(MakePicture(22, 0));
    EXPECT_FALSE(rig.timer.enabled);
    rig.control->Play();
    EXPECT_TRUE(Tick(rig, 2).empty());
}

// A single-frame strip used to write 0 into Interval; the 0 reached the timer with the next
// strip and no strip ever animated again.
TEST(FlintorAnimation, AOneCellPictureLeavesIntervalAloneSoTheNextStripAnimates) {
    FlintorRig rig;
    rig.control->SetInterval(80);
    rig.control->SetAniPicture(MakePicture(38, 38));
    rig.control->Play();
    EXPECT_EQ(Tick(rig, 3), (std::vector<std::string>{"0,0", "0,0", "0,0"}));
    EXPECT_EQ(rig.container.frameChanges, 3);
    EXPECT_EQ(rig.control->Interval(), 80);
    rig.control->SetAniPicture(MakePicture(66, 22));
    EXPECT_EQ(rig.timer.interval, 80);
    EXPECT_TRUE(rig.timer.enabled);
    EXPECT_EQ(Tick(rig, 2), (std::vector<std::string>{"0,0", "22,0"}));
}

TEST(FlintorAnimation, APictureThatCannotBeCutIsRefusedAndTheStripKept) {
    FlintorRig rig;
    const PicturePtr strip = MakePicture(66, 22);
    rig.control->SetAniPicture(strip);
    rig.container.changed.clear();
    const PicturePtr icon = std::make_shared<FakePicture>(32, 32, true, false);
    try {
        rig.control->SetAniPicture(icon);
        FAIL() << "an icon was taken as a strip";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), 481);
    }
    EXPECT_EQ(rig.control->AniPicture(), strip);
    EXPECT_TRUE(rig.container.changed.empty());
    // As a mouse icon it is fine.
    rig.control->SetMouseIcon(icon);
    EXPECT_EQ(rig.control->MouseIcon(), icon);
}

TEST(FlintorAnimation, TransparentBackStyleMakesEachCellTheBackgroundFirst) {
    FlintorRig rig;
    rig.control->SetAniPicture(MakePicture(44, 22));
    rig.control->SetBackStyle(0);
    rig.surface.log.clear();
    rig.control->TimerTick();
    EXPECT_EQ(rig.surface.log, (std::vector<std::string>{"clear", "background 0,0", "paint 0,0"}));
}

TEST(FlintorAnimation, ClickOnTheSurfaceRaisesClick) {
    FlintorRig rig;
    rig.control->Click();
    EXPECT_EQ(rig.container.clicks, 1);
}

TEST(FlintorAnimation, ShowAboutIgnoresEveryError) {
    FlintorRig rig;
    rig.about.fail = true;
    EXPECT_NO_THROW(rig.control->ShowAbout());
    EXPECT_EQ(rig.about.shown, 1);
}

}  // namespace velmora::flintor::test
