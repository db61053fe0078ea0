#pragma once

#include <QDateTime>
#include <QMap>
#include <QString>

#include <array>
#include <optional>

// What an installer knows of a site beyond what the panel holds: names, people,
// cables, the figures the loop and battery calculations need, walk-test
// results. It lives in NAME.site.json beside NAME.dvk and never changes a byte
// of the configuration file or of what goes to the panel.
namespace vaz::site {

inline constexpr int kZoneNameLength = 40;

// A loop's cable: a length with a cross-section, or a resistance per km of
// one conductor when the data sheet gives that instead.
struct Cable {
    std::optional<double> lengthM;
    std::optional<double> crossSectionMm2;
    std::optional<double> ohmPerKm;
    bool operator==(const Cable &) const = default;
};

// A device's currents as its data sheet gives them, in milliamperes.
struct Currents {
    std::optional<double> quiescentMa;
    std::optional<double> alarmMa;
    bool operator==(const Currents &) const = default;
};

enum class BatteryMethod { Bs5839, Nfpa72 };

// The panel's own figures for the calculations; unknown until entered.
struct Supply {
    std::optional<double> loopOutputV;     // what the panel puts on a loop
    std::optional<double> deviceMinimumV;  // the lowest the devices accept
    Currents panel;                        // the panel itself, with what hangs on its own outputs
    BatteryMethod method = BatteryMethod::Bs5839;
    int standbyHours = 24;  // 24, 48 or 72 (NFPA 72: 24)
    int alarmMinutes = 30;  // BS 5839-1: 30 (T2 = 0.5 h); NFPA 72: 5 or 15
    bool operator==(const Supply &) const = default;
};

enum class WalkResult { NotTested, Passed, Failed };

struct WalkTest {
    WalkResult result = WalkResult::NotTested;
    QString remark;
    QDateTime at;  // when the result was taken, UTC
    bool operator==(const WalkTest &) const = default;
};

// Loop 1..4 and address 1..127 of a device, as a key.
struct DeviceKey {
    int loop = 0, address = 0;
    auto operator<=>(const DeviceKey &) const = default;
};

struct SiteData {
    QString siteName, siteAddress, engineer, company, notes;
    QMap<int, QString> zoneNames;  // zone 1..48 to at most 40 characters; absent when unnamed
    std::array<Cable, 4> cables;   // loop 1..4 at 0..3
    Supply supply;
    QMap<int, Currents> typeCurrents;          // device type code 1..9
    QMap<DeviceKey, Currents> deviceCurrents;  // overrides of a type's currents
    QMap<DeviceKey, WalkTest> walkTests;

    bool operator==(const SiteData &) const = default;
    // Nothing entered: a configuration with empty site data writes no site file.
    bool isEmpty() const { return *this == SiteData{}; }
    // Empty for a zone without a name.
    QString zoneName(int zone) const { return zoneNames.value(zone); }
    // "Zone 3" as "Zone 3 Kat 2 Doğu Kanadı"; unchanged for a zone without a name.
    QString withZoneName(int zone, const QString &text) const
    {
        const QString name = zoneName(zone);
        return name.isEmpty() ? text : text + u' ' + name;
    }
};

}  // namespace vaz::site
