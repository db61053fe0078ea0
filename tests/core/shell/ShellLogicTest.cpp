#include "core/model/NameCheck.h"
#include "core/panel/PanelDelays.h"
#include "core/shell/ShellLogic.h"
#include "support/Printers.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

namespace vaz {
namespace {

TEST(ShellLogic, VersionNameAndDelayTexts)
{
    QStringList versions;
    for (int code : {12, 14, 15, 20, 0})
        versions << mcuStatusText(code);
    EXPECT_EQ(versions, (QStringList{"MCU Version : V1.2", "MCU Version : V1.2", "MCU Version : V1.5",
                                     "MCU Version : V2.0", ""}));

    const std::pair<QString, bool> names[] = {{QString(40, u'a'), true},      {QStringLiteral("Şişli Çarşı € ü"), true},
                                              {QString(41, u'a'), false},     {QStringLiteral("a\"b"), false},
                                              {QStringLiteral("a~b"), false}, {QStringLiteral("北"), false}};
    for (const auto &[name, fine] : names)
        EXPECT_EQ(nameInputProblem(name).isEmpty(), fine) << name.toStdString();

    // Seconds stored for a typed text; -1: refused.
    const std::pair<const char *, int> delays[] = {
        {"0", 0}, {"999", 999}, {"0.5", 0},    {"1.5", 2}, {"998.5", 998}, {"7 sec", 7},  {"abc", 0},
        {"", 0},  {"1000", -1}, {"999.6", -1}, {"-1", -1}, {"-0.4", -1},   {"1e9999", -1}};
    for (const auto &[text, seconds] : delays) {
        const DelayInput in = delayFromText(QString::fromUtf8(text));
        EXPECT_EQ(in.inRange ? in.seconds : -1, seconds) << text;
    }
}

TEST(ShellLogic, BaselineTellsUnsavedChanges)
{
    auto cfg = std::make_unique<Config>();
    SaveBaseline baseline;
    EXPECT_FALSE(baseline.unsaved(*cfg)) << "no configuration, nothing to lose";
    cfg->CevrimSayisi = 2;
    EXPECT_TRUE(baseline.unsaved(*cfg)) << "never saved";
    baseline.mark(*cfg);
    EXPECT_FALSE(baseline.unsaved(*cfg));
    cfg->TedarikciAdi = QStringLiteral("Acme");
    EXPECT_TRUE(baseline.unsaved(*cfg)) << "edited after the save";
    cfg->TedarikciAdi.clear();
    cfg->DosyaKaydedildi = 1;  // working field, not in the file
    EXPECT_FALSE(baseline.unsaved(*cfg));
    cfg->McuVersiyon = 20;
    cfg->SSsayisi = 300;  // no file can hold it
    EXPECT_TRUE(baseline.unsaved(*cfg));
}

}  // namespace
}  // namespace vaz
