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

bool holdsDevice(const Installation &inst, double loop, double address)
{
    return loop >= 1 && loop <= kLoops && address >= 1 && address <= kAddresses &&
           inst.CihazTipi(int(loop), int(address)) != 0;
}

void deviceFindings(const Installation &inst, int loop, QList<Finding> &out)
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

    QSet<QString> named;
    for (const ListItem &item : inputs + outputs) {
        if (item.loop == kPanelOutputLoop && item.address >= 1 && item.address <= kPanelOutputs)
            continue;
        if (holdsDevice(inst, item.loop, item.address))
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
    for (int loop = 1; loop <= kLoops; ++loop)
        deviceFindings(inst, loop, out);
    // Versions before 20 carry no rules, whatever the tables hold.
    if (inst.McuVersiyon >= 20)
        for (int r = 1; r <= std::min<int>(inst.SSsayisi, kMaxRules); ++r)
            ruleFindings(inst, r, out);
    return out;
}

QString findingLine(const Finding &f) { return f.place + QStringLiteral(": ") + f.text; }

}  // namespace vaz::comm
