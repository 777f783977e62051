// The clip control hosted in the main window, animating Ocean's throbber strip at its 100 ms
// interval for 30 s: the process's CPU time in six stretches of 5 s, and its live GDI
// objects after the first second and after the last.
#include <cstdio>

#include "bench/win32/BenchWindow.h"
#include "bench/win32/Figure.h"
#include "bench/win32/Figures.h"
#include "bench/win32/Stopwatch.h"
#include "tests/win32/WindowTestSupport.h"

namespace velmora::bench {

namespace {

double ProcessCpuMs() {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user)) return 0;
    auto ms = [](const FILETIME& time) {
        return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) |
                                   time.dwLowDateTime) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}

}  // namespace

bool AnimationFigure(BenchPlatform& bench, HINSTANCE resources) {
    BenchWindow window(bench, resources);
    if (!window.Ok() || !window.Select("Ocean")) {
        std::printf("Animation: Ocean is not in the main window's list\n");
        return false;
    }
    constexpr int kStretches = 6;
    constexpr DWORD kStretchMs = 5000;
    win32::PumpMessages(1000);
    const int gdiFirst = CountGdiObjects();
    Figure cpu("Animation, CPU time / wall time (30 s)", 0.01);
    for (int stretch = 0; stretch < kStretches; ++stretch) {
        const double cpuStart = ProcessCpuMs();
        const Stopwatch wall;
        win32::PumpMessages(kStretchMs);
        cpu.AddRound(ProcessCpuMs() - cpuStart, wall.Milliseconds());
    }
    const int gdiLast = CountGdiObjects();
    cpu.Print();
    const bool flat =
        PrintGdiFlat("Animation, live GDI objects", "after 1 s", gdiFirst, "after 31 s", gdiLast);
    return cpu.Met() && flat;
}

}  // namespace velmora::bench
