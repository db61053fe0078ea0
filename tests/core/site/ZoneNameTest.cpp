#include "core/causeeffect/RuleLists.h"
#include "core/causeeffect/ZoneRules.h"
#include "core/devices/DeviceFilter.h"
#include "core/devices/DeviceTreeModel.h"
#include "core/devices/ZoneModel.h"
#include "core/storage/Commissioning.h"
#include "core/storage/ConfigFile.h"
#include "core/storage/Report.h"
#include "core/storage/Schedule.h"
#include "support/ExampleConfig.h"

#include <gtest/gtest.h>

using namespace vaz;
using namespace vaz::test;

namespace {

// Zone 3 (the detector at 1.1) and zone 7 (the switch monitor at 2.5) named.
TEST(ZoneNames, AreShownWhereverAZoneIs)
{
    Config cfg = exampleConfig(20);
    cfg.site = exampleSite();
    cfg.site.zoneNames[7] = QStringLiteral("Depo");
    const QString kat = cfg.site.zoneName(3);

    DeviceTreeModel tree{cfg};
    ZoneModel zones{cfg, tree};
    tree.build();
    EXPECT_EQ(zones.index(0, 0).data(), "Zone 3 " + kat);
    EXPECT_EQ(zones.index(1, 0).data(), "Zone 4");

    EXPECT_TRUE(deviceMatches(cfg, {1, 1}, QStringLiteral("doğu kanadı")));
    EXPECT_FALSE(deviceMatches(cfg, {1, 2}, QStringLiteral("doğu kanadı")));

    const RuleView view = SSicerikGoruntule(cfg, 1);
    EXPECT_TRUE(view.inputs.value(0).endsWith("Hall   " + kat) && view.inputWords.value(0).endsWith(kat))
        << view.inputs.value(0).toStdString();

    ZoneRuleChoice choice{{3, 7}, true, true, {true}, kConditionOr, QStringLiteral("Z{z} {zone}")};
    const ZoneRulePlan plan = planZoneRules(cfg, choice);
    ASSERT_EQ(plan.rules.size(), 1);
    EXPECT_EQ(plan.rules[0].name, "Z7 Depo");
    EXPECT_EQ(plan.skipped.value(0).reason, SkippedZone::Reason::BadName) << "still at most 10 characters";

    const storage::Sheet sheet = storage::exportedSchedule(cfg);
    EXPECT_EQ(sheet.rows[0].mid(3, 3), (QStringList{"Zone", "Zone name", "Location"}));
    EXPECT_EQ(sheet.rows[1].mid(3, 2), (QStringList{"3", kat}));
    const storage::SchedulePlan back = storage::planSchedule(cfg, sheet.rows);
    EXPECT_TRUE(back.ok() && back.changesNothing());

    const QString report =
        storage::commissioningReport(cfg, {QStringLiteral("a.dvk"), "x", true, {}, {}, {}}).lines().join(u'\n');
    EXPECT_TRUE(report.contains("DEVICE SCHEDULE BY ZONE: zone 3 " + kat)) << report.toStdString();

    storage::ReportResult printed = storage::reportFromBytes(storage::configFileBytes(cfg), "a.dvk", 20);
    const QList<qsizetype> starts = printed.ruleStarts;
    storage::addZoneNames(printed, cfg.site.zoneNames);
    EXPECT_TRUE(printed.lines.contains(QStringList({"Zone 3", kat})));
    for (qsizetype i = 0; i < starts.size(); ++i)
        EXPECT_TRUE(printed.lines[printed.ruleStarts[i] + 1].value(0).startsWith("Cause-effect name: "));

    // Without names nothing changes.
    cfg.site = {};
    EXPECT_EQ(storage::exportedSchedule(cfg).rows, storage::scheduleSheet(cfg).rows);
    EXPECT_EQ(zones.index(0, 0).data(), "Zone 3");
}

}  // namespace
