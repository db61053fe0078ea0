#include "ui/causeeffect/CauseEffectMatrix.h"
#include "core/causeeffect/RuleLists.h"
#include "ui/causeeffect/RulesByZone.h"
#include "ui/causeeffect/SSicerik.h"
#include "ui/causeeffect/SebepSonuc.h"
#include "ui/devices/Fcihazverileri.h"
#include "ui/shell/ShellFixture.h"
#include "core/storage/ConfigFile.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTest>
#include <QTreeWidget>

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
        child<QLineEdit>(editor, "SSismiText")->insert(name), button("SSonay")->click();
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
    EXPECT_EQ(app->deviceWindow()->tree()->findItems("New", Qt::MatchRecursive).size(), 0);
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
    const auto found = app->deviceWindow()->tree()->findItems(QStringLiteral("Kat ğ"), Qt::MatchRecursive);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0]->parent()->text(0), "Cause-effect");
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

TEST_F(CauseEffectTest, RulesByZoneMakesARuleAZoneAsOneStep)
{
    main->setCauseEffectButton(false);
    EXPECT_FALSE(act("MnRulesByZone")->isEnabled()) << "where the editor is not, neither is this";
    main->setCauseEffectButton(true);
    // Besides the fixture's devices (zones 1, 2, 3 and 12 on loops 1 and 2), every zone in use.
    addZoneSite(cfg());
    app->deviceWindow()->openWindow(), app->deviceWindow()->hide(), main->show();
    QTreeWidget *tree = app->deviceWindow()->tree();

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
    EXPECT_EQ(tree->findItems("Zone 48", Qt::MatchRecursive).size(), 1);

    // One undo takes all 48 back.
    EXPECT_TRUE(act("MnUndo")->text().contains("Add cause-effects by zone")) << act("MnUndo")->text().toStdString();
    act("MnUndo")->trigger();
    EXPECT_EQ(cfg().SSsayisi, 0);
    EXPECT_TRUE(tree->findItems("Zone 1", Qt::MatchRecursive).isEmpty());

    // Zone 30 loses its only output: listed before OK, and told after it.
    cfg().CihazTipi(4, 30) = 0;
    act("MnRulesByZone")->trigger(), click("ZonesTickAll");
    const QString skipped = "Zone 30: has no outputs of the kinds chosen";
    EXPECT_EQ(child<QPlainTextEdit>(w, "ZoneSkipped")->toPlainText(), skipped);
    click("ZoneOK");
    EXPECT_EQ(messages.messages, QStringList{"Cause-effects added: 47. These zones were skipped:\n" + skipped});
    EXPECT_EQ(cfg().SSsayisi, 47);
}

}  // namespace
}  // namespace vaz::test
