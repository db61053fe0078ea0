// The loop load and battery calculation of the largest installation, which
// the calculation window runs again at every figure typed.

#include "FullConfig.h"
#include "core/site/LoopCalc.h"

#include "BenchMain.h"

namespace {

using namespace vaz;

// Target: under 20 ms for 508 devices on 4 loops, the text included.
void FullInstallation(benchmark::State &state)
{
    Config c = bench::fullConfig();
    for (int type = 1; type <= 9; ++type)
        c.site.typeCurrents[type] = {0.25 + type / 100.0, 5.0 + type};
    for (int A = 1; A <= kAddresses; A += 5)
        c.site.deviceCurrents[{2, A}] = {0.4, 12.0};
    for (site::Cable &cable : c.site.cables)
        cable = {1200.0, 2.5, std::nullopt};
    c.site.supply.loopOutputV = 27.0, c.site.supply.deviceMinimumV = 17.0;
    c.site.supply.panel = {180.0, 500.0};
    for (auto _ : state) {
        const site::LoopCalc calc = site::loopCalc(c);
        if (!calc.battery.calculated() || calc.loops.size() != kLoops)
            state.SkipWithError("the full installation was not calculated");
        benchmark::DoNotOptimize(site::loopCalcText(calc));
    }
}
BENCHMARK(FullInstallation)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) { return vaz::bench::runBenchmarks(argc, argv); }
