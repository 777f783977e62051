// COM sink for a browser's DWebBrowserEvents2 connection point: forwards the quit and
// window-top events to a BrowserEvents receiver.
#include "platform/win32/Win32BrowserEventSink.h"

#include <windows.h>
#include <exdisp.h>
#include <exdispid.h>

namespace velmora::win32 {

HRESULT STDMETHODCALLTYPE Win32BrowserEventSink::QueryInterface(REFIID riid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
        IsEqualIID(riid, __uuidof(DWebBrowserEvents2))) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE Win32BrowserEventSink::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG STDMETHODCALLTYPE Win32BrowserEventSink::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE Win32BrowserEventSink::GetTypeInfoCount(UINT* count) {
    if (count) *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE Win32BrowserEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE Win32BrowserEventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID,
                                                               DISPID*) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE Win32BrowserEventSink::Invoke(DISPID id, REFIID, LCID, WORD,
                                                        DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                                        UINT*) {
    BrowserEvents* target = target_;
    if (!target) return S_OK;
    // Nothing may escape into the browser's call.
    try {
        switch (id) {
            case DISPID_ONQUIT: target->OnQuit(); break;
            case DISPID_WINDOWSETTOP:
                if (params && params->cArgs >= 1) {
                    VARIANT top;
                    VariantInit(&top);
                    if (SUCCEEDED(VariantChangeType(&top, &params->rgvarg[0], 0, VT_I4)))
                        target->WindowSetTop(top.lVal);
                    VariantClear(&top);
                }
                break;
            default: break;
        }
    } catch (...) {
    }
    return S_OK;
}

}  // namespace velmora::win32
