// Flintor.ocx under Wine: regsvr32 registers it under its ProgID and takes it away again; hosted
// as the program hosts it, it shows the strip it is handed, animates on Play, and its state
// crosses a container's property bag and a stream and comes back the same.
#include <gtest/gtest.h>

#include <windows.h>
#include <ocidl.h>

#include <map>
#include <string>

#include "platform/win32/ComPtr.h"
#include "platform/win32/GdiScope.h"
#include "platform/win32/OleApartment.h"
#include "platform/win32/Variant.h"
#include "mainwindow/win32/Win32ClipControl.h"
#include "platform/win32/Win32Picture.h"
#include "platform/win32/Win32Pictures.h"
#include "tests/win32/WindowTestSupport.h"

namespace velmora::win32 {
namespace {

// A control created by its ProgID, as the program's host creates it; null when it cannot be.
ComPtr<IPersistStreamInit> CreateByProgId() {
    CLSID clsid = {};
    ComPtr<IPersistStreamInit> control;
    if (SUCCEEDED(CLSIDFromProgID(L"AFlintor.Flintor", &clsid)))
        CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IPersistStreamInit,
                         control.PutVoid());
    return control;
}

ComPtr<IStream> StreamOf(const std::string& bytes) {
    ComPtr<IStream> stream;
    CreateStreamOnHGlobal(nullptr, TRUE, stream.Put());
    stream->Write(bytes.data(), static_cast<ULONG>(bytes.size()), nullptr);
    stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    return stream;
}

// What the control saves to a stream; empty when it saves nothing.
std::string Saved(IPersistStreamInit* control) {
    ComPtr<IStream> stream = StreamOf("");
    STATSTG stat = {};
    HGLOBAL memory = nullptr;
    if (FAILED(control->Save(stream.Get(), TRUE)) || FAILED(stream->Stat(&stat, STATFLAG_NONAME)) ||
        FAILED(GetHGlobalFromStream(stream.Get(), &memory)))
        return "";
    std::string bytes(static_cast<const char*>(GlobalLock(memory)), stat.cbSize.LowPart);
    GlobalUnlock(memory);
    return bytes;
}

// A container's property bag, in memory. Stack only.
class MemoryPropertyBag final : public IPropertyBag {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        const bool ours = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IPropertyBag);
        *out = ours ? static_cast<IPropertyBag*>(this) : nullptr;
        return ours ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override {
        const auto it = values_.find(name);
        return it == values_.end() ? E_INVALIDARG : VariantCopy(value, it->second.Get());
    }
    HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* value) override {
        return VariantCopy(values_[name].Get(), value);
    }

private:
    std::map<std::wstring, Variant> values_;
};

// A window with a placeholder (id 1) where the control goes, as the main window has one.
HWND FrameWithPlaceholder(DWORD shown) {
    HWND frame = CreateWindowExA(0, "STATIC", "", WS_POPUP | shown, 0, 0, 100, 60, nullptr, nullptr,
                                 nullptr, nullptr);
    CreateWindowExA(0, "STATIC", "", WS_CHILD, 10, 10, 40, 40, frame, reinterpret_cast<HMENU>(1),
                    nullptr, nullptr);
    return frame;
}

TEST(FlintorRegistration, RegisteredItIsCreatedByItsProgIdUnregisteredTheProgramDoesWithout) {
    OleApartment ole;
    ASSERT_TRUE(RegisterClipControl(true));
    EXPECT_TRUE(CreateByProgId());
    ASSERT_TRUE(RegisterClipControl(false));
    EXPECT_FALSE(CreateByProgId());
    // The program's window keeps an empty place, and every call does nothing.
    HWND frame = FrameWithPlaceholder(0);
    Win32ClipControl clip;
    clip.Create(frame, 1);
    EXPECT_FALSE(clip.Control());
    clip.SetAniPicture(nullptr);
    clip.Play();
    DestroyWindow(frame);
    EXPECT_TRUE(RegisterClipControl(true));
}

TEST(FlintorHosted, ShowsTheFirstCellAnimatesOnPlayAndItsStateCrossesABagAndAStream) {
    ASSERT_TRUE(RegisterClipControl(true));
    OleApartment ole;
    HWND frame = FrameWithPlaceholder(WS_VISIBLE);
    Win32ClipControl clip;
    clip.Create(frame, 1);
    ASSERT_TRUE(clip.Control());
    EXPECT_EQ(GetDlgItem(frame, 1), clip.HostWindow());  // in the placeholder's place

    // Ten cells of 22 x 22, each of its own colour at (3, 3).
    PicturePtr strip =
        Win32Pictures().LoadPicture(VELMORA_SOURCE_DIR "\\flintor\\art\\sample_strip.bmp");
    ASSERT_TRUE(strip);
    OffscreenCanvas cells(220, 22);
    AsWin32Picture(strip)->Render(cells.Dc(), 0, 0, 220, 22);
    clip.SetAniPicture(strip);
    HWND surface = nullptr;
    ComPtr<IDispatch>(clip.Control()).As<IOleWindow>()->GetWindow(&surface);
    const auto shown = [&] { return GetPixel(WindowDC(surface).Get(), 3, 3); };
    UpdateWindow(frame);
    PumpMessages(300);
    EXPECT_EQ(shown(), cells.Pixel(3, 3));
    clip.Play();
    PumpMessages(3000, [&] { return shown() != cells.Pixel(3, 3); });
    int cell = 1;
    while (cell < 10 && cells.Pixel(cell * 22 + 3, 3) != shown()) ++cell;
    EXPECT_LT(cell, 10) << "Play did not show another cell of the strip";

    const auto hosted = ComPtr<IDispatch>(clip.Control()).As<IPersistStreamInit>();
    const std::string saved = Saved(hosted.Get());
    EXPECT_GT(saved.size(), 220u * 22u * 3u);  // the strip goes with it
    ComPtr<IPersistStreamInit> fromStream = CreateByProgId();
    ASSERT_EQ(fromStream->Load(StreamOf(saved).Get()), S_OK);
    EXPECT_TRUE(Saved(fromStream.Get()) == saved);
    MemoryPropertyBag bag;
    ASSERT_EQ(hosted.As<IPersistPropertyBag>()->Save(&bag, TRUE, TRUE), S_OK);
    ComPtr<IPersistStreamInit> fromBag = CreateByProgId();
    ASSERT_EQ(fromBag.As<IPersistPropertyBag>()->Load(&bag, nullptr), S_OK);
    EXPECT_TRUE(Saved(fromBag.Get()) == saved);
    // A stream cut short is refused.
    EXPECT_HRESULT_FAILED(
        CreateByProgId()->Load(StreamOf(saved.substr(0, saved.size() / 2)).Get()));

    clip.Release();
    DestroyWindow(frame);
}

}  // namespace
}  // namespace velmora::win32
