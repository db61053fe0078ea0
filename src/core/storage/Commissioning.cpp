#include "core/storage/Commissioning.h"

#include "core/storage/ConfigFile.h"
#include "core/storage/Schedule.h"
#include "core/storage/ScheduleWords.h"
#include "core/causeeffect/RuleLists.h"
#include "core/causeeffect/Rules.h"
#include "core/devices/DeviceCatalog.h"
#include "core/model/Conversions.h"
#include "core/site/LoopCalc.h"
#include "core/site/WalkTest.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace vaz::storage {

// The context of the papers' texts in the translations: the windows print in
// the user's language, the command line in English.
class Paper {
    Q_DECLARE_TR_FUNCTIONS(vaz::storage::Paper)
};

namespace {

// Lines wider than this make the printer shrink its font.
constexpr int kWidth = 150;
const QString kLine = QStringLiteral("________________________________");

QString itemInWords(const Installation &inst, const ListItem &item)
{
    const int L = int(item.loop), A = int(item.address);
    const bool whole = L == item.loop && A == item.address;
    if (whole && L == kPanelOutputLoop && A >= 1 && A <= kPanelOutputs)
        return panelOutputName(A - 1);
    if (!whole || L < 1 || L > kLoops || A < 1 || A > kAddresses)
        return Paper::tr("list item %1,%2").arg(item.loopDigits, item.addressDigits);
    const int type = inst.CihazTipi(L, A);
    QString text = devicePlace(L, A) + u' ' +
                   (devices::isValidCode(type) ? devices::shortName(type)
                    : type == 0                ? Paper::tr("(no device)")
                                               : Paper::tr("(unknown type %1)").arg(type));
    if (const QString where = inst.MahalText(L, A).trimmed(); !where.isEmpty())
        text += QStringLiteral(" '%1'").arg(where);
    return text;
}

QStringList listInWords(const Installation &inst, const QString &list)
{
    QStringList items;
    for (const ListItem &item : DizidenListeyeCevir(list))
        items << itemInWords(inst, item);
    return items;
}

QStringList rowLines(const QList<QStringList> &rows, const QList<int> &widths)
{
    QStringList out;
    for (const QStringList &r : rows)
        out << tableLine(r, widths);
    return out;
}

QList<QStringList> oneLineRows(const QStringList &lines)
{
    QList<QStringList> rows;
    for (const QString &l : lines)
        rows << QStringList{l};
    return rows;
}

DocumentSection coverSection(const Installation &inst, const CommissioningSource &source, qsizetype devices)
{
    const QString sha = QString::fromLatin1(QCryptographicHash::hash(source.bytes, QCryptographicHash::Sha256).toHex());
    const QString mode = inst.CalmaModu == 1 ? Paper::tr("Cause-effect") : Paper::tr("Common");
    const QList<QStringList> fields{
        {Paper::tr("Supplier:"), inst.TedarikciAdi.trimmed()},
        {Paper::tr("Panel name:"), inst.PanelAdi.trimmed()},
        {Paper::tr("Firmware (MCU version):"), versionName(inst.McuVersiyon)},
        {Paper::tr("Loop count:"), numberText(inst.CevrimSayisi)},
        {Paper::tr("Devices:"), QString::number(devices)},
        {Paper::tr("Cause-effect rules:"), QString::number(std::clamp<int>(inst.SSsayisi, 0, kMaxRules))},
        {Paper::tr("Operation mode:"), mode},
        {Paper::tr("File:"), source.fileName},
        {Paper::tr("Date and time:"), printDate(source.printed)},
        {Paper::tr("File SHA-256:"), sha},
        {QString(), source.onDisk ? Paper::tr("of the file as saved on disk")
                                  : Paper::tr("of the bytes a save would write: the configuration on screen "
                                              "is not saved as it is")},
        {Paper::tr("Panel fingerprint:"), source.fingerprint.isEmpty()
                                              ? Paper::tr("none: an upload would refuse this configuration")
                                              : source.fingerprint},
        {QString(), Paper::tr("of the bytes an upload sends, the same for the file and a download of it")},
        {QString(), source.verified
                        ? Paper::tr("Verified in the panel on %1 by %2 from %3")
                              .arg(printDate(source.verified->when), source.verified->user, source.verified->device)
                        : Paper::tr("No verified upload of it in this computer's transfer log")},
        {},
        {},
        {Paper::tr("Commissioning engineer:"), kLine},
        {Paper::tr("Company:"), kLine},
        {},
        {Paper::tr("Signature:"), kLine + Paper::tr("    Date: ") + kLine.left(12)},
    };
    return {{Paper::tr("COMMISSIONING REPORT"), QString()}, {rowLines(fields, columnWidths(fields))}, false};
}

// A section for each run of rows with the same key; the first opens a page when asked.
template <typename Key>
void groupSections(Document &doc, const QList<QStringList> &rows, Key key, const QStringList &header,
                   const QList<int> &widths, const QString &title, bool first = true)
{
    for (qsizetype i = 0; i < rows.size();) {
        const QString k = key(rows[i]);
        QList<QStringList> group;
        for (; i < rows.size() && key(rows[i]) == k; ++i)
            group << QStringList{tableLine(rows[i], widths)};
        doc.sections << DocumentSection{
            {title.arg(k, group.size() == 1 ? Paper::tr("1 device") : Paper::tr("%1 devices").arg(group.size())),
             tableLine(header, widths)},
            group,
            first};
        first = false;
    }
}

QString namedZone(const Installation &inst, const QString &zone)
{
    return zone.isEmpty() ? Paper::tr("no zone") : inst.site.withZoneName(zone.toInt(), Paper::tr("zone ") + zone);
}

// "Kat 9" before "Kat 10" and case aside, as people sort, in any locale.
bool naturalLess(const QString &a, const QString &b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ei = i, ej = j;
            while (ei < a.size() && a[ei].isDigit())
                ++ei;
            while (ej < b.size() && b[ej].isDigit())
                ++ej;
            const QString na = a.mid(i, ei - i), nb = b.mid(j, ej - j);
            if (na.size() != nb.size())
                return na.size() < nb.size();
            if (const int c = na.compare(nb); c != 0)
                return c < 0;
            i = ei, j = ej;
        } else {
            if (const int c = QString::compare(a.mid(i, 1), b.mid(j, 1), Qt::CaseInsensitive); c != 0)
                return c < 0;
            ++i, ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

// Zone by number, devices without one last; then location; then place.
void sortByZoneAndLocation(QList<QStringList> &rows, int zoneColumn, int locationColumn)
{
    std::stable_sort(rows.begin(), rows.end(), [&](const QStringList &a, const QStringList &b) {
        const int za = a[zoneColumn].isEmpty() ? kZones + 1 : a[zoneColumn].toInt();
        const int zb = b[zoneColumn].isEmpty() ? kZones + 1 : b[zoneColumn].toInt();
        if (za != zb)
            return za < zb;
        return naturalLess(a[locationColumn], b[locationColumn]);
    });
}

void matrixSections(Document &doc, const Installation &inst)
{
    const Sheet matrix = causeEffectMatrix(inst);
    const int rules = int(matrix.rows[0].size()) - kBypassColumn;
    if (rules <= 0)
        return;
    QList<QStringList> identity;
    for (const QStringList &r : matrix.rows)
        identity << r.mid(0, kBypassColumn);
    QList<int> widths = columnWidths(identity);
    int used = 0;
    for (int w : widths)
        used += w + 2;
    const int cell = std::max(3, int(QString::number(rules).size()));
    const int perChunk = std::max(1, (kWidth - used) / (cell + 2));
    for (int from = 0; from < rules; from += perChunk) {
        const int to = std::min(rules, from + perChunk);
        QList<int> w = widths;
        QStringList header = identity[0];
        for (int r = from; r < to; ++r) {
            w << cell;
            header << QString::number(r + 1);
        }
        QList<QStringList> rows;
        for (qsizetype i = 1; i < matrix.rows.size(); ++i)
            rows << QStringList{tableLine(identity[i] + matrix.rows[i].mid(kBypassColumn + from, to - from), w)};
        // A column's number alone sends the reader to another page for its name.
        QStringList names;
        for (int r = from + 1; r <= to; ++r)
            names << QStringLiteral("%1 %2").arg(r).arg(inst.SSismi(r).trimmed());
        QStringList heading{Paper::tr("CAUSE-EFFECT MATRIX, rules %1 to %2 of %3 (I: input, O: output; each rule is "
                                      "spelled out on the cause-effect test sheet)")
                                .arg(from + 1)
                                .arg(to)
                                .arg(rules)};
        heading << wrapText(Paper::tr("Rules: ") + names.join(QStringLiteral(", ")), kWidth, 2) << tableLine(header, w);
        doc.sections << DocumentSection{heading, rows, from == 0};
    }
}

// Each output with what sets it off (the rules by name: their inputs are on
// the cause-effect sheet) and a box to tick.
void outputSheet(Document &doc, const Installation &inst)
{
    // Who names whom, read once: an output sheet of a full site must not parse every list per output.
    QHash<int, QStringList> rulesOf;  // loop * 1000 + address; the panel's outputs as loop 5
    const int rules = inst.McuVersiyon >= 20 ? std::clamp<int>(inst.SSsayisi, 0, kMaxRules) : 0;
    for (int r = 1; r <= rules; ++r) {
        const QString how = conditionText(inst.SSkosul(r));
        const QString name = Paper::tr("rule %1 '%2'").arg(r).arg(inst.SSismi(r).trimmed()) +
                             (how.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(how));
        for (const ListItem &item : DizidenListeyeCevir(inst.SScikislar(r))) {
            if (const int k = itemPanelOutput(item); k != 0)
                rulesOf[kPanelOutputLoop * 1000 + k] << name;
            else if (const auto at = itemDevice(inst, item))
                rulesOf[at->loop * 1000 + at->address] << name;
        }
    }
    QList<QStringList> blocks;
    auto add = [&](int loop, int address, const QString &what, const QStringList &zones) {
        QStringList by = rulesOf.value(loop * 1000 + address);
        by.removeDuplicates();
        if (inst.CalmaModu == 0)
            by = {Paper::tr("the ringing mode is Common: the panel's common outputs ring")};
        by << zones;
        QStringList block{QStringLiteral("[ ] ") + what};
        for (const QString &line :
             wrapText(Paper::tr("Set off by: ") + (by.isEmpty() ? Paper::tr("nothing") : by.join(QStringLiteral(", "))),
                      kWidth - 6, 2))
            block << QStringLiteral("      ") + line;
        blocks << (block << QStringLiteral("    ") + Paper::tr("Result, remarks: ") + kLine);
    };
    for (int l = 1; l <= kLoops; ++l)
        for (int a = 1; a <= kAddresses; ++a) {
            const int type = inst.CihazTipi(l, a);
            if (!devices::isRuleOutput(type))
                continue;
            const int zone = inst.BolgeNo(l, a);
            QStringList zones;
            if (zone != 0 && inst.CikisYangin(l, a) != 0)
                zones << Paper::tr("a fire in zone %1").arg(inst.site.withZoneName(zone, QString::number(zone)));
            else if (zone != 0 && inst.CikisHata(l, a) != 0)
                zones << Paper::tr("a fault in zone %1").arg(inst.site.withZoneName(zone, QString::number(zone)));
            add(l, a,
                QStringLiteral("%1 %2%3").arg(devicePlace(l, a), devices::shortName(type),
                                              inst.MahalText(l, a).trimmed().isEmpty()
                                                  ? QString()
                                                  : QStringLiteral(" '%1'").arg(inst.MahalText(l, a).trimmed())),
                zones);
        }
    for (int k = 1; k <= kPanelOutputs; ++k)
        add(kPanelOutputLoop, k, panelOutputName(k - 1), {});
    doc.sections << DocumentSection{
        {Paper::tr("OUTPUT TEST SHEET"), Paper::tr("Tick each output once it has operated for what sets it off.")},
        blocks,
        true};
}

// A block a rule: what to trigger, what must operate, and how it went.
void ruleSheet(Document &doc, const Installation &inst)
{
    const int rules = inst.McuVersiyon >= 20 ? std::clamp<int>(inst.SSsayisi, 0, kMaxRules) : 0;
    QList<QStringList> blocks;
    for (int r = 1; r <= rules; ++r) {
        const QString how = conditionText(inst.SSkosul(r));
        QStringList block{QStringLiteral("%1. %2 (%3)")
                              .arg(r)
                              .arg(inst.SSismi(r).trimmed(), how.isEmpty() ? Paper::tr("no condition") : how)};
        auto list = [&](const QString &title, const QString &items) {
            // Run on, not one a line: a site's rules of a hundred devices would fill a ream.
            const QStringList words = listInWords(inst, items);
            for (const QString &line :
                 wrapText(title + u' ' + (words.isEmpty() ? Paper::tr("nothing") : words.join(QStringLiteral(", "))),
                          kWidth - 4, 2))
                block << QStringLiteral("    ") + line;
        };
        list(Paper::tr("Trigger:"), inst.SSgirisler(r));
        list(Paper::tr("Must operate:"), inst.SScikislar(r));
        block << QStringLiteral("    [ ] ") + Paper::tr("operated") + QStringLiteral("    [ ] ") +
                     Paper::tr("did not operate")
              << QStringLiteral("    ") + Paper::tr("Remarks: ") + kLine + kLine;
        blocks << block;
    }
    if (!blocks.isEmpty())
        doc.sections << DocumentSection{{Paper::tr("CAUSE-EFFECT TEST SHEET"),
                                         Paper::tr("Trigger each rule's inputs as its condition asks and tick what "
                                                   "the outputs did.")},
                                        blocks,
                                        true};
}

// The loop load and the battery, each on a page, once any figure for them is known.
void loadSheets(Document &doc, const Installation &inst)
{
    if (!site::hasLoadFigures(inst.site))
        return;
    const site::LoopCalc calc = site::loopCalc(inst);
    doc.sections << DocumentSection{{Paper::tr("LOOP LOAD CALCULATION")}, oneLineRows(site::loopLoadText(calc)), true};
    doc.sections << DocumentSection{{Paper::tr("BATTERY CALCULATION (%1)").arg(site::methodName(calc.battery.method))},
                                    oneLineRows(site::batteryText(calc.battery)),
                                    true};
}

}  // namespace

QStringList ruleInWords(const Installation &inst, const QString &name, int condition, const QString &inputs,
                        const QString &outputs)
{
    const QString how = conditionText(condition);
    const QStringList in = listInWords(inst, inputs), out = listInWords(inst, outputs);
    QStringList lines{Paper::tr("%1: %2 of%3")
                          .arg(name.trimmed(), how.isEmpty() ? Paper::tr("no condition") : how,
                               in.isEmpty() ? Paper::tr(" no inputs") : QString())};
    // One device a line: a rule of 25 inputs stays a list one can tick off.
    for (const QString &item : in)
        lines << QStringLiteral("  ") + item;
    if (out.isEmpty())
        return lines << Paper::tr("→ no outputs");
    for (qsizetype i = 0; i < out.size(); ++i)
        lines << (i == 0 ? QStringLiteral("→ ") : QStringLiteral("  ")) + out[i];
    return lines;
}

QString printDate(const QDateTime &when) { return when.toString(QStringLiteral("yyyy-MM-dd HH:mm")); }

Document commissioningReport(const Installation &inst, const CommissioningSource &source)
{
    Document doc;
    doc.title = Paper::tr("Commissioning report %1").arg(source.fileName);
    doc.date = printDate(source.printed);

    QList<QStringList> schedule = scheduleSheet(inst).rows;
    for (QString &heading : schedule[0])
        heading = scheduleWord(heading);
    for (QStringList &row : schedule)
        for (int column : {kBypassColumn, kInputEventColumn, kOutputEventColumn})
            row[column] = scheduleWord(row[column]);
    const QStringList header = schedule[0];
    QList<QStringList> devices = schedule.mid(1);
    doc.sections << coverSection(inst, source, devices.size());

    const QList<int> widths = columnWidths(schedule);
    groupSections(
        doc, devices, [](const QStringList &r) { return r[kLoopColumn]; }, header, widths,
        Paper::tr("DEVICE SCHEDULE BY LOOP: loop %1, %2"));
    sortByZoneAndLocation(devices, kZoneColumn, kLocationColumn);
    groupSections(
        doc, devices, [&](const QStringList &r) { return namedZone(inst, r[kZoneColumn]); }, header, widths,
        Paper::tr("DEVICE SCHEDULE BY ZONE: %1, %2"));

    matrixSections(doc, inst);

    // The walk test: a box to tick an input device, found by zone and location;
    // outputs and rules have sheets of their own.
    devices.removeIf([&](const QStringList &d) {
        return !devices::isRuleInput(inst.CihazTipi(d[kLoopColumn].toInt(), d[kAddressColumn].toInt()));
    });
    const QStringList walkHeader{Paper::tr("Tested"), Paper::tr("Zone"), Paper::tr("Location"),
                                 Paper::tr("Device"), Paper::tr("Type"), Paper::tr("Result, remarks")};
    QList<QStringList> walk{walkHeader};
    // Results taken in the tool fill the boxes; without any the sheet stays blank to fill in by hand.
    const bool results = site::hasWalkResults(inst);
    for (const QStringList &d : devices) {
        const site::DeviceKey key{d[kLoopColumn].toInt(), d[kAddressColumn].toInt()};
        const site::WalkTest t = inst.site.walkTests.value(key);
        const bool tested = results && t.result != site::WalkResult::NotTested;
        QString outcome = kLine;
        if (tested)
            outcome = QStringList{site::resultName(t.result), site::timeText(t.at), t.remark}
                          .filter(QRegularExpression(QStringLiteral("\\S")))
                          .join(QStringLiteral(", "));
        walk << QStringList{tested ? QStringLiteral("[x]") : QStringLiteral("[ ]"),
                            d[kZoneColumn],
                            d[kLocationColumn],
                            devicePlace(key.loop, key.address),
                            d[kTypeColumn],
                            outcome};
    }
    QStringList intro{Paper::tr("Tick each device once it has been operated and "
                                "its zone and outputs were seen at the panel."),
                      Paper::tr("Tested by: ") + kLine + Paper::tr("    Date: ") + kLine.left(12)};
    if (results)
        intro << site::summaryLines(site::walkSummary(site::walkRows(inst)));
    doc.sections << DocumentSection{{Paper::tr("WALK-TEST SHEET")}, oneLineRows(intro), true};
    groupSections(
        doc, walk.mid(1), [&](const QStringList &r) { return namedZone(inst, r[1]); }, walkHeader, columnWidths(walk),
        Paper::tr("WALK TEST: %1, %2"), false);
    outputSheet(doc, inst);
    ruleSheet(doc, inst);
    loadSheets(doc, inst);
    return doc;
}

}  // namespace vaz::storage
