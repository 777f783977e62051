// The start-up floor: a minimal Win32 program that shows one dialog with a list and waits.
// With "/browser N" it first does what the main window's load mandates: it creates the
// browser automation object (an out-of-process server), navigates it to "about:blank" and
// makes it visible; then its list shows N entries. Without arguments: the bare dialog.
#include <windows.h>
#include <exdisp.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/win32/floor/FloorDialogRes.h"

namespace {

INT_PTR CALLBACK FloorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        HWND list = GetDlgItem(dialog, IDC_FLOOR_LIST);
        for (LPARAM i = 0; i < lParam; ++i) {
            char entry[32];
            std::snprintf(entry, sizeof entry, "Entry %ld", static_cast<long>(i + 1));
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
        }
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

// The companion browser, as the main window's load makes it; null when there is none.
IWebBrowser2* StartBrowser() {
    IWebBrowser2* browser = nullptr;
    if (FAILED(CoCreateInstance(CLSID_InternetExplorer, nullptr, CLSCTX_LOCAL_SERVER,
                                IID_IWebBrowser2, reinterpret_cast<void**>(&browser))) ||
        !browser)
        return nullptr;
    VARIANT none;
    VariantInit(&none);
    BSTR blank = SysAllocString(L"about:blank");
    browser->Navigate(blank, &none, &none, &none, &none);
    SysFreeString(blank);
    browser->put_Visible(VARIANT_TRUE);
    return browser;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const char* browserSwitch = commandLine ? std::strstr(commandLine, "/browser") : nullptr;
    LPARAM entries = 0;
    IWebBrowser2* browser = nullptr;
    const bool com = browserSwitch && SUCCEEDED(CoInitialize(nullptr));
    if (browserSwitch) {
        entries = std::atoi(browserSwitch + std::strlen("/browser"));
        if (com) browser = StartBrowser();
    }
    const INT_PTR result =
        DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_FLOOR), nullptr, FloorProc, entries);
    if (browser) browser->Release();
    if (com) CoUninitialize();
    return static_cast<int>(result);
}
