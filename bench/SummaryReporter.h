// The figures of a benchmark run for the summary tables: the real time of each
// benchmark per iteration in nanoseconds, the median of its repetitions
// (--benchmark_repetitions) or of its runs.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "Median.h"

class SummaryReporter : public benchmark::ConsoleReporter {
public:
    SummaryReporter()
        : ConsoleReporter(OO_Tabular)
    {
    }
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred)
                continue;
            const double ns = run.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            const std::string& name = run.run_name.function_name;
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians[name] = ns;
            else if (run.run_type == Run::RT_Iteration)
                samples[name].push_back(ns);
        }
    }
    // -1 when the benchmark did not run.
    double figure(const std::string& name) const
    {
        if (auto it = medians.find(name); it != medians.end())
            return it->second;
        auto it = samples.find(name);
        return it == samples.end() ? -1 : median(it->second);
    }

private:
    std::map<std::string, double> medians;
    std::map<std::string, std::vector<double>> samples;
};

// "3.30 ms", "45.2 us", "36 ns".
inline std::string timeText(double ns)
{
    char text[32];
    if (ns >= 1e6)
        std::snprintf(text, sizeof text, "%.2f ms", ns / 1e6);
    else if (ns >= 1e3)
        std::snprintf(text, sizeof text, "%.1f us", ns / 1e3);
    else
        std::snprintf(text, sizeof text, "%.0f ns", ns);
    return text;
}

// The target column: "< 1 ms, holds" or "< 1 ms, MISSED" for a figure against a target in ns,
// the target's text alone when it has no figure (targetNs 0).
inline std::string targetVerdict(double figure, double targetNs, const char* target)
{
    std::string text = target;
    if (targetNs > 0)
        text += figure < targetNs ? ", holds" : ", MISSED";
    return text;
}

// The main of a benchmark program: its benchmarks as asked on the command line, then
// `printSummary(reporter)` of their figures.
template <typename PrintSummary>
int runWithSummary(int argc, char** argv, PrintSummary printSummary)
{
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printSummary(reporter);
    benchmark::Shutdown();
    return 0;
}
