#include "core/causeeffect/ZoneRules.h"
#include "support/ExampleConfig.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vaz;

namespace {

// The example's zones, and: zone 3 gets a sounder, zone 4 (a relay alone)
// two inputs, zone 12 two inputs out of order with a sounder and a relay.
// Zones 7 and 48 have no outputs, zone 9 no inputs.
Config zoned()
{
    Config c = test::exampleConfig(20, 2);
    test::addDevices(
        c, {{1, 3, 8, 3}, {2, 10, 1, 4}, {2, 11, 4, 4}, {3, 20, 2, 12}, {1, 50, 2, 12}, {4, 5, 8, 12}, {2, 7, 5, 12}});
    return c;
}

QStringList rulesOf(const ZoneRulePlan &plan)
{
    QStringList out;
    for (const ZoneRule &r : plan.rules)
        out << QStringLiteral("%1|%2|%3|%4").arg(r.name, r.inputs, r.outputs).arg(r.condition);
    return out;
}

QStringList skippedOf(const ZoneRulePlan &plan)
{
    QStringList out;
    for (const SkippedZone &s : plan.skipped)
        out << skippedText(s);
    return out;
}

TEST(ZoneRules, ListsZonesWithDevicesAndTheirCounts)
{
    QStringList shown;
    for (const ZoneCount &z : zonesWithDevices(zoned()))
        shown << QStringLiteral("%1:%2/%3").arg(z.zone).arg(z.inputs).arg(z.outputs);
    EXPECT_EQ(shown, (QStringList{"3:1/1", "4:2/1", "7:1/0", "9:0/1", "12:2/2", "48:1/0"}));
}

TEST(ZoneRules, PlansOneRuleAZoneAndSaysWhyOthersAreSkipped)
{
    const auto addRule = [](const char *name, const char *inputs, const char *outputs, int condition) {
        return [=](Config &c) {
            const int r = c.SSsayisi = c.SSsayisi + 1;
            c.SSismi(r) = name, c.SSgirisler(r) = inputs, c.SScikislar(r) = outputs, c.SSkosul(r) = condition;
        };
    };
    struct Case {
        const char *what;
        std::function<void(ZoneRuleChoice &)> choose;
        std::function<void(Config &)> change;
        QStringList rules, skipped;
    };
    const Case cases[] = {
        {"OR, the zone's sounders and relays",
         [](ZoneRuleChoice &) {},
         [](Config &) {},
         {"Zone 3|1,1.:|1,3.:|1", "Zone 4|2,10.2,11.:|1,2.:|1", "Zone 12|1,50.3,20.:|2,7.4,5.:|1"},
         {"Zone 7: has no outputs of the kinds chosen", "Zone 9: has no input devices",
          "Zone 48: has no outputs of the kinds chosen"}},
        {"panel outputs after the sounders, relays left out",
         [](ZoneRuleChoice &c) {
             c.zones = {12, 7, 12}, c.relays = false, c.panelOutputs[4] = c.panelOutputs[0] = true;
         },
         [](Config &) {},
         {"Zone 7|2,5.:|5,1.5,5.:|1", "Zone 12|1,50.3,20.:|4,5.5,1.5,5.:|1"},
         {}},
        {"AND needs two inputs",
         [](ZoneRuleChoice &c) {
             c.zones = {3, 12}, c.condition = kConditionAnd;
         },
         [](Config &) {},
         {"Zone 12|1,50.3,20.:|2,7.4,5.:|3"},
         {"Zone 3: AND and COINCIDENCE need two inputs or more"}},
        {"a name over 10 characters",
         [](ZoneRuleChoice &c) {
             c.zones = {3, 4}, c.pattern = "Zone {z} North";
         },
         [](Config &) {},
         {},
         {"Zone 3: name \"Zone 3 North\": A name holds at most 10 characters.",
          "Zone 4: name \"Zone 4 North\": A name holds at most 10 characters."}},
        {"names taken by a rule or by an earlier zone, compared exactly",
         [](ZoneRuleChoice &c) {
             c.zones = {3, 4, 12}, c.pattern = " {z}";
         },
         addRule("3", ":", ":", 1),
         {"4|2,10.2,11.:|1,2.:|1", "12|1,50.3,20.:|2,7.4,5.:|1"},
         {"Zone 3: name \"3\" is taken by cause-effect 3"}},
        {"one name for every zone",
         [](ZoneRuleChoice &c) {
             c.zones = {3, 4}, c.pattern = "Kat";
         },
         addRule("kat", ":", ":", 1),
         {"Kat|1,1.:|1,3.:|1"},
         {"Zone 4: name \"Kat\" is given to another zone"}},
        {"the same rule in the panel's form, and one differing only in condition",
         [](ZoneRuleChoice &c) {
             c.zones = {3, 4};
         },
         [&](Config &c) { addRule("Old", "1,1,:", "1,3,:", 1)(c), addRule("Other", "2,11.2,10.:", "1,2.:", 2)(c); },
         {"Zone 4|2,10.2,11.:|1,2.:|1"},
         {"Zone 3: cause-effect 3 has the same inputs, outputs and condition"}},
        {"199 rules leave room for one",
         [](ZoneRuleChoice &c) {
             c.zones = {3, 9, 4, 12};
         },
         [](Config &c) {
             QStringList names;
             for (int r = 1; r < kMaxRules; ++r)
                 names << QStringLiteral("R%1").arg(r);
             test::setRules(c, names);
         },
         {"Zone 3|1,1.:|1,3.:|1"},
         {"Zone 4: no room: the panel holds at most 200 cause-effect rules", "Zone 9: has no input devices",
          "Zone 12: no room: the panel holds at most 200 cause-effect rules"}},
        {"more than 254 inputs",
         [](ZoneRuleChoice &c) { c.zones = {20}; },
         [](Config &c) {
             test::addDevices(c, {{1, 59, 8, 20}});
             for (int L = 1; L <= kLoops; ++L)
                 for (int A = 60; A <= 126; ++A)
                     c.CihazTipi(L, A) = 9, c.BolgeNo(L, A) = 20;
         },
         {},
         {"Zone 20: has more than 254 inputs"}},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.what);
        Config c = zoned();
        k.change(c);
        ZoneRuleChoice choice;
        choice.zones = {3, 4, 7, 9, 12, 48};
        k.choose(choice);
        const Config before = c;
        const ZoneRulePlan plan = planZoneRules(c, choice);
        EXPECT_EQ(rulesOf(plan), k.rules);
        EXPECT_EQ(skippedOf(plan), k.skipped);
        EXPECT_TRUE(c == before) << "planning changes nothing";

        // Added after the existing rules, all four fields; a second pass adds nothing.
        addZoneRules(c, plan);
        ASSERT_EQ(int(c.SSsayisi), int(before.SSsayisi) + int(plan.rules.size()));
        for (qsizetype i = 0; i < plan.rules.size(); ++i) {
            const int r = before.SSsayisi + int(i) + 1;
            EXPECT_EQ(
                QStringLiteral("%1|%2|%3|%4").arg(c.SSismi(r), c.SSgirisler(r), c.SScikislar(r)).arg(int(c.SSkosul(r))),
                k.rules[i]);
        }
        EXPECT_TRUE(planZoneRules(c, choice).rules.isEmpty());
    }
}

}  // namespace
