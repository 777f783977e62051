// The control hosted by a real container (atl.dll's "AtlAxWin" window class, loaded by
// name as a program would): it animates on its own timer, raises FrameChange through its
// connection point, sizes itself to one cell, draws the right frame, and holds no GDI
// objects it no longer needs.
#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "tests/win32/flintor/FlintorTestSupport.h"

namespace velmora::flintor::test {

namespace {

// atl.dll, loaded by name once for the whole run: its window class stays registered.
struct AtlLibrary {
    using Init = BOOL(WINAPI*)();
    using GetControl = HRESULT(WINAPI*)(HWND, IUnknown**);
    AtlLibrary() {
        HMODULE atl = LoadLibraryA("atl.dll");
        if (!atl) return;
        auto init = ExportOf<Init>(atl, "AtlAxWinInit");
        getControl = ExportOf<GetControl>(atl, "AtlAxGetControl");
        ready = init && getControl && init();
    }
    static const AtlLibrary& Get() {
        static const AtlLibrary library;
        return library;
    }
    GetControl getControl = nullptr;
    bool ready = false;
};

// The top-level window the tests host their controls in. One for the whole run: under
// Wine without a window manager, destroying a shown top-level window waits two seconds.
HWND SharedFrame() {
    static const HWND frame = [] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
        windowClass.lpszClassName = "FlintorTestFrame";
        RegisterClassA(&windowClass);
        return CreateWindowExA(0, "FlintorTestFrame", "Flintor", WS_POPUP, 0, 0, 10, 10, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    }();
    return frame;
}

// AtlAxWin windows in the shared frame, each creating a control by ProgID; they go with
// this object.
class AtlHostWindow {
public:
    AtlHostWindow(int width, int height) {
        if (!AtlLibrary::Get().ready || !SharedFrame()) return;
        frame_ = SharedFrame();
        SetWindowPos(frame_, HWND_TOP, 0, 0, width, height, SWP_SHOWWINDOW);
        InvalidateRect(frame_, nullptr, TRUE);
    }
    ~AtlHostWindow() {
        for (HWND host : hosts_) DestroyWindow(host);
        PumpMessages(10);
    }
    AtlHostWindow(const AtlHostWindow&) = delete;
    AtlHostWindow& operator=(const AtlHostWindow&) = delete;

    bool Ready() const { return frame_ != nullptr; }
    HWND Frame() const { return frame_; }

    // A control created by ProgID in a host window at (x, y); its IDispatch.
    ComPtr<IDispatch> AddControl(int x, int y, int width, int height) {
        HWND host =
            CreateWindowExA(0, "AtlAxWin", "AFlintor.Flintor", WS_CHILD | WS_VISIBLE, x, y, width,
                            height, frame_, nullptr, GetModuleHandleA(nullptr), nullptr);
        if (!host) return {};
        hosts_.push_back(host);
        ComPtr<IUnknown> control;
        if (FAILED(AtlLibrary::Get().getControl(host, control.Put())) || !control) return {};
        return control.As<IDispatch>(IID_IDispatch);
    }

private:
    HWND frame_ = nullptr;
    std::vector<HWND> hosts_;
};

HWND ControlWindow(IDispatch* control) {
    ComPtr<IOleWindow> window;
    HWND handle = nullptr;
    if (SUCCEEDED(control->QueryInterface(IID_IOleWindow, window.PutVoid())))
        window->GetWindow(&handle);
    return handle;
}

SIZE WindowSize(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// Copies a window's area of the screen into a 24-bit bitmap file.
bool SaveScreenshot(HWND window, const std::string& path) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP shot = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, shot);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    const DWORD imageSize = ((width * 3 + 3) & ~3) * height;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + imageSize;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), imageSize);
    SelectObject(memory, previous);
    DeleteObject(shot);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return out.good();
}

class FlintorHosting : public ::testing::Test {
protected:
    OleApartment ole_;
};

}  // namespace

TEST_F(FlintorHosting, AHostedControlAnimatesAndRaisesFrameChangeOncePerFrame) {
    AtlHostWindow host(200, 100);
    ASSERT_TRUE(host.Ready()) << "atl.dll's AtlAxWin is not available";
    ComPtr<IDispatch> control = host.AddControl(10, 10, 80, 80);
    ASSERT_TRUE(control) << "AtlAxWin did not create AFlintor.Flintor";

    auto* sink = new EventSink();
    std::vector<COLORREF> nextFrames;
    sink->onEvent = [&](DISPID id) {
        if (id != FLINTOR_DISPID_FRAMECHANGE) return;
        CallResult frame = GetProperty(control.Get(), FLINTOR_DISPID_CURRENTFRAME);
        ComPtr<IPictureDisp> picture;
        if (V_VT(&frame.value) == VT_DISPATCH && V_DISPATCH(&frame.value))
            V_DISPATCH(&frame.value)->QueryInterface(IID_IPictureDisp, picture.PutVoid());
        nextFrames.push_back(picture ? PicturePixel(picture.Get(), 5, 5) : CLR_INVALID);
    };
    EventConnection connection(control.Get(), sink);
    ASSERT_TRUE(connection.Connected());

    ASSERT_EQ(PutLong(control.Get(), FLINTOR_DISPID_INTERVAL, 30).hr, S_OK);
    ComPtr<IPictureDisp> strip = MakeStrip(66, 22, 3);
    ASSERT_EQ(PutPicture(control.Get(), FLINTOR_DISPID_ANIPICTURE, strip.Get()).hr, S_OK);
    PumpMessages(150);
    EXPECT_EQ(sink->Count(FLINTOR_DISPID_FRAMECHANGE), 0);  // run time: waits for Play

    ASSERT_EQ(CallMethod(control.Get(), FLINTOR_DISPID_PLAY).hr, S_OK);
    PumpMessages(5000, [&] { return sink->Count(FLINTOR_DISPID_FRAMECHANGE) >= 6; });
    ASSERT_GE(sink->Count(FLINTOR_DISPID_FRAMECHANGE), 6);
    // In each FrameChange, CurrentFrame is the cell the next tick shows: 1, 2, 0, 1, ...
    const std::vector<COLORREF> expected = {CellColour(1), CellColour(2), CellColour(0),
                                            CellColour(1), CellColour(2), CellColour(0)};
    EXPECT_EQ(std::vector<COLORREF>(nextFrames.begin(), nextFrames.begin() + 6), expected);

    ASSERT_EQ(CallMethod(control.Get(), FLINTOR_DISPID_PAUSE).hr, S_OK);
    const int paused = sink->Count(FLINTOR_DISPID_FRAMECHANGE);
    PumpMessages(200);
    EXPECT_EQ(sink->Count(FLINTOR_DISPID_FRAMECHANGE), paused);
    sink->Release();
}

TEST_F(FlintorHosting, TheControlsWindowIsOneCellWhateverTheContainerOffers) {
    AtlHostWindow host(200, 100);
    ASSERT_TRUE(host.Ready());
    ComPtr<IDispatch> control = host.AddControl(10, 10, 120, 80);
    ASSERT_TRUE(control);
    HWND window = ControlWindow(control.Get());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowSize(window).cx, 38);  // one cell of the built-in strip
    EXPECT_EQ(WindowSize(window).cy, 38);

    ComPtr<IPictureDisp> strip = MakeStrip(220, 22, 10);
    ASSERT_EQ(PutPicture(control.Get(), FLINTOR_DISPID_ANIPICTURE, strip.Get()).hr, S_OK);
    EXPECT_EQ(WindowSize(window).cx, 22);
    EXPECT_EQ(WindowSize(window).cy, 22);
    ASSERT_EQ(PutLong(control.Get(), FLINTOR_DISPID_BORDERSTYLE, 1).hr, S_OK);
    EXPECT_EQ(WindowSize(window).cx, 26);
    EXPECT_EQ(WindowSize(window).cy, 26);

    // The container proposes a larger size; the control keeps to its cell.
    ComPtr<IOleObject> ole = control.As<IOleObject>(IID_IOleObject);
    SIZEL large = {5000, 5000};
    ole->SetExtent(DVASPECT_CONTENT, &large);
    EXPECT_EQ(WindowSize(window).cx, 26);
    SIZEL extent = {};
    ASSERT_EQ(ole->GetExtent(DVASPECT_CONTENT, &extent), S_OK);
    EXPECT_LT(extent.cx, 1000);
}

TEST_F(FlintorHosting, AClickOnTheControlRaisesClick) {
    AtlHostWindow host(200, 100);
    ASSERT_TRUE(host.Ready());
    ComPtr<IDispatch> control = host.AddControl(10, 10, 80, 80);
    ASSERT_TRUE(control);
    auto* sink = new EventSink();
    {
        EventConnection connection(control.Get(), sink);
        HWND window = ControlWindow(control.Get());
        ASSERT_NE(window, nullptr);
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(sink->Count(FLINTOR_DISPID_CLICK), 1);
        // Released outside the control: no click.
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(300, 5));
        EXPECT_EQ(sink->Count(FLINTOR_DISPID_CLICK), 1);
        EXPECT_EQ(sink->Count(FLINTOR_DISPID_FRAMECHANGE), 0);
    }
    control.Reset();
    sink->Release();
}

// Shows two hosted controls, one playing the built-in strip and one holding the sample
// strip behind a border, checks the pixels drawn, and saves the screen's picture of them to
// flintor-screenshot.bmp in the build folder.
TEST_F(FlintorHosting, DrawsTheCurrentFrameOfASampleStrip) {
    AtlHostWindow host(150, 70);
    ASSERT_TRUE(host.Ready());
    ComPtr<IDispatch> builtIn = host.AddControl(16, 16, 60, 60);
    ComPtr<IDispatch> sample = host.AddControl(80, 16, 60, 60);
    ASSERT_TRUE(builtIn && sample);

    ComPtr<IPictureDisp> strip =
        LoadPictureFile(VELMORA_SOURCE_DIR "\\flintor\\art\\sample_strip.bmp");
    ASSERT_TRUE(strip);
    ASSERT_EQ(PutLong(sample.Get(), FLINTOR_DISPID_BORDERSTYLE, 1).hr, S_OK);
    ASSERT_EQ(PutLong(sample.Get(), FLINTOR_DISPID_INTERVAL, 20).hr, S_OK);
    ASSERT_EQ(PutPicture(sample.Get(), FLINTOR_DISPID_ANIPICTURE, strip.Get()).hr, S_OK);
    auto* sink = new EventSink();
    EventConnection connection(sample.Get(), sink);
    ASSERT_EQ(CallMethod(sample.Get(), FLINTOR_DISPID_PLAY).hr, S_OK);
    ASSERT_EQ(CallMethod(builtIn.Get(), FLINTOR_DISPID_PLAY).hr, S_OK);
    // Four ticks show cells 0..3; pause there, with cell 4 next.
    PumpMessages(5000, [&] { return sink->Count(FLINTOR_DISPID_FRAMECHANGE) >= 4; });
    ASSERT_EQ(CallMethod(sample.Get(), FLINTOR_DISPID_PAUSE).hr, S_OK);
    const int ticks = sink->Count(FLINTOR_DISPID_FRAMECHANGE);
    PumpMessages(400);  // the built-in strip moves on; everything is painted
    ASSERT_EQ(CallMethod(builtIn.Get(), FLINTOR_DISPID_PAUSE).hr, S_OK);
    PumpMessages(50);

    const int shown = (ticks - 1) % 10;  // the cell the last tick drew
    HWND window = ControlWindow(sample.Get());
    ASSERT_NE(window, nullptr);
    HDC dc = GetDC(window);
    const COLORREF drawn = GetPixel(dc, 4, 4);
    const COLORREF corner = GetPixel(dc, 0, 0);
    ReleaseDC(window, dc);
    EXPECT_EQ(drawn, PicturePixel(strip.Get(), shown * 22 + 4, 4)) << "cell " << shown;
    EXPECT_EQ(corner, PicturePixel(strip.Get(), shown * 22, 0));
    EXPECT_EQ(WindowSize(window).cx, 26);

    const std::string path = VELMORA_BUILD_DIR "\\flintor-screenshot.bmp";
    EXPECT_TRUE(SaveScreenshot(host.Frame(), path));
    sink->Release();
}

// Wine's GetGuiResources answers 0; CountGdiObjects then probes the handle table.
TEST_F(FlintorHosting, AssigningThousandsOfPicturesLeavesTheGdiObjectCountFlat) {
    AtlHostWindow host(200, 100);
    ASSERT_TRUE(host.Ready());
    ComPtr<IDispatch> control = host.AddControl(10, 10, 80, 80);
    ASSERT_TRUE(control);
    ASSERT_EQ(PutLong(control.Get(), FLINTOR_DISPID_INTERVAL, 1).hr, S_OK);
    ASSERT_EQ(CallMethod(control.Get(), FLINTOR_DISPID_PLAY).hr, S_OK);

    auto cycle = [&](int round) {
        ComPtr<IPictureDisp> strip = MakeStrip(66 + (round % 3) * 22, 22, 3 + round % 3);
        ASSERT_EQ(PutPicture(control.Get(), FLINTOR_DISPID_ANIPICTURE, strip.Get()).hr, S_OK);
        CallResult frame = GetProperty(control.Get(), FLINTOR_DISPID_CURRENTFRAME);
        ASSERT_EQ(frame.hr, S_OK);
        if (round % 50 == 0) PumpMessages(5);  // ticks and paints
    };
    for (int round = 0; round < 50; ++round) cycle(round);
    const int before = CountGdiObjects();
    ASSERT_GT(before, 0);
    for (int round = 0; round < 3000; ++round) cycle(round);
    PumpMessages(20);
    const int after = CountGdiObjects();
    EXPECT_LE(after - before, 3) << "before " << before << ", after " << after;
}

}  // namespace velmora::flintor::test
