// The start-up floor: a minimal Win32 program that shows one dialog with a list and waits.
// With "/browser N" it does what the main window's start mandates, bare: it creates the
// browser automation object (an out-of-process server), navigates it to "about:blank" and
// makes it visible; then it shows the main window's own dialog (its template, menu and
// pictures, read from Velmora.exe beside it, under its visual-styles manifest) with N entries
// in its list. Without arguments: the bare dialog of its own.
#include <windows.h>
#include <exdisp.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/win32/floor/FloorDialogRes.h"
#include "mainwindow/win32/MainWindowRes.h"

namespace {

INT_PTR CALLBACK FloorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        HWND list = GetDlgItem(dialog, IDC_FLOOR_LIST);
        ShowWindow(dialog, SW_SHOW);
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

// Velmora.exe of this build, as data: the main window's template and its manifest.
constexpr char kVelmora[] = VELMORA_BUILD_DIR "\\app\\win32\\Velmora.exe";

// Shows the main window's own dialog, modal, under Velmora.exe's manifest (common controls 6).
INT_PTR ShowMainWindowDialog(LPARAM entries) {
    const HMODULE velmora = LoadLibraryExA(kVelmora, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ACTCTXA context = {};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = kVelmora;
    context.lpResourceName = MAKEINTRESOURCEA(1);
    const HANDLE styles = CreateActCtxA(&context);
    ULONG_PTR cookie = 0;
    if (styles != INVALID_HANDLE_VALUE) ActivateActCtx(styles, &cookie);
    const INT_PTR result = velmora ? DialogBoxParamA(velmora, MAKEINTRESOURCEA(IDD_MAINWINDOW),
                                                     nullptr, FloorProc, entries)
                                   : -1;
    if (styles != INVALID_HANDLE_VALUE) {
        DeactivateActCtx(0, cookie);
        ReleaseActCtx(styles);
    }
    if (velmora) FreeLibrary(velmora);
    return result;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const char* browserSwitch = commandLine ? std::strstr(commandLine, "/browser") : nullptr;
    LPARAM entries = 0;
    IWebBrowser2* browser = nullptr;
    const bool com = browserSwitch && SUCCEEDED(CoInitialize(nullptr));
    if (browserSwitch) {
        entries = std::atoi(browserSwitch + std::strlen("/browser"));
        if (com) browser = StartBrowser();
    }
    const INT_PTR result = browserSwitch ? ShowMainWindowDialog(entries)
                                         : DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_FLOOR),
                                                           nullptr, FloorProc, entries);
    if (browser) browser->Release();
    if (com) CoUninitialize();
    return static_cast<int>(result);
}
