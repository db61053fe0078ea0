#include "core/causeeffect/ZoneRules.h"

#include "core/causeeffect/RuleLists.h"
#include "core/devices/DeviceCatalog.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <utility>
#include <vector>

namespace vaz {

namespace {

QString item(int loop, int address) { return QString::number(loop) + u',' + QString::number(address) + u'.'; }

// A rule's lists and condition as numbers in order: the panel's form and the
// editor's, or items in another order, make the same rule.
QString ruleKey(const QString &inputs, const QString &outputs, int condition)
{
    QString key = QString::number(condition);
    for (const QString *list : {&inputs, &outputs}) {
        std::vector<std::pair<double, double>> items;
        for (const ListItem &i : DizidenListeyeCevir(*list))
            items.emplace_back(i.loop, i.address);
        std::sort(items.begin(), items.end());
        key += u'|';
        for (auto [l, a] : items)
            key += QString::number(l) + u',' + QString::number(a) + u'.';
    }
    return key;
}

bool wanted(const ZoneRuleChoice &choice, int type)
{
    return (choice.sounders && type == devices::kSounderController) ||
           (choice.relays && type == devices::kRelayController);
}

}  // namespace

QList<ZoneCount> zonesWithDevices(const Installation &inst)
{
    std::array<ZoneCount, kZones + 1> zones{};
    std::array<bool, kZones + 1> used{};
    for (int L = 1; L <= kLoops; ++L)
        for (int A = 1; A <= kAddresses; ++A) {
            const int type = inst.CihazTipi(L, A), z = inst.BolgeNo(L, A);
            if (type == 0 || z < 1 || z > kZones)
                continue;
            used[z] = true;
            zones[z].inputs += devices::isRuleInput(type) ? 1 : 0;
            zones[z].outputs += devices::isRuleOutput(type) ? 1 : 0;
        }
    QList<ZoneCount> list;
    for (int z = 1; z <= kZones; ++z)
        if (used[z])
            list.append({z, zones[z].inputs, zones[z].outputs});
    return list;
}

ZoneRulePlan planZoneRules(const Installation &inst, const ZoneRuleChoice &choice)
{
    // Each zone's lists, built in one pass over the devices in loop and address order.
    struct Lists {
        QString inputs, outputs;
        int inputCount = 0, outputCount = 0;
    };
    std::array<Lists, kZones + 1> lists{};
    for (int L = 1; L <= kLoops; ++L)
        for (int A = 1; A <= kAddresses; ++A) {
            const int type = inst.CihazTipi(L, A), z = inst.BolgeNo(L, A);
            if (type == 0 || z < 1 || z > kZones)
                continue;
            if (devices::isRuleInput(type))
                lists[z].inputs += item(L, A), ++lists[z].inputCount;
            else if (wanted(choice, type))
                lists[z].outputs += item(L, A), ++lists[z].outputCount;
        }
    QString panel;
    int panelCount = 0;
    for (int k = 0; k < kPanelOutputs; ++k)
        if (choice.panelOutputs[std::size_t(k)])
            panel += item(kPanelOutputLoop, k + 1), ++panelCount;

    const int existing = std::clamp<int>(inst.SSsayisi, 0, kMaxRules);
    QHash<QString, int> names, rules;  // the first rule of each name, and of each key
    for (int r = existing; r >= 1; --r) {
        names.insert(inst.SSismi(r), r);
        rules.insert(ruleKey(inst.SSgirisler(r), inst.SScikislar(r), inst.SSkosul(r)), r);
    }

    ZoneRulePlan plan;
    QList<int> zones = choice.zones;
    std::sort(zones.begin(), zones.end());
    zones.erase(std::unique(zones.begin(), zones.end()), zones.end());
    using Reason = SkippedZone::Reason;
    for (int z : zones) {
        if (z < 1 || z > kZones)
            continue;
        const Lists &l = lists[std::size_t(z)];
        const QString name = QString(choice.pattern)
                                 .replace(QLatin1String(kZonePlaceholder), QString::number(z))
                                 .replace(QLatin1String(kZoneNamePlaceholder), inst.site.zoneName(z));
        const QString trimmed = name.trimmed();
        const int outputCount = l.outputCount + panelCount;
        auto skip = [&](Reason reason, int rule = 0, const QString &problem = {}) {
            plan.skipped.append({z, reason, trimmed, problem, rule});
        };
        if (l.inputCount == 0) {
            skip(Reason::NoInputs);
            continue;
        }
        if (choice.condition != kConditionOr && l.inputCount < 2) {
            skip(Reason::TooFewInputs);
            continue;
        }
        if (outputCount == 0) {
            skip(Reason::NoOutputs);
            continue;
        }
        if (l.inputCount > kMaxListChoice || outputCount > kMaxListChoice) {
            skip(l.inputCount > kMaxListChoice ? Reason::TooManyInputs : Reason::TooManyOutputs);
            continue;
        }
        // The tree and the name lookup need a name, and one of its own.
        if (const QString problem = trimmed.isEmpty()
                                        ? QCoreApplication::translate("vaz::ZoneRules", "A rule needs a name.")
                                        : ruleNameProblem(trimmed);
            !problem.isEmpty()) {
            skip(Reason::BadName, 0, problem);
            continue;
        }
        const ZoneRule rule{z, trimmed, l.inputs + u':', l.outputs + panel + u':', choice.condition};
        if (auto n = names.constFind(trimmed); n != names.cend()) {
            skip(Reason::NameTaken, *n);
            continue;
        }
        const QString key = ruleKey(rule.inputs, rule.outputs, rule.condition);
        if (auto r = rules.constFind(key); r != rules.cend()) {
            skip(Reason::SameAsRule, *r);
            continue;
        }
        if (existing + plan.rules.size() >= kMaxRules) {
            skip(Reason::NoRoom);
            continue;
        }
        names.insert(trimmed, 0);
        plan.rules.append(rule);
    }
    return plan;
}

void addZoneRules(Installation &inst, const ZoneRulePlan &plan)
{
    for (const ZoneRule &rule : plan.rules) {
        if (inst.SSsayisi >= kMaxRules)
            return;
        const int r = inst.SSsayisi = inst.SSsayisi + 1;
        inst.SSismi(r) = rule.name;
        inst.SSgirisler(r) = rule.inputs;
        inst.SScikislar(r) = rule.outputs;
        inst.SSkosul(r) = rule.condition;
    }
}

QString skippedText(const SkippedZone &s)
{
    const auto say = [](const char *text) { return QCoreApplication::translate("vaz::ZoneRules", text); };
    using Reason = SkippedZone::Reason;
    QString why;
    switch (s.reason) {
    case Reason::NoInputs: why = say(QT_TRANSLATE_NOOP("vaz::ZoneRules", "has no input devices")); break;
    case Reason::TooFewInputs:
        why = say(QT_TRANSLATE_NOOP("vaz::ZoneRules", "AND and COINCIDENCE need two inputs or more"));
        break;
    case Reason::NoOutputs: why = say(QT_TRANSLATE_NOOP("vaz::ZoneRules", "has no outputs of the kinds chosen")); break;
    case Reason::TooManyInputs: why = say(QT_TRANSLATE_NOOP("vaz::ZoneRules", "has more than 254 inputs")); break;
    case Reason::TooManyOutputs: why = say(QT_TRANSLATE_NOOP("vaz::ZoneRules", "has more than 254 outputs")); break;
    case Reason::BadName:
        why = say(QT_TRANSLATE_NOOP("vaz::ZoneRules", "name \"%1\": %2")).arg(s.name, s.problem);
        break;
    case Reason::NameTaken:
        why = s.rule ? say(QT_TRANSLATE_NOOP("vaz::ZoneRules", "name \"%1\" is taken by cause-effect %2"))
                           .arg(s.name)
                           .arg(s.rule)
                     : say(QT_TRANSLATE_NOOP("vaz::ZoneRules", "name \"%1\" is given to another zone")).arg(s.name);
        break;
    case Reason::SameAsRule:
        why = say(QT_TRANSLATE_NOOP("vaz::ZoneRules", "cause-effect %1 has the same inputs, outputs and condition"))
                  .arg(s.rule);
        break;
    case Reason::NoRoom:
        why = say(QT_TRANSLATE_NOOP("vaz::ZoneRules", "no room: the panel holds at most 200 cause-effect rules"));
        break;
    }
    return say(QT_TRANSLATE_NOOP("vaz::ZoneRules", "Zone %1: %2")).arg(s.zone).arg(why);
}

}  // namespace vaz
