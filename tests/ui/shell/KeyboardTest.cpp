#include "ui/shell/ShellFixture.h"

#include "ui/causeeffect/CauseEffectMatrix.h"
#include "core/causeeffect/Rules.h"
#include "ui/causeeffect/SSicerik.h"
#include "ui/causeeffect/SebepSonuc.h"
#include "ui/devices/Fcihazverileri.h"
#include "ui/devices/YeniCihazSecimi.h"
#include "ui/comm/KarsilastirmaSonucu.h"
#include "ui/comm/TransferHistory.h"
#include "ui/panel/Fpanelverileri.h"
#include "ui/site/LoopCalcWindow.h"
#include "core/storage/ConfigFile.h"
#include "ui/widgets/ScreenFit.h"

#include <QApplication>
#include <QComboBox>
#include <QMenuBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeView>

namespace vaz::test {
namespace {

class KeyboardTest : public ShellTest {
protected:
    void key(int k, Qt::KeyboardModifiers mods = {})
    {
        QWidget *window = QApplication::activeWindow();
        ASSERT_NE(window, nullptr);
        QWidget *w = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(w, Qt::Key(k), mods);
    }
    void type(const QString &text) { QTest::keyClicks(QApplication::activeWindow()->focusWidget(), text); }
    void activate(QWidget *window)
    {
        // The offscreen platform does not move activation between windows by itself.
        QApplication::setActiveWindow(window);
        ASSERT_EQ(QApplication::activeWindow(), window);
    }
    // Tab until the target has the focus: it is in the Tab order.
    void tabTo(QWidget *target)
    {
        for (int i = 0; i < 60 && QApplication::activeWindow()->focusWidget() != target; ++i)
            key(Qt::Key_Tab);
        QWidget *f = QApplication::activeWindow()->focusWidget();
        ASSERT_EQ(f, target) << target->objectName().toStdString() << " focus: "
                             << (f ? f->metaObject()->className() + (" " + f->objectName().toStdString()) : "none");
    }
    // Tab to the target (none: stay), then the keys.
    void keys(QWidget *target, std::initializer_list<QKeyCombination> typed)
    {
        if (target)
            tabTo(target);
        for (QKeyCombination k : typed)
            key(k.key(), k.keyboardModifiers());
    }
    QWidget *buttonOf(QWidget *window, const char *action)
    {
        for (QToolBar *bar : window->findChildren<QToolBar *>())
            if (QAction *a = bar->findChild<QAction *>(QString::fromLatin1(action)))
                return bar->widgetForAction(a);
        return nullptr;
    }
};

TEST_F(KeyboardTest, ASmallJobByKeysAlone)
{
    lintor1 *main = confirmVersion("v2");
    activate(main);
    key(Qt::Key_N, Qt::ControlModifier);
    ASSERT_NE(app->newConfigWindow(), nullptr);
    activate(app->newConfigWindow());
    keys(child(app->newConfigWindow(), "CevSec2"), {Qt::Key_Space, Qt::Key_Return});
    ASSERT_EQ(cfg().CevrimSayisi, 2);

    // Panel data: a name and the cause-effect ringing mode, Return saves.
    activate(main), keys(buttonOf(main, "BtPanelKonfig"), {Qt::Key_Space});
    Fpanelverileri *panel = app->panelWindow();
    activate(panel), tabTo(child(panel, "TextTedarikci"));
    type("Acme");
    keys(child(panel, "DefRingMode_Common"), {Qt::Key_Right, Qt::Key_Return});
    EXPECT_EQ(cfg().TedarikciAdi.trimmed(), "Acme");

    // Two devices on loop 1: Insert, Return on the address, type and zone by arrows, Ctrl+Return.
    activate(main), keys(buttonOf(main, "BtCihazKonfig"), {Qt::Key_Space});
    Fcihazverileri *devices = app->loadedDeviceWindow();
    activate(devices), tabTo(devices->tree());
    for (int n = 0; n < 2; ++n) {
        devices->tree()->setFocus();
        keys(nullptr, {Qt::Key_Home, Qt::Key_Down, Qt::Key_Insert});  // on Loop 1
        activate(devices->addressWindow()), key(Qt::Key_Return);
        activate(devices), keys(child(devices, "ComboCihazTipi"), {Qt::Key_Home, Qt::Key_Down});
        keys(child(devices, "ComboBolgeNo"), {Qt::Key_Down, Qt::ControlModifier | Qt::Key_Return});
    }
    EXPECT_EQ((QList<int>{cfg().CihazTipi(1, 1), cfg().BolgeNo(1, 1), cfg().CihazTipi(1, 2)}), (QList<int>{2, 1, 2}));
    key(Qt::Key_W, Qt::ControlModifier);

    // One rule: name, OK, an input, OR, Forward, an output, Forward. After OK and Forward the list has the
    // focus; the conditions are one Tab stop, with arrows between them.
    activate(main), keys(buttonOf(main, "BtSebepSonuc"), {Qt::Key_Space});
    SebepSonuc *editor = main->findChild<SebepSonuc *>();
    ASSERT_NE(editor, nullptr);
    activate(editor), tabTo(child(editor, "SSismiText"));
    type("Kat1");
    keys(child(editor, "SSonay"), {Qt::Key_Space, Qt::Key_Down, Qt::Key_Space});
    keys(child(editor, "SSve"), {Qt::Key_Right, Qt::Key_Space});
    keys(child(editor, "devam"), {Qt::Key_Space, Qt::Key_Down, Qt::Key_Space});
    keys(child(editor, "devam"), {Qt::Key_Space});
    ASSERT_EQ(cfg().SSsayisi, 1);
    EXPECT_TRUE(cfg().SSismi(1) == "Kat1" && cfg().SSkosul(1) == kConditionOr && cfg().SSgirisler(1).size() > 1 &&
                cfg().SScikislar(1).size() > 1);

    // Back from the device window the editor leaves to, then Save.
    activate(app->loadedDeviceWindow()), key(Qt::Key_W, Qt::ControlModifier);
    QTemporaryDir dir;
    dialogs.paths = {dir.filePath("job.dvk")};
    activate(main), key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(fileBytes(dir.filePath("job.dvk")), storage::configFileBytes(cfg()));
}

TEST_F(KeyboardTest, F1AndTheHelpButtonsOpenTheGuideAtTheirSection)
{
    lintor1 *main = confirmVersion("v2");
    newConfiguration(2), activate(main), key(Qt::Key_F1);
    QWidget *help = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == u"HelpWindow" && w->isVisible())
            help = w;
    ASSERT_NE(help, nullptr);
    auto *guide = child<QTextBrowser>(help, "HelpText");
    EXPECT_TRUE(guide->toPlainText().contains("Getting started"));
    // Every link of the guide leads to a heading: anchors are made from the headings' texts.
    QStringList anchors, links;
    for (QTextBlock b = guide->document()->begin(); b.isValid(); b = b.next())
        for (auto f = b.begin(); !f.atEnd(); ++f) {
            anchors << f.fragment().charFormat().anchorNames();
            if (const QString href = f.fragment().charFormat().anchorHref(); !href.isEmpty())
                links << href;
        }
    EXPECT_FALSE(links.isEmpty());
    for (const QString &link : links)
        EXPECT_TRUE(link.startsWith(u'#') && anchors.contains(link.mid(1))) << link.toStdString();

    // Each Help button shows its section's heading at the top.
    auto shownAt = [&](QAction *button, const char *anchor) {
        button->trigger();
        EXPECT_EQ(guide->source().fragment(), anchor);
        return guide->cursorForPosition(QPoint(0, 0)).block().text();
    };
    act("BtCihazKonfig")->trigger();
    EXPECT_EQ(shownAt(child<QAction>(app->loadedDeviceWindow(), "BtCihazYardim"), "devices"), "Devices");
    act("BtPanelKonfig")->trigger();
    EXPECT_EQ(shownAt(child<QAction>(app->panelWindow(), "BtPanelVeriYardim"), "panel"), "Panel");
    // F1 in a window without a Help button.
    app->panelWindow()->close();
    for (auto [command, window, anchor] : {std::tuple{"MnSiteData", "SiteDataDialog", "site-data"},
                                           {"MnLoopCalc", "LoopCalcWindow", "loop-and-battery-calculation"},
                                           {"MnWalkTest", "WalkTestWindow", "walk-test"}}) {
        act(command)->trigger();
        activate(child<QWidget>(main, window)), key(Qt::Key_F1);
        EXPECT_EQ(guide->source().fragment(), anchor);
        child<QWidget>(main, window)->close();
    }
    help->close();
}

// 1366x768 at 200 %: 683x384 logical pixels, less a panel. Every window can be
// shrunk that far, and disabled values stay readable on light and dark palettes.
TEST_F(KeyboardTest, WindowsFitASmallScreenAtTwiceTheScaleAndStayReadable)
{
    confirmVersion("v2"), newConfiguration(4), act("BtCihazKonfig")->trigger();
    const QSize screen(683, 360);
    for (QWidget *w : std::initializer_list<QWidget *>{
             app->mainWindow(), app->loadedDeviceWindow(), app->panelWindow(), app->causeEffectEditor(),
             app->ruleViewer(), app->causeEffectMatrix(), app->comparisonWindow(), app->versionWindow(),
             app->transferHistory(), app->loopCalcWindow()}) {
        const QSize least = w->minimumSizeHint().expandedTo(w->minimumSize());
        EXPECT_TRUE(least.width() <= screen.width() && least.height() <= screen.height())
            << w->objectName().toStdString() << " needs " << least.width() << "x" << least.height();
    }
    EXPECT_LE(child<QComboBox>(app->loadedDeviceWindow(), "ComboBolgeNo")->maxVisibleItems(), 15);

    QPalette dark;
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        dark.setColor(role, QColor(0x2b, 0x2b, 0x2b));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(QPalette::Active, role, QColor(0xee, 0xee, 0xee));
        dark.setColor(QPalette::Disabled, role, QColor(0x3a, 0x3a, 0x3a));  // grey on grey
    }
    for (const QPalette &given : {QApplication::palette(), dark}) {
        const QPalette p = readablePalette(given);
        for (auto [text, back] : {std::pair{QPalette::Text, QPalette::Base}, {QPalette::WindowText, QPalette::Window}})
            EXPECT_GE(contrast(p.color(QPalette::Disabled, text), p.color(QPalette::Disabled, back)), 4.5);
    }
}

// Alt+letter must open one menu and name one item in each menu.
TEST_F(KeyboardTest, MnemonicsAreUniqueInEveryMenu)
{
    confirmVersion("v2"), newConfiguration(2), act("BtCihazKonfig")->trigger();
    for (QMainWindow *w : std::initializer_list<QMainWindow *>{app->mainWindow(), app->loadedDeviceWindow()}) {
        QList<QList<QAction *>> menus{w->menuBar()->actions()};
        for (QAction *m : w->menuBar()->actions())
            if (m->menu())
                menus << m->menu()->actions();
        for (const QList<QAction *> &actions : menus) {
            QMap<QChar, QString> taken;
            for (QAction *a : actions) {
                const qsizetype at = a->text().indexOf(u'&');
                if (a->isSeparator() || at < 0)
                    continue;
                const QChar letter = a->text().at(at + 1).toLower();
                EXPECT_FALSE(taken.contains(letter))
                    << a->text().toStdString() << " and " << taken[letter].toStdString();
                taken[letter] = a->text();
            }
        }
    }
}

}  // namespace
}  // namespace vaz::test
