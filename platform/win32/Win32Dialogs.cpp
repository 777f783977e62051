// Message boxes through user32 and the hourglass pointer.
#include "platform/win32/Win32Dialogs.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

namespace velmora::win32 {

namespace {

UINT ButtonFlags(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::OkCancel: return MB_OKCANCEL;
        case MsgButtons::YesNo: return MB_YESNO;
        case MsgButtons::YesNoCancel: return MB_YESNOCANCEL;
        case MsgButtons::Ok: break;
    }
    return MB_OK;
}

UINT IconFlags(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Critical: return MB_ICONHAND;
        case MsgIcon::Question: return MB_ICONQUESTION;
        case MsgIcon::Exclamation: return MB_ICONEXCLAMATION;
        case MsgIcon::Information: return MB_ICONASTERISK;
        case MsgIcon::None: break;
    }
    return 0;
}

}  // namespace

MsgAnswer Win32Dialogs::ShowMessage(const MessageRequest& request) {
    UINT flags = ButtonFlags(request.buttons) | IconFlags(request.icon);
    if (request.systemModal) flags |= MB_SYSTEMMODAL;
    switch (MessageBoxA(GetActiveWindow(), request.text.c_str(), request.title.c_str(), flags)) {
        case IDYES: return MsgAnswer::Yes;
        case IDNO: return MsgAnswer::No;
        case IDCANCEL: return MsgAnswer::Cancel;
        default: return MsgAnswer::Ok;
    }
}

namespace {
bool busyPointerShown = false;  // one program, one pointer
}  // namespace

void Win32Dialogs::SetBusyPointer(bool busy) {
    busyPointerShown = busy;
    SetCursor(LoadCursorA(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

bool Win32Dialogs::BusyPointerShown() {
    return busyPointerShown;
}

std::optional<std::string> Win32Dialogs::OpenFile(const OpenFileRequest& request) {
    // The filter's "|" separators become the NULs the dialog expects, ending in two.
    std::string filter = request.filter;
    for (char& c : filter) {
        if (c == '|') c = '\0';
    }
    filter.append(2, '\0');
    std::vector<char> file(MAX_PATH * 4, '\0');
    request.fileName.copy(file.data(), file.size() - 1);

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = request.title.empty() ? nullptr : request.title.c_str();
    // The dialog wants the extension without its dot (".bmp" would give "x..bmp").
    const char* extension = request.defaultExt.c_str();
    if (*extension == '.') ++extension;
    dialog.lpstrDefExt = *extension ? extension : nullptr;
    dialog.lpstrInitialDir = request.initialDir.empty() ? nullptr : request.initialDir.c_str();
    dialog.Flags = request.flags;
    if (!GetOpenFileNameA(&dialog)) return std::nullopt;
    return std::string(file.data());
}

}  // namespace velmora::win32
