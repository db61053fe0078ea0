#pragma once

#include "Arrays.h"
#include "Int16.h"

#include <QString>

namespace vaz {

inline constexpr int kLoops = 4;          // loops a panel can have
inline constexpr int kAddresses = 127;    // addresses on one loop
inline constexpr int kRecords = kLoops * kAddresses;
inline constexpr int kMaxRules = 200;
inline constexpr int kPanelDelays = 7;    // Gecikmeler(0..6); slot 7 is reserved
inline constexpr int kPanelOutputs = 7;

// The one configuration the tool edits, with the working fields that several
// windows and routines share. Field names are the ones every part of the tool
// uses; bounds are checked and 16-bit fields refuse values they cannot hold.
struct Config {
    // Control values
    Int16 McuVersiyon;
    double CevrimSayisi = 0;
    Int16 DosyaKaydedildi;
    Int16 GonderimModu;
    Int16 AlmaModu;
    Int16 Cevrim1Eklendi, Cevrim2Eklendi, Cevrim3Eklendi, Cevrim4Eklendi;

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

    // Shared working storage of the file writer, reader and report
    double CevrimSayac = 0;
    double AdresSayac = 0;
    QString KayitCevrim, KayitAdres, KayitBolge, KayitTip, KayitGunduz, KayitGece, KayitMahal,
        KayitBypass, KayitOlayTipi, KayitGecikme, KayitCikisYangin, KayitCikisHata;
    QString GecikmeBaslik, CalmaModuBaslik;
    double RaporMetinUzunlugu = 0;
    Int16 RaporKonum;
    QString RaporSatir;
    double CikisCevabi = 0;

    // Working fields shared between windows
    QString SeciliDugum;
    Int16 SeciliCevrim;
    Int16 SeciliTip;
    Int16 SSsecili;
    Grid<Int16, 5> BosAdres{"BosAdres"};
    Int16 AdresTablosuHazir;
    Grid<Int16, 4> ListeSirasi{"ListeSirasi"};
    Grid<Int16, 4, 200> GirisIsareti{"GirisIsareti"};
    Grid<Int16, 4, 200> CikisIsareti{"CikisIsareti"};
    Table<Int16, 7> PanelCikisSecimi{"PanelCikisSecimi"};
    Int16 SSadim;
    QString SSyeniIsim;
    Int16 SSyerAyrildi;
    Int16 GirisSecildi;
    Int16 GirisSecimSayisi;
    Int16 SeciliSayisi;
    Int16 PortAyarAcik;
    Int16 SeciliPort;

    bool operator==(const Config &) const = default;

    // The tree-branch flag of a loop 1..4 (Cevrim1Eklendi..Cevrim4Eklendi).
    Int16 &CevrimEklendi(int loop);

    // True when loop 1..5 holds at least one device.
    bool loopHasDevices(int loop) const;
};

}  // namespace vaz
