// One figure of the benchmark: median ratio over rounds, its spread, its goal.
#include "bench/win32/Figure.h"

#include <algorithm>
#include <cstdio>

namespace velmora::bench {

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void Figure::AddRound(double measuredMs, double floorMs) {
    measured_.push_back(measuredMs);
    floor_.push_back(floorMs);
    if (measure_ == Measure::Excess)
        ratio_.push_back(measuredMs - floorMs);
    else
        ratio_.push_back(floorMs > 0 ? measuredMs / floorMs : 0);
}

double Figure::MedianRatio() const {
    return Median(ratio_);
}
double Figure::MinRatio() const {
    return ratio_.empty() ? 0 : *std::min_element(ratio_.begin(), ratio_.end());
}
double Figure::MaxRatio() const {
    return ratio_.empty() ? 0 : *std::max_element(ratio_.begin(), ratio_.end());
}
double Figure::MedianMeasuredMs() const {
    return Median(measured_);
}
double Figure::MedianFloorMs() const {
    return Median(floor_);
}

void Figure::Print() const {
    const bool excess = measure_ == Measure::Excess;
    const bool former = line_ == Line::Former;
    const char* unit = excess ? " ms" : "x";
    std::printf("%s%-*s floor %9.3f ms  measured %9.3f ms  %s %8.3f%s (%.3f-%.3f, %zu rounds)",
                former ? "  old floor: " : "", former ? 44 : 56, name_.c_str(), MedianFloorMs(),
                MedianMeasuredMs(), excess ? "beyond" : "ratio", MedianRatio(), unit, MinRatio(),
                MaxRatio(), ratio_.size());
    if (goal_ <= 0)
        std::printf("  (no goal)\n");
    else if (former)
        std::printf("  old goal <= %.2f%s  %s, not counted\n", goal_, unit,
                    Met() ? "met" : "missed");
    else
        std::printf("  goal <= %.2f%s  %s\n", goal_, unit, Met() ? "MET" : "MISSED");
    std::fflush(stdout);
}

void PrintUserView(const char* what, double medianMs) {
    std::printf("  user's view: %s: %.0f ms (median)\n", what, medianMs);
    std::fflush(stdout);
}

}  // namespace velmora::bench
