#include "support/BenchMain.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <unistd.h>
#include <map>
#include <utility>
#include <vector>

namespace {

std::vector<std::pair<std::string, std::string>>& Comparisons() {
    static std::vector<std::pair<std::string, std::string>> comparisons;
    return comparisons;
}

// Console output as usual, and the time per iteration of every run kept for the ratios.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so that output kept in files and logs stays plain.
    RecordingReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (!run.error_occurred)
                m_nanoseconds[run.benchmark_name()] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
    }

    void PrintRatios() const {
        if (Comparisons().empty())
            return;
        std::printf("\n%-48s %14s %14s %10s  %s\n", "benchmark", "ns", "reference ns", "ratio", "reference");
        for (const auto& [name, reference] : Comparisons()) {
            const auto a = m_nanoseconds.find(name), b = m_nanoseconds.find(reference);
            if (a == m_nanoseconds.end() || b == m_nanoseconds.end() || b->second <= 0)
                continue; // filtered out of this run
            std::printf("%-48s %14.0f %14.0f %9.2fx  %s\n", name.c_str(), a->second, b->second,
                        a->second / b->second, reference.c_str());
        }
    }

private:
    std::map<std::string, double> m_nanoseconds;
};

} // namespace

kwbench::Compare::Compare(std::string name, std::string reference) {
    Comparisons().emplace_back(std::move(name), std::move(reference));
}

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
