// The Flintor control as a COM object: its identity, its errors and its dispatch interface
// (properties and methods), and what its model asks of the container. Embedding, drawing,
// persistence and events are in FlintorControlOle.cpp.
#include "flintor/win32/FlintorControl.h"

#include <new>

#include "flintor/FlintorDispatchIds.h"
#include "flintor/FlintorErrors.h"
#include "flintor/win32/ModuleState.h"
#include "flintor/win32/OlePicture.h"
#include "flintor/win32/resource.h"
#include "platform/win32/Variant.h"

namespace velmora::flintor::win32 {

using velmora::win32::Variant;

namespace {

constexpr wchar_t kErrorSource[] = L"AFlintor.Flintor";

// The interfaces the control answers to, each with the base it is reached through. Several
// ids share a base: the older interface is a prefix of the newer one.
struct InterfaceEntry {
    const IID* iid;
    void* (*cast)(FlintorControl* control);
};

template <class Interface>
void* As(FlintorControl* control) {
    return static_cast<Interface*>(control);
}

const InterfaceEntry kInterfaces[] = {
    {&IID_IUnknown, As<_Flintor>},
    {&IID_IDispatch, As<_Flintor>},
    {&IID__Flintor, As<_Flintor>},
    {&IID_IOleObject, As<IOleObject>},
    {&IID_IOleWindow, As<IOleInPlaceObject>},
    {&IID_IOleInPlaceObject, As<IOleInPlaceObject>},
    {&IID_IOleInPlaceActiveObject, As<IOleInPlaceActiveObject>},
    {&IID_IOleControl, As<IOleControl>},
    {&IID_IViewObject, As<IViewObject2>},
    {&IID_IViewObject2, As<IViewObject2>},
    {&IID_IPersistPropertyBag, As<IPersistPropertyBag>},
    {&IID_IPersist, As<IPersistStreamInit>},
    {&IID_IPersistStream, As<IPersistStreamInit>},
    {&IID_IPersistStreamInit, As<IPersistStreamInit>},
    {&IID_IConnectionPointContainer, As<IConnectionPointContainer>},
    {&IID_IProvideClassInfo, As<IProvideClassInfo2>},
    {&IID_IProvideClassInfo2, As<IProvideClassInfo2>},
    {&IID_ISupportErrorInfo, As<ISupportErrorInfo>},
};

void FreeExceptionStrings(EXCEPINFO& exception) {
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    exception = {};
}

}  // namespace

// ---- Construction -----------------------------------------------------------------------

HRESULT FlintorControl::Create(IUnknown* outer, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    FlintorControl* control = nullptr;
    try {
        control = new FlintorControl();
    } catch (...) {
        return E_OUTOFMEMORY;
    }
    if (!control->typeInfo_ || !control->classInfo_) {
        control->Release();
        return TYPE_E_CANTLOADLIBRARY;
    }
    const HRESULT result = control->QueryInterface(iid, out);
    control->Release();
    return result;
}

FlintorControl::FlintorControl()
    : events_(this, DIID___Flintor),
      propertyNotify_(this, IID_IPropertyNotifySink),
      surface_({[this] { OnSurfaceClick(); }, [this] { OnSurfaceResized(); }}),
      timer_([this] { OnTick(); }) {
    ModuleState::ObjectCreated();
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(ModuleState::Instance(), path, MAX_PATH);
    ComPtr<ITypeLib> library;
    if (SUCCEEDED(LoadTypeLibEx(path, REGKIND_NONE, library.Put()))) {
        library->GetTypeInfoOfGuid(IID__Flintor, typeInfo_.Put());
        library->GetTypeInfoOfGuid(CLSID_Flintor, classInfo_.Put());
    }
    Flintor::Ports ports;
    ports.timer = &timer_;
    ports.surface = &surface_;
    ports.container = this;
    ports.about = &about_;
    model_ = std::make_unique<Flintor>(
        ports, OlePicture::FromBitmapResource(ModuleState::Instance(), IDB_STRIP));
}

FlintorControl::~FlintorControl() {
    timer_.SetEnabled(false);
    surface_.Destroy();
    ModuleState::ObjectDestroyed();
}

// ---- IUnknown ---------------------------------------------------------------------------

HRESULT FlintorControl::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    for (const InterfaceEntry& entry : kInterfaces) {
        if (IsEqualIID(iid, *entry.iid)) {
            *out = entry.cast(this);
            AddRef();
            return S_OK;
        }
    }
    return E_NOINTERFACE;
}

ULONG FlintorControl::AddRef() {
    return InterlockedIncrement(&references_);
}

ULONG FlintorControl::Release() {
    const ULONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return left;
}

// ---- Errors -----------------------------------------------------------------------------

HRESULT FlintorControl::Fail(const RuntimeError& error) {
    // Run-time error numbers travel as the control facility's codes (382 becomes
    // 0x800A017E); a number that is already an HRESULT passes as it is.
    const HRESULT result = error.Number() < 0 ? static_cast<HRESULT>(error.Number())
                                              : MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL,
                                                             error.Number() & 0xFFFF);
    const std::string text = error.Description();
    pendingError_ = result;
    pendingDescription_.assign(text.begin(), text.end());
    ComPtr<ICreateErrorInfo> create;
    if (SUCCEEDED(CreateErrorInfo(create.Put()))) {
        create->SetGUID(IID__Flintor);
        create->SetSource(const_cast<LPOLESTR>(kErrorSource));
        create->SetDescription(const_cast<LPOLESTR>(pendingDescription_.c_str()));
        ComPtr<IErrorInfo> info = create.As<IErrorInfo>();
        SetErrorInfo(0, info.Get());
    }
    return result;
}

HRESULT FlintorControl::InterfaceSupportsErrorInfo(REFIID iid) {
    return IsEqualIID(iid, IID__Flintor) ? S_OK : S_FALSE;
}

// ---- IDispatch --------------------------------------------------------------------------

HRESULT FlintorControl::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
}

HRESULT FlintorControl::GetTypeInfo(UINT index, LCID, ITypeInfo** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    return GiveOut(typeInfo_.Get(), out);
}

HRESULT FlintorControl::GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    return DispGetIDsOfNames(typeInfo_.Get(), names, count, ids);
}

HRESULT FlintorControl::Invoke(DISPID id, REFIID iid, LCID, WORD flags, DISPPARAMS* params,
                               VARIANT* result, EXCEPINFO* exception, UINT* argumentError) {
    if (!IsEqualIID(iid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
    // A caller may drop the control from inside a member (an event handler); keep it alive.
    ComPtr<IUnknown> keep(Identity());
    pendingError_ = S_OK;
    EXCEPINFO inner = {};
    const HRESULT invoked = DispInvoke(static_cast<_Flintor*>(this), typeInfo_.Get(), id, flags,
                                       params, result, &inner, argumentError);
    if (pendingError_ == S_OK) {
        if (exception)
            *exception = inner;
        else
            FreeExceptionStrings(inner);
        return invoked;
    }
    // A member raised a run-time error: the late-bound caller gets it as an exception with
    // the error's own code and text.
    FreeExceptionStrings(inner);
    if (exception) {
        *exception = {};
        exception->scode = pendingError_;
        exception->bstrSource = SysAllocString(kErrorSource);
        exception->bstrDescription = SysAllocString(pendingDescription_.c_str());
    }
    pendingError_ = S_OK;
    return DISP_E_EXCEPTION;
}

// ---- _Flintor ---------------------------------------------------------------------------

HRESULT FlintorControl::SetPicture(IPictureDisp* picture) {
    return Guard([&] { model_->SetAniPicture(OlePicture::FromDispatch(picture)); });
}

HRESULT FlintorControl::get_AniPicture(IPictureDisp** picture) {
    const OlePicture* held = OlePicture::Of(model_->AniPicture());
    return GiveOut(held ? held->Dispatch() : nullptr, picture);
}

HRESULT FlintorControl::put_AniPicture(IPictureDisp* picture) {
    return SetPicture(picture);
}

HRESULT FlintorControl::putref_AniPicture(IPictureDisp* picture) {
    return SetPicture(picture);
}

HRESULT FlintorControl::get_DesignLock(VARIANT_BOOL* lock) {
    if (!lock) return E_POINTER;
    return Guard([&] { *lock = model_->DesignLock() ? VARIANT_TRUE : VARIANT_FALSE; });
}

HRESULT FlintorControl::put_DesignLock(VARIANT_BOOL lock) {
    return Guard([&] { model_->SetDesignLock(lock != VARIANT_FALSE); });
}

HRESULT FlintorControl::get_CurrentFrame(IPictureDisp** frame) {
    if (!frame) return E_POINTER;
    *frame = nullptr;
    return Guard([&] {
        const StripCell current = model_->CurrentFrame();
        const OlePicture* strip = OlePicture::Of(current.strip);
        if (!strip) return;
        ComPtr<IPictureDisp> copy = strip->CopyCell(current.cell);
        if (!copy) throw OutOfMemory();
        *frame = copy.Detach();
    });
}

HRESULT FlintorControl::get_BorderStyle(BorderType* style) {
    if (!style) return E_POINTER;
    *style = static_cast<BorderType>(model_->BorderStyle());
    return S_OK;
}

HRESULT FlintorControl::put_BorderStyle(BorderType style) {
    return Guard([&] { model_->SetBorderStyle(style); });
}

HRESULT FlintorControl::Play() {
    return Guard([&] { model_->Play(); });
}

HRESULT FlintorControl::Pause() {
    return Guard([&] { model_->Pause(); });
}

HRESULT FlintorControl::ShowAbout() {
    return Guard([&] { model_->ShowAbout(); });
}

HRESULT FlintorControl::SetIcon(IPictureDisp* icon) {
    return Guard([&] { model_->SetMouseIcon(OlePicture::FromDispatch(icon)); });
}

HRESULT FlintorControl::get_MouseIcon(IPictureDisp** icon) {
    const OlePicture* held = OlePicture::Of(model_->MouseIcon());
    return GiveOut(held ? held->Dispatch() : nullptr, icon);
}

HRESULT FlintorControl::put_MouseIcon(IPictureDisp* icon) {
    return SetIcon(icon);
}

HRESULT FlintorControl::putref_MouseIcon(IPictureDisp* icon) {
    return SetIcon(icon);
}

HRESULT FlintorControl::get_MousePointer(short* pointer) {
    if (!pointer) return E_POINTER;
    *pointer = static_cast<short>(model_->MousePointer());
    return S_OK;
}

HRESULT FlintorControl::put_MousePointer(short pointer) {
    return Guard([&] { model_->SetMousePointer(pointer); });
}

HRESULT FlintorControl::get_Interval(LONG* milliseconds) {
    if (!milliseconds) return E_POINTER;
    *milliseconds = model_->Interval();
    return S_OK;
}

HRESULT FlintorControl::put_Interval(LONG milliseconds) {
    return Guard([&] { model_->SetInterval(milliseconds); });
}

HRESULT FlintorControl::get_BackStyle(BackStyles* style) {
    if (!style) return E_POINTER;
    *style = static_cast<BackStyles>(model_->BackStyle());
    return S_OK;
}

HRESULT FlintorControl::put_BackStyle(BackStyles style) {
    return Guard([&] { model_->SetBackStyle(style); });
}

HRESULT FlintorControl::get_MaskColor(OLE_COLOR* color) {
    if (!color) return E_POINTER;
    *color = model_->MaskColor();
    return S_OK;
}

HRESULT FlintorControl::put_MaskColor(OLE_COLOR color) {
    return Guard([&] { model_->SetMaskColor(color); });
}

HRESULT FlintorControl::get_OLEDropMode(OLEDropModes* mode) {
    if (!mode) return E_POINTER;
    *mode = static_cast<OLEDropModes>(model_->OLEDropMode());
    return S_OK;
}

HRESULT FlintorControl::put_OLEDropMode(OLEDropModes mode) {
    return Guard([&] { model_->SetOLEDropMode(mode); });
}

HRESULT FlintorControl::OLEDrag() {
    model_->OLEDrag();
    return S_OK;
}

// ---- What the model asks of the container ------------------------------------------------

bool FlintorControl::UserMode() const {
    // A container that does not answer is taken to be running the control.
    if (!clientSite_) return true;
    ComPtr<IDispatch> ambient = clientSite_.As<IDispatch>();
    if (!ambient) return true;
    DISPPARAMS none = {};
    Variant value;
    if (FAILED(ambient->Invoke(DISPID_AMBIENT_USERMODE, IID_NULL, LOCALE_USER_DEFAULT,
                               DISPATCH_PROPERTYGET, &none, value.Get(), nullptr, nullptr)))
        return true;
    Variant flag;
    if (FAILED(VariantChangeType(flag.Get(), value.Get(), 0, VT_BOOL))) return true;
    return V_BOOL(flag.Get()) != VARIANT_FALSE;
}

void FlintorControl::PropertyChanged(const std::string& name) {
    dirty_ = true;
    // The type library is the one map from member names to dispatch ids.
    std::wstring wide(name.begin(), name.end());
    LPOLESTR names[] = {&wide[0]};
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(DispGetIDsOfNames(typeInfo_.Get(), names, 1, &id))) id = DISPID_UNKNOWN;
    for (const auto& sink : propertyNotify_.Sinks<IPropertyNotifySink>()) sink->OnChanged(id);
}

void FlintorControl::RaiseFrameChange() {
    Fire(FLINTOR_DISPID_FRAMECHANGE);
}

void FlintorControl::RaiseClick() {
    Fire(FLINTOR_DISPID_CLICK);
}

void FlintorControl::Fire(DISPID event) {
    if (frozen_ > 0) return;
    for (const auto& sink : events_.Sinks<IDispatch>()) {
        DISPPARAMS none = {};
        sink->Invoke(event, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr, nullptr,
                     nullptr);
    }
}

void FlintorControl::OnTick() {
    ComPtr<IUnknown> keep(Identity());
    // A tick has no caller to report to; a failing tick just shows nothing.
    Guard([&] { model_->TimerTick(); });
}

void FlintorControl::OnSurfaceClick() {
    ComPtr<IUnknown> keep(Identity());
    Guard([&] { model_->Click(); });
}

void FlintorControl::OnSurfaceResized() {
    // The control changed its own size: the container learns the new rectangle.
    position_.right = position_.left + surface_.Width();
    position_.bottom = position_.top + surface_.Height();
    if (inPlaceSite_ && surface_.Window() && !reportingSize_) {
        reportingSize_ = true;
        RECT reported = position_;
        inPlaceSite_->OnPosRectChange(&reported);
        reportingSize_ = false;
    }
    if (viewSink_) viewSink_->OnViewChange(DVASPECT_CONTENT, -1);
}

}  // namespace velmora::flintor::win32
