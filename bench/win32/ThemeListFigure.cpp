// LoadThemeList over 1,000 and 10,000 installed themes in the real registry, against its
// registry reads replayed bare with one LB_ADDSTRING per entry into the window's list box with
// its drawing off: close to that floor, and linear.
#include <cstdio>
#include <string>
#include <vector>

#include "bench/win32/BenchWindow.h"
#include "bench/win32/Figure.h"
#include "bench/win32/Figures.h"
#include "bench/win32/Stopwatch.h"
#include "store/InstalledThemeStore.h"

namespace velmora::bench {

namespace {

// Generated entries beside the samples, listed after them ("Theme 00000", ...).
std::string GeneratedKey(int index) {
    char name[32];
    std::snprintf(name, sizeof name, "\\Theme %05d", index);
    return kThemeStoreRoot + std::string(name);
}

// Generated entries first to last - 1.
void AddGenerated(int first, int last) {
    const std::string file = OceanFile();
    for (int i = first; i < last; ++i) {
        HKEY key = nullptr;
        if (RegCreateKeyA(HKEY_LOCAL_MACHINE, GeneratedKey(i).c_str(), &key) != ERROR_SUCCESS)
            continue;
        RegSetValueExA(key, "", 0, REG_SZ, reinterpret_cast<const BYTE*>(file.c_str()),
                       static_cast<DWORD>(file.size() + 1));
        RegCloseKey(key);
    }
}

void RemoveGenerated(int first, int last) {
    for (int i = first; i < last; ++i) RegDeleteKeyA(HKEY_LOCAL_MACHINE, GeneratedKey(i).c_str());
}

// The registry and profile calls of one rebuild over the themes now installed.
CallLog RecordRebuild(BenchPlatform& bench, BenchWindow& window) {
    // The first rebuild warms the registry's own caches.
    const double first = TimeMs([&] { window.LoadThemeList(); });
    CallLog& log = bench.Log();
    log.Start();
    window.LoadThemeList();
    log.Stop();
    std::size_t registry = 0;
    for (const CallLog::Call& call : log.Calls()) registry += call.kind < CallLog::Kind::Profile;
    std::printf(
        "Theme list: %d entries listed in %.1f ms (%zu registry calls, %zu profile reads, %zu "
        "picture loads)\n",
        window.ListCount(), first, registry, log.Count(CallLog::Kind::Profile),
        log.Count(CallLog::Kind::LoadPicture));
    std::fflush(stdout);
    return log;
}

struct RebuildTimes {
    double measured = 0;
    double reads = 0;  // the registry reads replayed
    double adds = 0;   // one LB_ADDSTRING per entry, the drawing off, and the list painted
};

// One rebuild into an emptied list box (a rebuild over the same entries would change
// nothing in it), against its calls replayed and its entries added bare to the same
// emptied box, which is emptied again afterwards (untimed).
RebuildTimes TimeRebuild(BenchWindow& window, CallLog& calls,
                         const std::vector<std::string>& entries) {
    RebuildTimes times;
    window.ClearList();
    times.reads = TimeMs([&] { calls.Replay(); });
    HWND list = window.List();
    times.adds = TimeMs([&] {
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        for (const std::string& entry : entries)
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
        window.Settle();
    });
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    times.measured = TimeMs([&] { window.LoadThemeList(); });
    return times;
}

}  // namespace

bool ThemeListFigure(BenchPlatform& bench, HINSTANCE resources) {
    BenchWindow window(bench, resources);
    if (!window.Ok()) {
        std::printf("Theme list: the main window could not be made\n");
        return false;
    }
    // Both sizes are measured in every round, so that they share the machine's drift: the
    // entries beyond the first thousand come and go between them.
    const int samples = window.ListCount() - 2;
    const int small = 1000 - samples, large = 10000 - samples;
    AddGenerated(0, small);
    CallLog smallCalls = RecordRebuild(bench, window);
    const std::vector<std::string> smallEntries = window.Window().List1.Items();
    AddGenerated(small, large);
    CallLog largeCalls = RecordRebuild(bench, window);
    const std::vector<std::string> largeEntries = window.Window().List1.Items();

    Figure small1000("Theme list, 1,000 themes / reads + one LB_ADDSTRING each", 1.2);
    Figure frame("Theme list, 1,000 themes - registry reads", 16, Figure::Measure::Excess,
                 Figure::Line::Former);
    Figure linear("Theme list, 10,000 themes / 1,000 themes (was <= 12x)", 11);
    Figure large10000("Theme list, 10,000 themes / reads + one LB_ADDSTRING each", 0);
    for (int round = 0; round < kRounds; ++round) {
        const RebuildTimes large10 = TimeRebuild(window, largeCalls, largeEntries);
        RemoveGenerated(small, large);
        const RebuildTimes small1 = TimeRebuild(window, smallCalls, smallEntries);
        AddGenerated(small, large);
        small1000.AddRound(small1.measured, small1.reads + small1.adds);
        frame.AddRound(small1.measured, small1.reads);
        linear.AddRound(large10.measured, small1.measured);
        large10000.AddRound(large10.measured, large10.reads + large10.adds);
    }
    RemoveGenerated(0, large);
    small1000.Print();
    frame.Print();
    linear.Print();
    large10000.Print();
    return small1000.Met() && linear.Met();
}

}  // namespace velmora::bench
