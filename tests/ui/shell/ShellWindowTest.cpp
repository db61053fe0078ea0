#include "ui/shell/ShellFixture.h"

#include "ui/panel/Fpanelverileri.h"

namespace vaz::test {
namespace {

TEST_F(ShellTest, VersionWindowAndMainWindowAtLoad)
{
    int quit = 0;
    QObject::connect(app.get(), &App::quitRequested, [&] { ++quit; });
    mcuV *v = app->versionWindow();
    auto checked = [&] {
        return QList<bool>{child<QAbstractButton>(v, "V_ok")->isEnabled(),
                           child<QAbstractButton>(v, "v12")->isChecked(), child<QAbstractButton>(v, "v15")->isChecked(),
                           child<QAbstractButton>(v, "v2")->isChecked()};
    };
    EXPECT_TRUE(v->isVisible());
    EXPECT_EQ(checked(), QList<bool>(4, false));
    EXPECT_EQ(app->loadedMainWindow(), nullptr) << "the main window waits for a version";
    lintor1 *main = confirmVersion("v2");
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(cfg().McuVersiyon == 20 && !v->isVisible() && main->isVisible());
    EXPECT_EQ(main->windowTitle(), "VAZ Communication Protocol - MCU Version : V2.0");

    for (const char *on : {"MnDosya", "MnYeni", "MnAç", "MnSeçenekler", "version", "MnKonfigurasyonuYazdir", "MnÇikis",
                           "MnHaberlesme", "MnPaneldenAlma", "MnPanelVerisi", "MnCihazlar", "MnYardim", "MnAltYardim",
                           "MnHakkinda", "BtYeni", "BtAc", "BtAl", "BtYardim"})
        EXPECT_TRUE(act(on)->isEnabled()) << on;
    for (const char *off :
         {"MnKaydet", "MnFarkliKaydet", "MnKonfigurasyonuGoster", "MnKonfigüreEt", "MnPaneleGonder", "MnSebepSonuc",
          "MnTekrarlayicilar", "BtKaydet", "BtGonder", "BtPanelKonfig", "BtCihazKonfig", "BtSebepSonuc", "BtNetwork"})
        EXPECT_FALSE(act(off)->isEnabled()) << off;
    EXPECT_TRUE(line("LCDsatir1").isEmpty() && !child(main, "Devrede")->isVisible());
    act("MnHakkinda")->trigger();
    ASSERT_EQ(messages.messages.size(), 1);
    const QStringList about = messages.messages.first().split('\n');
    EXPECT_EQ(about.first(), "PC Version : " + kToolVersion);
    EXPECT_TRUE(about.contains(QStringLiteral("Qt ") + qVersion()) && about.contains(kToolLicence))
        << about.join('|').toStdString();
    EXPECT_EQ(messages.aboutTitles, QStringList{"About VAZ Configuration"});

    // Closed without a choice once the run is under way: it goes on with no version.
    newConfiguration(2), act("version")->trigger();
    EXPECT_EQ(cfg().McuVersiyon, 0);
    EXPECT_EQ(checked(), QList<bool>(4, false));
    v->close();
    // Chosen again: the main window stays as it is.
    act("version")->trigger(), child<QAbstractButton>(v, "v15")->click();
    cfg().McuVersiyon = 14;  // never chosen here, but stands for V1.2 as well
    child<QAbstractButton>(v, "V_ok")->click();
    EXPECT_EQ(main->windowTitle(), "VAZ Communication Protocol - MCU Version : V1.2 — Untitled*");
    EXPECT_TRUE(app->loadedMainWindow() == main && act("BtKaydet")->isEnabled() && quit == 0) << "not loaded again";

    // Closed at the start, it ends the run.
    App fresh;
    QObject::connect(&fresh, &App::quitRequested, [&] { ++quit; });
    fresh.start();
    fresh.versionWindow()->close();
    EXPECT_TRUE(quit == 1 && fresh.loadedMainWindow() == nullptr);
}

TEST_F(ShellTest, NewConfiguration)
{
    confirmVersion(), newConfiguration(4);
    EXPECT_TRUE(messages.questions.isEmpty() && app->newConfigWindow() == nullptr && cfg().CevrimSayisi == 4);
    for (const char *a : {"MnFarkliKaydet", "MnKaydet", "MnKonfigurasyonuGoster", "MnKonfigüreEt", "MnPaneleGonder",
                          "BtKaydet", "BtGonder", "BtPanelKonfig", "BtCihazKonfig", "BtNetwork"})
        EXPECT_TRUE(act(a)->isEnabled()) << a;
    EXPECT_TRUE(!act("BtSebepSonuc")->isEnabled() && child(app->mainWindow(), "Devrede")->isVisible());
    EXPECT_EQ(line("LCDsatir1"), "Status - Normal         Access level 1");

    addDevices(cfg(), {{3, 127, 1, 7}, {4, 127, 1, 7}});
    cfg().MahalText(3, 127) = QStringLiteral("Hall"), cfg().GecikmeIptal(3, 127) = 64, app->branchesBuilt() = 3;
    int closed = 0;
    app->mainWindow()->closeDeviceWindow = [&] { ++closed; };

    // 4 to 2: asked; No keeps the window open and everything as it was.
    messages.answers = {Answer::No};
    newConfiguration(2);
    EXPECT_EQ(messages.questions + messages.questionTitles, (QStringList{"Delete configuration data?", "Exit"}));
    ASSERT_NE(app->newConfigWindow(), nullptr);
    EXPECT_EQ(cfg().CevrimSayisi, 4);
    messages.answers = {Answer::Yes};
    child<QAction>(app->newConfigWindow(), "BtCevSayOnay")->trigger();
    // Only type, zone and location go.
    EXPECT_EQ(cfg().CevrimSayisi, 2);
    EXPECT_EQ(cfg().device(3, 127), (Installation::Device{0, 0, {}, 64, 0, 0, 0, 0}));
    EXPECT_TRUE(app->branchesBuilt() < 3 && closed == 1 && cfg().CihazTipi(4, 127) == 1)
        << "loop 4's branch was never built";

    // 2 to 4: nothing asked, nothing cleared, even on a built loop.
    messages.questions.clear(), app->branchesBuilt() = 4, newConfiguration(4);
    EXPECT_TRUE(messages.questions.isEmpty() && cfg().CihazTipi(4, 127) == 1 && app->branchesBuilt() == 4);

    // Cancel and the frame's close leave everything.
    act("MnYeni")->trigger();
    child<QAbstractButton>(app->newConfigWindow(), "CevSec2")->click();
    child<QAction>(app->newConfigWindow(), "BtCevSayIptal")->trigger();
    act("MnYeni")->trigger(), app->newConfigWindow()->close();
    EXPECT_TRUE(app->newConfigWindow() == nullptr && cfg().CevrimSayisi == 4);

    // Confirmed without a choice: asked, then no loop count.
    messages.answers = {Answer::Yes};
    newConfiguration(0);
    EXPECT_TRUE(cfg().CevrimSayisi == 0 && act("BtPanelKonfig")->isEnabled());
    EXPECT_EQ(cfg().CihazTipi(4, 127), 0) << "a built loop 4 is cleared";

    // Once the oldest steps are dropped the Edit menu says how far undo goes, until the next New.
    for (std::size_t n = 0; n <= History::kMaxSteps; ++n)
        cfg().PanelAdi = n % 2 ? QStringLiteral("A") : QStringLiteral("B"), app->recordStep();
    QAction *limit = act("MnUndoLimit");
    EXPECT_TRUE(limit->isVisible() && !limit->isEnabled());
    EXPECT_EQ(limit->text(), "Oldest steps dropped: undo goes back 500 steps");
    newConfiguration(2);
    EXPECT_FALSE(limit->isVisible());
}

TEST_F(ShellTest, CompletenessChecksAskForTheLoopCountFirst)
{
    lintor1 *main = confirmVersion();
    for (int loops : {-1, 0, 4}) {  // -1: cancelled
        act("MnPanelVerisi")->trigger();
        ASSERT_NE(app->newConfigWindow(), nullptr);
        if (loops > 0)
            child<QAbstractButton>(app->newConfigWindow(), "CevSec4")->click();
        child<QAction>(app->newConfigWindow(), loops < 0 ? "BtCevSayIptal" : "BtCevSayOnay")->trigger();
        EXPECT_EQ(app->panelWindow()->isVisible(), loops > 0) << loops;
        EXPECT_EQ(main->isVisible(), loops <= 0) << loops;
    }
    EXPECT_EQ(messages.messages, QStringList(QList<QString>(3, "Number of loops")));
    child<QAction>(app->panelWindow(), "BtIptal")->trigger();
    EXPECT_TRUE(main->isVisible());

    // With a loop count: straight in, no message.
    act("BtPanelKonfig")->trigger();
    EXPECT_TRUE(app->panelWindow()->isVisible() && messages.messages.size() == 3);
}

}  // namespace
}  // namespace vaz::test
