// The control hosted by a real container (atl.dll's "AtlAxWin"): what only a container shows. That
// the program's host places the control and it animates on Play is Win32ClipControlTest's; the cell
// sizes are the unit tests'.
#include <gtest/gtest.h>

#include "mainwindow/win32/Win32ClipControl.h"
#include "tests/win32/flintor/FlintorTestSupport.h"

namespace velmora::flintor::test {

namespace {

// The control as the program hosts it (Win32ClipControl: an "AtlAxWin" window), in one
// frame shared by the run: under Wine with no window manager, destroying a shown top-level
// window waits two seconds.
class FlintorHosting : public ::testing::Test {
protected:
    IDispatch* Hosted() {
        static const HWND frame = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 200,
                                                  100, nullptr, nullptr, nullptr, nullptr);
        CreateWindowExA(0, "STATIC", "", WS_CHILD, 10, 10, 120, 80, frame,
                        reinterpret_cast<HMENU>(1), nullptr, nullptr);
        clip_.Create(frame, 1);
        return clip_.Control();
    }
    void TearDown() override {
        DestroyWindow(clip_.HostWindow());
        PumpMessages(10);
    }

    OleApartment ole_;
    TestContainer sink_;  // outlives the host
    Win32ClipControl clip_;
};

}  // namespace

// The window stays one cell whatever extent the container offers and reports it in HIMETRIC;
// mouse messages and timer ticks reach the container as Click and FrameChange; what is
// painted is the cell the last tick drew.
TEST_F(FlintorHosting, OneCellWhateverTheContainerOffersEventsRaisedAndTheLastCellPainted) {
    ComPtr<IDispatch> control(Hosted());
    ASSERT_TRUE(control) << "AtlAxWin did not create AFlintor.Flintor";
    Connection connection(control.Get(), sink_);
    ASSERT_TRUE(connection.Connected());
    ComPtr<IPictureDisp> strip = MakeStrip(220, 22, 10);
    ASSERT_EQ(PutLong(control.Get(), FLINTOR_DISPID_BORDERSTYLE, 1), S_OK);
    ASSERT_EQ(PutLong(control.Get(), FLINTOR_DISPID_INTERVAL, 30), S_OK);
    ASSERT_EQ(PutPicture(control.Get(), FLINTOR_DISPID_ANIPICTURE, strip.Get()), S_OK);
    HWND window = nullptr;
    ASSERT_EQ(control.As<IOleWindow>()->GetWindow(&window), S_OK);
    SIZEL extent = {5000, 5000};
    control.As<IOleObject>()->SetExtent(DVASPECT_CONTENT, &extent);
    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_EQ(SizeOf(rect), "26x26");
    ASSERT_EQ(control.As<IOleObject>()->GetExtent(DVASPECT_CONTENT, &extent), S_OK);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(MulDiv(extent.cx, GetDeviceCaps(screen, LOGPIXELSX), 2540), 26);
    ReleaseDC(nullptr, screen);

    // A click, and one released outside the control, which is none.
    for (int releasedAt : {5, 300}) {
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(releasedAt, 5));
    }
    EXPECT_EQ(sink_.Count(FLINTOR_DISPID_CLICK), 1);

    ASSERT_EQ(Invoke(control.Get(), FLINTOR_DISPID_PLAY, DISPATCH_METHOD), S_OK);
    PumpMessages(5000, [&] { return sink_.Count(FLINTOR_DISPID_FRAMECHANGE) >= 4; });
    ASSERT_EQ(Invoke(control.Get(), FLINTOR_DISPID_PAUSE, DISPATCH_METHOD), S_OK);
    const int ticks = sink_.Count(FLINTOR_DISPID_FRAMECHANGE);
    ASSERT_GE(ticks, 4);
    PumpMessages(100);
    EXPECT_EQ(sink_.Count(FLINTOR_DISPID_FRAMECHANGE), ticks);
    const int shown = (ticks - 1) % 10;
    flintor::win32::WindowDC dc(window);
    EXPECT_EQ(GetPixel(dc.Get(), 4, 4), PicturePixel(strip.Get(), shown * 22 + 4, 4)) << shown;
    EXPECT_EQ(GetPixel(dc.Get(), 0, 0), PicturePixel(strip.Get(), shown * 22, 0));
}

TEST_F(FlintorHosting, AssigningThousandsOfPicturesLeavesTheGdiObjectCountFlat) {
    ComPtr<IDispatch> control(Hosted());
    ASSERT_TRUE(control);
    ASSERT_EQ(PutLong(control.Get(), FLINTOR_DISPID_INTERVAL, 1), S_OK);
    ASSERT_EQ(Invoke(control.Get(), FLINTOR_DISPID_PLAY, DISPATCH_METHOD), S_OK);
    int before = 0;
    for (int round = 0; round < 3050; ++round) {
        if (round == 50) before = CountGdiObjects();
        ComPtr<IPictureDisp> strip = MakeStrip(66 + (round % 3) * 22, 22, 3 + round % 3);
        ASSERT_EQ(PutPicture(control.Get(), FLINTOR_DISPID_ANIPICTURE, strip.Get()), S_OK);
        ASSERT_TRUE(GetPicture(control.Get(), FLINTOR_DISPID_CURRENTFRAME));
        if (round % 50 == 0) PumpMessages(5);  // ticks and paints
    }
    PumpMessages(20);
    ASSERT_GT(before, 0);
    EXPECT_LE(CountGdiObjects() - before, 3) << "before " << before;
}

}  // namespace velmora::flintor::test
