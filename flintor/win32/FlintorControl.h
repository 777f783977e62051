// The Flintor control as a COM object: an ActiveX control that a container can host,
// bind late, save and restore. It forwards to the portable model (flintor/Flintor.h) and
// turns the model's run-time errors into HRESULTs with error information.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <memory>
#include <new>
#include <string>

#include "Flintor_h.h"
#include "flintor/ClipContainer.h"
#include "flintor/Flintor.h"
#include "flintor/win32/AboutDialog.h"
#include "flintor/win32/ConnectionPoint.h"
#include "flintor/win32/Win32ClipTimer.h"
#include "flintor/win32/Win32Surface.h"
#include "platform/RuntimeError.h"
#include "platform/win32/ComPtr.h"

namespace velmora::flintor::win32 {

using velmora::win32::ComPtr;
using velmora::win32::GiveOut;

class FlintorControl : public _Flintor,
                       public IOleObject,
                       public IOleInPlaceObject,
                       public IOleInPlaceActiveObject,
                       public IOleControl,
                       public IViewObject2,
                       public IPersistPropertyBag,
                       public IPersistStreamInit,
                       public IConnectionPointContainer,
                       public IProvideClassInfo2,
                       public ISupportErrorInfo,
                       private ClipContainer {
public:
    // What containers should know before they load the control (GetMiscStatus, and the
    // registry's MiscStatus for the content aspect): it is drawn inside out, wants its client
    // site first, and is activated as soon as it is visible.
    static constexpr DWORD kMiscStatus = OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE |
                                         OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE |
                                         OLEMISC_SETCLIENTSITEFIRST;

    // The class factory's CreateInstance.
    static HRESULT Create(IUnknown* outer, REFIID iid, void** out);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch, from the control's own type library.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** out) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception,
                                     UINT* argumentError) override;

    // _Flintor: the published members.
    HRESULT STDMETHODCALLTYPE get_AniPicture(IPictureDisp** picture) override;
    HRESULT STDMETHODCALLTYPE put_AniPicture(IPictureDisp* picture) override;
    HRESULT STDMETHODCALLTYPE putref_AniPicture(IPictureDisp* picture) override;
    HRESULT STDMETHODCALLTYPE get_DesignLock(VARIANT_BOOL* lock) override;
    HRESULT STDMETHODCALLTYPE put_DesignLock(VARIANT_BOOL lock) override;
    HRESULT STDMETHODCALLTYPE get_CurrentFrame(IPictureDisp** frame) override;
    HRESULT STDMETHODCALLTYPE get_BorderStyle(BorderType* style) override;
    HRESULT STDMETHODCALLTYPE put_BorderStyle(BorderType style) override;
    HRESULT STDMETHODCALLTYPE Play() override;
    HRESULT STDMETHODCALLTYPE Pause() override;
    HRESULT STDMETHODCALLTYPE ShowAbout() override;
    HRESULT STDMETHODCALLTYPE get_MouseIcon(IPictureDisp** icon) override;
    HRESULT STDMETHODCALLTYPE put_MouseIcon(IPictureDisp* icon) override;
    HRESULT STDMETHODCALLTYPE putref_MouseIcon(IPictureDisp* icon) override;
    HRESULT STDMETHODCALLTYPE get_MousePointer(short* pointer) override;
    HRESULT STDMETHODCALLTYPE put_MousePointer(short pointer) override;
    HRESULT STDMETHODCALLTYPE get_Interval(LONG* milliseconds) override;
    HRESULT STDMETHODCALLTYPE put_Interval(LONG milliseconds) override;
    HRESULT STDMETHODCALLTYPE get_BackStyle(BackStyles* style) override;
    HRESULT STDMETHODCALLTYPE put_BackStyle(BackStyles style) override;
    HRESULT STDMETHODCALLTYPE get_MaskColor(OLE_COLOR* color) override;
    HRESULT STDMETHODCALLTYPE put_MaskColor(OLE_COLOR color) override;
    HRESULT STDMETHODCALLTYPE get_OLEDropMode(OLEDropModes* mode) override;
    HRESULT STDMETHODCALLTYPE put_OLEDropMode(OLEDropModes mode) override;
    HRESULT STDMETHODCALLTYPE OLEDrag() override;

    // IOleObject
    HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override;
    HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) override;
    HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Close(DWORD saveOption) override;
    HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent,
                                     LPCRECT position) override;
    HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB** verbs) override;
    HRESULT STDMETHODCALLTYPE Update() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE IsUpToDate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* clsid) override;
    HRESULT STDMETHODCALLTYPE GetUserType(DWORD form, LPOLESTR* name) override;
    HRESULT STDMETHODCALLTYPE SetExtent(DWORD aspect, SIZEL* size) override;
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, SIZEL* size) override;
    HRESULT STDMETHODCALLTYPE Advise(IAdviseSink* sink, DWORD* connection) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD connection) override;
    HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA** advises) override;
    HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD aspect, DWORD* status) override;
    HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

    // IOleWindow, IOleInPlaceObject, IOleInPlaceActiveObject
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override;
    HRESULT STDMETHODCALLTYPE UIDeactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT position, LPCRECT clip) override;
    HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG) override { return S_FALSE; }
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }

    // IOleControl
    HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO* info) override;
    HRESULT STDMETHODCALLTYPE OnMnemonic(MSG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL freeze) override;

    // IViewObject2
    HRESULT STDMETHODCALLTYPE Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc,
                                   LPCRECTL bounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR),
                                   ULONG_PTR) override;
    HRESULT STDMETHODCALLTYPE GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC,
                                          LOGPALETTE**) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Freeze(DWORD, LONG, void*, DWORD*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Unfreeze(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
    HRESULT STDMETHODCALLTYPE GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
    HRESULT STDMETHODCALLTYPE GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) override;

    // IPersist, IPersistPropertyBag, IPersistStreamInit
    HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override;
    HRESULT STDMETHODCALLTYPE InitNew() override;
    HRESULT STDMETHODCALLTYPE Load(IPropertyBag* bag, IErrorLog*) override;
    HRESULT STDMETHODCALLTYPE Save(IPropertyBag* bag, BOOL clearDirty, BOOL) override;
    HRESULT STDMETHODCALLTYPE IsDirty() override { return dirty_ ? S_OK : S_FALSE; }
    HRESULT STDMETHODCALLTYPE Load(LPSTREAM stream) override;
    HRESULT STDMETHODCALLTYPE Save(LPSTREAM stream, BOOL clearDirty) override;
    HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) override;

    // IConnectionPointContainer
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

    // IProvideClassInfo2
    HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* guid) override;

    // ISupportErrorInfo
    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override;

private:
    FlintorControl();
    virtual ~FlintorControl();
    FlintorControl(const FlintorControl&) = delete;
    FlintorControl& operator=(const FlintorControl&) = delete;

    // ClipContainer: what the model asks of the container.
    bool UserMode() const override;
    void PropertyChanged(const std::string& name) override;
    void RaiseFrameChange() override;
    void RaiseClick() override;

    // Runs one member: a RuntimeError becomes its HRESULT with error information, and
    // nothing at all escapes to the caller.
    template <class Action>
    HRESULT Guard(Action&& action);
    HRESULT Fail(const RuntimeError& error);
    HRESULT SetPicture(IPictureDisp* picture);
    HRESULT SetIcon(IPictureDisp* icon);
    HRESULT StartOnce();
    HRESULT Activate(IOleClientSite* site, HWND parentHint, LPCRECT positionHint);
    void Fire(DISPID event);
    void OnTick();
    void OnSurfaceClick();
    void OnSurfaceResized();
    IUnknown* Identity() { return static_cast<_Flintor*>(this); }

    LONG references_ = 1;
    ComPtr<ITypeInfo> typeInfo_;
    ComPtr<ITypeInfo> classInfo_;
    ComPtr<IOleClientSite> clientSite_;
    ComPtr<IOleInPlaceSite> inPlaceSite_;
    ComPtr<IOleAdviseHolder> adviseHolder_;
    ComPtr<IAdviseSink> viewSink_;
    DWORD viewAspects_ = 0;
    DWORD viewFlags_ = 0;
    ConnectionPoint events_;
    ConnectionPoint propertyNotify_;
    RECT position_ = {};
    int frozen_ = 0;
    bool dirty_ = false;
    bool started_ = false;
    bool reportingSize_ = false;
    HRESULT pendingError_ = S_OK;  // the run-time error the current member raised
    std::wstring pendingDescription_;

    // The model's ports are built before the model and go after it.
    Win32Surface surface_;
    Win32ClipTimer timer_;
    AboutDialog about_;
    std::unique_ptr<Flintor> model_;
};

template <class Action>
inline HRESULT FlintorControl::Guard(Action&& action) {
    try {
        action();
        return S_OK;
    } catch (const RuntimeError& error) {
        return Fail(error);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

}  // namespace velmora::flintor::win32
