// The About box window.
#include "flintor/win32/AboutDialog.h"

#include <commctrl.h>

#include <string>

#include "flintor/AboutAFlintor.h"
#include "flintor/win32/ModuleState.h"
#include "flintor/win32/resource.h"
#include "platform/win32/Win32Shell.h"

namespace velmora::flintor::win32 {

namespace {

// What one open About box keeps: its model and the shell acting for its window.
struct AboutState {
    AboutState() : about(shell) {}
    velmora::win32::Win32Shell shell;
    AboutAFlintor about;
};

void AddToolTip(HWND tips, HWND dialog, int controlId, const std::string& text) {
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, controlId));
    tool.lpszText = const_cast<char*>(text.c_str());
    SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void Initialise(HWND dialog, const AboutAFlintor& about) {
    SetWindowTextA(dialog, about.Caption().c_str());
    SetDlgItemTextA(dialog, IDC_LABEL1, about.Label1().c_str());
    SetDlgItemTextA(dialog, IDC_LABEL2, about.Label2().c_str());
    SetDlgItemTextA(dialog, IDC_LABEL3, about.Label3().c_str());
    SetDlgItemTextA(dialog, IDOK, about.CmdOkCaption().c_str());
    // The tool tip window belongs to the dialog and goes with it.
    HWND tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog,
                                nullptr, ModuleState::Instance(), nullptr);
    if (tips) {
        AddToolTip(tips, dialog, IDC_IMAGE2, about.Image2ToolTip());
        AddToolTip(tips, dialog, IDC_LABEL3, about.Label3ToolTip());
    }
}

}  // namespace

void AboutDialog::ShowModal() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    AboutState state;
    DialogBoxParamA(ModuleState::Instance(), MAKEINTRESOURCEA(IDD_ABOUT), GetActiveWindow(),
                    &DialogProc, reinterpret_cast<LPARAM>(&state));
}

INT_PTR CALLBACK AboutDialog::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<AboutState*>(GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            state = reinterpret_cast<AboutState*>(lParam);
            SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            state->shell.SetOwner(dialog);
            Initialise(dialog, state->about);
            return TRUE;
        case WM_CTLCOLORSTATIC:
            // The e-mail address reads as a link.
            if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == IDC_LABEL3) {
                SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 255));
                SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
                return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
            }
            return FALSE;
        case WM_COMMAND:
            if (!state) break;
            switch (LOWORD(wParam)) {
                case IDC_IMAGE2:
                    if (HIWORD(wParam) == STN_CLICKED) state->about.Image2_Click();
                    return TRUE;
                case IDC_LABEL3:
                    if (HIWORD(wParam) == STN_CLICKED) state->about.Label3_Click();
                    return TRUE;
                case IDOK:
                case IDCANCEL:
                    state->about.cmdOk_Click();
                    EndDialog(dialog, IDOK);
                    return TRUE;
                default: break;
            }
            break;
        case WM_DESTROY: SetWindowLongPtrA(dialog, DWLP_USER, 0); return FALSE;
        default: break;
    }
    return FALSE;
}

}  // namespace velmora::flintor::win32
