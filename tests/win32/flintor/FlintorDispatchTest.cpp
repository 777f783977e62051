// The control driven only through IDispatch by dispatch id, as the main program binds it:
// defaults, strips and frames, and the run-time errors a caller receives.
#include <gtest/gtest.h>

#include "tests/win32/flintor/FlintorTestSupport.h"

namespace velmora::flintor::test {

namespace {

constexpr SCODE kInvalidPropertyValue = 0x800A017C;  // 380
constexpr SCODE kSetNotAtRunTime = 0x800A017E;       // 382
constexpr SCODE kGetNotAtRunTime = 0x800A0189;       // 393
constexpr SCODE kInvalidPicture = 0x800A01E1;        // 481

class FlintorDispatch : public ::testing::Test {
protected:
    void SetUp() override {
        control_ = CreateByProgId();
        ASSERT_TRUE(control_) << "AFlintor.Flintor could not be created";
    }
    IDispatch* Control() { return control_.Get(); }
    ComPtr<IPictureDisp> Picture(DISPID id) {
        CallResult result = GetProperty(Control(), id);
        EXPECT_EQ(result.hr, S_OK);
        ComPtr<IPictureDisp> picture;
        if (V_VT(&result.value) == VT_DISPATCH && V_DISPATCH(&result.value))
            V_DISPATCH(&result.value)->QueryInterface(IID_IPictureDisp, picture.PutVoid());
        return picture;
    }

    OleApartment ole_;
    ComPtr<IDispatch> control_;
};

}  // namespace

TEST_F(FlintorDispatch, ANewControlHoldsTheBuiltInStripAndTheDefaults) {
    EXPECT_EQ(GetLong(Control(), FLINTOR_DISPID_INTERVAL), 100);
    EXPECT_EQ(GetLong(Control(), FLINTOR_DISPID_BORDERSTYLE), 0);
    EXPECT_EQ(GetLong(Control(), FLINTOR_DISPID_BACKSTYLE), 1);
    EXPECT_EQ(static_cast<DWORD>(GetLong(Control(), FLINTOR_DISPID_MASKCOLOR)), 0x8000000Fu);
    EXPECT_EQ(GetLong(Control(), FLINTOR_DISPID_MOUSEPOINTER), 0);
    EXPECT_EQ(GetLong(Control(), FLINTOR_DISPID_OLEDROPMODE), 0);
    ComPtr<IPictureDisp> strip = Picture(FLINTOR_DISPID_ANIPICTURE);
    ASSERT_TRUE(strip);
    const SIZE size = PictureSize(strip.Get());
    EXPECT_EQ(size.cx, 38);
    EXPECT_EQ(size.cy, 1558);
}

TEST_F(FlintorDispatch, NamesResolveToThePublishedDispatchIds) {
    const std::pair<const wchar_t*, DISPID> names[] = {
        {L"AniPicture", FLINTOR_DISPID_ANIPICTURE}, {L"Play", FLINTOR_DISPID_PLAY},
        {L"Pause", FLINTOR_DISPID_PAUSE},           {L"ShowAbout", FLINTOR_DISPID_SHOWABOUT},
        {L"Interval", FLINTOR_DISPID_INTERVAL},     {L"DesignLock", FLINTOR_DISPID_DESIGNLOCK}};
    for (const auto& [name, id] : names) {
        LPOLESTR text = const_cast<LPOLESTR>(name);
        DISPID found = 0;
        ASSERT_EQ(Control()->GetIDsOfNames(IID_NULL, &text, 1, LOCALE_USER_DEFAULT, &found), S_OK);
        EXPECT_EQ(found, id);
    }
}

TEST_F(FlintorDispatch, AStripAssignedByValueOrReferenceIsCutIntoFrames) {
    ComPtr<IPictureDisp> strip = MakeStrip(220, 22, 10);
    ASSERT_EQ(PutPicture(Control(), FLINTOR_DISPID_ANIPICTURE, strip.Get(), true).hr, S_OK);
    ComPtr<IPictureDisp> frame = Picture(FLINTOR_DISPID_CURRENTFRAME);
    ASSERT_TRUE(frame);
    const SIZE size = PictureSize(frame.Get());
    EXPECT_EQ(size.cx, 22);
    EXPECT_EQ(size.cy, 22);
    EXPECT_EQ(PicturePixel(frame.Get(), 11, 11), CellColour(0));

    ComPtr<IPictureDisp> tall = MakeStrip(22, 66, 3);
    ASSERT_EQ(PutPicture(Control(), FLINTOR_DISPID_ANIPICTURE, tall.Get(), false).hr, S_OK);
    ComPtr<IPictureDisp> held = Picture(FLINTOR_DISPID_ANIPICTURE);
    EXPECT_EQ(held.Get(), tall.Get());
}

TEST_F(FlintorDispatch, DesignLockFailsAtRunTimeWithTheRunTimeErrors) {
    CallResult read = GetProperty(Control(), FLINTOR_DISPID_DESIGNLOCK);
    EXPECT_EQ(read.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(read.scode, kGetNotAtRunTime);
    EXPECT_EQ(read.description, L"Property cannot be read at run time");

    VARIANT lock;
    VariantInit(&lock);
    V_VT(&lock) = VT_BOOL;
    V_BOOL(&lock) = VARIANT_FALSE;
    CallResult write = PutProperty(Control(), FLINTOR_DISPID_DESIGNLOCK, lock);
    EXPECT_EQ(write.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(write.scode, kSetNotAtRunTime);

    // Callers binding early get the same code, with error information.
    ComPtr<_Flintor> early = control_.As<_Flintor>(IID__Flintor);
    ASSERT_TRUE(early);
    VARIANT_BOOL value = VARIANT_FALSE;
    EXPECT_EQ(early->get_DesignLock(&value), kGetNotAtRunTime);
    ComPtr<IErrorInfo> info;
    ASSERT_EQ(GetErrorInfo(0, info.Put()), S_OK);
    BSTR description = nullptr;
    info->GetDescription(&description);
    EXPECT_STREQ(description, L"Property cannot be read at run time");
    SysFreeString(description);
}

TEST_F(FlintorDispatch, ValuesOutsideAnEnumerationAreRefused) {
    CallResult border = PutLong(Control(), FLINTOR_DISPID_BORDERSTYLE, 5);
    EXPECT_EQ(border.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(border.scode, kInvalidPropertyValue);
    EXPECT_EQ(GetLong(Control(), FLINTOR_DISPID_BORDERSTYLE), 0);
    EXPECT_EQ(PutLong(Control(), FLINTOR_DISPID_BORDERSTYLE, 1).hr, S_OK);
    EXPECT_EQ(GetLong(Control(), FLINTOR_DISPID_BORDERSTYLE), 1);
}

TEST_F(FlintorDispatch, WhatIsNotABitmapStripIsRefusedAndTheStripKept) {
    ComPtr<IPictureDisp> strip = MakeStrip(66, 22, 3);
    ASSERT_EQ(PutPicture(Control(), FLINTOR_DISPID_ANIPICTURE, strip.Get()).hr, S_OK);

    // An object that is no picture at all (the control itself).
    CallResult notPicture = PutPicture(Control(), FLINTOR_DISPID_ANIPICTURE, Control());
    EXPECT_NE(notPicture.hr, S_OK);

    // An icon picture has no cells.
    PICTDESC desc = {};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = PICTYPE_ICON;
    desc.icon.hicon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    ComPtr<IPictureDisp> icon;
    ASSERT_EQ(OleCreatePictureIndirect(&desc, IID_IPictureDisp, FALSE, icon.PutVoid()), S_OK);
    CallResult iconResult = PutPicture(Control(), FLINTOR_DISPID_ANIPICTURE, icon.Get());
    EXPECT_EQ(iconResult.hr, DISP_E_EXCEPTION);
    EXPECT_EQ(iconResult.scode, kInvalidPicture);

    EXPECT_EQ(Picture(FLINTOR_DISPID_ANIPICTURE).Get(), strip.Get());
    // As a mouse icon it is fine.
    EXPECT_EQ(PutPicture(Control(), FLINTOR_DISPID_MOUSEICON, icon.Get()).hr, S_OK);
    EXPECT_EQ(PutLong(Control(), FLINTOR_DISPID_MOUSEPOINTER, 99).hr, S_OK);
}

TEST_F(FlintorDispatch, APictureWithoutAnImageEmptiesTheControl) {
    ComPtr<IPictureDisp> empty = MakeEmptyPicture();
    ASSERT_TRUE(empty);
    ASSERT_EQ(PutPicture(Control(), FLINTOR_DISPID_ANIPICTURE, empty.Get()).hr, S_OK);
    EXPECT_FALSE(Picture(FLINTOR_DISPID_CURRENTFRAME));
    ComPtr<IOleObject> ole = control_.As<IOleObject>(IID_IOleObject);
    SIZEL extent = {};
    ASSERT_EQ(ole->GetExtent(DVASPECT_CONTENT, &extent), S_OK);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(MulDiv(extent.cx, dpi, 2540), 32);
    // Assigning nothing now keeps the empty picture.
    EXPECT_EQ(PutPicture(Control(), FLINTOR_DISPID_ANIPICTURE, nullptr).hr, S_OK);
    EXPECT_FALSE(Picture(FLINTOR_DISPID_CURRENTFRAME));
}

TEST_F(FlintorDispatch, HugeAndThinStripsDoNotBreakIt) {
    EXPECT_EQ(PutLong(Control(), FLINTOR_DISPID_INTERVAL, 1).hr, S_OK);
    for (const SIZE size : {SIZE{20000, 1}, SIZE{1, 20000}, SIZE{2000, 2000}, SIZE{1, 1}}) {
        ComPtr<IPictureDisp> strip = MakeStrip(size.cx, size.cy, 1);
        ASSERT_TRUE(strip);
        ASSERT_EQ(PutPicture(Control(), FLINTOR_DISPID_ANIPICTURE, strip.Get()).hr, S_OK);
        ASSERT_EQ(CallMethod(Control(), FLINTOR_DISPID_PLAY).hr, S_OK);
        PumpMessages(60);
        ComPtr<IPictureDisp> frame = Picture(FLINTOR_DISPID_CURRENTFRAME);
        ASSERT_TRUE(frame);
        const SIZE cell = PictureSize(frame.Get());
        EXPECT_EQ(cell.cx, size.cx > size.cy ? size.cy : size.cx);
    }
    EXPECT_EQ(CallMethod(Control(), FLINTOR_DISPID_PAUSE).hr, S_OK);
}

// Windows would turn a timer of 0 ms into 10 ms; the control's 0 (or less) never ticks.
TEST_F(FlintorDispatch, AnIntervalOfZeroOrLessNeverTicks) {
    auto* sink = new EventSink();
    {
        EventConnection connection(Control(), sink);
        ComPtr<IPictureDisp> strip = MakeStrip(44, 22, 2);
        for (LONG interval : {0L, -5L}) {
            ASSERT_EQ(PutLong(Control(), FLINTOR_DISPID_INTERVAL, interval).hr, S_OK);
            ASSERT_EQ(PutPicture(Control(), FLINTOR_DISPID_ANIPICTURE, strip.Get()).hr, S_OK);
            ASSERT_EQ(CallMethod(Control(), FLINTOR_DISPID_PLAY).hr, S_OK);
            PumpMessages(150);
            EXPECT_EQ(sink->Count(FLINTOR_DISPID_FRAMECHANGE), 0) << interval;
        }
        ASSERT_EQ(PutLong(Control(), FLINTOR_DISPID_INTERVAL, 10).hr, S_OK);
        ASSERT_EQ(PutPicture(Control(), FLINTOR_DISPID_ANIPICTURE, nullptr).hr, S_OK);
        PumpMessages(3000, [&] { return sink->Count(FLINTOR_DISPID_FRAMECHANGE) > 0; });
        EXPECT_GT(sink->Count(FLINTOR_DISPID_FRAMECHANGE), 0);
    }
    control_.Reset();
    sink->Release();
}

TEST_F(FlintorDispatch, TheControlLetsGoOfEverythingItWasGiven) {
    ComPtr<IPictureDisp> strip = MakeStrip(66, 22, 3);
    const ULONG before = RefCount(strip.Get());
    auto* sink = new EventSink();
    {
        EventConnection connection(Control(), sink);
        ASSERT_TRUE(connection.Connected());
        ASSERT_EQ(PutPicture(Control(), FLINTOR_DISPID_ANIPICTURE, strip.Get()).hr, S_OK);
        EXPECT_GT(RefCount(strip.Get()), before);
        ComPtr<IPictureDisp> frame = Picture(FLINTOR_DISPID_CURRENTFRAME);
        EXPECT_EQ(RefCount(frame.Get()), 1u);  // a new picture, the caller's alone
    }
    control_.Reset();
    EXPECT_EQ(RefCount(strip.Get()), before);
    EXPECT_EQ(sink->References(), 1u);
    sink->Release();
}

namespace {

struct AboutSeen {
    std::string label1, label3, button;
    bool found = false;
};
AboutSeen aboutSeen;

// Runs inside the About box's own message loop: reads the box and presses "Ok".
void CALLBACK ReadAndCloseAbout(HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = FindWindowA("#32770", "About AFlintor");
    if (!box) return;
    KillTimer(nullptr, id);
    char text[256] = {};
    GetDlgItemTextA(box, 201, text, sizeof text);
    aboutSeen.label1 = text;
    GetDlgItemTextA(box, 205, text, sizeof text);
    aboutSeen.label3 = text;
    GetDlgItemTextA(box, IDOK, text, sizeof text);
    aboutSeen.button = text;
    aboutSeen.found = true;
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
}

}  // namespace

TEST_F(FlintorDispatch, ShowAboutShowsTheAboutBoxModally) {
    aboutSeen = AboutSeen();
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &ReadAndCloseAbout);
    ASSERT_NE(timer, 0u);
    EXPECT_EQ(CallMethod(Control(), FLINTOR_DISPID_SHOWABOUT).hr, S_OK);
    KillTimer(nullptr, timer);
    ASSERT_TRUE(aboutSeen.found);
    EXPECT_EQ(aboutSeen.label1, "AFlintor.ocx");
    EXPECT_EQ(aboutSeen.label3, "sales@example.com");
    EXPECT_EQ(aboutSeen.button, "Ok");
    EXPECT_EQ(FindWindowA("#32770", "About AFlintor"), nullptr);
}

}  // namespace velmora::flintor::test
