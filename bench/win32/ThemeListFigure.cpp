// LoadThemeList over 1,000 and 10,000 installed themes in the real registry: it must grow
// linearly, and 1,000 themes must cost less than a frame beyond their registry reads.
#include <cstdio>
#include <utility>

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
    std::printf(
        "Theme list: %d entries listed in %.1f ms (%zu registry calls, %zu profile "
        "reads)\n",
        window.ListCount(), first, log.Size() - log.Count(CallLog::Kind::Profile),
        log.Count(CallLog::Kind::Profile));
    std::fflush(stdout);
    return log;
}

// One rebuild into an emptied list box (a rebuild over the same entries would change
// nothing in it), and its calls replayed: {measured, floor}.
std::pair<double, double> TimeRebuild(BenchWindow& window, CallLog& calls) {
    const double floor = TimeMs([&] { calls.Replay(); });
    window.ClearList();
    return {TimeMs([&] { window.LoadThemeList(); }), floor};
}

}  // namespace

bool ThemeListFigure(BenchPlatform& bench, HINSTANCE resources) {
    BenchWindow window(bench.Ports(), resources);
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
    AddGenerated(small, large);
    CallLog largeCalls = RecordRebuild(bench, window);

    Figure frame("Theme list, 1,000 themes - registry reads", 16, Figure::Measure::Excess);
    Figure linear("Theme list, 10,000 themes / 1,000 themes", 12);
    Figure reads("Theme list, 10,000 themes / registry reads", 0);
    for (int round = 0; round < kRounds; ++round) {
        const auto [largeMs, largeFloor] = TimeRebuild(window, largeCalls);
        RemoveGenerated(small, large);
        const auto [smallMs, smallFloor] = TimeRebuild(window, smallCalls);
        AddGenerated(small, large);
        frame.AddRound(smallMs, smallFloor);
        linear.AddRound(largeMs, smallMs);
        reads.AddRound(largeMs, largeFloor);
    }
    RemoveGenerated(0, large);
    frame.Print();
    linear.Print();
    reads.Print();
    return frame.Met() && linear.Met();
}

}  // namespace velmora::bench
