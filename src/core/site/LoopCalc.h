#pragma once

#include "core/model/Installation.h"

#include <QJsonObject>
#include <QList>
#include <QStringList>

#include <optional>

// The loop load and battery figures a plan review asks for, as values; the
// words are in loopCalcText() and the working in batteryWorking().
namespace vaz::site {

inline constexpr double kCopperOhmMm2PerM = 0.0175;

// A figure a result could not do without.
struct Gap {
    enum class Kind { TypeCurrents, Cable, LoopOutputVoltage, DeviceMinimumVoltage, PanelCurrents };
    Kind kind = Kind::TypeCurrents;
    int type = 0;  // TypeCurrents: the device type code
    bool operator==(const Gap &) const = default;
};

// Devices of one type drawing the same currents; a device with currents of
// its own makes a row apart from its type's.
struct LoadRow {
    int type = 0;
    int count = 0;
    double quiescentMa = 0, alarmMa = 0;  // each
};

struct LoopLoad {
    int loop = 0;
    QList<LoadRow> rows;
    QList<Gap> gaps;                      // empty: every figure below is known
    double quiescentMa = 0, alarmMa = 0;  // the loop's totals, from the devices with known currents
    std::optional<double> resistanceOhm;  // both conductors
    std::optional<double> worstV;         // at the far end with the whole alarm load there
    std::optional<double> spreadV;        // with the alarm load spread evenly
    bool calculated() const { return gaps.isEmpty(); }
    // A far end shown as the minimum passes: the rounding of a drop is no fault.
    bool passes(const Supply &supply) const { return calculated() && *worstV + 1e-9 >= *supply.deviceMinimumV; }
    bool passesSpread(const Supply &supply) const { return calculated() && *spreadV + 1e-9 >= *supply.deviceMinimumV; }
};

struct Battery {
    BatteryMethod method = BatteryMethod::Bs5839;
    QList<Gap> gaps;
    double standbyA = 0, alarmA = 0;  // the panel and every loop
    double standbyH = 24, alarmH = 0.5;
    double factor = 1;      // D, for BS 5839-1 only
    double firstTryAh = 0;  // C with D = 1, which decides D
    double capacityAh = 0;
    bool calculated() const { return gaps.isEmpty(); }
};

struct LoopCalc {
    Supply supply;
    QList<LoopLoad> loops;  // loop 1 up to the loop count
    Battery battery;
};

// Loop resistance of a cable, both conductors; none when its figures are missing.
std::optional<double> cableResistance(const Cable &cable);
// Battery capacity for the system's standby and alarm currents in A.
Battery batteryFor(const Supply &supply, double standbyA, double alarmA);
LoopCalc loopCalc(const Installation &inst);

// Words, in the user's language where translations are loaded.
QString gapText(const Gap &gap);
QStringList batteryWorking(const Battery &battery);
QString methodName(BatteryMethod method);
QString verdictText(const LoopLoad &loop, const Supply &supply);
QStringList loopLoadText(const LoopCalc &calc);
QStringList batteryText(const Battery &battery);
// Both, each under its title.
QStringList loopCalcText(const LoopCalc &calc);
// Any figure entered for the calculations.
bool hasLoadFigures(const SiteData &site);
// Figures as numbers, gaps as words; for scripts.
QJsonObject loopCalcJson(const LoopCalc &calc);
// The sheet Export CSV writes: a header row, a row a device row, a row a loop, the battery.
QList<QStringList> loopCalcRows(const LoopCalc &calc);

// "0.25", "3.8", "12": at most decimals places, no trailing zeros.
QString figure(double v, int decimals = 2);

}  // namespace vaz::site
