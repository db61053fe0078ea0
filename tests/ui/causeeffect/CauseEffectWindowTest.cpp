#include "ui/causeeffect/CauseEffectMatrix.h"
#include "core/causeeffect/RuleLists.h"
#include "ui/causeeffect/RulesByZone.h"
#include "ui/causeeffect/SSicerik.h"
#include "ui/causeeffect/SebepSonuc.h"
#include "ui/devices/Fcihazverileri.h"
#include "ui/shell/ShellFixture.h"
#include "core/storage/ConfigFile.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTest>
#include <QTreeView>

namespace vaz::test {
namespace {

class CauseEffectTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp(), main = confirmVersion("v2"), newConfiguration(4);
        // Inputs in list order (1,5) (1,7) (2,17); outputs after the seven panel ones (1,9) (2,100).
        addDevices(cfg(), {{1, 5, 2, 3}, {1, 7, 4, 1}, {2, 17, 1, 0}, {1, 9, 5, 2}, {2, 100, 8, 12}});
        main->setCauseEffectButton(true), editor = app->causeEffectEditor();
    }

    void open() { act("BtSebepSonuc")->trigger(); }
    QAbstractButton *button(const char *name) { return child<QAbstractButton>(editor, name); }
    QListWidget *list(const char *name) { return child<QListWidget>(editor, name); }
    QString label(const char *name) { return child<QLabel>(editor, name)->text(); }
    void confirmName(const QString &name)
    {
        child<QLineEdit>(editor, "SSismiText")->insert(name);
        QTest::keyClick(child<QLineEdit>(editor, "SSismiText"), Qt::Key_Return);  // as OK does
    }
    // As the user's Space on each entry in turn: each toggles that entry alone.
    void toggle(const char *name, std::initializer_list<int> rows)
    {
        for (int row : rows) {
            list(name)->setCurrentRow(row, QItemSelectionModel::NoUpdate);
            QTest::keyClick(list(name), Qt::Key_Space);
        }
    }

    // Every way out of the editor leads back to the device window.
    bool backInDevices() { return !editor->isVisible() && app->deviceWindow()->isVisible(); }
    QModelIndexList treeMatches(const QString &label)
    {
        const QAbstractItemModel *tree = app->deviceWindow()->tree()->model();
        return tree->match(tree->index(0, 0), Qt::DisplayRole, label, -1, Qt::MatchExactly | Qt::MatchRecursive);
    }

    lintor1 *main = nullptr;
    SebepSonuc *editor = nullptr;
};

TEST_F(CauseEffectTest, ConditionsTakeThemselvesBackWithoutEnoughInputs)
{
    // The very first rule, given up after OK, leaves nothing behind.
    const QByteArray none = storage::configFileBytes(cfg());
    open(), confirmName("First");
    button("iptal")->click();
    EXPECT_EQ(storage::configFileBytes(cfg()), none);

    setRules(cfg(), {"Old"}), open();
    // Before OK: no slot is ours.
    button("SSve")->click();
    EXPECT_TRUE(!button("SSve")->isChecked() && cfg().SSkosul(1) == 1);
    button("iptal")->click();
    EXPECT_TRUE(cfg().SSsayisi == 1 && cfg().SSismi(1) == "Old" && backInDevices());

    // A condition, the inputs chosen, whether it holds and the code stored.
    const std::tuple<const char *, int, bool, int> cases[] = {
        {"SSveya", 1, true, 1}, {"SSve", 1, false, 3},   {"SSikili", 1, false, 2},
        {"SSve", 2, true, 3},   {"SSikili", 2, true, 2},
    };
    for (auto [option, inputs, forward, code] : cases) {
        SCOPED_TRACE(option + std::to_string(inputs));
        open(), confirmName("New");
        toggle("SSliste", inputs == 2 ? std::initializer_list<int>{0, 2} : std::initializer_list<int>{0});
        button(option)->click();
        EXPECT_EQ((QList<int>{button("devam")->isEnabled(), button(option)->isChecked(), cfg().SSkosul(2)}),
                  (QList<int>{forward, forward, code}));
        // Choosing inputs again asks for the condition again.
        toggle("SSliste", {1});
        EXPECT_FALSE(button(option)->isChecked() || button("devam")->isEnabled());
        editor->close();  // by its frame: as Cancel
        EXPECT_TRUE(backInDevices() && cfg().SSsayisi == 1 && cfg().SSismi(2).isEmpty());
    }
    EXPECT_EQ(treeMatches("New").size(), 0);
}

// Inputs 1.005 "Kat 2 oda", 1.007 "Kat 2 hol" (zone 1), 2.017 "Kat 3"; output 1.009 "Rolesi".
TEST_F(CauseEffectTest, TheFilterNarrowsTheListsAndShiftClickChoosesARange)
{
    for (auto [loop, address, location] :
         {std::tuple{1, 5, "Kat 2 oda"}, {1, 7, "Kat 2 hol"}, {2, 17, "Kat 3"}, {1, 9, "Rolesi"}})
        cfg().MahalText(loop, address) = QString::fromLatin1(location);
    auto filter = [&](const char *text) { child<QLineEdit>(editor, "ListFilter")->setText(QString::fromUtf8(text)); };
    auto shown = [&](const char *name) {
        QList<int> rows;
        for (int row = 0; row < list(name)->count(); ++row)
            if (!list(name)->isRowHidden(row))
                rows << row;
        return rows;
    };
    auto click = [&](const char *name, int row, Qt::KeyboardModifiers keys) {
        QTest::mouseClick(list(name)->viewport(), Qt::LeftButton, keys,
                          list(name)->visualItemRect(list(name)->item(row)).center());
    };
    open(), confirmName("Kat2");
    filter("KAT 2");
    EXPECT_EQ(shown("SSliste"), (QList<int>{0, 1}));
    button("SelectShown")->click();
    filter("z1"), button("ClearShown")->click();
    EXPECT_EQ(label("girisAdet"), "1") << "only the shown one is cleared";

    // A click toggles 1.007 back; Shift+click takes the shown entries from there to 2.017.
    filter(""), click("SSliste", 1, Qt::NoModifier), click("SSliste", 2, Qt::ShiftModifier);
    EXPECT_EQ(label("girisAdet"), "3");
    button("SSveya")->click(), button("devam")->click();
    // Written as the panel shows it: "Röle" is "Role", found in "Rolesi"; "relay" in the panel's relays too.
    filter("Röle");
    EXPECT_EQ(shown("CikisListe"), QList<int>{7}) << "the filter stays for the outputs";
    filter("relay");
    EXPECT_EQ(shown("CikisListe"), (QList<int>{4, 5, 6, 7}));
    button("SelectShown")->click(), button("devam")->click();
    EXPECT_EQ((QStringList{cfg().SSgirisler(1), cfg().SScikislar(1)}),
              (QStringList{"1,5.1,7.2,17.:", "1,9.5,5.5,6.5,7.:"}));
    open();
    EXPECT_TRUE(shown("SSliste").size() == 3 && child<QLineEdit>(editor, "ListFilter")->text().isEmpty());
}

// Rule 1 as the panel sends it: AND of 1.005 and 2.017 to 2.100 and the fire relay.
TEST_F(CauseEffectTest, EditAndDuplicateAStoredRuleEachAsOneStep)
{
    setRules(cfg(), {"Kat1", "Kat2"});
    cfg().SSgirisler(1) = "1,5,2,17,:", cfg().SScikislar(1) = "2,100,5,5,:", cfg().SSkosul(1) = 3, app->startHistory();
    const QByteArray stored = storage::configFileBytes(cfg());
    auto viewerButton = [&](int rule, const char *name) {
        app->ruleViewer()->openForRule(rule), child<QAbstractButton>(app->ruleViewer(), name)->click();
    };
    auto selected = [&](const char *name) {
        QList<int> rows;
        for (QListWidgetItem *item : list(name)->selectedItems())
            rows << list(name)->row(item);
        std::sort(rows.begin(), rows.end());
        return rows;
    };

    // Opened as stored; Forward twice changes no byte, nor does Cancel after changes.
    viewerButton(1, "MnEditRule");
    EXPECT_TRUE(editor->isVisible() && !main->isVisible() && button("SSve")->isChecked() &&
                button("devam")->isEnabled() && !child<QLineEdit>(editor, "SSismiText")->isEnabled());
    EXPECT_EQ(selected("SSliste"), (QList<int>{0, 2}));
    button("devam")->click();
    EXPECT_EQ(selected("CikisListe"), (QList<int>{4, 8}));
    button("devam")->click();
    EXPECT_TRUE(backInDevices() && storage::configFileBytes(cfg()) == stored && !act("MnUndo")->isEnabled());
    viewerButton(1, "MnEditRule"), toggle("SSliste", {1}), button("SSveya")->click(), button("iptal")->click();
    EXPECT_TRUE(backInDevices() && storage::configFileBytes(cfg()) == stored);

    // A third input: the same slot, the changed list in the editor's form, one step to undo.
    viewerButton(1, "MnEditRule"), toggle("SSliste", {1}), button("SSikili")->click();
    button("devam")->click(), button("devam")->click();
    EXPECT_EQ((QStringList{cfg().SSismi(1), cfg().SSgirisler(1), cfg().SScikislar(1), cfg().SSismi(2)}),
              (QStringList{"Kat1", "1,5.1,7.2,17.:", "2,100,5,5,:", "Kat2"}));
    EXPECT_EQ(cfg().SSkosul(1), 2);
    EXPECT_EQ(act("MnUndo")->text(), "&Undo Edit cause-effect 'Kat1'");
    act("MnUndo")->trigger();
    EXPECT_EQ(storage::configFileBytes(cfg()), stored);

    // Duplicate: a taken name is said and asked again; Cancel copies nothing.
    messages.texts = {"Kat2", "Kat3"};
    viewerButton(1, "MnDuplicateRule");
    EXPECT_EQ(messages.messages.value(0), "A cause-effect with this name already exists.");
    EXPECT_EQ((QStringList{cfg().SSismi(3), cfg().SSgirisler(3), cfg().SScikislar(3)}),
              (QStringList{"Kat3", "1,5,2,17,:", "2,100,5,5,:"}));
    EXPECT_EQ(act("MnUndo")->text(), "&Undo Duplicate cause-effect 'Kat1'");
    app->ruleViewer()->openForRule(3), act("MnUndo")->trigger();
    EXPECT_TRUE(cfg().SSsayisi == 2 && !app->ruleViewer()->isVisible()) << "the copy and its viewer go";
    act("MnRedo")->trigger();
    viewerButton(2, "MnDuplicateRule");
    EXPECT_EQ(cfg().SSsayisi, 3);
    cfg().SSsayisi = 200, messages.messages.clear(), viewerButton(2, "MnDuplicateRule");
    EXPECT_EQ(messages.messages, QStringList{"The panel holds at most 200 cause-effect rules."})
        << "said before asking";
}

TEST_F(CauseEffectTest, ForwardBackForwardStoresTheLastOutputsAndTheRuleReachesTheFile)
{
    open();
    EXPECT_FALSE(main->isVisible());
    confirmName(QStringLiteral(" Kat ğ ")), toggle("SSliste", {2, 0, 1, 1});
    button("SSve")->click(), button("devam")->click();
    ASSERT_EQ(list("CikisListe")->count(), 9);
    EXPECT_FALSE(list("SSliste")->isVisible() || button("devam")->isEnabled());
    toggle("CikisListe", {7, 4});

    button("geri")->click();
    EXPECT_TRUE(button("devam")->isEnabled() && button("SSve")->isChecked())
        << "earlier inputs and condition still hold";
    button("devam")->click();
    EXPECT_TRUE(list("CikisListe")->selectedItems().isEmpty() && !button("devam")->isEnabled());
    toggle("CikisListe", {8, 4}), button("devam")->click();

    EXPECT_TRUE(backInDevices());
    const QModelIndexList found = treeMatches(QStringLiteral("Kat ğ"));
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].parent().data(), "Cause-effect");
    // Ringing mode, the rule count, then the rule's four lines.
    EXPECT_TRUE(savedFile("BtKaydet").endsWith("0\r\n1\r\n\"Kat \xF0\"\r\n\"1,5.2,17.:\"\r\n\"2,100.5,5.:\"\r\n3\r\n"));

    // A new rule starts without inputs: AND is taken back at once.
    open();
    EXPECT_TRUE(label("girisAdet").isEmpty());
    confirmName("Next"), button("SSve")->click();
    EXPECT_FALSE(button("SSve")->isChecked() || button("devam")->isEnabled());
    button("iptal")->click();
    EXPECT_EQ(cfg().SSsayisi, 1);
}

TEST_F(CauseEffectTest, RefusedNamesAndTheRuleLimit)
{
    setRules(cfg(), {"Hall"}), open();
    auto *name = child<QLineEdit>(editor, "SSismiText");
    auto *status = child<QStatusBar>(editor, "StatusBar1");
    for (const char *bad : {"}", " }", "\"", "~", "北"}) {
        status->clearMessage(), name->insert(QString::fromUtf8(bad));
        EXPECT_TRUE(name->text().isEmpty()) << bad;
        EXPECT_FALSE(status->currentMessage().isEmpty()) << bad;
    }
    // Ten characters make a name; an eleventh is refused.
    name->insert(QStringLiteral("Kat 2 Dogu"));
    name->insert(QStringLiteral("x"));
    EXPECT_EQ((QStringList{name->text(), status->currentMessage()}),
              (QStringList{"Kat 2 Dogu", "A name holds at most 10 characters."}));
    name->clear(), confirmName(" Hall");
    EXPECT_TRUE(messages.messages == QStringList{kDuplicateNameMessage} && name->isEnabled() && cfg().SSsayisi == 1);
    name->setText("hall");  // names differ by case
    button("SSonay")->click();
    EXPECT_EQ(cfg().SSsayisi, 2);
    button("iptal")->click();

    // At 200 rules the editor does not open at all.
    cfg().SSsayisi = kMaxRules, messages.messages.clear();
    main->show();
    const Config before = cfg();
    open();
    EXPECT_EQ(messages.messages, QStringList{kRuleLimitMessage});
    EXPECT_TRUE(main->isVisible() && !editor->isVisible() && cfg() == before);
}

TEST_F(CauseEffectTest, SelectAllAndClearAllHandleTheFinalSelection)
{
    for (int loop = 3; loop <= 4; ++loop)
        for (int a = 1; a <= kAddresses; ++a)
            cfg().CihazTipi(loop, a) = 9;
    open(), confirmName("All"), button("CheckAll")->click();
    EXPECT_EQ(messages.messages, QStringList{kListLimitMessage}) << "said once";
    EXPECT_EQ(std::pair(int(list("SSliste")->selectedItems().size()), label("girisAdet")),
              std::pair(255, QStringLiteral("255")));
    EXPECT_EQ(editor->draft().GirisSecildi, 0);
    toggle("SSliste", {0});
    EXPECT_EQ(std::pair(int(editor->draft().GirisSecimSayisi), label("girisAdet")),
              std::pair(254, QStringLiteral("254")));
    button("SSveya")->click();
    EXPECT_TRUE(button("devam")->isEnabled());

    button("ClearAll")->click();
    EXPECT_TRUE(label("girisAdet") == "0" && !button("SSveya")->isChecked() && !button("devam")->isEnabled());

    toggle("SSliste", {0}), button("SSveya")->click(), button("devam")->click();
    button("CheckAll")->click();
    EXPECT_TRUE(label("cikisAdet") == "9" && button("devam")->isEnabled());
}

TEST_F(CauseEffectTest, ViewerShowsTheRuleItWasOpenedWith)
{
    setRules(cfg(), {"One", "Two"}), cfg().SSgirisler(1) = "1,5,2,17,:", cfg().SScikislar(1) = "5,1.5,7.:";
    cfg().SSkosul(2) = 0;  // never finished
    SSicerik *viewer = app->ruleViewer();
    auto shown = [&] {
        QStringList texts{child<QListWidget>(viewer, "SSicerikSira")->item(0)->text()};
        for (const char *label : {"SSicerikKosul", "girisAdet2", "cikisAdet2"})
            texts << child<QLabel>(viewer, label)->text();
        return texts << QString::number(child<QListWidget>(viewer, "SSicerikGiris")->count());
    };
    const QStringList one{"One", "OR", "2 device(s)", "2 device(s)", "2"};

    viewer->openForRule(1);
    EXPECT_EQ(shown(), one);
    viewer->openForRule(2);
    EXPECT_EQ(shown(), one);
    viewer->close();
    viewer->openForRule(2);
    EXPECT_EQ(shown(), (QStringList{"Two", "", "0 device(s)", "0 device(s)", "0"}));
}

TEST_F(CauseEffectTest, TheMatrixShowsEveryRuleAndOpensTheOneClicked)
{
    setRules(cfg(), {"One", "Two"}), cfg().SSgirisler(1) = "1,5.2,17.:", cfg().SScikislar(1) = "1,9.5,1.:";
    cfg().SSgirisler(2) = "1,9.:";  // an output of One, an input of Two
    const QByteArray before = storage::configFileBytes(cfg());
    act("MnMatrix")->trigger();
    auto *matrix = app->mainWindow()->findChild<CauseEffectMatrix *>();
    ASSERT_TRUE(matrix && matrix->isVisible());
    QAbstractItemModel *m = matrix->table()->model();
    // Devices the rules use, then the seven panel outputs; five device columns, one a rule.
    ASSERT_EQ((QList<int>{m->rowCount(), m->columnCount()}), (QList<int>{3 + 7, 5 + 2}));
    auto cells = [&](int row) {
        return QStringList{m->index(row, 0).data().toString() + u'/' + m->index(row, 1).data().toString(),
                           m->index(row, 5).data().toString(), m->index(row, 6).data().toString()};
    };
    EXPECT_EQ(cells(1) << m->headerData(5, Qt::Horizontal).toString(), (QStringList{"1/9", "O", "I", "One (OR)"}));

    emit matrix->table()->horizontalHeader()->sectionClicked(6);
    EXPECT_EQ(child<QListWidget>(app->ruleViewer(), "SSicerikSira")->item(0)->text(), "Two");
    child<QAbstractButton>(matrix, "MatrixPrint")->click();
    ASSERT_EQ(output.printed.size(), 1);
    EXPECT_TRUE(output.printed[0].join(u'\n').contains("1 = One (OR)"));
    EXPECT_EQ(storage::configFileBytes(cfg()), before) << "showing stores nothing";
}

TEST_F(CauseEffectTest, MatrixCellsToggleMembersOneUndoStepEach)
{
    setRules(cfg(), {"One", "Two"}), cfg().SSkosul(1) = 3;
    cfg().SSgirisler(1) = "1,5,2,17,:", cfg().SScikislar(1) = "1,9,:";  // the panel's form
    cfg().SSgirisler(2) = "1,5.:", cfg().SScikislar(2) = "5,1.:";
    app->startHistory();
    act("MnMatrix")->trigger();
    auto *matrix = app->mainWindow()->findChild<CauseEffectMatrix *>();
    ASSERT_TRUE(matrix && matrix->isVisible());
    QTableView *table = matrix->table();
    QAbstractItemModel *m = table->model();
    emit table->horizontalHeader()->sectionClicked(5);  // the viewer follows rule One
    auto *viewerInputs = child<QListWidget>(app->ruleViewer(), "SSicerikGiris");
    // Rows (1,5) (1,9) (2,17), then the panel outputs; rule One in column 5, Two in 6.
    auto click = [&](int row, int column) {
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(m->index(row, column)).center());
    };
    click(1, 6);  // an output module: an output of Two
    table->setCurrentIndex(m->index(2, 6)), QTest::keyClick(table, Qt::Key_Space);
    EXPECT_EQ((QStringList{cfg().SSgirisler(2), cfg().SScikislar(2), m->index(1, 6).data().toString(),
                           m->index(2, 6).data().toString()}),
              (QStringList{"1,5.2,17.:", "1,9.5,1.:", "O", "I"}));
    click(0, 0);  // not a rule's cell
    click(2, 5);  // One is AND with two inputs
    EXPECT_EQ(matrix->statusBar()->currentMessage(), "Cause-effect 'One' is an AND: it needs at least two inputs.");
    EXPECT_EQ(cfg().SSgirisler(1), "1,5,2,17,:");

    // (1,7) is in no rule: it has a row only with every device shown.
    child<QCheckBox>(matrix, "ShowEveryDevice")->click();
    ASSERT_EQ(m->rowCount(), 5 + 7);
    EXPECT_EQ(m->index(1, 0).data().toString() + u',' + m->index(1, 1).data().toString(), "1,7");
    click(1, 5);
    EXPECT_EQ(cfg().SSgirisler(1), "1,5.1,7.2,17.:");
    EXPECT_EQ((QList<int>{viewerInputs->count(), int(m->index(1, 5).data().toString() == "I")}), (QList<int>{3, 1}));

    auto *undo = child<QAction>(matrix, "MatrixUndo");
    EXPECT_EQ(undo->text(), "&Undo Toggle cause-effect 'One'");
    undo->trigger();
    EXPECT_EQ((QStringList{cfg().SSgirisler(1), cfg().SSgirisler(2), m->index(1, 5).data().toString()}),
              (QStringList{"1,5,2,17,:", "1,5.2,17.:", ""}));
    EXPECT_EQ(viewerInputs->count(), 2);
    EXPECT_EQ(undo->text(), "&Undo Toggle cause-effect 'Two'");
}

// Entries line up with blanks and cells hold a bare mark: neither reads aloud.
TEST_F(CauseEffectTest, ListEntriesAndMatrixCellsReadAsWords)
{
    setRules(cfg(), {"Kat1", "Two"}), cfg().SSgirisler(1) = "1,7.:", cfg().SScikislar(1) = "5,1.2,100.:";
    cfg().SScikislar(2) = "1,7.:";  // a detector among the outputs: the matrix marks it all the same
    cfg().MahalText(1, 7) = "Kapi", cfg().MahalText(2, 17) = " ";
    auto spoken = [](const QModelIndex &i) { return i.data(Qt::AccessibleTextRole).toString(); };

    open(), confirmName("New");
    QAccessibleInterface *inputs = QAccessible::queryAccessibleInterface(list("SSliste"));
    ASSERT_TRUE(inputs && inputs->tableInterface());
    QStringList heard;
    for (int row : {1, 2})
        heard << inputs->tableInterface()->cellAt(row, 0)->text(QAccessible::Name);
    EXPECT_EQ(heard,
              (QStringList{"Loop 1, address 7, zone 1, Heat detector, Kapi", "Loop 2, address 17, Manual call point"}));
    editor->close();

    app->ruleViewer()->openForRule(1);
    auto *viewerOutputs = child<QListWidget>(app->ruleViewer(), "SSicerikCikis");
    EXPECT_EQ((QStringList{spoken(child<QListWidget>(app->ruleViewer(), "SSicerikGiris")->model()->index(0, 0)),
                           spoken(viewerOutputs->model()->index(0, 0)), spoken(viewerOutputs->model()->index(1, 0))}),
              (QStringList{"Loop 1, address 7, zone 1, Heat detector, Kapi", "Sounder 1",
                           "Loop 2, address 100, zone 12, Sounder controller"}));

    // Rows (1,7) (2,100), then the panel outputs; rule Kat1 in column 5, Two in 6.
    act("MnMatrix")->trigger();
    QAbstractItemModel *m = app->mainWindow()->findChild<CauseEffectMatrix *>()->table()->model();
    EXPECT_EQ((QStringList{spoken(m->index(0, 5)), spoken(m->index(0, 6)), spoken(m->index(1, 6)),
                           spoken(m->index(2, 5)), spoken(m->index(0, 3))}),
              (QStringList{"Loop 1 address 7 is an input of rule Kat1", "Loop 1 address 7 is an output of rule Two",
                           "Loop 2 address 100 is not in rule Two", "Sounder 1 is an output of rule Kat1", "Zone: 1"}));
    EXPECT_EQ(m->index(0, 5).data().toString(), "I") << "the shown mark stays";
}

TEST_F(CauseEffectTest, RulesByZoneMakesARuleAZoneAsOneStep)
{
    main->setCauseEffectButton(false);
    EXPECT_FALSE(act("MnRulesByZone")->isEnabled()) << "where the editor is not, neither is this";
    main->setCauseEffectButton(true);
    // Besides the fixture's devices (zones 1, 2, 3 and 12 on loops 1 and 2), every zone in use.
    addZoneSite(cfg());
    app->deviceWindow()->openWindow(), app->deviceWindow()->hide(), main->show();

    int actions = 0;
    RulesByZone *w = app->rulesByZone();
    auto click = [&](const char *name) { ++actions, child<QAbstractButton>(w, name)->click(); };
    ++actions, act("MnRulesByZone")->trigger();
    click("ZonesTickAll"), click("ZoneOK");
    EXPECT_LE(actions, 3);
    EXPECT_TRUE(messages.messages.isEmpty() && !w->isVisible());
    ASSERT_EQ(cfg().SSsayisi, 48);
    const QByteArray saved = savedFile("BtKaydet");
    for (const char *rule : {"\"Zone 1\"\r\n\"1,7.3,1.3,2.:\"\r\n\"4,1.4,49.:\"\r\n1\r\n",
                             "\"Zone 2\"\r\n\"3,3.3,4.:\"\r\n\"1,9.4,2.4,50.:\"\r\n1\r\n",
                             "\"Zone 12\"\r\n\"3,23.3,24.:\"\r\n\"2,100.4,12.4,60.:\"\r\n1\r\n",
                             "\"Zone 48\"\r\n\"3,95.3,96.:\"\r\n\"4,48.:\"\r\n1\r\n"})
        EXPECT_TRUE(saved.contains(rule)) << rule;
    EXPECT_EQ(treeMatches("Zone 48").size(), 1);

    // One undo takes all 48 back.
    EXPECT_TRUE(act("MnUndo")->text().contains("Add cause-effects by zone")) << act("MnUndo")->text().toStdString();
    act("MnUndo")->trigger();
    EXPECT_EQ(cfg().SSsayisi, 0);
    EXPECT_TRUE(treeMatches("Zone 1").isEmpty());

    // Zone 30 loses its only output: listed before OK, and told after it.
    cfg().CihazTipi(4, 30) = 0;
    act("MnRulesByZone")->trigger(), click("ZonesTickAll");
    const QString skipped = "Zone 30: has no outputs of the kinds chosen";
    EXPECT_EQ(child<QPlainTextEdit>(w, "ZoneSkipped")->toPlainText(), skipped);
    click("ZoneOK");
    EXPECT_EQ(messages.messages, QStringList{"Cause-effects added: 47. These zones were skipped:\n" + skipped});
    EXPECT_EQ(cfg().SSsayisi, 47);
}

// Six floors, each two detectors and a call point to its sounder and relay,
// and two plant-room detectors (floor 6) with AND to a damper relay (zone 7).
TEST_F(CauseEffectTest, ASixFloorSiteTakesFewActions)
{
    for (auto [loop, address] : {std::pair{1, 5}, {1, 7}, {2, 17}, {1, 9}, {2, 100}})
        cfg().removeDevice(loop, address);
    for (int floor = 1; floor <= 6; ++floor)
        addDevices(cfg(), {{3, 4 * floor - 3, 2, floor},
                           {3, 4 * floor - 2, 2, floor},
                           {3, 4 * floor - 1, 1, floor},
                           {4, 2 * floor - 1, 8, floor},
                           {4, 2 * floor, 5, floor}});
    addDevices(cfg(), {{3, 30, 2, 6}, {3, 31, 2, 6}, {4, 20, 5, 7}});
    cfg().MahalText(3, 30) = cfg().MahalText(3, 31) = "Plant room", cfg().MahalText(4, 20) = "Damper";

    int actions = 0;
    auto act_ = [&](QAbstractButton *b) { ++actions, b->click(); };
    auto filter = [&](const char *text) { ++actions, child<QLineEdit>(editor, "ListFilter")->setText(text); };
    ++actions, act("MnRulesByZone")->trigger();
    RulesByZone *zones = app->rulesByZone();
    act_(child<QAbstractButton>(zones, "ZonesTickAll")), act_(child<QAbstractButton>(zones, "ZoneOK"));
    ++actions, act("BtSebepSonuc")->trigger();
    ++actions, child<QLineEdit>(editor, "SSismiText")->setText("Damper");
    act_(button("SSonay")), filter("plant"), act_(button("SelectShown")), act_(button("SSve")), act_(button("devam"));
    filter("damper"), act_(button("SelectShown")), act_(button("devam"));
    EXPECT_LT(actions, 40);
    ASSERT_EQ(cfg().SSsayisi, 7);
    EXPECT_EQ((QStringList{cfg().SSismi(6), cfg().SSgirisler(6), cfg().SScikislar(6)}),
              (QStringList{"Zone 6", "3,21.3,22.3,23.3,30.3,31.:", "4,11.4,12.:"}));
    EXPECT_EQ(
        (QStringList{cfg().SSismi(7), cfg().SSgirisler(7), cfg().SScikislar(7), QString::number(cfg().SSkosul(7))}),
        (QStringList{"Damper", "3,30.3,31.:", "4,20.:", "3"}));
}

}  // namespace
}  // namespace vaz::test
