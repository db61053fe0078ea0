#include "core/site/WalkTest.h"

#include "core/devices/DeviceCatalog.h"
#include "core/devices/UnusualDevices.h"
#include "core/model/Conversions.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

namespace vaz::site {

namespace {

QString words(const char *text) { return QCoreApplication::translate("vaz::site::WalkTest", text); }

const QStringList kColumns{QStringLiteral("Loop"),   QStringLiteral("Address"),  QStringLiteral("Zone"),
                           QStringLiteral("Type"),   QStringLiteral("Location"), QStringLiteral("Result"),
                           QStringLiteral("Remark"), QStringLiteral("Time")};
enum Column { LoopCol, AddressCol, ZoneCol, TypeCol, LocationCol, ResultCol, RemarkCol, TimeCol };

// The words a file carries; the import also takes the user's language.
const char *const kResultWords[] = {QT_TRANSLATE_NOOP("vaz::site::WalkTest", "Not tested"),
                                    QT_TRANSLATE_NOOP("vaz::site::WalkTest", "Passed"),
                                    QT_TRANSLATE_NOOP("vaz::site::WalkTest", "Failed")};

std::optional<WalkResult> parseResult(const QString &cell)
{
    const QString c = cell.simplified();
    if (c.isEmpty())
        return WalkResult::NotTested;
    for (int r = 0; r < 3; ++r)
        if (c.compare(QLatin1String(kResultWords[r]), Qt::CaseInsensitive) == 0 ||
            c.compare(words(kResultWords[r]), Qt::CaseInsensitive) == 0)
            return WalkResult(r);
    return std::nullopt;
}

// ISO 8601 as written; a spreadsheet program's reformatting is taken as local time.
std::optional<QDateTime> parseTime(const QString &cell)
{
    const QString c = cell.trimmed();
    if (c.isEmpty())
        return QDateTime();
    QDateTime t = QDateTime::fromString(c, Qt::ISODate);
    for (const char *format : {"yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd HH:mm", "dd.MM.yyyy HH:mm:ss", "dd.MM.yyyy HH:mm"})
        if (!t.isValid())
            t = QDateTime::fromString(c, QLatin1String(format));
    if (!t.isValid())
        return std::nullopt;
    return t.toUTC();
}

std::optional<int> wholeNumber(const QString &cell, int low, int high)
{
    bool ok = false;
    const int n = cell.trimmed().toInt(&ok);
    return ok && n >= low && n <= high ? std::optional<int>(n) : std::nullopt;
}

bool isInput(const Installation &inst, DeviceKey k)
{
    return devices::loopBranchByCount(inst.CevrimSayisi, k.loop) &&
           devices::isRuleInput(inst.CihazTipi(k.loop, k.address));
}

QString places(const QList<DeviceKey> &keys)
{
    QStringList out;
    for (const DeviceKey &k : keys)
        out << devicePlace(k.loop, k.address);
    return out.join(QStringLiteral(", "));
}

}  // namespace

QList<WalkRow> walkRows(const Installation &inst)
{
    QList<WalkRow> rows;
    for (int L = 1; L <= kLoops; ++L)
        for (int A = 1; A <= kAddresses; ++A)
            if (const DeviceKey k{L, A}; isInput(inst, k))
                rows << WalkRow{k, inst.BolgeNo(L, A), inst.CihazTipi(L, A), inst.MahalText(L, A).trimmed(),
                                inst.site.walkTests.value(k)};
    // A device without a zone is found last.
    std::stable_sort(rows.begin(), rows.end(), [](const WalkRow &a, const WalkRow &b) {
        if (a.zone != b.zone)
            return a.zone != 0 && (b.zone == 0 || a.zone < b.zone);
        return a.location.compare(b.location, Qt::CaseInsensitive) < 0;
    });
    return rows;
}

WalkSummary walkSummary(const QList<WalkRow> &rows)
{
    WalkSummary s;
    s.total = int(rows.size());
    for (const WalkRow &r : rows) {
        if (r.test.result == WalkResult::NotTested)
            s.notTestedKeys << r.key;
        else
            ++s.tested;
        if (r.test.result == WalkResult::Failed)
            ++s.failed, s.failedKeys << r.key;
    }
    return s;
}

bool hasWalkResults(const Installation &inst)
{
    for (auto [k, t] : inst.site.walkTests.asKeyValueRange())
        if (t.result != WalkResult::NotTested && isInput(inst, k))
            return true;
    return false;
}

QString resultName(WalkResult result) { return words(kResultWords[int(result)]); }

QString summaryText(const WalkSummary &s)
{
    return words(QT_TRANSLATE_NOOP("vaz::site::WalkTest", "Tested %1 of %2, failed %3"))
        .arg(s.tested)
        .arg(s.total)
        .arg(s.failed);
}

QStringList summaryLines(const WalkSummary &s)
{
    QStringList lines{summaryText(s)};
    if (!s.failedKeys.isEmpty())
        lines << words(QT_TRANSLATE_NOOP("vaz::site::WalkTest", "Failed: %1")).arg(places(s.failedKeys));
    if (!s.notTestedKeys.isEmpty())
        lines << words(QT_TRANSLATE_NOOP("vaz::site::WalkTest", "Not tested: %1")).arg(places(s.notTestedKeys));
    return lines;
}

QString timeText(const QDateTime &at)
{
    return at.isValid() ? at.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
}

storage::SheetRows walkTable(const Installation &inst)
{
    storage::SheetRows rows{kColumns};
    for (const WalkRow &r : walkRows(inst))
        rows << QStringList{QString::number(r.key.loop),
                            QString::number(r.key.address),
                            r.zone == 0 ? QString() : QString::number(r.zone),
                            devices::reportName(r.type).trimmed(),
                            r.location,
                            QLatin1String(kResultWords[int(r.test.result)]),
                            r.test.remark,
                            r.test.at.isValid() ? r.test.at.toUTC().toString(Qt::ISODate) : QString()};
    return rows;
}

WalkImportPlan planWalkImport(const Installation &inst, const storage::SheetRows &rows)
{
    using Why = WalkImportPlan::Refused::Why;
    WalkImportPlan plan;
    QList<int> at(kColumns.size(), -1);
    if (!rows.isEmpty())
        for (qsizetype c = 0; c < rows[0].size(); ++c)
            for (qsizetype k = 0; k < kColumns.size(); ++k)
                if (storage::unguardedCell(rows[0][c]).trimmed().compare(kColumns[k], Qt::CaseInsensitive) == 0)
                    at[k] = int(c);
    if (at[LoopCol] < 0 || at[AddressCol] < 0 || at[ResultCol] < 0) {
        plan.noHeader = true;
        return plan;
    }
    QSet<int> seen;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const QStringList &row = rows[i];
        const auto cell = [&](Column c) { return at[c] < 0 ? QString() : storage::unguardedCell(row.value(at[c])); };
        if (std::all_of(row.begin(), row.end(), [](const QString &s) { return s.trimmed().isEmpty(); }))
            continue;
        const int line = int(i) + 1;
        const auto refuse = [&](Why why, const QString &text) {
            plan.refused << WalkImportPlan::Refused{line, why, text.left(80)};
        };
        const auto loop = wholeNumber(cell(LoopCol), 1, kLoops);
        const auto address = wholeNumber(cell(AddressCol), 1, kAddresses);
        if (!loop || !address) {
            refuse(Why::BadPlace, cell(LoopCol) + u'/' + cell(AddressCol));
            continue;
        }
        const DeviceKey key{*loop, *address};
        const auto result = parseResult(cell(ResultCol));
        const auto time = parseTime(cell(TimeCol));
        const QString remark = cell(RemarkCol).trimmed();
        const std::optional<Why> why = !result                                        ? std::optional(Why::BadResult)
                                       : !time                                        ? std::optional(Why::BadTime)
                                       : remark.size() > kMaxRemarkLength             ? std::optional(Why::LongRemark)
                                       : seen.contains(key.loop * 1000 + key.address) ? std::optional(Why::Repeated)
                                                                                      : std::nullopt;
        if (why) {
            refuse(*why, *why == Why::BadResult    ? cell(ResultCol)
                         : *why == Why::BadTime    ? cell(TimeCol)
                         : *why == Why::LongRemark ? remark
                                                   : devicePlace(key.loop, key.address));
            continue;
        }
        if (!isInput(inst, key)) {
            plan.unknown << WalkImportPlan::Unknown{line, key};
            continue;
        }
        seen.insert(key.loop * 1000 + key.address);
        const WalkTest before = inst.site.walkTests.value(key);
        const WalkTest after{*result, remark, *result == WalkResult::NotTested ? QDateTime() : *time};
        if (after != before)
            plan.changes << WalkImportPlan::Change{key, before, after};
    }
    return plan;
}

void applyWalkImport(Installation &inst, const WalkImportPlan &plan)
{
    for (const WalkImportPlan::Change &c : plan.changes)
        if (c.after == WalkTest{})
            inst.site.walkTests.remove(c.key);
        else
            inst.site.walkTests.insert(c.key, c.after);
}

QString importSummary(const WalkImportPlan &plan)
{
    if (plan.noHeader)
        return words(QT_TRANSLATE_NOOP("vaz::site::WalkTest",
                                       "The file has no Loop, Address and Result columns: nothing can be imported."));
    return words(QT_TRANSLATE_NOOP("vaz::site::WalkTest", "Results that change: %1. Rows refused: %2. Devices "
                                                          "unknown: %3."))
        .arg(plan.changes.size())
        .arg(plan.refused.size())
        .arg(plan.unknown.size());
}

QStringList importLines(const WalkImportPlan &plan)
{
    using Why = WalkImportPlan::Refused::Why;
    QStringList lines;
    for (const auto &c : plan.changes) {
        QString after = resultName(c.after.result);
        if (!c.after.remark.isEmpty())
            after += QStringLiteral(" (%1)").arg(c.after.remark);
        lines << words(QT_TRANSLATE_NOOP("vaz::site::WalkTest", "%1: %2 → %3"))
                     .arg(devicePlace(c.key.loop, c.key.address), resultName(c.before.result), after);
    }
    for (const auto &r : plan.refused) {
        const char *why =
            r.why == Why::BadPlace ? QT_TRANSLATE_NOOP("vaz::site::WalkTest", "no such loop or address")
            : r.why == Why::BadResult
                ? QT_TRANSLATE_NOOP("vaz::site::WalkTest", "the result is not Passed, Failed or Not tested")
            : r.why == Why::BadTime ? QT_TRANSLATE_NOOP("vaz::site::WalkTest", "the time cannot be read")
            : r.why == Why::LongRemark
                ? QT_TRANSLATE_NOOP("vaz::site::WalkTest", "the remark is longer than 200 characters")
                : QT_TRANSLATE_NOOP("vaz::site::WalkTest", "the device is named a second time");
        lines << words(QT_TRANSLATE_NOOP("vaz::site::WalkTest", "Row %1 refused: %2 (\"%3\")"))
                     .arg(r.row)
                     .arg(words(why), r.cell);
    }
    for (const auto &u : plan.unknown)
        lines << words(QT_TRANSLATE_NOOP("vaz::site::WalkTest", "Row %1: no input device at %2"))
                     .arg(u.row)
                     .arg(devicePlace(u.key.loop, u.key.address));
    return lines;
}

}  // namespace vaz::site
