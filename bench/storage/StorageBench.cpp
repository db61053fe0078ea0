// Writing and reading a full V2 configuration file: 508 devices with
// 40-character locations and 200 rules with long lists.
#include "FullConfig.h"
#include "core/storage/ConfigFile.h"
#include "core/storage/FileWords.h"

#include <QTemporaryDir>

#include "BenchMain.h"

using namespace vaz;
using namespace vaz::storage;
using vaz::bench::fullConfig;

namespace {

void BM_WriteFullV2File(benchmark::State &state)
{
    Config c = fullConfig();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.dvk"));
    for (auto _ : state) {
        SaveResult r = GirisVerileriniKaydet(c, path);
        if (!r.ok)
            state.SkipWithError(r.message.toStdString().c_str());
    }
    state.SetBytesProcessed(state.iterations() * configFileBytes(c).size());
}
BENCHMARK(BM_WriteFullV2File)->Unit(benchmark::kMillisecond);

void BM_ReadFullV2File(benchmark::State &state)
{
    Config c = fullConfig();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.dvk"));
    GirisVerileriniKaydet(c, path);
    Config into;
    into.McuVersiyon = 20;
    for (auto _ : state) {
        ReadResult r = DosyadanVerileriOku(into, path);
        if (r.status != ReadStatus::Ok)
            state.SkipWithError(readText(r).toStdString().c_str());
    }
    state.SetBytesProcessed(state.iterations() * configFileBytes(c).size());
}
BENCHMARK(BM_ReadFullV2File)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) { return vaz::bench::runBenchmarks(argc, argv); }
