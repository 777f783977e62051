// Velmora.exe from process start to its main window shown with the list filled, against a
// bare dialog program of ours started the same way under the same Wine.
#include <cstdio>
#include <functional>

#include "bench/win32/Figure.h"
#include "bench/win32/Figures.h"
#include "bench/win32/Stopwatch.h"
#include "tests/e2e/VelmoraUser.h"

namespace velmora::bench {

namespace {

constexpr DWORD kTimeoutMs = 30000;

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

// Milliseconds from the start of program until shown says its window is there; a negative
// number when it never is. The process is ended afterwards.
double TimeToWindow(const std::string& program, const std::function<bool(DWORD)>& shown) {
    const Stopwatch watch;
    e2e::VelmoraProcess process("", program);
    if (!process.Id()) return -1;
    while (!shown(process.Id())) {
        if (watch.Milliseconds() > kTimeoutMs || process.HasExited()) return -1;
        Sleep(2);
    }
    return watch.Milliseconds();
}

}  // namespace

bool StartUpFigure() {
    const std::string velmora = VELMORA_BUILD_DIR "\\app\\win32\\Velmora.exe";
    const std::string floorDialog =
        VELMORA_BUILD_DIR "\\bench\\win32\\floor\\bench_floor_dialog.exe";
    auto dialogShown = [](DWORD id) {
        ShownSearch search{id, false};
        EnumWindows(FindShown, reinterpret_cast<LPARAM>(&search));
        return search.found;
    };
    // The samples are installed: ".Current", "[None]" and four themes.
    auto listFilled = [](DWORD id) {
        HWND window = e2e::FindDialog(id, IDC_LIST1);
        return window && SendDlgItemMessageA(window, IDC_LIST1, LB_GETCOUNT, 0, 0) >= 6;
    };
    // One start of each first: the system's caches, as for any program started twice.
    TimeToWindow(floorDialog, dialogShown);
    TimeToWindow(velmora, listFilled);
    Figure figure("Start-up to the filled main window / bare dialog", 1.5);
    for (int round = 0; round < kRounds; ++round) {
        const double floor = TimeToWindow(floorDialog, dialogShown);
        const double measured = TimeToWindow(velmora, listFilled);
        if (floor < 0 || measured < 0) {
            std::printf("Start-up: %s showed no window within %lu ms\n",
                        floor < 0 ? "the bare dialog" : "Velmora.exe", kTimeoutMs);
            return false;
        }
        figure.AddRound(measured, floor);
    }
    figure.Print();
    return figure.Met();
}

}  // namespace velmora::bench
