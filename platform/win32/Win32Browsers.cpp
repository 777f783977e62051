// The shell's window collection (ShellWindows) and new browser windows
// (InternetExplorer.Application) through COM, and the message pump for yielding.
#include "platform/win32/Win32Browsers.h"

#include <windows.h>
#include <exdisp.h>

#include "platform/win32/ComPtr.h"
#include "platform/win32/Variant.h"
#include "platform/win32/Win32BrowserWindow.h"

namespace velmora::win32 {

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
    ComPtr<IWebBrowser2> browser;
    if (FAILED(CoCreateInstance(CLSID_InternetExplorer, nullptr, CLSCTX_LOCAL_SERVER,
                                __uuidof(IWebBrowser2), browser.PutVoid())) ||
        !browser)
        return nullptr;
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
