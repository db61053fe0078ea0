#include "core/comm/Retest.h"
#include "core/model/Conversions.h"
#include "core/model/History.h"
#include "core/site/WalkTest.h"
#include "core/storage/Commissioning.h"
#include "support/ExampleConfig.h"

#include <QTimeZone>

#include <gtest/gtest.h>

namespace vaz::test {

using site::DeviceKey;
using site::WalkResult;
using site::WalkTest;
using Why = site::WalkImportPlan::Refused::Why;

namespace {

const QDateTime kMorning(QDate(2026, 12, 7), QTime(9, 0), QTimeZone::utc());

// The example's inputs are 1/1 (zone 3), 2/5 (zone 7) and 4/127 (zone 48);
// 1/2 and 3/1 are outputs. The first passed with a Turkish remark, the second failed.
Config walked()
{
    Config c = exampleConfig(15);
    c.site.walkTests.insert({1, 1}, {WalkResult::Passed, QStringLiteral("=geç, \"çan\" duyuldu"), kMorning});
    c.site.walkTests.insert({2, 5}, {WalkResult::Failed, {}, kMorning.addSecs(300)});
    return c;
}

QStringList reportLines(const Installation &inst) { return storage::commissioningReport(inst, {}).lines(); }

}  // namespace

TEST(WalkTest, ListedByZoneAndSummedUp)
{
    Config c = walked();
    addDevices(c, {{1, 9, 4, 0}, {1, 8, 1, 7}});
    c.MahalText(1, 8) = QStringLiteral("A kapı");
    QList<DeviceKey> order;
    for (const site::WalkRow &r : site::walkRows(c))
        order << r.key;
    // Zone by zone, within a zone by location, a device without a zone last.
    EXPECT_EQ(order, (QList<DeviceKey>{{1, 1}, {2, 5}, {1, 8}, {4, 127}, {1, 9}}));
    EXPECT_EQ(site::summaryLines(site::walkSummary(site::walkRows(c))),
              (QStringList{"Tested 2 of 5, failed 1", "Failed: Loop 2 address 005",
                           "Not tested: Loop 1 address 008, Loop 4 address 127, Loop 1 address 009"}));
}

TEST(WalkTest, ExportComesBackUnchangedAndEachBadRowIsRefusedAlone)
{
    const Config done = walked();
    const QByteArray csv = storage::writeCsv(site::walkTable(done), u';');
    // Read back into the same results: nothing changes; into none: exactly the results.
    EXPECT_TRUE(site::planWalkImport(done, storage::readCsv(csv)).changesNothing());
    Config fresh = exampleConfig(15);
    const site::WalkImportPlan all = site::planWalkImport(fresh, storage::readCsv(csv));
    EXPECT_TRUE(all.refused.isEmpty() && all.unknown.isEmpty());
    site::applyWalkImport(fresh, all);
    EXPECT_EQ(fresh.site.walkTests, done.site.walkTests);

    const struct {
        QStringList row;  // loop, address, result, remark, time
        int changes;
        std::optional<Why> refused;
        bool unknown;
    } cases[] = {
        {{"4", "127", "passed", "", "2026-12-07 10:15"}, 1, {}, false},
        {{"4", "127", "Not tested", "", ""}, 0, {}, false},
        {{"1", "1", "", "", ""}, 1, {}, false},  // back to not tested
        {{"5", "1", "Passed", "", ""}, 0, Why::BadPlace, false},
        {{"x", "1", "Passed", "", ""}, 0, Why::BadPlace, false},
        {{"4", "127", "OK", "", ""}, 0, Why::BadResult, false},
        {{"4", "127", "Passed", "", "yesterday"}, 0, Why::BadTime, false},
        {{"4", "127", "Failed", QString(201, u'x'), ""}, 0, Why::LongRemark, false},
        {{"1", "2", "Passed", "", ""}, 0, {}, true},  // an output
        {{"1", "3", "Passed", "", ""}, 0, {}, true},  // no device
    };
    for (const auto &c : cases) {
        const storage::SheetRows rows{{"result", "Loop", "ADDRESS", "Remark", "Time"},
                                      {c.row[2], c.row[0], c.row[1], c.row[3], c.row[4]}};
        const site::WalkImportPlan plan = site::planWalkImport(done, rows);
        SCOPED_TRACE(c.row.join(u'|').toStdString());
        EXPECT_EQ(plan.changes.size(), c.changes);
        EXPECT_EQ(plan.refused.isEmpty() ? std::nullopt : std::optional(plan.refused[0].why), c.refused);
        EXPECT_EQ(plan.unknown.size(), c.unknown ? 1 : 0);
        EXPECT_FALSE(plan.noHeader);
    }
    // A device named twice: the second row is refused; no header: nothing read.
    const site::WalkImportPlan twice =
        site::planWalkImport(done, {{"Loop", "Address", "Result"}, {"2", "5", "Passed"}, {"2", "5", "Failed"}});
    EXPECT_EQ(site::importLines(twice), (QStringList{"Loop 2 address 005: Failed → Passed",
                                                     "Row 3 refused: the device is named a second time (\"Loop 2 "
                                                     "address 005\")"}));
    EXPECT_TRUE(site::planWalkImport(done, {{"1", "1", "Passed"}}).noHeader);
}

TEST(WalkTest, ReportSheetUndoNameAndRetestMarksFollowTheResults)
{
    // Results of outputs only leave the sheet as blank as without any.
    Config outputsOnly = exampleConfig(15);
    outputsOnly.site.walkTests.insert({1, 2}, {WalkResult::Passed, {}, kMorning});
    const QStringList blank = reportLines(exampleConfig(15));
    EXPECT_EQ(reportLines(outputsOnly), blank);
    EXPECT_FALSE(blank.join(u'\n').contains(QLatin1String("[x]")));

    const QString filled = reportLines(walked()).join(u'\n');
    for (const QString &expected :
         {QStringLiteral("[x]"), QStringLiteral("Passed, ") + site::timeText(kMorning) + ", =geç, \"çan\" duyuldu",
          QStringLiteral("Failed, ") + site::timeText(kMorning.addSecs(300)), QStringLiteral("Tested 2 of 3, failed 1"),
          QStringLiteral("Not tested: Loop 4 address 127")})
        EXPECT_TRUE(filled.contains(expected)) << expected.toStdString();

    const Config before = exampleConfig(15);
    Config one = before, two = walked(), more = walked();
    one.site.walkTests.insert({1, 1}, {WalkResult::Failed, {}, kMorning});
    more.site.engineer = QStringLiteral("Ayşe");
    EXPECT_EQ(describeChange(before, one), "Walk test Loop 1 address 001");
    EXPECT_EQ(describeChange(before, two), "Walk test of 2 devices");
    EXPECT_EQ(describeChange(before, more), "Site data");

    // Passed after the change counts; before it, failed, or a rule does not.
    const QList<comm::RetestItem> items{{devicePlace(1, 1), {}, {}, {}, {}, {1, 1}},
                                        {devicePlace(2, 5), {}, {}, {}, {}, {2, 5}},
                                        {devicePlace(4, 127), {}, {}, {}, {}, {4, 127}},
                                        {QStringLiteral("Cause-effect 1 'Rule1'"), {}, {}, {}, {}, {}}};
    Config late = walked();
    late.site.walkTests.insert({4, 127}, {WalkResult::Passed, {}, kMorning.addSecs(-60)});
    EXPECT_EQ(comm::passedSince(items, late.site.walkTests, kMorning.addSecs(-1)),
              (QList<QDateTime>{kMorning, {}, {}, {}}));
}

}  // namespace vaz::test
