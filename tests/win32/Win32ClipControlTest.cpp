// The hosted clip control under Wine: the registered control takes its placeholder's place
// and answers by dispatch id (its window shows the strip's cell size); without the control
// registered the window keeps working and every call does nothing.
#include <gtest/gtest.h>

#include <windows.h>

#include <ocidl.h>
#include <olectl.h>

#include <string>

#include "flintor/FlintorDispatchIds.h"
#include "platform/win32/GdiScope.h"
#include "platform/win32/OleApartment.h"
#include "platform/win32/Variant.h"
#include "mainwindow/win32/Win32ClipControl.h"
#include "platform/win32/Win32Picture.h"
#include "platform/win32/Win32Pictures.h"
#include "tests/win32/WindowTestSupport.h"

namespace velmora::win32 {
namespace {

constexpr int kPlaceholderId = 77;

// "<width>x<height>" of the control's own window (inside the host).
std::string ControlWindowSize(IDispatch* control) {
    ComPtr<IOleWindow> window = ComPtr<IDispatch>(control).As<IOleWindow>();
    HWND handle = nullptr;
    RECT rect = {};
    if (!window || FAILED(window->GetWindow(&handle)) || !GetWindowRect(handle, &rect))
        return "none";
    return std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

// The bits of the frame the control shows next; empty when it has no frame.
std::string FrameSignature(IDispatch* control) {
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    Variant value;
    if (FAILED(control->Invoke(FLINTOR_DISPID_CURRENTFRAME, IID_NULL, LOCALE_USER_DEFAULT,
                               DISPATCH_PROPERTYGET, &none, value.Get(), nullptr, nullptr)) ||
        V_VT(value.Get()) != VT_DISPATCH || !V_DISPATCH(value.Get()))
        return "";
    ComPtr<IPicture> picture;
    OLE_HANDLE handle = 0;
    V_DISPATCH(value.Get())->QueryInterface(IID_IPicture, picture.PutVoid());
    if (!picture || FAILED(picture->get_Handle(&handle))) return "";
    const auto frame = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
    BITMAP info = {};
    if (!GetObjectA(frame, sizeof info, &info)) return "";
    std::string bits(static_cast<size_t>(info.bmWidthBytes * info.bmHeight), '\0');
    GetBitmapBits(frame, static_cast<LONG>(bits.size()), &bits[0]);
    return bits;
}

class Win32ClipControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 120, nullptr,
                                nullptr, nullptr, nullptr);
        ASSERT_NE(frame, nullptr);
        // A group around the control, above it in the z-order as a dialog makes it.
        CreateWindowExA(0, "BUTTON", "Preview", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 5, 5, 190, 110,
                        frame, nullptr, nullptr, nullptr);
        HWND placeholder = CreateWindowExA(
            0, "STATIC", "", WS_CHILD, 20, 30, 60, 60, frame,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kPlaceholderId)), nullptr, nullptr);
        ASSERT_NE(placeholder, nullptr);
    }
    void TearDown() override {
        clip.Release();
        DestroyWindow(frame);
    }

    OleApartment ole;
    Win32Pictures pictures{ProgramResources()};
    Win32ClipControl clip;
    HWND frame = nullptr;
};

TEST_F(Win32ClipControlTest, TheRegisteredControlTakesThePlaceholdersPlaceAndAnswersByDispatchId) {
    ASSERT_TRUE(RegisterClipControl(true));
    clip.SetVisible(false);  // before the host exists: kept for it
    clip.Create(frame, kPlaceholderId);
    ASSERT_TRUE(clip.Control()) << "AtlAxWin did not create " << Win32ClipControl::kProgId;
    HWND host = clip.HostWindow();
    EXPECT_EQ(GetDlgItem(frame, kPlaceholderId), host);  // the placeholder went
    RECT place = {};
    GetWindowRect(host, &place);
    MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_EQ(place.left, 20);
    EXPECT_EQ(place.top, 30);
    EXPECT_FALSE(IsWindowVisible(host));
    clip.SetVisible(true);
    EXPECT_TRUE(IsWindowVisible(host));

    // The control sizes itself to one cell of the strip it is handed, and shows that cell.
    PicturePtr sample = pictures.LoadPicture(VELMORA_SOURCE_DIR "\\flintor\\art\\sample_strip.bmp");
    clip.SetAniPicture(sample);
    EXPECT_EQ(ControlWindowSize(clip.Control()), "22x22");
    OffscreenCanvas expected(220, 22, RGB(0, 0, 0));
    AsWin32Picture(sample)->Render(expected.Dc(), 0, 0, 220, 22);
    HWND surface = nullptr;
    ComPtr<IDispatch>(clip.Control()).As<IOleWindow>()->GetWindow(&surface);
    UpdateWindow(frame);
    PumpMessages(100);
    {
        WindowDC shown(surface);
        EXPECT_EQ(GetPixel(shown.Get(), 6, 6), expected.Pixel(6, 6));
    }
    clip.SetAniPicture(pictures.BuiltIn(BuiltInStrip::XP));
    EXPECT_EQ(ControlWindowSize(clip.Control()), "38x38");
    const std::string still = FrameSignature(clip.Control());
    ASSERT_NE(still, "");
    PumpMessages(300);
    EXPECT_EQ(FrameSignature(clip.Control()), still) << "moved before Play";
    clip.Play();
    PumpMessages(3000, [&] { return FrameSignature(clip.Control()) != still; });
    EXPECT_NE(FrameSignature(clip.Control()), still) << "Play did not animate";
    // The empty picture, and none at all, clear the strip.
    for (PicturePtr none : {pictures.EmptyPicture(), PicturePtr()}) {
        clip.SetAniPicture(pictures.BuiltIn(BuiltInStrip::Classic));
        clip.SetAniPicture(none);
        EXPECT_EQ(FrameSignature(clip.Control()), "");
        EXPECT_EQ(ControlWindowSize(clip.Control()), "32x32");
    }
}

TEST_F(Win32ClipControlTest, WithoutTheControlRegisteredTheWindowKeepsWorking) {
    ASSERT_TRUE(RegisterClipControl(false));
    clip.Create(frame, kPlaceholderId);
    EXPECT_FALSE(clip.Control());
    clip.SetAniPicture(pictures.BuiltIn(BuiltInStrip::Classic));
    clip.Play();
    clip.SetVisible(false);
    PumpMessages(20);
    EXPECT_TRUE(IsWindow(frame));
    ASSERT_TRUE(RegisterClipControl(true));  // as the other tests expect it
}

}  // namespace
}  // namespace velmora::win32
