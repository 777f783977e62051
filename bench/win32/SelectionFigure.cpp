// Selecting Ocean in the main window (load, preview texts, toolbar picture, throbber strip,
// painted) against LoadVelmora of the same file with the least control work the selection
// mandates replayed bare on the same window; selecting Ocean again; then every entry of the
// list selected 20 times over, the live GDI objects counted before and after.
#include <cstdio>

#include "bench/win32/BenchWindow.h"
#include "bench/win32/ControlCalls.h"
#include "bench/win32/Figure.h"
#include "bench/win32/Figures.h"
#include "bench/win32/Stopwatch.h"
#include "theme/clsVelmora.h"

namespace velmora::bench {

namespace {

constexpr int kSelections = 10;

std::size_t ControlChanges(const CallLog& log) {
    using Kind = CallLog::Kind;
    return log.Count(Kind::Message) + log.Count(Kind::SetText) + log.Count(Kind::Enable) +
           log.Count(Kind::Show) + log.Count(Kind::Invalidate);
}

std::size_t RegistryCalls(const CallLog& log) {
    std::size_t count = 0;
    for (const CallLog::Call& call : log.Calls())
        if (call.kind < CallLog::Kind::Profile) ++count;
    return count;
}

// The calls one selection of the entry makes, as the window shows now, kept to the least
// control work giving the same window; what it made and what is kept are printed.
CallLog RecordSelection(BenchPlatform& bench, BenchWindow& window, int index, const char* what) {
    using Kind = CallLog::Kind;
    const WindowSnapshot before = Snapshot(window.Dialog());
    CallLog& log = bench.Log();
    log.Start();
    window.SelectAt(index);
    log.Stop();
    CallLog calls = log;
    std::printf(
        "Selection, %s: %zu control calls (%zu queries, %zu changes), %zu picture loads, %zu clip "
        "puts, %zu registry calls, %zu profile reads;",
        what, calls.Count(Kind::Query) + ControlChanges(calls), calls.Count(Kind::Query),
        ControlChanges(calls),
        calls.Count(Kind::LoadPicture) + calls.Count(Kind::BuiltInPicture) +
            calls.Count(Kind::EmptyPicture),
        calls.Count(Kind::ClipPicture) + calls.Count(Kind::ClipPlay), RegistryCalls(calls),
        calls.Count(Kind::Profile));
    KeepLeastControlWork(calls, before, true);
    std::printf(" the least: %zu changes\n", ControlChanges(calls));
    std::fflush(stdout);
    return calls;
}

}  // namespace

bool SelectionFigure(BenchPlatform& bench, HINSTANCE resources) {
    BenchWindow window(bench, resources);
    const int ocean = window.Ok() ? window.IndexOf("Ocean") : -1;
    const int none = window.Ok() ? window.IndexOf("[None]") : -1;
    if (ocean < 0 || none < 0) {
        std::printf("Selection: Ocean is not in the main window's list\n");
        return false;
    }
    const ControlCalls caught(window.Dialog(), bench.Log());
    if (!caught.Hooked()) std::printf("Selection: the control calls cannot be caught\n");
    const std::string file = OceanFile();
    const CallLog::Targets targets{&bench.RealPictures(), &window.Clip()};

    // Every picture loaded once; then the three selections as the figures make them.
    window.SelectAt(ocean);
    window.SelectAt(none);
    CallLog toOcean = RecordSelection(bench, window, ocean, "Ocean after [None]");
    CallLog toNone = RecordSelection(bench, window, none, "[None] after Ocean");
    window.SelectAt(ocean);
    CallLog again = RecordSelection(bench, window, ocean, "Ocean again");

    // The floor: the window shown at [None] (untimed), then Ocean's load and least work.
    // Both leave the window as the selections do, so that the binding's view of its controls
    // stays true.
    Figure figure("Select Ocean after [None] / LoadVelmora + least control work", 1.2);
    Figure former("Select Ocean / LoadVelmora", 1.3, Figure::Measure::Ratio, Figure::Line::Former);
    for (int round = 0; round < kRounds; ++round) {
        double load = 0, least = 0, measured = 0;
        for (int i = 0; i < kSelections; ++i) {
            toNone.Replay(targets);
            window.Settle();
            load += TimeMs([&] { clsVelmora(bench.Ports()).LoadVelmora(file); });
            least += TimeMs([&] {
                toOcean.Replay(targets);
                window.Settle();
            });
            window.SelectAt(none);
            measured += TimeMs([&] { window.SelectAt(ocean); });
        }
        figure.AddRound(measured, load + least);
        former.AddRound(measured, load);
    }
    figure.Print();
    former.Print();
    PrintUserView("a click on a theme to its preview painted",
                  figure.MedianMeasuredMs() / kSelections);

    Figure same("Select Ocean again / LoadVelmora + least control work", 1.2);
    for (int round = 0; round < kRounds; ++round) {
        same.AddAlternatingRound(
            kSelections,
            [&] {
                return TimeMs([&] {
                    clsVelmora(bench.Ports()).LoadVelmora(file);
                    again.Replay(targets);
                    window.Settle();
                });
            },
            [&] { return TimeMs([&] { window.SelectAt(ocean); }); });
    }
    same.Print();

    auto selectEveryEntry = [&] {
        for (int i = 0; i < window.ListCount(); ++i) window.SelectAt(i);
    };
    for (int round = 0; round < 3; ++round) selectEveryEntry();  // every picture loaded once
    const int gdiFirst = CountGdiObjects();
    for (int round = 0; round < 20; ++round) selectEveryEntry();
    const bool flat = PrintGdiFlat("Selection, live GDI objects", "before", gdiFirst,
                                   "after 20 rounds", CountGdiObjects());
    return figure.Met() && same.Met() && flat;
}

}  // namespace velmora::bench
