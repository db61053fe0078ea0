// Arbitrary bytes as a device schedule: a CSV file, a whole workbook, or the
// sheet and shared strings of one. Whatever is refused changes nothing; what
// is taken, exported again and imported again, changes nothing more.
#include "core/storage/Schedule.h"
#include "core/storage/ScheduleWords.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace vaz;
using namespace vaz::storage;

namespace {

// Devices of every group on two loops, and a rule that protects two of them.
Installation site(int mcu)
{
    Installation s;
    s.McuVersiyon = mcu;
    s.CevrimSayisi = 2;
    s.setDevice(1, 1, {2, 3, QStringLiteral("Giris"), 64, 0, 0, 0, 0});
    s.setDevice(1, 2, {5, 4, QStringLiteral("Role"), 0, 0, 30, 4, 0});
    s.setDevice(2, 5, {6, 7, QStringLiteral("Kapi"), 64, 32, 0, 0, 0});
    s.setDevice(2, 127, {8, 9, QString(), 0, 0, 250, 0, 9});
    if (mcu >= 20) {
        s.SSsayisi = 1;
        s.SSismi(1) = QStringLiteral("Kat1");
        s.SSgirisler(1) = QStringLiteral("1,1.:");
        s.SScikislar(1) = QStringLiteral("1,2.:");
        s.SSkosul(1) = 1;
    }
    return s;
}

void check(const TableRead &read)
{
    if (!read.ok()) {
        if (!read.rows.isEmpty() || sheetReadText(read).isEmpty())
            std::abort();
        return;
    }
    for (int mcu : {12, 15, 20}) {
        const Installation before = site(mcu);
        const SchedulePlan plan = planSchedule(before, read.rows);
        if (!plan.ok() || plan.changesNothing())
            continue;
        Installation after = before;
        applySchedule(after, plan);
        // Exported and read back, the schedule is what the configuration holds.
        const TableRead again = readSheetBytes(writeCsv(scheduleSheet(after).rows, u';'), false);
        const SchedulePlan replay = planSchedule(after, again.rows);
        if (!again.ok() || !replay.ok() || !replay.changesNothing())
            std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    switch (data[0] % 3) {
    case 0: check(readSheetBytes(bytes, false)); break;
    case 1: check(readSheetBytes(bytes, true)); break;
    default: {
        // The sheet, then after the first NUL the shared strings.
        const qsizetype nul = bytes.indexOf('\0');
        check(readSheetXml(bytes.left(nul), nul < 0 ? QByteArray() : bytes.mid(nul + 1)));
    }
    }
    return 0;
}
