// Helpers of the Flintor.ocx tests under Wine: the registered control, strip pictures,
// late-bound calls by dispatch id, a test container and a property bag.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Flintor_h.h"
#include "flintor/FlintorDispatchIds.h"
#include "flintor/win32/GdiHandles.h"
#include "platform/win32/ComPtr.h"
#include "platform/win32/OleApartment.h"
#include "platform/win32/Variant.h"
#include "tests/win32/WindowTestSupport.h"

namespace velmora::flintor::test {

using namespace ::velmora::win32;  // ComPtr, Variant, OleApartment and the window helpers

// Every test needs the control registered, as an installed copy would be.
struct RegisteredControl : ::testing::Environment {
    void SetUp() override { ASSERT_EQ(RunRegsvr32("/s"), 0u) << ClipControlPath(); }
};
inline const ::testing::Environment* const registered =
    ::testing::AddGlobalTestEnvironment(new RegisteredControl);

// A control created by ProgID, as the main program creates it, seen through IDispatch.
inline ComPtr<IDispatch> CreateByProgId() {
    CLSID clsid = {};
    ComPtr<IDispatch> control;
    if (SUCCEEDED(CLSIDFromProgID(L"AFlintor.Flintor", &clsid)))
        CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, control.PutVoid());
    return control;
}

inline COLORREF CellColour(int index) {
    return RGB(25 * (index % 10) + 5, 250 - 25 * (index % 10), (index % 10) * 97 % 256);
}

// A `width` x `height` strip whose `cells` cells along its longer side are CellColour(i).
inline ComPtr<IPictureDisp> MakeStrip(int width, int height, int cells) {
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
    PICTDESC desc = {sizeof desc, PICTYPE_BITMAP, {}};
    desc.bmp.hbitmap = bitmap;
    ComPtr<IPictureDisp> picture;
    if (FAILED(OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, picture.PutVoid())))
        DeleteObject(bitmap);
    return picture;
}

inline HBITMAP BitmapOf(IPictureDisp* picture) {
    ComPtr<IPicture> pic;
    OLE_HANDLE handle = 0;
    if (!picture || FAILED(picture->QueryInterface(IID_IPicture, pic.PutVoid())) ||
        FAILED(pic->get_Handle(&handle)))
        return nullptr;
    return reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
}

inline std::string SizeOf(const RECT& rect) {  // "<width>x<height>"
    return std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

inline std::string PictureSize(IPictureDisp* picture) {
    BITMAP info = {};
    HBITMAP bitmap = BitmapOf(picture);
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return "none";
    return SizeOf({0, 0, info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight});
}

inline COLORREF PicturePixel(IPictureDisp* picture, int x, int y) {
    HBITMAP bitmap = BitmapOf(picture);
    if (!bitmap) return CLR_INVALID;
    flintor::win32::MemoryDC dc(nullptr);
    flintor::win32::Selection selected(dc.Get(), bitmap);
    return GetPixel(dc.Get(), x, y);
}

// A run-time error as a caller of IDispatch receives it.
constexpr HRESULT RunTimeError(int number) {
    return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, number);
}

// A late-bound call: its HRESULT, or the run-time error's code when it raised one.
inline HRESULT Invoke(IDispatch* object, DISPID id, WORD flags, VARIANT* argument = nullptr,
                      VARIANT* result = nullptr, std::wstring* description = nullptr) {
    DISPID named = DISPID_PROPERTYPUT;
    const bool put = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    DISPPARAMS params = {argument, put ? &named : nullptr, argument ? 1u : 0u, put ? 1u : 0u};
    EXCEPINFO exception = {};
    HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result,
                                &exception, nullptr);
    if (hr == DISP_E_EXCEPTION) {
        hr = exception.scode;
        if (description && exception.bstrDescription) *description = exception.bstrDescription;
    }
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return hr;
}

inline HRESULT PutLong(IDispatch* object, DISPID id, LONG value) {
    Variant argument;
    argument.SetLong(value);
    return Invoke(object, id, DISPATCH_PROPERTYPUT, argument.Get());
}

inline HRESULT PutPicture(IDispatch* object, DISPID id, IDispatch* picture, bool byRef = true) {
    VARIANT argument;  // borrowed: the caller keeps its reference
    V_VT(&argument) = VT_DISPATCH;
    V_DISPATCH(&argument) = picture;
    return Invoke(object, id, byRef ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT, &argument);
}

inline LONG GetLong(IDispatch* object, DISPID id) {  // fails the test on error
    Variant value;
    EXPECT_EQ(Invoke(object, id, DISPATCH_PROPERTYGET, nullptr, value.Get()), S_OK) << id;
    EXPECT_EQ(VariantChangeType(value.Get(), value.Get(), 0, VT_I4), S_OK) << id;
    return V_I4(value.Get());
}

inline ComPtr<IPictureDisp> GetPicture(IDispatch* object, DISPID id) {
    Variant value;
    ComPtr<IPictureDisp> picture;
    EXPECT_EQ(Invoke(object, id, DISPATCH_PROPERTYGET, nullptr, value.Get()), S_OK) << id;
    if (V_VT(value.Get()) == VT_DISPATCH && V_DISPATCH(value.Get()))
        V_DISPATCH(value.Get())->QueryInterface(IID_IPictureDisp, picture.PutVoid());
    return picture;
}

// The container side of a control: a client site with the ambient UserMode chosen (false
// is a designer), and a sink counting events and recording property changes. Lives on the
// stack, so it must outlive the controls it serves.
class TestContainer final : public IOleClientSite, public IDispatch, public IPropertyNotifySink {
public:
    explicit TestContainer(bool userMode = true) : userMode_(userMode) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
            *out = static_cast<IOleClientSite*>(this);
        else if (IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, DIID___Flintor))
            *out = static_cast<IDispatch*>(this);
        else if (IsEqualIID(iid, IID_IPropertyNotifySink))
            *out = static_cast<IPropertyNotifySink*>(this);
        else
            return *out = nullptr, E_NOINTERFACE;
        return AddRef(), S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer**) override { return E_NOINTERFACE; }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return *count = 0, S_OK; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                     EXCEPINFO*, UINT*) override {
        if (id != DISPID_AMBIENT_USERMODE) return ++events_[id], S_OK;
        if (!result) return E_POINTER;
        V_VT(result) = VT_BOOL;
        V_BOOL(result) = userMode_ ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnChanged(DISPID id) override {
        changed.push_back(id);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }

    int Count(DISPID event) const { return events_.count(event) ? events_.at(event) : 0; }
    ULONG references = 0;
    std::vector<DISPID> changed;

private:
    bool userMode_;
    std::map<DISPID, int> events_;
};

// Connects `sink` to the control's events (or property changes) until this object goes.
class Connection {
public:
    Connection(IUnknown* control, TestContainer& sink, REFIID iid = DIID___Flintor) {
        ComPtr<IConnectionPointContainer> container;
        if (FAILED(control->QueryInterface(IID_IConnectionPointContainer, container.PutVoid())) ||
            FAILED(container->FindConnectionPoint(iid, point_.Put())) ||
            FAILED(point_->Advise(static_cast<IDispatch*>(&sink), &cookie_)))
            cookie_ = 0;
    }
    ~Connection() {
        if (cookie_) point_->Unadvise(cookie_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    bool Connected() const { return cookie_ != 0; }

private:
    ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

// A property bag in memory. Stack only.
class MemoryPropertyBag final : public IPropertyBag {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        const bool ours = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyBag);
        *out = ours ? static_cast<IPropertyBag*>(this) : nullptr;
        return ours ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override {
        const auto it = values.find(name);
        return it == values.end() ? E_INVALIDARG : VariantCopy(value, it->second.Get());
    }
    HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* value) override {
        return VariantCopy(values[name].Get(), value);
    }

    std::map<std::wstring, Variant> values;
};

}  // namespace velmora::flintor::test
