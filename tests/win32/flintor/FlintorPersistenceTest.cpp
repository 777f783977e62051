// Saving and restoring: through a container's property bag and through a stream, what a
// bad bag gets back, and the design-time behaviour a designer's ambient UserMode brings.
#include <gtest/gtest.h>

#include "tests/win32/flintor/FlintorTestSupport.h"

namespace velmora::flintor::test {

namespace {

constexpr HRESULT kTypeMismatch = 0x800A000D;          // 13
constexpr HRESULT kInvalidFileFormat = 0x800A0141;     // 321
constexpr HRESULT kInvalidPropertyValue = 0x800A017C;  // 380

VARIANT Long(LONG value) {
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_I4;
    V_I4(&v) = value;
    return v;
}

class FlintorPersistence : public ::testing::Test {
protected:
    ComPtr<IDispatch> Fresh() {
        ComPtr<IDispatch> control = CreateByProgId();
        EXPECT_TRUE(control);
        return control;
    }
    // A fresh control loaded from `bag`; the Load result in `loaded`.
    ComPtr<IDispatch> LoadedFrom(MemoryPropertyBag* bag, HRESULT* loaded) {
        ComPtr<IDispatch> control = Fresh();
        ComPtr<IPersistPropertyBag> persist =
            control.As<IPersistPropertyBag>(IID_IPersistPropertyBag);
        *loaded = persist ? persist->Load(bag, nullptr) : E_NOINTERFACE;
        return control;
    }

    OleApartment ole_;
};

}  // namespace

TEST_F(FlintorPersistence, APropertyBagKeepsOnlyValuesOtherThanTheirDefaults) {
    ComPtr<IDispatch> control = Fresh();
    ComPtr<IPersistPropertyBag> persist = control.As<IPersistPropertyBag>(IID_IPersistPropertyBag);
    ASSERT_TRUE(persist);
    ASSERT_EQ(persist->InitNew(), S_OK);
    auto* bag = new MemoryPropertyBag();
    ASSERT_EQ(persist->Save(bag, TRUE, TRUE), S_OK);
    EXPECT_EQ(bag->Names(), std::vector<std::wstring>{L"AniPicture"});
    bag->Release();
}

TEST_F(FlintorPersistence, SavedPropertiesLoadIntoAFreshControl) {
    ComPtr<IDispatch> original = Fresh();
    ComPtr<IPictureDisp> strip = MakeStrip(220, 22, 10);
    ASSERT_EQ(PutLong(original.Get(), FLINTOR_DISPID_INTERVAL, 250).hr, S_OK);
    ASSERT_EQ(PutPicture(original.Get(), FLINTOR_DISPID_ANIPICTURE, strip.Get()).hr, S_OK);
    ASSERT_EQ(PutLong(original.Get(), FLINTOR_DISPID_BORDERSTYLE, 1).hr, S_OK);
    ASSERT_EQ(PutLong(original.Get(), FLINTOR_DISPID_MASKCOLOR, 0x00FF00FF).hr, S_OK);
    ComPtr<IPersistPropertyBag> persist = original.As<IPersistPropertyBag>(IID_IPersistPropertyBag);
    auto* bag = new MemoryPropertyBag();
    ASSERT_EQ(persist->Save(bag, TRUE, TRUE), S_OK);
    EXPECT_EQ(V_I4(bag->Find(L"Interval")), 250);
    EXPECT_EQ(V_VT(bag->Find(L"AniPicture")), VT_DISPATCH);
    EXPECT_FALSE(bag->Has(L"BackStyle"));
    EXPECT_FALSE(bag->Has(L"DesignLock"));

    HRESULT loaded = E_FAIL;
    ComPtr<IDispatch> copy = LoadedFrom(bag, &loaded);
    ASSERT_EQ(loaded, S_OK);
    EXPECT_EQ(GetLong(copy.Get(), FLINTOR_DISPID_INTERVAL), 250);
    EXPECT_EQ(GetLong(copy.Get(), FLINTOR_DISPID_BORDERSTYLE), 1);
    EXPECT_EQ(GetLong(copy.Get(), FLINTOR_DISPID_MASKCOLOR), 0x00FF00FF);
    CallResult frame = GetProperty(copy.Get(), FLINTOR_DISPID_CURRENTFRAME);
    ASSERT_EQ(V_VT(&frame.value), VT_DISPATCH);
    ComPtr<IPictureDisp> cell;
    V_DISPATCH(&frame.value)->QueryInterface(IID_IPictureDisp, cell.PutVoid());
    EXPECT_EQ(PictureSize(cell.Get()).cx, 22);
    EXPECT_EQ(PicturePixel(cell.Get(), 3, 3), CellColour(0));
    bag->Release();
}

TEST_F(FlintorPersistence, ABagWithWrongTypesIsTheContainersErrorNotACrash) {
    struct Case {
        const wchar_t* name;
        VARIANT value;
        HRESULT expected;
    };
    VARIANT text;
    VariantInit(&text);
    V_VT(&text) = VT_BSTR;
    V_BSTR(&text) = SysAllocString(L"quick");
    VARIANT number = Long(7);
    std::vector<Case> cases = {{L"Interval", text, kTypeMismatch},
                               {L"AniPicture", number, kTypeMismatch},
                               {L"BorderStyle", number, kInvalidPropertyValue},
                               {L"MousePointer", Long(42), kInvalidPropertyValue}};
    for (const Case& test : cases) {
        auto* bag = new MemoryPropertyBag();
        bag->Set(test.name, test.value);
        HRESULT loaded = S_OK;
        ComPtr<IDispatch> control = LoadedFrom(bag, &loaded);
        EXPECT_EQ(loaded, test.expected) << std::string(test.name, test.name + wcslen(test.name));
        bag->Release();
    }
    VariantClear(&text);

    // A number written as text converts, as a property bag reader converts.
    auto* bag = new MemoryPropertyBag();
    VARIANT digits;
    VariantInit(&digits);
    V_VT(&digits) = VT_BSTR;
    V_BSTR(&digits) = SysAllocString(L"250");
    bag->Set(L"Interval", digits);
    VariantClear(&digits);
    HRESULT loaded = E_FAIL;
    ComPtr<IDispatch> control = LoadedFrom(bag, &loaded);
    EXPECT_EQ(loaded, S_OK);
    EXPECT_EQ(GetLong(control.Get(), FLINTOR_DISPID_INTERVAL), 250);
    bag->Release();
}

TEST_F(FlintorPersistence, AStreamKeepsTheValuesAndThePicture) {
    ComPtr<IDispatch> original = Fresh();
    ComPtr<IPictureDisp> strip = MakeStrip(22, 66, 3);
    ASSERT_EQ(PutLong(original.Get(), FLINTOR_DISPID_INTERVAL, 40).hr, S_OK);
    ASSERT_EQ(PutPicture(original.Get(), FLINTOR_DISPID_ANIPICTURE, strip.Get()).hr, S_OK);
    ASSERT_EQ(PutLong(original.Get(), FLINTOR_DISPID_BACKSTYLE, 0).hr, S_OK);
    ComPtr<IPersistStreamInit> persist = original.As<IPersistStreamInit>(IID_IPersistStreamInit);
    ASSERT_TRUE(persist);
    EXPECT_EQ(persist->IsDirty(), S_OK);
    ComPtr<IStream> stream;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.Put()), S_OK);
    ASSERT_EQ(persist->Save(stream.Get(), TRUE), S_OK);
    EXPECT_EQ(persist->IsDirty(), S_FALSE);
    ULARGE_INTEGER size = {};
    ASSERT_EQ(persist->GetSizeMax(&size), S_OK);
    STATSTG stat = {};
    stream->Stat(&stat, STATFLAG_NONAME);
    EXPECT_EQ(size.QuadPart, stat.cbSize.QuadPart);

    const LARGE_INTEGER start = {};
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    ComPtr<IDispatch> copy = Fresh();
    ComPtr<IPersistStreamInit> load = copy.As<IPersistStreamInit>(IID_IPersistStreamInit);
    ASSERT_EQ(load->Load(stream.Get()), S_OK);
    EXPECT_EQ(GetLong(copy.Get(), FLINTOR_DISPID_INTERVAL), 40);
    EXPECT_EQ(GetLong(copy.Get(), FLINTOR_DISPID_BACKSTYLE), 0);
    CallResult held = GetProperty(copy.Get(), FLINTOR_DISPID_ANIPICTURE);
    ASSERT_EQ(V_VT(&held.value), VT_DISPATCH);
    ComPtr<IPictureDisp> picture;
    V_DISPATCH(&held.value)->QueryInterface(IID_IPictureDisp, picture.PutVoid());
    ASSERT_TRUE(picture);
    EXPECT_EQ(PictureSize(picture.Get()).cy, 66);
    EXPECT_EQ(PicturePixel(picture.Get(), 5, 30), CellColour(1));
    // A control loads once.
    stream->Seek(start, STREAM_SEEK_SET, nullptr);
    EXPECT_EQ(load->Load(stream.Get()), E_UNEXPECTED);
}

TEST_F(FlintorPersistence, ADamagedStreamIsRefused) {
    const unsigned char damaged[][16] = {
        {'F', 'L', 'N', 'T', 1, 0, 1, 0, 200, 0, 0, 0},  // promises more than there is
        {'X', 'L', 'N', 'T', 1, 0, 0, 0, 0, 0, 0, 0},    // not ours
        {'F', 'L', 'N', 'T', 1, 0, 1, 0, 4, 0, 0, 0, 9, 'A', 7,
         0}};  // a name longer than the block
    for (const auto& bytes : damaged) {
        ComPtr<IStream> stream;
        ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.Put()), S_OK);
        stream->Write(bytes, sizeof bytes, nullptr);
        const LARGE_INTEGER start = {};
        stream->Seek(start, STREAM_SEEK_SET, nullptr);
        ComPtr<IDispatch> control = Fresh();
        ComPtr<IPersistStreamInit> load = control.As<IPersistStreamInit>(IID_IPersistStreamInit);
        EXPECT_EQ(load->Load(stream.Get()), kInvalidFileFormat);
        EXPECT_EQ(GetLong(control.Get(), FLINTOR_DISPID_INTERVAL), 100);
    }
}

namespace {

// Records the property change notifications a container receives.
class ChangeSink final : public IPropertyNotifySink {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyNotifySink)) {
            *out = static_cast<IPropertyNotifySink*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE OnChanged(DISPID id) override {
        changed.push_back(id);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }

    std::vector<DISPID> changed;

private:
    ULONG references_ = 1;
};

}  // namespace

TEST_F(FlintorPersistence, EveryPropertyWriteTellsTheContainerItChanged) {
    ComPtr<IDispatch> control = Fresh();
    ComPtr<IPersistStreamInit> persist = control.As<IPersistStreamInit>(IID_IPersistStreamInit);
    ASSERT_EQ(persist->InitNew(), S_OK);
    ComPtr<IStream> stream;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, stream.Put()), S_OK);
    ASSERT_EQ(persist->Save(stream.Get(), TRUE), S_OK);
    EXPECT_EQ(persist->IsDirty(), S_FALSE);

    ComPtr<IConnectionPointContainer> container =
        control.As<IConnectionPointContainer>(IID_IConnectionPointContainer);
    ComPtr<IConnectionPoint> point;
    ASSERT_EQ(container->FindConnectionPoint(IID_IPropertyNotifySink, point.Put()), S_OK);
    auto* sink = new ChangeSink();
    DWORD cookie = 0;
    ASSERT_EQ(point->Advise(sink, &cookie), S_OK);
    ASSERT_EQ(PutLong(control.Get(), FLINTOR_DISPID_INTERVAL, 70).hr, S_OK);
    ASSERT_EQ(PutLong(control.Get(), FLINTOR_DISPID_BACKSTYLE, 0).hr, S_OK);
    ComPtr<IPictureDisp> strip = MakeStrip(44, 22, 2);
    ASSERT_EQ(PutPicture(control.Get(), FLINTOR_DISPID_ANIPICTURE, strip.Get()).hr, S_OK);
    EXPECT_EQ(sink->changed, (std::vector<DISPID>{FLINTOR_DISPID_INTERVAL, FLINTOR_DISPID_BACKSTYLE,
                                                  FLINTOR_DISPID_ANIPICTURE}));
    EXPECT_EQ(persist->IsDirty(), S_OK);
    // Play and Pause change no property.
    CallMethod(control.Get(), FLINTOR_DISPID_PLAY);
    CallMethod(control.Get(), FLINTOR_DISPID_PAUSE);
    EXPECT_EQ(sink->changed.size(), 3u);
    ASSERT_EQ(point->Unadvise(cookie), S_OK);
    EXPECT_EQ(point->Unadvise(cookie), CONNECT_E_NOCONNECTION);
    sink->Release();
}

TEST_F(FlintorPersistence, InADesignerTheLockIsReadableAndUnlockingPlays) {
    ComPtr<IDispatch> control = Fresh();
    auto* site = new AmbientSite(/*userMode=*/false);
    ComPtr<IOleObject> ole = control.As<IOleObject>(IID_IOleObject);
    ASSERT_EQ(ole->SetClientSite(site), S_OK);
    ComPtr<IPersistStreamInit> persist = control.As<IPersistStreamInit>(IID_IPersistStreamInit);
    ASSERT_EQ(persist->InitNew(), S_OK);

    CallResult lock = GetProperty(control.Get(), FLINTOR_DISPID_DESIGNLOCK);
    ASSERT_EQ(lock.hr, S_OK);
    EXPECT_EQ(V_BOOL(&lock.value), VARIANT_TRUE);

    auto* sink = new EventSink();
    {
        EventConnection connection(control.Get(), sink);
        ASSERT_EQ(PutLong(control.Get(), FLINTOR_DISPID_INTERVAL, 20).hr, S_OK);
        ComPtr<IPictureDisp> strip = MakeStrip(44, 22, 2);
        ASSERT_EQ(PutPicture(control.Get(), FLINTOR_DISPID_ANIPICTURE, strip.Get()).hr, S_OK);
        PumpMessages(120);
        EXPECT_EQ(sink->Count(FLINTOR_DISPID_FRAMECHANGE), 0);  // locked still

        VARIANT unlocked;
        VariantInit(&unlocked);
        V_VT(&unlocked) = VT_BOOL;
        V_BOOL(&unlocked) = VARIANT_FALSE;
        ASSERT_EQ(PutProperty(control.Get(), FLINTOR_DISPID_DESIGNLOCK, unlocked).hr, S_OK);
        PumpMessages(3000, [&] { return sink->Count(FLINTOR_DISPID_FRAMECHANGE) >= 3; });
        EXPECT_GE(sink->Count(FLINTOR_DISPID_FRAMECHANGE), 3);

        // Saved in the designer, the unlocked state is kept.
        auto* bag = new MemoryPropertyBag();
        ComPtr<IPersistPropertyBag> save = control.As<IPersistPropertyBag>(IID_IPersistPropertyBag);
        ASSERT_EQ(save->Save(bag, TRUE, TRUE), S_OK);
        ASSERT_TRUE(bag->Has(L"DesignLock"));
        EXPECT_EQ(V_BOOL(bag->Find(L"DesignLock")), VARIANT_FALSE);
        bag->Release();
    }
    ole->Close(OLECLOSE_NOSAVE);
    ole->SetClientSite(nullptr);
    EXPECT_EQ(site->Release(), 0u);
    sink->Release();
}

}  // namespace velmora::flintor::test
