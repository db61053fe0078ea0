#include "core/storage/Schedule.h"

#include "core/causeeffect/RuleLists.h"
#include "core/causeeffect/Rules.h"
#include "core/devices/DeviceCatalog.h"
#include "core/devices/UnusualDevices.h"
#include "core/model/Conversions.h"
#include "core/model/NameCheck.h"
#include "core/panel/DisplayText.h"

#include <QHash>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <optional>

namespace vaz::storage {

namespace {

using Device = Installation::Device;
using devices::bypassApplies;
using devices::inputEventApplies;
using devices::outputEventApplies;

const QString kYes = QStringLiteral("yes"), kNo = QStringLiteral("no");
const QString kFire = QStringLiteral("Fire"), kFault = QStringLiteral("Fault");
constexpr int kFire32 = 32, kBypass64 = 64, kMaxDelay = 250;

QString number(long long n) { return n == 0 ? QString() : QString::number(n); }

QString trimmedEnd(const QString &text)
{
    qsizetype n = text.size();
    while (n > 0 && text[n - 1].isSpace())
        --n;
    return text.left(n);
}

// How a cell compares: case and blanks make no difference.
QString folded(const QString &text) { return text.simplified().toCaseFolded(); }

int loopCount(const Installation &inst)
{
    int n = 0;
    for (int L = 1; L <= kLoops; ++L)
        n += devices::loopBranchByCount(inst.CevrimSayisi, L);
    return n;
}

QStringList rowOf(int L, int A, const Device &d)
{
    QStringList row(kScheduleColumns);
    row[kLoopColumn] = QString::number(L);
    row[kAddressColumn] = QString::number(A);
    row[kTypeColumn] = devices::isValidCode(d.type) ? devices::shortName(d.type) : QString::number(d.type);
    row[kZoneColumn] = number(d.zone);
    row[kLocationColumn] = trimmedEnd(d.location);
    if (bypassApplies(d.type))
        row[kBypassColumn] = d.bypass == kBypass64 ? kYes : kNo;
    if (inputEventApplies(d.type))
        row[kInputEventColumn] = d.event == kFire32 ? kFire : kFault;
    if (outputEventApplies(d.type)) {
        row[kOutputEventColumn] = d.fault >= 1 ? kFault : d.fire > 0 ? kFire : QString();
        row[kOutputDelayColumn] = QString::number(d.delay);
        row[kFireZoneColumn] = number(d.fire);
        row[kFaultZoneColumn] = number(d.fault);
    }
    return row;
}

std::optional<int> typeCode(const QString &cell)
{
    // "Photo-elec. smoke det.", "QF-3010 Photo-electric smoke detector", "2"; blanks and case aside.
    auto squeezed = [](const QString &s) {
        QString t = s.toCaseFolded();
        t.removeIf([](QChar c) { return c.isSpace(); });
        return t;
    };
    bool isNumber = false;
    if (const int code = cell.toInt(&isNumber); isNumber)
        return devices::isValidCode(code) ? std::optional(code) : std::nullopt;
    const QString wanted = squeezed(cell);
    for (int code = 1; code <= devices::kTypeCount; ++code)
        for (const QString &name : {devices::shortName(code), devices::listText(code), devices::reportName(code)})
            if (squeezed(name) == wanted)
                return code;
    return std::nullopt;
}

using Problem = ScheduleProblem::Kind;

// Checks one row's cells and says what is wrong.
// A cell in a message: enough to find it, never a page of text.
QString echoed(const QString &cell)
{
    constexpr qsizetype kEchoed = 80;
    return cell.size() <= kEchoed ? cell : cell.left(kEchoed - 1) + u'…';
}

class RowReader {
public:
    RowReader(int row, const QStringList &cells, const QList<int> &columnOf, QList<ScheduleProblem> &problems)
        : row_(row), cells_(cells), columnOf_(columnOf), problems_(problems)
    {}

    bool given(int column) const { return columnOf_[column] >= 0; }
    // The cell as the sheet holds it.
    QString raw(int column) const { return given(column) ? cells_.value(columnOf_[column]) : QString(); }
    // Without the apostrophe the CSV export guards it with; blanks around it do
    // not count, before a location they are the user's.
    QString cell(int column) const
    {
        const QString text = unguardedCell(raw(column));
        return column == kLocationColumn ? trimmedEnd(text) : text.trimmed();
    }
    static ScheduleProblem problemAt(int row, int column, Problem kind, const QString &cell = {}, int limit = 0)
    {
        ScheduleProblem p;
        p.kind = kind;
        p.row = row;
        p.column = column;
        p.cell = echoed(cell);
        p.limit = limit;
        return p;
    }
    ScheduleProblem &problem(int column, Problem kind, const QString &cell = {}, int limit = 0)
    {
        problems_.append(problemAt(row_, column, kind, cell, limit));
        return problems_.last();
    }

    // A whole number from low to high; empty gives `empty`.
    std::optional<int> whole(int column, int low, int high, std::optional<int> empty = std::nullopt)
    {
        const QString text = cell(column);
        if (text.isEmpty()) {
            if (!empty)
                problem(column, Problem::Empty);
            return empty;
        }
        bool ok = false;
        const double v = text.toDouble(&ok);
        if (!ok)
            problem(column, Problem::NotANumber, text);
        else if (std::floor(v) != v)
            problem(column, Problem::NotWhole, text);
        else if (v < low)
            problem(column, Problem::Below, text, low);
        else if (v > high)
            problem(column, Problem::Above, text, high);
        else
            return int(v);
        return std::nullopt;
    }

    // One of the texts (compared folded), as its index; empty gives `empty`.
    std::optional<int> choice(int column, const QStringList &texts, Problem otherwise, int empty)
    {
        const QString text = folded(cell(column));
        if (text.isEmpty())
            return empty;
        for (int i = 0; i < texts.size(); ++i)
            if (folded(texts[i]) == text)
                return i;
        problem(column, otherwise, cell(column));
        return std::nullopt;
    }

private:
    int row_;
    const QStringList &cells_;
    const QList<int> &columnOf_;
    QList<ScheduleProblem> &problems_;
};

// The device a row describes, from what is stored at its address. A cell that
// reads as the export of the stored device keeps what is stored.
struct RowDevice {
    RowReader &in;
    const QStringList *before;  // the export of the device there; none for a new one
    Device d;

    bool same(std::initializer_list<int> columns) const
    {
        for (int c : columns) {
            if (!before || !in.given(c))
                return false;
            // A location is the user's own text, letter for letter. A workbook
            // the tool wrote holds it unguarded, even where it begins "'=".
            const bool equal = c == kLocationColumn
                                   ? in.cell(c) == (*before)[c] || trimmedEnd(in.raw(c)) == (*before)[c]
                                   : folded(in.cell(c)) == folded((*before)[c]);
            if (!equal)
                return false;
        }
        return true;
    }
    // A property that does not apply to the type must be left empty, unless
    // it is what the export wrote.
    bool applies(int column, bool applies)
    {
        if (!applies && devices::isValidCode(d.type) && !in.cell(column).isEmpty() && !same({column}))
            in.problem(column, Problem::DoesNotApply).number = d.type;
        return applies && in.given(column) && !same({column});
    }

    void read()
    {
        if (!same({kTypeColumn})) {
            const QString text = in.cell(kTypeColumn);
            if (text.isEmpty())
                in.problem(kTypeColumn, Problem::Empty);
            else if (const std::optional<int> code = typeCode(text))
                d.type = *code;
            else
                in.problem(kTypeColumn, Problem::NotAType, text);
        }
        if (in.given(kZoneColumn) && !same({kZoneColumn}))
            d.zone = in.whole(kZoneColumn, 1, kZones, 0).value_or(d.zone);
        if (in.given(kLocationColumn) && !same({kLocationColumn})) {
            const QString text = in.cell(kLocationColumn);
            if (text.size() > kNameLength)
                in.problem(kLocationColumn, Problem::TooLong, {}, kNameLength).number = int(text.size());
            else if (const QString c = unsendableCharacter(text); !c.isEmpty())
                in.problem(kLocationColumn, Problem::CannotBeSent, c);
            else
                d.location = savedLocation(text);
        }
        if (applies(kBypassColumn, bypassApplies(d.type)))
            if (const auto yes = in.choice(kBypassColumn, {kNo, kYes}, Problem::NotYesOrNo, 0))
                d.bypass = *yes ? kBypass64 : 0;
        if (applies(kInputEventColumn, inputEventApplies(d.type))) {
            if (const auto fire = in.choice(kInputEventColumn, {kFault, kFire}, Problem::NotFireOrFault, 0))
                d.event = *fire ? kFire32 : 0;
            if (d.event == kFire32 && d.zone == 0)
                in.problem(kInputEventColumn, Problem::NeedsZone, kFire);
        }
        if (applies(kOutputDelayColumn, outputEventApplies(d.type)))
            d.delay = in.whole(kOutputDelayColumn, 0, kMaxDelay, 0).value_or(d.delay);
        readOutputEvent();
    }

    void readOutputEvent()
    {
        const bool output = outputEventApplies(d.type);
        bool changed = false;
        for (int c : {kOutputEventColumn, kFireZoneColumn, kFaultZoneColumn})
            changed |= applies(c, output);
        if (!changed)
            return;
        const int stored = d.fault >= 1 ? 2 : d.fire > 0 ? 1 : 0;
        const auto event = in.given(kOutputEventColumn)
                               ? in.choice(kOutputEventColumn, {QString(), kFire, kFault}, Problem::NotFireOrFault, 0)
                               : stored;
        const int fire = in.whole(kFireZoneColumn, 1, kZones, 0).value_or(0);
        const int fault = in.whole(kFaultZoneColumn, 1, kZones, 0).value_or(0);
        if (!event)
            return;
        d.fire = *event == 1 ? (fire ? fire : int(d.zone)) : *event == 2 ? fire : 0;
        d.fault = *event == 2 ? (fault ? fault : int(d.zone)) : 0;
        if ((*event == 1 && d.fire == 0) || (*event == 2 && d.fault == 0))
            in.problem(kOutputEventColumn, Problem::NeedsZone, *event == 1 ? kFire : kFault);
    }
};

// The rules that name each device, by name, keyed by place; every list is
// read once, as a full configuration has 200 rules of 127 devices each.
class RuleUsers {
public:
    explicit RuleUsers(const Installation &inst) : inst_(inst) {}
    QStringList of(int L, int A)
    {
        if (!built_) {
            built_ = true;
            for (int r = 1; r <= std::min<int>(inst_.SSsayisi, kMaxRules); ++r)
                for (const QString &list : {inst_.SSgirisler(r), inst_.SScikislar(r)})
                    for (const ListItem &item : DizidenListeyeCevir(list)) {
                        if (!(item.loop >= 1 && item.loop <= kLoops && item.address >= 1 && item.address <= kAddresses))
                            continue;
                        const int l = int(item.loop), a = int(item.address);
                        if (l != item.loop || a != item.address)
                            continue;
                        // Named once, though it may stand in both lists.
                        if (QStringList &names = users_[place(l, a)];
                            names.isEmpty() || names.last() != inst_.SSismi(r))
                            names << inst_.SSismi(r);
                    }
        }
        return users_.value(place(L, A));
    }
    static int place(int L, int A) { return L * 1000 + A; }

private:
    const Installation &inst_;
    bool built_ = false;
    QHash<int, QStringList> users_;
};

// For the reader of the sheet only: the import finds its columns by their
// headings and passes this one by.
void addZoneNames(Sheet &sheet, const Installation &inst)
{
    constexpr int at = kZoneColumn + 1;
    sheet.rows[0].insert(at, QStringLiteral("Zone name"));
    for (qsizetype i = 1; i < sheet.rows.size(); ++i)
        sheet.rows[i].insert(at, inst.site.zoneName(sheet.rows[i][kZoneColumn].toInt()));
    sheet.choices.insert(at, QStringList());
    QSet<int> numbers;
    for (int c : std::as_const(sheet.numberColumns))
        numbers.insert(c < at ? c : c + 1);
    sheet.numberColumns = numbers;
}

}  // namespace

QStringList scheduleHeader()
{
    return {QStringLiteral("Loop"),        QStringLiteral("Address"),      QStringLiteral("Type"),
            QStringLiteral("Zone"),        QStringLiteral("Location"),     QStringLiteral("Bypass"),
            QStringLiteral("Input event"), QStringLiteral("Output event"), QStringLiteral("Output delay"),
            QStringLiteral("Fire zone"),   QStringLiteral("Fault zone")};
}

Sheet scheduleSheet(const Installation &inst, bool empty)
{
    Sheet sheet;
    sheet.name = QStringLiteral("Devices");
    sheet.rows << scheduleHeader();
    const int loops = loopCount(inst);
    for (int L = 1; L <= loops && !empty; ++L)
        for (int A = 1; A <= kAddresses; ++A)
            if (inst.CihazTipi(L, A) != 0)
                sheet.rows << rowOf(L, A, inst.device(L, A));
    QStringList types, zones;
    for (int code = 1; code <= devices::kTypeCount; ++code)
        types << devices::shortName(code);
    for (int z = 1; z <= kZones; ++z)
        zones << QString::number(z);
    sheet.choices = QList<QStringList>(kScheduleColumns);
    sheet.choices[kTypeColumn] = types;
    sheet.choices[kZoneColumn] = sheet.choices[kFireZoneColumn] = sheet.choices[kFaultZoneColumn] = zones;
    sheet.choices[kBypassColumn] = QStringList{kYes, kNo};
    sheet.choices[kInputEventColumn] = sheet.choices[kOutputEventColumn] = QStringList{kFire, kFault};
    sheet.numberColumns = {kLoopColumn,        kAddressColumn,  kZoneColumn,
                           kOutputDelayColumn, kFireZoneColumn, kFaultZoneColumn};
    return sheet;
}

Sheet exportedSchedule(const Installation &inst, bool empty)
{
    Sheet sheet = scheduleSheet(inst, empty);
    if (!inst.site.zoneNames.isEmpty())
        addZoneNames(sheet, inst);
    return sheet;
}

SchedulePlan planSchedule(const Installation &inst, const SheetRows &rows)
{
    SchedulePlan plan;
    const QStringList header = scheduleHeader();
    QList<int> columnOf(kScheduleColumns, -1);
    const QStringList given = rows.value(0);
    for (int i = 0; i < given.size(); ++i)
        for (int h = 0; h < header.size(); ++h)
            if (folded(header[h]) == folded(given[i]) && columnOf[h] < 0)
                columnOf[h] = i;
    for (int c : {kLoopColumn, kAddressColumn, kTypeColumn})
        if (columnOf[c] < 0)
            plan.problems.append(RowReader::problemAt(1, -1, Problem::NoColumn, header[c]));
    if (!plan.ok())
        return plan;

    const int loops = loopCount(inst);
    RuleUsers users(inst);
    QSet<int> seen;  // the places rows have named
    for (int i = 1; i < rows.size(); ++i) {
        const QStringList &cells = rows[i];
        if (std::all_of(cells.begin(), cells.end(), [](const QString &c) { return c.trimmed().isEmpty(); }))
            continue;
        const int rowNumber = i + 1;
        RowReader in(rowNumber, cells, columnOf, plan.problems);
        const std::optional<int> L = in.whole(kLoopColumn, 1, kLoops);
        const std::optional<int> A = in.whole(kAddressColumn, 1, kAddresses);
        if (!L || !A)
            continue;
        if (*L > loops) {
            in.problem(-1, Problem::LoopBeyond, {}, loops).number = *L;
            continue;
        }
        if (seen.contains(RuleUsers::place(*L, *A))) {
            in.problem(-1, Problem::Twice).at = {*L, *A};
            continue;
        }
        seen.insert(RuleUsers::place(*L, *A));
        const Device stored = inst.device(*L, *A);
        const bool exists = stored.type != 0;
        const QStringList before = exists ? rowOf(*L, *A, stored) : QStringList();
        RowDevice row{in, exists ? &before : nullptr, stored};
        row.read();
        // An input of a rule cannot become an output module, nor an output an input.
        using devices::isRuleInput, devices::isRuleOutput;
        if (exists && (isRuleInput(row.d.type) != isRuleInput(stored.type) ||
                       isRuleOutput(row.d.type) != isRuleOutput(stored.type)))
            if (const QStringList rules = users.of(*L, *A); !rules.isEmpty())
                in.problem(kTypeColumn, isRuleOutput(stored.type) ? Problem::UsedAsOutput : Problem::UsedAsInput)
                    .rules = rules;
        if (row.d == stored)
            continue;
        plan.changes.append({{*L, *A}, row.d});
        ++(exists ? plan.changed : plan.added);
    }
    for (int L = 1; L <= loops; ++L)
        for (int A = 1; A <= kAddresses; ++A) {
            if (inst.CihazTipi(L, A) == 0 || seen.contains(RuleUsers::place(L, A)))
                continue;
            plan.removed.append({L, A});
            if (const QStringList rules = users.of(L, A); !rules.isEmpty()) {
                ScheduleProblem p = RowReader::problemAt(0, -1, Problem::CannotRemove);
                p.at = {L, A}, p.rules = rules;
                plan.problems.append(p);
            }
        }
    return plan;
}

void applySchedule(Installation &inst, const SchedulePlan &plan)
{
    for (const SchedulePlan::Change &c : plan.changes)
        inst.setDevice(c.at.loop, c.at.address, c.device);
    for (const DeviceAddress &at : plan.removed)
        inst.removeDevice(at.loop, at.address);
}

Sheet causeEffectMatrix(const Installation &inst)
{
    const int rules = std::clamp<int>(inst.SSsayisi, 0, kMaxRules);
    QStringList header = scheduleHeader().mid(0, kBypassColumn);
    for (int r = 1; r <= rules; ++r)
        header << (conditionText(inst.SSkosul(r)).isEmpty()
                       ? inst.SSismi(r)
                       : QStringLiteral("%1 (%2)").arg(inst.SSismi(r), conditionText(inst.SSkosul(r))));
    // By place, loop 5 being the panel outputs: every panel output gets a row.
    QMap<int, QStringList> rows;
    for (int k = 0; k < kPanelOutputs; ++k) {
        QStringList row(header.size());
        row[kTypeColumn] = QStringLiteral("Panel output");
        row[kLocationColumn] = panelOutputName(k);
        rows.insert(RuleUsers::place(kPanelOutputLoop, k + 1), row);
    }
    for (int r = 1; r <= rules; ++r)
        for (const auto &[list, mark] :
             {std::pair{inst.SSgirisler(r), QStringLiteral("I")}, {inst.SScikislar(r), QStringLiteral("O")}})
            for (const ListItem &item : DizidenListeyeCevir(list)) {
                // Devices and panel outputs; anything else a list may hold has no row.
                if (!(item.loop >= 1 && item.loop <= kPanelOutputLoop && item.address >= 1 &&
                      item.address <= kAddresses))
                    continue;
                const int L = int(item.loop), A = int(item.address);
                if (item.loop != L || item.address != A || (L == kPanelOutputLoop && A > kPanelOutputs))
                    continue;
                auto at = rows.find(RuleUsers::place(L, A));
                if (at == rows.end()) {
                    QStringList row = rowOf(L, A, inst.device(L, A)).mid(0, kBypassColumn);
                    if (inst.CihazTipi(L, A) == 0)
                        row[kTypeColumn].clear();
                    row.resize(header.size());
                    at = rows.insert(RuleUsers::place(L, A), row);
                }
                QString &cell = (*at)[kBypassColumn + r - 1];
                if (!cell.contains(mark))
                    cell += cell.isEmpty() ? mark : QStringLiteral("/") + mark;
            }
    Sheet sheet;
    sheet.name = QStringLiteral("Cause-effect");
    sheet.rows << header << rows.values();
    sheet.numberColumns = {kLoopColumn, kAddressColumn, kZoneColumn};
    return sheet;
}

}  // namespace vaz::storage
