// The Flintor control as a COM object.
#include "flintor/win32/FlintorControl.h"

#include <new>
#include <vector>

#include "flintor/FlintorDispatchIds.h"
#include "flintor/FlintorErrors.h"
#include "flintor/StreamPropertyBag.h"
#include "flintor/win32/ComEnumerator.h"
#include "flintor/win32/ComPropertyBag.h"
#include "flintor/win32/ModuleState.h"
#include "flintor/win32/OlePicture.h"
#include "flintor/win32/OlePictureCodec.h"
#include "flintor/win32/resource.h"
#include "platform/win32/Variant.h"

namespace velmora::flintor::win32 {

using velmora::win32::Variant;

namespace {

constexpr wchar_t kErrorSource[] = L"AFlintor.Flintor";
constexpr long kHimetricPerInch = 2540;

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

int PixelsPerInch(bool horizontal) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, horizontal ? LOGPIXELSX : LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

LONG PixelsToHimetric(int pixels, bool horizontal) {
    return MulDiv(pixels, kHimetricPerInch, PixelsPerInch(horizontal));
}

int HimetricToPixels(LONG himetric, bool horizontal) {
    return MulDiv(himetric, PixelsPerInch(horizontal), kHimetricPerInch);
}

template <class Interface>
HRESULT GiveOut(Interface* object, Interface** out) {
    if (!out) return E_POINTER;
    *out = object;
    if (object) object->AddRef();
    return S_OK;
}

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

template <class Action>
HRESULT FlintorControl::Guard(Action&& action) {
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

// ---- IOleObject ---------------------------------------------------------------------------

HRESULT FlintorControl::SetClientSite(IOleClientSite* site) {
    if (!site) InPlaceDeactivate();
    clientSite_ = ComPtr<IOleClientSite>(site);
    return S_OK;
}

HRESULT FlintorControl::GetClientSite(IOleClientSite** site) {
    return GiveOut(clientSite_.Get(), site);
}

HRESULT FlintorControl::Close(DWORD) {
    InPlaceDeactivate();
    timer_.SetEnabled(false);
    return S_OK;
}

HRESULT FlintorControl::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent,
                               LPCRECT position) {
    switch (verb) {
        case OLEIVERB_PRIMARY:
        case OLEIVERB_SHOW:
        case OLEIVERB_INPLACEACTIVATE:
        case OLEIVERB_UIACTIVATE: return Activate(site, parent, position);
        case OLEIVERB_HIDE: surface_.Show(false); return S_OK;
        case OLEIVERB_DISCARDUNDOSTATE: return S_OK;
        default: return OLEOBJ_S_INVALIDVERB;
    }
}

HRESULT FlintorControl::Activate(IOleClientSite* site, HWND parentHint, LPCRECT positionHint) {
    if (surface_.Window()) {
        surface_.Show(true);
        return S_OK;
    }
    ComPtr<IOleClientSite> from(site ? site : clientSite_.Get());
    if (!from) return E_UNEXPECTED;
    HWND parent = parentHint;
    RECT position = positionHint ? *positionHint : RECT{};
    inPlaceSite_ = from.As<IOleInPlaceSite>();
    if (inPlaceSite_) {
        if (inPlaceSite_->CanInPlaceActivate() != S_OK) {
            inPlaceSite_.Reset();
            return E_FAIL;
        }
        inPlaceSite_->OnInPlaceActivate();
        HWND siteWindow = nullptr;
        if (SUCCEEDED(inPlaceSite_->GetWindow(&siteWindow)) && siteWindow) parent = siteWindow;
        ComPtr<IOleInPlaceFrame> frame;
        ComPtr<IOleInPlaceUIWindow> document;
        RECT clip = {};
        OLEINPLACEFRAMEINFO frameInfo = {};
        frameInfo.cb = sizeof frameInfo;
        RECT sitePosition = {};
        if (SUCCEEDED(inPlaceSite_->GetWindowContext(frame.Put(), document.Put(), &sitePosition,
                                                     &clip, &frameInfo)))
            position = sitePosition;
    }
    if (!parent) {
        if (inPlaceSite_) inPlaceSite_->OnInPlaceDeactivate();
        inPlaceSite_.Reset();
        return E_FAIL;
    }
    StartOnce();
    Guard([&] { model_->Resize(); });
    position_ = {position.left, position.top, position.left + surface_.Width(),
                 position.top + surface_.Height()};
    if (!surface_.Create(parent, position.left, position.top)) return E_OUTOFMEMORY;
    surface_.Show(true);
    Guard([&] { model_->Show(); });
    return S_OK;
}

HRESULT FlintorControl::EnumVerbs(IEnumOLEVERB** verbs) {
    return OleRegEnumVerbs(CLSID_Flintor, verbs);
}

HRESULT FlintorControl::GetUserClassID(CLSID* clsid) {
    return GetClassID(clsid);
}

HRESULT FlintorControl::GetUserType(DWORD form, LPOLESTR* name) {
    return OleRegGetUserType(CLSID_Flintor, form, name);
}

HRESULT FlintorControl::SetExtent(DWORD aspect, SIZEL* size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!size) return E_POINTER;
    // The container proposes a size; the control keeps to one cell and reports back.
    surface_.NoteRequestedSize(HimetricToPixels(size->cx, true), HimetricToPixels(size->cy, false));
    return Guard([&] { model_->Resize(); });
}

HRESULT FlintorControl::GetExtent(DWORD aspect, SIZEL* size) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!size) return E_POINTER;
    size->cx = PixelsToHimetric(surface_.Width(), true);
    size->cy = PixelsToHimetric(surface_.Height(), false);
    return S_OK;
}

HRESULT FlintorControl::Advise(IAdviseSink* sink, DWORD* connection) {
    if (!adviseHolder_ && FAILED(CreateOleAdviseHolder(adviseHolder_.Put()))) return E_OUTOFMEMORY;
    return adviseHolder_->Advise(sink, connection);
}

HRESULT FlintorControl::Unadvise(DWORD connection) {
    if (!adviseHolder_) return OLE_E_NOCONNECTION;
    return adviseHolder_->Unadvise(connection);
}

HRESULT FlintorControl::EnumAdvise(IEnumSTATDATA** advises) {
    if (!advises) return E_POINTER;
    *advises = nullptr;
    if (!adviseHolder_) return E_FAIL;
    return adviseHolder_->EnumAdvise(advises);
}

HRESULT FlintorControl::GetMiscStatus(DWORD, DWORD* status) {
    if (!status) return E_POINTER;
    *status = kMiscStatus;
    return S_OK;
}

// ---- In-place object ----------------------------------------------------------------------

HRESULT FlintorControl::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = surface_.Window();
    return *window ? S_OK : E_FAIL;
}

HRESULT FlintorControl::InPlaceDeactivate() {
    if (!surface_.Window()) return S_OK;
    surface_.Destroy();
    if (inPlaceSite_) inPlaceSite_->OnInPlaceDeactivate();
    inPlaceSite_.Reset();
    return S_OK;
}

HRESULT FlintorControl::SetObjectRects(LPCRECT position, LPCRECT) {
    if (!position) return E_POINTER;
    // The control sits where the container puts it, at its own size.
    position_ = {position->left, position->top, position->left + surface_.Width(),
                 position->top + surface_.Height()};
    surface_.MoveTo(position->left, position->top);
    return S_OK;
}

// ---- IOleControl --------------------------------------------------------------------------

HRESULT FlintorControl::GetControlInfo(CONTROLINFO* info) {
    if (!info) return E_POINTER;
    info->hAccel = nullptr;
    info->cAccel = 0;
    info->dwFlags = 0;
    return S_OK;
}

HRESULT FlintorControl::FreezeEvents(BOOL freeze) {
    if (freeze)
        ++frozen_;
    else if (frozen_ > 0)
        --frozen_;
    return S_OK;
}

// ---- IViewObject2 -------------------------------------------------------------------------

HRESULT FlintorControl::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc,
                             LPCRECTL bounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR),
                             ULONG_PTR) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!dc || !bounds) return E_INVALIDARG;
    const RECT area = {bounds->left, bounds->top, bounds->right, bounds->bottom};
    surface_.Paint(dc, area);
    return S_OK;
}

HRESULT FlintorControl::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) {
    viewAspects_ = aspects;
    viewFlags_ = flags;
    viewSink_ = ComPtr<IAdviseSink>(sink);
    return S_OK;
}

HRESULT FlintorControl::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
    if (aspects) *aspects = viewAspects_;
    if (flags) *flags = viewFlags_;
    if (sink) GiveOut(viewSink_.Get(), sink);
    return S_OK;
}

HRESULT FlintorControl::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
    return GetExtent(aspect, size);
}

// ---- Persistence --------------------------------------------------------------------------

HRESULT FlintorControl::GetClassID(CLSID* clsid) {
    if (!clsid) return E_POINTER;
    *clsid = CLSID_Flintor;
    return S_OK;
}

HRESULT FlintorControl::StartOnce() {
    if (started_) return S_FALSE;
    started_ = true;
    return S_OK;
}

HRESULT FlintorControl::InitNew() {
    if (StartOnce() != S_OK) return E_UNEXPECTED;
    return Guard([&] {
        model_->InitProperties();
        model_->Resize();
    });
}

HRESULT FlintorControl::Load(IPropertyBag* bag, IErrorLog*) {
    if (!bag) return E_POINTER;
    if (StartOnce() != S_OK) return E_UNEXPECTED;
    ComPropertyBag properties(bag);
    const HRESULT result = Guard([&] { model_->ReadProperties(properties); });
    if (SUCCEEDED(result)) dirty_ = false;
    return result;
}

HRESULT FlintorControl::Save(IPropertyBag* bag, BOOL clearDirty, BOOL) {
    if (!bag) return E_POINTER;
    ComPropertyBag properties(bag);
    const HRESULT result = Guard([&] { model_->WriteProperties(properties); });
    if (SUCCEEDED(result) && clearDirty) dirty_ = false;
    return result;
}

HRESULT FlintorControl::Load(LPSTREAM stream) {
    if (!stream) return E_POINTER;
    if (StartOnce() != S_OK) return E_UNEXPECTED;
    OlePictureCodec codec;
    StreamPropertyBag properties(codec);
    const HRESULT result = Guard([&] {
        std::vector<std::uint8_t> block(StreamPropertyBag::kHeaderSize);
        ULONG read = 0;
        if (FAILED(stream->Read(block.data(), static_cast<ULONG>(block.size()), &read)) ||
            read != block.size())
            throw InvalidFileFormat();
        const std::size_t payload = StreamPropertyBag::PayloadSize(block.data(), block.size());
        block.resize(block.size() + payload);
        read = 0;
        if (payload && (FAILED(stream->Read(block.data() + StreamPropertyBag::kHeaderSize,
                                            static_cast<ULONG>(payload), &read)) ||
                        read != payload))
            throw InvalidFileFormat();
        properties.Decode(block.data(), block.size());
        model_->ReadProperties(properties);
    });
    if (SUCCEEDED(result)) dirty_ = false;
    return result;
}

HRESULT FlintorControl::Save(LPSTREAM stream, BOOL clearDirty) {
    if (!stream) return E_POINTER;
    OlePictureCodec codec;
    StreamPropertyBag properties(codec);
    const HRESULT result = Guard([&] {
        model_->WriteProperties(properties);
        const std::vector<std::uint8_t> block = properties.Encode();
        ULONG written = 0;
        if (FAILED(stream->Write(block.data(), static_cast<ULONG>(block.size()), &written)) ||
            written != block.size())
            throw RuntimeError(STG_E_WRITEFAULT, "The control could not be saved");
    });
    if (SUCCEEDED(result) && clearDirty) dirty_ = false;
    return result;
}

HRESULT FlintorControl::GetSizeMax(ULARGE_INTEGER* size) {
    if (!size) return E_POINTER;
    OlePictureCodec codec;
    StreamPropertyBag properties(codec);
    return Guard([&] {
        model_->WriteProperties(properties);
        size->QuadPart = properties.Encode().size();
    });
}

// ---- Connection points and class information ----------------------------------------------

HRESULT FlintorControl::EnumConnectionPoints(IEnumConnectionPoints** points) {
    if (!points) return E_POINTER;
    std::vector<IConnectionPoint*> all = {&events_, &propertyNotify_};
    *points = new (std::nothrow) ConnectionPointEnumerator(std::move(all));
    return *points ? S_OK : E_OUTOFMEMORY;
}

HRESULT FlintorControl::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
    if (!point) return E_POINTER;
    *point = nullptr;
    if (IsEqualIID(iid, events_.Iid())) return GiveOut<IConnectionPoint>(&events_, point);
    if (IsEqualIID(iid, propertyNotify_.Iid()))
        return GiveOut<IConnectionPoint>(&propertyNotify_, point);
    return CONNECT_E_NOCONNECTION;
}

HRESULT FlintorControl::GetClassInfo(ITypeInfo** info) {
    return GiveOut(classInfo_.Get(), info);
}

HRESULT FlintorControl::GetGUID(DWORD kind, GUID* guid) {
    if (!guid) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
    *guid = DIID___Flintor;
    return S_OK;
}

}  // namespace velmora::flintor::win32
