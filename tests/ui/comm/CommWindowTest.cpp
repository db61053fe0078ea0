// The communication and port settings windows, driven from the main window,
// against panel-sim on a pseudo-terminal or a scripted line.

#include "ui/comm/KarsilastirmaSonucu.h"
#include "core/comm/PanelLink.h"
#include "core/comm/SerialDevices.h"
#include "core/comm/TransferLog.h"
#include "core/comm/UploadStream.h"
#include "ui/comm/PortAyar.h"
#include "ui/comm/ProgBarIslem.h"
#include "core/storage/ConfigFile.h"

#include "core/comm/CommTestSupport.h"
#include "ui/shell/ShellFixture.h"
#include "support/SimProcess.h"

#include <QFileInfo>
#include <QPointer>
#include <QComboBox>
#include <QSettings>
#include <QTableWidget>
#include <QTimer>

namespace vaz::test {
namespace {

// A panel-sim reached as COM1.
struct Sim : SimProcess {
    explicit Sim(const QStringList &args) : SimProcess(args) { qputenv("VAZ_COM1", link.toLocal8Bit()); }
    ~Sim() { qunsetenv("VAZ_COM1"); }
};

class CommWindowTest : public ShellTest {
protected:
    void SetUp() override { comm::rememberVerifyAfterUpload(verify), ShellTest::SetUp(); }
    // A fresh run of the tool at a version; with rules >= 0 also a configuration in memory.
    void restart(const char *version, int rules = -1)
    {
        ShellTest::SetUp(), messages = {};
        comm::rememberVerifyAfterUpload(verify);
        app->setLinkSetup([this](comm::PanelLink &link) {
            // Short enough for a silent panel, long enough for a busy machine.
            link.setTimeoutInterval(1500);
            if (onLink)
                onLink(link);
        });
        confirmVersion(version);
        if (rules >= 0)
            newConfiguration(4), cfg() = exampleConfig(cfg().McuVersiyon, rules);
    }
    ProgBarIslem *run(const char *command) { return act(command)->trigger(), app->loadedProgressWindow(); }
    QAbstractButton *button(QWidget *w, const char *name) { return child<QAbstractButton>(w, name); }

    std::function<void(comm::PanelLink &)> onLink;
    bool verify = false;  // the port settings' Verify after upload
};

TEST_F(CommWindowTest, UploadThenDownloadAtEveryVersion)
{
    for (const auto &[version, mcu, rules] : {std::tuple{"v12", "12", 0}, {"v15", "15", 0}, {"v2", "20", 30}}) {
        SCOPED_TRACE(version);
        Sim sim({"--mcu", mcu});
        restart(version, rules);
        // The last version with every address in use and locations at full length.
        if (rules)
            cfg() = filledConfig(cfg().McuVersiyon, rules, 1);
        const Config sent = cfg();
        const QString fingerprint = comm::panelFingerprint(sent)->shortForm();
        comm::rememberVerifyAfterUpload(true);
        ProgBarIslem *w = run("BtGonder");
        EXPECT_TRUE(w->statusText() == "Panel verified: fingerprint " + fingerprint && !app->mainWindow()->isVisible())
            << w->statusText().toStdString();
        button(w, "GonderimOK")->click();
        EXPECT_TRUE(app->mainWindow()->isVisible());

        restart(version);
        int closes = 0;
        app->mainWindow()->closeDeviceWindow = [&] { ++closes; };
        w = run("MnPaneldenAlma");
        EXPECT_EQ(w->statusText(), "Receiving Data Completed");
        button(w, "GonderimOK")->click();
        expectCarriedEqual(sent, cfg());
        EXPECT_EQ(comm::panelFingerprint(cfg())->shortForm(), fingerprint);
        EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join('\n').toStdString();
        EXPECT_TRUE(cfg().CevrimSayisi == 4 && closes == 1 && act("BtKaydet")->isEnabled());
        EXPECT_TRUE(act("MnKarsilastir")->isEnabled() && app->saveBaseline().unsaved(cfg()))
            << "compare is available as Upload is; the download is not saved yet";
        if (!rules)
            continue;

        // The simulator ends cleanly, has traced the line, and what it kept starts another panel.
        sim.process.terminate();
        ASSERT_TRUE(sim.process.waitForFinished(5000));
        EXPECT_TRUE(sim.process.exitStatus() == QProcess::NormalExit && sim.process.exitCode() == 0);
        EXPECT_FALSE(QFileInfo::exists(sim.link));
        EXPECT_TRUE(fileBytes(sim.trace).split('\n').value(0).contains("tool>panel 53 S"));
        Sim second({"--mcu", mcu, "--loops", "2", "--load", sim.saved});
        restart(version), button(run("MnPaneldenAlma"), "GonderimOK")->click();
        expectCarriedEqual(sent, cfg());
        EXPECT_EQ(cfg().CevrimSayisi, 2);
    }
}

TEST_F(CommWindowTest, MissingPort)
{
    qputenv("VAZ_COM1", "/nonexistent/ttyUSB9"), restart("v15", 0), button(run("BtGonder"), "GonderimOK")->click();
    // The variable, not the window, names the device.
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].startsWith("Cannot open port COM1 (/nonexistent/ttyUSB9): ") &&
                messages.messages[0].contains("unset it") && app->mainWindow()->isVisible());
    qunsetenv("VAZ_COM1");
}

TEST_F(CommWindowTest, StopLeavesTheConfigurationAsItWas)
{
    // Upload: the Stop button. Download: closing by the frame, No first, then Yes.
    for (const auto &[command, byFrame] : {std::pair{"BtGonder", false}, {"BtAl", true}}) {
        Sim sim({});
        restart("v2", 3);
        app->saveBaseline().mark(cfg());  // as if just saved: nothing to ask before the download
        const Config before = cfg();
        messages.answers = {Answer::No, Answer::Yes};
        onLink = [&, byFrame = byFrame](comm::PanelLink &link) {
            QObject::connect(&link, &comm::PanelLink::progressChanged, [&, byFrame](int v) {
                if (v == 50 || v == 200)
                    byFrame ? (void)app->loadedProgressWindow()->close()
                            : button(app->loadedProgressWindow(), "GonderimDur")->click();
            });
        };
        ProgBarIslem *w = run(command);
        onLink = nullptr;
        EXPECT_EQ(w->statusText(), "Transfer stopped");
        EXPECT_TRUE(button(w, "GonderimOK")->isEnabled() && !button(w, "GonderimDur")->isEnabled() && cfg() == before);
        EXPECT_EQ(messages.questions, QStringList(byFrame ? 2 : 0, "Stop the transfer?"));
        button(w, "GonderimOK")->click();
    }
}

TEST_F(CommWindowTest, PortSettings)
{
    FakePort *line = nullptr;
    sim::PanelSim panel(15, 4);
    bool fail = false;
    app->setPortFactory([&] {
        auto port = attached(panel);
        line = port.get(), port->failure = fail ? comm::BytePort::OpenError::NotFound : comm::BytePort::OpenError::None;
        return port;
    });
    confirmVersion("v15"), newConfiguration(2);
    // Options, an option, then OK, Cancel or (none) the frame: the port chosen after.
    auto choose = [&](const char *option, const char *close) {
        act("MnSeçenekler")->trigger();
        PortAyar *w = app->loadedPortSettings();
        EXPECT_FALSE(act("BtGonder")->isEnabled() || act("MnPaneldenAlma")->isEnabled());
        if (option)
            button(w, option)->click();
        close ? button(w, close)->click() : (void)w->close();
        return app->selectedPort();
    };
    EXPECT_EQ((QList<int>{choose(nullptr, "OptComTamam"), choose("OptCom4", "OptComTamam"),
                          choose("OptCom2", "OptComIptal"), choose("OptCom3", nullptr)}),
              (QList<int>{1, 4, 4, 4}));
    EXPECT_TRUE(act("BtGonder")->isEnabled() && act("BtAl")->isEnabled());

    button(run("BtGonder"), "GonderimOK")->click();
    EXPECT_EQ(std::pair(line->opens, line->number), std::pair(1, 4));

    // A port that will not open: said at opening and at OK; the window stays until Cancel.
    fail = true, act("MnSeçenekler")->trigger();
    button(app->loadedPortSettings(), "OptComTamam")->click();
    EXPECT_TRUE(messages.messages.size() == 2 &&
                messages.messages.constLast().startsWith("Cannot open port COM4 (/dev/fake4)"));
    button(app->loadedPortSettings(), "OptComIptal")->click();
    EXPECT_TRUE(act("BtGonder")->isEnabled());
}

TEST_F(CommWindowTest, BreakOffSaysWhereItStoppedAndARetrySucceeds)
{
    const char *kUnchanged = "The configuration in the tool is unchanged.";
    // The command; unplugged, or else the panel falls silent; what the message holds and ends with; the status,
    // which a retry's lacks " Not".
    const std::tuple<const char *, bool, const char *, const char *, const char *> cases[] = {
        {"BtGonder", false,
         "No answer from the panel for 1.5 s while sending Loop 1 address 122 (field 1,214 of 5,101).",
         "upload again before leaving the site.", "Sending Not Completed"},
        {"BtGonder", true, "was disconnected while sending Loop 1 address 051 (field 501 of 5,101). The panel may now",
         "check its device under File > Options.", "Sending Not Completed"},
        {"MnPaneldenAlma", false, "No answer from the panel for 1.5 s while receiving Loop 2 address 071", kUnchanged,
         "Receiving Data Not Completed"},
        {"MnPaneldenAlma", true, "was disconnected while receiving Loop 1 address 101, Zone (field 101). The config",
         "File > Options.", "Receiving Data Not Completed"},
        {"MnKarsilastir", false, "(field 1,214). The comparison did not finish", "the tool is unchanged.",
         "Comparison Not Completed"},
        {"MnKarsilastir", true, "was disconnected while receiving", "File > Options.", "Comparison Not Completed"},
    };
    for (const auto &[command, unplug, says, endsWith, status] : cases) {
        SCOPED_TRACE(std::string(command) + (unplug ? " unplugged" : " silent"));
        auto sim = std::make_unique<Sim>(unplug ? QStringList{} : QStringList{"--silent-after", "1213"});
        restart("v2", 2), app->saveBaseline().mark(cfg());
        const Config before = cfg();
        onLink = [&](comm::PanelLink &link) {
            link.setIdleBound(1500);
            if (unplug)
                QObject::connect(&link, &comm::PanelLink::progressChanged, [&](int v) {
                    if (v == 100)
                        sim->process.kill();
                });
        };
        ProgBarIslem *w = run(command);
        const QString said = messages.messages.join('|');
        EXPECT_TRUE(said.contains(says) && said.endsWith(endsWith) && !said.contains('|')) << said.toStdString();
        EXPECT_EQ(w->statusText(), status);
        EXPECT_TRUE(std::string(command) == "BtGonder" || cfg() == before);
        button(w, "GonderimOK")->click();

        // A completed comparison closes its progress window as its result shows: the status is caught on the way.
        QString last;
        onLink = [&](comm::PanelLink &link) {
            QObject::connect(&link, &comm::PanelLink::statusChanged,
                             [&] { last = app->loadedProgressWindow()->statusText(); });
        };
        sim.reset(), sim = std::make_unique<Sim>(QStringList{});  // the old one unsets VAZ_COM1 as it goes
        const QPointer<ProgBarIslem> retried = run(command);
        EXPECT_EQ(last, QString(status).remove(" Not"));
        ASSERT_EQ(retried && retried->isVisible(), std::string(command) != "MnKarsilastir");
        if (retried && retried->isVisible())
            button(retried, "GonderimOK")->click();
        onLink = nullptr;
    }
}

TEST_F(CommWindowTest, VerifyAfterUploadShowsWhatThePanelHoldsOtherwise)
{
    // Simulator options; the status (none: verified); what the read-back window lists; the message.
    const std::tuple<QStringList, const char *, QStringList, const char *> cases[] = {
        {{}, nullptr, {}, nullptr},
        {{"--store-different", "1.1"},
         "The panel does not hold what was sent",
         {"Loop 1 address 1", "Location", " Hall ", " Hall ?"},
         nullptr},
        // Silent from the read-back's handshake on: 5080 record fields, 8 settings and 9 rule fields acknowledged.
        {{"--silent-after", "5097"},
         "The verification did not finish; the upload itself completed.",
         {},
         "No answer from the panel for 1.5 s at the start of the verification. The upload itself completed, but the "
         "panel was not verified."},
    };
    for (const auto &[options, status, row, said] : cases) {
        Sim sim(options);
        verify = true, restart("v2", 1);
        const QString fingerprint = comm::panelFingerprint(cfg())->hex();
        QStringList phases;  // as the caption names them
        onLink = [&](comm::PanelLink &link) {
            QObject::connect(&link, &comm::PanelLink::statusChanged, [&] {
                if (const QString s = app->loadedProgressWindow()->windowTitle(); phases.value(phases.size() - 1) != s)
                    phases << s;
            });
        };
        ProgBarIslem *w = run("BtGonder");
        EXPECT_EQ(phases, (QStringList{"Sending...", "Verifying..."}));
        EXPECT_EQ(w->statusText(),
                  status ? status : "Panel verified: fingerprint " + comm::shortFingerprint(fingerprint));
        EXPECT_EQ(messages.messages, said ? QStringList{said} : QStringList{});
        auto *result = app->mainWindow()->findChild<KarsilastirmaSonucu *>();
        auto *table = result ? child<QTableWidget>(result, "FarkListesi") : nullptr;
        ASSERT_EQ(table && result->isVisible(), !row.isEmpty());
        if (table) {
            QStringList cells;
            for (int c = 0; c < 4; ++c)
                cells << table->item(0, c)->text();
            EXPECT_TRUE(cells == row && table->rowCount() == 1) << cells.join('|').toStdString();
        }
        button(w, "GonderimOK")->click();

        // Two lines in the log, the read-back's with what the user was told.
        QStringList logged;
        for (const comm::TransferRecord &r : comm::readTransferLog(app->transferLog().path()))
            if (r.device == sim.link && r.fingerprint == fingerprint)
                logged << r.command + ' ' + comm::resultKey(r.result) + ' ' + r.reason;
        const QString read = !status ? "verified " : said ? QString("failed ") + said : "differs ";
        EXPECT_EQ(logged, (QStringList{"upload completed ", "verify " + read}));
        if (!status) {  // the cover names the verified upload
            act("MnCommissioningReport")->trigger();
            EXPECT_EQ(output.printed.constLast().filter(" from " + sim.link).size(), 1);
        }
    }
    onLink = nullptr;
    // Turned off in the port settings: the upload alone, and the choice is kept.
    act("MnSeçenekler")->trigger();
    auto *box = child<QAbstractButton>(app->loadedPortSettings(), "VerifyAfterUpload");
    EXPECT_TRUE(box->isChecked());
    box->click(), button(app->loadedPortSettings(), "OptComTamam")->click();
    Sim sim({});
    EXPECT_EQ(run("BtGonder")->statusText(), "Sending Completed");
    EXPECT_FALSE(comm::verifyAfterUpload());
}

struct FakeLister : comm::PortLister {
    QList<comm::SerialDevice> devices() const override { return list; }
    QList<comm::SerialDevice> list;
};

TEST_F(CommWindowTest, DeviceOfEachPortIsChosenFromThosePresentAndRemembered)
{
    QTemporaryDir home;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    const comm::SerialDevice builtIn{"/dev/ttyS0", {}, {}, {}, -1, -1},
        adapter{"/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI_X-port0", "USB Serial", "FTDI", 0x0403, 0x6001},
        modem{"/dev/ttyACM0", {}, "CDC", {}, 0x2341, 0x43};
    FakeLister lister;
    lister.list = {builtIn, adapter};
    auto open = [&] {
        restart("v15"), app->setPortLister(&lister);
        app->setPortFactory([] { return std::make_unique<FakePort>(); }), act("MnSeçenekler")->trigger();
        return app->loadedPortSettings();
    };
    auto items = [](PortAyar *w) {
        QStringList l;
        auto *box = child<QComboBox>(w, "ComboCihaz");
        for (int i = 0; i < box->count(); ++i)
            l << (i == box->currentIndex() ? "*" : "") + box->itemText(i);
        return l;
    };
    PortAyar *w = open();
    EXPECT_TRUE(child<QTimer>(w, "DeviceRefresh")->isActive());
    EXPECT_EQ(items(w), (QStringList{"*/dev/ttyS0",
                                     "/dev/serial/by-id/usb-FTDI_X-port0 (ttyUSB0; USB Serial; FTDI; USB 0403:6001)",
                                     "Other device..."}));
    EXPECT_EQ(comm::rememberedDevice(1), "") << "showing the list chooses nothing";
    child<QComboBox>(w, "ComboCihaz")->activated(1), button(w, "OptComTamam")->click();
    // A later run starts at COM1 again, which still stands for the adapter; unplugged, it says so.
    w = open();
    EXPECT_EQ(app->selectedPort(), 0);
    lister.list = {builtIn}, w->refreshDevices();
    EXPECT_EQ(items(w),
              (QStringList{"/dev/ttyS0", "*/dev/serial/by-id/usb-FTDI_X-port0 (not connected)", "Other device..."}));
    // A device plugged in appears; one typed by hand is taken for COM2; Cancel forgets both.
    lister.list << modem, w->refreshDevices();
    EXPECT_EQ(items(w).size(), 4);
    // Another device starts at the port's own, not at the configuration file chosen last.
    button(w, "OptCom2")->click(), dialogs.paths = {"/dev/ttyS7"};
    child<QComboBox>(w, "ComboCihaz")->activated(3);
    EXPECT_EQ(comm::portDevice(2), "/dev/ttyS7");
    EXPECT_EQ(dialogs.devicesOffered, QStringList{"/dev/ttyS1"});
    button(w, "OptComIptal")->click();
    EXPECT_EQ((QStringList{comm::portDevice(1), comm::portDevice(2)}), (QStringList{adapter.stableName, "/dev/ttyS1"}));

    // The environment wins and the window says so.
    qputenv("VAZ_COM1", "/tmp/elsewhere"), w = open();
    EXPECT_TRUE(!child<QComboBox>(w, "ComboCihaz")->isEnabled() &&
                child<QLabel>(w, "LabelCihaz")->text().startsWith("VAZ_COM1 is set: COM1 is /tmp/elsewhere"));
    qunsetenv("VAZ_COM1"), button(w, "OptComTamam")->click();
}

TEST_F(CommWindowTest, DownloadOffersToSaveUnsavedWorkFirst)
{
    // The panel has two loops, so the example's devices on loops 3 and 4 are beyond its count.
    sim::PanelSim panel(20, 2);
    Config inPanel = exampleConfig(20, 1);
    inPanel.CihazTipi(1, 5) = 77, panel.memory() = sim::memoryFromConfig(inPanel), restart("v2", 0);
    app->setPortFactory([&] { return attached(panel); });
    const Config mine = cfg();
    QTemporaryDir dir;
    // Cancel, and Yes with the save dialog cancelled: nothing happens.
    messages.answers = {Answer::Cancel, Answer::Yes, Answer::Yes};
    EXPECT_TRUE(run("BtAl") == nullptr && run("BtAl") == nullptr && cfg() == mine);
    dialogs.paths = {dir.filePath("mine.dvk")};
    button(run("BtAl"), "GonderimOK")->click();
    EXPECT_TRUE(fileBytes(dir.filePath("mine.dvk")) == storage::configFileBytes(mine) && cfg().CihazTipi(1, 5) == 77);
    EXPECT_EQ(messages.messages, QStringList{"3 devices have an unknown type or lie on a loop beyond the loop count. "
                                             "The device window shows them; they are saved and uploaded unless you "
                                             "delete them."});
    // The download itself is unsaved: No replaces it without a file.
    messages.answers = {Answer::No};
    button(run("MnPaneldenAlma"), "GonderimOK")->click();
    EXPECT_EQ(messages.questions + messages.questionTitles,
              QStringList(4, "Save configuration?") + QStringList(4, "Download"));
    EXPECT_EQ(dialogs.titles.size(), 2);
}

TEST_F(CommWindowTest, UploadAsksFirstWhenTheCheckFindsSomething)
{
    sim::PanelSim panel(20, 4);
    int lines = 0;
    restart("v2", 1), cfg() = cleanExample(20, 1), app->setPortFactory([&] { return ++lines, attached(panel); });
    // A clean configuration goes without a question; then Cancel, then Upload anyway.
    button(run("BtGonder"), "GonderimOK")->click();
    cfg().BolgeNo(4, 127) = 0, messages.proceedAnswers = {false, true};
    act("BtGonder")->trigger();
    EXPECT_TRUE(lines == 1 && app->mainWindow()->isVisible() && app->mainWindow()->GonderimModu == 0)
        << "Cancel sends nothing";
    button(run("BtGonder"), "GonderimOK")->click();
    EXPECT_TRUE(lines == 2 && panel.memory().records == sim::memoryFromConfig(cfg()).records);
    EXPECT_EQ(messages.reasonLists, (QList<QStringList>(2, {"Loop 4 address 127: has no zone"})));
}

TEST_F(CommWindowTest, CompareWithPanel)
{
    Sim sim({});
    restart("v2", 2), button(run("BtGonder"), "GonderimOK")->click();
    // A completed comparison leaves its result to dismiss, not the progress window as well.
    auto compare = [&](bool completes = true) {
        const QPointer<ProgBarIslem> w = run("MnKarsilastir");
        EXPECT_EQ(w && w->isVisible(), !completes);
        if (w && w->isVisible())
            button(w, "GonderimOK")->click();
        return app->comparisonWindow();
    };
    KarsilastirmaSonucu *result = compare();
    EXPECT_TRUE(result->isVisible() && app->mainWindow()->isVisible() &&
                child<QLabel>(result, "KarsilastirmaOzeti")->text() == "The panel holds this configuration.");

    cfg().BolgeNo(4, 127) = 12, cfg().MahalText(1, 1) = "Lobby", cfg().SScikislar(2) = "5,1.:";
    const Config before = cfg();
    QTableWidget *rows = child<QTableWidget>(compare(), "FarkListesi");
    QStringList found;
    for (int r = 0; r < rows->rowCount(); ++r)
        found << rows->item(r, 0)->text() + " / " + rows->item(r, 1)->text();
    // Sorted as an installer counts, and kept as CSV.
    EXPECT_EQ(found,
              (QStringList{"Cause-effect 2 / Outputs", "Loop 1 address 1 / Location", "Loop 4 address 127 / Zone"}));
    EXPECT_TRUE(cfg() == before);
    QTemporaryDir dir;
    dialogs.paths = {dir.filePath("diff.csv")};
    button(result, "FarkKaydet")->click();
    EXPECT_EQ(fileBytes(dir.filePath("diff.csv")).count("\r\n"), 4);

    // A silent panel: the message, no result (not even the last one), nothing changed.
    Sim silent({"--silent-after", "0"});
    onLink = [](comm::PanelLink &link) { link.setIdleBound(1500); };
    messages = {};
    compare(false);
    EXPECT_TRUE(messages.messages.size() == 1 && !result->isVisible() && cfg() == before);
}

}  // namespace
}  // namespace vaz::test
