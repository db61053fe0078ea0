// The commissioning report of a full V2 configuration (508 devices, 200 rules
// naming 127 devices each) laid out and written as a PDF file.
#include "FullConfig.h"
#include "WindowBenchMain.h"
#include "core/storage/Commissioning.h"
#include "core/storage/ConfigFile.h"
#include "adapters/printer/ReportPrinter.h"

#include <QFileInfo>
#include <QTemporaryDir>

namespace {

using namespace vaz;

// The configuration unsaved, never verified.
storage::CommissioningSource sourceOf(const Config &c)
{
    return {QStringLiteral("full.dvk"),
            storage::configFileBytes(c),
            false,
            QDateTime::currentDateTime(),
            QStringLiteral("V2.0 3F2A-9C1B-07DE-55A0"),
            std::nullopt};
}

void BM_CommissioningReportPdf(benchmark::State &state)
{
    const Config c = bench::fullConfig();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.pdf"));
    for (auto _ : state) {
        const storage::CommissioningSource source = sourceOf(c);
        if (!storage::writeReportPdf(storage::commissioningReport(c, source), path).isEmpty())
            state.SkipWithError("the PDF was not written");
    }
    state.counters["pdf_kB"] = double(QFileInfo(path).size()) / 1024;
}
BENCHMARK(BM_CommissioningReportPdf)->Unit(benchmark::kMillisecond)->Iterations(bench::iterations(3));

// The document and its pages alone, without drawing.
void BM_CommissioningReportLayout(benchmark::State &state)
{
    const Config c = bench::fullConfig();
    qsizetype pages = 0;
    for (auto _ : state) {
        const storage::CommissioningSource source = sourceOf(c);
        pages = storage::paginate(storage::commissioningReport(c, source), 60).size();
    }
    state.counters["pages"] = double(pages);
}
BENCHMARK(BM_CommissioningReportLayout)->Unit(benchmark::kMillisecond);

}  // namespace
