#include "core/comm/PanelCompare.h"

#include "core/comm/PanelFields.h"
#include "core/model/Codepage.h"
#include "core/storage/Csv.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace vaz::comm {

namespace {

// The download's eight device passes; the upload sends the same values as
// record fields 3 to 10.
const char *const kPassNames[kDevicePasses] = {"Zone",   "Type",       "Day threshold", "Night threshold",
                                               "Bypass", "Event type", "Output delay",  "Location"};
constexpr int kFirstPassField = 2;
constexpr int kLocationPass = 7;

// Gecikmeler(0..6), then CalmaModu.
const char *const kSettingNames[kSettings] = {"Sounder 1",   "Sounder 2",  "Sounder 3",   "Sounder 4",
                                              "Alarm relay", "Fire relay", "Fault relay", "Ringing mode"};
const char *const kRuleSectionNames[kRuleSections] = {"Inputs", "Outputs", "Condition", "Name"};

const QString kPanel = QStringLiteral("Panel");

QString deviceWhere(int loop, int address) { return QStringLiteral("Loop %1 address %2").arg(loop).arg(address); }
QString ruleWhere(int r) { return QStringLiteral("Cause-effect %1").arg(r); }

// Walks the download's order; value(i) gives the i-th field, ruleCount() the
// number of rules once the count field has been taken.
template <typename Value, typename RuleCount>
QList<PanelField> downloadOrder(int mcu, Value value, RuleCount ruleCount)
{
    QList<PanelField> out;
    auto add = [&](const QString &where, const char *field, bool numeric) {
        out.append({where, QString::fromLatin1(field), value(out.size()), numeric});
    };
    for (int pass = 0; pass < kDevicePasses; ++pass)
        for (int l = 1; l <= kLoops; ++l)
            for (int a = 1; a <= kAddresses; ++a)
                add(deviceWhere(l, a), kPassNames[pass], pass != kLocationPass);
    add(kPanel, "Supplier's name", false);
    if (mcu > 14)
        add(kPanel, "Panel name", false);
    for (const char *name : kSettingNames)
        add(kPanel, name, true);
    if (mcu >= 20) {
        add(kPanel, "Cause-effect count", true);
        const int rules = ruleCount(out.last().value);
        for (int s = 0; s < kRuleSections; ++s)
            for (int r = 1; r <= rules; ++r)
                add(ruleWhere(r), kRuleSectionNames[s], s == 2);
    }
    add(kPanel, "Loop count", true);
    return out;
}

QString shown(const PanelField *f) { return f ? fromCp1254(f->value) : QString(); }

bool same(const PanelField &a, const PanelField &b)
{
    if (!a.numeric)
        return a.value == b.value;
    return fieldNumber(a.value) == fieldNumber(b.value);
}

}  // namespace

QList<PanelField> expectedDownload(const Installation &cfg)
{
    const int mcu = cfg.McuVersiyon;
    const int rules = std::clamp<int>(cfg.SSsayisi, 0, kMaxRules);
    const int deviceFields = kDevicePasses * kRecords;
    std::vector<std::array<QByteArray, kRecordFields>> records;
    records.reserve(kRecords);
    for (int l = 1; l <= kLoops; ++l)
        for (int a = 1; a <= kAddresses; ++a)
            records.push_back(recordFields(cfg, l, a));
    const auto settings = settingsFields(cfg);
    return downloadOrder(
        mcu,
        [&](qsizetype i) -> QByteArray {
            if (i < deviceFields) {
                return records[i % kRecords][kFirstPassField + i / kRecords];
            }
            i -= deviceFields;
            if (i == 0)
                return toCp1254(cfg.TedarikciAdi);
            if (mcu > 14 && --i == 0)
                return toCp1254(cfg.PanelAdi);
            if (--i < kSettings)
                return settings[i];
            i -= kSettings;
            if (mcu >= 20 && i == 0)
                return numberField(rules);
            if (mcu >= 20 && i <= kRuleSections * rules) {
                --i;
                return ruleField(cfg, int(i) / rules, int(i) % rules + 1);
            }
            return QByteArray::number(cfg.CevrimSayisi);
        },
        [rules](const QByteArray &) { return rules; });
}

QList<PanelField> nameDownload(const QList<QByteArray> &received, int mcu)
{
    // Fields that never came stay out, so that a short download shows them as missing.
    QList<PanelField> named = downloadOrder(
        mcu, [&](qsizetype i) { return i < received.size() ? received[i] : QByteArray(); },
        [&](const QByteArray &count) {
            const double n = fieldNumber(count);
            return n >= 1 ? int(std::min<double>(n, kMaxRules)) : 0;
        });
    named.resize(std::min(named.size(), received.size()));
    for (qsizetype i = named.size(); i < received.size(); ++i)
        named.append({kPanel, QStringLiteral("Extra field"), received[i], false});
    return named;
}

QList<FieldDifference> compareDownload(const QList<PanelField> &tool, const QList<PanelField> &panel)
{
    auto key = [](const PanelField &f) { return f.where + QChar(0) + f.field; };
    QHash<QString, const PanelField *> inPanel;
    for (const PanelField &f : panel)
        inPanel.insert(key(f), &f);

    QList<FieldDifference> rows;
    for (const PanelField &t : tool) {
        const PanelField *p = inPanel.take(key(t));
        if (!p || !same(t, *p))
            rows.append({t.where, t.field, shown(&t), shown(p)});
    }
    for (const PanelField &p : panel)
        if (inPanel.contains(key(p)))
            rows.append({p.where, p.field, QString(), shown(&p)});
    return rows;
}

QList<FieldDifference> compareConfigurations(const Installation &tool, const Installation &other)
{
    return compareDownload(expectedDownload(tool), expectedDownload(other));
}

QByteArray differencesCsv(const QList<FieldDifference> &rows, const QString &otherSide)
{
    storage::SheetRows table{
        {QStringLiteral("Where"), QStringLiteral("Field"), QStringLiteral("In the tool"), otherSide}};
    for (const FieldDifference &d : rows)
        table << QStringList{d.where, d.field, d.tool, d.panel};
    return storage::writeCsv(table, u',', true);
}

}  // namespace vaz::comm
