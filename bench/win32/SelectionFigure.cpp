// Selecting Ocean in the main window (load, preview texts, toolbar picture, throbber strip,
// painted) against LoadVelmora of the same file alone.
#include <cstdio>

#include "bench/win32/BenchWindow.h"
#include "bench/win32/Figure.h"
#include "bench/win32/Figures.h"
#include "bench/win32/Stopwatch.h"
#include "theme/clsVelmora.h"

namespace velmora::bench {

bool SelectionFigure(BenchPlatform& bench, HINSTANCE resources) {
    BenchWindow window(bench.Ports(), resources);
    if (!window.Ok() || !window.Select("Ocean")) {
        std::printf("Selection: Ocean is not in the main window's list\n");
        return false;
    }
    const std::string file = OceanFile();
    constexpr int kSelections = 10;
    Figure figure("Select Ocean (10 selections) / LoadVelmora", 1.3);
    for (int round = 0; round < kRounds; ++round) {
        const double floor = TimeMs([&] {
            for (int i = 0; i < kSelections; ++i) clsVelmora(bench.Ports()).LoadVelmora(file);
        });
        double measured = 0;
        for (int i = 0; i < kSelections; ++i) {
            window.Select("[None]");  // another entry first, so that every preview changes
            measured += TimeMs([&] { window.Select("Ocean"); });
        }
        figure.AddRound(measured, floor);
    }
    figure.Print();
    return figure.Met();
}

}  // namespace velmora::bench
