// The control hosted by a real container (atl.dll's "AtlAxWin" window class, loaded by
// name as a program would): it animates on its own timer, raises its events through its
// connection point, sizes itself to one cell, draws the right frame, and holds no GDI
// objects it no longer needs.
#include <gtest/gtest.h>

#include <vector>

#include "flintor/win32/GdiHandles.h"
#include "tests/win32/flintor/FlintorTestSupport.h"

namespace velmora::flintor::test {

namespace {

using flintor::win32::WindowDC;

// AtlAxWin windows, each creating a control by ProgID, in one top-level frame shared by the
// whole run (under Wine without a window manager, destroying a shown top-level window
// waits two seconds). The host windows go with this object.
class AtlHost {
public:
    AtlHost(int width, int height) {
        static const auto getControl = [] {
            HMODULE atl = LoadLibraryA("atl.dll");
            auto init = ExportOf<BOOL(WINAPI*)()>(atl, "AtlAxWinInit");
            return init && init() ? ExportOf<GetControl>(atl, "AtlAxGetControl") : nullptr;
        }();
        static const HWND frame = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                                  nullptr, nullptr, nullptr);
        if (!getControl || !frame) return;
        getControl_ = getControl;
        frame_ = frame;
        SetWindowPos(frame_, HWND_TOP, 0, 0, width, height, SWP_SHOWWINDOW);
        InvalidateRect(frame_, nullptr, TRUE);
    }
    ~AtlHost() {
        for (HWND host : hosts_) DestroyWindow(host);
        PumpMessages(10);
    }
    AtlHost(const AtlHost&) = delete;
    AtlHost& operator=(const AtlHost&) = delete;

    // A control created by ProgID in a host window at (x, y); its IDispatch.
    ComPtr<IDispatch> AddControl(int x, int y, int width, int height) {
        if (!frame_) return {};
        HWND host =
            CreateWindowExA(0, "AtlAxWin", "AFlintor.Flintor", WS_CHILD | WS_VISIBLE, x, y, width,
                            height, frame_, nullptr, GetModuleHandleA(nullptr), nullptr);
        ComPtr<IUnknown> control;
        if (!host || FAILED(getControl_(host, control.Put()))) return {};
        hosts_.push_back(host);
        return control.As<IDispatch>();
    }

private:
    using GetControl = HRESULT(WINAPI*)(HWND, IUnknown**);
    GetControl getControl_ = nullptr;
    HWND frame_ = nullptr;
    std::vector<HWND> hosts_;
};

HWND ControlWindow(IDispatch* control) {
    HWND handle = nullptr;
    ComPtr<IOleWindow> window = ComPtr<IDispatch>(control).As<IOleWindow>();
    if (window) window->GetWindow(&handle);
    return handle;
}

std::string WindowSize(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return SizeOf(rect);
}

class FlintorHosting : public ::testing::Test {
protected:
    OleApartment ole_;
    TestContainer sink_;  // outlives the hosts
};

}  // namespace

// Two hosted controls, one playing the built-in strip and one the sample strip behind a
// border: their events and the frames they show.
TEST_F(FlintorHosting, HostedControlsAnimateOnPlayRaiseTheirEventsAndDrawTheirFrames) {
    AtlHost host(150, 70);
    ComPtr<IDispatch> builtIn = host.AddControl(16, 16, 60, 60);
    ComPtr<IDispatch> sample = host.AddControl(80, 16, 60, 60);
    ASSERT_TRUE(builtIn && sample) << "AtlAxWin did not create AFlintor.Flintor";
    ComPtr<IPictureDisp> strip = PictureOf(static_cast<HBITMAP>(
        LoadImageA(nullptr, VELMORA_SOURCE_DIR "\\flintor\\art\\sample_strip.bmp", IMAGE_BITMAP, 0,
                   0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    ASSERT_EQ(PictureSize(strip.Get()), "220x22");  // ten cells
    std::vector<COLORREF> nextFrames;
    sink_.onEvent = [&](DISPID id) {
        ComPtr<IPictureDisp> frame = GetPicture(sample.Get(), FLINTOR_DISPID_CURRENTFRAME);
        if (id == FLINTOR_DISPID_FRAMECHANGE) nextFrames.push_back(PicturePixel(frame.Get(), 4, 4));
    };
    Connection connection(sample.Get(), sink_);
    ASSERT_TRUE(connection.Connected());
    ASSERT_EQ(PutLong(sample.Get(), FLINTOR_DISPID_BORDERSTYLE, 1), S_OK);
    ASSERT_EQ(PutLong(sample.Get(), FLINTOR_DISPID_INTERVAL, 30), S_OK);
    ASSERT_EQ(PutPicture(sample.Get(), FLINTOR_DISPID_ANIPICTURE, strip.Get()), S_OK);
    HWND window = ControlWindow(sample.Get());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowSize(window), "26x26");
    // A click, and one released outside the control, which is none.
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(300, 5));
    EXPECT_EQ(sink_.Count(FLINTOR_DISPID_CLICK), 1);
    PumpMessages(150);
    EXPECT_EQ(sink_.Count(FLINTOR_DISPID_FRAMECHANGE), 0);  // run time: waits for Play

    ASSERT_EQ(CallMethod(sample.Get(), FLINTOR_DISPID_PLAY), S_OK);
    ASSERT_EQ(CallMethod(builtIn.Get(), FLINTOR_DISPID_PLAY), S_OK);
    PumpMessages(5000, [&] { return nextFrames.size() >= 4; });
    ASSERT_EQ(CallMethod(sample.Get(), FLINTOR_DISPID_PAUSE), S_OK);
    const int ticks = sink_.Count(FLINTOR_DISPID_FRAMECHANGE);
    ASSERT_GE(ticks, 4);
    // In each FrameChange, CurrentFrame is the cell the next tick shows: 1, 2, 3, ...
    for (int i = 0; i < ticks; ++i)
        EXPECT_EQ(nextFrames[i], PicturePixel(strip.Get(), (i + 1) % 10 * 22 + 4, 4)) << i;
    PumpMessages(400);  // the built-in strip moves on, the sample stays; all is painted
    ASSERT_EQ(CallMethod(builtIn.Get(), FLINTOR_DISPID_PAUSE), S_OK);
    PumpMessages(50);
    EXPECT_EQ(sink_.Count(FLINTOR_DISPID_FRAMECHANGE), ticks);
    const int shown = (ticks - 1) % 10;  // the cell the last tick drew
    WindowDC dc(window);
    EXPECT_EQ(GetPixel(dc.Get(), 4, 4), PicturePixel(strip.Get(), shown * 22 + 4, 4)) << shown;
    EXPECT_EQ(GetPixel(dc.Get(), 0, 0), PicturePixel(strip.Get(), shown * 22, 0));
}

// The cell sizes themselves are the unit tests' and the clip control's (Win32ClipControlTest):
// here, that a container cannot resize the control and reads its extent in HIMETRIC.
TEST_F(FlintorHosting, TheControlsWindowIsOneCellWhateverTheContainerOffers) {
    AtlHost host(200, 100);
    ComPtr<IDispatch> control = host.AddControl(10, 10, 120, 80);
    ASSERT_TRUE(control);
    HWND window = ControlWindow(control.Get());
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(PutLong(control.Get(), FLINTOR_DISPID_BORDERSTYLE, 1), S_OK);
    EXPECT_EQ(WindowSize(window), "42x42");  // one cell of the built-in strip and the border
    ComPtr<IOleObject> ole = control.As<IOleObject>();
    SIZEL extent = {5000, 5000};
    ole->SetExtent(DVASPECT_CONTENT, &extent);
    EXPECT_EQ(WindowSize(window), "42x42");
    ASSERT_EQ(ole->GetExtent(DVASPECT_CONTENT, &extent), S_OK);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(MulDiv(extent.cx, GetDeviceCaps(screen, LOGPIXELSX), 2540), 42);
    ReleaseDC(nullptr, screen);
}

TEST_F(FlintorHosting, AssigningThousandsOfPicturesLeavesTheGdiObjectCountFlat) {
    AtlHost host(200, 100);
    ComPtr<IDispatch> control = host.AddControl(10, 10, 80, 80);
    ASSERT_TRUE(control);
    ASSERT_EQ(PutLong(control.Get(), FLINTOR_DISPID_INTERVAL, 1), S_OK);
    ASSERT_EQ(CallMethod(control.Get(), FLINTOR_DISPID_PLAY), S_OK);
    auto cycle = [&](int round) {
        ComPtr<IPictureDisp> strip = MakeStrip(66 + (round % 3) * 22, 22, 3 + round % 3);
        ASSERT_EQ(PutPicture(control.Get(), FLINTOR_DISPID_ANIPICTURE, strip.Get()), S_OK);
        ASSERT_TRUE(GetPicture(control.Get(), FLINTOR_DISPID_CURRENTFRAME));
        if (round % 50 == 0) PumpMessages(5);  // ticks and paints
    };
    for (int round = 0; round < 50; ++round) cycle(round);
    const int before = CountGdiObjects();
    ASSERT_GT(before, 0);
    for (int round = 0; round < 3000; ++round) cycle(round);
    PumpMessages(20);
    EXPECT_LE(CountGdiObjects() - before, 3) << "before " << before;
}

}  // namespace velmora::flintor::test
