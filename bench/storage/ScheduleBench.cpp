// Exporting and importing the schedule of a full configuration (508 devices
// with 40-character locations), as CSV and as an Excel workbook.
#include "FullConfig.h"
#include "storage/Schedule.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace vaz;
using namespace vaz::storage;
using vaz::bench::fullConfig;

namespace {

const char *const kFiles[] = {"full.csv", "full.xlsx"};

void BM_ExportSchedule(benchmark::State &state)
{
    const Config c = fullConfig();
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(kFiles[state.range(0)]));
    if (isExcelPath(path) && !excelAvailable())
        return state.SkipWithError("built without Excel");
    for (auto _ : state)
        if (const QString why = writeSheetFile(path, scheduleSheet(c), u','); !why.isEmpty())
            state.SkipWithError(why.toStdString().c_str());
}
BENCHMARK(BM_ExportSchedule)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Read, checked and applied, into a configuration whose devices all differ.
void BM_ImportSchedule(benchmark::State &state)
{
    const Config c = fullConfig();
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(kFiles[state.range(0)]));
    if (isExcelPath(path) && !excelAvailable())
        return state.SkipWithError("built without Excel");
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
BENCHMARK(BM_ImportSchedule)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

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

}  // namespace
