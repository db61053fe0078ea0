#pragma once

#include "core/model/Arrays.h"
#include "core/model/Int16.h"
#include "core/site/SiteData.h"

#include <QString>

namespace vaz {

inline constexpr int kLoops = 4;        // loops a panel can have
inline constexpr int kAddresses = 127;  // addresses on one loop
inline constexpr int kRecords = kLoops * kAddresses;
inline constexpr int kMaxRules = 200;
inline constexpr int kZones = 48;
inline constexpr int kPanelDelays = 7;  // Gecikmeler(0..6); slot 7 is reserved
inline constexpr int kPanelOutputs = 7;

// What a configuration file and the panel carry, with the site file beside
// them, and nothing a window keeps for itself: copied, compared, undone and
// stored as one value.
struct Installation {
    Int16 McuVersiyon;
    double CevrimSayisi = 0;

    // Panel data
    QString TedarikciAdi;
    QString PanelAdi;
    Table<Int16, 7> Gecikmeler{"Gecikmeler"};
    Int16 CalmaModu;

    // Device data
    Grid<Int16, 5> CihazTipi{"CihazTipi"};
    Grid<Int16, 5> BolgeNo{"BolgeNo"};
    Grid<QString, 5> MahalText{"MahalText"};
    Grid<Int16, 5> GecikmeIptal{"GecikmeIptal"};
    Grid<Int16, 5> OlayTipi{"OlayTipi"};
    Grid<Int16, 4> Gecikme{"Gecikme"};
    Grid<Int16, 4> CikisYangin{"CikisYangin"};
    Grid<Int16, 4> CikisHata{"CikisHata"};

    // Cause-effect rules
    Int16 SSsayisi;
    Table<QString, kMaxRules> SSismi{"SSismi"};
    Table<QString, kMaxRules> SSgirisler{"SSgirisler"};
    Table<QString, kMaxRules> SScikislar{"SScikislar"};
    Table<Int16, kMaxRules> SSkosul{"SSkosul"};

    // Never written to the configuration file nor sent to the panel.
    site::SiteData site;

    bool operator==(const Installation &) const = default;

    // Everything one address carries; a new per-device field is added here
    // and in the grids above, and whatever copies a device follows.
    struct Device {
        Int16 type, zone;
        QString location;
        Int16 bypass, event, delay, fire, fault;
        bool operator==(const Device &) const = default;
    };
    // Loop 1..4, address 1..127.
    Device device(int loop, int address) const;
    void setDevice(int loop, int address, const Device &d);
    // Type, zone and location go; the other fields keep what they last had.
    void removeDevice(int loop, int address);

    // True when loop 1..5 holds at least one device.
    bool loopHasDevices(int loop) const;
};

}  // namespace vaz
