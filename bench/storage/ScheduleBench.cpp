// Exporting and importing the schedule of a full configuration (508 devices
// with 40-character locations), as CSV and as an Excel workbook.
#include "FullConfig.h"
#include "core/storage/Schedule.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <benchmark/benchmark.h>

using namespace vaz;
using namespace vaz::storage;
using vaz::bench::fullConfig;

namespace {

const char *const kFiles[] = {"full.csv", "full.xlsx"};

// CSV, and Excel where the build has it.
void eachFormat(benchmark::internal::Benchmark *b)
{
    b->Arg(0);
    if (excelAvailable())
        b->Arg(1);
}

void BM_ExportSchedule(benchmark::State &state)
{
    const Config c = fullConfig();
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(kFiles[state.range(0)]));
    for (auto _ : state)
        if (const QString why = writeSheetFile(path, scheduleSheet(c), u','); !why.isEmpty())
            state.SkipWithError(why.toStdString().c_str());
}
BENCHMARK(BM_ExportSchedule)->Apply(eachFormat)->Unit(benchmark::kMillisecond);

// Read, checked and applied, into a configuration whose devices all differ.
void BM_ImportSchedule(benchmark::State &state)
{
    const Config c = fullConfig();
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(kFiles[state.range(0)]));
    writeSheetFile(path, scheduleSheet(c), u',');
    Config into;
    into.CevrimSayisi = 4;
    for (auto _ : state) {
        Config target = into;
        const SchedulePlan plan = planSchedule(target, readSheetFile(path).rows);
        if (plan.added != kRecords)
            state.SkipWithError("not every device was read");
        applySchedule(target, plan);
    }
}
BENCHMARK(BM_ImportSchedule)->Apply(eachFormat)->Unit(benchmark::kMillisecond);

// The worst plan: an empty schedule against the full configuration, whose
// every device a rule uses, so that each removal is a problem naming rules.
void BM_PlanRemovingEveryDevice(benchmark::State &state)
{
    const Config c = fullConfig();
    const SheetRows header{scheduleHeader()};
    for (auto _ : state)
        if (planSchedule(c, header).problems.size() != kRecords)
            state.SkipWithError("not every removal was refused");
}
BENCHMARK(BM_PlanRemovingEveryDevice)->Unit(benchmark::kMillisecond);

// The largest schedule the import takes: 8 MB of 10,000 rows with every one
// of their 64 cells filled, each row a problem. The figure is the peak memory
// of the whole process, so it runs alone (--benchmark_filter=Largest).
void BM_LargestAcceptedSchedule(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("largest.csv"));
    const QByteArray header = "Loop,Address,Type\n";
    // Each row its share of the 8 MB, line end included; the 61 notes split what the first cells leave.
    const qsizetype rowBytes = (8 * 1024 * 1024 - header.size()) / 9999;
    QByteArray row = "1,200,Heat det.";
    for (int c = 3; c < 64; ++c)
        row += ',' + QByteArray((rowBytes - 1 - row.size()) / (64 - c) - 1, 'n');
    row += '\n';
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(header);
    for (int r = 1; r < 10000; ++r)
        file.write(row);
    file.close();
    const Config c = fullConfig();
    for (auto _ : state) {
        const TableRead read = readSheetFile(path);
        if (!read.ok() || planSchedule(c, read.rows).problems.size() < 9999)
            state.SkipWithError("the schedule was not taken or its problems were not found");
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024;
    state.counters["file_MB"] = double(QFileInfo(path).size()) / (1024 * 1024);
}
BENCHMARK(BM_LargestAcceptedSchedule)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
