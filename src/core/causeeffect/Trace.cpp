#include "core/causeeffect/Trace.h"

#include "core/causeeffect/RuleLists.h"
#include "core/causeeffect/Rules.h"
#include "core/devices/DeviceCatalog.h"
#include "core/model/Conversions.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace vaz {

namespace {

class TraceWords {
    Q_DECLARE_TR_FUNCTIONS(vaz::Trace)

public:
    static QString condition(int code)
    {
        switch (code) {
        case kConditionOr: return tr("OR");
        case kConditionAnd: return tr("AND");
        case kConditionCoincidence: return tr("COINCIDENCE");
        default: return tr("no condition (code %1)").arg(code);
        }
    }
};

// "Loop 1 address 002 (Relay controller)"
QString deviceName(const Installation &inst, DeviceAddress at)
{
    return TraceWords::tr("%1 (%2)").arg(
        devicePlace(at.loop, at.address),
        devices::typeName(inst.CihazTipi(at.loop, at.address), devices::Naming::Translated));
}

// A device as deviceName, "Sounder 1", or the digits as written.
QString itemName(const Installation &inst, const ListItem &item)
{
    if (const int k = itemPanelOutput(item))
        return panelOutputName(k - 1);
    if (const std::optional<DeviceAddress> at = itemDevice(inst, item))
        return deviceName(inst, *at);
    return TraceWords::tr("Loop %1 address %2, which holds no device")
        .arg(item.loopDigits, item.addressDigits.rightJustified(3, QLatin1Char('0')));
}

QString names(const Installation &inst, const QList<ListItem> &items)
{
    QStringList out;
    for (const ListItem &item : items)
        out << itemName(inst, item);
    return out.isEmpty() ? TraceWords::tr("nothing") : out.join(QStringLiteral(", "));
}

bool names(const ListItem &item, const TraceTarget &t)
{
    return item.loop == t.at.loop && item.address == t.at.address;
}

QString ruleName(const Installation &inst, int r)
{
    return TraceWords::tr("Cause-effect %1 '%2'").arg(r).arg(inst.SSismi(r));
}

// The rules that name the target in the list (0 inputs, 1 outputs), or a line
// saying the panel does not use them.
QStringList ruleLines(const Installation &inst, const TraceTarget &t, bool asInput)
{
    QStringList out;
    if (inst.McuVersiyon < 20)
        return out;  // no rule reaches the panel
    const int rules = std::clamp<int>(inst.SSsayisi, 0, kMaxRules);
    int named = 0;
    for (int r = 1; r <= rules; ++r) {
        const QList<ListItem> inputs = DizidenListeyeCevir(inst.SSgirisler(r));
        const QList<ListItem> outputs = DizidenListeyeCevir(inst.SScikislar(r));
        const QList<ListItem> &mine = asInput ? inputs : outputs;
        if (std::none_of(mine.begin(), mine.end(), [&](const ListItem &i) { return names(i, t); }))
            continue;
        ++named;
        const int condition = inst.SSkosul(r);
        if (!asInput) {
            out << TraceWords::tr("%1 (%2): on a fire at %3")
                       .arg(ruleName(inst, r), TraceWords::condition(condition), names(inst, inputs));
            continue;
        }
        QList<ListItem> others;
        for (const ListItem &i : inputs)
            if (!names(i, t))
                others << i;
        QString how = TraceWords::condition(condition);
        if (condition == kConditionAnd)
            how = TraceWords::tr("AND, together with %1").arg(names(inst, others));
        else if (condition == kConditionCoincidence)
            how = TraceWords::tr("COINCIDENCE with %1, as the panel evaluates COINCIDENCE").arg(names(inst, others));
        out << TraceWords::tr("%1 (%2) operates %3").arg(ruleName(inst, r), how, names(inst, outputs));
    }
    if (named > 0 && inst.CalmaModu == 0)
        return {named == 1 ? TraceWords::tr("1 cause-effect rule names it, but the ringing mode is Common: the panel "
                                            "does not use it.")
                           : TraceWords::tr("%1 cause-effect rules name it, but the ringing mode is Common: the "
                                            "panel does not use them.")
                                 .arg(named)};
    return out;
}

QString commonLine() { return TraceWords::tr("The ringing mode is Common: the panel's common outputs ring."); }

QStringList inputLines(const Installation &inst, const TraceTarget &t)
{
    QStringList out = ruleLines(inst, t, true);
    // What the upload sends decides: the module's own zone and its fire event.
    if (const int zone = inst.BolgeNo(t.at.loop, t.at.address); zone != 0)
        for (int loop = 1; loop <= kLoops; ++loop)
            for (int a = 1; a <= kAddresses; ++a)
                if (devices::isRuleOutput(inst.CihazTipi(loop, a)) && inst.BolgeNo(loop, a) == zone &&
                    inst.CikisYangin(loop, a) != 0)
                    out << TraceWords::tr("%1 follows zone %2 on fire").arg(deviceName(inst, {loop, a})).arg(zone);
    if (inst.CalmaModu == 0)
        out << commonLine();
    if (out.isEmpty())
        out << TraceWords::tr("It sets off nothing.");
    return out;
}

QStringList outputLines(const Installation &inst, const TraceTarget &t)
{
    QStringList out = ruleLines(inst, t, false);
    if (!t.panelOutput()) {
        const int zone = inst.BolgeNo(t.at.loop, t.at.address);
        if (zone != 0 && inst.CikisYangin(t.at.loop, t.at.address) != 0)
            out << TraceWords::tr("A fire in zone %1, which it follows").arg(zone);
        else if (zone != 0 && inst.CikisHata(t.at.loop, t.at.address) != 0)
            out << TraceWords::tr("A fault in zone %1, which it follows (its output event is Fault)").arg(zone);
    } else if (inst.CalmaModu == 0) {
        out << commonLine();
    }
    if (out.isEmpty())
        out << TraceWords::tr("Nothing sets it off.");
    return out;
}

}  // namespace

bool TraceTarget::panelOutput() const { return at.loop == kPanelOutputLoop; }

std::optional<TraceTarget> parseTraceTarget(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,2})[.,](\\d{1,3})\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int loop = m.captured(1).toInt(), address = m.captured(2).toInt();
    const bool device = loop >= 1 && loop <= kLoops && address >= 1 && address <= kAddresses;
    const bool output = loop == kPanelOutputLoop && address >= 1 && address <= kPanelOutputs;
    if (!device && !output)
        return std::nullopt;
    return TraceTarget{{loop, address}};
}

QStringList traceLines(const Installation &inst, const TraceTarget &t)
{
    if (t.panelOutput())
        return QStringList{TraceWords::tr("%1 is set off by:").arg(panelOutputName(t.at.address - 1))} +
               outputLines(inst, t);
    const QString place = devicePlace(t.at.loop, t.at.address);
    const int type = inst.CihazTipi(t.at.loop, t.at.address);
    if (type == 0)
        return {TraceWords::tr("%1 holds no device.").arg(place)};
    const QString what = TraceWords::tr("%1, %2, zone %3")
                             .arg(place, devices::typeName(type, devices::Naming::Translated))
                             .arg(inst.BolgeNo(t.at.loop, t.at.address));
    if (devices::isRuleOutput(type))
        return QStringList{TraceWords::tr("%1, is set off by:").arg(what)} + outputLines(inst, t);
    return QStringList{TraceWords::tr("%1, on a fire:").arg(what)} + inputLines(inst, t);
}

}  // namespace vaz
