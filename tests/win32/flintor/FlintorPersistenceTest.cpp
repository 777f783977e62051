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

// Which values are saved is the unit tests'; here, that they and the picture cross a
// container's bag as VARIANTs and a stream in the picture's own encoding, and what a bag of
// wrong types, a damaged stream or a second load get back.
TEST_F(FlintorPersistence, ValuesAndThePictureCrossABagAndAStreamAndBadOnesAreRefused) {
    ComPtr<IDispatch> original = Fresh();
    ComPtr<IPictureDisp> strip = MakeStrip(22, 66, 3);
    ASSERT_EQ(PutLong(original.Get(), FLINTOR_DISPID_INTERVAL, 250), S_OK);
    ASSERT_EQ(PutPicture(original.Get(), FLINTOR_DISPID_ANIPICTURE, strip.Get()), S_OK);
    MemoryPropertyBag bag;
    ASSERT_EQ(original.As<IPersistPropertyBag>()->Save(&bag, TRUE, TRUE), S_OK);
    EXPECT_EQ(V_VT(bag.values[L"AniPicture"].Get()), VT_DISPATCH);
    ComPtr<IPersistStreamInit> persist = original.As<IPersistStreamInit>();
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
