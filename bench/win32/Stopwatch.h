// Wall-clock time of one stretch of work, from the performance counter.
#pragma once

#include <windows.h>

namespace velmora::bench {

class Stopwatch {
public:
    Stopwatch() { Restart(); }
    void Restart() { QueryPerformanceCounter(&start_); }
    double Milliseconds() const {
        LARGE_INTEGER now, frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) /
               static_cast<double>(frequency.QuadPart);
    }

private:
    LARGE_INTEGER start_;
};

// Milliseconds one call of work takes.
template <class Work>
double TimeMs(Work&& work) {
    const Stopwatch watch;
    work();
    return watch.Milliseconds();
}

}  // namespace velmora::bench
