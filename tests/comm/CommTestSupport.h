#pragma once

#include "FakePort.h"
#include "PanelSim.h"
#include "model/Config.h"
#include "support/ExampleConfig.h"

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

inline Config sampleConfig(int mcu, int rules) { return exampleConfig(mcu, rules); }

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
            const int t = sent.CihazTipi(l, a);
            const bool input = t == 6 || t == 7, output = t == 5 || t == 8;
            EXPECT_EQ(got.CihazTipi(l, a), t);
            EXPECT_EQ(got.BolgeNo(l, a), sent.BolgeNo(l, a));
            EXPECT_EQ(got.MahalText(l, a), sent.MahalText(l, a));
            EXPECT_EQ(got.GecikmeIptal(l, a), sent.GecikmeIptal(l, a));
            EXPECT_EQ(got.Gecikme(l, a), sent.Gecikme(l, a));
            EXPECT_TRUE(!input || got.OlayTipi(l, a) == sent.OlayTipi(l, a));
            EXPECT_TRUE(!output || (got.CikisYangin(l, a) == sent.CikisYangin(l, a) &&
                                    got.CikisHata(l, a) == sent.CikisHata(l, a)));
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
