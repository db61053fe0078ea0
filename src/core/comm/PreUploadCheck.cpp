#include "core/comm/PreUploadCheck.h"

#include <QCoreApplication>

#include "core/causeeffect/Rules.h"
#include "core/devices/DeviceCatalog.h"
#include "core/model/Conversions.h"
#include "core/panel/DisplayText.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace vaz::comm {

namespace {

// In cause-effect mode only the rules and the output modules that follow a
// zone on fire are operated: an input device that neither names is not heard.
// One without a zone is left to its own finding.
QSet<int> silentInputs(const Installation &inst, int rules)
{
    QSet<int> followed;
    for (int loop = 1; loop <= kLoops; ++loop)
        for (int a = 1; a <= kAddresses; ++a)
            if (devices::isRuleOutput(inst.CihazTipi(loop, a)) && inst.CikisYangin(loop, a) != 0)
                followed.insert(inst.BolgeNo(loop, a));
    QSet<int> named;
    for (int r = 1; r <= rules; ++r)
        for (const ListItem &item : DizidenListeyeCevir(inst.SSgirisler(r)))
            if (const std::optional<DeviceAddress> at = itemDevice(inst, item))
                named.insert(at->loop * 1000 + at->address);
    QSet<int> silent;
    for (int loop = 1; loop <= kLoops; ++loop)
        for (int a = 1; a <= kAddresses; ++a) {
            const int type = inst.CihazTipi(loop, a);
            if (type != 0 && devices::isRuleInput(type) && inst.BolgeNo(loop, a) != 0 &&
                !named.contains(loop * 1000 + a) && !followed.contains(inst.BolgeNo(loop, a)))
                silent.insert(loop * 1000 + a);
        }
    return silent;
}

void deviceFindings(const Installation &inst, int loop, const QSet<int> &silent, QList<Finding> &out)
{
    // The device window pads locations with blanks; only what was written counts.
    auto written = [&](int a) { return inst.MahalText(loop, a).trimmed(); };
    auto shown = [&](int a) { return normaliseDisplayText(inst.MahalText(loop, a)).trimmed(); };
    QHash<QString, QList<int>> byShown;
    for (int a = 1; a <= kAddresses; ++a)
        if (inst.CihazTipi(loop, a) != 0 && !shown(a).isEmpty())
            byShown[shown(a)].append(a);

    for (int a = 1; a <= kAddresses; ++a) {
        const int type = inst.CihazTipi(loop, a);
        if (type == 0)
            continue;
        const QString where = devicePlace(loop, a);
        if (inst.BolgeNo(loop, a) == 0)
            out.append({where, QCoreApplication::translate("vaz::PreUploadCheck", "has no zone")});
        if (devices::outputEventApplies(type) && inst.CikisYangin(loop, a) == 0 && inst.CikisHata(loop, a) == 0)
            out.append({where, QCoreApplication::translate("vaz::PreUploadCheck",
                                                           "is an output module with no output event")});
        // The window shows Fault where both are set; the upload sends Fire.
        if (devices::outputEventApplies(type) && inst.CikisYangin(loop, a) != 0 && inst.CikisHata(loop, a) != 0)
            out.append({where, QCoreApplication::translate("vaz::PreUploadCheck", "shows Fault, the panel gets Fire")});
        if (silent.contains(loop * 1000 + a))
            out.append({where, QCoreApplication::translate("vaz::PreUploadCheck", "sets off nothing")});
        if (written(a) == shown(a))
            continue;
        const QList<int> &same = byShown.value(shown(a));
        const auto other = std::find_if(same.begin(), same.end(), [&](int b) { return written(b) != written(a); });
        if (other != same.end())
            out.append({where, QCoreApplication::translate("vaz::PreUploadCheck",
                                                           "location \"%1\" becomes \"%2\" on the panel, like %3")
                                   .arg(written(a), shown(a), devicePlace(loop, *other))});
    }
}

void ruleFindings(const Installation &inst, int r, QList<Finding> &out)
{
    const QString where = QCoreApplication::translate("vaz::PreUploadCheck", "Cause-effect %1 '%2'")
                              .arg(QString::number(r), inst.SSismi(r));
    auto add = [&](const QString &text) { out.append({where, text}); };

    const QList<ListItem> inputs = DizidenListeyeCevir(inst.SSgirisler(r));
    const QList<ListItem> outputs = DizidenListeyeCevir(inst.SScikislar(r));
    if (inputs.isEmpty())
        add(QCoreApplication::translate("vaz::PreUploadCheck", "has no inputs"));
    if (outputs.isEmpty())
        add(QCoreApplication::translate("vaz::PreUploadCheck", "has no outputs"));
    const int condition = inst.SSkosul(r);
    if (condition < kConditionOr || condition > kConditionAnd)
        add(QCoreApplication::translate("vaz::PreUploadCheck", "has no condition (code %1)").arg(condition));
    else if (condition != kConditionOr && inputs.size() == 1)
        add(QCoreApplication::translate("vaz::PreUploadCheck", "%1 needs two inputs or more")
                .arg(condition == kConditionAnd ? QCoreApplication::translate("vaz::PreUploadCheck", "AND")
                                                : QCoreApplication::translate("vaz::PreUploadCheck", "COINCIDENCE")));

    // A device in the wrong list: the panel never operates an input nor is set off by an output.
    for (const auto &[items, wrongRole, text] :
         {std::tuple{&inputs, &devices::isRuleOutput,
                     QT_TRANSLATE_NOOP("vaz::PreUploadCheck", "names %1, an output module, among its inputs")},
          std::tuple{&outputs, &devices::isRuleInput,
                     QT_TRANSLATE_NOOP("vaz::PreUploadCheck", "names %1, an input device, among its outputs")}}) {
        QSet<QString> said;
        for (const ListItem &item : *items)
            if (const std::optional<DeviceAddress> at = itemDevice(inst, item);
                at && wrongRole(inst.CihazTipi(at->loop, at->address))) {
                const QString place = devicePlace(at->loop, at->address);
                if (!said.contains(place))
                    add(QCoreApplication::translate("vaz::PreUploadCheck", text).arg(place));
                said.insert(place);
            }
    }

    QSet<QString> named;
    for (const ListItem &item : inputs + outputs) {
        if (itemPanelOutput(item) || itemDevice(inst, item))
            continue;
        // Digits as written: an item outside the loops still has to be named.
        const QString missing = QCoreApplication::translate("vaz", "Loop %1 address %2")
                                    .arg(item.loopDigits, item.addressDigits.rightJustified(3, QLatin1Char('0')));
        if (!named.contains(missing))
            add(QCoreApplication::translate("vaz::PreUploadCheck", "names %1, which holds no device").arg(missing));
        named.insert(missing);
    }

    for (int s = 1; s < r; ++s)
        if (inst.SSismi(s) == inst.SSismi(r)) {
            add(QCoreApplication::translate("vaz::PreUploadCheck", "has the same name as cause-effect %1").arg(s));
            break;
        }
}

}  // namespace

QList<Finding> preUploadFindings(const Installation &inst)
{
    QList<Finding> out;
    // Versions before 20 carry no rules, whatever the tables hold.
    const bool ruled = inst.McuVersiyon >= 20;
    const int rules = ruled ? std::clamp<int>(inst.SSsayisi, 0, kMaxRules) : 0;
    const QSet<int> silent = ruled && inst.CalmaModu == 1 ? silentInputs(inst, rules) : QSet<int>();
    for (int loop = 1; loop <= kLoops; ++loop)
        deviceFindings(inst, loop, silent, out);
    if (!ruled)
        return out;
    if (inst.CalmaModu == 0 && rules > 0)
        out.append(
            {QString(),
             rules == 1
                 ? QCoreApplication::translate("vaz::PreUploadCheck",
                                               "1 cause-effect rule will not be used: the ringing mode is Common")
                 : QCoreApplication::translate("vaz::PreUploadCheck",
                                               "%1 cause-effect rules will not be used: the ringing mode is Common")
                       .arg(rules)});
    for (int r = 1; r <= rules; ++r)
        ruleFindings(inst, r, out);
    return out;
}

QString findingLine(const Finding &f) { return f.place.isEmpty() ? f.text : f.place + QStringLiteral(": ") + f.text; }

}  // namespace vaz::comm
