#pragma once

#include "core/comm/FakePort.h"
#include "PanelSim.h"
#include "core/model/Config.h"
#include "support/ExampleConfig.h"

#include <gtest/gtest.h>

namespace vaz::test {

// How the panel's answers are cut into reads.
enum class Chunking { Whole, Framed, Bytes };

inline void attach(FakePort &port, sim::PanelSim &panel, Chunking chunking = Chunking::Whole)
{
    port.onWrite = [&port, &panel, chunking](QByteArrayView bytes) {
        for (char c : bytes) {
            const QByteArray answer = panel.feed(c);
            if (chunking == Chunking::Whole) {
                port.push(answer);
                continue;
            }
            qsizetype from = 0;  // the run not pushed yet
            for (qsizetype i = 0; i < answer.size(); ++i)
                if (chunking == Chunking::Bytes || answer[i] == '~')
                    port.push(answer.mid(from, i - from)), port.push(answer.mid(i, 1)), from = i + 1;
            port.push(answer.mid(from));
        }
    };
}

inline std::unique_ptr<FakePort> attached(sim::PanelSim &panel)
{
    auto port = std::make_unique<FakePort>();
    attach(*port, panel);
    return port;
}

// The fields a round trip through the panel keeps, compared in the form the
// panel holds them: list texts in the panel's form, output events as the zone.
inline void expectCarriedEqual(const Config &sent, const Config &got)
{
    const sim::PanelMemory want = sim::memoryFromConfig(sent), have = sim::memoryFromConfig(got);
    EXPECT_EQ(have.supplier, want.supplier);
    EXPECT_TRUE(sent.McuVersiyon < 15 || have.panelName == want.panelName) << have.panelName.toStdString();
    EXPECT_EQ(have.settings, want.settings);
    for (int i = 0; i < kRecords; ++i)
        ASSERT_EQ(have.records[i], want.records[i])
            << "loop " << i / kAddresses + 1 << " address " << i % kAddresses + 1;
    EXPECT_EQ(sent.McuVersiyon >= 20 ? have.rules : want.rules, want.rules);  // rules travel from V2.0 on
}

}  // namespace vaz::test
