#include "ui/site/WalkTestWindow.h"

#include "core/storage/Csv.h"
#include "ui/shell/ShellFixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

namespace vaz::test {

using site::WalkResult;

namespace {

const QDateTime kStart(QDate(2026, 12, 7), QTime(9, 0), QTimeZone::utc());

class WalkTestWindowTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        confirmVersion(), cfg() = exampleConfig(15), app->startHistory();
        // A minute a key, so that each result has a time of its own; milliseconds no file keeps.
        window = new WalkTestWindow(*app, app->mainWindow(), [this] { return kStart.addMSecs(60000 * ++ticks + 250); });
        window->openWindow();
        table = child<QTableView>(window, "WalkTestTable");
    }

    QString cell(int row, int column) const { return table->model()->index(row, column).data().toString(); }
    QString summary() { return child<QLabel>(window, "WalkTestSummary")->text(); }

    int ticks = 0;
    WalkTestWindow *window = nullptr;
    QTableView *table = nullptr;
    QTemporaryDir dir;
};

}  // namespace

TEST_F(WalkTestWindowTest, KeysTakeResultsAsUndoSteps)
{
    EXPECT_EQ(summary(), "Tested 0 of 3, failed 0");
    messages.texts = {QStringLiteral("  LED zayıf  "), QString()};
    // key, the row it acts on, what that row then shows, the row after
    const struct {
        int key;
        int row;
        const char *result, *remark;
        int after;
    } steps[] = {
        {Qt::Key_P, 0, "Passed", "", 1},          {Qt::Key_F, 1, "Failed", "", 2},
        {Qt::Key_Up, 2, "Not tested", "", 1},     {Qt::Key_R, 1, "Failed", "LED zayıf", 1},
        {Qt::Key_R, 1, "Failed", "LED zayıf", 1},                                   // cancelled: the remark stays
        {Qt::Key_P, 1, "Passed", "LED zayıf", 2}, {Qt::Key_P, 2, "Passed", "", 2},  // the last row stays
    };
    for (const auto &s : steps) {
        QTest::keyClick(table, Qt::Key(s.key));
        SCOPED_TRACE(s.row);
        EXPECT_EQ(cell(s.row, 4), s.result);
        EXPECT_EQ(cell(s.row, 6), s.remark);
        EXPECT_EQ(table->currentIndex().row(), s.after);
    }
    EXPECT_EQ(messages.offered, (QStringList{"", "LED zayıf"}));
    EXPECT_EQ(cfg().site.walkTests.value({2, 5}).at, kStart.addSecs(60 * 3));
    EXPECT_EQ(cell(0, 5), site::timeText(kStart.addSecs(60)));
    EXPECT_EQ(summary(), "Tested 3 of 3, failed 0");

    EXPECT_EQ(act("MnUndo")->text(), "&Undo Walk test Loop 4 address 127");
    act("MnUndo")->trigger(), act("MnUndo")->trigger();
    EXPECT_EQ(cell(1, 4), "Failed");
    EXPECT_EQ(summary(), "Tested 2 of 3, failed 1");
}

TEST_F(WalkTestWindowTest, CsvRoundTripShowsWhatItChangesAndStoresOnlyOnOk)
{
    QTest::keyClick(table, Qt::Key_P), QTest::keyClick(table, Qt::Key_F);
    const auto taken = cfg().site.walkTests;
    dialogs.paths = {dir.filePath("walk.csv")};
    child<QAbstractButton>(window, "WalkTestExport")->click();
    const storage::SheetRows rows = storage::readCsv(fileBytes(dir.filePath("walk.csv")));
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0], (QStringList{"Loop", "Address", "Zone", "Type", "Location", "Result", "Remark", "Time"}));

    cfg().site.walkTests.clear(), app->startHistory();
    auto import = [&](const storage::SheetRows &in) {
        EXPECT_TRUE(writeBytes(dir.filePath("in.csv"), storage::writeCsv(in, u';')));
        dialogs.paths = {dir.filePath("in.csv")};
        child<QAbstractButton>(window, "WalkTestImport")->click();
        auto *preview = window->findChild<QDialog *>("WalkImportPreview");
        EXPECT_TRUE(preview && preview->isVisible());
        return preview;
    };
    QDialog *preview =
        import(rows + storage::SheetRows{{"9", "1", "", "", "", "Passed"}, {"1", "2", "", "", "", "Passed"}});
    EXPECT_EQ(child<QLabel>(preview, "WalkImportSummary")->text(),
              "Results that change: 2. Rows refused: 1. Devices unknown: 1.");
    EXPECT_EQ(child<QListWidget>(preview, "WalkImportLines")->count(), 4);
    child<QAbstractButton>(preview, "WalkImportCancel")->click(), delete preview;
    EXPECT_TRUE(cfg().site.walkTests.isEmpty());

    preview = import(rows);
    child<QAbstractButton>(preview, "WalkImportOK")->click(), delete preview;
    EXPECT_EQ(cfg().site.walkTests, taken);
    EXPECT_EQ(summary(), "Tested 2 of 3, failed 1");
    EXPECT_EQ(act("MnUndo")->text(), "&Undo Walk test of 2 devices");

    // The same file again changes nothing: OK stays off.
    preview = import(rows);
    EXPECT_FALSE(child(preview, "WalkImportOK")->isEnabled());
    delete preview;
}

}  // namespace vaz::test
