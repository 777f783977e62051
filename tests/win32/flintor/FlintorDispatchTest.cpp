// The control driven only through IDispatch, as the main program binds it: names and the
// type library, strips and frames, the errors a caller receives, timers, the About box.
#include <gtest/gtest.h>

#include "tests/win32/flintor/FlintorTestSupport.h"

namespace velmora::flintor::test {

namespace {

class FlintorDispatch : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(control_) << "AFlintor.Flintor could not be created"; }
    IDispatch* Control() { return control_.Get(); }

    OleApartment ole_;
    ComPtr<IDispatch> control_ = CreateByProgId();
};

}  // namespace

// Callers that bind by name reach the members the ids name; a property browser lists
// "Fixed Single" with its space (widl takes identifiers only; the build renames it); a
// run-time error reaches the caller with its text.
TEST_F(FlintorDispatch, NamesBindFixedSingleKeepsItsSpaceAndErrorsCarryTheirTexts) {
    wchar_t interval[] = L"Interval";
    LPOLESTR name = interval;
    DISPID id = 0;
    ASSERT_EQ(Control()->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id), S_OK);
    EXPECT_EQ(id, FLINTOR_DISPID_INTERVAL);

    ComPtr<ITypeInfo> info;
    ASSERT_EQ(Control()->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.Put()), S_OK);
    ComPtr<ITypeLib> library;
    UINT index = 0;
    ASSERT_EQ(info->GetContainingTypeLib(library.Put(), &index), S_OK);
    ComPtr<ITypeInfo> borderType;
    MEMBERID found = 0;
    USHORT count = 1;
    wchar_t search[] = L"BorderType";
    ASSERT_EQ(library->FindName(search, 0, borderType.Put(), &found, &count), S_OK);
    VARDESC* second = nullptr;
    ASSERT_EQ(borderType->GetVarDesc(1, &second), S_OK);
    BSTR text = nullptr;
    borderType->GetDocumentation(second->memid, &text, nullptr, nullptr, nullptr);
    EXPECT_STREQ(text, L"Fixed Single");
    EXPECT_EQ(V_I4(second->lpvarValue), 1);
    SysFreeString(text);
    borderType->ReleaseVarDesc(second);

    std::wstring description;
    EXPECT_EQ(Invoke(Control(), FLINTOR_DISPID_DESIGNLOCK, DISPATCH_PROPERTYGET, nullptr,
                     Variant().Get(), &description),
              RunTimeError(393));
    EXPECT_EQ(description, L"Property cannot be read at run time");
}

// A new control holds its built-in strip (a resource of the library); strips go in by value
// as well as by reference; what is not a bitmap is refused and the strip kept.
TEST_F(FlintorDispatch, TheBuiltInStripStripsByValueAndWhatIsNotABitmapIsRefused) {
    EXPECT_EQ(PictureSize(GetPicture(Control(), FLINTOR_DISPID_ANIPICTURE).Get()), "38x1558");
    ComPtr<IPictureDisp> strip = MakeStrip(22, 66, 3);
    ASSERT_EQ(PutPicture(Control(), FLINTOR_DISPID_ANIPICTURE, strip.Get(), false), S_OK);
    EXPECT_EQ(PicturePixel(GetPicture(Control(), FLINTOR_DISPID_CURRENTFRAME).Get(), 5, 5),
              CellColour(0));
    // An object that is no picture at all (the control itself), and an icon.
    EXPECT_NE(PutPicture(Control(), FLINTOR_DISPID_ANIPICTURE, Control()), S_OK);
    PICTDESC desc = {sizeof desc, PICTYPE_ICON, {}};
    desc.icon.hicon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    ComPtr<IPictureDisp> icon;
    ASSERT_EQ(OleCreatePictureIndirect(&desc, IID_IPictureDisp, FALSE, icon.PutVoid()), S_OK);
    EXPECT_EQ(PutPicture(Control(), FLINTOR_DISPID_ANIPICTURE, icon.Get()), RunTimeError(481));
    EXPECT_EQ(GetPicture(Control(), FLINTOR_DISPID_ANIPICTURE).Get(), strip.Get());
}

// A timer of 0 ms would tick every 10 ms; the control's 0 (or less) never ticks. Every frame
// handed out is the caller's alone, and the control lets go of the strip and the sink.
TEST_F(FlintorDispatch, ZeroIntervalsNeverTickAndTheControlLetsGoOfWhatItWasGiven) {
    TestContainer sink;
    ComPtr<IPictureDisp> strip = MakeStrip(44, 22, 2);
    strip->AddRef();
    const ULONG references = strip->Release();
    {
        Connection connection(Control(), sink);
        ASSERT_TRUE(connection.Connected());
        for (LONG interval : {0L, -5L}) {
            ASSERT_EQ(PutLong(Control(), FLINTOR_DISPID_INTERVAL, interval), S_OK);
            ASSERT_EQ(PutPicture(Control(), FLINTOR_DISPID_ANIPICTURE, strip.Get()), S_OK);
            ASSERT_EQ(CallMethod(Control(), FLINTOR_DISPID_PLAY), S_OK);
            PumpMessages(150);
            EXPECT_EQ(sink.Count(FLINTOR_DISPID_FRAMECHANGE), 0) << interval;
        }
        ASSERT_EQ(PutLong(Control(), FLINTOR_DISPID_INTERVAL, 10), S_OK);
        ASSERT_EQ(PutPicture(Control(), FLINTOR_DISPID_ANIPICTURE, nullptr), S_OK);
        PumpMessages(3000, [&] { return sink.Count(FLINTOR_DISPID_FRAMECHANGE) > 0; });
        EXPECT_GT(sink.Count(FLINTOR_DISPID_FRAMECHANGE), 0);
        ComPtr<IPictureDisp> frame = GetPicture(Control(), FLINTOR_DISPID_CURRENTFRAME);
        frame->AddRef();
        EXPECT_EQ(frame->Release(), 1u);
    }
    control_.Reset();
    strip->AddRef();
    EXPECT_EQ(strip->Release(), references);
    EXPECT_EQ(sink.references, 0u);
}

namespace {

std::string aboutTexts;

// Runs inside the About box's own message loop: reads the box and presses "Ok".
void CALLBACK ReadAndCloseAbout(HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = FindWindowA("#32770", "About AFlintor");
    if (!box) return;
    KillTimer(nullptr, id);
    for (int item : {201, 205, IDOK}) {
        char text[256] = {};
        GetDlgItemTextA(box, item, text, sizeof text);
        aboutTexts += std::string(text) + "|";
    }
    SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
}

}  // namespace

TEST_F(FlintorDispatch, ShowAboutShowsTheAboutBoxModally) {
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &ReadAndCloseAbout);
    EXPECT_EQ(CallMethod(Control(), FLINTOR_DISPID_SHOWABOUT), S_OK);
    KillTimer(nullptr, timer);
    EXPECT_EQ(aboutTexts, "AFlintor.ocx|sales@example.com|Ok|");
    EXPECT_EQ(FindWindowA("#32770", "About AFlintor"), nullptr);
}

}  // namespace velmora::flintor::test
