#include "core/site/LoopCalc.h"

#include "core/devices/DeviceCatalog.h"
#include "support/ExampleConfig.h"

#include <gtest/gtest.h>

#include <QJsonArray>

namespace vaz::site {
namespace {

// One loop of `devices` devices, each drawing 10 mA in alarm.
Config oneLoop(int devices)
{
    Config c;
    c.McuVersiyon = 20, c.CevrimSayisi = 1;
    test::addLoadFigures(c);
    for (int a = 1; a <= devices; ++a)
        test::addDevices(c, {{1, a, devices::kManualCallPoint, 1}});
    return c;
}

TEST(LoopCalc, BatteryMatchesTheWorkedExamples)
{
    const struct {
        BatteryMethod method;
        int hours, minutes;
        double standbyA, alarmA, factor, capacityAh;
        const char *lastLine;
    } cases[] = {
        {BatteryMethod::Bs5839, 24, 30, 0.25, 0.75, 1.75, 8.3203,
         "C = 1.25 × (24 h × 0.25 A + 1.75 × 0.5 h × 0.75 A) = 8.32 Ah"},
        // C / 20 with D = 1 covers the alarm current: D stays 1.
        {BatteryMethod::Bs5839, 72, 30, 0.25, 0.3, 1, 22.6875, "C / 20 = 1.13 A ≥ 0.3 A: D = 1"},
        {BatteryMethod::Nfpa72, 24, 5, 0.42, 3.8, 1, 12.4760, "C = 1.2 × (24 h × 0.42 A + 5/60 h × 3.8 A) = 12.48 Ah"},
        {BatteryMethod::Nfpa72, 24, 15, 0.42, 3.8, 1, 13.236, "C = 1.2 × (24 h × 0.42 A + 15/60 h × 3.8 A) = 13.24 Ah"},
    };
    for (const auto &c : cases) {
        Supply s;
        s.method = c.method, s.standbyHours = c.hours, s.alarmMinutes = c.minutes;
        const Battery b = batteryFor(s, c.standbyA, c.alarmA);
        EXPECT_NEAR(b.capacityAh, c.capacityAh, 1e-3) << c.lastLine;
        EXPECT_EQ(b.factor, c.factor) << c.lastLine;
        EXPECT_EQ(batteryWorking(b).last(), QString::fromUtf8(c.lastLine));
    }
}

TEST(LoopCalc, LoopResistanceAndFarEndVoltage)
{
    const struct {
        Cable cable;
        double minimumV;
        std::optional<double> ohm;
        bool passes, passesSpread;
    } cases[] = {
        // 300 mA over 23.3 Ω drops 7.0 V: 17.0 V left is just enough.
        {{1000.0, 1.5, {}}, 17.0, 23.333, true, true},
        {{1000.0, 1.5, {}}, 17.5, 23.333, false, true},
        {{1000.0, 1.5, {}}, 21.0, 23.333, false, false},
        // A resistance per km wins over the cross-section.
        {{500.0, 1.5, 12.0}, 17.0, 12.0, true, true},
        {{{}, 1.5, {}}, 17.0, {}, false, false},
        {{1000.0, 0.0, {}}, 17.0, {}, false, false},
    };
    for (const auto &c : cases) {
        Config cfg = oneLoop(30);
        cfg.site.cables[0] = c.cable;
        cfg.site.supply.deviceMinimumV = c.minimumV;
        const LoopCalc calc = loopCalc(cfg);
        ASSERT_EQ(calc.loops.size(), 1);
        const LoopLoad &l = calc.loops[0];
        EXPECT_NEAR(l.alarmMa, 300, 1e-9);
        EXPECT_EQ(l.resistanceOhm.has_value(), c.ohm.has_value());
        if (c.ohm) {
            EXPECT_NEAR(*l.resistanceOhm, *c.ohm, 1e-3);
            EXPECT_NEAR(24.0 - *l.worstV, 0.3 * *c.ohm, 1e-3);
            EXPECT_NEAR(24.0 - *l.spreadV, 0.15 * *c.ohm, 1e-3);
        } else {
            EXPECT_EQ(l.gaps, QList<Gap>{Gap{Gap::Kind::Cable}});
        }
        EXPECT_EQ(l.passes(calc.supply), c.passes) << c.minimumV;
        EXPECT_EQ(l.passesSpread(calc.supply), c.passesSpread) << c.minimumV;
    }
    const QStringList text = loopCalcText(loopCalc(oneLoop(30)));
    EXPECT_TRUE(text.contains(QStringLiteral("  Loop resistance: 23.3 Ω")));
    EXPECT_TRUE(text.contains(QStringLiteral("  At the far end: 17.0 V with the whole alarm load there, 20.5 V with it "
                                             "spread evenly; the devices need 17.0 V")));
}

TEST(LoopCalc, MissingFiguresAreNamedAndADevicesOwnCurrentsFillIn)
{
    Config c = test::exampleConfig(20);
    test::addLoadFigures(c);
    c.site.typeCurrents.remove(devices::kMultisensor);  // at loop 4 address 127
    c.site.deviceCurrents[{1, 1}] = {{}, 25.0};         // alarm only: quiescent from its type
    c.site.supply.panel.alarmMa.reset();
    c.site.supply.loopOutputV.reset();

    LoopCalc calc = loopCalc(c);
    ASSERT_EQ(calc.loops.size(), 4);
    EXPECT_EQ(calc.loops[0].rows.size(), 2);  // the detector apart from the relay controller
    EXPECT_NEAR(calc.loops[0].alarmMa, 35, 1e-9);
    EXPECT_NEAR(calc.loops[0].quiescentMa, 0.6, 1e-9);
    const QList<Gap> noVoltage{Gap{Gap::Kind::LoopOutputVoltage}};
    EXPECT_EQ(calc.loops[0].gaps, noVoltage);
    const QList<Gap> noType{Gap{Gap::Kind::TypeCurrents, devices::kMultisensor}};
    EXPECT_EQ(calc.loops[3].gaps, noType + noVoltage);
    EXPECT_EQ(calc.battery.gaps, noType + QList<Gap>{Gap{Gap::Kind::PanelCurrents}});
    const QString type = devices::typeName(devices::kMultisensor);
    EXPECT_TRUE(loopCalcText(calc).contains(
        QStringLiteral("Loop 4: not calculated: no currents for %1; no loop output voltage").arg(type)));
    EXPECT_TRUE(loopCalcText(calc).contains(
        QStringLiteral("Not calculated: no currents for %1; no panel quiescent and alarm current").arg(type)));

    // A device's own figures cover a type without any.
    c.site.deviceCurrents[{4, 127}] = {0.5, 20.0};
    c.site.supply.panel.alarmMa = 400.0;
    c.site.supply.loopOutputV = 24.0;
    calc = loopCalc(c);
    for (const LoopLoad &l : calc.loops)
        EXPECT_TRUE(l.calculated()) << l.loop;
    ASSERT_TRUE(calc.battery.calculated());
    // Four devices at 0.3 mA, one at 0.5 mA, and the panel.
    EXPECT_NEAR(calc.battery.standbyA, 0.1517, 1e-9);
    EXPECT_NEAR(calc.battery.alarmA, 0.400 + 0.025 + 0.020 + 0.030, 1e-9);

    const QJsonObject json = loopCalcJson(calc);
    EXPECT_DOUBLE_EQ(json[QStringLiteral("battery")][QStringLiteral("capacityAh")].toDouble(), calc.battery.capacityAh);
    EXPECT_EQ(json[QStringLiteral("loops")].toArray().size(), 4);
    EXPECT_EQ(loopCalcRows(calc).last(), (QStringList{QStringLiteral("Battery"), QStringLiteral("Capacity (Ah)"),
                                                      figure(calc.battery.capacityAh)}));
}

}  // namespace
}  // namespace vaz::site
