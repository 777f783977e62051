// The calls this program's own code makes to one window and its controls, caught at the
// program's import table; a window's look; and the least control work giving a look.
#include "bench/win32/ControlCalls.h"

#include <set>
#include <utility>

namespace velmora::bench {

namespace {

using SendMessageFunction = LRESULT(WINAPI*)(HWND, UINT, WPARAM, LPARAM);
using SetWindowTextFunction = BOOL(WINAPI*)(HWND, LPCSTR);
using EnableWindowFunction = BOOL(WINAPI*)(HWND, BOOL);
using ShowWindowFunction = BOOL(WINAPI*)(HWND, int);
using InvalidateRectFunction = BOOL(WINAPI*)(HWND, const RECT*, BOOL);
using GetWindowTextFunction = int(WINAPI*)(HWND, LPSTR, int);
using GetWindowTextLengthFunction = int(WINAPI*)(HWND);
using IsWindowEnabledFunction = BOOL(WINAPI*)(HWND);

// user32 itself, reached past the import table.
struct Originals {
    SendMessageFunction sendMessage = nullptr;
    SetWindowTextFunction setWindowText = nullptr;
    EnableWindowFunction enableWindow = nullptr;
    ShowWindowFunction showWindow = nullptr;
    InvalidateRectFunction invalidateRect = nullptr;
    GetWindowTextFunction getWindowText = nullptr;
    GetWindowTextLengthFunction getWindowTextLength = nullptr;
    IsWindowEnabledFunction isWindowEnabled = nullptr;
} original;

CallLog* activeLog = nullptr;
HWND activeWindow = nullptr;

bool Ours(HWND target) {
    return activeLog && activeLog->Recording() && target &&
           (target == activeWindow || IsChild(activeWindow, target));
}

void Add(CallLog::Kind kind, HWND window, UINT message = 0, WPARAM wParam = 0, LPARAM lParam = 0,
         std::uint32_t number = 0) {
    CallLog::Call call;
    call.kind = kind;
    call.window = window;
    call.message = message;
    call.wParam = wParam;
    call.lParam = lParam;
    call.number = number;
    activeLog->Add(std::move(call));
}

// Messages that only read a control.
bool IsQuery(UINT message) {
    switch (message) {
        case WM_GETTEXT:
        case WM_GETTEXTLENGTH:
        case WM_GETFONT:
        case WM_GETDLGCODE:
        case BM_GETCHECK:
        case BM_GETSTATE:
        case EM_GETSEL:
        case EM_GETLINECOUNT:
        case EM_GETMODIFY:
        case LB_GETCURSEL:
        case LB_GETCOUNT:
        case LB_GETTEXT:
        case LB_GETTEXTLEN:
        case LB_GETSEL:
        case LB_GETTOPINDEX:
        case LB_FINDSTRING:
        case LB_FINDSTRINGEXACT:
        case CB_GETCURSEL:
        case CB_GETCOUNT:
        case CB_GETLBTEXT:
        case CB_GETLBTEXTLEN:
        case CB_GETEDITSEL:
        case CB_GETDROPPEDSTATE:
        case CB_FINDSTRING:
        case CB_FINDSTRINGEXACT: return true;
        default: return false;
    }
}

// Messages whose lParam is a text.
bool TakesText(UINT message) {
    switch (message) {
        case WM_SETTEXT:
        case EM_REPLACESEL:
        case LB_ADDSTRING:
        case LB_INSERTSTRING:
        case CB_ADDSTRING:
        case CB_INSERTSTRING: return true;
        default: return false;
    }
}

LRESULT WINAPI CaughtSendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The click that sets the work off is the user's; a notification is the system's.
    if (message != WM_COMMAND && message != WM_NOTIFY && Ours(window)) {
        CallLog::Call call;
        call.kind = IsQuery(message) ? CallLog::Kind::Query : CallLog::Kind::Message;
        call.window = window;
        call.message = message;
        call.wParam = wParam;
        call.lParam = lParam;
        if (call.kind == CallLog::Kind::Message && TakesText(message) && lParam) {
            call.name = reinterpret_cast<const char*>(lParam);
            call.textArgument = true;
        }
        activeLog->Add(std::move(call));
    }
    return original.sendMessage(window, message, wParam, lParam);
}

BOOL WINAPI CaughtSetWindowText(HWND window, LPCSTR text) {
    if (Ours(window)) {
        CallLog::Call call;
        call.kind = CallLog::Kind::SetText;
        call.window = window;
        call.name = text ? text : "";
        activeLog->Add(std::move(call));
    }
    return original.setWindowText(window, text);
}

BOOL WINAPI CaughtEnableWindow(HWND window, BOOL enable) {
    if (Ours(window)) Add(CallLog::Kind::Enable, window, 0, 0, 0, enable ? 1 : 0);
    return original.enableWindow(window, enable);
}

BOOL WINAPI CaughtShowWindow(HWND window, int command) {
    if (Ours(window))
        Add(CallLog::Kind::Show, window, 0, 0, 0, static_cast<std::uint32_t>(command));
    return original.showWindow(window, command);
}

BOOL WINAPI CaughtInvalidateRect(HWND window, const RECT* rect, BOOL erase) {
    if (Ours(window)) Add(CallLog::Kind::Invalidate, window, 0, 0, 0, erase ? 1 : 0);
    return original.invalidateRect(window, rect, erase);
}

int WINAPI CaughtGetWindowText(HWND window, LPSTR text, int size) {
    if (Ours(window)) Add(CallLog::Kind::Query, window, WM_GETTEXT);
    return original.getWindowText(window, text, size);
}

int WINAPI CaughtGetWindowTextLength(HWND window) {
    if (Ours(window)) Add(CallLog::Kind::Query, window, WM_GETTEXTLENGTH);
    return original.getWindowTextLength(window);
}

BOOL WINAPI CaughtIsWindowEnabled(HWND window) {
    if (Ours(window)) Add(CallLog::Kind::Query, window);
    return original.isWindowEnabled(window);
}

// Points every slot of this program's import table that holds user32's `name` at
// replacement; the function itself goes to *real. False when no slot held it.
template <class Function>
bool Redirect(const char* name, Function replacement, Function* real) {
    *real = reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), name)));
    if (!*real) return false;
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (!imports.VirtualAddress) return false;
    bool redirected = false;
    for (auto* library =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         library->Name; ++library) {
        for (auto* slot = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk);
             slot->u1.Function; ++slot) {
            if (slot->u1.Function != reinterpret_cast<ULONG_PTR>(*real)) continue;
            DWORD protection = 0;
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, PAGE_READWRITE,
                           &protection);
            slot->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&slot->u1.Function, sizeof slot->u1.Function, protection, &protection);
            redirected = true;
        }
    }
    return redirected;
}

// Redirected once, for the program's run; without a recording the calls pass straight on.
bool RedirectOnce() {
    static const bool redirected = [] {
        bool all = Redirect("SendMessageA", &CaughtSendMessage, &original.sendMessage);
        all &= Redirect("SetWindowTextA", &CaughtSetWindowText, &original.setWindowText);
        all &= Redirect("EnableWindow", &CaughtEnableWindow, &original.enableWindow);
        all &= Redirect("ShowWindow", &CaughtShowWindow, &original.showWindow);
        all &= Redirect("InvalidateRect", &CaughtInvalidateRect, &original.invalidateRect);
        all &= Redirect("GetWindowTextA", &CaughtGetWindowText, &original.getWindowText);
        all &= Redirect("GetWindowTextLengthA", &CaughtGetWindowTextLength,
                        &original.getWindowTextLength);
        all &= Redirect("IsWindowEnabled", &CaughtIsWindowEnabled, &original.isWindowEnabled);
        return all;
    }();
    return redirected;
}

// The property of a control that a change sets; None for one that is not a property.
enum class Property { None, Text, Enabled, Visible, Check, Selection, Font, Current, Paint };

Property PropertyOf(const CallLog::Call& call) {
    switch (call.kind) {
        case CallLog::Kind::SetText: return Property::Text;
        case CallLog::Kind::Enable: return Property::Enabled;
        case CallLog::Kind::Show: return Property::Visible;
        case CallLog::Kind::Invalidate: return Property::Paint;
        case CallLog::Kind::Message:
            switch (call.message) {
                case WM_SETTEXT: return Property::Text;
                case BM_SETCHECK: return Property::Check;
                case EM_SETSEL: return Property::Selection;
                case WM_SETFONT: return Property::Font;
                case LB_SETCURSEL:
                case CB_SETCURSEL: return Property::Current;
                default: return Property::None;
            }
        default: return Property::None;
    }
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

ControlState StateOf(HWND window) {
    ControlState state;
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
    state.text = text;
    state.enabled = IsWindowEnabled(window) != FALSE;
    state.visible = (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
    state.font = SendMessageA(window, WM_GETFONT, 0, 0);
    const std::string kind = ClassOf(window);
    if (lstrcmpiA(kind.c_str(), "Button") == 0)
        state.check = SendMessageA(window, BM_GETCHECK, 0, 0);
    if (lstrcmpiA(kind.c_str(), "Edit") == 0)
        SendMessageA(window, EM_GETSEL, reinterpret_cast<WPARAM>(&state.selStart),
                     reinterpret_cast<LPARAM>(&state.selEnd));
    if (lstrcmpiA(kind.c_str(), "ListBox") == 0)
        state.current = SendMessageA(window, LB_GETCURSEL, 0, 0);
    if (lstrcmpiA(kind.c_str(), "ComboBox") == 0)
        state.current = SendMessageA(window, CB_GETCURSEL, 0, 0);
    return state;
}

BOOL CALLBACK AddState(HWND window, LPARAM snapshot) {
    (*reinterpret_cast<WindowSnapshot*>(snapshot))[window] = StateOf(window);
    return TRUE;
}

}  // namespace

ControlCalls::ControlCalls(HWND window, CallLog& log) {
    hooked_ = RedirectOnce();
    activeLog = &log;
    activeWindow = window;
}

ControlCalls::~ControlCalls() {
    activeLog = nullptr;
    activeWindow = nullptr;
}

WindowSnapshot Snapshot(HWND window) {
    WindowSnapshot snapshot;
    snapshot[window] = StateOf(window);
    EnumChildWindows(window, AddState, reinterpret_cast<LPARAM>(&snapshot));
    return snapshot;
}

void KeepLeastControlWork(CallLog& log, const WindowSnapshot& before, bool dropProfile) {
    const std::vector<CallLog::Call>& calls = log.Calls();
    std::map<std::pair<HWND, Property>, std::size_t> last;
    std::set<HWND> comboReset, listChanged;
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const CallLog::Call& call = calls[i];
        const Property property = PropertyOf(call);
        if (property != Property::None) last[{call.window, property}] = i;
        if (call.kind != CallLog::Kind::Message) continue;
        // A combo box's reset empties its text; a list's change of entries its selection.
        if (call.message == CB_RESETCONTENT) comboReset.insert(call.window);
        if (call.message == CB_RESETCONTENT || call.message == CB_DELETESTRING ||
            call.message == LB_RESETCONTENT || call.message == LB_DELETESTRING)
            listChanged.insert(call.window);
    }
    std::set<HWND> textSet;  // a text set puts an edit box's selection at its start
    for (const auto& [place, index] : last)
        if (place.second == Property::Text) textSet.insert(place.first);

    log.Keep([&](std::size_t i, const CallLog::Call& call) {
        if (call.kind == CallLog::Kind::Query) return false;
        if (call.kind == CallLog::Kind::Profile) return !dropProfile;
        const Property property = PropertyOf(call);
        if (property == Property::None) return true;
        if (last[{call.window, property}] != i) return false;
        const auto was = before.find(call.window);
        if (was == before.end()) return true;
        const ControlState& state = was->second;
        const bool setsText = textSet.count(call.window) != 0;
        switch (property) {
            case Property::Text:
                return call.name != (comboReset.count(call.window) ? std::string() : state.text);
            case Property::Enabled: return (call.number != 0) != state.enabled;
            case Property::Visible: return (call.number != SW_HIDE) != state.visible;
            case Property::Check: return static_cast<LRESULT>(call.wParam) != state.check;
            case Property::Selection:
                return call.wParam != (setsText ? 0 : state.selStart) ||
                       static_cast<DWORD>(call.lParam) != (setsText ? 0 : state.selEnd);
            case Property::Font: return static_cast<LRESULT>(call.wParam) != state.font;
            case Property::Current:
                return static_cast<LRESULT>(static_cast<int>(call.wParam)) !=
                       (listChanged.count(call.window) ? -1 : state.current);
            case Property::Paint:
            case Property::None: return true;
        }
        return true;
    });
}

}  // namespace velmora::bench
