#include "core/comm/PanelCompare.h"

#include "core/comm/PanelFields.h"
#include "core/model/Codepage.h"
#include "core/storage/Csv.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace vaz::comm {

// The context of the places' and fields' names in the translations.
class CompareWords {
    Q_DECLARE_TR_FUNCTIONS(vaz::comm::CompareWords)
};

namespace {

// The download's eight device passes; the upload sends the same values as
// record fields 3 to 10.
const char *const kPassNames[kDevicePasses] = {QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Zone"),
                                               QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Type"),
                                               QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Day threshold"),
                                               QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Night threshold"),
                                               QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Bypass"),
                                               QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Event type"),
                                               QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Output delay"),
                                               QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Location")};
constexpr int kFirstPassField = 2;
constexpr int kLocationPass = 7;

// Gecikmeler(0..6), then CalmaModu.
const char *const kSettingNames[kSettings] = {QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Sounder 1"),
                                              QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Sounder 2"),
                                              QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Sounder 3"),
                                              QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Sounder 4"),
                                              QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Alarm relay"),
                                              QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Fire relay"),
                                              QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Fault relay"),
                                              QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Ringing mode")};
const char *const kRuleSectionNames[kRuleSections] = {
    QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Inputs"), QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Outputs"),
    QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Condition"), QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Name")};

const QString kPanel = QStringLiteral(QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Panel"));

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
    add(kPanel, QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Supplier's name"), false);
    if (mcu > 14)
        add(kPanel, QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Panel name"), false);
    for (const char *name : kSettingNames)
        add(kPanel, name, true);
    if (mcu >= 20) {
        add(kPanel, QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Cause-effect count"), true);
        const int rules = ruleCount(out.last().value);
        for (int s = 0; s < kRuleSections; ++s)
            for (int r = 1; r <= rules; ++r)
                add(ruleWhere(r), kRuleSectionNames[s], s == 2);
    }
    add(kPanel, QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Loop count"), true);
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
        named.append(
            {kPanel, QStringLiteral(QT_TRANSLATE_NOOP("vaz::comm::CompareWords", "Extra field")), received[i], false});
    return named;
}

FieldDifference shownDifference(FieldDifference d)
{
    static const QRegularExpression numbered(QStringLiteral("^(Loop (\\d+) address (\\d+)|Cause-effect (\\d+))$"));
    if (const QRegularExpressionMatch m = numbered.match(d.where); !m.hasMatch())
        d.where = CompareWords::tr(d.where.toUtf8().constData());
    else if (m.capturedLength(2))
        d.where = CompareWords::tr("Loop %1 address %2").arg(m.captured(2), m.captured(3));
    else
        d.where = CompareWords::tr("Cause-effect %1").arg(m.captured(4));
    d.field = CompareWords::tr(d.field.toUtf8().constData());
    return d;
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
