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
        figure.AddAlternatingRound(
            kSelections,
            [&] { return TimeMs([&] { clsVelmora(bench.Ports()).LoadVelmora(file); }); },
            [&] {
                window.Select("[None]");  // another entry first, so that every preview changes
                return TimeMs([&] { window.Select("Ocean"); });
            });
    }
    figure.Print();
    return figure.Met();
}

}  // namespace velmora::bench
