#include "core/site/LoopCalc.h"

#include "core/devices/DeviceCatalog.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <algorithm>
#include <cmath>

namespace vaz::site {

// The context of the calculation's words in the translations.
class LoopCalcWords {
    Q_DECLARE_TR_FUNCTIONS(vaz::site::LoopCalcWords)
};

namespace {

// Files and scripts get the names that do not change with the language.
QString fileTypeName(int type) { return devices::typeName(type, devices::Naming::Report).trimmed(); }

void addGap(QList<Gap> &gaps, const Gap &gap)
{
    if (!gaps.contains(gap))
        gaps << gap;
}

LoopLoad loadOf(const Installation &inst, int loop)
{
    const SiteData &site = inst.site;
    LoopLoad load;
    load.loop = loop;
    for (int a = 1; a <= kAddresses; ++a) {
        const int type = inst.CihazTipi(loop, a);
        if (type == 0)
            continue;
        // A device's own figures stand in for its type's one by one.
        const Currents byType = site.typeCurrents.value(type);
        const Currents own = site.deviceCurrents.value(DeviceKey{loop, a});
        const std::optional<double> q = own.quiescentMa ? own.quiescentMa : byType.quiescentMa;
        const std::optional<double> al = own.alarmMa ? own.alarmMa : byType.alarmMa;
        if (!q || !al) {
            addGap(load.gaps, Gap{Gap::Kind::TypeCurrents, type});
            continue;
        }
        auto row = std::find_if(load.rows.begin(), load.rows.end(), [&](const LoadRow &r) {
            return r.type == type && r.quiescentMa == *q && r.alarmMa == *al;
        });
        if (row == load.rows.end())
            load.rows << LoadRow{type, 1, *q, *al};
        else
            ++row->count;
        load.quiescentMa += *q;
        load.alarmMa += *al;
    }
    std::stable_sort(load.rows.begin(), load.rows.end(),
                     [](const LoadRow &x, const LoadRow &y) { return x.type < y.type; });

    const Supply &supply = site.supply;
    load.resistanceOhm = cableResistance(site.cables[std::size_t(loop - 1)]);
    if (!load.resistanceOhm)
        load.gaps << Gap{Gap::Kind::Cable};
    if (!supply.loopOutputV)
        load.gaps << Gap{Gap::Kind::LoopOutputVoltage};
    if (!supply.deviceMinimumV)
        load.gaps << Gap{Gap::Kind::DeviceMinimumVoltage};
    if (load.calculated()) {
        const double drop = load.alarmMa / 1000 * *load.resistanceOhm;
        load.worstV = *supply.loopOutputV - drop;
        load.spreadV = *supply.loopOutputV - drop / 2;
    }
    return load;
}

QString amperes(double a) { return figure(a, 3) + QStringLiteral(" A"); }
QString hours(double h) { return figure(h) + QStringLiteral(" h"); }
QString oneDecimal(double v) { return QString::number(v, 'f', 1); }

}  // namespace

QString figure(double v, int decimals)
{
    QString s = QString::number(v, 'f', decimals);
    if (s.contains(u'.')) {
        while (s.endsWith(u'0'))
            s.chop(1);
        if (s.endsWith(u'.'))
            s.chop(1);
    }
    return s == QStringLiteral("-0") ? QStringLiteral("0") : s;
}

std::optional<double> cableResistance(const Cable &cable)
{
    if (!cable.lengthM || *cable.lengthM < 0)
        return std::nullopt;
    if (cable.ohmPerKm && *cable.ohmPerKm > 0)
        return 2 * *cable.ohmPerKm * *cable.lengthM / 1000;
    if (cable.crossSectionMm2 && *cable.crossSectionMm2 > 0)
        return 2 * kCopperOhmMm2PerM * *cable.lengthM / *cable.crossSectionMm2;
    return std::nullopt;
}

Battery batteryFor(const Supply &supply, double standbyA, double alarmA)
{
    Battery b;
    b.method = supply.method;
    b.standbyA = standbyA;
    b.alarmA = alarmA;
    if (supply.method == BatteryMethod::Bs5839) {
        b.standbyH = supply.standbyHours;
        b.alarmH = 0.5;
        auto capacity = [&](double d) { return 1.25 * (b.standbyH * standbyA + d * b.alarmH * alarmA); };
        b.firstTryAh = b.capacityAh = capacity(1);
        // A small battery cannot give a large alarm current for its rated capacity.
        if (b.firstTryAh / 20 < alarmA) {
            b.factor = 1.75;
            b.capacityAh = capacity(b.factor);
        }
    } else {
        b.standbyH = 24;
        b.alarmH = supply.alarmMinutes / 60.0;
        b.capacityAh = 1.2 * (b.standbyH * standbyA + b.alarmH * alarmA);
    }
    return b;
}

LoopCalc loopCalc(const Installation &inst)
{
    LoopCalc calc;
    calc.supply = inst.site.supply;
    const int loops = std::clamp(int(inst.CevrimSayisi), 0, kLoops);
    double standbyMa = 0, alarmMa = 0;
    QList<Gap> gaps;
    for (int l = 1; l <= loops; ++l) {
        const LoopLoad load = loadOf(inst, l);
        standbyMa += load.quiescentMa;
        alarmMa += load.alarmMa;
        for (const Gap &g : load.gaps)
            if (g.kind == Gap::Kind::TypeCurrents)
                addGap(gaps, g);
        calc.loops << load;
    }
    const Currents &panel = calc.supply.panel;
    if (!panel.quiescentMa || !panel.alarmMa)
        gaps << Gap{Gap::Kind::PanelCurrents};
    else
        standbyMa += *panel.quiescentMa, alarmMa += *panel.alarmMa;
    calc.battery = batteryFor(calc.supply, standbyMa / 1000, alarmMa / 1000);
    calc.battery.gaps = gaps;
    return calc;
}

bool hasLoadFigures(const SiteData &site)
{
    const Supply &s = site.supply;
    return !site.typeCurrents.isEmpty() || !site.deviceCurrents.isEmpty() ||
           std::any_of(site.cables.begin(), site.cables.end(), [](const Cable &c) { return c != Cable{}; }) ||
           s.loopOutputV || s.deviceMinimumV || s.panel != Currents{};
}

QString gapText(const Gap &gap)
{
    switch (gap.kind) {
    case Gap::Kind::TypeCurrents:
        return LoopCalcWords::tr("no currents for %1").arg(devices::typeName(gap.type, devices::Naming::Translated));
    case Gap::Kind::Cable: return LoopCalcWords::tr("no cable length with cross-section or Ω per km");
    case Gap::Kind::LoopOutputVoltage: return LoopCalcWords::tr("no loop output voltage");
    case Gap::Kind::DeviceMinimumVoltage: return LoopCalcWords::tr("no device minimum voltage");
    case Gap::Kind::PanelCurrents: return LoopCalcWords::tr("no panel quiescent and alarm current");
    }
    return {};
}

QString methodName(BatteryMethod method)
{
    return method == BatteryMethod::Bs5839 ? QStringLiteral("BS 5839-1") : QStringLiteral("NFPA 72");
}

QStringList batteryWorking(const Battery &b)
{
    if (!b.calculated())
        return {};
    if (b.method == BatteryMethod::Nfpa72)
        return {QStringLiteral("C = 1.2 × (%1 × %2 + %3/60 h × %4) = %5 Ah")
                    .arg(hours(b.standbyH), amperes(b.standbyA), figure(b.alarmH * 60), amperes(b.alarmA),
                         figure(b.capacityAh))};
    QStringList lines{
        QStringLiteral("C = 1.25 × (%1 × %2 + 1 × %3 × %4) = %5 Ah")
            .arg(hours(b.standbyH), amperes(b.standbyA), hours(b.alarmH), amperes(b.alarmA), figure(b.firstTryAh))};
    if (b.factor == 1)
        return lines
               << LoopCalcWords::tr("C / 20 = %1 A ≥ %2: D = 1").arg(figure(b.firstTryAh / 20), amperes(b.alarmA));
    return lines << LoopCalcWords::tr("C / 20 = %1 A < %2: D = 1.75").arg(figure(b.firstTryAh / 20), amperes(b.alarmA))
                 << QStringLiteral("C = 1.25 × (%1 × %2 + 1.75 × %3 × %4) = %5 Ah")
                        .arg(hours(b.standbyH), amperes(b.standbyA), hours(b.alarmH), amperes(b.alarmA),
                             figure(b.capacityAh));
}

QString verdictText(const LoopLoad &loop, const Supply &supply)
{
    if (!loop.calculated()) {
        QStringList why;
        for (const Gap &g : loop.gaps)
            why << gapText(g);
        return LoopCalcWords::tr("not calculated: %1").arg(why.join(QStringLiteral("; ")));
    }
    if (loop.passes(supply))
        return LoopCalcWords::tr("pass");
    return loop.passesSpread(supply)
               ? LoopCalcWords::tr("fail with the whole load at the far end, pass with it spread evenly")
               : LoopCalcWords::tr("fail");
}

QStringList loopLoadText(const LoopCalc &calc)
{
    QStringList lines;
    for (const LoopLoad &l : calc.loops) {
        lines << LoopCalcWords::tr("Loop %1: %2").arg(l.loop).arg(verdictText(l, calc.supply));
        for (const LoadRow &r : l.rows)
            lines << LoopCalcWords::tr("  %1 × %2: quiescent %3 mA, alarm %4 mA each")
                         .arg(r.count)
                         .arg(devices::typeName(r.type, devices::Naming::Translated), figure(r.quiescentMa),
                              figure(r.alarmMa));
        lines << LoopCalcWords::tr("  Total: quiescent %1 mA, alarm %2 mA")
                     .arg(oneDecimal(l.quiescentMa), oneDecimal(l.alarmMa));
        if (l.resistanceOhm)
            lines << LoopCalcWords::tr("  Loop resistance: %1 Ω").arg(oneDecimal(*l.resistanceOhm));
        if (l.calculated())
            lines << LoopCalcWords::tr(
                         "  At the far end: %1 V with the whole alarm load there, %2 V with it spread evenly; the "
                         "devices need %3 V")
                         .arg(oneDecimal(*l.worstV), oneDecimal(*l.spreadV), oneDecimal(*calc.supply.deviceMinimumV));
    }
    return lines;
}

QStringList batteryText(const Battery &b)
{
    if (!b.calculated()) {
        QStringList why;
        for (const Gap &g : b.gaps)
            why << gapText(g);
        return {LoopCalcWords::tr("Not calculated: %1").arg(why.join(QStringLiteral("; ")))};
    }
    QStringList lines{
        LoopCalcWords::tr("Standby current %1, alarm current %2").arg(amperes(b.standbyA), amperes(b.alarmA))};
    for (const QString &w : batteryWorking(b))
        lines << QStringLiteral("  ") + w;
    return lines << LoopCalcWords::tr("Battery capacity: %1 Ah").arg(figure(b.capacityAh));
}

QStringList loopCalcText(const LoopCalc &calc)
{
    return QStringList{LoopCalcWords::tr("LOOP LOAD")} + loopLoadText(calc) +
           QStringList{LoopCalcWords::tr("BATTERY (%1)").arg(methodName(calc.battery.method))} +
           batteryText(calc.battery);
}

QJsonObject loopCalcJson(const LoopCalc &calc)
{
    auto gaps = [](const QList<Gap> &list) {
        static const char *const kinds[] = {"typeCurrents", "cable", "loopOutputVoltage", "deviceMinimumVoltage",
                                            "panelCurrents"};
        QJsonArray out;
        for (const Gap &g : list) {
            QJsonObject o{{QStringLiteral("missing"), QString::fromLatin1(kinds[int(g.kind)])}};
            if (g.kind == Gap::Kind::TypeCurrents)
                o.insert(QStringLiteral("type"), g.type), o.insert(QStringLiteral("typeName"), fileTypeName(g.type));
            out << o;
        }
        return out;
    };
    QJsonArray loops;
    for (const LoopLoad &l : calc.loops) {
        QJsonArray rows;
        for (const LoadRow &r : l.rows)
            rows << QJsonObject{{QStringLiteral("type"), r.type},
                                {QStringLiteral("typeName"), fileTypeName(r.type)},
                                {QStringLiteral("count"), r.count},
                                {QStringLiteral("quiescentMaEach"), r.quiescentMa},
                                {QStringLiteral("alarmMaEach"), r.alarmMa}};
        QJsonObject o{{QStringLiteral("loop"), l.loop},
                      {QStringLiteral("calculated"), l.calculated()},
                      {QStringLiteral("devices"), rows},
                      {QStringLiteral("quiescentMa"), l.quiescentMa},
                      {QStringLiteral("alarmMa"), l.alarmMa}};
        if (l.resistanceOhm)
            o.insert(QStringLiteral("loopResistanceOhm"), *l.resistanceOhm);
        if (l.calculated()) {
            o.insert(QStringLiteral("farEndWorstV"), *l.worstV);
            o.insert(QStringLiteral("farEndSpreadV"), *l.spreadV);
            o.insert(QStringLiteral("pass"), l.passes(calc.supply));
        } else {
            o.insert(QStringLiteral("gaps"), gaps(l.gaps));
        }
        loops << o;
    }
    const Battery &b = calc.battery;
    QJsonObject battery{{QStringLiteral("method"), methodName(b.method)},
                        {QStringLiteral("calculated"), b.calculated()}};
    if (b.calculated()) {
        battery.insert(QStringLiteral("standbyA"), b.standbyA);
        battery.insert(QStringLiteral("alarmA"), b.alarmA);
        battery.insert(QStringLiteral("standbyHours"), b.standbyH);
        battery.insert(QStringLiteral("alarmHours"), b.alarmH);
        if (b.method == BatteryMethod::Bs5839)
            battery.insert(QStringLiteral("factorD"), b.factor);
        battery.insert(QStringLiteral("capacityAh"), b.capacityAh);
        battery.insert(QStringLiteral("working"), QJsonArray::fromStringList(batteryWorking(b)));
    } else {
        battery.insert(QStringLiteral("gaps"), gaps(b.gaps));
    }
    return {{QStringLiteral("loops"), loops}, {QStringLiteral("battery"), battery}};
}

QList<QStringList> loopCalcRows(const LoopCalc &calc)
{
    QList<QStringList> rows{{QStringLiteral("Loop"), QStringLiteral("Device type"), QStringLiteral("Devices"),
                             QStringLiteral("Quiescent each (mA)"), QStringLiteral("Alarm each (mA)"),
                             QStringLiteral("Quiescent (mA)"), QStringLiteral("Alarm (mA)")}};
    for (const LoopLoad &l : calc.loops) {
        const QString loop = QString::number(l.loop);
        int devices = 0;
        for (const LoadRow &r : l.rows) {
            devices += r.count;
            rows << QStringList{loop,
                                fileTypeName(r.type),
                                QString::number(r.count),
                                figure(r.quiescentMa, 3),
                                figure(r.alarmMa, 3),
                                figure(r.count * r.quiescentMa, 3),
                                figure(r.count * r.alarmMa, 3)};
        }
        rows << QStringList{loop, QStringLiteral("Total"),   QString::number(devices), {},
                            {},   oneDecimal(l.quiescentMa), oneDecimal(l.alarmMa)};
        if (l.resistanceOhm)
            rows << QStringList{loop, QStringLiteral("Loop resistance (Ω)"), oneDecimal(*l.resistanceOhm)};
        if (!l.calculated()) {
            for (const Gap &g : l.gaps)
                rows << QStringList{loop, QStringLiteral("Not calculated"),
                                    g.kind == Gap::Kind::TypeCurrents ? fileTypeName(g.type) : QString()};
            continue;
        }
        rows << QStringList{loop, QStringLiteral("Far end, whole load there (V)"), oneDecimal(*l.worstV)}
             << QStringList{loop, QStringLiteral("Far end, load spread evenly (V)"), oneDecimal(*l.spreadV)}
             << QStringList{loop, QStringLiteral("Result"),
                            l.passes(calc.supply) ? QStringLiteral("Pass") : QStringLiteral("Fail")};
    }
    const Battery &b = calc.battery;
    rows << QStringList{QStringLiteral("Battery"), methodName(b.method)};
    if (!b.calculated())
        return rows << QStringList{QStringLiteral("Battery"), QStringLiteral("Not calculated")};
    rows << QStringList{QStringLiteral("Battery"), QStringLiteral("Standby current (A)"), figure(b.standbyA, 3)}
         << QStringList{QStringLiteral("Battery"), QStringLiteral("Alarm current (A)"), figure(b.alarmA, 3)};
    if (b.method == BatteryMethod::Bs5839)
        rows << QStringList{QStringLiteral("Battery"), QStringLiteral("D"), figure(b.factor)};
    return rows << QStringList{QStringLiteral("Battery"), QStringLiteral("Capacity (Ah)"), figure(b.capacityAh)};
}

}  // namespace vaz::site
