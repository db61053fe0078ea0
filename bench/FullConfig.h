#pragma once

// The largest configuration the tool can hold: 508 devices with 40-character
// locations and 200 rules whose lists name 127 devices each.

#include "core/model/Config.h"

namespace vaz::bench {

inline Config fullConfig()
{
    Config c;
    c.McuVersiyon = 20;
    c.CevrimSayisi = 4;
    c.TedarikciAdi = QStringLiteral("Güven Yangın Söndürme Sistemleri Ltd. Şt");
    c.PanelAdi = QStringLiteral("Merkez Bina Kat 1-12 Yangın Paneli No 01");
    for (int i = 0; i < kPanelDelays; ++i)
        c.Gecikmeler(i) = 999;
    c.CalmaModu = 1;
    for (int L = 1; L <= kLoops; ++L) {
        for (int A = 1; A <= kAddresses; ++A) {
            c.CihazTipi(L, A) = (A % 9) + 1;
            c.BolgeNo(L, A) = (A % 48) + 1;
            c.MahalText(L, A) =
                QStringLiteral("Şişli Blok %1 Kat %2, Oda Güney Çıkışı").arg(L).arg(A).leftJustified(40, u'X');
            c.GecikmeIptal(L, A) = 64;
            c.OlayTipi(L, A) = 32;
            c.Gecikme(L, A) = 250;
            c.CikisYangin(L, A) = 48;
            c.CikisHata(L, A) = 48;
        }
    }
    // Each list names every device of one loop: 127 items.
    c.SSsayisi = kMaxRules;
    for (int r = 1; r <= kMaxRules; ++r) {
        QString list;
        for (int A = 1; A <= kAddresses; ++A)
            list += QStringLiteral("%1,%2.").arg(r % 4 + 1).arg(A);
        c.SSismi(r) = QStringLiteral("Kural %1").arg(r);
        c.SSgirisler(r) = list + u':';
        c.SScikislar(r) = list + QStringLiteral("5,1.5,2.5,3.5,4.5,5.5,6.5,7.:");
        c.SSkosul(r) = r % 3 + 1;
    }
    return c;
}

}  // namespace vaz::bench
