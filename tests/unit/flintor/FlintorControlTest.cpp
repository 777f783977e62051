// The control: the order cells are shown in and the size it takes, what Play, Pause, Interval
// and each kind of picture do to the timer and the surface, the checks on appearance values,
// saved properties (only values other than their defaults, read back through a stream, bad
// values), and design time.
#include <gtest/gtest.h>

#include "tests/unit/flintor/FlintorFakes.h"

namespace velmora::flintor::test {

// In a FrameChange handler CurrentFrame is already the cell the next tick shows.
TEST(FlintorAnimation, ShowsCellsInOrderRaisesFrameChangeWithTheNextCellAndIsOneCellLarge) {
    const struct {
        int width, height;
        const char* size;
        Cells shown;
    } rows[] = {
        {66, 22, "22x22", {"0,0", "22,0", "44,0", "0,0", "22,0", "44,0", "0,0", "22,0"}},
        {22, 66, "22x22", {"0,0", "0,22", "0,44", "0,0", "0,22"}},
        {10, 4, "5x4", {"0,0", "5,0", "0,0"}},
        // One cell shows itself again, and leaves Interval alone: a single-cell strip once
        // wrote 0 there, which reached the timer with the next strip and stopped it.
        {38, 38, "38x38", {"0,0", "0,0", "0,0"}},
    };
    for (const auto& row : rows) {
        FlintorRig rig;
        rig.width = 300;  // whatever the container says
        rig.control->SetInterval(80);
        rig.control->SetAniPicture(MakePicture(row.width, row.height));
        EXPECT_EQ(rig.log, (Cells{"clear", "paint 0,0"}));  // the first cell shows at once
        EXPECT_EQ(rig.Size(), row.size);
        Cells painted, next;
        rig.onFrameChange = [&] {
            painted.push_back(rig.log.back().substr(6));
            next.push_back(rig.Where(rig.control->CurrentFrame().cell));
        };
        for (std::size_t i = 1; i < row.shown.size(); ++i) rig.control->TimerTick();
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
    EXPECT_TRUE(rig.interval == kDefaultInterval && !rig.enabled);  // as a new control waits
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
        {"strip", [&] { c.SetAniPicture(MakePicture(88, 22)); }, false, kDefaultInterval,
         {"clear", "paint 0,0"}},
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
        {"uncuttable", [&] {
             EXPECT_EQ(ErrorOf([&] { c.SetAniPicture(MakePicture(32, 32, true, false)); }), 481);
         }, true, 40, {}},
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
    EXPECT_NO_THROW(c.ShowAbout());  // whatever goes wrong in the About box stays there
    EXPECT_EQ(rig.clicks * 10 + rig.aboutShown, 11);
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
    const auto state = [](const FlintorRig& rig) {
        const Flintor& c = *rig.control;
        return Properties(c) + " " + Dims(c.AniPicture()) + " " + Dims(c.MouseIcon()) + " " +
               rig.Size();
    };
    FlintorRig designer(false), fresh(false), copy(false), running(true);
    auto [names, defaults] = saved(*designer.control);
    EXPECT_EQ(names, Cells{"AniPicture"});
    fresh.control->ReadProperties(defaults);
    EXPECT_EQ(state(fresh), "100 0 1 8000000F 0 0 38x1558 none 38x38");
    EXPECT_TRUE(fresh.control->DesignLock() && !fresh.enabled);

    Flintor& d = *designer.control;
    d.SetInterval(30), d.SetAniPicture(MakePicture(88, 22)), d.SetDesignLock(false);
    d.SetBorderStyle(1), d.SetMouseIcon(MakePicture(32, 32)), d.SetMousePointer(99);
    d.SetBackStyle(0), d.SetMaskColor(0x80000005u), d.SetOLEDropMode(1);
    auto [all, bag] = saved(d);
    EXPECT_EQ(all.size(), 9u);
    copy.control->ReadProperties(bag);
    EXPECT_EQ(state(copy), "30 1 0 80000005 99 1 88x22 32x32 26x26");
    // The picture is assigned with the border and interval read before it, and a designer
    // applies the lock after it; the surface shows what was read.
    EXPECT_TRUE(!copy.control->DesignLock() && copy.enabled && copy.interval == 30);
    EXPECT_EQ(copy.applied, (Cells{"1", "0", std::to_string(0x80000005u), "99", "32x32"}));
    // At run time the saved lock is not applied (Play starts the animation), but it is kept.
    running.control->ReadProperties(bag);
    EXPECT_FALSE(running.enabled);
    EXPECT_EQ(saved(*running.control).first, all);
    running.control->InitProperties();  // a new instance is locked again, at its default pace
    EXPECT_EQ(saved(*running.control).first, (Cells{"AniPicture", "BorderStyle", "MouseIcon",
                                                     "MousePointer", "BackStyle", "MaskColor"}));
}

// A true flag is the number -1, a number other than 0 is true, and a picture is neither.
TEST(FlintorSavedProperties, StoredValuesConvertAsInAContainersBagAndBadOnesAreErrorsNotACrash) {
    const struct {
        const char* name;
        PropertyValue value;
        long error;
        const char* loaded;  // "Interval lock MouseIcon", when there is no error
    } rows[] = {
        {"Interval", true, 0, "-1 locked none"},
        {"Interval", false, 0, "0 locked none"},
        {"DesignLock", std::int32_t{0}, 0, "100 free none"},
        {"MouseIcon", PicturePtr(), 0, "100 locked none"},  // nothing is stored
        {"Interval", MakePicture(1, 1), 13, ""},
        {"MouseIcon", true, 13, ""},
        {"DesignLock", MakePicture(1, 1), 13, ""},
        {"AniPicture", std::int32_t{7}, 13, ""},
        {"AniPicture", MakePicture(9, 9), 481, ""},  // a picture that does not decode
        {"BorderStyle", std::int32_t{70000}, 6, ""},
        {"BackStyle", std::int32_t{3}, 380, ""},
        {"MaskColor", std::int32_t{0x7F000000}, 380, ""},
    };
    for (const auto& row : rows) {
        TextPictureCodec codec;
        StreamPropertyBag written(codec), bag(codec);
        written.Write(row.name, row.value);
        const std::vector<std::uint8_t> block = written.Encode();
        bag.Decode(block.data(), block.size());
        codec.broken = row.error == 481;
        FlintorRig designer(false);
        const Flintor& c = *designer.control;
        EXPECT_EQ(ErrorOf([&] { designer.control->ReadProperties(bag); }), row.error) << row.name;
        EXPECT_EQ(c.AniPicture(), designer.builtIn);
        const std::string lock = c.DesignLock() ? " locked " : " free ";
        EXPECT_TRUE(row.error || std::to_string(c.Interval()) + lock + Dims(c.MouseIcon()) ==
                                     row.loaded);
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
