// Helpers of the Flintor.ocx tests under Wine: the library and its registration, OLE,
// strip pictures, late-bound calls by dispatch id, a test container and a property bag.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Flintor_h.h"
#include "flintor/FlintorDispatchIds.h"
#include "platform/win32/ComPtr.h"
#include "platform/win32/OleApartment.h"
#include "platform/win32/Variant.h"
#include "tests/win32/WindowTestSupport.h"

namespace velmora::flintor::test {

using ::velmora::win32::ClipControlPath;
using ::velmora::win32::ComPtr;
using ::velmora::win32::CountGdiObjects;
using ::velmora::win32::OleApartment;
using ::velmora::win32::PumpMessages;
using ::velmora::win32::RunRegsvr32;
using ::velmora::win32::Variant;

// A control created by ProgID, as the main program creates it, seen through IDispatch.
ComPtr<IDispatch> CreateByProgId();

// The colour of cell `index` of the test strips.
COLORREF CellColour(int index);
// A `width` x `height` strip whose `cells` cells along its longer side are CellColour(i).
ComPtr<IPictureDisp> MakeStrip(int width, int height, int cells);
// A picture owning `bitmap`; with no bitmap, a picture object that carries no image.
ComPtr<IPictureDisp> PictureOf(HBITMAP bitmap);
std::string PictureSize(IPictureDisp* picture);  // "<width>x<height>"
// "<width>x<height>" of a window or rectangle.
std::string SizeOf(const RECT& rect);
COLORREF PicturePixel(IPictureDisp* picture, int x, int y);

// A run-time error as a caller of IDispatch receives it.
constexpr HRESULT RunTimeError(int number) {
    return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, number);
}
// A late-bound call: its HRESULT, or the run-time error's code when it raised one.
HRESULT Invoke(IDispatch* object, DISPID id, WORD flags, VARIANT* argument = nullptr,
               VARIANT* result = nullptr, std::wstring* description = nullptr);
HRESULT PutLong(IDispatch* object, DISPID id, LONG value);
HRESULT PutBool(IDispatch* object, DISPID id, bool value);
HRESULT PutPicture(IDispatch* object, DISPID id, IDispatch* picture, bool byRef = true);
HRESULT CallMethod(IDispatch* object, DISPID id);
LONG GetLong(IDispatch* object, DISPID id);  // fails the test on error
ComPtr<IPictureDisp> GetPicture(IDispatch* object, DISPID id);

// The container side of a control: a client site with the ambient UserMode chosen (false
// is a designer), and a sink counting events and recording property changes. Lives on the
// stack, so it must outlive the controls it serves.
class TestContainer final : public IOleClientSite, public IDispatch, public IPropertyNotifySink {
public:
    explicit TestContainer(bool userMode = true) : userMode_(userMode) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
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
                                     EXCEPINFO*, UINT*) override;
    HRESULT STDMETHODCALLTYPE OnChanged(DISPID id) override {
        changed.push_back(id);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }

    int Count(DISPID event) const { return events_.count(event) ? events_.at(event) : 0; }
    ULONG references = 0;
    std::vector<DISPID> changed;
    std::function<void(DISPID)> onEvent;

private:
    bool userMode_;
    std::map<DISPID, int> events_;
};

// Connects `sink` to the control's events (or property changes) until this object goes.
class Connection {
public:
    Connection(IUnknown* control, TestContainer& sink, REFIID iid = DIID___Flintor);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    bool Connected() const { return cookie_ != 0; }

private:
    ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

// A property bag in memory, converting on reads as a container's bag does. Stack only.
class MemoryPropertyBag final : public IPropertyBag {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override;
    HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* value) override;
    std::vector<std::wstring> Names() const;

    std::map<std::wstring, Variant> values;
};

// An exported function of `module` with the given signature (null when missing).
template <class Function>
Function ExportOf(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace velmora::flintor::test
