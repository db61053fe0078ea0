// The undo history on the largest installation: what a step costs to record,
// to undo and to redo, and what 100 steps hold in memory.

#include "FullConfig.h"
#include "core/model/History.h"

#include "BenchMain.h"

#include <malloc.h>

namespace {

using namespace vaz;

// Target: under 50 ms for a step that touches every device of a loop.
void RecordUndoRedoLoopStep(benchmark::State &state)
{
    Config c = bench::fullConfig();
    History h;
    h.reset(c);
    int zone = 1;
    for (auto _ : state) {
        zone = zone % 48 + 1;
        for (int A = 1; A <= kAddresses; ++A)
            c.BolgeNo(2, A) = zone;
        h.record(c);
        benchmark::DoNotOptimize(h.undo());
        benchmark::DoNotOptimize(h.redo());
    }
}
BENCHMARK(RecordUndoRedoLoopStep)->Unit(benchmark::kMillisecond);

// Target: under 50 MB for 100 steps, each a zone and a location of one device,
// as an installer's edits are.
void MemoryOf100Steps(benchmark::State &state)
{
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        {
            Config c = bench::fullConfig();
            History h;
            h.reset(c);
            for (int step = 0; step < 100; ++step) {
                const int L = step % 4 + 1, A = step + 1;
                c.BolgeNo(L, A) = step % 48 + 1;
                c.MahalText(L, A) = QStringLiteral("Oda %1").arg(step);
                h.record(c);
            }
            state.counters["MB"] = double(mallinfo2().uordblks - before) / (1024.0 * 1024.0);
        }
    }
}
BENCHMARK(MemoryOf100Steps)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) { return vaz::bench::runBenchmarks(argc, argv); }
