// LoadThemeList over 1,000 and 10,000 installed themes in the real registry: it must grow
// linearly, and 1,000 themes must cost less than a frame beyond their registry reads.
#include <cstdio>
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

void AddGenerated(int count) {
    const std::string file = OceanFile();
    for (int i = 0; i < count; ++i) {
        HKEY key = nullptr;
        if (RegCreateKeyA(HKEY_LOCAL_MACHINE, GeneratedKey(i).c_str(), &key) != ERROR_SUCCESS)
            continue;
        RegSetValueExA(key, "", 0, REG_SZ, reinterpret_cast<const BYTE*>(file.c_str()),
                       static_cast<DWORD>(file.size() + 1));
        RegCloseKey(key);
    }
}

void RemoveGenerated(int count) {
    for (int i = 0; i < count; ++i) RegDeleteKeyA(HKEY_LOCAL_MACHINE, GeneratedKey(i).c_str());
}

// Median times of `themes` installed themes: the rebuild and its registry and profile calls.
struct ListRun {
    std::vector<double> measured, floor;
};

ListRun MeasureList(BenchPlatform& bench, BenchWindow& window, int themes, int samples) {
    AddGenerated(themes - samples);
    // The first rebuild warms the registry's own caches; the recorded one finds the list box
    // showing the same entries, which does not matter to its calls.
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
    ListRun run;
    for (int round = 0; round < kRounds; ++round) {
        run.floor.push_back(TimeMs([&] { log.Replay(); }));
        window.ClearList();
        run.measured.push_back(TimeMs([&] { window.LoadThemeList(); }));
    }
    RemoveGenerated(themes - samples);
    return run;
}

}  // namespace

bool ThemeListFigure(BenchPlatform& bench, HINSTANCE resources) {
    BenchWindow window(bench.Ports(), resources);
    if (!window.Ok()) {
        std::printf("Theme list: the main window could not be made\n");
        return false;
    }
    const int samples = window.ListCount() - 2;
    const ListRun small = MeasureList(bench, window, 1000, samples);
    const ListRun large = MeasureList(bench, window, 10000, samples);

    Figure frame("Theme list, 1,000 themes - registry reads", 16, Figure::Measure::Excess);
    Figure linear("Theme list, 10,000 themes / 1,000 themes", 12);
    Figure reads("Theme list, 10,000 themes / registry reads", 0);
    for (int round = 0; round < kRounds; ++round) {
        frame.AddRound(small.measured[round], small.floor[round]);
        linear.AddRound(large.measured[round], small.measured[round]);
        reads.AddRound(large.measured[round], large.floor[round]);
    }
    frame.Print();
    linear.Print();
    reads.Print();
    return frame.Met() && linear.Met();
}

}  // namespace velmora::bench
