// The size rule (one cell, a border adds 4 pixels each way, 32 x 32 without an image) and
// the checks on the appearance properties.
#include <gtest/gtest.h>

#include "platform/RuntimeError.h"
#include "tests/unit/flintor/FlintorFakes.h"

namespace velmora::flintor::test {

namespace {

long ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

}  // namespace

TEST(FlintorSize, TheControlIsExactlyOneCellPlusItsBorder) {
    FlintorRig rig;
    rig.control->SetAniPicture(MakePicture(38, 1558));
    EXPECT_EQ(rig.surface.width, 38);
    EXPECT_EQ(rig.surface.height, 38);
    rig.control->SetBorderStyle(1);
    EXPECT_EQ(rig.surface.borderStyle, 1);
    EXPECT_EQ(rig.surface.width, 42);
    EXPECT_EQ(rig.surface.height, 42);
    rig.control->SetAniPicture(MakePicture(220, 22));
    EXPECT_EQ(rig.surface.width, 26);
    rig.control->SetBorderStyle(0);
    EXPECT_EQ(rig.surface.width, 22);
    EXPECT_EQ(rig.surface.height, 22);
}

TEST(FlintorSize, UnevenCellsKeepTheirOwnWidthAndHeight) {
    FlintorRig rig;
    rig.control->SetAniPicture(MakePicture(10, 4));  // 2 cells of 5 x 4
    EXPECT_EQ(rig.surface.width, 5);
    EXPECT_EQ(rig.surface.height, 4);
}

TEST(FlintorSize, WithoutAnImageTheControlIs32Square) {
    FlintorRig rig;
    rig.control->SetBorderStyle(1);
    rig.control->SetAniPicture(MakeEmptyPicture());
    EXPECT_EQ(rig.surface.width, 32);
    EXPECT_EQ(rig.surface.height, 32);
}

TEST(FlintorSize, AContainerCannotMakeItLargerOrSmaller) {
    FlintorRig rig;
    rig.control->SetAniPicture(MakePicture(220, 22));
    rig.surface.width = 300;
    rig.surface.height = 5;
    rig.control->Resize();
    EXPECT_EQ(rig.surface.width, 22);
    EXPECT_EQ(rig.surface.height, 22);
}

TEST(FlintorAppearance, StylesOutsideTheirEnumerationsAreRefusedAndChangeNothing) {
    FlintorRig rig;
    EXPECT_EQ(ErrorOf([&] { rig.control->SetBorderStyle(2); }), 380);
    EXPECT_EQ(ErrorOf([&] { rig.control->SetBackStyle(-1); }), 380);
    EXPECT_EQ(ErrorOf([&] { rig.control->SetMousePointer(16); }), 380);
    EXPECT_EQ(ErrorOf([&] { rig.control->SetMaskColor(0x80000100u); }), 380);
    EXPECT_EQ(ErrorOf([&] { rig.control->SetMaskColor(0x7F000000u); }), 380);
    EXPECT_EQ(ErrorOf([&] { rig.control->SetOLEDropMode(40000); }), 6);
    EXPECT_EQ(rig.control->BorderStyle(), 0);
    EXPECT_EQ(rig.control->BackStyle(), 1);
    EXPECT_EQ(rig.control->MousePointer(), 0);
    EXPECT_EQ(rig.control->MaskColor(), 0x8000000Fu);
    EXPECT_TRUE(rig.container.changed.empty());
}

TEST(FlintorAppearance, ValidValuesReachTheSurfaceAndAreMarkedChanged) {
    FlintorRig rig;
    rig.control->SetBackStyle(0);
    rig.control->SetMaskColor(0x00FF00FFu);
    rig.control->SetMousePointer(99);
    const PicturePtr icon = MakePicture(32, 32);
    rig.control->SetMouseIcon(icon);
    rig.control->SetOLEDropMode(1);
    rig.control->SetInterval(-5);  // kept as given; the timer treats it as never ticking
    EXPECT_EQ(rig.surface.backStyle, 0);
    EXPECT_EQ(rig.surface.maskColor, 0x00FF00FFu);
    EXPECT_EQ(rig.surface.mousePointer, 99);
    EXPECT_EQ(rig.surface.mouseIcon, icon);
    EXPECT_EQ(rig.control->OLEDropMode(), 1);
    EXPECT_EQ(rig.container.changed,
              (std::vector<std::string>{"BackStyle", "MaskColor", "MousePointer", "MouseIcon",
                                        "OLEDropMode", "Interval"}));
}

}  // namespace velmora::flintor::test
