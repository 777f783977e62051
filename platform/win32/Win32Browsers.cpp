// The shell's window collection (ShellWindows) and new browser windows
// (InternetExplorer.Application) through COM, and the message pump for yielding.
#include "platform/win32/Win32Browsers.h"

#include <windows.h>
#include <exdisp.h>

#include "platform/win32/ComPtr.h"
#include "platform/win32/Variant.h"
#include "platform/win32/Win32BrowserWindow.h"

namespace velmora::win32 {

namespace {

// How long the program waits for a new browser to answer. The browser is another program's
// server, which may still be starting (a first start right after the system's): the window
// opens without a companion rather than not at all.
constexpr DWORD kServerAnswerMs = 5000;

// One creation on a worker thread, shared by the caller and the worker; the last of the two
// to let go frees it (and a created object the caller no longer waits for).
struct Creation {
    CLSID clsid;
    DWORD context;
    IID iid;
    LONG refs = 2;
    IStream* marshalled = nullptr;  // the object, for the caller's apartment
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);

    void Release() {
        if (InterlockedDecrement(&refs) != 0) return;
        if (marshalled) {
            CoReleaseMarshalData(marshalled);
            marshalled->Release();
        }
        if (done) CloseHandle(done);
        delete this;
    }
};

DWORD WINAPI Create(void* parameter) {
    auto* creation = static_cast<Creation*>(parameter);
    const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    IUnknown* object = nullptr;
    if (com &&
        SUCCEEDED(CoCreateInstance(creation->clsid, nullptr, creation->context, creation->iid,
                                   reinterpret_cast<void**>(&object))) &&
        object) {
        CoMarshalInterThreadInterfaceInStream(creation->iid, object, &creation->marshalled);
        object->Release();
    }
    SetEvent(creation->done);
    creation->Release();  // while this thread's COM still stands
    if (com) CoUninitialize();
    return 0;
}

// CoCreateInstance of an out-of-process server that gives up after kServerAnswerMs; an object
// made too late is let go. The worker's proxy is marshalled as the server's own reference, so
// the caller's proxy does not depend on the worker's apartment, which ends with it.
template <typename Interface>
ComPtr<Interface> CreateWithin(REFCLSID clsid, DWORD context) {
    ComPtr<Interface> result;
    auto* creation = new Creation{clsid, context, __uuidof(Interface)};
    if (!creation->done) {
        creation->refs = 1;
        creation->Release();
        return result;
    }
    HANDLE thread = CreateThread(nullptr, 0, Create, creation, 0, nullptr);
    if (!thread) {
        creation->refs = 1;
        creation->Release();
        return result;
    }
    CloseHandle(thread);
    DWORD signalled = 0;
    // Waits in the way of the caller's apartment: sent messages are still answered.
    if (CoWaitForMultipleHandles(0, kServerAnswerMs, 1, &creation->done, &signalled) == S_OK &&
        creation->marshalled) {
        CoGetInterfaceAndReleaseStream(creation->marshalled, __uuidof(Interface), result.PutVoid());
        creation->marshalled = nullptr;
    }
    creation->Release();
    return result;
}

}  // namespace

std::vector<std::shared_ptr<BrowserWindow>> Win32Browsers::ShellWindows() {
    std::vector<std::shared_ptr<BrowserWindow>> windows;
    ComPtr<IShellWindows> collection;
    if (FAILED(CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_ALL, __uuidof(IShellWindows),
                                collection.PutVoid())) ||
        !collection)
        return windows;
    LONG count = 0;
    if (FAILED(collection->get_Count(&count)) || count <= 0) return windows;

    // Every item is fetched now; each keeps its own reference to its window, so closing
    // one later does not shift the others.
    for (LONG i = 0; i < count; ++i) {
        Variant index;
        index.SetLong(i);
        ComPtr<IDispatch> item;
        if (FAILED(collection->Item(*index.Get(), item.Put())) || !item) continue;
        auto browser = item.As<IWebBrowser2>();
        if (browser) windows.push_back(std::make_shared<Win32BrowserWindow>(std::move(browser)));
    }
    return windows;
}

std::shared_ptr<BrowserWindow> Win32Browsers::CreateBrowser() {
    ComPtr<IWebBrowser2> browser =
        CreateWithin<IWebBrowser2>(CLSID_InternetExplorer, CLSCTX_LOCAL_SERVER);
    if (!browser) return nullptr;
    return std::make_shared<Win32BrowserWindow>(std::move(browser));
}

void Win32Browsers::YieldToMessageLoop() {
    // Everything but the user's input, which waits in the queue until the step that yields
    // here is over: a click or key must not start another action inside this one.
    constexpr UINT kAllButInput = PM_REMOVE | PM_QS_POSTMESSAGE | PM_QS_PAINT | PM_QS_SENDMESSAGE;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, kAllButInput)) {
        if (message.message == WM_QUIT) {
            // Not ours to swallow: leave it for the loop that owns the program's end.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace velmora::win32
