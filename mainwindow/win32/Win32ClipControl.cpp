// The hosted clip control `Flintor1`: the control created by its ProgID in an "AtlAxWin"
// window of the system's ATL host, reached late through IDispatch by dispatch id.
#include "mainwindow/win32/Win32ClipControl.h"

#include "flintor/FlintorDispatchIds.h"
#include "platform/win32/Win32Picture.h"

namespace velmora::win32 {

namespace {

using GetControlFunction = HRESULT(WINAPI*)(HWND, IUnknown**);

// The system's ATL host registers "AtlAxWin" once; its AtlAxGetControl, or null when the
// library is missing. The library stays loaded for the program's run.
GetControlFunction AtlHost() {
    static const GetControlFunction getControl = [] {
        HMODULE atl = LoadLibraryA("atl.dll");
        if (!atl) return GetControlFunction();
        auto init = reinterpret_cast<BOOL(WINAPI*)()>(
            reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxWinInit")));
        if (!init || !init()) return GetControlFunction();
        return reinterpret_cast<GetControlFunction>(
            reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxGetControl")));
    }();
    return getControl;
}

HRESULT Invoke(IDispatch* control, DISPID id, WORD flags, VARIANT* argument) {
    DISPID named = DISPID_PROPERTYPUT;
    const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    DISPPARAMS params = {argument, put ? &named : nullptr, argument ? 1u : 0u, put ? 1u : 0u};
    EXCEPINFO exception = {};
    UINT argumentError = 0;
    const HRESULT hr = control->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, nullptr,
                                       &exception, &argumentError);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return hr;
}

}  // namespace

Win32ClipControl::~Win32ClipControl() {
    Release();
}

void Win32ClipControl::Create(HWND parent, int placeholderId) {
    Release();
    HWND placeholder = GetDlgItem(parent, placeholderId);
    if (!placeholder) return;
    RECT place = {};
    GetWindowRect(placeholder, &place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    const GetControlFunction getControl = AtlHost();
    if (!getControl) return;  // the placeholder stays: an empty place in the window
    // No WS_CLIPSIBLINGS: the group box around the control is above it in the z-order and
    // would clip it away entirely.
    HWND host = CreateWindowExA(0, "AtlAxWin", kProgId, WS_CHILD, place.left, place.top,
                                place.right - place.left, place.bottom - place.top, parent, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (!host) return;
    // The host takes the placeholder's id and its place in the tab order.
    SetWindowPos(host, placeholder, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DestroyWindow(placeholder);
    SetWindowLongPtrA(host, GWLP_ID, placeholderId);
    host_ = host;
    ComPtr<IUnknown> control;
    if (SUCCEEDED(getControl(host, control.Put())) && control) control_ = control.As<IDispatch>();
    ShowWindow(host_, visible_ ? SW_SHOWNA : SW_HIDE);
}

void Win32ClipControl::Release() {
    control_.Reset();
    host_ = nullptr;
}

void Win32ClipControl::SetAniPicture(PicturePtr picture) {
    if (!control_) return;
    const Win32Picture* own = AsWin32Picture(picture);
    ComPtr<IPictureDisp> strip =
        own ? own->Dispatch() : Win32Picture(nullptr).Dispatch();  // none: the empty picture
    if (!strip) return;
    VARIANT argument;  // borrowed: `strip` keeps the reference
    V_VT(&argument) = VT_DISPATCH;
    V_DISPATCH(&argument) = strip.Get();
    Invoke(control_.Get(), FLINTOR_DISPID_ANIPICTURE, DISPATCH_PROPERTYPUTREF, &argument);
}

void Win32ClipControl::Play() {
    if (control_) Invoke(control_.Get(), FLINTOR_DISPID_PLAY, DISPATCH_METHOD, nullptr);
}

void Win32ClipControl::SetVisible(bool visible) {
    // The host shows visible_ from its making on: only a change is sent.
    if (visible == visible_) return;
    visible_ = visible;
    if (host_) ShowWindow(host_, visible ? SW_SHOWNA : SW_HIDE);
}

}  // namespace velmora::win32
