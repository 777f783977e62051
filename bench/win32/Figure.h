// One figure of the benchmark: rounds of a measured time against a floor measured in the
// same round, reduced to the median ratio and its spread, and printed with its goal.
#pragma once

#include <string>
#include <vector>

namespace velmora::bench {

class Figure {
public:
    // Ratio: measured / floor. Excess: measured - floor, in milliseconds.
    enum class Measure { Ratio, Excess };

    // A figure's line: against its floor and goal, or against the floor and goal the
    // benchmark had before (printed beside, for reading; its verdict counts for nothing).
    enum class Line { Current, Former };

    // name: what is measured; goal: the highest value that meets it (0: shown, no goal).
    Figure(std::string name, double goal, Measure measure = Measure::Ratio,
           Line line = Line::Current)
        : name_(std::move(name)), goal_(goal), measure_(measure), line_(line) {}

    void AddRound(double measuredMs, double floorMs);
    // One round of `pairs` floors and measurements taken in turn, so that the machine's
    // drift within the round falls on both alike. Each callable returns its milliseconds.
    template <class Floor, class Measured>
    void AddAlternatingRound(int pairs, Floor&& floor, Measured&& measured) {
        double floorMs = 0, measuredMs = 0;
        for (int i = 0; i < pairs; ++i) {
            floorMs += floor();
            measuredMs += measured();
        }
        AddRound(measuredMs, floorMs);
    }

    // The value of each round (a ratio, or an excess in ms).
    double MedianRatio() const;
    double MinRatio() const;
    double MaxRatio() const;
    double MedianMeasuredMs() const;
    double MedianFloorMs() const;
    bool Met() const { return MedianRatio() <= goal_; }

    // One line: name, median floor and measured times, value (spread), goal, met or not.
    void Print() const;

private:
    std::string name_;
    double goal_;
    Measure measure_;
    Line line_;
    std::vector<double> measured_, floor_, ratio_;
};

// The median of values (0 for none).
double Median(std::vector<double> values);

// A user's view of a figure, printed under it for reading: what a user waits for, and the
// median of the times measured.
void PrintUserView(const char* what, double medianMs);

}  // namespace velmora::bench
