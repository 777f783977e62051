// Pictures through OLE under Wine: a theme's bitmap and an icon load with their sizes in
// pixels and draw; what is no picture gives nothing; the built-in strips come from the
// program's resources.
#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/OleApartment.h"
#include "platform/win32/Win32Picture.h"
#include "platform/win32/Win32Pictures.h"
#include "tests/win32/WindowTestSupport.h"

namespace velmora::win32 {
namespace {

TEST(Win32Pictures, FilesAndBuiltInStripsLoadWithTheirSizesAndDrawWhatIsNoPictureIsNothing) {
    OleApartment ole;
    Win32Pictures pictures(ProgramResources());
    PicturePtr toolbar = pictures.LoadPicture(VELMORA_SOURCE_DIR "\\themes\\Ocean\\toolbar.bmp");
    PicturePtr icon = pictures.LoadPicture(VELMORA_SOURCE_DIR "\\flintor\\art\\Flintor.ico");
    PicturePtr strip = pictures.BuiltIn(BuiltInStrip::XP);
    ASSERT_TRUE(toolbar && icon && strip);
    EXPECT_EQ(toolbar->Width() * 1000 + toolbar->Height(), 256080);
    EXPECT_EQ(icon->Width() * 1000 + icon->Height(), 32032);      // sized through HIMETRIC
    EXPECT_EQ(strip->Width() * 10000 + strip->Height(), 381558);  // a still and 40 frames
    EXPECT_FALSE(pictures.LoadPicture(VELMORA_SOURCE_DIR "\\themes\\Ocean\\Ocean.vlr"));
    EXPECT_FALSE(pictures.LoadPicture("C:\\no\\such\\folder\\a.bmp"));

    // A bitmap is drawn from its bitmap, an icon through OLE's own drawing.
    OffscreenCanvas canvas(80, 40);
    AsWin32Picture(toolbar)->Render(canvas.Dc(), 0, 0, 32, 32);
    AsWin32Picture(icon)->Render(canvas.Dc(), 40, 0, 32, 32);
    EXPECT_NE(canvas.Pixel(16, 16), RGB(255, 255, 255));
    EXPECT_NE(canvas.Pixel(56, 16), RGB(255, 255, 255));
    EXPECT_EQ(canvas.Pixel(76, 36), RGB(255, 255, 255));
}

}  // namespace
}  // namespace velmora::win32
