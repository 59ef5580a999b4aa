#include "benchharness.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace Bench {

namespace {
std::function<void()> &cleanUpOnFailure()
{
    static std::function<void()> cleanUp;
    return cleanUp;
}
} // namespace

double Samples::median() const
{
    if (m_values.empty())
        return 0;
    std::vector<double> sorted = m_values;
    std::sort(sorted.begin(), sorted.end());
    const size_t middle = sorted.size() / 2;
    return sorted.size() % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

void report(std::string_view name, double value, std::string_view unit)
{
    // Ratios need more digits than times to tell 1.45 from 1.54.
    const int decimals = unit == "x" ? 2 : 1;
    std::printf("%.*s: %.*f %.*s\n", int(name.size()), name.data(), decimals, value, int(unit.size()), unit.data());
    std::fflush(stdout);
}

void fail(std::string_view what)
{
    std::fprintf(stderr, "benchmark failed: %.*s\n", int(what.size()), what.data());
    if (const std::function<void()> cleanUp = std::exchange(cleanUpOnFailure(), {}))
        cleanUp();
    std::exit(1);
}

void setCleanUp(std::function<void()> cleanUp)
{
    cleanUpOnFailure() = std::move(cleanUp);
}

} // namespace Bench
