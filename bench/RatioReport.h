#pragma once

#include "framework/Application.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

// Keeps each run's processor time per iteration so that a benchmark program can print ratios
// between runs of the same invocation at the end.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            times[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

// The main of a benchmark program that needs the application object: runs the benchmarks without a
// display, then hands their times to printRatios.
inline int runWithRatios(int argc, char** argv, const std::function<void(RecordingReporter&)>& printRatios)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    Application application(argc, argv);
    benchmark::Initialize(&argc, argv);
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatios(reporter);
    benchmark::Shutdown();
    return 0;
}
