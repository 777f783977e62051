// Frame stepping: the order cells are shown in, FrameChange, and what Play, Pause,
// Interval and each kind of picture assignment do to the animation; Click and the About box.
#include <gtest/gtest.h>

#include "flintor/AboutAFlintor.h"
#include "tests/support/FakeShell.h"
#include "tests/unit/flintor/FlintorFakes.h"

namespace velmora::flintor::test {

// In a FrameChange handler CurrentFrame is already the cell the next tick shows.
TEST(FlintorAnimation, ShowsCellsInOrderAndRaisesFrameChangeOncePerTickWithTheNextCell) {
    struct Row {
        int width, height;
        Cells shown;
    };
    const Row rows[] = {
        {66, 22, {"0,0", "22,0", "44,0", "0,0", "22,0", "44,0", "0,0", "22,0"}},
        {22, 66, {"0,0", "0,22", "0,44", "0,0", "0,22"}},
        {44, 22, {"0,0", "22,0", "0,0"}},  // two frames are a strip too
    };
    for (const Row& row : rows) {
        FlintorRig rig;
        rig.control->SetAniPicture(MakePicture(row.width, row.height));
        EXPECT_EQ(rig.Painted(), Cells{"0,0"});  // the first cell shows at once
        Cells next;
        rig.onFrameChange = [&] { next.push_back(rig.Where(rig.control->CurrentFrame().cell)); };
        const int ticks = static_cast<int>(row.shown.size()) - 1;
        EXPECT_EQ(rig.Tick(ticks), Cells(row.shown.begin(), row.shown.end() - 1)) << row.width;
        EXPECT_EQ(next, Cells(row.shown.begin() + 1, row.shown.end()));
        EXPECT_EQ(rig.frameChanges, ticks);
        EXPECT_EQ(rig.log.front(), "clear");  // every tick starts from a clean surface
        EXPECT_EQ(rig.control->CurrentFrame().strip, rig.control->AniPicture());
    }
}

TEST(FlintorAnimation, PlayAndPauseOnlySwitchTheTimerAndKeepThePlace) {
    FlintorRig rig;
    EXPECT_FALSE(rig.enabled);
    EXPECT_EQ(rig.interval, kDefaultInterval);
    rig.control->SetAniPicture(MakePicture(88, 22));
    EXPECT_FALSE(rig.enabled);  // at run time a new strip waits for Play
    rig.changed.clear();
    rig.control->Play();
    EXPECT_TRUE(rig.enabled);
    rig.Tick(2);
    rig.control->Pause();
    EXPECT_FALSE(rig.enabled);
    rig.control->Play();
    EXPECT_EQ(rig.Tick(1), Cells{"44,0"});
    EXPECT_TRUE(rig.changed.empty());  // no property changed
    rig.control->SetAniPicture(MakePicture(44, 22));
    EXPECT_TRUE(rig.enabled);  // a new strip keeps playing, from its first cell
    EXPECT_EQ(rig.Tick(1), Cells{"0,0"});
}

TEST(FlintorAnimation, AssigningNothingKeepsTheStripRestartsItAndHandsOverInterval) {
    FlintorRig rig;
    const PicturePtr strip = MakePicture(88, 22);
    rig.control->SetAniPicture(strip);
    rig.Tick(3);
    rig.control->SetInterval(40);
    EXPECT_EQ(rig.control->Interval(), 40);
    EXPECT_EQ(rig.interval, kDefaultInterval);  // the timer gets it only with the next picture
    rig.log.clear();
    rig.control->SetAniPicture(nullptr);
    EXPECT_EQ(rig.interval, 40);
    EXPECT_EQ(rig.control->AniPicture(), strip);
    EXPECT_EQ(rig.log, (Cells{"clear", "paint 0,0"}));
    EXPECT_EQ(rig.Tick(1), Cells{"0,0"});
}

TEST(FlintorAnimation, APictureWithoutAnImageClearsStopsAndShrinksTo32) {
    // No image at all, and pictures of zero width or height.
    for (const PicturePtr& empty : {MakeEmptyPicture(), MakePicture(0, 22), MakePicture(22, 0)}) {
        FlintorRig rig;
        rig.control->SetBorderStyle(1);
        rig.control->SetAniPicture(MakePicture(88, 22));
        rig.control->Play();
        rig.log.clear();
        rig.control->SetAniPicture(empty);
        EXPECT_EQ(rig.log, Cells{"clear"});
        EXPECT_FALSE(rig.enabled);
        EXPECT_EQ(rig.Size(), "32x32");
        EXPECT_EQ(rig.control->AniPicture(), empty);
        EXPECT_EQ(rig.control->CurrentFrame().strip, nullptr);
        rig.control->Play();  // a stray tick draws nothing and raises nothing
        EXPECT_TRUE(rig.Tick(2).empty());
        EXPECT_EQ(rig.frameChanges, 0);
    }
}

// A single-cell strip once wrote 0 into Interval; the 0 reached the timer with the next
// strip and nothing animated again.
TEST(FlintorAnimation, AOneCellPictureLeavesIntervalAloneSoTheNextStripAnimates) {
    FlintorRig rig;
    rig.control->SetInterval(80);
    rig.control->SetAniPicture(MakePicture(38, 38));
    rig.control->Play();
    EXPECT_EQ(rig.Tick(3), (Cells{"0,0", "0,0", "0,0"}));
    EXPECT_EQ(rig.frameChanges, 3);
    EXPECT_EQ(rig.control->Interval(), 80);
    rig.control->SetAniPicture(MakePicture(66, 22));
    EXPECT_EQ(rig.interval, 80);
    EXPECT_EQ(rig.Tick(2), (Cells{"0,0", "22,0"}));
}

TEST(FlintorAnimation, APictureThatCannotBeCutIsRefusedAndTheStripKept) {
    FlintorRig rig;
    const PicturePtr strip = MakePicture(66, 22);
    rig.control->SetAniPicture(strip);
    rig.changed.clear();
    const PicturePtr icon = std::make_shared<FakePicture>(32, 32, true, false);
    EXPECT_EQ(ErrorOf([&] { rig.control->SetAniPicture(icon); }), 481);
    EXPECT_EQ(rig.control->AniPicture(), strip);
    EXPECT_TRUE(rig.changed.empty());
    rig.control->SetMouseIcon(icon);  // as a mouse icon it is fine
    EXPECT_EQ(rig.control->MouseIcon(), icon);
}

TEST(FlintorAnimation, TransparentBackStyleMakesEachCellTheBackgroundFirst) {
    FlintorRig rig;
    rig.control->SetAniPicture(MakePicture(44, 22));
    rig.control->SetBackStyle(0);
    rig.Tick(1);
    EXPECT_EQ(rig.log, (Cells{"clear", "background 0,0", "paint 0,0"}));
}

TEST(FlintorAnimation, AClickIsRaisedAndShowAboutIgnoresEveryError) {
    FlintorRig rig;
    rig.control->Click();
    EXPECT_EQ(rig.clicks, 1);
    EXPECT_NO_THROW(rig.control->ShowAbout());
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
