// The Flintor control as its container embeds it: IOleObject, in-place activation,
// IOleControl, drawing for the container, persistence, connection points and class information.
#include <new>
#include <vector>

#include "flintor/FlintorErrors.h"
#include "flintor/StreamPropertyBag.h"
#include "flintor/win32/ComEnumerator.h"
#include "flintor/win32/ComPropertyBag.h"
#include "flintor/win32/FlintorControl.h"
#include "flintor/win32/OlePictureCodec.h"

namespace velmora::flintor::win32 {

namespace {

constexpr long kHimetricPerInch = 2540;

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

}  // namespace

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
