// Saving and restoring through a container's property bag and through a stream, what a bad
// bag or stream gets back, change notifications, and the designer a client site brings.
#include <gtest/gtest.h>

#include "flintor/Flintor.h"
#include "tests/win32/flintor/FlintorTestSupport.h"

namespace velmora::flintor::test {

namespace {

class FlintorPersistence : public ::testing::Test {
protected:
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
};

}  // namespace

// Which values are saved is the unit tests' (FlintorWriteProperties); here, that they and the
// picture cross a container's bag as VARIANTs.
TEST_F(FlintorPersistence, APropertyBagKeepsValuesOtherThanTheirDefaultsForAFreshControl) {
    ComPtr<IDispatch> original = Fresh();
    ComPtr<IPersistPropertyBag> persist = original.As<IPersistPropertyBag>();
    ASSERT_EQ(persist->InitNew(), S_OK);
    ComPtr<IPictureDisp> strip = MakeStrip(220, 22, 10);
    ASSERT_EQ(PutLong(original.Get(), FLINTOR_DISPID_INTERVAL, 250), S_OK);
    ASSERT_EQ(PutPicture(original.Get(), FLINTOR_DISPID_ANIPICTURE, strip.Get()), S_OK);
    ASSERT_EQ(PutLong(original.Get(), FLINTOR_DISPID_MASKCOLOR, 0x00FF00FF), S_OK);
    MemoryPropertyBag bag;
    ASSERT_EQ(persist->Save(&bag, TRUE, TRUE), S_OK);
    EXPECT_EQ(bag.Names(), (std::vector<std::wstring>{L"AniPicture", L"Interval", L"MaskColor"}));
    EXPECT_EQ(V_VT(bag.values[L"AniPicture"].Get()), VT_DISPATCH);

    auto [copy, loaded] = LoadedFrom(bag);
    ASSERT_EQ(loaded, S_OK);
    EXPECT_EQ(GetLong(copy.Get(), FLINTOR_DISPID_INTERVAL), 250);
    EXPECT_EQ(GetLong(copy.Get(), FLINTOR_DISPID_MASKCOLOR), 0x00FF00FF);
    ComPtr<IPictureDisp> cell = GetPicture(copy.Get(), FLINTOR_DISPID_CURRENTFRAME);
    EXPECT_EQ(PictureSize(cell.Get()), "22x22");
    EXPECT_EQ(PicturePixel(cell.Get(), 3, 3), CellColour(0));
}

TEST_F(FlintorPersistence, ABagWithWrongTypesIsTheContainersErrorNotACrash) {
    struct Row {
        const wchar_t* name;
        VARTYPE type;
        const wchar_t* text;
        HRESULT loaded;
    };
    const Row rows[] = {{L"Interval", VT_BSTR, L"quick", RunTimeError(13)},
                        {L"AniPicture", VT_I4, L"7", RunTimeError(13)},
                        {L"Interval", VT_BSTR, L"250", S_OK}};  // converts, as bags convert
    for (const Row& row : rows) {
        MemoryPropertyBag bag;
        Variant& value = bag.values[row.name];
        value.SetBstr(SysAllocString(row.text));
        ASSERT_EQ(VariantChangeType(value.Get(), value.Get(), 0, row.type), S_OK);
        auto [control, loaded] = LoadedFrom(bag);
        EXPECT_EQ(loaded, row.loaded) << row.name << " " << row.text;
    }
}

TEST_F(FlintorPersistence, AStreamKeepsTheValuesAndThePictureAndDamagedOnesAreRefused) {
    ComPtr<IDispatch> original = Fresh();
    ComPtr<IPictureDisp> strip = MakeStrip(22, 66, 3);
    ASSERT_EQ(PutLong(original.Get(), FLINTOR_DISPID_INTERVAL, 40), S_OK);
    ASSERT_EQ(PutPicture(original.Get(), FLINTOR_DISPID_ANIPICTURE, strip.Get()), S_OK);
    ASSERT_EQ(PutLong(original.Get(), FLINTOR_DISPID_BACKSTYLE, 0), S_OK);
    ComPtr<IPersistStreamInit> persist = original.As<IPersistStreamInit>();
    ComPtr<IStream> stream = StreamOf(nullptr, 0);
    ASSERT_EQ(persist->Save(stream.Get(), TRUE), S_OK);
    ULARGE_INTEGER size = {};
    ASSERT_EQ(persist->GetSizeMax(&size), S_OK);
    STATSTG stat = {};
    stream->Stat(&stat, STATFLAG_NONAME);
    EXPECT_EQ(size.QuadPart, stat.cbSize.QuadPart);

    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    ComPtr<IDispatch> copy = Fresh();
    ComPtr<IPersistStreamInit> load = copy.As<IPersistStreamInit>();
    ASSERT_EQ(load->Load(stream.Get()), S_OK);
    EXPECT_EQ(GetLong(copy.Get(), FLINTOR_DISPID_INTERVAL), 40);
    EXPECT_EQ(GetLong(copy.Get(), FLINTOR_DISPID_BACKSTYLE), 0);
    ComPtr<IPictureDisp> picture = GetPicture(copy.Get(), FLINTOR_DISPID_ANIPICTURE);
    EXPECT_EQ(PictureSize(picture.Get()), "22x66");
    EXPECT_EQ(PicturePixel(picture.Get(), 5, 30), CellColour(1));
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    EXPECT_EQ(load->Load(stream.Get()), E_UNEXPECTED);  // a control loads once

    // A header announcing more than the stream holds (the block's own checks are the unit
    // tests' and the fuzz target's).
    const unsigned char damaged[] = {'F', 'L', 'N', 'T', 1, 0, 1, 0, 200, 0, 0, 0, 9, 'A', 7, 0};
    ComPtr<IDispatch> control = Fresh();
    EXPECT_EQ(control.As<IPersistStreamInit>()->Load(StreamOf(damaged, sizeof damaged).Get()),
              RunTimeError(321));
    EXPECT_EQ(GetLong(control.Get(), FLINTOR_DISPID_INTERVAL), kDefaultInterval);
}

// A designer's client site (ambient UserMode false): the lock reads, unlocking plays, each
// property write is announced, and the unlocked state is saved.
TEST_F(FlintorPersistence, InADesignerTheLockIsReadableUnlockingPlaysAndChangesAreAnnounced) {
    TestContainer designer(/*userMode=*/false);
    ComPtr<IDispatch> control = Fresh();
    ComPtr<IOleObject> ole = control.As<IOleObject>();
    ASSERT_EQ(ole->SetClientSite(&designer), S_OK);
    ComPtr<IPersistStreamInit> persist = control.As<IPersistStreamInit>();
    ASSERT_EQ(persist->InitNew(), S_OK);
    Variant lock;
    ASSERT_EQ(
        Invoke(control.Get(), FLINTOR_DISPID_DESIGNLOCK, DISPATCH_PROPERTYGET, nullptr, lock.Get()),
        S_OK);
    EXPECT_EQ(V_BOOL(lock.Get()), VARIANT_TRUE);
    ASSERT_EQ(persist->Save(StreamOf(nullptr, 0).Get(), TRUE), S_OK);
    EXPECT_EQ(persist->IsDirty(), S_FALSE);
    {
        Connection events(control.Get(), designer);
        Connection changes(control.Get(), designer, IID_IPropertyNotifySink);
        ASSERT_TRUE(events.Connected() && changes.Connected());
        ASSERT_EQ(PutLong(control.Get(), FLINTOR_DISPID_INTERVAL, 20), S_OK);
        ComPtr<IPictureDisp> strip = MakeStrip(44, 22, 2);
        ASSERT_EQ(PutPicture(control.Get(), FLINTOR_DISPID_ANIPICTURE, strip.Get()), S_OK);
        CallMethod(control.Get(), FLINTOR_DISPID_PLAY);  // Play and Pause change no property
        CallMethod(control.Get(), FLINTOR_DISPID_PAUSE);
        PumpMessages(120);
        EXPECT_EQ(designer.Count(FLINTOR_DISPID_FRAMECHANGE), 0);  // locked still
        ASSERT_EQ(PutBool(control.Get(), FLINTOR_DISPID_DESIGNLOCK, false), S_OK);
        PumpMessages(3000, [&] { return designer.Count(FLINTOR_DISPID_FRAMECHANGE) >= 3; });
        EXPECT_GE(designer.Count(FLINTOR_DISPID_FRAMECHANGE), 3);
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
