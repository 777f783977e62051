// Saved properties: the order and defaults of reading, what a bad bag does, and that only
// values other than their defaults are written.
#include <gtest/gtest.h>

#include "platform/RuntimeError.h"
#include "tests/unit/flintor/FlintorFakes.h"

namespace velmora::flintor::test {

namespace {

long LoadError(FlintorRig& rig, FakeBag& bag) {
    try {
        rig.control->ReadProperties(bag);
    } catch (const RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

}  // namespace

TEST(FlintorReadProperties, ReadsInItsFixedOrder) {
    FlintorRig designer(false);
    FakeBag bag;
    designer.control->ReadProperties(bag);
    EXPECT_EQ(bag.reads, (std::vector<std::string>{
                             "BorderStyle", "Interval", "AniPicture", "DesignLock", "MouseIcon",
                             "MousePointer", "Interval", "BackStyle", "MaskColor", "OLEDropMode"}));
}

TEST(FlintorReadProperties, AnEmptyBagGivesTheDefaultsAndTheBuiltInStrip) {
    FlintorRig designer(false);
    FakeBag bag;
    designer.control->ReadProperties(bag);
    const Flintor& c = *designer.control;
    EXPECT_EQ(c.AniPicture(), designer.builtIn);
    EXPECT_EQ(c.Interval(), 100);
    EXPECT_TRUE(c.DesignLock());
    EXPECT_FALSE(designer.timer.enabled);
    EXPECT_EQ(c.BorderStyle(), 0);
    EXPECT_EQ(c.BackStyle(), 1);
    EXPECT_EQ(c.MaskColor(), 0x8000000Fu);
    EXPECT_EQ(c.MousePointer(), 0);
    EXPECT_EQ(c.MouseIcon(), nullptr);
    EXPECT_EQ(c.OLEDropMode(), 0);
    EXPECT_EQ(designer.surface.width, 38);
    EXPECT_EQ(designer.surface.height, 38);
    EXPECT_EQ(designer.surface.Painted(), (std::vector<std::string>{"0,0"}));
}

TEST(FlintorReadProperties, ThePictureIsAssignedWithTheBorderAndIntervalReadBeforeIt) {
    FlintorRig rig(true);
    FakeBag bag;
    bag.values["BorderStyle"] = std::int32_t{1};
    bag.values["Interval"] = std::int32_t{250};
    bag.values["AniPicture"] = MakePicture(220, 22);
    rig.control->ReadProperties(bag);
    EXPECT_EQ(rig.timer.interval, 250);
    EXPECT_EQ(rig.surface.width, 26);
    EXPECT_EQ(rig.surface.height, 26);
    EXPECT_EQ(rig.control->Clip().Cols(), 10);
    EXPECT_FALSE(rig.timer.enabled);  // run time: Play starts it
}

TEST(FlintorReadProperties, ADesignerAppliesTheSavedLockAfterThePicture) {
    FlintorRig designer(false);
    FakeBag bag;
    bag.values["DesignLock"] = false;
    designer.control->ReadProperties(bag);
    EXPECT_TRUE(designer.timer.enabled);
    EXPECT_FALSE(designer.control->DesignLock());
}

TEST(FlintorReadProperties, RunTimeNeitherAppliesNorLosesTheSavedLock) {
    FlintorRig rig(true);
    FakeBag saved;
    saved.values["DesignLock"] = false;
    rig.control->ReadProperties(saved);
    EXPECT_FALSE(rig.timer.enabled);
    FakeBag again;
    rig.control->WriteProperties(again);
    ASSERT_EQ(again.values.count("DesignLock"), 1u);
    EXPECT_EQ(std::get<bool>(again.values["DesignLock"]), false);
}

TEST(FlintorReadProperties, BadValuesAreTheCallersErrorsNotACrash) {
    {
        FlintorRig rig;
        FakeBag bag;
        bag.values["Interval"] = true;  // a boolean where a number belongs
        EXPECT_EQ(LoadError(rig, bag), 13);
    }
    {
        FlintorRig rig;
        FakeBag bag;
        bag.values["AniPicture"] = std::int32_t{7};
        EXPECT_EQ(LoadError(rig, bag), 13);
        EXPECT_EQ(rig.control->AniPicture(), rig.builtIn);
    }
    {
        FlintorRig rig;
        FakeBag bag;
        bag.values["BorderStyle"] = std::int32_t{70000};
        EXPECT_EQ(LoadError(rig, bag), 6);
    }
    {
        FlintorRig rig;
        FakeBag bag;
        bag.values["BackStyle"] = std::int32_t{3};
        EXPECT_EQ(LoadError(rig, bag), 380);
    }
    {
        FlintorRig rig;
        FakeBag bag;
        bag.values["MousePointer"] = std::int32_t{50};
        EXPECT_EQ(LoadError(rig, bag), 380);
    }
    {
        FlintorRig rig(false);
        FakeBag bag;
        bag.values["DesignLock"] = std::int32_t{0};
        EXPECT_EQ(LoadError(rig, bag), 13);
    }
}

TEST(FlintorWriteProperties, DefaultsAreNotStoredOnlyThePicture) {
    FlintorRig rig;
    FakeBag bag;
    rig.control->WriteProperties(bag);
    EXPECT_EQ(bag.written, (std::vector<std::string>{"AniPicture"}));
    EXPECT_EQ(std::get<PicturePtr>(bag.values["AniPicture"]), rig.builtIn);
}

TEST(FlintorWriteProperties, EveryValueOtherThanItsDefaultIsStoredAndReadsBack) {
    FlintorRig designer(false);
    const PicturePtr strip = MakePicture(88, 22);
    const PicturePtr icon = MakePicture(32, 32);
    designer.control->SetInterval(30);
    designer.control->SetAniPicture(strip);
    designer.control->SetDesignLock(false);
    designer.control->SetBorderStyle(1);
    designer.control->SetMouseIcon(icon);
    designer.control->SetMousePointer(99);
    designer.control->SetBackStyle(0);
    designer.control->SetMaskColor(0x00123456u);
    designer.control->SetOLEDropMode(1);
    FakeBag bag;
    designer.control->WriteProperties(bag);
    EXPECT_EQ(bag.written, (std::vector<std::string>{"Interval", "AniPicture", "DesignLock",
                                                     "BorderStyle", "MouseIcon", "MousePointer",
                                                     "BackStyle", "MaskColor", "OLEDropMode"}));

    FlintorRig copy(false);
    copy.control->ReadProperties(bag);
    const Flintor& c = *copy.control;
    EXPECT_EQ(c.Interval(), 30);
    EXPECT_EQ(c.AniPicture(), strip);
    EXPECT_FALSE(c.DesignLock());
    EXPECT_EQ(c.BorderStyle(), 1);
    EXPECT_EQ(c.MouseIcon(), icon);
    EXPECT_EQ(c.MousePointer(), 99);
    EXPECT_EQ(c.BackStyle(), 0);
    EXPECT_EQ(c.MaskColor(), 0x00123456u);
    EXPECT_EQ(c.OLEDropMode(), 1);
    EXPECT_EQ(copy.timer.interval, 30);
    EXPECT_TRUE(copy.timer.enabled);
}

TEST(FlintorWriteProperties, ASystemColourMaskOtherThanTheDefaultIsStored) {
    FlintorRig rig;
    rig.control->SetMaskColor(0x80000005u);
    FakeBag bag;
    rig.control->WriteProperties(bag);
    ASSERT_EQ(bag.values.count("MaskColor"), 1u);
    EXPECT_EQ(static_cast<std::uint32_t>(std::get<std::int32_t>(bag.values["MaskColor"])),
              0x80000005u);
}

}  // namespace velmora::flintor::test
