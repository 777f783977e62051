// ApplyTheme of Ocean through the real registry and profile reading, against the floor of
// exactly its registry and profile calls replayed bare.
#include <cstdio>
#include <vector>

#include "bench/win32/Figure.h"
#include "bench/win32/Figures.h"
#include "bench/win32/Stopwatch.h"
#include "theme/clsVelmora.h"

namespace velmora::bench {

bool ApplyFigure(BenchPlatform& bench) {
    const std::string file = OceanFile();
    // The first apply writes what differs; every later one (and the recording) is alike.
    if (!clsVelmora(bench.Ports()).ApplyTheme(file)) {
        std::printf("Apply: Ocean could not be applied from %s\n", file.c_str());
        return false;
    }
    CallLog& log = bench.Log();
    log.Start();
    clsVelmora(bench.Ports()).ApplyTheme(file);
    log.Stop();
    std::printf(
        "Apply: one apply makes %zu registry calls (%zu sets, %zu flushes) and %zu "
        "profile reads\n",
        log.Size() - log.Count(CallLog::Kind::Profile), log.Count(CallLog::Kind::SetValue),
        log.Count(CallLog::Kind::Flush), log.Count(CallLog::Kind::Profile));

    // More rounds than the other figures: an apply is short, and its goal close.
    constexpr int kApplies = 40, kApplyRounds = 9;
    Figure figure("Apply Ocean (40 applies) / bare calls (was <= 1.2x)", 1.1);
    for (int round = 0; round < kApplyRounds; ++round) {
        figure.AddAlternatingRound(
            kApplies, [&] { return TimeMs([&] { log.Replay(); }); },
            [&] { return TimeMs([&] { clsVelmora(bench.Ports()).ApplyTheme(file); }); });
    }
    figure.Print();

    // The program itself, with the real browser: Aqua and Ocean applied in turn (Ocean is
    // the current theme, whose Apply is not offered), then Ocean again as the figures need.
    std::vector<double> program;
    for (int round = 0; round < kRounds; ++round) {
        const double ms = TimeApplyInProgram(round % 2 ? "Ocean" : "Aqua");
        if (ms >= 0) program.push_back(ms);
    }
    clsVelmora(bench.Ports()).ApplyTheme(file);
    if (program.empty())
        std::printf("  user's view: Apply could not be clicked in Velmora.exe\n");
    else
        PrintUserView("Apply clicked in Velmora.exe to the window and browsers back",
                      Median(program));
    return figure.Met();
}

}  // namespace velmora::bench
