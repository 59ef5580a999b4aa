#pragma once

#include <QElapsedTimer>

#include <functional>
#include <string_view>
#include <vector>

// A small timing harness. Every figure a benchmark prints is one line "NAME: VALUE UNIT" on
// standard output, so that scripts can collect them; anything else goes to standard error.
namespace Bench {

// Wall-clock times of repeated runs of one operation, in milliseconds, or any other figure
// taken once per repetition.
class Samples final
{
public:
    template<typename Work>
    void time(Work &&work)
    {
        QElapsedTimer timer;
        timer.start();
        work();
        add(double(timer.nsecsElapsed()) / 1e6);
    }
    void add(double value) { m_values.push_back(value); }
    // The middle sample (the mean of the two middle ones for an even count); 0 without samples.
    double median() const;

private:
    std::vector<double> m_values;
};

void report(std::string_view name, double value, std::string_view unit);
// Reports the failure on standard error, calls the clean-up set last and ends the benchmark
// with exit code 1.
[[noreturn]] void fail(std::string_view what);
// What fail() must undo first, such as removing scratch files; empty for nothing.
void setCleanUp(std::function<void()> cleanUp);

} // namespace Bench
