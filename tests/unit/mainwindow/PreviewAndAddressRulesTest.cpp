// The pure rules of the main window: the toolbar preview's draws and the version numbers of
// the update check.
#include <gtest/gtest.h>

#include "mainwindow/ToolbarPreviewTiling.h"
#include "mainwindow/WebAddresses.h"

namespace velmora {
namespace {

TEST(ToolbarPreviewDrawsTest, NarrowPicturesStretchAcrossWidePicturesRepeatDown) {
    struct Case {
        int w, h, W, H;
        std::vector<ui::DrawRect> draws;
    };
    const Case cases[] = {
        {16, 20, 300, 40, {{0, 0, 300, 20}, {0, 20, 300, 20}}},
        {16, 15, 300, 40, {{0, 0, 300, 15}, {0, 15, 300, 15}, {0, 30, 300, 15}}},
        {16, 40, 300, 40, {{0, 0, 300, 40}}},
        {1, 40, 300, 40, {{0, 0, 300, 40}}},
        {299, 50, 300, 40, {{0, 0, 300, 40}}},
        {300, 25, 300, 40, {{0, 0, 300, 25}, {0, 25, 300, 25}}},
        {640, 40, 300, 40, {{0, 0, 640, 40}}},
        {0, 20, 300, 40, {}},
        {16, 20, 0, 40, {}},
        {16, -1, 300, 40, {}},
        {16, 20, 300, 0, {}},
        {16, 20, 1, 40, {{0, 0, 16, 20}, {0, 20, 16, 20}}},
        {16, 20, 300, 1, {{0, 0, 300, 1}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToolbarPreviewDraws(c.w, c.h, c.W, c.H), c.draws) << c.w << "x" << c.h;
}

TEST(ParseVersionTest, NumbersWithoutPaddingAndZeroForWhatIsNoNumber) {
    const std::pair<std::string, std::vector<unsigned long>> cases[] = {
        {"1.01.0003", {1, 1, 3}},
        {"2.0", {2, 0, 0}},
        {"x.5.7", {0, 5, 7}},
        {"1234567890.1.1", {0, 1, 1}},
        {"7", {7, 0, 0}},
        {"0000000001.02.3", {1, 2, 3}},  // leading zeros do not count as digits
        {"123456789.0.10", {123456789, 0, 10}}};
    for (const auto& [text, expected] : cases) {
        const VersionNumbers v = ParseVersion(text);
        EXPECT_EQ((std::vector<unsigned long>{v.major, v.minor, v.revision}), expected) << text;
    }
}

}  // namespace
}  // namespace velmora
