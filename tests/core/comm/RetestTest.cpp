#include "core/comm/Retest.h"
#include "core/model/Conversions.h"
#include "support/ExampleConfig.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace vaz;
using namespace vaz::comm;

TEST(Retest, ListsWhatAChangeTouchesAndASpreadSample)
{
    const struct {
        const char *name;
        std::function<void(Config &)> change;
        QStringList touched;  // what: why
        int sampled;
        bool full = false;  // every free address holds a detector
    } cases[] = {
        {"a detector moves to another zone",
         [](Config &c) { c.BolgeNo(1, 1) = 4; },
         {"Cause-effect 1 'Rule1': its input Loop 1 address 001 changed",
          "Cause-effect 2 'Rule2': its input Loop 1 address 001 changed", "Loop 1 address 001: its fields differ",
          "Loop 1 address 002: output of cause-effect 1, whose input changed",
          "Sounder 1: output of cause-effect 1, whose input changed",
          "Fault relay: output of cause-effect 1, whose input changed"},
         5},
        {"a rule's outputs change",
         [](Config &c) { c.SScikislar(2) = QStringLiteral("3,1.:"); },
         {"Cause-effect 2 'Rule2': the rule differs", "Loop 1 address 001: in cause-effect 2, which differs",
          "Loop 2 address 005: in cause-effect 2, which differs",
          "Loop 3 address 001: in cause-effect 2, which differs"},
         5},
        {"a rule added",
         [](Config &c) {
             c.SSsayisi = 3, c.SSismi(3) = QStringLiteral("Kat3"), c.SSgirisler(3) = QStringLiteral("2,5.:");
             c.SScikislar(3) = QStringLiteral("5,1.:"), c.SSkosul(3) = 1;
         },
         {"Cause-effect 3 'Kat3': the rule differs", "Loop 2 address 005: in cause-effect 3, which differs",
          "Sounder 1: in cause-effect 3, which differs"},
         5},
        {"a device in the zone a relay reacts to",
         [](Config &c) { c.MahalText(1, 10) = QStringLiteral("Depo"), c.BolgeNo(1, 10) = 4; },
         {"Loop 1 address 010: its fields differ", "Loop 1 address 002: reacts to zone 4"},
         5},
        {"at most 50 sampled",
         [](Config &c) { c.BolgeNo(4, 127) = 1; },
         {"Loop 4 address 127: its fields differ"},
         50,
         true},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.name);
        // The example's rules and devices, and 40 detectors in zones 10 and 11 on loops 1 and 2.
        Config was = test::exampleConfig(20, 2);
        for (int A = 10; A < 30; ++A)
            test::addDevices(was, {{1, A, 1, 10}, {2, A, 1, 11}});
        for (int L = 1; L <= kLoops && k.full; ++L)
            for (int A = 1; A <= kAddresses; ++A)
                if (was.CihazTipi(L, A) == 0)
                    test::addDevices(was, {{L, A, 1, A % kZones + 1}});
        Config now = was;
        k.change(now);
        const QList<FieldDifference> rows = compareConfigurations(now, was);
        const QList<RetestItem> list = retestList(now, was, rows);
        QStringList touched;
        QSet<QString> zones, sampledZones, listed;
        for (const RetestItem &i : list) {
            EXPECT_FALSE(listed.contains(i.what)) << "listed twice";
            if (i.why == sampleReason())
                sampledZones.insert(i.zone);
            else
                listed.insert(i.what), touched << i.what + QStringLiteral(": ") + i.why;
        }
        EXPECT_EQ(touched, k.touched);
        EXPECT_EQ(list.size() - touched.size(), k.sampled);
        // The sample spreads: every zone of the unlisted inputs is in it, as long as there are enough picks.
        for (int L = 1; L <= kLoops; ++L)
            for (int A = 1; A <= kAddresses; ++A)
                if (now.CihazTipi(L, A) != 0 && now.CihazTipi(L, A) != 5 && now.CihazTipi(L, A) != 8 &&
                    !listed.contains(devicePlace(L, A)))
                    zones.insert(QString::number(now.BolgeNo(L, A)));
        EXPECT_TRUE(zones.size() > k.sampled || sampledZones.contains(zones))
            << sampledZones.size() << " of " << zones.size();
        EXPECT_EQ(retestList(now, was, rows).size(), list.size());
    }
}
