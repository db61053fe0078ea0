#include "ui/causeeffect/SSicerik.h"
#include "ui/devices/AddRangeDialog.h"
#include "ui/devices/DeviceIcons.h"
#include "ui/causeeffect/SebepSonuc.h"
#include "ui/devices/Fcihazverileri.h"
#include "ui/devices/YeniCihazSecimi.h"
#include "ui/shell/ShellFixture.h"
#include "core/devices/DeviceTreeModel.h"
#include "core/storage/ConfigFile.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

namespace vaz::test {
namespace {

class DeviceWindowTest : public ShellTest {
protected:
    void SetUp() override { ShellTest::SetUp(), confirmVersion("v2"), newConfiguration(2); }
    void open() { act("BtCihazKonfig")->trigger(); }
    Fcihazverileri *win() { return app->loadedDeviceWindow(); }
    static QStringList texts(const QModelIndex &n)
    {
        QStringList t;
        for (int i = 0; n.isValid() && i < n.model()->rowCount(n); ++i)
            t << n.model()->index(i, 0, n).data().toString();
        return t;
    }
    // The node of the tree as shown at the path of texts from the panel's; invalid if there is none.
    QModelIndex node(const QStringList &path = {})
    {
        const QAbstractItemModel *m = win()->tree()->model();
        QModelIndex n = m->index(0, 0);
        for (qsizetype i = 0; n.isValid() && i < path.size(); ++i)
            n = m->index(int(texts(n).indexOf(path[i])), 0, n);
        return n;
    }
    QStringList children(const QStringList &path) { return texts(node(path)); }
    QString description(const QStringList &path) { return node(path).siblingAtColumn(1).data().toString(); }
    qint64 icon(const QStringList &path) { return node(path).data(Qt::DecorationRole).value<QIcon>().cacheKey(); }
    // A real left click on the node.
    void click(const QStringList &path, Qt::KeyboardModifiers keys = {})
    {
        const QModelIndex n = node(path);
        ASSERT_TRUE(n.isValid()) << path.join(u'/').toStdString();
        QTreeView *t = win()->tree();
        t->scrollTo(n);
        QTest::mouseClick(t->viewport(), Qt::LeftButton, keys, t->visualRect(n).center());
    }
    void press(const char *key) { child<QAction>(win(), key)->trigger(); }
    bool on(const char *key) { return child<QAction>(win(), key)->isEnabled(); }
    template <typename T = QWidget>
    T *control(const char *name)
    {
        return child<T>(win(), name);
    }
    void chooseType(const char *text) { control<QComboBox>("ComboCihazTipi")->setCurrentText(text); }
    // New device on a loop, taking the address label given (or the first offered).
    void newDevice(int loop, const QString &label = {})
    {
        click({QStringLiteral("Loop %1").arg(loop)}), press("BtYeniCihaz");
        YeniCihazSecimi *w = win()->addressWindow();
        ASSERT_NE(w, nullptr);
        if (!label.isEmpty())
            w->list()->setCurrentItem(w->list()->findItems(label, Qt::MatchExactly).value(0));
        child<QAbstractButton>(w, "AdresSecimOK")->click();
    }
    QStringList offered(int loop)
    {
        click({QStringLiteral("Loop %1").arg(loop)}), press("BtYeniCihaz");
        QStringList labels;
        for (int i = 0; i < win()->addressWindow()->list()->count(); ++i)
            labels << win()->addressWindow()->list()->item(i)->text();
        EXPECT_EQ(win()->addressWindow()->chosen(), labels.value(0)) << "the first entry is chosen";
        child<QAbstractButton>(win()->addressWindow(), "AdresSecimCNCL")->click();
        return labels;
    }
};

TEST_F(DeviceWindowTest, TheTreeShowsPanelLoopsDevicesAndRules)
{
    for (int loops : {2, 4}) {
        newConfiguration(loops), addDevices(cfg(), {{1, 127, 7, 3}, {1, 7, 4, 1}, {1, 45, 8, 2}});
        cfg().PanelAdi = QStringLiteral("Main"), open();
        EXPECT_EQ(node().data(), "Main");
        EXPECT_EQ(children({}), (QStringList{"Loop 1", "Loop 2", "Loop 3", "Loop 4"}.mid(0, loops) << "Cause-effect"));
        EXPECT_EQ(children({"Loop 1"}), (QStringList{"007", "045", "127"}));
        for (auto [label, icon] : {std::pair{"007", 5}, {"045", 8}, {"127", 9}})
            EXPECT_EQ(this->icon({"Loop 1", label}), devices::nodeIcon(icon).cacheKey()) << label;
        EXPECT_EQ(app->branchesBuilt() == 4 ? 1 : 0, loops == 4 ? 1 : 0);
        win()->close();
        EXPECT_EQ(app->loadedDeviceWindow(), nullptr) << "closed by its frame: unloaded";
    }
    // The size and the split between tree and panel come back with the next window.
    open(), win()->resize(700, 450), control<QSplitter>("DeviceSplitter")->setSizes({420, 260});
    const QList<int> split = control<QSplitter>("DeviceSplitter")->sizes();
    win()->close(), open();
    EXPECT_EQ(std::pair(win()->size(), control<QSplitter>("DeviceSplitter")->sizes()),
              std::pair(QSize(700, 450), split));
}

TEST_F(DeviceWindowTest, ButtonsFollowTheSelection)
{
    addDevices(cfg(), {{2, 5, 1, 1}}), setRules(cfg(), {"Alpha", "100"});
    cfg().PanelAdi = QStringLiteral("112"), open();
    // New device, edit, delete, then the loop chosen; help is always on, confirm off. A rule named by digits
    // only is taken for a device label.
    for (auto [path, newDevice, edit, del, loop] : {std::tuple{QStringList{"Loop 2"}, true, false, false, 2},
                                                    {{"Loop 2", "005"}, true, true, true, 2},
                                                    {{}, false, true, true, 0},
                                                    {{"Loop 1"}, true, false, false, 1},
                                                    {{"Cause-effect"}, false, false, false, 0},
                                                    {{"Cause-effect", "Alpha"}, false, false, false, 0},
                                                    {{"Cause-effect", "100"}, false, true, true, 0}}) {
        click(path);
        EXPECT_EQ((QList<int>{on("BtYeniCihaz"), on("BtEditCihaz"), on("BtCihazSil"), on("BtCihazYardim"),
                              on("BtCihazOnay"), win()->selectedLoop()}),
                  (QList<int>{newDevice, edit, del, true, false, loop}))
            << path.join(u'/').toStdString();
    }
    // On the rule "100": neither deletes nor edits anything.
    press("BtCihazSil"), press("BtEditCihaz");
    EXPECT_TRUE(!on("BtCihazOnay") && cfg().SSsayisi == 2 && messages.messages.isEmpty());
}

TEST_F(DeviceWindowTest, ADeviceARuleUsesIsNotDeleted)
{
    addDevices(cfg(), {{2, 5, 5, 3}, {2, 6, 4, 3}}), setRules(cfg(), {"R"}, "1,2.2,5.5,1.:");
    cfg().GecikmeIptal(2, 6) = 64, open(), click({"Loop 2", "005"}), press("BtCihazSil");
    EXPECT_EQ(messages.messages, QStringList{"Unable to delete because the device is included in a cause-effect"});
    EXPECT_TRUE(cfg().CihazTipi(2, 5) == 5 && node({"Loop 2", "005"}).isValid());

    EXPECT_FALSE(offered(2).contains("006"));
    click({"Loop 2", "006"}), press("BtCihazSil");
    EXPECT_EQ(children({"Loop 2"}), QStringList{"005"});
    EXPECT_EQ(cfg().device(2, 6), (Installation::Device{0, 0, {}, 64, 0, 0, 0, 0})) << "the other values stay";
    EXPECT_EQ(offered(2).value(4), "006");
}

TEST_F(DeviceWindowTest, RulesAreShownAndDeletedFromTheirPopup)
{
    for (auto [count, victim] : {std::pair{5, 3}, {200, 1}}) {
        // Stored in reverse, shown sorted: the node's place is not the rule's number.
        QStringList names;
        for (int r = count; r >= 1; --r)
            names << QStringLiteral("R%1").arg(r, 3, 10, QLatin1Char('0'));
        setRules(cfg(), names), open();
        const QString name = names[victim - 1];
        click({"Cause-effect", name});
        emit win()->tree()->customContextMenuRequested({5, 5});
        EXPECT_TRUE(win()->popupMenu()->isVisible());
        child<QAction>(win(), "MnSSicerik")->trigger();
        EXPECT_EQ(child<QListWidget>(app->ruleViewer(), "SSicerikSira")->item(0)->text(), name);
        app->ruleViewer()->close(), win()->popupMenu()->hide();
        child<QAction>(win(), "SSsil")->trigger();
        names.removeAt(victim - 1), names.sort();
        EXPECT_EQ(std::pair(children({"Cause-effect"}), int(cfg().SSsayisi)), std::pair(names, count - 1));
        win()->close();
    }
    // Edit... opens the editor on the rule; a device's popup says what it sets off.
    addDevices(cfg(), {{2, 5, 5, 4}, {2, 6, 1, 4}}), setRules(cfg(), {"Kat1"}, "2,5.:"), cfg().SSgirisler(1) = "2,6.:";
    cfg().CalmaModu = 1;
    open(), click({"Cause-effect", "Kat1"});
    emit win()->tree()->customContextMenuRequested({5, 5});
    child<QAction>(win(), "MnEditRule")->trigger();
    EXPECT_TRUE(app->causeEffectEditor()->isVisible() && app->causeEffectEditor()->draft().editing == 1);
    app->causeEffectEditor()->close();
    click({"Loop 2", "005"});
    emit win()->tree()->customContextMenuRequested({5, 5});
    EXPECT_TRUE(win()->devicePopupMenu()->isVisible() && !win()->popupMenu()->isVisible());
    child<QAction>(win(), "MnTrace")->trigger(), win()->devicePopupMenu()->hide();
    EXPECT_EQ(messages.messages.value(0),
              "Loop 2 address 005, Relay controller, zone 4, is set off by:\n"
              "Cause-effect 1 'Kat1' (OR): on a fire at Loop 2 address 006 (Manual call point)");
    win()->close();

    // With no rule the popup never opens.
    setRules(cfg(), {}), open(), click({"Cause-effect"});
    emit win()->tree()->customContextMenuRequested({5, 5});
    EXPECT_FALSE(win()->popupMenu()->isVisible());
    setRules(cfg(), {"Zeta", "Beta"}), win()->addRuleNode("Beta");
    EXPECT_EQ(children({"Cause-effect"}), QStringList{"Beta"}) << "the tree was built before the rules came";

    // A rule stored before the tree is built appears once.
    win()->close(), setRules(cfg(), {"Zeta", "Beta", "Gamma"}), app->deviceWindow()->addRuleNode("Gamma"), open();
    EXPECT_EQ(children({"Cause-effect"}), (QStringList{"Beta", "Gamma", "Zeta"}));
}

TEST_F(DeviceWindowTest, NewDeviceAddressesComeFromTheFreeTable)
{
    addDevices(cfg(), {{1, 1, 1, 1}, {1, 2, 1, 1}, {1, 100, 1, 1}}), open();
    const QStringList free = offered(1);
    EXPECT_TRUE(free.size() == 124 && !free.contains("100"));
    EXPECT_EQ((QStringList{free.value(0), free.constLast()}), (QStringList{"003", "127"}));
    EXPECT_TRUE(on("BtEditCihaz") && children({"Loop 1"}).size() == 3) << "Cancel in the address window";

    newDevice(1, "045");
    EXPECT_TRUE(win()->tree()->currentIndex() == node({"Loop 1", "045"}) &&
                win()->model()->reserved() == DeviceAddress({1, 45}));
    EXPECT_TRUE(on("BtCihazOnay") && on("BtCihazIptal") && !on("BtYeniCihaz"));
    press("BtCihazIptal");
    EXPECT_TRUE(!node({"Loop 1", "045"}).isValid() && offered(1).contains("045"));

    // Save without a type, also by Yes on closing, stores nothing; entry goes on.
    click({"Loop 1", "100"}), newDevice(1);
    EXPECT_EQ(control<QComboBox>("ComboBolgeNo")->currentIndex(), -1) << "zone 1 was the shown device's";
    control<QComboBox>("ComboBolgeNo")->setCurrentText("5");
    messages.answers = {Answer::Yes, Answer::Cancel};
    EXPECT_FALSE(win()->close() || win()->close());
    // Nor does a second New device take over the entry: a loop click enables it again.
    click({"Loop 1"}), press("BtYeniCihaz");
    EXPECT_EQ(messages.questions + messages.questionTitles + messages.messages,
              (QStringList{"Save the device?", "Save the device?", "Device configuration", "Device configuration",
                           "Select a device type first.", "Save or cancel the device being entered first."}));
    EXPECT_TRUE(win()->addressWindow() == nullptr && cfg().CihazTipi(1, 3) == 0 && on("BtCihazOnay"));
    click({"Loop 1", "003"}), chooseType("QF-3030 Heat detector"), press("BtCihazOnay");
    EXPECT_EQ(std::pair(int(cfg().CihazTipi(1, 3)), int(cfg().BolgeNo(1, 3))), std::pair(4, 5));

    // Exit only hides, an open address choice included: the tree comes back as it was left.
    press("BtYeniCihaz"), press("BtCihazCikis");
    EXPECT_TRUE(!win()->isVisible() && app->mainWindow()->isVisible() && !win()->addressWindow());
    open();
    EXPECT_EQ(win()->tree()->currentIndex(), node({"Loop 1", "003"}));

    // Closed by its frame during entry: Yes saves, No gives the entry up as Cancel does.
    newDevice(1, "050"), chooseType("QF-3030 Heat detector");
    messages.answers = {Answer::Yes, Answer::No};
    win()->close(), open(), newDevice(1, "051"), win()->close(), open();
    EXPECT_TRUE(cfg().CihazTipi(1, 50) == 4 && offered(1).contains("051"));

    // A new configuration closes the window; its next opening builds anew.
    newConfiguration(4);
    EXPECT_EQ(app->loadedDeviceWindow(), nullptr);
    open();
    EXPECT_EQ(children({}).size(), 5);
}

TEST_F(DeviceWindowTest, PropertiesAreWrittenAsTheyAreChosenAndReachTheFile)
{
    act("MnCihazlar")->trigger();
    EXPECT_FALSE(app->mainWindow()->isVisible());
    newDevice(2, "012"), chooseType("QF-5010 Relay controller");
    EXPECT_TRUE(control("ModOutputFire")->isEnabled() && control("ModuleDelay")->isEnabled());
    EXPECT_FALSE(control("OpCihVerYangin")->isEnabled() || control("CikisGecikmeIptal")->isEnabled());
    control<QRadioButton>("ModOutputFire")->click();
    EXPECT_FALSE(control<QRadioButton>("ModOutputFire")->isChecked());
    control<QComboBox>("ComboBolgeNo")->setCurrentText("12"), control<QRadioButton>("ModOutputFault")->click();
    EXPECT_EQ(std::pair(int(cfg().CikisYangin(2, 12)), int(cfg().CikisHata(2, 12))), std::pair(0, 12));
    control<QRadioButton>("ModOutputFire")->click();  // the file below shows fire 12, fault 0

    // Typed, stored, shown.
    const std::tuple<const char *, int, const char *> delays[] = {{"300", 250, "250"},  {"-5", 250, "250"},
                                                                  {"12.5", 12, "12.5"}, {"13.5", 14, "13.5"},
                                                                  {"", 0, ""},          {"30", 30, "30"}};
    for (auto [text, stored, shown] : delays) {
        control<QLineEdit>("ModuleDelay")->setText(text);
        EXPECT_EQ(std::pair(int(cfg().Gecikme(2, 12)), control<QLineEdit>("ModuleDelay")->text()),
                  std::pair(stored, QString(shown)))
            << text;
    }
    EXPECT_EQ(messages.messages,
              (QStringList{"Enter zone number !", "Inappropriate value !", "Inappropriate value !"}));
    control<QLineEdit>("CihVerMahal")->insert(QStringLiteral("Kazan Dairesi Çıkış"));
    press("BtCihazOnay"), press("BtCihazCikis");
    EXPECT_TRUE(app->mainWindow()->isVisible());
    const QByteArray expected = "\" 2\",\" 12\",\" 12\",\" 5\",\"5\",\"5\",\"Kazan Dairesi Cikis" +
                                QByteArray(40, ' ') + "\",\" 0\",\"0\",30,12,\"0\"\r\n";
    EXPECT_TRUE(savedFile("MnKaydet").contains(expected) && messages.messages.size() == 3);

    messages.messages.clear(), open(), newDevice(2, "013"), chooseType("QF-5020 Switch monitor");
    EXPECT_TRUE(control("OpCihVerYangin")->isEnabled() && control("CikisGecikmeIptal")->isEnabled());
    EXPECT_FALSE(control("ModOutputFire")->isEnabled() || control("ModuleDelay")->isEnabled());
    control<QRadioButton>("OpCihVerYangin")->click();
    EXPECT_EQ(messages.messages, QStringList{"Enter zone number!"});
    EXPECT_FALSE(control<QRadioButton>("OpCihVerYangin")->isChecked());

    // Stored values the lists cannot show: shown as nothing or as the limit, never spread.
    cfg().BolgeNo(2, 12) = 60, cfg().Gecikme(2, 12) = 300;
    press("BtCihazOnay"), click({"Loop 2", "012"});
    EXPECT_EQ((QList<int>{control<QComboBox>("ComboBolgeNo")->currentIndex(), cfg().BolgeNo(2, 12),
                          cfg().Gecikme(2, 12), cfg().Gecikme(2, 13)}),
              (QList<int>{-1, 60, 250, 0}));
}

TEST_F(DeviceWindowTest, CancelAfterEditKeepsTheDeviceAsItWas)
{
    addDevices(cfg(), {{1, 3, 6, 4}, {1, 4, 5, 4}});
    cfg().MahalText(1, 3) = QStringLiteral("Boiler room") + QString(40000, u' ');  // more than a line edit takes
    cfg().OlayTipi(1, 3) = 32, cfg().GecikmeIptal(1, 3) = 64, open(), click({"Loop 1", "003"});
    const QByteArray before = storage::configFileBytes(cfg());
    EXPECT_EQ(control<QLineEdit>("CihVerMahal")->text().size(), 40011) << "shown whole";

    press("BtEditCihaz"), chooseType("QF-5030 Sounder controller");
    control<QComboBox>("ComboBolgeNo")->setCurrentText("9"), control<QLineEdit>("CihVerMahal")->setText("Other");
    control<QLineEdit>("ModuleDelay")->setText("77"), press("BtEditCihaz"), press("BtCihazIptal");
    EXPECT_EQ(storage::configFileBytes(cfg()), before);
    EXPECT_EQ(icon({"Loop 1", "003"}), devices::nodeIcon(7).cacheKey());
    EXPECT_FALSE(on("BtCihazOnay"));

    // Saved untouched: not a byte changes.
    press("BtEditCihaz"), press("BtCihazOnay");
    EXPECT_EQ(storage::configFileBytes(cfg()), before);

    // Typing stops at 40, but the long stored text can still be shortened.
    press("BtEditCihaz");
    auto *box = control<QLineEdit>("CihVerMahal");
    box->end(false), box->insert("x");
    EXPECT_EQ(box->text().size(), 40011);
    EXPECT_EQ(control<QStatusBar>("StatusBar1")->currentMessage(), "A name holds at most 40 characters.");
    box->backspace(), box->insert("~");
    EXPECT_EQ(box->text().size(), 40010);
    box->setText(QStringLiteral("Kat 2")), press("BtCihazOnay");
    EXPECT_EQ(cfg().MahalText(1, 3), QStringLiteral("Kat 2") + QString(40, u' '));

    // The relay controller shown is saved as one, whatever was chosen before.
    press("BtEditCihaz"), click({"Loop 1"}), chooseType("QF-5010 Relay controller");
    click({"Loop 1", "004"}), press("BtCihazOnay");
    EXPECT_EQ(cfg().CihazTipi(1, 4), 5);
}

TEST_F(DeviceWindowTest, EveryDeviceOfAFileShowsAndShowingStoresNothing)
{
    // Loop 4 lies beyond the loop count; two codes stand for no type.
    addDevices(cfg(), {{1, 1, 2, 3}, {2, 6, 2, 8}, {1, 45, 77, 3}, {4, 9, -7, 0}});
    QTemporaryDir dir;
    const QString path = dir.filePath("site.dvk");
    dialogs.paths = {path};
    act("MnFarkliKaydet")->trigger();
    auto openFileAndWindow = [&] {
        messages.answers = {Answer::Yes}, dialogs.paths = {path};
        act("BtAc")->trigger(), open();
    };
    openFileAndWindow(), click({"Loop 1", "001"}), click({"Loop 1", "045"});
    EXPECT_EQ((QStringList{description({"Loop 1", "045"}), description({"Loop 4", "009"}),
                           control<QComboBox>("ComboCihazTipi")->currentText()}),
              (QStringList{"Unknown type 77  Z3", "Unknown type -7", "Select device type..."}));
    click({"Loop 2", "006"}), press("BtCihazCikis");
    // The window built anew still finds device 006 selected from before.
    openFileAndWindow();
    EXPECT_EQ(savedFile("MnFarkliKaydet"), fileBytes(path));
    click({"Loop 4", "009"}), press("BtCihazSil");
    EXPECT_TRUE(cfg().CihazTipi(4, 9) == 0 && children({"Loop 4"}).isEmpty());
}

TEST_F(DeviceWindowTest, AnOutputModuleShowsItsStoredEventInZoneOneToo)
{
    addDevices(cfg(), {{1, 1, 5, 1}, {1, 2, 8, 1}, {1, 3, 5, 1}});
    cfg().CikisYangin(1, 1) = 1;
    cfg().CikisHata(1, 2) = 1;
    open();
    for (auto [label, fire, fault] : {std::tuple{"001", true, false}, {"002", false, true}, {"003", false, false}}) {
        click({"Loop 1", label});
        EXPECT_EQ((QList<bool>{control<QRadioButton>("ModOutputFire")->isChecked(),
                               control<QRadioButton>("ModOutputFault")->isChecked()}),
                  (QList<bool>{fire, fault}))
            << label;
    }
}

TEST_F(DeviceWindowTest, TheTreeDescribesFiltersAndGroupsByZoneAndALoopShowsNoDevice)
{
    addDevices(cfg(), {{1, 1, 2, 3}, {1, 2, 3, 3}, {2, 45, 5, 30}});
    cfg().MahalText(1, 1) = QStringLiteral("Kat 2 Koridor");
    const QByteArray before = storage::configFileBytes(cfg());
    open();
    EXPECT_EQ(description({"Loop 1", "001"}), "Photo-elec. smoke det.  Z3  Kat 2 Koridor");
    EXPECT_NE(icon({"Loop 1", "001"}), icon({"Loop 1", "002"}));

    // Filter text, and whether 1/001, 1/002 and 2/045 show (Z3 is zone 3, not 30).
    for (auto [filter, shown] : {std::pair{"z3", QList<bool>{true, true, false}},
                                 {"relay", {false, false, true}},
                                 {"KAT 2", {true, false, false}},
                                 {"", {true, true, true}}}) {
        control<QLineEdit>("TreeFilter")->setText(filter);
        EXPECT_EQ((QList<bool>{node({"Loop 1", "001"}).isValid(), node({"Loop 1", "002"}).isValid(),
                               node({"Loop 2", "045"}).isValid()}),
                  shown)
            << filter;
    }

    // By zone: only zones with devices; a device picked there is shown.
    control<QTabWidget>("DeviceViews")->setCurrentIndex(1);
    auto *zones = control<QTreeView>("ZoneTree");
    ASSERT_EQ(zones->model()->rowCount(), 2);
    EXPECT_EQ(zones->model()->index(1, 0).data(), "Zone 30");
    const QModelIndex relay = zones->model()->index(0, 0, zones->model()->index(1, 0));
    zones->scrollTo(relay);
    QTest::mouseClick(zones->viewport(), Qt::LeftButton, {}, zones->visualRect(relay).center());
    EXPECT_EQ(control<QComboBox>("ComboCihazTipi")->currentText(), "QF-5010 Relay controller");

    // A loop shows no device, and stores nothing doing so.
    control<QTabWidget>("DeviceViews")->setCurrentIndex(0), click({"Loop 1"});
    EXPECT_EQ((QList<int>{control<QComboBox>("ComboCihazTipi")->currentIndex(),
                          control<QComboBox>("ComboBolgeNo")->currentIndex(),
                          int(control<QLineEdit>("CihVerMahal")->text().size()),
                          control<QComboBox>("ComboBolgeNo")->isEnabled()}),
              (QList<int>{-1, -1, 0, 0}));
    EXPECT_EQ(storage::configFileBytes(cfg()), before);

    // The text follows a zone chosen.
    click({"Loop 1", "002"}), press("BtEditCihaz");
    control<QComboBox>("ComboBolgeNo")->setCurrentText("5");
    EXPECT_EQ(description({"Loop 1", "002"}), "Ionis. smoke det.  Z5");
}

// While browsing the controls are off, so the tree row and the controls' values
// are all a screen reader has.
TEST_F(DeviceWindowTest, AScreenReaderHearsADevicesValuesWhileBrowsing)
{
    addDevices(cfg(), {{1, 45, 2, 3}, {1, 46, 77, 0}, {2, 5, 5, 30}});
    cfg().MahalText(1, 45) = QStringLiteral("Kat 2 Koridor");
    open();
    QStringList rows;
    for (const QStringList &path : {QStringList{"Loop 1", "045"}, {"Loop 1", "046"}})
        rows << node(path).data(Qt::AccessibleTextRole).toString()
             << node(path).siblingAtColumn(1).data(Qt::AccessibleTextRole).toString();
    control<QTabWidget>("DeviceViews")->setCurrentIndex(1);
    const QAbstractItemModel *zones = control<QTreeView>("ZoneTree")->model();
    const QModelIndex zone30 = zones->match(zones->index(0, 0), Qt::DisplayRole, "Zone 30").value(0);
    rows << zones->index(0, 1, zone30).data(Qt::AccessibleTextRole).toString();
    EXPECT_EQ(rows, (QStringList{"045, Photo-electric smoke detector, zone 3, Kat 2 Koridor",
                                 "045, Photo-electric smoke detector, zone 3, Kat 2 Koridor", "046, Unknown type 77",
                                 "046, Unknown type 77", "Loop 2, address 5, zone 30, Relay controller"}));
    control<QTabWidget>("DeviceViews")->setCurrentIndex(0);

    // Each control is labelled by its frame and holds its value apart: a combo
    // box's own name is its value on some platforms, so readers say the label.
    click({"Loop 1", "045"});
    ASSERT_FALSE(control("ComboBolgeNo")->isEnabled());
    QStringList heard;
    for (const char *name : {"ComboCihazTipi", "ComboBolgeNo", "CihVerMahal", "ModuleDelay"}) {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(control(name));
        const auto labels = a->relations(QAccessible::Label);
        heard << (labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name)) + u'=' +
                     a->text(QAccessible::Value);
    }
    QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(control("Picture1"));
    heard << picture->text(QAccessible::Name) + u'=' + picture->text(QAccessible::Description);
    EXPECT_EQ(heard,
              (QStringList{"Device type=QF-3010 Photo-electric smoke detector", "Zone=3", "Location text=Kat 2 Koridor",
                           "Output delay=0", "Device type picture=Photo-electric smoke detector"}));
}

TEST_F(DeviceWindowTest, PasteTakesFreeAddressesOnlyAndUndoesInOneStep)
{
    addDevices(cfg(), {{2, 1, 2, 3}, {2, 2, 5, 4}, {2, 4, 1, 1}, {1, 126, 1, 1}});
    cfg().setDevice(2, 2, {5, 4, QStringLiteral("Kazan"), 0, 0, 30, 4, 0}), app->startHistory(), open();
    EXPECT_FALSE(on("MnDeviceCopy") || on("MnDevicePaste"));
    EXPECT_FALSE(offered(2).contains("001")) << "the free table is built";
    click({"Loop 2", "002"}), press("MnDeviceCopy"), press("BtEditCihaz");
    EXPECT_FALSE(on("MnDeviceCopy") || on("MnDevicePaste")) << "not during an entry";
    press("BtCihazIptal");

    Config expected = cfg();
    for (int A : {3, 5})
        expected.setDevice(2, A, cfg().device(2, 2));
    click({"Loop 2"}), press("MnDevicePaste");
    const QByteArray afterFirst = storage::configFileBytes(cfg());
    click({"Loop 2", "004"}), press("MnDevicePaste");
    EXPECT_EQ(control<QStatusBar>("StatusBar1")->currentMessage(), "Pasted 1 device at Loop 2 address 005");
    EXPECT_EQ(children({"Loop 2"}), (QStringList{"001", "002", "003", "004", "005"}));
    EXPECT_EQ(icon({"Loop 2", "005"}), icon({"Loop 2", "002"}));
    EXPECT_FALSE(offered(2).contains("003") || offered(2).contains("005"));
    EXPECT_EQ(savedFile("MnFarkliKaydet"), storage::configFileBytes(expected));

    // No room after the last device of the loop: nothing is pasted.
    click({"Loop 1", "126"}), press("MnDevicePaste"), press("MnDevicePaste");
    EXPECT_EQ(messages.messages,
              QStringList{"Loop 1 has no room for 1 device from address 127 on; nothing was pasted."});
    EXPECT_EQ(children({"Loop 1"}), (QStringList{"126", "127"}));

    press("MnDeviceUndo");
    EXPECT_EQ(children({"Loop 1"}), QStringList{"126"});
    EXPECT_EQ(control<QAction>("MnDeviceUndo")->text(), "&Undo Save Loop 2 address 005");
    press("MnDeviceUndo");
    EXPECT_EQ(storage::configFileBytes(cfg()), afterFirst);
}

TEST_F(DeviceWindowTest, SeveralSelectedDevicesTakeWhatAppliesToThemInOneStep)
{
    // Detector, switch monitor, relay controller; the second relay is in a rule.
    addDevices(cfg(), {{2, 1, 2, 3}, {2, 2, 6, 4}, {2, 3, 5, 5}, {2, 5, 5, 3}, {1, 1, 2, 3}});
    setRules(cfg(), {"R"}, "1,2.2,5.5,1.:"), app->startHistory();
    open(), click({"Loop 2", "001"}), click({"Loop 2", "003"}, Qt::ControlModifier);
    click({"Loop 2", "002"}, Qt::ControlModifier);
    // Types and zones differ: blank; the location is shared.
    EXPECT_EQ((QStringList{QString::number(win()->tree()->selectionModel()->selectedRows().size()),
                           control<QComboBox>("ComboCihazTipi")->currentText(),
                           QString::number(control<QComboBox>("ComboBolgeNo")->currentIndex())}),
              (QStringList{"3", "Select device type...", "-1"}));
    const QByteArray before = storage::configFileBytes(cfg());
    EXPECT_FALSE(control<QAction>("MnDeviceUndo")->isEnabled()) << "showing stores nothing";

    // Cancel puts every one of them back.
    press("BtEditCihaz"), control<QComboBox>("ComboBolgeNo")->setCurrentText("12");
    control<QCheckBox>("CikisGecikmeIptal")->click(), press("BtCihazIptal");
    EXPECT_EQ(storage::configFileBytes(cfg()), before);

    press("BtEditCihaz"), control<QComboBox>("ComboBolgeNo")->setCurrentText("9");
    control<QCheckBox>("CikisGecikmeIptal")->click();
    EXPECT_EQ(control<QAction>("MnDeviceUndo")->text(), "&Undo Change 2 devices");
    control<QRadioButton>("OpCihVerYangin")->click(), press("BtCihazOnay");
    auto values = [&](int A) {
        const Installation::Device d = cfg().device(2, A);
        return QList<int>{d.zone, d.bypass, d.event};
    };
    EXPECT_EQ((QList<QList<int>>{values(1), values(2), values(3), values(5)}),
              (QList<QList<int>>{{9, 64, 0}, {9, 64, 32}, {9, 0, 0}, {3, 0, 0}}));
    EXPECT_TRUE(cfg().CihazTipi(2, 2) == 6 && cfg().BolgeNo(1, 1) == 3) << "mixed groups keep their types";
    press("MnDeviceUndo"), press("MnDeviceUndo"), press("MnDeviceUndo");
    EXPECT_EQ(storage::configFileBytes(cfg()), before);

    // Two relay controllers on two loops share a type, which changes for both.
    cfg().CihazTipi(1, 1) = 5, click({"Loop 2", "003"}), click({"Loop 1", "001"}, Qt::ControlModifier);
    EXPECT_EQ(control<QComboBox>("ComboCihazTipi")->currentText(), "QF-5010 Relay controller");
    press("BtEditCihaz"), chooseType("QF-5030 Sounder controller");
    control<QLineEdit>("CihVerMahal")->setText("Stair"), press("BtCihazOnay");
    const Installation::Device one = cfg().device(1, 1), two = cfg().device(2, 3);
    EXPECT_EQ((QStringList{one.location.trimmed(), two.location}), (QStringList{"Stair", one.location}));
    EXPECT_EQ((QList<int>{one.type, two.type, one.zone, two.zone}), (QList<int>{8, 8, 3, 5})) << "zones stay";
    press("MnDeviceUndo"), cfg().CihazTipi(1, 1) = 2;
    EXPECT_EQ(storage::configFileBytes(cfg()), before);

    // The relay controller a rule uses stays, and is named.
    click({"Loop 2"}), press("MnSelectLoop");
    EXPECT_EQ(win()->tree()->selectionModel()->selectedRows().size(), 4);
    press("MnDeviceCopy"), press("BtCihazSil");
    EXPECT_EQ(children({"Loop 2"}), QStringList{"005"});
    EXPECT_EQ(messages.messages, QStringList{"Not deleted, as a cause-effect includes them: Loop 2 address 005"});

    // Their copies keep their order and go around the device on Loop 1.
    click({"Loop 1"}), press("MnDevicePaste");
    EXPECT_EQ(control<QStatusBar>("StatusBar1")->currentMessage(),
              "Pasted 4 devices at Loop 1 addresses 002, 003, 004, 005");
    EXPECT_TRUE(cfg().device(1, 5) == cfg().device(2, 5) && cfg().CihazTipi(1, 3) == 6);
}

TEST_F(DeviceWindowTest, ARangeFillsFreeAddressesOnlyAsOneUndoStep)
{
    addDevices(cfg(), {{1, 5, 2, 3}, {1, 7, 5, 3}}), cfg().MahalText(1, 5) = QStringLiteral("Old"), app->startHistory();
    const QByteArray before = savedFile("MnFarkliKaydet");
    open();
    EXPECT_FALSE(on("BtAddRange"));
    offered(1), press("BtAddRange");  // once the free-address table is built
    AddRangeDialog *d = win()->rangeDialog();
    ASSERT_NE(d, nullptr);
    child<QSpinBox>(d, "RangeFrom")->setValue(9), child<QSpinBox>(d, "RangeTo")->setValue(3);  // the same run
    child<QComboBox>(d, "RangeType")->setCurrentText("QF-3030 Heat detector");
    child<QComboBox>(d, "RangeZone")->setCurrentText("4");
    auto *ok = child<QPushButton>(d, "RangeOK");
    auto text = [d](const char *label) { return child<QLabel>(d, label)->text(); };
    child<QLineEdit>(d, "RangePattern")->setText(QStringLiteral("Kat 2 Oda {i} ~"));
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(text("RangeProblem"), "Address 003: The characters \" and ~ cannot be part of a name.");
    child<QLineEdit>(d, "RangePattern")->setText(QStringLiteral("Kat 2 Oda {i} Çıkış"));
    EXPECT_EQ((QStringList{text("RangeCount"), text("RangeTaken"), text("RangeProblem")}),
              (QStringList{"5 devices will be added.", "Taken, skipped: 005, 007", ""}));
    ok->click();
    EXPECT_EQ(children({"Loop 1"}), (QStringList{"003", "004", "005", "006", "007", "008", "009"}));
    EXPECT_FALSE(offered(1).contains("009"));
    QAction *undo = control<QAction>("MnDeviceUndo");
    // The main window offers the same step; Undo, Redo and Undo again.
    EXPECT_EQ((QStringList{undo->text(), act("MnUndo")->text()}), QStringList(2, "&Undo Add 5 devices"));
    const QByteArray added = savedFile("MnFarkliKaydet");
    undo->trigger(), control<QAction>("MnDeviceRedo")->trigger(), act("MnUndo")->trigger();
    EXPECT_EQ(savedFile("MnFarkliKaydet"), before);
    EXPECT_EQ(children({"Loop 1"}), (QStringList{"005", "007"}));

    // The same devices entered directly give the same file.
    for (int i = 1; int A : {3, 4, 6, 8, 9})
        cfg().setDevice(1, A, {4, 4, QStringLiteral("Kat 2 Oda %1 Cikis").arg(i++) + QString(40, u' '), 0, 0, 0, 0, 0});
    EXPECT_EQ(savedFile("MnFarkliKaydet"), added);

    // Not while a new device is being entered.
    newDevice(1, "050"), click({"Loop 1"}), press("BtAddRange");
    EXPECT_EQ(messages.messages, QStringList{"Save or cancel the device being entered first."});
    EXPECT_FALSE(undo->isEnabled() || control<QAction>("MnDeviceRedo")->isEnabled()) << "not during an entry";
    EXPECT_FALSE(win()->rangeDialog() && win()->rangeDialog()->isVisible());
}

// A site of 250 devices on two loops as an installer enters it: runs of rooms
// per floor, call points, sounders and relays, then the outputs' properties
// all at once. Each click and each field filled in counts as one action.
TEST_F(DeviceWindowTest, A250DeviceSiteTakesFewerThan150Actions)
{
    int actions = 3 + 1;  // New, two loops, OK; the devices button
    open();
    auto range = [&](int from, int to, const char *type, const char *pattern) {
        press("BtAddRange");
        AddRangeDialog *d = win()->rangeDialog();
        child<QSpinBox>(d, "RangeFrom")->setValue(from), child<QSpinBox>(d, "RangeTo")->setValue(to);
        child<QComboBox>(d, "RangeType")->setCurrentText(type);
        child<QComboBox>(d, "RangeZone")->setCurrentIndex((from - 1) / 25);
        child<QLineEdit>(d, "RangePattern")->setText(pattern), child<QPushButton>(d, "RangeOK")->click();
        actions += 7;
    };
    for (const char *loop : {"Loop 1", "Loop 2"}) {
        click({loop});
        for (int from = 1; from < 100; from += 25)
            range(from, from + 24, "QF-3010 Photo-electric smoke detector", "Kat {i} Oda");
        range(101, 110, "QF-1010 Manual call point", "Çıkış {i}");
        range(111, 120, "QF-5030 Sounder controller", "Siren {i}");
        range(121, 125, "QF-5010 Relay controller", "Damper {i}");
        for (auto [from, to, delay] : {std::tuple{"111", "120", "0"}, {"121", "125", "30"}}) {
            click({loop, from}), click({loop, to}, Qt::ShiftModifier), press("BtEditCihaz");
            control<QRadioButton>("ModOutputFire")->click(), control<QLineEdit>("ModuleDelay")->setText(delay);
            press("BtCihazOnay");
            actions += 6;
        }
    }
    int sounding = 0;  // the outputs' event and delay reached every one of them
    for (int A = 111; A <= 125; ++A)
        sounding +=
            cfg().CikisYangin(1, A) + cfg().CikisYangin(2, A) == 10 && cfg().Gecikme(2, A) == (A > 120 ? 30 : 0);
    EXPECT_EQ((QList<qsizetype>{children({"Loop 1"}).size() + children({"Loop 2"}).size(), sounding}),
              (QList<qsizetype>{250, 15}));
    EXPECT_LT(actions, 150);
}

}  // namespace
}  // namespace vaz::test
