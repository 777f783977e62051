// Helpers of the Flintor.ocx tests under Wine.
#include "tests/win32/flintor/FlintorTestSupport.h"

#include <gtest/gtest.h>

namespace velmora::flintor::test {

namespace {

// Every test needs the control registered, as an installed copy would be.
class RegisteredControl : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_EQ(RunRegsvr32("/s"), 0u) << OcxPath(); }
};

[[maybe_unused]] const ::testing::Environment* const registered =
    ::testing::AddGlobalTestEnvironment(new RegisteredControl);

CallResult Call(IDispatch* object, DISPID id, WORD flags, DISPPARAMS* params, bool wantResult) {
    CallResult result;
    EXCEPINFO exception = {};
    UINT argumentError = 0;
    result.hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, params,
                               wantResult ? &result.value : nullptr, &exception, &argumentError);
    if (result.hr == DISP_E_EXCEPTION) {
        result.scode = exception.scode;
        if (exception.bstrDescription) result.description = exception.bstrDescription;
    }
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return result;
}

}  // namespace

std::string OcxPath() {
    return VELMORA_BUILD_DIR "\\flintor\\win32\\Flintor.ocx";
}

DWORD RunRegsvr32(const std::string& switches) {
    std::string command = "regsvr32.exe " + switches + " \"" + OcxPath() + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return GetLastError() | 0x80000000u;
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

ComPtr<IDispatch> CreateByProgId() {
    CLSID clsid = {};
    ComPtr<IDispatch> control;
    if (SUCCEEDED(CLSIDFromProgID(L"AFlintor.Flintor", &clsid)))
        CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, control.PutVoid());
    return control;
}

COLORREF CellColour(int index) {
    static const COLORREF colours[] = {RGB(220, 20, 60),  RGB(30, 144, 255), RGB(50, 205, 50),
                                       RGB(255, 215, 0),  RGB(148, 0, 211),  RGB(255, 140, 0),
                                       RGB(0, 206, 209),  RGB(139, 69, 19),  RGB(255, 105, 180),
                                       RGB(112, 128, 144)};
    return colours[index % 10];
}

ComPtr<IPictureDisp> MakeStrip(int width, int height, int cells) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return {};
    const int stride = (width * 3 + 3) & ~3;
    const bool wide = width > height;
    const int cell = wide ? width / cells : height / cells;
    auto* bytes = static_cast<BYTE*>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int index = (wide ? x : y) / (cell > 0 ? cell : 1);
            const COLORREF colour = CellColour(index);
            BYTE* pixel = bytes + y * stride + x * 3;
            pixel[0] = GetBValue(colour);
            pixel[1] = GetGValue(colour);
            pixel[2] = GetRValue(colour);
        }
    }
    GdiFlush();
    PICTDESC desc = {};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = PICTYPE_BITMAP;
    desc.bmp.hbitmap = bitmap;
    ComPtr<IPictureDisp> picture;
    if (FAILED(OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, picture.PutVoid())))
        DeleteObject(bitmap);
    return picture;
}

ComPtr<IPictureDisp> MakeEmptyPicture() {
    PICTDESC desc = {};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = PICTYPE_NONE;
    ComPtr<IPictureDisp> picture;
    OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, picture.PutVoid());
    return picture;
}

ComPtr<IPictureDisp> LoadPictureFile(const std::string& path) {
    auto bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                                  LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!bitmap) return {};
    PICTDESC desc = {};
    desc.cbSizeofstruct = sizeof desc;
    desc.picType = PICTYPE_BITMAP;
    desc.bmp.hbitmap = bitmap;
    ComPtr<IPictureDisp> picture;
    if (FAILED(OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, picture.PutVoid())))
        DeleteObject(bitmap);
    return picture;
}

namespace {

HBITMAP BitmapOf(IPictureDisp* picture) {
    ComPtr<IPicture> pic;
    OLE_HANDLE handle = 0;
    if (!picture || FAILED(picture->QueryInterface(IID_IPicture, pic.PutVoid())) ||
        FAILED(pic->get_Handle(&handle)))
        return nullptr;
    return reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
}

}  // namespace

SIZE PictureSize(IPictureDisp* picture) {
    BITMAP info = {};
    HBITMAP bitmap = BitmapOf(picture);
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return {0, 0};
    return {info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

COLORREF PicturePixel(IPictureDisp* picture, int x, int y) {
    HBITMAP bitmap = BitmapOf(picture);
    if (!bitmap) return CLR_INVALID;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, previous);
    DeleteDC(dc);
    return colour;
}

ULONG RefCount(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

CallResult::CallResult(CallResult&& other) noexcept
    : hr(other.hr),
      scode(other.scode),
      description(std::move(other.description)),
      value(other.value) {
    VariantInit(&other.value);
}

CallResult GetProperty(IDispatch* object, DISPID id) {
    DISPPARAMS none = {};
    return Call(object, id, DISPATCH_PROPERTYGET, &none, true);
}

CallResult PutProperty(IDispatch* object, DISPID id, const VARIANT& value, bool byRef) {
    VARIANT argument = value;  // a shallow copy: the caller keeps ownership
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {&argument, &named, 1, 1};
    return Call(object, id, byRef ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT, &params, false);
}

CallResult PutLong(IDispatch* object, DISPID id, LONG value) {
    VARIANT argument;
    VariantInit(&argument);
    V_VT(&argument) = VT_I4;
    V_I4(&argument) = value;
    return PutProperty(object, id, argument);
}

CallResult PutPicture(IDispatch* object, DISPID id, IDispatch* picture, bool byRef) {
    VARIANT argument;
    VariantInit(&argument);
    V_VT(&argument) = VT_DISPATCH;
    V_DISPATCH(&argument) = picture;
    return PutProperty(object, id, argument, byRef);
}

CallResult CallMethod(IDispatch* object, DISPID id) {
    DISPPARAMS none = {};
    return Call(object, id, DISPATCH_METHOD, &none, false);
}

LONG GetLong(IDispatch* object, DISPID id) {
    CallResult result = GetProperty(object, id);
    EXPECT_EQ(result.hr, S_OK) << "reading dispatch id " << id;
    VARIANT converted;
    VariantInit(&converted);
    if (FAILED(VariantChangeType(&converted, &result.value, 0, VT_I4))) {
        ADD_FAILURE() << "not a number: dispatch id " << id;
        return 0;
    }
    return V_I4(&converted);
}

HRESULT EventSink::QueryInterface(REFIID iid, void** out) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, DIID___Flintor)) {
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG EventSink::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT EventSink::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

HRESULT EventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
    ++counts_[id];
    if (onEvent) onEvent(id);
    return S_OK;
}

int EventSink::Count(DISPID id) const {
    const auto it = counts_.find(id);
    return it == counts_.end() ? 0 : it->second;
}

EventConnection::EventConnection(IUnknown* control, IDispatch* sink) {
    ComPtr<IConnectionPointContainer> container;
    if (FAILED(control->QueryInterface(IID_IConnectionPointContainer, container.PutVoid())) ||
        FAILED(container->FindConnectionPoint(DIID___Flintor, point_.Put())) ||
        FAILED(point_->Advise(sink, &cookie_)))
        cookie_ = 0;
}

EventConnection::~EventConnection() {
    if (cookie_) point_->Unadvise(cookie_);
}

MemoryPropertyBag::~MemoryPropertyBag() {
    for (auto& entry : values_) VariantClear(&entry.second);
}

HRESULT MemoryPropertyBag::QueryInterface(REFIID iid, void** out) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyBag)) {
        *out = static_cast<IPropertyBag*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG MemoryPropertyBag::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT MemoryPropertyBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog*) {
    const auto it = values_.find(name);
    if (it == values_.end()) return E_INVALIDARG;
    const VARTYPE wanted = V_VT(value);
    VariantInit(value);
    if (wanted == VT_EMPTY) return VariantCopy(value, &it->second);
    return VariantChangeType(value, &it->second, 0, wanted);
}

HRESULT MemoryPropertyBag::Write(LPCOLESTR name, VARIANT* value) {
    Set(name, *value);
    return S_OK;
}

void MemoryPropertyBag::Set(const std::wstring& name, const VARIANT& value) {
    VARIANT copy;
    VariantInit(&copy);
    VariantCopy(&copy, const_cast<VARIANT*>(&value));
    auto it = values_.find(name);
    if (it != values_.end()) {
        VariantClear(&it->second);
        it->second = copy;
    } else {
        values_[name] = copy;
    }
}

const VARIANT* MemoryPropertyBag::Find(const std::wstring& name) const {
    const auto it = values_.find(name);
    return it == values_.end() ? nullptr : &it->second;
}

std::vector<std::wstring> MemoryPropertyBag::Names() const {
    std::vector<std::wstring> names;
    for (const auto& entry : values_) names.push_back(entry.first);
    return names;
}

HRESULT AmbientSite::QueryInterface(REFIID iid, void** out) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite)) {
        *out = static_cast<IOleClientSite*>(this);
    } else if (IsEqualIID(iid, IID_IDispatch)) {
        *out = static_cast<IDispatch*>(this);
    } else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG AmbientSite::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT AmbientSite::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

HRESULT AmbientSite::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                            UINT*) {
    if (id != DISPID_AMBIENT_USERMODE || !result) return DISP_E_MEMBERNOTFOUND;
    VariantInit(result);
    V_VT(result) = VT_BOOL;
    V_BOOL(result) = userMode_ ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

void PumpMessages(DWORD milliseconds, const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (done && done()) return;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= milliseconds) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
    }
}

int CountGdiObjects() {
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0) return static_cast<int>(counted);
    // Wine does not count (it answers 0): probe every slot of the handle table instead.
    // A handle whose upper half is 0 names its slot whatever the object's generation.
    int live = 0;
    for (ULONG_PTR slot = 1; slot < 0x10000; ++slot)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0) ++live;
    return live;
}

}  // namespace velmora::flintor::test
