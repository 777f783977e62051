// The properties: the size rule, the checks on appearance values, saved properties (only values
// other than their defaults written, read back through a stream, bad values), and design time.
#include <gtest/gtest.h>

#include "flintor/StreamPropertyBag.h"
#include "tests/unit/flintor/FlintorFakes.h"

namespace velmora::flintor::test {

TEST(FlintorSize, TheControlIsOneCellPlusFourPixelsOfBorderWhateverTheContainerSays) {
    const struct {
        int width, height, border;
        const char* size;
    } rows[] = {{38, 1558, 1, "42x42"}, {220, 22, 0, "22x22"}, {22, 220, 0, "22x22"},
                {10, 4, 0, "5x4"}};
    for (const auto& row : rows) {
        FlintorRig rig;
        rig.control->SetBorderStyle(row.border);
        rig.control->SetAniPicture(MakePicture(row.width, row.height));
        rig.width = 300;
        rig.control->Resize();
        EXPECT_EQ(rig.Size(), row.size) << row.width << "x" << row.height;
    }
}

TEST(FlintorAppearance, ValuesInTheirRangesReachTheSurfaceAndOthersAreRefused) {
    FlintorRig rig;
    Flintor& c = *rig.control;
    const struct {
        std::function<void()> set;
        long error;  // 0: accepted, and the property named changed; else nothing changed
        const char* changed;
    } rows[] = {
        {[&] { c.SetBorderStyle(2); }, 380, ""},
        {[&] { c.SetBackStyle(-1); }, 380, ""},
        {[&] { c.SetMousePointer(16); }, 380, ""},
        {[&] { c.SetMousePointer(-1); }, 380, ""},
        {[&] { c.SetMaskColor(0x8000001Fu); }, 380, ""},
        {[&] { c.SetMaskColor(0x03000000u); }, 380, ""},
        {[&] { c.SetOLEDropMode(40000); }, 6, ""},
        {[&] { c.SetOLEDropMode(-40000); }, 6, ""},
        {[&] { c.SetBorderStyle(1); }, 0, "BorderStyle"},
        {[&] { c.SetBackStyle(0); }, 0, "BackStyle"},
        {[&] { c.SetMaskColor(0x02000000u); }, 0, "MaskColor"},  // a palette-relative RGB
        {[&] { c.SetMaskColor(0x8000001Eu); }, 0, "MaskColor"},  // the last system colour
        {[&] { c.SetMousePointer(15); }, 0, "MousePointer"},
        {[&] { c.SetMousePointer(99); }, 0, "MousePointer"},  // the custom MouseIcon
        {[&] { c.SetMouseIcon(MakePicture(32, 32, true, false)); }, 0, "MouseIcon"},
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
    EXPECT_EQ(rig.applied, (Cells{"1", "0", std::to_string(0x8000001Eu), "99", "32x32"}));
}

TEST(FlintorSavedProperties, OnlyValuesOtherThanTheirDefaultsAreSavedAndReadBackThroughAStream) {
    TextPictureCodec codec;
    const auto saved = [&](const Flintor& control) {  // the names saved, and the bag read back
        StreamPropertyBag written(codec), bag(codec);
        control.WriteProperties(written);
        const std::vector<std::uint8_t> block = written.Encode();
        bag.Decode(block.data(), block.size());
        Cells names;
        for (const char* name : {"Interval", "AniPicture", "DesignLock", "BorderStyle", "MouseIcon",
                                 "MousePointer", "BackStyle", "MaskColor", "OLEDropMode"}) {
            if (!std::holds_alternative<MissingValue>(bag.Read(name, ValueKind::Long)))
                names.push_back(name);
        }
        return std::make_pair(names, bag);
    };
    FlintorRig designer(false), fresh(false), copy(false), running(true);
    auto [names, defaults] = saved(*designer.control);
    EXPECT_EQ(names, Cells{"AniPicture"});
    fresh.control->ReadProperties(defaults);
    EXPECT_EQ(Properties(*fresh.control) + " " + Dims(fresh.control->AniPicture()) + " " +
                  Dims(fresh.control->MouseIcon()) + " " + fresh.Size(),
              "100 0 1 8000000F 0 0 38x1558 none 38x38");
    EXPECT_TRUE(fresh.control->DesignLock());
    EXPECT_FALSE(fresh.enabled);

    Flintor& d = *designer.control;
    d.SetInterval(30), d.SetAniPicture(MakePicture(88, 22)), d.SetDesignLock(false);
    d.SetBorderStyle(1), d.SetMouseIcon(MakePicture(32, 32)), d.SetMousePointer(99);
    d.SetBackStyle(0), d.SetMaskColor(0x80000005u), d.SetOLEDropMode(1);
    auto [all, bag] = saved(d);
    EXPECT_EQ(all.size(), 9u);
    copy.control->ReadProperties(bag);
    EXPECT_EQ(Properties(*copy.control) + " " + Dims(copy.control->AniPicture()) + " " +
                  Dims(copy.control->MouseIcon()) + " " + copy.Size(),
              "30 1 0 80000005 99 1 88x22 32x32 26x26");
    // The picture is assigned with the border and interval read before it, and a designer
    // applies the lock after it; the surface shows what was read.
    EXPECT_FALSE(copy.control->DesignLock());
    EXPECT_EQ(copy.interval, 30);
    EXPECT_TRUE(copy.enabled);
    EXPECT_EQ(copy.applied, (Cells{"1", "0", std::to_string(0x80000005u), "99", "32x32"}));
    // At run time the saved lock is not applied (Play starts the animation), but it is kept.
    running.control->ReadProperties(bag);
    EXPECT_FALSE(running.enabled);
    EXPECT_EQ(saved(*running.control).first, all);
}

TEST(FlintorSavedProperties, BadValuesAreTheCallersErrorsNotACrash) {
    const struct {
        const char* name;
        PropertyValue value;
        long error;
    } rows[] = {
        {"Interval", MakePicture(1, 1), 13},     {"AniPicture", std::int32_t{7}, 13},
        {"AniPicture", MakePicture(9, 9), 481},  // a picture that does not decode
        {"BorderStyle", std::int32_t{70000}, 6}, {"BackStyle", std::int32_t{3}, 380},
        {"MaskColor", std::int32_t{0x7F000000}, 380}, {"DesignLock", MakePicture(1, 1), 13}};
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

TEST(FlintorDesignTime, TheLockHoldsTheTimerANewInstanceShowsTheBuiltInStripAndShowingPaints) {
    FlintorRig rig(/*runTime=*/false);
    Flintor& c = *rig.control;
    const struct {
        std::function<void()> act;
        bool enabled;
        Cells log, changed;
    } steps[] = {
        {[&] { c.SetDesignLock(false); }, true, {}, {"DesignLock"}},
        // Unlocked, each new strip plays.
        {[&] { c.Pause(), c.SetAniPicture(MakePicture(44, 22)); }, true, {"clear", "paint 0,0"},
         {"AniPicture"}},
        {[&] { c.SetDesignLock(true), c.SetAniPicture(MakePicture(66, 22)); }, false,
         {"clear", "paint 0,0"}, {"DesignLock", "AniPicture"}},
        {[&] { c.TimerTick(), c.Show(); }, false,
         {"clear", "paint 0,0", "background 0,0", "paint 0,0"}, {}},
        {[&] { c.SetInterval(5), c.SetDesignLock(false), c.InitProperties(); }, false,
         {"background 0,0", "paint 0,0"}, {"Interval", "DesignLock", "DesignLock"}},
        {[&] { c.SetAniPicture(MakePicture(0, 0, false)), c.Show(); }, false, {"clear"},
         {"AniPicture"}},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        rig.log.clear();
        rig.changed.clear();
        steps[i].act();
        EXPECT_EQ(rig.enabled, steps[i].enabled) << i;
        EXPECT_EQ(rig.log, steps[i].log) << i;
        EXPECT_EQ(rig.changed, steps[i].changed) << i;
    }
    EXPECT_EQ(rig.lastStrip, rig.builtIn);  // painted by the new instance
    EXPECT_TRUE(c.DesignLock());
    EXPECT_EQ(c.Interval(), kDefaultInterval);
}

}  // namespace velmora::flintor::test
