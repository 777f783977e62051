// The control driven through IDispatch, as the main program binds it: names and the type
// library, strips and frames, the errors a caller receives, timers, the About box; saving
// to a container's bag and a stream, and the designer a client site brings.
#include <gtest/gtest.h>

#include "flintor/Flintor.h"
#include "tests/win32/flintor/FlintorTestSupport.h"

namespace velmora::flintor::test {

namespace {

class FlintorDispatch : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(control_) << "AFlintor.Flintor could not be created"; }
    IDispatch* Control() { return control_.Get(); }
    static ComPtr<IDispatch> Fresh() {
        ComPtr<IDispatch> control = CreateByProgId();
        EXPECT_TRUE(control);
        return control;
    }
    // A fresh control loaded from `bag`, and what the load returned.
    static std::pair<ComPtr<IDispatch>, HRESULT> LoadedFrom(MemoryPropertyBag& bag) {
        ComPtr<IDispatch> control = Fresh();
        return {control, control.As<IPersistPropertyBag>()->Load(&bag, nullptr)};
    }
    static ComPtr<IStream> StreamOf(const void* bytes, ULONG size) {
        ComPtr<IStream> stream;
        EXPECT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.Put()), S_OK);
        stream->Write(bytes, size, nullptr);
        stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
        return stream;
    }

    OleApartment ole_;
    ComPtr<IDispatch> control_ = CreateByProgId();
};
using FlintorPersistence = FlintorDispatch;

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

// A timer of 0 ms would tick every 10 ms; the control's 0 never ticks. Every frame handed
// out is the caller's alone, and the control lets go of the strip and the sink.
TEST_F(FlintorDispatch, AZeroIntervalNeverTicksAndTheControlLetsGoOfWhatItWasGiven) {
    TestContainer sink;
    ComPtr<IPictureDisp> strip = MakeStrip(44, 22, 2);
    strip->AddRef();
    const ULONG references = strip->Release();
    {
        Connection connection(Control(), sink);
        ASSERT_TRUE(connection.Connected());
        ASSERT_EQ(PutLong(Control(), FLINTOR_DISPID_INTERVAL, 0), S_OK);
        ASSERT_EQ(PutPicture(Control(), FLINTOR_DISPID_ANIPICTURE, strip.Get()), S_OK);
        ASSERT_EQ(Invoke(Control(), FLINTOR_DISPID_PLAY, DISPATCH_METHOD), S_OK);
        PumpMessages(150);
        EXPECT_EQ(sink.Count(FLINTOR_DISPID_FRAMECHANGE), 0);
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
    EXPECT_EQ(Invoke(Control(), FLINTOR_DISPID_SHOWABOUT, DISPATCH_METHOD), S_OK);
    KillTimer(nullptr, timer);
    EXPECT_EQ(aboutTexts, "AFlintor.ocx|sales@example.com|Ok|");
    EXPECT_EQ(FindWindowA("#32770", "About AFlintor"), nullptr);
}

// Which values are saved is the unit tests'; here, that they and the picture cross a
// container's bag as VARIANTs and a stream in the picture's own encoding, and what a bag of
// wrong types, a damaged stream or a second load get back.
TEST_F(FlintorPersistence, ValuesAndThePictureCrossABagAndAStreamAndBadOnesAreRefused) {
    ComPtr<IPictureDisp> strip = MakeStrip(22, 66, 3);
    ASSERT_EQ(PutLong(Control(), FLINTOR_DISPID_INTERVAL, 250), S_OK);
    ASSERT_EQ(PutPicture(Control(), FLINTOR_DISPID_ANIPICTURE, strip.Get()), S_OK);
    MemoryPropertyBag bag;
    ASSERT_EQ(control_.As<IPersistPropertyBag>()->Save(&bag, TRUE, TRUE), S_OK);
    EXPECT_EQ(V_VT(bag.values[L"AniPicture"].Get()), VT_DISPATCH);
    ComPtr<IPersistStreamInit> persist = control_.As<IPersistStreamInit>();
    ComPtr<IStream> stream = StreamOf(nullptr, 0);
    ASSERT_EQ(persist->Save(stream.Get(), TRUE), S_OK);
    ULARGE_INTEGER size = {};
    ASSERT_EQ(persist->GetSizeMax(&size), S_OK);
    STATSTG stat = {};
    stream->Stat(&stat, STATFLAG_NONAME);
    EXPECT_EQ(size.QuadPart, stat.cbSize.QuadPart);

    auto [fromBag, loaded] = LoadedFrom(bag);
    ASSERT_EQ(loaded, S_OK);
    ComPtr<IDispatch> fromStream = Fresh();
    ComPtr<IPersistStreamInit> load = fromStream.As<IPersistStreamInit>();
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    ASSERT_EQ(load->Load(stream.Get()), S_OK);
    for (IDispatch* copy : {fromBag.Get(), fromStream.Get()}) {
        EXPECT_EQ(GetLong(copy, FLINTOR_DISPID_INTERVAL), 250);
        ComPtr<IPictureDisp> picture = GetPicture(copy, FLINTOR_DISPID_ANIPICTURE);
        EXPECT_EQ(PictureSize(picture.Get()), "22x66");
        EXPECT_EQ(PicturePixel(picture.Get(), 5, 30), CellColour(1));
    }
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    EXPECT_EQ(load->Load(stream.Get()), E_UNEXPECTED);  // a control loads once

    // The bag's value is converted to the property's type; what does not convert is error 13.
    bag.values[L"Interval"].SetBstr(SysAllocString(L"250"));
    EXPECT_EQ(LoadedFrom(bag).second, S_OK);
    bag.values[L"Interval"].SetBstr(SysAllocString(L"quick"));
    EXPECT_EQ(LoadedFrom(bag).second, RunTimeError(13));
    bag.values[L"Interval"].SetLong(250);
    bag.values[L"AniPicture"].SetLong(7);
    EXPECT_EQ(LoadedFrom(bag).second, RunTimeError(13));
    // A header announcing more than the stream holds (the block's own checks are the unit
    // tests' and the fuzz target's).
    const unsigned char damaged[] = {'F', 'L', 'N', 'T', 1, 0, 1, 0, 200, 0, 0, 0, 9, 'A', 7, 0};
    ComPtr<IDispatch> control = Fresh();
    EXPECT_EQ(control.As<IPersistStreamInit>()->Load(StreamOf(damaged, sizeof damaged).Get()),
              RunTimeError(321));
    EXPECT_EQ(GetLong(control.Get(), FLINTOR_DISPID_INTERVAL), kDefaultInterval);
}

// A designer's client site (ambient UserMode false): the lock reads, each property write
// is announced, and the unlocked state is saved. (What the lock does is the unit tests'.)
TEST_F(FlintorPersistence, InADesignerTheLockIsReadableChangesAreAnnouncedAndSaved) {
    TestContainer designer(/*userMode=*/false);
    ComPtr<IDispatch> control = Fresh();
    ComPtr<IOleObject> ole = control.As<IOleObject>();
    ASSERT_EQ(ole->SetClientSite(&designer), S_OK);
    ComPtr<IPersistStreamInit> persist = control.As<IPersistStreamInit>();
    ASSERT_EQ(persist->InitNew(), S_OK);
    EXPECT_EQ(GetLong(control.Get(), FLINTOR_DISPID_DESIGNLOCK), VARIANT_TRUE);
    ASSERT_EQ(persist->Save(StreamOf(nullptr, 0).Get(), TRUE), S_OK);
    EXPECT_EQ(persist->IsDirty(), S_FALSE);
    {
        Connection changes(control.Get(), designer, IID_IPropertyNotifySink);
        ASSERT_TRUE(changes.Connected());
        ASSERT_EQ(PutLong(control.Get(), FLINTOR_DISPID_INTERVAL, 20), S_OK);
        ComPtr<IPictureDisp> strip = MakeStrip(44, 22, 2);
        ASSERT_EQ(PutPicture(control.Get(), FLINTOR_DISPID_ANIPICTURE, strip.Get()), S_OK);
        ASSERT_EQ(PutLong(control.Get(), FLINTOR_DISPID_DESIGNLOCK, 0), S_OK);
    }
    EXPECT_EQ(designer.changed,
              (std::vector<DISPID>{FLINTOR_DISPID_INTERVAL, FLINTOR_DISPID_ANIPICTURE,
                                   FLINTOR_DISPID_DESIGNLOCK}));
    EXPECT_EQ(persist->IsDirty(), S_OK);
    MemoryPropertyBag bag;
    ASSERT_EQ(control.As<IPersistPropertyBag>()->Save(&bag, TRUE, TRUE), S_OK);
    EXPECT_EQ(V_VT(bag.values[L"DesignLock"].Get()), VT_BOOL);
    EXPECT_EQ(V_BOOL(bag.values[L"DesignLock"].Get()), VARIANT_FALSE);
    ole->Close(OLECLOSE_NOSAVE);
    ole->SetClientSite(nullptr);
    EXPECT_EQ(designer.references, 0u);
}

}  // namespace velmora::flintor::test
