// Pictures under Wine: files of every kind the themes use, with their pixel sizes; what is
// not a picture gives nothing; the built-in strips from the program's resources; drawing.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/win32/OleApartment.h"
#include "platform/win32/Win32Picture.h"
#include "platform/win32/Win32Pictures.h"
#include "tests/win32/WindowTestSupport.h"

namespace velmora::win32 {
namespace {

const std::string kSource = VELMORA_SOURCE_DIR;

class Win32PicturesTest : public ::testing::Test {
protected:
    OleApartment ole;
    Win32Pictures pictures{ProgramResources()};
};

TEST_F(Win32PicturesTest, PictureFilesLoadWithTheirSizeInPixels) {
    struct Case {
        std::string file;
        int width, height;
    };
    const Case cases[] = {
        {kSource + "\\themes\\Ocean\\toolbar.bmp", 256, 80},      // 24-bit toolbar picture
        {kSource + "\\themes\\Blue\\anilarge.bmp", 38, 456},      // 256-colour throbber strip
        {kSource + "\\flintor\\art\\sample_strip.bmp", 220, 22},  // a wide strip
        {kSource + "\\flintor\\art\\Flintor.ico", 32, 32},        // an icon: sized via HIMETRIC
    };
    for (const Case& c : cases) {
        PicturePtr picture = pictures.LoadPicture(c.file);
        ASSERT_TRUE(picture) << c.file;
        EXPECT_EQ(picture->Width(), c.width) << c.file;
        EXPECT_EQ(picture->Height(), c.height) << c.file;
    }
}

TEST_F(Win32PicturesTest, WhatIsNoPictureLoadsAsNothing) {
    for (const std::string& path :
         {kSource + "\\themes\\Ocean\\missing.bmp", kSource + "\\themes\\Ocean\\Ocean.vlr",
          kSource + "\\themes\\Ocean", std::string(), std::string("C:\\no\\such\\folder\\a.bmp")})
        EXPECT_FALSE(pictures.LoadPicture(path)) << path;
    // The empty picture handed to the control is Win32ClipControlTest's.
}

TEST_F(Win32PicturesTest, TheBuiltInStripsAreTwoDistinctStripsLoadedOnce) {
    PicturePtr classic = pictures.BuiltIn(BuiltInStrip::Classic);
    PicturePtr xp = pictures.BuiltIn(BuiltInStrip::XP);
    ASSERT_TRUE(classic && xp);
    for (const PicturePtr& strip : {classic, xp}) {
        EXPECT_EQ(strip->Width(), 38);
        EXPECT_EQ(strip->Height(), 41 * 38);  // the still picture and forty frames
    }
    EXPECT_EQ(pictures.BuiltIn(BuiltInStrip::Classic), classic);
    EXPECT_EQ(pictures.BuiltIn(BuiltInStrip::XP), xp);
    // Not the same artwork: their still pictures differ.
    OffscreenCanvas canvas(76, 38, RGB(255, 255, 255));
    AsWin32Picture(classic)->Render(canvas.Dc(), 0, 0, 38, 1558);
    AsWin32Picture(xp)->Render(canvas.Dc(), 38, 0, 38, 1558);
    int differing = 0;
    for (int y = 0; y < 38; y += 3)
        for (int x = 0; x < 38; x += 3) differing += canvas.Pixel(x, y) != canvas.Pixel(38 + x, y);
    EXPECT_GT(differing, 20);
}

// Bitmaps are drawn straight from their bitmap (the binding's picture tests); anything else
// goes through OLE's own drawing.
TEST_F(Win32PicturesTest, AnIconIsDrawnThroughOle) {
    PicturePtr icon = pictures.LoadPicture(kSource + "\\flintor\\art\\Flintor.ico");
    ASSERT_TRUE(icon);
    const COLORREF white = RGB(255, 255, 255);
    OffscreenCanvas canvas(40, 40, white);
    AsWin32Picture(icon)->Render(canvas.Dc(), 4, 4, 32, 32);
    EXPECT_NE(canvas.Pixel(20, 20), white);
    EXPECT_EQ(canvas.Pixel(37, 37), white);
}

}  // namespace
}  // namespace velmora::win32
