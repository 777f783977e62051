// Velmora.exe from process start to its main window shown with the list filled, against a
// dialog program of ours started the same way under the same Wine that makes the companion
// browser as the window's load does and shows a list as long (and against the bare dialog,
// the floor before). And, for reading, the time from Apply to the browsers back in the program.
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/win32/Figure.h"
#include "bench/win32/Figures.h"
#include "bench/win32/Stopwatch.h"
#include "mainwindow/win32/MainWindowRes.h"
#include "tests/e2e/SampleThemes.h"
#include "tests/e2e/VelmoraUser.h"

namespace velmora::bench {

namespace {

constexpr DWORD kTimeoutMs = 30000;

const std::string kVelmora = VELMORA_BUILD_DIR "\\app\\win32\\Velmora.exe";
const std::string kFloorDialog = VELMORA_BUILD_DIR "\\bench\\win32\\floor\\bench_floor_dialog.exe";

// ".Current", "[None]" and the installed samples.
int ListLength() {
    return 2 + static_cast<int>(e2e::SampleTitles().size());
}

// The main window (or the floor's dialog) of the process, visible, with its list filled; the
// list's answer means the window answers messages again.
bool ListFilled(DWORD processId) {
    HWND window = e2e::FindDialog(processId, IDC_LIST1);
    return window && SendDlgItemMessageA(window, IDC_LIST1, LB_GETCOUNT, 0, 0) >= ListLength();
}

struct ShownSearch {
    DWORD processId;
    bool found;
};

BOOL CALLBACK FindShown(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<ShownSearch*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    search->found = true;
    return FALSE;
}

bool AnyWindowShown(DWORD processId) {
    ShownSearch search{processId, false};
    EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK CollectBrowser(HWND window, LPARAM param) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, "IEFrame") == 0)
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

// The browser windows open now.
std::vector<HWND> BrowserWindows() {
    std::vector<HWND> windows;
    EnumWindows(CollectBrowser, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// Closes the browser windows the started programs left (each start makes its own
// companion, which stays when the program ends) and waits for their server to end, so
// that every start finds no browser running, as a user's first start does.
void CloseBrowsers() {
    std::vector<DWORD> servers;
    for (HWND window : BrowserWindows()) {
        DWORD id = 0;
        GetWindowThreadProcessId(window, &id);
        if (id && std::find(servers.begin(), servers.end(), id) == servers.end())
            servers.push_back(id);
        PostMessageA(window, WM_CLOSE, 0, 0);
    }
    for (DWORD id : servers) {
        HANDLE server = OpenProcess(SYNCHRONIZE, FALSE, id);
        if (!server) continue;
        WaitForSingleObject(server, 10000);
        CloseHandle(server);
    }
}

// Ends the program as its user does: its window closed (the floor's dialog cancelled).
void CloseProgram(e2e::VelmoraProcess& process) {
    if (HWND window = e2e::FindDialog(process.Id(), IDC_LIST1)) {
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        process.WaitForExit(10000);
    }
}

// Milliseconds from the start of program until shown says its window is there; a negative
// number when it never is. The process is ended afterwards.
double TimeToWindow(const std::string& program, const std::string& arguments,
                    const std::function<bool(DWORD)>& shown) {
    double ms = -1;
    {
        const Stopwatch watch;
        e2e::VelmoraProcess process(arguments, program);
        if (!process.Id()) return -1;
        while (!shown(process.Id())) {
            if (watch.Milliseconds() > kTimeoutMs || process.HasExited()) break;
            Sleep(2);
        }
        if (shown(process.Id())) ms = watch.Milliseconds();
        CloseProgram(process);
    }
    CloseBrowsers();
    return ms;
}

}  // namespace

bool StartUpFigure() {
    // More rounds than the other figures: a start varies most with the machine's load.
    constexpr int kStartRounds = 7;
    const std::string browserFloor = "/browser " + std::to_string(ListLength());
    CloseBrowsers();
    // One start of each first: the system's caches, as for any program started twice.
    TimeToWindow(kFloorDialog, "", AnyWindowShown);
    TimeToWindow(kFloorDialog, browserFloor, ListFilled);
    TimeToWindow(kVelmora, "", ListFilled);
    Figure figure("Start-up to the filled main window / dialog + browser", 1.3);
    Figure former("Start-up to the filled main window / bare dialog", 1.5, Figure::Measure::Ratio,
                  Figure::Line::Former);
    Figure beyond("Start-up, Velmora.exe beyond the dialog + browser", 0, Figure::Measure::Excess);
    for (int round = 0; round < kStartRounds; ++round) {
        const double bare = TimeToWindow(kFloorDialog, "", AnyWindowShown);
        const double floor = TimeToWindow(kFloorDialog, browserFloor, ListFilled);
        const double measured = TimeToWindow(kVelmora, "", ListFilled);
        if (bare < 0 || floor < 0 || measured < 0) {
            std::printf("Start-up: %s showed no window within %lu ms\n",
                        measured < 0 ? "Velmora.exe" : "the floor's dialog", kTimeoutMs);
            return false;
        }
        figure.AddRound(measured, floor);
        former.AddRound(measured, bare);
        beyond.AddRound(measured, floor);
    }
    figure.Print();
    former.Print();
    beyond.Print();
    PrintUserView("a start to a usable window (shown, list filled, answering)",
                  figure.MedianMeasuredMs());
    return figure.Met();
}

double TimeApplyInProgram(const std::string& theme) {
    double ms = -1;
    {
        e2e::VelmoraProcess process("", kVelmora);
        HWND window = process.Id() ? process.WaitForDialog(IDC_LIST1) : nullptr;
        const auto applyEnabled = [&] { return IsWindowEnabled(GetDlgItem(window, IDC_CMDAPPLY)); };
        if (window && e2e::Settle(window) && e2e::Select(window, theme) && e2e::Settle(window)) {
            const Stopwatch watch;
            // Done once the window answers again with Apply disabled (the theme is the current
            // one now): the click's handler has returned, the browser step included.
            if (e2e::Click(window, IDC_CMDAPPLY)) {
                while (applyEnabled() && watch.Milliseconds() < kTimeoutMs) Sleep(1);
                if (e2e::Settle(window) && !applyEnabled()) ms = watch.Milliseconds();
            }
        }
        CloseProgram(process);
    }
    CloseBrowsers();
    return ms;
}

}  // namespace velmora::bench
