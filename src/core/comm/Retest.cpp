#include "core/comm/Retest.h"

#include "core/causeeffect/RuleLists.h"
#include "core/causeeffect/Rules.h"
#include "core/devices/DeviceCatalog.h"
#include "core/model/Conversions.h"
#include "core/storage/Commissioning.h"

#include <QCoreApplication>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace vaz::comm {

// The context of the texts below in the translations: the list is made for
// the windows, which show it in their language.
class Retest {
    Q_DECLARE_TR_FUNCTIONS(vaz::comm::Retest)
};

namespace {

constexpr int kSamplePercent = 10;
constexpr int kMostSampled = 50;

// Loop 1..5 (5: the panel outputs), address; as one number for sets and maps.
int place(int loop, int address) { return loop * 1000 + address; }

QList<int> placesOf(const QString &list)
{
    QList<int> out;
    for (const ListItem &item : DizidenListeyeCevir(list)) {
        const int L = int(item.loop), A = int(item.address);
        if (L == item.loop && A == item.address &&
            ((L >= 1 && L <= kLoops && A >= 1 && A <= kAddresses) ||
             (L == kPanelOutputLoop && A >= 1 && A <= kPanelOutputs)))
            out << place(L, A);
    }
    return out;
}

int ruleCount(const Installation &inst) { return std::clamp<int>(inst.SSsayisi, 0, kMaxRules); }

class Collector {
public:
    Collector(const Installation &now, const Installation &before) : now_(now), before_(before) {}

    void addDevice(int at, const QString &why)
    {
        if (listed_.contains(at))
            return;
        listed_.insert(at);
        const int L = at / 1000, A = at % 1000;
        if (L == kPanelOutputLoop) {
            items << RetestItem{panelOutputName(A - 1), Retest::tr("Panel output"), {}, {}, why, {}};
            return;
        }
        // A device gone from the configuration is described as it was.
        const Installation &from = now_.CihazTipi(L, A) != 0 ? now_ : before_;
        const int type = from.CihazTipi(L, A);
        items << RetestItem{devicePlace(L, A),
                            type == 0 ? Retest::tr("(no device)") : devices::typeName(type),
                            from.BolgeNo(L, A) == 0 ? QString() : QString::number(from.BolgeNo(L, A)),
                            from.MahalText(L, A).trimmed(),
                            why,
                            {L, A}};
    }

    void addRule(int r, const QString &why)
    {
        if (rules_.contains(r))
            return;
        rules_.insert(r);
        const Installation &from = r <= ruleCount(now_) ? now_ : before_;
        items << RetestItem{Retest::tr("Cause-effect %1 '%2'").arg(r).arg(from.SSismi(r).trimmed()),
                            Retest::tr("Rule"),
                            {},
                            {},
                            why,
                            {}};
    }

    bool listed(int at) const { return listed_.contains(at); }

    QList<RetestItem> items;

private:
    const Installation &now_, &before_;
    QSet<int> listed_, rules_;
};

// Picks n of the candidates, spread: a round takes one from each zone and
// loop in turn; the last round, too long for what is left, takes evenly spaced ones.
QList<int> spreadSample(const Installation &inst, const QList<int> &candidates, qsizetype n)
{
    QMap<std::pair<int, int>, QList<int>> groups;
    for (int at : candidates)
        groups[{int(inst.BolgeNo(at / 1000, at % 1000)), at / 1000}] << at;
    QList<int> picked;
    for (qsizetype round = 0; picked.size() < n; ++round) {
        QList<int> taken;
        for (const QList<int> &g : groups)
            if (round < g.size())
                taken << g[round];
        const qsizetype left = n - picked.size();
        if (taken.size() <= left) {
            picked << taken;
            continue;
        }
        for (qsizetype k = 0; k < left; ++k)
            picked << taken[(2 * k + 1) * taken.size() / (2 * left)];
    }
    std::sort(picked.begin(), picked.end());
    return picked;
}

}  // namespace

QList<RetestItem> retestList(const Installation &now, const Installation &before,
                             const QList<FieldDifference> &differences)
{
    // As expectedDownload names the fields' places.
    static const QRegularExpression deviceWhere(QStringLiteral("^Loop (\\d+) address (\\d+)$"));
    static const QRegularExpression ruleWhere(QStringLiteral("^Cause-effect (\\d+)$"));
    QList<int> changedDevices, changedRules;
    for (const FieldDifference &d : differences) {
        if (const auto m = deviceWhere.match(d.where); m.hasMatch()) {
            const int at = place(m.captured(1).toInt(), m.captured(2).toInt());
            if (!changedDevices.contains(at))
                changedDevices << at;
        } else if (const auto r = ruleWhere.match(d.where);
                   r.hasMatch() && !changedRules.contains(r.captured(1).toInt())) {
            changedRules << r.captured(1).toInt();
        }
    }
    std::sort(changedDevices.begin(), changedDevices.end());
    std::sort(changedRules.begin(), changedRules.end());

    Collector c(now, before);
    const Installation *both[] = {&now, &before};
    // The rules a changed device is an input of, in either configuration.
    QMap<int, int> inputOf;  // rule, one changed input of it
    for (const Installation *inst : both)
        for (int r = 1; r <= ruleCount(*inst); ++r)
            for (int at : placesOf(inst->SSgirisler(r)))
                if (changedDevices.contains(at) && !inputOf.contains(r))
                    inputOf.insert(r, at);

    for (int r : changedRules)
        c.addRule(r, Retest::tr("the rule differs"));
    for (auto [r, at] : inputOf.asKeyValueRange())
        c.addRule(r, Retest::tr("its input %1 changed").arg(devicePlace(at / 1000, at % 1000)));
    for (int at : changedDevices)
        c.addDevice(at, Retest::tr("its fields differ"));
    for (int r : changedRules)
        for (const Installation *inst : both)
            if (r <= ruleCount(*inst))
                for (int at : placesOf(inst->SSgirisler(r)) + placesOf(inst->SScikislar(r)))
                    c.addDevice(at, Retest::tr("in cause-effect %1, which differs").arg(r));
    for (auto [r, at] : inputOf.asKeyValueRange())
        for (const Installation *inst : both)
            if (r <= ruleCount(*inst))
                for (int out : placesOf(inst->SScikislar(r)))
                    c.addDevice(out, Retest::tr("output of cause-effect %1, whose input changed").arg(r));
    // Output modules set off by fire or fault in a zone a changed device left or joined.
    QSet<int> zones;
    for (int at : changedDevices)
        for (const Installation *inst : both)
            if (const int z = inst->BolgeNo(at / 1000, at % 1000); z != 0)
                zones.insert(z);
    for (int L = 1; L <= kLoops; ++L)
        for (int A = 1; A <= kAddresses; ++A)
            if (devices::isRuleOutput(now.CihazTipi(L, A)))
                for (int z : {int(now.CikisYangin(L, A)), int(now.CikisHata(L, A))})
                    if (zones.contains(z))
                        c.addDevice(place(L, A), Retest::tr("reacts to zone %1").arg(z));

    QList<int> others;
    for (int L = 1; L <= kLoops; ++L)
        for (int A = 1; A <= kAddresses; ++A)
            if (now.CihazTipi(L, A) != 0 && devices::isRuleInput(now.CihazTipi(L, A)) && !c.listed(place(L, A)))
                others << place(L, A);
    const qsizetype n = std::min<qsizetype>(kMostSampled, (others.size() * kSamplePercent + 99) / 100);
    for (int at : spreadSample(now, others, n))
        c.addDevice(at, sampleReason());
    return c.items;
}

QString sampleReason() { return Retest::tr("sample of the unchanged inputs"); }
QList<QDateTime> passedSince(const QList<RetestItem> &items, const QMap<site::DeviceKey, site::WalkTest> &tests,
                             const QDateTime &change)
{
    QList<QDateTime> out;
    for (const RetestItem &i : items) {
        const site::WalkTest t = tests.value(i.device);
        out << (t.result == site::WalkResult::Passed && t.at.isValid() && t.at > change ? t.at : QDateTime());
    }
    return out;
}

storage::SheetRows retestTable(const QList<RetestItem> &items)
{
    storage::SheetRows rows{{}};
    for (const char *heading :
         {QT_TRANSLATE_NOOP("vaz::comm::Retest", "Retest"), QT_TRANSLATE_NOOP("vaz::comm::Retest", "Type"),
          QT_TRANSLATE_NOOP("vaz::comm::Retest", "Zone"), QT_TRANSLATE_NOOP("vaz::comm::Retest", "Location"),
          QT_TRANSLATE_NOOP("vaz::comm::Retest", "Why")})
        rows[0] << Retest::tr(heading);
    for (const RetestItem &i : items)
        rows << QStringList{i.what, i.type, i.zone, i.location, i.why};
    return rows;
}

storage::Document retestDocument(const QList<RetestItem> &items, const QString &title, const QDateTime &printed)
{
    const storage::SheetRows table = retestTable(items);
    const QList<int> widths = storage::columnWidths(table);
    storage::DocumentSection section{{title, storage::tableLine(table[0], widths)}, {}, false};
    for (qsizetype i = 1; i < table.size(); ++i)
        section.rows << QStringList{QStringLiteral("[ ]  ") + storage::tableLine(table[i], widths)};
    section.heading[1].prepend(QStringLiteral("     "));
    return {title, storage::printDate(printed), {section}};
}

}  // namespace vaz::comm
