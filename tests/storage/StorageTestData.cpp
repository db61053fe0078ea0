#include "StorageTestData.h"

#include <QDir>
#include <QFile>

namespace vaz::test {

// The three example records, delays and ringing mode of the format's description.
Config exampleConfig(int version)
{
    Config c;
    c.McuVersiyon = version;
    c.CevrimSayisi = 2;
    c.TedarikciAdi = QStringLiteral("ACME");
    c.PanelAdi = QStringLiteral("P1");
    c.CihazTipi(1, 1) = 2;
    c.BolgeNo(1, 1) = 3;
    c.GecikmeIptal(1, 1) = 64;
    c.CihazTipi(1, 100) = 8;
    c.BolgeNo(1, 100) = 12;
    c.Gecikme(1, 100) = 30;
    c.CikisYangin(1, 100) = 12;
    for (int i = 0; i < 4; ++i)
        c.Gecikmeler(i) = 30;
    c.Gecikmeler(7) = 99;  // reserved: never written
    c.CalmaModu = 1;
    return c;
}


Config filledConfig(int mcuVersion)
{
    Config c;
    c.McuVersiyon = mcuVersion;
    c.CevrimSayisi = 4;
    c.TedarikciAdi = QStringLiteral("Güven Yangın, Ltd.");
    c.PanelAdi = QStringLiteral("Blok A");
    for (int i = 0; i < kPanelDelays; ++i)
        c.Gecikmeler(i) = 10 * i;
    c.CalmaModu = 1;
    for (int L = 1; L <= kLoops; ++L) {
        for (int A = 1; A <= kAddresses; A += 3) {
            const int type = (L + A) % 9 + 1;
            c.CihazTipi(L, A) = type;
            c.BolgeNo(L, A) = (A % 48) + 1;
            c.MahalText(L, A) = QStringLiteral("Kat %1, oda %2 Şişli Çığ").arg(L).arg(A);
            c.GecikmeIptal(L, A) = A % 2 ? 64 : 0;
            c.OlayTipi(L, A) = type == 6 ? 32 : 0;
            c.Gecikme(L, A) = type == 8 ? 250 : 0;
            c.CikisYangin(L, A) = type == 8 ? c.BolgeNo(L, A) : Int16(0);
            c.CikisHata(L, A) = type == 5 ? c.BolgeNo(L, A) : Int16(0);
        }
    }
    c.SSsayisi = 3;
    c.SSismi(1) = QStringLiteral("Kuzey");
    c.SSgirisler(1) = QStringLiteral("1,5.2,17.:");
    c.SScikislar(1) = QStringLiteral("1,100.5,5.:");
    c.SSkosul(1) = 1;
    c.SSismi(2) = QStringLiteral("Güney");
    c.SSgirisler(2) = QStringLiteral("3,7.4,1.:");
    c.SScikislar(2) = QStringLiteral("5,1.5,7.:");
    c.SSkosul(2) = 3;
    c.SSismi(3) = QStringLiteral("Panel");
    c.SSgirisler(3) = QStringLiteral("1,5,2,17,:");
    c.SScikislar(3) = QStringLiteral(":");
    c.SSkosul(3) = 2;
    return c;
}

void keepSeed(const QString &name, const QByteArray &bytes)
{
    const QString dir = qEnvironmentVariable("VAZ_FUZZ_SEEDS");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    QFile f(QDir(dir).filePath(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

}  // namespace vaz::test
