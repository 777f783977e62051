// ApplyTheme of Ocean through the real registry and profile reading, against the floor of
// exactly its registry and profile calls replayed bare.
#include <cstdio>

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

    constexpr int kApplies = 20;
    Figure figure("Apply Ocean (20 applies) / bare calls", 1.2);
    for (int round = 0; round < kRounds; ++round) {
        figure.AddAlternatingRound(
            kApplies, [&] { return TimeMs([&] { log.Replay(); }); },
            [&] { return TimeMs([&] { clsVelmora(bench.Ports()).ApplyTheme(file); }); });
    }
    figure.Print();
    return figure.Met();
}

}  // namespace velmora::bench
