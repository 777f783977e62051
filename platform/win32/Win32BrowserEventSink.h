// COM sink for a browser's DWebBrowserEvents2 connection point: forwards the quit and
// window-top events to a BrowserEvents receiver.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include "platform/Browsers.h"

namespace velmora::win32 {

class Win32BrowserEventSink : public IDispatch {
public:
    explicit Win32BrowserEventSink(BrowserEvents* target) : target_(target) {}

    // Stops forwarding; the browser may still hold a reference for a while.
    void Detach() { target_ = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch: only Invoke is meaningful for an event sink.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO*, UINT*) override;

private:
    virtual ~Win32BrowserEventSink() = default;

    LONG references_ = 1;
    BrowserEvents* target_;
};

}  // namespace velmora::win32
