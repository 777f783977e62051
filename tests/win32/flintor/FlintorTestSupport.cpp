// Helpers of the Flintor.ocx tests under Wine.
#include "tests/win32/flintor/FlintorTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "flintor/win32/GdiHandles.h"

namespace velmora::flintor::test {

using flintor::win32::MemoryDC;
using flintor::win32::Selection;

namespace {

// Every test needs the control registered, as an installed copy would be.
class RegisteredControl : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_EQ(RunRegsvr32("/s"), 0u) << ClipControlPath(); }
};

[[maybe_unused]] const ::testing::Environment* const registered =
    ::testing::AddGlobalTestEnvironment(new RegisteredControl);

HBITMAP BitmapOf(IPictureDisp* picture) {
    ComPtr<IPicture> pic;
    OLE_HANDLE handle = 0;
    if (!picture || FAILED(picture->QueryInterface(IID_IPicture, pic.PutVoid())) ||
        FAILED(pic->get_Handle(&handle)))
        return nullptr;
    return reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
}

}  // namespace

ComPtr<IDispatch> CreateByProgId() {
    CLSID clsid = {};
    ComPtr<IDispatch> control;
    if (SUCCEEDED(CLSIDFromProgID(L"AFlintor.Flintor", &clsid)))
        CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, control.PutVoid());
    return control;
}

COLORREF CellColour(int index) {
    return RGB(25 * (index % 10) + 5, 250 - 25 * (index % 10), (index % 10) * 97 % 256);
}

ComPtr<IPictureDisp> MakeStrip(int width, int height, int cells) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return {};
    const bool wide = width > height;
    const int cell = std::max((wide ? width : height) / cells, 1);
    const int stride = (width * 3 + 3) & ~3;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF colour = CellColour((wide ? x : y) / cell);
            BYTE* pixel = static_cast<BYTE*>(bits) + y * stride + x * 3;  // blue, green, red
            pixel[0] = GetBValue(colour);
            pixel[1] = GetGValue(colour);
            pixel[2] = GetRValue(colour);
        }
    }
    GdiFlush();
    return PictureOf(bitmap);
}

ComPtr<IPictureDisp> PictureOf(HBITMAP bitmap) {
    PICTDESC desc = {};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = bitmap ? PICTYPE_BITMAP : PICTYPE_NONE;
    desc.bmp.hbitmap = bitmap;
    ComPtr<IPictureDisp> picture;
    if (FAILED(OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, picture.PutVoid())) &&
        bitmap)
        DeleteObject(bitmap);
    return picture;
}

std::string PictureSize(IPictureDisp* picture) {
    BITMAP info = {};
    HBITMAP bitmap = BitmapOf(picture);
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return "none";
    return SizeOf({0, 0, info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight});
}

std::string SizeOf(const RECT& rect) {
    return std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

COLORREF PicturePixel(IPictureDisp* picture, int x, int y) {
    HBITMAP bitmap = BitmapOf(picture);
    if (!bitmap) return CLR_INVALID;
    MemoryDC dc(nullptr);
    Selection selected(dc.Get(), bitmap);
    return GetPixel(dc.Get(), x, y);
}

HRESULT Invoke(IDispatch* object, DISPID id, WORD flags, VARIANT* argument, VARIANT* result,
               std::wstring* description) {
    DISPID named = DISPID_PROPERTYPUT;
    const bool put = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    DISPPARAMS params = {argument, put ? &named : nullptr, argument ? 1u : 0u, put ? 1u : 0u};
    EXCEPINFO exception = {};
    UINT argumentError = 0;
    HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result,
                                &exception, &argumentError);
    if (hr == DISP_E_EXCEPTION) {
        hr = exception.scode;
        if (description && exception.bstrDescription) *description = exception.bstrDescription;
    }
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return hr;
}

HRESULT PutLong(IDispatch* object, DISPID id, LONG value) {
    Variant argument;
    argument.SetLong(value);
    return Invoke(object, id, DISPATCH_PROPERTYPUT, argument.Get());
}

HRESULT PutBool(IDispatch* object, DISPID id, bool value) {
    Variant argument;
    argument.SetBool(value);
    return Invoke(object, id, DISPATCH_PROPERTYPUT, argument.Get());
}

HRESULT PutPicture(IDispatch* object, DISPID id, IDispatch* picture, bool byRef) {
    VARIANT argument;  // borrowed: the caller keeps its reference
    V_VT(&argument) = VT_DISPATCH;
    V_DISPATCH(&argument) = picture;
    return Invoke(object, id, byRef ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT, &argument);
}

HRESULT CallMethod(IDispatch* object, DISPID id) {
    return Invoke(object, id, DISPATCH_METHOD);
}

LONG GetLong(IDispatch* object, DISPID id) {
    Variant value;
    EXPECT_EQ(Invoke(object, id, DISPATCH_PROPERTYGET, nullptr, value.Get()), S_OK) << id;
    EXPECT_EQ(VariantChangeType(value.Get(), value.Get(), 0, VT_I4), S_OK) << id;
    return V_I4(value.Get());
}

ComPtr<IPictureDisp> GetPicture(IDispatch* object, DISPID id) {
    Variant value;
    ComPtr<IPictureDisp> picture;
    EXPECT_EQ(Invoke(object, id, DISPATCH_PROPERTYGET, nullptr, value.Get()), S_OK) << id;
    if (V_VT(value.Get()) == VT_DISPATCH && V_DISPATCH(value.Get()))
        V_DISPATCH(value.Get())->QueryInterface(IID_IPictureDisp, picture.PutVoid());
    return picture;
}

HRESULT TestContainer::QueryInterface(REFIID iid, void** out) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite)) {
        *out = static_cast<IOleClientSite*>(this);
    } else if (IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, DIID___Flintor)) {
        *out = static_cast<IDispatch*>(this);
    } else if (IsEqualIID(iid, IID_IPropertyNotifySink)) {
        *out = static_cast<IPropertyNotifySink*>(this);
    } else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

HRESULT TestContainer::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                              EXCEPINFO*, UINT*) {
    if (id == DISPID_AMBIENT_USERMODE) {
        if (!result) return E_POINTER;
        V_VT(result) = VT_BOOL;
        V_BOOL(result) = userMode_ ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    }
    ++events_[id];
    if (onEvent) onEvent(id);
    return S_OK;
}

Connection::Connection(IUnknown* control, TestContainer& sink, REFIID iid) {
    ComPtr<IConnectionPointContainer> container;
    if (FAILED(control->QueryInterface(IID_IConnectionPointContainer, container.PutVoid())) ||
        FAILED(container->FindConnectionPoint(iid, point_.Put())) ||
        FAILED(point_->Advise(static_cast<IDispatch*>(&sink), &cookie_)))
        cookie_ = 0;
}

Connection::~Connection() {
    if (cookie_) point_->Unadvise(cookie_);
}

HRESULT MemoryPropertyBag::QueryInterface(REFIID iid, void** out) {
    const bool ours = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyBag);
    *out = ours ? static_cast<IPropertyBag*>(this) : nullptr;
    return ours ? S_OK : E_NOINTERFACE;
}

HRESULT MemoryPropertyBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog*) {
    const auto it = values.find(name);
    if (it == values.end()) return E_INVALIDARG;
    const VARTYPE wanted = V_VT(value);
    VariantInit(value);
    if (wanted == VT_EMPTY) return VariantCopy(value, it->second.Get());
    return VariantChangeType(value, it->second.Get(), 0, wanted);
}

HRESULT MemoryPropertyBag::Write(LPCOLESTR name, VARIANT* value) {
    return VariantCopy(values[name].Get(), value);
}

std::vector<std::wstring> MemoryPropertyBag::Names() const {
    std::vector<std::wstring> names;
    for (const auto& entry : values) names.push_back(entry.first);
    return names;
}

}  // namespace velmora::flintor::test
