// The properties: the size rule, the checks on appearance values, saved properties (defaults,
// bad values, only values other than their defaults written, through a stream and back), and
// design time against run time (DesignLock, new instances, showing).
#include <gtest/gtest.h>

#include "flintor/StreamPropertyBag.h"
#include "tests/unit/flintor/FlintorFakes.h"

namespace velmora::flintor::test {

namespace {

// The names the bag holds values under, of all the control saves.
Cells Saved(StreamPropertyBag& bag) {
    Cells names;
    for (const char* name : {"Interval", "AniPicture", "DesignLock", "BorderStyle", "MouseIcon",
                             "MousePointer", "BackStyle", "MaskColor", "OLEDropMode"}) {
        if (!std::holds_alternative<MissingValue>(bag.Read(name, ValueKind::Long)))
            names.push_back(name);
    }
    return names;
}

}  // namespace

TEST(FlintorSize, TheControlIsOneCellPlusFourPixelsOfBorder) {
    const struct {
        int width, height, border;
        const char* size;
    } rows[] = {{38, 1558, 0, "38x38"}, {38, 1558, 1, "42x42"}, {220, 22, 1, "26x26"},
                {220, 22, 0, "22x22"},  {22, 220, 0, "22x22"},  {10, 4, 0, "5x4"}};
    for (const auto& row : rows) {
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

TEST(FlintorAppearance, ValuesInTheirRangesReachTheSurfaceAndOthersAreRefused) {
    FlintorRig rig;
    Flintor& c = *rig.control;
    const PicturePtr icon = MakePicture(32, 32);
    const struct {
        std::function<void()> set;
        long error;  // 0: accepted, and the property named changed; else nothing changed
        const char* changed;
    } rows[] = {
        {[&] { c.SetBorderStyle(2); }, 380, ""},      {[&] { c.SetBackStyle(-1); }, 380, ""},
        {[&] { c.SetMousePointer(16); }, 380, ""},    {[&] { c.SetMousePointer(-1); }, 380, ""},
        {[&] { c.SetMaskColor(0x80000100u); }, 380, ""}, {[&] { c.SetMaskColor(0x8000001Fu); }, 380, ""},
        {[&] { c.SetMaskColor(0x7F000000u); }, 380, ""}, {[&] { c.SetMaskColor(0x03000000u); }, 380, ""},
        {[&] { c.SetOLEDropMode(40000); }, 6, ""},    {[&] { c.SetOLEDropMode(-40000); }, 6, ""},
        {[&] { c.SetBorderStyle(1); }, 0, "BorderStyle"},
        {[&] { c.SetBackStyle(0); }, 0, "BackStyle"},
        {[&] { c.SetMaskColor(0x00FF00FFu); }, 0, "MaskColor"},
        {[&] { c.SetMaskColor(0x02000000u); }, 0, "MaskColor"},  // a palette-relative RGB
        {[&] { c.SetMaskColor(0x8000001Eu); }, 0, "MaskColor"},  // the last system colour
        {[&] { c.SetMousePointer(15); }, 0, "MousePointer"},
        {[&] { c.SetMousePointer(99); }, 0, "MousePointer"},    // the custom MouseIcon
        {[&] { c.SetMouseIcon(icon); }, 0, "MouseIcon"},
        {[&] { c.SetInterval(-5); }, 0, "Interval"},  // kept as given; the timer never ticks on it
        {[&] { c.SetOLEDropMode(-1); }, 0, "OLEDropMode"},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const std::string before = Properties(c);
        rig.changed.clear();
        EXPECT_EQ(ErrorOf(rows[i].set), rows[i].error) << i;
        EXPECT_EQ(rig.changed, *rows[i].changed ? Cells{rows[i].changed} : Cells{}) << i;
        EXPECT_TRUE(!rows[i].error || Properties(c) == before) << i;
    }
    EXPECT_EQ(Properties(c), "-5 1 0 8000001E 99 -1");
    EXPECT_EQ(rig.borderStyle, 1);
    EXPECT_EQ(rig.backStyle, 0);
    EXPECT_EQ(rig.maskColor, 0x8000001Eu);
    EXPECT_EQ(rig.mousePointer, 99);
    EXPECT_EQ(rig.mouseIcon, icon);
}

TEST(FlintorReadProperties, AnEmptyBagGivesTheDefaults) {
    TextPictureCodec codec;
    StreamPropertyBag empty(codec);
    FlintorRig designer(false);
    designer.control->ReadProperties(empty);
    EXPECT_EQ(Properties(*designer.control), "100 0 1 8000000F 0 0");
    EXPECT_EQ(designer.control->AniPicture(), designer.builtIn);
    EXPECT_EQ(designer.control->MouseIcon(), nullptr);
    EXPECT_TRUE(designer.control->DesignLock());
    EXPECT_FALSE(designer.enabled);
    EXPECT_EQ(designer.Size(), "38x38");
    EXPECT_EQ(designer.log, (Cells{"clear", "paint 0,0"}));
}

TEST(FlintorReadProperties, ThePictureIsAssignedWithTheBorderAndIntervalReadBeforeIt) {
    TextPictureCodec codec;
    StreamPropertyBag bag(codec);
    bag.Write("BorderStyle", std::int32_t{1});
    bag.Write("Interval", std::int32_t{250});
    bag.Write("AniPicture", MakePicture(220, 22));
    bag.Write("DesignLock", false);
    FlintorRig rig(true);
    rig.control->ReadProperties(bag);
    EXPECT_EQ(rig.interval, 250);
    EXPECT_EQ(rig.Size(), "26x26");
    EXPECT_FALSE(rig.enabled);  // run time: the saved lock is not applied, Play starts it
    StreamPropertyBag again(codec);  // ... but it is kept
    rig.control->WriteProperties(again);
    EXPECT_EQ(std::get<bool>(again.Read("DesignLock", ValueKind::Bool)), false);

    FlintorRig designer(false);
    designer.control->ReadProperties(bag);  // a designer applies it after the picture
    EXPECT_TRUE(designer.enabled);
}

TEST(FlintorReadProperties, BadValuesAreTheCallersErrorsNotACrash) {
    const struct {
        const char* name;
        PropertyValue value;
        long error;
    } rows[] = {{"Interval", MakePicture(1, 1), 13},
                {"AniPicture", std::int32_t{7}, 13},
                {"AniPicture", MakePicture(9, 9), 481},  // a picture that does not decode
                {"BorderStyle", std::int32_t{70000}, 6},
                {"BackStyle", std::int32_t{3}, 380},
                {"MousePointer", std::int32_t{50}, 380},
                {"MaskColor", std::int32_t{0x7F000000}, 380},
                {"DesignLock", MakePicture(1, 1), 13}};
    for (const auto& row : rows) {
        TextPictureCodec codec;
        StreamPropertyBag bag(codec);
        bag.Write(row.name, row.value);
        codec.broken = row.error == 481;
        FlintorRig designer(false);
        EXPECT_EQ(ErrorOf([&] { designer.control->ReadProperties(bag); }), row.error) << row.name;
        EXPECT_EQ(designer.control->AniPicture(), designer.builtIn);
    }
}

TEST(FlintorWriteProperties, OnlyValuesOtherThanTheirDefaultsAreSavedAndReadBackThroughAStream) {
    TextPictureCodec codec;
    FlintorRig designer(false);
    StreamPropertyBag defaults(codec);
    designer.control->WriteProperties(defaults);
    EXPECT_EQ(Saved(defaults), Cells{"AniPicture"});
    EXPECT_EQ(Dims(std::get<PicturePtr>(defaults.Read("AniPicture", ValueKind::Picture))),
              "38x1558");

    designer.control->SetInterval(30);
    designer.control->SetAniPicture(MakePicture(88, 22));
    designer.control->SetDesignLock(false);
    designer.control->SetBorderStyle(1);
    designer.control->SetMouseIcon(MakePicture(32, 32));
    designer.control->SetMousePointer(99);
    designer.control->SetBackStyle(0);
    designer.control->SetMaskColor(0x80000005u);  // a system colour, not the default one
    designer.control->SetOLEDropMode(1);
    StreamPropertyBag written(codec), bag(codec);
    designer.control->WriteProperties(written);
    const std::vector<std::uint8_t> block = written.Encode();
    bag.Decode(block.data(), block.size());
    EXPECT_EQ(Saved(bag), (Cells{"Interval", "AniPicture", "DesignLock", "BorderStyle", "MouseIcon",
                                 "MousePointer", "BackStyle", "MaskColor", "OLEDropMode"}));

    FlintorRig copy(false);
    copy.control->ReadProperties(bag);
    EXPECT_EQ(Properties(*copy.control), "30 1 0 80000005 99 1");
    EXPECT_EQ(Dims(copy.control->AniPicture()), "88x22");
    EXPECT_EQ(Dims(copy.control->MouseIcon()), "32x32");
    EXPECT_FALSE(copy.control->DesignLock());
    EXPECT_EQ(copy.interval, 30);
    EXPECT_TRUE(copy.enabled);
    // ... and the surface shows what was read.
    EXPECT_EQ(copy.borderStyle, 1);
    EXPECT_EQ(copy.backStyle, 0);
    EXPECT_EQ(copy.maskColor, 0x80000005u);
    EXPECT_EQ(copy.mousePointer, 99);
    EXPECT_EQ(Dims(copy.mouseIcon), "32x32");
}

TEST(FlintorDesignLock, InADesignerTheLockHoldsTheTimerAndUnlockedEachNewStripPlays) {
    FlintorRig rig(/*runTime=*/false);
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
    FlintorRig rig(/*runTime=*/true);
    rig.control->Play();
    EXPECT_EQ(ErrorOf([&] { (void)rig.control->DesignLock(); }), 393);
    EXPECT_EQ(ErrorOf([&] { rig.control->SetDesignLock(true); }), 382);
    EXPECT_TRUE(rig.enabled);  // the failed write left the animation alone
    EXPECT_TRUE(rig.changed.empty());
}

TEST(FlintorNewInstance, InADesignerShowsTheFirstBuiltInCellLockedStill) {
    FlintorRig designer(false), running(true);
    designer.control->SetAniPicture(MakePicture(44, 22));
    designer.control->SetInterval(5);
    designer.control->SetDesignLock(false);
    designer.log.clear();
    designer.changed.clear();
    designer.control->InitProperties();
    EXPECT_EQ(designer.log, (Cells{"background 0,0", "paint 0,0"}));
    EXPECT_EQ(designer.lastStrip, designer.builtIn);
    EXPECT_TRUE(designer.control->DesignLock());
    EXPECT_FALSE(designer.enabled);
    EXPECT_EQ(designer.control->Interval(), kDefaultInterval);
    EXPECT_EQ(designer.changed, Cells{"DesignLock"});

    running.control->SetInterval(5);
    running.control->InitProperties();
    EXPECT_TRUE(running.log.empty());
    EXPECT_EQ(running.control->Interval(), kDefaultInterval);
    EXPECT_FALSE(running.enabled);
}

TEST(FlintorShow, OnlyADesignerPaintsTheFirstCellOnShowing) {
    FlintorRig designer(false), running(true);
    designer.control->SetAniPicture(MakePicture(66, 22));
    designer.control->TimerTick();
    designer.log.clear();
    designer.control->Show();
    EXPECT_EQ(designer.log, (Cells{"background 0,0", "paint 0,0"}));
    designer.control->SetAniPicture(MakeEmptyPicture());
    designer.log.clear();
    designer.control->Show();
    EXPECT_TRUE(designer.log.empty());
    running.control->Show();
    EXPECT_TRUE(running.log.empty());
}

}  // namespace velmora::flintor::test
