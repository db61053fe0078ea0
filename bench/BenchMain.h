#pragma once

// Runs the benchmarks the command line selects, shown as --benchmark_format
// asks. The library exits with 0 after a SkipWithError and after a filter that
// matches nothing; here both give 1, so that a broken benchmark fails its test.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

namespace vaz::bench {

// The iterations a benchmark takes for its figures, or one when VAZ_BENCH_ONCE
// is set: the tests run every benchmark once, and --benchmark_min_time leaves
// a count set here as it is.
inline benchmark::IterationCount iterations(benchmark::IterationCount forFigures)
{
    return std::getenv("VAZ_BENCH_ONCE") ? 1 : forFigures;
}

class FailureCountingReporter : public benchmark::BenchmarkReporter {
public:
    explicit FailureCountingReporter(benchmark::BenchmarkReporter *shown) : shown_(shown) {}
    bool ReportContext(const Context &context) override { return shown_->ReportContext(context); }
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            failures += run.error_occurred ? 1 : 0;
        shown_->ReportRuns(runs);
    }
    void Finalize() override { shown_->Finalize(); }
    int failures = 0;

private:
    benchmark::BenchmarkReporter *shown_;
};

inline int runBenchmarks(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    FailureCountingReporter reporter(benchmark::CreateDefaultDisplayReporter());
    const std::size_t matched = benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return matched > 0 && reporter.failures == 0 ? 0 : 1;
}

}  // namespace vaz::bench
