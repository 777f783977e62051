// Design time against run time: the DesignLock rules and errors, new instances, showing.
#include <gtest/gtest.h>

#include "platform/RuntimeError.h"
#include "tests/unit/flintor/FlintorFakes.h"

namespace velmora::flintor::test {

TEST(FlintorDesignLock, InADesignerTheLockHoldsTheTimerStill) {
    FlintorRig rig(/*userMode=*/false);
    rig.control->SetDesignLock(false);
    EXPECT_TRUE(rig.timer.enabled);
    EXPECT_FALSE(rig.control->DesignLock());
    rig.control->SetDesignLock(true);
    EXPECT_FALSE(rig.timer.enabled);
    EXPECT_TRUE(rig.control->DesignLock());
    EXPECT_EQ(rig.container.changed, (std::vector<std::string>{"DesignLock", "DesignLock"}));
}

TEST(FlintorDesignLock, AnUnlockedDesignerPlaysEachNewStrip) {
    FlintorRig rig(false);
    rig.control->SetDesignLock(false);
    rig.control->Pause();
    rig.control->SetAniPicture(MakePicture(44, 22));
    EXPECT_TRUE(rig.timer.enabled);
    rig.control->SetDesignLock(true);
    rig.control->SetAniPicture(MakePicture(44, 22));
    EXPECT_FALSE(rig.timer.enabled);
}

TEST(FlintorDesignLock, AtRunTimeReadingFailsWith393AndWritingWith382) {
    FlintorRig rig(/*userMode=*/true);
    rig.control->Play();
    try {
        (void)rig.control->DesignLock();
        FAIL() << "read at run time";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), 393);
    }
    try {
        rig.control->SetDesignLock(true);
        FAIL() << "write at run time";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), 382);
    }
    EXPECT_TRUE(rig.timer.enabled);  // the failed write left the animation alone
    EXPECT_TRUE(rig.container.changed.empty());
}

TEST(FlintorNewInstance, InADesignerShowsTheFirstBuiltInCellLockedStill) {
    FlintorRig rig(false);
    rig.control->SetInterval(5);
    rig.container.changed.clear();
    rig.control->InitProperties();
    EXPECT_EQ(rig.surface.log, (std::vector<std::string>{"background 0,0", "paint 0,0"}));
    EXPECT_EQ(rig.surface.lastStrip, rig.builtIn);
    EXPECT_EQ(rig.surface.lastPainted, (CellRect{0, 0, 38, 38}));
    EXPECT_TRUE(rig.control->DesignLock());
    EXPECT_FALSE(rig.timer.enabled);
    EXPECT_EQ(rig.control->Interval(), 100);
    EXPECT_EQ(rig.control->OLEDropMode(), 0);
    EXPECT_EQ(rig.container.changed, (std::vector<std::string>{"DesignLock"}));
}

TEST(FlintorNewInstance, AtRunTimeDrawsNothingAndRaisesNothing) {
    FlintorRig rig(true);
    EXPECT_NO_THROW(rig.control->InitProperties());
    EXPECT_TRUE(rig.surface.log.empty());
    EXPECT_EQ(rig.control->Interval(), 100);
    EXPECT_FALSE(rig.timer.enabled);
}

TEST(FlintorShow, OnlyADesignerPaintsTheFirstCellOnShowing) {
    FlintorRig designer(false);
    designer.control->SetAniPicture(MakePicture(66, 22));
    designer.surface.log.clear();
    designer.control->Show();
    EXPECT_EQ(designer.surface.log, (std::vector<std::string>{"background 0,0", "paint 0,0"}));

    FlintorRig running(true);
    running.control->Show();
    EXPECT_TRUE(running.surface.log.empty());

    designer.control->SetAniPicture(MakeEmptyPicture());
    designer.surface.log.clear();
    designer.control->Show();
    EXPECT_TRUE(designer.surface.log.empty());
}

}  // namespace velmora::flintor::test
