#pragma once

#include "framework/Application.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

// Keeps each benchmark's processor and wall time per iteration, the median of its repetitions, so
// that a benchmark program can print ratios between runs of the same invocation at the end.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration)
                continue;
            times[run.benchmark_name()] = median(m_cpu[run.benchmark_name()], run.GetAdjustedCPUTime());
            realTimes[run.benchmark_name()] = median(m_real[run.benchmark_name()], run.GetAdjustedRealTime());
            counters[run.benchmark_name()] = run.counters;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
    std::map<std::string, double> realTimes;
    // The counters of each benchmark's last repetition.
    std::map<std::string, benchmark::UserCounters> counters;

private:
    // Adds time to all and answers the median of all.
    static double median(std::vector<double>& all, double time)
    {
        all.push_back(time);
        std::vector<double> sorted = all;
        std::sort(sorted.begin(), sorted.end());
        size_t middle = sorted.size() / 2;
        return sorted.size() % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
    }

    std::map<std::string, std::vector<double>> m_cpu;
    std::map<std::string, std::vector<double>> m_real;
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
