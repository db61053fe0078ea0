// The transfer history, opened from the main window over a log of the test's own.

#include "ui/comm/TransferHistory.h"
#include "core/storage/ConfigFile.h"
#include "core/storage/Csv.h"

#include "ui/shell/ShellFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace vaz::test {
namespace {

class TransferHistoryTest : public ShellTest {
protected:
    void SetUp() override
    {
        dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path()));
        ShellTest::SetUp();
        for (const comm::TransferRecord &r : records)
            app->transferLog().append(r);
        confirmVersion("v2");
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", dataHome); }

    TransferHistory *open()
    {
        act("MnTransferHistory")->trigger();
        TransferHistory *w = app->transferHistory();
        EXPECT_TRUE(w->isVisible());
        table = child<QTableView>(w, "HistoryTable");
        return w;
    }
    // The command column, as shown.
    QStringList commands() const
    {
        QStringList out;
        for (int row = 0; row < table->model()->rowCount(); ++row)
            out << table->model()->index(row, 1).data().toString();
        return out;
    }

    QTemporaryDir dir;
    QByteArray dataHome;
    const QList<comm::TransferRecord> records = exampleTransfers(dir.path());
    QTableView *table = nullptr;
};

TEST_F(TransferHistoryTest, NewestFirstNarrowedByTheFilterAndExportedAsShown)
{
    TransferHistory *w = open();
    auto *filter = child<QLineEdit>(w, "HistoryFilter");
    auto *result = child<QComboBox>(w, "HistoryResult");
    // The download was written last but happened first.
    const QStringList all = {"Verify", "Upload", "Compare", "Upload", "Download"};
    EXPECT_EQ(commands(), all);
    const std::tuple<const char *, const char *, QStringList> cases[] = {
        {"blok ç", "All", all.first(4)},  // panel name, in either case
        {"DEPO", "All", {"Download"}},
        {"", "Failed", {"Upload"}},
        {"again", "All", {"Upload"}},  // why it failed
        {"blokC.dvk", "Verified", {"Verify", "Upload"}},
        {"saha-1", "All", {}},  // user and host are not searched
    };
    for (const auto &[text, shown, expected] : cases) {
        filter->setText(text), result->setCurrentText(shown);
        EXPECT_EQ(commands(), expected) << text << " " << shown;
        EXPECT_EQ(child<QPushButton>(w, "HistoryExport")->isEnabled(), !expected.isEmpty());
    }

    filter->setText("blok"), result->setCurrentText("All");
    table->sortByColumn(1, Qt::AscendingOrder);
    dialogs.paths = {dir.filePath("shown.csv")};
    child<QPushButton>(w, "HistoryExport")->click();
    const storage::SheetRows csv = storage::readCsv(fileBytes(dir.filePath("shown.csv")));
    QStringList exported;
    for (const QStringList &row : csv)
        exported << row.value(1);
    EXPECT_EQ(exported, (QStringList{"Command", "compare", "upload", "upload", "verify"}));

    // A transfer of this run shows at once.
    comm::TransferRecord newest = records[3];
    newest.when = records[4].when.addSecs(60), newest.panelName = "Blok Ç";
    app->transferLog().append(newest);
    table->sortByColumn(0, Qt::DescendingOrder);
    EXPECT_EQ(commands(), (QStringList{"Download", "Verify", "Upload", "Compare", "Upload"}));
}

TEST_F(TransferHistoryTest, OpenFileOpensAsARecentFileDoesWhileTheFileIsThere)
{
    Config saved = exampleConfig(20);
    ASSERT_TRUE(storage::GirisVerileriniKaydet(saved, records[0].file).ok);
    newConfiguration(2);
    TransferHistory *w = open();
    auto *openFile = child<QPushButton>(w, "HistoryOpenFile");
    // row (newest first), whether its file can be opened
    for (auto [row, can] : {std::pair{4, false}, {0, true}}) {
        table->selectRow(row);
        EXPECT_EQ(openFile->isEnabled(), can) << row;
    }
    messages.answers = {Answer::Yes};
    openFile->click();
    EXPECT_EQ(messages.questions, QStringList{"Delete configuration data?"}) << "unsaved work is asked about";
    EXPECT_EQ(app->currentFile(), records[0].file);

    QFile::remove(records[0].file);
    child<QPushButton>(w, "HistoryRefresh")->click(), table->selectRow(0);
    EXPECT_FALSE(openFile->isEnabled()) << "the file is gone";
}

}  // namespace
}  // namespace vaz::test
