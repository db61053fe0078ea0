#include "ui/panel/Fpanelverileri.h"
#include "ui/shell/ShellFixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QStatusBar>

namespace vaz::test {
namespace {

class PanelWindowTest : public ShellTest {
protected:
    void SetUp() override { ShellTest::SetUp(), confirmVersion("v15"), newConfiguration(2); }
    Fpanelverileri *open() { return act("MnPanelVerisi")->trigger(), app->panelWindow(); }
    QLineEdit *box(const char *name) { return child<QLineEdit>(app->panelWindow(), name); }
    void press(const char *key) { child<QAction>(app->panelWindow(), key)->trigger(); }
};

TEST_F(PanelWindowTest, ShowsTheStoredValuesAndSwitchesTheCauseEffectButton)
{
    for (int i = 0; i < 7; ++i)
        cfg().Gecikmeler(i) = 10 + i;
    cfg().Gecikmeler(2) = 1500;  // a file may hold what the window would refuse
    cfg().CalmaModu = 1;
    Fpanelverileri *w = open();
    EXPECT_EQ((QStringList{box("TxtSiren1")->text(), box("TxtAlarmRol")->text(), box("TxtYanginRol")->text(),
                           box("TxtSiren3")->text()}),
              (QStringList{"10", "14", "15", "999"}));
    EXPECT_TRUE(cfg().Gecikmeler(2) == 999 && messages.messages == QStringList{"Inappropriate value!"});
    EXPECT_FALSE(box("TxtSiren1")->isEnabled() || child(w, "LabelHataRol")->isEnabled());
    // Opening with the zonal mode enables the cause-effect button.
    EXPECT_TRUE(child<QAbstractButton>(w, "DefRingMode_Zonal")->isChecked() && act("BtSebepSonuc")->isEnabled());
    // Empty names show the hints as placeholders, not as values.
    EXPECT_EQ((QStringList{box("TextTedarikci")->text(), box("TextTedarikci")->placeholderText(),
                           box("TextPanel")->placeholderText()}),
              (QStringList{"", "Supplier's name", "Max. 40 characters"}));
    auto *check = child<QCheckBox>(w, "Check1");
    check->click();
    EXPECT_TRUE(box("TxtHataRol")->isEnabled() && child(w, "LabelSiren1")->isEnabled());

    child<QAbstractButton>(w, "DefRingMode_Common")->click(), press("BtIptal");
    EXPECT_TRUE(cfg().CalmaModu == 0 && !act("BtSebepSonuc")->isEnabled() && app->mainWindow()->isVisible());

    // Coming back: unticked again; a mode neither option stands for chooses none.
    cfg().CalmaModu = 5, open();
    EXPECT_FALSE(check->isChecked() || box("TxtSiren1")->isEnabled());
    EXPECT_FALSE(child<QAbstractButton>(w, "DefRingMode_Zonal")->isChecked() ||
                 child<QAbstractButton>(w, "DefRingMode_Common")->isChecked());
    child<QAbstractButton>(w, "DefRingMode_Zonal")->click();
    EXPECT_TRUE(cfg().CalmaModu == 1 && act("BtSebepSonuc")->isEnabled());
}

TEST_F(PanelWindowTest, DelaysAreCheckedAndStoredOnEveryChange)
{
    open(), child<QCheckBox>(app->panelWindow(), "Check1")->click();
    // The box, the delay it stands for, what is typed and what is stored.
    const std::tuple<const char *, int, const char *, int> typed[] = {
        {"TxtSiren2", 1, "abc", 0},   {"TxtSiren2", 1, "1000", 999}, {"TxtHataRol", 6, "-1", 999},
        {"TxtSiren1", 0, "0.5", 0},   {"TxtSiren3", 2, "1.5", 2},    {"TxtSiren4", 3, "7 sec", 7},
        {"TxtAlarmRol", 4, "12", 12}, {"TxtYanginRol", 5, "30", 30}};
    for (auto [field, slot, text, stored] : typed) {
        cfg().Gecikmeler(slot) = 555, box(field)->setText(text);
        EXPECT_EQ(cfg().Gecikmeler(slot), stored) << field;
    }
    EXPECT_EQ(box("TxtSiren2")->text(), "999");
    EXPECT_EQ(messages.messages, QStringList(QList<QString>(2, "Inappropriate value!")));
    press("BtIptal");  // written at once: Cancel does not undo them
    EXPECT_EQ(cfg().Gecikmeler(5), 30);
}

TEST_F(PanelWindowTest, NamesAreCheckedAndTakenOverOnlyBySave)
{
    cfg().TedarikciAdi = QStringLiteral("Old"), open();
    box("TextTedarikci")->setText(QStringLiteral("New")), press("BtIptal");
    EXPECT_EQ(cfg().TedarikciAdi, "Old");
    open();
    EXPECT_EQ(box("TextTedarikci")->text(), "Old") << "each opening shows the configuration";
    app->panelWindow()->close();  // the frame's close is a Cancel
    EXPECT_TRUE(app->mainWindow()->isVisible());

    open(), box("TextTedarikci")->setText(QStringLiteral("Şişli Güvenlik Çözüm"));
    box("TextPanel")->setText(QStringLiteral("Kat Ğ")), press("BtOnay");
    EXPECT_EQ((QStringList{cfg().TedarikciAdi, line("LCDsatir2")}), QStringList(2, "Sisli Guvenlik Cozum"));
    EXPECT_EQ(cfg().PanelAdi, QStringLiteral("Kat Ğ")) << "the panel name is not reduced";
    EXPECT_TRUE(!app->panelWindow()->isVisible() && app->mainWindow()->isVisible());

    // Untouched empty boxes stay empty names.
    cfg().TedarikciAdi.clear(), cfg().PanelAdi.clear(), open(), press("BtOnay");
    EXPECT_EQ(cfg().TedarikciAdi + cfg().PanelAdi, "");

    // The boxes refuse what the file cannot carry.
    auto *status = child<QStatusBar>(open(), "StatusBar1");
    QLineEdit *name = box("TextPanel");
    name->insert(QStringLiteral("Hall €")), name->insert(QStringLiteral("~"));
    EXPECT_TRUE(name->text() == QStringLiteral("Hall €") && !status->currentMessage().isEmpty());
    QLineEdit *supplier = box("TextTedarikci");
    supplier->insert(QString(40, u'x')), supplier->insert(QStringLiteral("y"));
    EXPECT_EQ(supplier->text(), QString(40, u'x'));
    EXPECT_EQ(status->currentMessage(), "A name holds at most 40 characters.");
}

}  // namespace
}  // namespace vaz::test
