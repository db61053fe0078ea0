#include "ui/shell/ShellFixture.h"

#include "core/comm/PreUploadCheck.h"
#include "core/comm/Retest.h"
#include "core/comm/UploadStream.h"
#include "adapters/dialogs/QtPrompts.h"
#include "ui/devices/Fcihazverileri.h"
#include "ui/devices/SchedulePreview.h"
#include "core/storage/ConfigFile.h"
#include "core/storage/FieldReader.h"
#include "support/HostileFiles.h"
#include "core/model/Settings.h"

#include <QCryptographicHash>
#include <QListWidget>
#include <QTableWidget>
#include <QMenu>
#include <QTreeView>

#include <QProcess>
#include <QStatusBar>
#include <QTreeWidget>

namespace vaz::test {
namespace {

class ShellFileTest : public ShellTest {
protected:
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
    QTemporaryDir dir;
};

TEST_F(ShellFileTest, ExitAsksWhileChangesWouldBeLost)
{
    int quit = 0;
    QObject::connect(app.get(), &App::quitRequested, [&] { ++quit; });
    lintor1 *main = confirmVersion();
    newConfiguration(2);

    messages.answers = {Answer::Cancel};
    EXPECT_FALSE(main->close());
    EXPECT_EQ(messages.questions + messages.questionTitles, (QStringList{"Save configuration?", "Exit"}));

    // Yes stays until the configuration is in a file.
    messages.answers = {Answer::Yes, Answer::Yes};
    EXPECT_FALSE(main->close()) << "save dialog cancelled";
    dialogs.paths = {path("missing/a.dvk")};
    EXPECT_FALSE(main->close()) << "save failed";
    EXPECT_TRUE(messages.messages.size() == 1 && quit == 0);

    messages.answers = {Answer::Yes}, dialogs.paths = {path("a.dvk")};
    EXPECT_TRUE(main->close() && QFile::exists(path("a.dvk")) && quit == 1);
    EXPECT_EQ(dialogs.titles.constLast(), "Save configuration");

    // Saved and unchanged, then a transfer under way: never asked. Edited: No leaves without saving.
    for (bool edited : {false, true}) {
        messages.questions.clear(), messages.answers = {Answer::No};
        cfg().TedarikciAdi = edited ? QStringLiteral("Acme") : QString();
        main->show();
        EXPECT_TRUE(main->close() && messages.questions.size() == (edited ? 1 : 0));
    }
    main->GonderimModu = 1, main->show();
    EXPECT_TRUE(main->close() && messages.questions.size() == 1);
}

TEST_F(ShellFileTest, OpenReadsAndNeverLosesDataOnTheWay)
{
    lintor1 *main = confirmVersion("v2");
    // A file of another kind: said, and only the display lines change.
    ASSERT_TRUE(writeBytes(path("note.dvk"), "\"rendon elektronik\"\r\n"));
    cfg().TedarikciAdi = QStringLiteral("Acme"), dialogs.paths = {path("note.dvk")};
    act("MnAç")->trigger();
    EXPECT_EQ(messages.questions + messages.messages, QStringList{"Wrong file type"});
    EXPECT_EQ((QStringList{line("LCDsatir1"), line("LCDsatir2")}),
              (QStringList{"Status - Normal         Access level 1", "Acme"}));
    EXPECT_TRUE(child(main, "Devrede")->isVisible() && !act("BtKaydet")->isEnabled()) << "no loop count";

    newConfiguration(4), cfg().TedarikciAdi = QStringLiteral("Acme"), cfg().CihazTipi(1, 1) = 2;
    dialogs.paths = {path("a.dvk")}, act("BtKaydet")->trigger();
    ASSERT_TRUE(QFile::exists(path("a.dvk")));

    cfg().CihazTipi(2, 3) = 5, cfg().TedarikciAdi = QStringLiteral("Other");
    messages.answers = {Answer::No};
    act("MnAç")->trigger();
    EXPECT_EQ(messages.questions + messages.questionTitles, (QStringList{"Delete configuration data?", "Open"}));
    EXPECT_EQ(dialogs.titles.size(), 2) << "no dialog after No";
    messages.answers = {Answer::Yes}, act("BtAc")->trigger();  // dialog cancelled
    EXPECT_EQ(cfg().CihazTipi(2, 3), 5);

    int closed = 0;
    main->closeDeviceWindow = [&] { ++closed; };
    messages.answers = {Answer::Yes}, dialogs.paths = {path("a.dvk")};
    act("BtAc")->trigger();
    EXPECT_EQ((QList<int>{cfg().CihazTipi(2, 3), cfg().CihazTipi(1, 1), closed}), (QList<int>{0, 2, 1}));
    EXPECT_TRUE(line("LCDsatir2") == "Acme" && act("BtSebepSonuc")->isEnabled());
    EXPECT_EQ(dialogs.titles,
              (QStringList{"Open configuration", "Save configuration", "Open configuration", "Open configuration"}));
    EXPECT_EQ(dialogs.filters, QStringList(4, "*.dvk"));
    messages.questions.clear();
    EXPECT_TRUE(main->close() && messages.questions.isEmpty()) << "just opened, nothing to lose";

    // Another file than the one last saved, with devices the tree would not show by type or loop count.
    Config other = exampleConfig(20, 0);
    other.CevrimSayisi = 2, other.CihazTipi(2, 9) = -7;
    ASSERT_TRUE(storage::GirisVerileriniKaydet(other, path("b.dvk")).ok);
    messages = {}, dialogs.paths = {path("b.dvk")};
    act("MnAç")->trigger();
    EXPECT_TRUE(messages.messages.size() == 1 && messages.messages[0].startsWith("3 devices have an unknown type"));
    EXPECT_TRUE(main->close() && messages.questions.isEmpty()) << "just opened, nothing to lose";
}

TEST_F(ShellFileTest, SaveWritesToTheCurrentFileTheCaptionNamesIt)
{
    lintor1 *main = confirmVersion("v2");
    newConfiguration(2);
    const QString caption = QStringLiteral("VAZ Communication Protocol - MCU Version : V2.0 — ");
    auto edit = [&] { app->guarded([&] { cfg().TedarikciAdi += u'x'; }); };
    auto asked = [&] { return dialogs.titles.size(); };
    // Action (none: an edit), file the dialog answers, dialogs asked so far, caption after it.
    const std::tuple<const char *, const char *, qsizetype, const char *> steps[] = {
        {nullptr, nullptr, 0, "Untitled*"}, {"BtKaydet", "a.dvk", 1, "a.dvk"}, {nullptr, nullptr, 1, "a.dvk*"},
        {"MnKaydet", nullptr, 1, "a.dvk"},  {nullptr, nullptr, 1, "a.dvk*"},   {"MnFarkliKaydet", "b.dvk", 2, "b.dvk"},
        {nullptr, nullptr, 2, "b.dvk*"},    {"BtKaydet", nullptr, 2, "b.dvk"},
    };
    for (auto [action, answer, dialogsSoFar, file] : steps) {
        if (answer)
            dialogs.paths = {path(answer)};
        if (action)
            act(action)->trigger();
        else if (asked() > 0)
            edit();
        EXPECT_EQ(std::pair(asked(), main->windowTitle()), std::pair(dialogsSoFar, caption + file));
    }
    EXPECT_EQ(storage::readFileBytes(path("b.dvk")).bytes, storage::configFileBytes(cfg()));

    // Recent files: the last saved first; one gone from disk is shown but cannot be chosen.
    QFile::remove(path("b.dvk"));
    auto *recent = child<QMenu>(main, "MnRecentFiles");
    emit recent->aboutToShow();
    EXPECT_TRUE(child<QAction>(recent, "MnRecent1")->text() == "&1 b.dvk" &&
                !child<QAction>(recent, "MnRecent1")->isEnabled());
    edit(), messages.answers = {Answer::Yes};
    child<QAction>(recent, "MnRecent2")->trigger();
    EXPECT_EQ(std::pair(asked(), main->windowTitle()), std::pair(qsizetype(2), caption + "a.dvk"))
        << "opened without a dialog";
    newConfiguration(2);
    EXPECT_FALSE(main->windowTitle().contains("a.dvk")) << "New has no file";
}

TEST_F(ShellFileTest, StartsWithAFileGiven)
{
    ASSERT_TRUE(writeBytes(path("a.dvk"), storage::configFileBytes(exampleConfig(15))));
    // The version the file shows is offered; another one confirmed gets Open's refusal.
    for (const char *chosen : {"v2", "v15"}) {
        SCOPED_TRACE(chosen);
        messages = {}, app->start(path("a.dvk"));
        EXPECT_TRUE(child<QAbstractButton>(app->versionWindow(), "v15")->isChecked());
        confirmVersion(chosen);
        const bool same = QByteArray(chosen) == "v15";
        EXPECT_EQ((QList<bool>{cfg().TedarikciAdi == "ACME Yangin",
                               messages.messages.value(0).startsWith("This file was written for MCU version V1.5.")}),
                  (QList<bool>{same, !same}));
    }
}

TEST_F(ShellFileTest, PrintReportsTheConfigurationOnScreenOrAChosenFile)
{
    confirmVersion("v15");
    ASSERT_TRUE(writeBytes(path("Okul binası.dvk"), storage::configFileBytes(exampleConfig(15, 0))));

    act("MnPrintFile")->trigger();  // cancelled
    EXPECT_TRUE(output.printed.isEmpty());
    dialogs.paths = {path("none.dvk"), path("Okul binası.dvk")};
    act("MnPrintFile")->trigger();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].contains("\"none.dvk\" cannot be opened")) << messages.messages[0].toStdString();
    act("MnKonfigurasyonuYazdir")->trigger();  // nothing on screen yet: a file is asked for
    ASSERT_TRUE(dialogs.titles.constLast() == "PRINT" && output.printed.size() == 1);
    EXPECT_EQ(output.printed[0].mid(0, 2), (QStringList{"File name: Okul binası.dvk", "Supplier's name: ACME Yangin"}));
    EXPECT_EQ(output.printed[0][4], "Panel fingerprint: " + comm::panelFingerprint(exampleConfig(15, 0))->shown());
    EXPECT_EQ(cfg().TedarikciAdi, "") << "the report prints a file, not the configuration";

    // Opened and changed: the changes are printed, no dialog, a PDF proposed beside the file.
    dialogs.paths = {path("Okul binası.dvk")}, act("MnAç")->trigger();
    cfg().TedarikciAdi = QStringLiteral("Yeni"), act("MnKonfigurasyonuYazdir")->trigger();
    ASSERT_EQ(output.printed.size(), 2);
    EXPECT_EQ(output.printed[1].mid(0, 2), (QStringList{"File name: Okul binası.dvk", "Supplier's name: Yeni"}));
    EXPECT_TRUE(output.pdfName == path("Okul binası.pdf") && dialogs.titles.size() == 4)
        << output.pdfName.toStdString();
}

TEST(FileDialogs, TheNameChosenLastIsProposedWithTheFiltersExtension)
{
    const QStringList got{nameForFilter("/a/site.dvk", "*.pdf"), nameForFilter("/a.b/site", "*.pdf"),
                          nameForFilter("/a/site.PDF", "*.pdf"), nameForFilter("/a/site.pdf", "*.dvk"),
                          nameForFilter("/a/site.dvk", "Excel workbook (*.xlsx)")};
    EXPECT_EQ(got, (QStringList{"/a/site.pdf", "/a.b/site.pdf", "/a/site.PDF", "/a/site.dvk", "/a/site.xlsx"}));
}

TEST_F(ShellFileTest, ScheduleImportShowsWhatItDoesAndIsOneUndoStep)
{
    confirmVersion("v2"), newConfiguration(2), addDevices(cfg(), {{1, 1, 2, 3}, {1, 2, 5, 4}});
    // The template is the header alone; the matrix without rules, the panel outputs.
    dialogs.paths = {path("empty.csv"), path("matrix.csv")};
    act("MnExportEmptySchedule")->trigger(), act("MnExportMatrix")->trigger();
    EXPECT_EQ(fileBytes(path("empty.csv")), "\xEF\xBB\xBF" + storage::scheduleHeader().join(u',').toUtf8() + "\r\n");
    EXPECT_EQ(fileBytes(path("matrix.csv")).count("Panel output"), 7);
    act("MnCihazlar")->trigger();  // the device window open, shown the devices as they are
    const Installation before = cfg();
    auto import = [&](const char *rows) {
        EXPECT_TRUE(writeBytes(path("s.csv"), QByteArray("Loop;Address;Type;Zone\r\n") + rows));
        dialogs.paths = {path("s.csv")};
        act("MnImportSchedule")->trigger();
        auto *preview = app->mainWindow()->findChild<SchedulePreview *>();
        EXPECT_TRUE(preview && preview->isVisible());
        return preview;
    };

    // A problem keeps OK off and can be kept as CSV; Cancel changes nothing.
    SchedulePreview *preview = import("1;1;Photo-elec. smoke det.;3\r\n1;3;Heat det.;49\r\n");
    EXPECT_EQ(child<QListWidget>(preview, "ScheduleProblems")->item(0)->text(), "Row 3, Zone: 49 is above 48");
    EXPECT_FALSE(child(preview, "ScheduleOK")->isEnabled());
    dialogs.paths = {path("problems.csv")}, child<QAbstractButton>(preview, "ScheduleSaveProblems")->click();
    EXPECT_TRUE(fileBytes(path("problems.csv")).contains("3,Zone,49 is above 48"));
    child<QAbstractButton>(preview, "ScheduleCancel")->click(), delete preview;
    EXPECT_TRUE(static_cast<Installation &>(cfg()) == before);

    // OK: one step, and the device window shows the devices the schedule has.
    preview = import("1;1;Photo-elec. smoke det.;3\r\n1;3;Heat det.;5\r\n");
    EXPECT_EQ(child<QLabel>(preview, "ScheduleSummary")->text(), "1 device will be added, 0 changed and 1 removed.");
    const QTreeWidget *rows = child<QTreeWidget>(preview, "ScheduleRows");
    ASSERT_EQ(rows->topLevelItemCount(), 2);
    EXPECT_EQ(rows->topLevelItem(0)->text(0) + rows->topLevelItem(0)->text(2) + rows->topLevelItem(0)->text(4),
              "Remove0024");
    EXPECT_EQ(rows->topLevelItem(1)->text(0) + rows->topLevelItem(1)->text(2) + rows->topLevelItem(1)->text(4),
              "Add0035");
    child<QAbstractButton>(preview, "ScheduleOK")->click(), delete preview;
    EXPECT_EQ(app->mainWindow()->statusBar()->currentMessage(), "1 device added, 0 changed and 1 removed.");
    EXPECT_TRUE(cfg().CihazTipi(1, 3) == 4 && cfg().CihazTipi(1, 2) == 0);
    const QAbstractItemModel *tree = app->loadedDeviceWindow()->tree()->model();
    auto found = [tree](const char *label) {
        return tree->match(tree->index(0, 0), Qt::DisplayRole, label, -1, Qt::MatchExactly | Qt::MatchRecursive).size();
    };
    EXPECT_EQ(found("003"), 1);
    EXPECT_EQ(found("002"), 0);
    EXPECT_EQ(act("MnUndo")->text(), "&Undo Import device schedule");
    act("MnUndo")->trigger();
    EXPECT_TRUE(static_cast<Installation &>(cfg()) == before);
}

TEST(Startup, TheProgramShowsTheVersionWindow)
{
    QProcess p;  // on the offscreen platform, as this program is
    qputenv("VAZ_QUIT_WHEN_SHOWN", "1");
    p.start(QStringLiteral(VAZ_BINARY_DIR "/vazconfig"), {});
    qunsetenv("VAZ_QUIT_WHEN_SHOWN");
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_TRUE(p.exitCode() == 0 && p.readAllStandardOutput().contains("version window shown: yes"));
}

TEST_F(ShellFileTest, CommissioningReportAndCompareWithFile)
{
    confirmVersion("v2");
    act("MnCompareWithFile")->trigger();  // nothing on screen to compare
    ASSERT_EQ(messages.messages.size(), 1);
    ASSERT_TRUE(writeBytes(path("Site.dvk"), storage::configFileBytes(exampleConfig(20, 1))));
    dialogs.paths = {path("Site.dvk")}, act("MnAç")->trigger();

    // As saved: the cover carries the file's SHA-256; changed: that of what a save would write.
    const QString onDisk = QCryptographicHash::hash(fileBytes(path("Site.dvk")), QCryptographicHash::Sha256).toHex();
    act("MnCommissioningReport")->trigger();
    cfg().BolgeNo(1, 1) = 5, act("MnCommissioningReport")->trigger();
    ASSERT_EQ(output.printed.size(), 2);
    EXPECT_EQ(output.printed[0].filter(onDisk).size(), 1);
    // The panel fingerprint the main window shows is the one on the cover.
    const QString shown = child<QLabel>(app->mainWindow(), "LblFingerprint")->text().section(u' ', -2);
    EXPECT_EQ(output.printed[0].filter(shown).size(), 1) << shown.toStdString();
    EXPECT_EQ(output.printed[1].filter(shown).size(), 0);
    // What is open, in words beside the picture; the check's findings behind a link.
    auto *summary = child<QLabel>(app->mainWindow(), "LblSummary");
    EXPECT_TRUE(summary->text().startsWith("File: Site.dvk<br>Panel: Blok Ç, supplier: ACME Yangin<br>5 devices on 4 "
                                           "loops (loop 1: 2, loop 2: 1, loop 3: 1, loop 4: 1)<br>1 cause-effect "
                                           "rule<br>Pre-upload check: <a href=\"#findings\">1 finding</a>"))
        << summary->text().toStdString();
    const qsizetype said = messages.messages.size();
    emit summary->linkActivated(QStringLiteral("#findings"));
    ASSERT_EQ(messages.messages.size(), said + 1);
    EXPECT_EQ(messages.messages.constLast().count(u'\n') + 1, comm::preUploadFindings(cfg()).size());
    EXPECT_EQ(output.printed[1].filter(onDisk).size(), 0);
    EXPECT_EQ(output.printed[1].filter(QStringLiteral("of the bytes a save would write")).size(), 1);
    EXPECT_EQ(output.pdfName, path("Site commissioning.pdf"));

    dialogs.paths = {path("Site.dvk")}, act("MnCompareWithFile")->trigger();
    auto *window = app->mainWindow()->findChild<QWidget *>(QStringLiteral("CompareWithFile"));
    ASSERT_TRUE(window && window->isVisible());
    auto cells = [&](const char *table) {
        auto *t = child<QTableWidget>(window, table);
        QList<QStringList> rows(t->rowCount());
        for (int r = 0; r < t->rowCount(); ++r)
            for (int c = 0; c < t->columnCount(); ++c)
                rows[r] << t->item(r, c)->text();
        return rows;
    };
    EXPECT_EQ(cells("FarkListesi"), (QList<QStringList>{{"Loop 1 address 1", "Zone", "5", "3"}}));
    const QList<QStringList> retest = cells("RetestListesi");
    ASSERT_EQ(retest.size(), 6);  // the rule, the device, the rule's three outputs, one sampled input
    EXPECT_EQ(retest[1],
              (QStringList{"Loop 1 address 001", "Photo-elec. smoke det.", "5", "Hall", "its fields differ"}));
    EXPECT_EQ(retest[5][4], comm::sampleReason());
    child<QAbstractButton>(window, "RetestYazdir")->click();
    ASSERT_EQ(output.documents.size(), 3);
    EXPECT_TRUE(output.printed[2][2].startsWith("[ ]  Cause-effect 1 'Rule1'")) << output.printed[2][2].toStdString();
}

TEST_F(ShellFileTest, WhatIsNoFileIsRefusedAtOnce)
{
    confirmVersion("v2"), newConfiguration(2);
    const HostileFiles hostile(dir.path());
    QStringList targets{hostile.pipe, hostile.folder};
    if (hostile.haveDevices)
        targets << hostile.zero;
    toolSettings()->setValue(QStringLiteral("recentFiles"), targets);
    auto *recent = child<QMenu>(app->mainWindow(), "MnRecentFiles");
    emit recent->aboutToShow();
    const QByteArray before = storage::configFileBytes(cfg());
    // A read that waited on a pipe or a device would hang here.
    for (qsizetype i = 0; i < targets.size(); ++i) {
        const QString why = HostileFiles::kind(targets[i]) == S_IFIFO   ? "it is a pipe"
                            : HostileFiles::kind(targets[i]) == S_IFDIR ? "it is a folder"
                                                                        : "it is a device";
        SCOPED_TRACE(targets[i].toStdString());
        for (const char *command :
             {"MnAç", "MnImportSchedule", "MnCompareWithFile", "MnExportSchedule", "MnFarkliKaydet", "recent"}) {
            messages = {}, messages.answers = {Answer::Yes}, dialogs.paths = {targets[i]};
            if (command == QLatin1String("recent"))
                child<QAction>(recent, QStringLiteral("MnRecent%1").arg(i + 1).toLatin1())->trigger();
            else
                act(command)->trigger();
            ASSERT_EQ(messages.messages.size(), 1) << command;
            EXPECT_TRUE(messages.messages.first().contains(why)) << messages.messages.first().toStdString();
        }
    }
    EXPECT_EQ(storage::configFileBytes(cfg()), before);
    EXPECT_EQ(HostileFiles::kind(hostile.pipe), S_IFIFO);
}

}  // namespace
}  // namespace vaz::test
