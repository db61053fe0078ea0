#include "ui/site/LoopCalcWindow.h"

#include "core/model/Settings.h"
#include "ui/shell/ShellFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

namespace vaz::test {
namespace {

class LoopCalcTest : public ShellTest {
protected:
    LoopCalcWindow *open()
    {
        act("MnLoopCalc")->trigger();
        return app->loadedMainWindow()->findChild<LoopCalcWindow *>();
    }
    static QString results(LoopCalcWindow *w) { return child<QPlainTextEdit>(w, "LoopCalcResults")->toPlainText(); }
};

TEST_F(LoopCalcTest, OfferedFiguresAreStoredOnlyByApplyAsOneStep)
{
    confirmVersion("v2");
    newConfiguration(4);
    addDevices(cfg(), {{1, 1, 1, 1}, {1, 2, 2, 1}});
    app->startHistory();
    rememberTypeCurrents(*toolSettings(), {{1, {0.3, 10.0}}});

    LoopCalcWindow *w = open();
    ASSERT_NE(w, nullptr);
    auto *model = qobject_cast<QStandardItemModel *>(child<QTableView>(w, "LoopCalcCurrents")->model());
    EXPECT_EQ(model->item(0, 1)->text(), "0.3") << "the figures last confirmed are offered";
    EXPECT_TRUE(cfg().site.isEmpty()) << "showing never writes";
    EXPECT_FALSE(act("MnUndo")->isEnabled());
    const QString type2 = model->item(1, 0)->text();
    EXPECT_TRUE(results(w).contains("Loop 1: not calculated: no currents for " + type2));

    model->item(1, 1)->setText("0.5"), model->item(1, 2)->setText("20");
    child<QLineEdit>(w, "LoopCalcOutputV")->setText("24");
    child<QLineEdit>(w, "LoopCalcMinimumV")->setText("17");
    child<QLineEdit>(w, "LoopCalcPanelQuiescent")->setText("250");
    child<QLineEdit>(w, "LoopCalcPanelAlarm")->setText("720");
    EXPECT_TRUE(results(w).contains("Loop 1: not calculated: no cable length")) << "recomputed as typed";
    EXPECT_TRUE(results(w).contains("Battery capacity: 8.34 Ah")) << results(w).toStdString();
    child<QComboBox>(w, "LoopCalcMethod")->setCurrentIndex(1);
    EXPECT_TRUE(child<QComboBox>(w, "LoopCalcAlarm")->isEnabled());
    EXPECT_TRUE(cfg().site.isEmpty());

    child<QPushButton>(w, "LoopCalcApply")->click();
    EXPECT_EQ(cfg().site.typeCurrents.value(2), (site::Currents{0.5, 20.0}));
    EXPECT_EQ(cfg().site.supply.method, site::BatteryMethod::Nfpa72);
    EXPECT_EQ(cfg().site.supply.alarmMinutes, 5);
    EXPECT_EQ(rememberedTypeCurrents(*toolSettings()).size(), 2);

    QTemporaryDir dir;
    dialogs.paths = {dir.filePath("calc.csv")};
    child<QPushButton>(w, "LoopCalcExport")->click();
    EXPECT_TRUE(fileBytes(dir.filePath("calc.csv")).contains("Capacity (Ah)"));

    child<QLineEdit>(w, "LoopCalcOutputV")->setText("27");
    child<QPushButton>(w, "LoopCalcCancel")->click();
    EXPECT_EQ(cfg().site.supply.loopOutputV, 24.0) << "Cancel keeps what Apply stored";
    act("MnUndo")->trigger();
    EXPECT_TRUE(cfg().site.isEmpty());
    EXPECT_FALSE(act("MnUndo")->isEnabled()) << "Apply was one step";
}

}  // namespace
}  // namespace vaz::test
