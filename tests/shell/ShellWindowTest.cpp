#include "ShellFixture.h"

#include "panel/Fpanelverileri.h"


namespace vaz::test {
namespace {

const char *const kConfigItems[] = {"MnFarkliKaydet", "MnKaydet", "MnKonfigurasyonuGoster", "MnKonfigüreEt",
                                    "MnPaneleGonder"};
const char *const kFiveButtons[] = {"BtKaydet", "BtGonder", "BtPanelKonfig", "BtCihazKonfig", "BtNetwork"};

TEST_F(ShellTest, VersionWindowAndMainWindowAtLoad)
{
    mcuV *v = app->versionWindow();
    auto *ok = child<QAbstractButton>(v, "V_ok");
    EXPECT_TRUE(v->isVisible());
    EXPECT_FALSE(ok->isEnabled());
    for (const char *o : {"v12", "v15", "v2"})
        EXPECT_FALSE(child<QAbstractButton>(v, o)->isChecked());
    EXPECT_EQ(app->loadedMainWindow(), nullptr) << "the main window waits for a version";

    child<QAbstractButton>(v, "v2")->click();
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(cfg().McuVersiyon, 20);
    ok->click();
    lintor1 *main = app->loadedMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(v->isVisible());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->windowTitle(), "VAZ Communication Protocol - MCU Version : V2.0");

    for (const char *on : {"MnDosya", "MnYeni", "MnAç", "MnSeçenekler", "version", "MnKonfigurasyonuYazdir",
                           "MnÇikis", "MnHaberlesme", "MnPaneldenAlma", "MnPanelVerisi", "MnCihazlar", "MnYardim",
                           "MnAltYardim", "MnHakkinda", "BtYeni", "BtAc", "BtAl", "BtYardim"})
        EXPECT_TRUE(act(on)->isEnabled()) << on;
    for (const char *off : {"MnKaydet", "MnFarkliKaydet", "MnKonfigurasyonuGoster", "MnKonfigüreEt", "MnPaneleGonder",
                            "MnSebepSonuc", "MnTekrarlayicilar", "BtKaydet", "BtGonder", "BtPanelKonfig",
                            "BtCihazKonfig", "BtSebepSonuc", "BtNetwork"})
        EXPECT_FALSE(act(off)->isEnabled()) << off;
    EXPECT_EQ(act("MnFarkliKaydet")->text(), QString::fromUtf8("&Save as…"));
    EXPECT_EQ(act("MnHakkinda")->text(), "&About...");
    EXPECT_TRUE(act("MnKesme3")->isSeparator());
    EXPECT_EQ(act("BtCihazKonfig")->toolTip(), "Configure devices");
    EXPECT_EQ(line("LCDsatir1"), "");
    EXPECT_FALSE(child(main, "Devrede")->isVisible());

    act("MnHakkinda")->trigger();
    EXPECT_EQ(messages.messages, QStringList{"PC Version : V2.01"});
}

TEST_F(ShellTest, VersionWindowReopensAndKeepsTheMainWindow)
{
    lintor1 *main = confirmVersion("v12");
    newConfiguration(2);
    act("version")->trigger();
    mcuV *v = app->versionWindow();
    EXPECT_EQ(cfg().McuVersiyon, 0);
    EXPECT_TRUE(v->isVisible());
    EXPECT_FALSE(child<QAbstractButton>(v, "V_ok")->isEnabled());
    EXPECT_FALSE(child<QAbstractButton>(v, "v12")->isChecked());

    child<QAbstractButton>(v, "v15")->click();
    cfg().McuVersiyon = 14;  // never chosen here, but stands for V1.2 as well
    child<QAbstractButton>(v, "V_ok")->click();
    EXPECT_EQ(app->loadedMainWindow(), main);
    EXPECT_EQ(main->windowTitle(), "VAZ Communication Protocol - MCU Version : V1.2");
    EXPECT_TRUE(act("BtKaydet")->isEnabled()) << "not loaded again";

    // Closed without a choice now: the run goes on with no version.
    int quit = 0;
    QObject::connect(app.get(), &App::quitRequested, [&] { ++quit; });
    act("version")->trigger();
    v->close();
    EXPECT_EQ(cfg().McuVersiyon, 0);
    EXPECT_EQ(quit, 0);
}

TEST_F(ShellTest, ClosingTheVersionWindowAtStartEndsTheRun)
{
    int quit = 0;
    QObject::connect(app.get(), &App::quitRequested, [&] { ++quit; });
    app->versionWindow()->close();
    EXPECT_EQ(quit, 1);
    EXPECT_EQ(app->loadedMainWindow(), nullptr);
}

TEST_F(ShellTest, NewConfiguration)
{
    confirmVersion();
    newConfiguration(4);
    EXPECT_TRUE(messages.questions.isEmpty());
    EXPECT_EQ(cfg().CevrimSayisi, 4);
    EXPECT_EQ(app->newConfigWindow(), nullptr);
    for (const char *a : kConfigItems)
        EXPECT_TRUE(act(a)->isEnabled()) << a;
    for (const char *a : kFiveButtons)
        EXPECT_TRUE(act(a)->isEnabled()) << a;
    EXPECT_FALSE(act("BtSebepSonuc")->isEnabled());
    EXPECT_EQ(line("LCDsatir1"), "Status - Normal         Access level 1");
    EXPECT_TRUE(child(app->mainWindow(), "Devrede")->isVisible());

    for (int loop : {3, 4}) {
        cfg().CihazTipi(loop, 9) = 1;
        cfg().BolgeNo(loop, 9) = 2;
    }
    cfg().Cevrim3Eklendi = 1;
    int closed = 0;
    app->mainWindow()->closeDeviceWindow = [&] { ++closed; };

    // 4 to 2: asked; No keeps the window open and everything as it was.
    messages.answers = {Answer::No};
    newConfiguration(2);
    EXPECT_EQ(messages.questions, QStringList{"Delete configuration data?"});
    EXPECT_EQ(messages.questionTitles, QStringList{"Exit"});
    ASSERT_NE(app->newConfigWindow(), nullptr);
    EXPECT_EQ(cfg().CevrimSayisi, 4);
    messages.answers = {Answer::Yes};
    child<QAction>(app->newConfigWindow(), "BtCevSayOnay")->trigger();
    EXPECT_EQ(cfg().CevrimSayisi, 2);
    EXPECT_EQ(cfg().CihazTipi(3, 9), 0);
    EXPECT_EQ(cfg().CihazTipi(4, 9), 1) << "its branch was never built";
    EXPECT_EQ(closed, 1);

    // 2 to 4: nothing asked, nothing cleared.
    messages.questions.clear();
    newConfiguration(4);
    EXPECT_TRUE(messages.questions.isEmpty());
    EXPECT_EQ(cfg().CihazTipi(4, 9), 1);

    // Cancel and the frame's close leave everything.
    cfg().AdresTablosuHazir = 1;
    act("MnYeni")->trigger();
    child<QAbstractButton>(app->newConfigWindow(), "CevSec2")->click();
    child<QAction>(app->newConfigWindow(), "BtCevSayIptal")->trigger();
    EXPECT_EQ(cfg().CevrimSayisi, 4);
    EXPECT_EQ(cfg().AdresTablosuHazir, 0);
    act("MnYeni")->trigger();
    app->newConfigWindow()->close();
    EXPECT_EQ(app->newConfigWindow(), nullptr);
    EXPECT_EQ(cfg().CevrimSayisi, 4);

    // Confirmed without a choice: asked, then no loop count.
    messages.answers = {Answer::Yes};
    newConfiguration(0);
    EXPECT_EQ(cfg().CevrimSayisi, 0);
    EXPECT_TRUE(act("BtPanelKonfig")->isEnabled());
}

TEST_F(ShellTest, CompletenessChecksAskForTheLoopCountFirst)
{
    lintor1 *main = confirmVersion();
    act("MnPanelVerisi")->trigger();
    EXPECT_EQ(messages.messages, QStringList{"Number of loops"});
    ASSERT_NE(app->newConfigWindow(), nullptr);
    child<QAction>(app->newConfigWindow(), "BtCevSayIptal")->trigger();
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(app->panelWindow()->isVisible());

    act("MnPanelVerisi")->trigger();
    child<QAction>(app->newConfigWindow(), "BtCevSayOnay")->trigger();  // no choice
    EXPECT_FALSE(app->panelWindow()->isVisible());

    act("MnPanelVerisi")->trigger();
    child<QAbstractButton>(app->newConfigWindow(), "CevSec4")->click();
    child<QAction>(app->newConfigWindow(), "BtCevSayOnay")->trigger();
    EXPECT_TRUE(app->panelWindow()->isVisible());
    EXPECT_TRUE(app->panelWindow()->isModal());
    EXPECT_FALSE(main->isVisible());
    child<QAction>(app->panelWindow(), "BtIptal")->trigger();
    EXPECT_TRUE(main->isVisible());

    // With a loop count: straight in, no message.
    messages.messages.clear();
    act("BtPanelKonfig")->trigger();
    EXPECT_TRUE(app->panelWindow()->isVisible());
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(ShellTest, CommandsOfLaterWindowsGoThroughTheirSeams)
{
    lintor1 *main = confirmVersion();
    newConfiguration(2);

    // Not there yet: said so, nothing changed.
    // A command whose window is missing says so.
    main->startUpload = nullptr;
    main->openDeviceWindow = nullptr;
    for (const char *a : {"MnPaneleGonder", "MnCihazlar"})
        act(a)->trigger();
    EXPECT_EQ(messages.messages.size(), 2);
    EXPECT_EQ(messages.messages.constFirst(), "This command is not available yet.");
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(cfg().GonderimModu, 0);
    EXPECT_EQ(cfg().AlmaModu, 0);

    QStringList calls;
    main->openDeviceWindow = [&] { calls << "devices"; };
    main->startUpload = [&] { calls << "upload"; };
    main->startDownload = [&] { calls << "download"; };
    act("BtCihazKonfig")->trigger();
    EXPECT_FALSE(main->isVisible());
    main->show();
    act("BtGonder")->trigger();
    EXPECT_EQ(cfg().GonderimModu, 1);
    main->show();
    act("BtAl")->trigger();
    EXPECT_EQ(cfg().AlmaModu, 1);
    EXPECT_EQ(calls, (QStringList{"devices", "upload", "download"}));
}

}  // namespace
}  // namespace vaz::test
