#pragma once

#include "FakePort.h"
#include "PanelSim.h"
#include "model/Config.h"

#include <gtest/gtest.h>

namespace vaz::test {

// How the panel's answers are cut into reads.
enum class Chunking { Whole, Framed, Bytes };

// Wires a simulated panel to the fake line.
inline void attach(FakePort &port, sim::PanelSim &panel, Chunking chunking = Chunking::Whole)
{
    port.onWrite = [&port, &panel, chunking](QByteArrayView bytes) {
        for (char c : bytes) {
            const QByteArray answer = panel.feed(c);
            if (chunking == Chunking::Whole) {
                port.push(answer);
                continue;
            }
            QByteArray run;
            for (char a : answer) {
                if (chunking == Chunking::Bytes || a == '~') {
                    port.push(run);
                    run.clear();
                    port.push(QByteArray(1, a));
                } else {
                    run.append(a);
                }
            }
            port.push(run);
        }
    };
}

// A few devices of every group, on more than one loop.
inline Config sampleConfig(int mcu, int rules)
{
    Config c;
    c.McuVersiyon = mcu;
    c.CevrimSayisi = 4;
    c.TedarikciAdi = QStringLiteral("ACME Yangin");
    c.PanelAdi = QStringLiteral("Blok Ç");
    for (int i = 0; i < 7; ++i)
        c.Gecikmeler(i) = 10 * (i + 1);
    c.CalmaModu = 1;
    // detector with bypass
    c.CihazTipi(1, 1) = 2, c.BolgeNo(1, 1) = 3, c.GecikmeIptal(1, 1) = 64, c.MahalText(1, 1) = QStringLiteral(" Hall ");
    // relay controller on fire
    c.CihazTipi(1, 2) = 5, c.BolgeNo(1, 2) = 4, c.CikisYangin(1, 2) = 4, c.Gecikme(1, 2) = 30;
    // switch monitor, fire
    c.CihazTipi(2, 5) = 6, c.BolgeNo(2, 5) = 7, c.OlayTipi(2, 5) = 32, c.GecikmeIptal(2, 5) = 64;
    // sounder controller on fault
    c.CihazTipi(3, 1) = 8, c.BolgeNo(3, 1) = 9, c.CikisHata(3, 1) = 9, c.Gecikme(3, 1) = 250;
    c.CihazTipi(4, 127) = 9, c.BolgeNo(4, 127) = 48, c.MahalText(4, 127) = QStringLiteral("Roof");
    c.SSsayisi = rules;
    for (int r = 1; r <= rules; ++r) {
        c.SSismi(r) = QStringLiteral("Rule%1").arg(r);
        c.SSgirisler(r) = QStringLiteral("1,1.2,5.:");
        c.SScikislar(r) = r % 2 ? QStringLiteral("1,2.5,1.5,7.:") : QStringLiteral(":");
        c.SSkosul(r) = r % 3 + 1;
    }
    return c;
}

// The fields a round trip through the panel keeps. The download gives list
// texts back in the panel's form and output events as the zone number.
inline void expectCarriedEqual(const Config &sent, const Config &got)
{
    EXPECT_EQ(got.TedarikciAdi, sent.TedarikciAdi);
    if (sent.McuVersiyon > 14) {
        EXPECT_EQ(got.PanelAdi, sent.PanelAdi);
    }
    EXPECT_TRUE(got.Gecikmeler == sent.Gecikmeler);
    EXPECT_EQ(got.CalmaModu, sent.CalmaModu);
    for (int l = 1; l <= kLoops; ++l)
        for (int a = 1; a <= kAddresses; ++a) {
            SCOPED_TRACE(testing::Message() << "loop " << l << " address " << a);
            EXPECT_EQ(got.CihazTipi(l, a), sent.CihazTipi(l, a));
            EXPECT_EQ(got.BolgeNo(l, a), sent.BolgeNo(l, a));
            EXPECT_EQ(got.MahalText(l, a), sent.MahalText(l, a));
            EXPECT_EQ(got.GecikmeIptal(l, a), sent.GecikmeIptal(l, a));
            EXPECT_EQ(got.Gecikme(l, a), sent.Gecikme(l, a));
            const int t = sent.CihazTipi(l, a);
            if (t == 6 || t == 7) {
                EXPECT_EQ(got.OlayTipi(l, a), sent.OlayTipi(l, a));
            }
            if (t == 5 || t == 8) {
                EXPECT_EQ(got.CikisYangin(l, a), sent.CikisYangin(l, a));
                EXPECT_EQ(got.CikisHata(l, a), sent.CikisHata(l, a));
            }
            if (::testing::Test::HasFailure())
                return;
        }
    if (sent.McuVersiyon >= 20) {
        ASSERT_EQ(got.SSsayisi, sent.SSsayisi);
        for (int r = 1; r <= sent.SSsayisi; ++r) {
            EXPECT_EQ(got.SSismi(r), sent.SSismi(r));
            EXPECT_EQ(got.SSgirisler(r), QString(sent.SSgirisler(r)).replace('.', ','));
            EXPECT_EQ(got.SScikislar(r), QString(sent.SScikislar(r)).replace('.', ','));
            EXPECT_EQ(got.SSkosul(r), sent.SSkosul(r));
        }
    }
}

}  // namespace vaz::test
