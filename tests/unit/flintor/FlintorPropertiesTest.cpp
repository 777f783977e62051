// The properties: the size rule, the checks on appearance values, saved properties (read
// order and defaults, bad bags, only values other than their defaults written), and design
// time against run time (DesignLock, new instances, showing).
#include <gtest/gtest.h>

#include "tests/unit/flintor/FlintorFakes.h"

namespace velmora::flintor::test {

TEST(FlintorSize, TheControlIsOneCellPlusFourPixelsOfBorder) {
    struct Row {
        int width, height, border;
        const char* size;
    };
    const Row rows[] = {{38, 1558, 0, "38x38"}, {38, 1558, 1, "42x42"}, {220, 22, 1, "26x26"},
                        {220, 22, 0, "22x22"},  {22, 220, 0, "22x22"},  {10, 4, 0, "5x4"}};
    for (const Row& row : rows) {
        FlintorRig rig;
        rig.control->SetBorderStyle(row.border);
        rig.control->SetAniPicture(MakePicture(row.width, row.height));
        EXPECT_EQ(rig.Size(), row.size) << row.width << "x" << row.height;
        rig.width = 300;  // a container cannot make it larger or smaller
        rig.height = 1;
        rig.control->Resize();
        EXPECT_EQ(rig.Size(), row.size);
    }
}

TEST(FlintorAppearance, StylesOutsideTheirEnumerationsAreRefusedAndChangeNothing) {
    FlintorRig rig;
    const std::string before = Properties(*rig.control);
    EXPECT_EQ(ErrorOf([&] { rig.control->SetBorderStyle(2); }), 380);
    EXPECT_EQ(ErrorOf([&] { rig.control->SetBackStyle(-1); }), 380);
    EXPECT_EQ(ErrorOf([&] { rig.control->SetMousePointer(16); }), 380);
    EXPECT_EQ(ErrorOf([&] { rig.control->SetMaskColor(0x80000100u); }), 380);
    EXPECT_EQ(ErrorOf([&] { rig.control->SetMaskColor(0x7F000000u); }), 380);
    EXPECT_EQ(ErrorOf([&] { rig.control->SetMaskColor(0x03000000u); }), 380);
    EXPECT_EQ(ErrorOf([&] { rig.control->SetOLEDropMode(40000); }), 6);
    EXPECT_EQ(Properties(*rig.control), before);
    EXPECT_TRUE(rig.changed.empty());

    const PicturePtr icon = MakePicture(32, 32);
    rig.control->SetBorderStyle(1);
    rig.control->SetBackStyle(0);
    rig.control->SetMaskColor(0x00FF00FFu);
    rig.control->SetMousePointer(99);
    rig.control->SetMouseIcon(icon);
    rig.control->SetInterval(-5);  // kept as given; the timer never ticks on it
    rig.control->SetOLEDropMode(-1);
    EXPECT_EQ(rig.borderStyle, 1);
    EXPECT_EQ(rig.backStyle, 0);
    EXPECT_EQ(rig.maskColor, 0x00FF00FFu);
    EXPECT_EQ(rig.mousePointer, 99);
    EXPECT_EQ(rig.mouseIcon, icon);
    EXPECT_EQ(rig.changed, (Cells{"BorderStyle", "BackStyle", "MaskColor", "MousePointer",
                                  "MouseIcon", "Interval", "OLEDropMode"}));
    // A palette-relative RGB (high byte 2) is the last colour kind there is.
    EXPECT_EQ(ErrorOf([&] { rig.control->SetMaskColor(0x02000000u); }), 0);
}

TEST(FlintorReadProperties, AnEmptyBagIsReadInItsFixedOrderAndGivesTheDefaults) {
    FlintorRig designer(false);
    FakeBag bag;
    designer.control->ReadProperties(bag);
    EXPECT_EQ(bag.reads,
              (Cells{"BorderStyle", "Interval", "AniPicture", "DesignLock", "MouseIcon",
                     "MousePointer", "Interval", "BackStyle", "MaskColor", "OLEDropMode"}));
    EXPECT_EQ(Properties(*designer.control), "100 0 1 8000000F 0 0");
    EXPECT_EQ(designer.control->AniPicture(), designer.builtIn);
    EXPECT_EQ(designer.control->MouseIcon(), nullptr);
    EXPECT_TRUE(designer.control->DesignLock());
    EXPECT_FALSE(designer.enabled);
    EXPECT_EQ(designer.Size(), "38x38");
    EXPECT_EQ(designer.Painted(), Cells{"0,0"});
}

TEST(FlintorReadProperties, ThePictureIsAssignedWithTheBorderAndIntervalReadBeforeIt) {
    FlintorRig rig(true);
    FakeBag bag;
    bag.values["BorderStyle"] = std::int32_t{1};
    bag.values["Interval"] = std::int32_t{250};
    bag.values["AniPicture"] = MakePicture(220, 22);
    bag.values["DesignLock"] = false;
    rig.control->ReadProperties(bag);
    EXPECT_EQ(rig.interval, 250);
    EXPECT_EQ(rig.Size(), "26x26");
    EXPECT_EQ(rig.control->Clip().Cols(), 10);
    EXPECT_FALSE(rig.enabled);  // run time: the saved lock is not applied, Play starts it
    FakeBag again;              // ... but it is kept
    rig.control->WriteProperties(again);
    EXPECT_EQ(std::get<bool>(again.values.at("DesignLock")), false);

    FlintorRig designer(false);
    designer.control->ReadProperties(bag);  // a designer applies it after the picture
    EXPECT_TRUE(designer.enabled);
}

TEST(FlintorReadProperties, BadValuesAreTheCallersErrorsNotACrash) {
    struct Row {
        const char* name;
        PropertyValue value;
        long error;
    };
    const Row rows[] = {{"Interval", true, 13},
                        {"AniPicture", std::int32_t{7}, 13},
                        {"BorderStyle", std::int32_t{70000}, 6},
                        {"BackStyle", std::int32_t{3}, 380},
                        {"MousePointer", std::int32_t{50}, 380},
                        {"MaskColor", std::int32_t{0x7F000000}, 380},
                        {"DesignLock", std::int32_t{0}, 13}};
    for (const Row& row : rows) {
        FlintorRig designer(false);
        FakeBag bag;
        bag.values[row.name] = row.value;
        EXPECT_EQ(ErrorOf([&] { designer.control->ReadProperties(bag); }), row.error) << row.name;
        EXPECT_EQ(designer.control->AniPicture(), designer.builtIn);
    }
}

TEST(FlintorWriteProperties, OnlyValuesOtherThanTheirDefaultsAreStoredAndReadBack) {
    FlintorRig designer(false);
    FakeBag defaults;
    designer.control->WriteProperties(defaults);
    EXPECT_EQ(defaults.written, Cells{"AniPicture"});
    EXPECT_EQ(std::get<PicturePtr>(defaults.values["AniPicture"]), designer.builtIn);

    const PicturePtr strip = MakePicture(88, 22);
    const PicturePtr icon = MakePicture(32, 32);
    designer.control->SetInterval(30);
    designer.control->SetAniPicture(strip);
    designer.control->SetDesignLock(false);
    designer.control->SetBorderStyle(1);
    designer.control->SetMouseIcon(icon);
    designer.control->SetMousePointer(99);
    designer.control->SetBackStyle(0);
    designer.control->SetMaskColor(0x80000005u);  // a system colour, not the default one
    designer.control->SetOLEDropMode(1);
    FakeBag bag;
    designer.control->WriteProperties(bag);
    EXPECT_EQ(bag.written,
              (Cells{"Interval", "AniPicture", "DesignLock", "BorderStyle", "MouseIcon",
                     "MousePointer", "BackStyle", "MaskColor", "OLEDropMode"}));

    FlintorRig copy(false);
    copy.control->ReadProperties(bag);
    EXPECT_EQ(Properties(*copy.control), "30 1 0 80000005 99 1");
    EXPECT_EQ(copy.control->AniPicture(), strip);
    EXPECT_EQ(copy.control->MouseIcon(), icon);
    EXPECT_FALSE(copy.control->DesignLock());
    EXPECT_EQ(copy.interval, 30);
    EXPECT_TRUE(copy.enabled);
    // ... and the surface shows what was read.
    EXPECT_EQ(copy.borderStyle, 1);
    EXPECT_EQ(copy.backStyle, 0);
    EXPECT_EQ(copy.maskColor, 0x80000005u);
    EXPECT_EQ(copy.mousePointer, 99);
    EXPECT_EQ(copy.mouseIcon, icon);
}

TEST(FlintorDesignLock, InADesignerTheLockHoldsTheTimerAndUnlockedEachNewStripPlays) {
    FlintorRig rig(/*userMode=*/false);
    rig.control->SetDesignLock(false);
    EXPECT_TRUE(rig.enabled);
    EXPECT_FALSE(rig.control->DesignLock());
    rig.control->Pause();
    rig.control->SetAniPicture(MakePicture(44, 22));
    EXPECT_TRUE(rig.enabled);
    rig.control->SetDesignLock(true);
    EXPECT_FALSE(rig.enabled);
    EXPECT_TRUE(rig.control->DesignLock());
    rig.control->SetAniPicture(MakePicture(44, 22));
    EXPECT_FALSE(rig.enabled);
    EXPECT_EQ(rig.changed, (Cells{"DesignLock", "AniPicture", "DesignLock", "AniPicture"}));
}

TEST(FlintorDesignLock, AtRunTimeReadingFailsWith393AndWritingWith382) {
    FlintorRig rig(/*userMode=*/true);
    rig.control->Play();
    EXPECT_EQ(ErrorOf([&] { (void)rig.control->DesignLock(); }), 393);
    EXPECT_EQ(ErrorOf([&] { rig.control->SetDesignLock(true); }), 382);
    EXPECT_TRUE(rig.enabled);  // the failed write left the animation alone
    EXPECT_TRUE(rig.changed.empty());
}

TEST(FlintorNewInstance, InADesignerShowsTheFirstBuiltInCellLockedStill) {
    FlintorRig designer(false);
    designer.control->SetInterval(5);
    designer.control->SetDesignLock(false);
    designer.changed.clear();
    designer.control->InitProperties();
    EXPECT_EQ(designer.log, (Cells{"background 0,0", "paint 0,0"}));
    EXPECT_EQ(designer.lastStrip, designer.builtIn);
    EXPECT_TRUE(designer.control->DesignLock());
    EXPECT_FALSE(designer.enabled);
    EXPECT_EQ(designer.control->Interval(), kDefaultInterval);
    EXPECT_EQ(designer.changed, Cells{"DesignLock"});

    FlintorRig running(true);
    running.control->SetInterval(5);
    running.control->InitProperties();
    EXPECT_TRUE(running.log.empty());
    EXPECT_EQ(running.control->Interval(), kDefaultInterval);
    EXPECT_FALSE(running.enabled);
}

TEST(FlintorShow, OnlyADesignerPaintsTheFirstCellOnShowing) {
    FlintorRig designer(false);
    designer.control->SetAniPicture(MakePicture(66, 22));
    designer.Tick(1);
    designer.log.clear();
    designer.control->Show();
    EXPECT_EQ(designer.log, (Cells{"background 0,0", "paint 0,0"}));
    designer.control->SetAniPicture(MakeEmptyPicture());
    designer.log.clear();
    designer.control->Show();
    EXPECT_TRUE(designer.log.empty());

    FlintorRig running(true);
    running.control->Show();
    EXPECT_TRUE(running.log.empty());
}

}  // namespace velmora::flintor::test
