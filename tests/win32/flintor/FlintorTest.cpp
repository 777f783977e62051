// Flintor.ocx under Wine: unregistered, the program does without it; registered and hosted as the
// program hosts it, it animates its strip on Play, and its state crosses a stream and a bag.
#include <gtest/gtest.h>

#include <map>

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
    ULARGE_INTEGER size = {};
    HGLOBAL memory = nullptr;
    if (FAILED(control->Save(stream.Get(), TRUE)) ||
        FAILED(stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_CUR, &size)) ||
        FAILED(GetHGlobalFromStream(stream.Get(), &memory)))
        return "";
    const std::string bytes(static_cast<const char*>(GlobalLock(memory)), size.LowPart);
    GlobalUnlock(memory);
    return bytes;
}

// A container's property bag, in memory, on the stack.
struct MemoryPropertyBag final : IPropertyBag {
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        return *out = nullptr, E_NOINTERFACE;  // the control only reads and writes it
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog*) override {
        return values_.count(name) ? VariantCopy(value, values_[name].Get()) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* value) override {
        return VariantCopy(values_[name].Get(), value);
    }
    std::map<std::wstring, Variant> values_;
};

TEST(FlintorHosted, IsOptionalShowsTheFirstCellAnimatesOnPlayAndItsStateCrossesAStreamAndABag) {
    OleApartment ole;
    // A window with a placeholder (id 1) where the control goes, as the main window has one.
    HWND frame = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 60, nullptr,
                                 nullptr, nullptr, nullptr);
    CreateWindowExA(0, "STATIC", "", WS_CHILD, 10, 10, 40, 40, frame, reinterpret_cast<HMENU>(1),
                    nullptr, nullptr);
    ASSERT_TRUE(RegisterClipControl(true) && RegisterClipControl(false));
    Win32ClipControl clip;  // unregistered: an empty place, and every call does nothing
    clip.Create(frame, 1);
    clip.Play();
    EXPECT_FALSE(clip.Control() || CreateByProgId());

    ASSERT_TRUE(RegisterClipControl(true));
    clip.Create(frame, 1);
    // Ten cells of 22 x 22, each of its own colour at (3, 3).
    PicturePtr strip =
        Win32Pictures().LoadPicture(VELMORA_SOURCE_DIR "\\flintor\\art\\sample_strip.bmp");
    ASSERT_TRUE(clip.Control() && strip);
    EXPECT_EQ(GetDlgItem(frame, 1), clip.HostWindow());  // in the placeholder's place
    OffscreenCanvas cells(220, 22);
    AsWin32Picture(strip)->Render(cells.Dc(), 0, 0, 220, 22);
    clip.SetAniPicture(strip);
    HWND surface = nullptr;
    ComPtr<IDispatch>(clip.Control()).As<IOleWindow>()->GetWindow(&surface);
    const auto shown = [&] { return GetPixel(WindowDC(surface).Get(), 3, 3); };
    clip.Play();
    PumpMessages(3000, [&] { return shown() != cells.Pixel(3, 3); });
    int cell = 1;
    while (cell < 10 && cells.Pixel(cell * 22 + 3, 3) != shown()) ++cell;
    EXPECT_LT(cell, 10) << "Play did not show another cell of the strip";

    const auto hosted = ComPtr<IDispatch>(clip.Control()).As<IPersistStreamInit>();
    const std::string saved = Saved(hosted.Get());
    ComPtr<IPersistStreamInit> fromStream = CreateByProgId(), fromBag = CreateByProgId();
    EXPECT_TRUE(SUCCEEDED(fromStream->Load(StreamOf(saved).Get())) &&
                Saved(fromStream.Get()) == saved);
    MemoryPropertyBag bag;
    ASSERT_EQ(hosted.As<IPersistPropertyBag>()->Save(&bag, TRUE, TRUE), S_OK);
    EXPECT_TRUE(fromBag.As<IPersistPropertyBag>()->Load(&bag, nullptr) == S_OK &&
                Saved(fromBag.Get()) == saved);
    clip.Release();
    DestroyWindow(frame);
}

}  // namespace
}  // namespace velmora::win32
