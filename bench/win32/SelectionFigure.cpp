// Selecting Ocean in the main window (load, preview texts, toolbar picture, throbber strip,
// painted) against LoadVelmora of the same file alone; then every entry of the list selected
// 20 times over, the live GDI objects counted before and after.
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

    auto selectEveryEntry = [&] {
        for (int i = 0; i < window.ListCount(); ++i) window.SelectAt(i);
    };
    for (int round = 0; round < 3; ++round) selectEveryEntry();  // every picture loaded once
    const int gdiFirst = CountGdiObjects();
    for (int round = 0; round < 20; ++round) selectEveryEntry();
    const bool flat = PrintGdiFlat("Selection, live GDI objects", "before", gdiFirst,
                                   "after 20 rounds", CountGdiObjects());
    return figure.Met() && flat;
}

}  // namespace velmora::bench
