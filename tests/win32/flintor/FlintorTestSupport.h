// Helpers of the Flintor.ocx tests under Wine: the library's path and registration, a
// COM apartment, strip pictures, late-bound calls by dispatch id, an event sink, a
// property bag, a designer's client site, message pumping and GDI object counting.
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
#include "flintor/win32/ComPtr.h"

namespace velmora::flintor::test {

using win32::ComPtr;

// Flintor.ocx of this build.
std::string OcxPath();
// Runs regsvr32 on the library with the given switches ("/s", "/u /s"); its exit code.
DWORD RunRegsvr32(const std::string& switches);

// OLE for the calling thread, for one test.
class OleApartment {
public:
    OleApartment() { OleInitialize(nullptr); }
    ~OleApartment() { OleUninitialize(); }
    OleApartment(const OleApartment&) = delete;
    OleApartment& operator=(const OleApartment&) = delete;
};

// A control created by ProgID, as the main program creates it, seen through IDispatch.
ComPtr<IDispatch> CreateByProgId();

// The colour of cell `index` of the test strips: distinct and easy to tell apart.
COLORREF CellColour(int index);
// A strip picture of `width` x `height` pixels whose cells (cut as the control cuts them
// into `cells` squares along the longer side) are filled with CellColour(i).
ComPtr<IPictureDisp> MakeStrip(int width, int height, int cells);
// A picture object that carries no image.
ComPtr<IPictureDisp> MakeEmptyPicture();
// A picture loaded from a bitmap file.
ComPtr<IPictureDisp> LoadPictureFile(const std::string& path);
// The pixel size of an OLE picture's bitmap, and one of its pixels.
SIZE PictureSize(IPictureDisp* picture);
COLORREF PicturePixel(IPictureDisp* picture, int x, int y);
// The reference count of an object, read without changing it.
ULONG RefCount(IUnknown* object);

// The outcome of one late-bound call.
struct CallResult {
    HRESULT hr = S_OK;
    SCODE scode = S_OK;        // the run-time error's code when hr is DISP_E_EXCEPTION
    std::wstring description;  // and its text
    VARIANT value;             // the result of a property read (cleared by the owner)
    CallResult() { VariantInit(&value); }
    ~CallResult() { VariantClear(&value); }
    CallResult(const CallResult&) = delete;
    CallResult(CallResult&& other) noexcept;
    CallResult& operator=(const CallResult&) = delete;
};
CallResult GetProperty(IDispatch* object, DISPID id);
CallResult PutProperty(IDispatch* object, DISPID id, const VARIANT& value, bool byRef = false);
CallResult PutLong(IDispatch* object, DISPID id, LONG value);
CallResult PutPicture(IDispatch* object, DISPID id, IDispatch* picture, bool byRef = true);
CallResult CallMethod(IDispatch* object, DISPID id);
LONG GetLong(IDispatch* object, DISPID id);  // fails the test on error

// Receives the control's events and counts them by dispatch id.
class EventSink final : public IDispatch {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                     EXCEPINFO*, UINT*) override;

    int Count(DISPID id) const;
    ULONG References() const { return references_; }
    std::function<void(DISPID)> onEvent;

private:
    ULONG references_ = 1;
    std::map<DISPID, int> counts_;
};

// Connects `sink` to the control's events; the connection ends with this object.
class EventConnection {
public:
    EventConnection(IUnknown* control, IDispatch* sink);
    ~EventConnection();
    EventConnection(const EventConnection&) = delete;
    EventConnection& operator=(const EventConnection&) = delete;
    bool Connected() const { return cookie_ != 0; }

private:
    ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

// A property bag in memory, as a container keeps one.
class MemoryPropertyBag final : public IPropertyBag {
public:
    ~MemoryPropertyBag();
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override;
    HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* value) override;

    bool Has(const std::wstring& name) const { return values_.count(name) != 0; }
    const VARIANT* Find(const std::wstring& name) const;
    std::vector<std::wstring> Names() const;
    void Set(const std::wstring& name, const VARIANT& value);

private:
    ULONG references_ = 1;
    std::map<std::wstring, VARIANT> values_;
};

// A client site whose ambient UserMode is chosen: false makes the control think it is
// in a designer.
class AmbientSite final : public IOleClientSite, public IDispatch {
public:
    explicit AmbientSite(bool userMode) : userMode_(userMode) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer**) override { return E_NOINTERFACE; }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                     EXCEPINFO*, UINT*) override;

private:
    ULONG references_ = 1;
    bool userMode_;
};

// Dispatches messages for `milliseconds`, or until `done` says so.
void PumpMessages(DWORD milliseconds, const std::function<bool()>& done = {});

// An exported function of `module` with the given signature (null when missing).
template <class Function>
Function ExportOf(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// GDI objects the process holds.
int CountGdiObjects();

}  // namespace velmora::flintor::test
