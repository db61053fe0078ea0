#include "shell/ShellLogic.h"

#include <gtest/gtest.h>

#include <memory>

namespace vaz {
namespace {

TEST(ShellLogic, VersionTexts)
{
    EXPECT_EQ(mcuStatusText(12), "MCU Version : V1.2");
    EXPECT_EQ(mcuStatusText(14), "MCU Version : V1.2");
    EXPECT_EQ(mcuStatusText(15), "MCU Version : V1.5");
    EXPECT_EQ(mcuStatusText(20), "MCU Version : V2.0");
    EXPECT_EQ(mcuStatusText(0), "");
    EXPECT_EQ(kStatusNormal.size(), 38);
}

std::unique_ptr<Config> withDevicesOnEveryLoop()
{
    auto cfg = std::make_unique<Config>();
    for (int loop = 1; loop <= kLoops; ++loop) {
        cfg->CihazTipi(loop, 5) = 2;
        cfg->BolgeNo(loop, 5) = 7;
        cfg->MahalText(loop, 5) = QStringLiteral("Hall");
        cfg->GecikmeIptal(loop, 5) = 64;
    }
    return cfg;
}

TEST(ShellLogic, ShrinkingClearsOnlyBuiltLoops)
{
    auto cfg = withDevicesOnEveryLoop();
    cfg->CevrimSayisi = 2;
    cfg->Cevrim3Eklendi = 1;
    KontrolCevrimCihaz(*cfg);
    EXPECT_EQ(cfg->CihazTipi(3, 5), 0);
    EXPECT_EQ(cfg->BolgeNo(3, 5), 0);
    EXPECT_EQ(cfg->MahalText(3, 5), "");
    EXPECT_EQ(cfg->GecikmeIptal(3, 5), 64) << "only type, zone and location go";
    EXPECT_EQ(cfg->Cevrim3Eklendi, 0);
    EXPECT_EQ(cfg->CihazTipi(4, 5), 2) << "loop 4's branch was never built";
    EXPECT_EQ(cfg->CihazTipi(2, 5), 2);

    auto four = withDevicesOnEveryLoop();
    four->CevrimSayisi = 4;
    four->Cevrim3Eklendi = four->Cevrim4Eklendi = 1;
    KontrolCevrimCihaz(*four);
    EXPECT_EQ(four->CihazTipi(3, 5), 2);
    EXPECT_EQ(four->Cevrim4Eklendi, 1);

    auto none = withDevicesOnEveryLoop();
    none->Cevrim4Eklendi = 1;  // CevrimSayisi 0: confirmed without a choice
    KontrolCevrimCihaz(*none);
    EXPECT_EQ(none->CihazTipi(4, 5), 0);
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
    EXPECT_FALSE(baseline.unsaved(*cfg));
    cfg->SeciliTip = 3;  // working field, not in the file
    EXPECT_FALSE(baseline.unsaved(*cfg));
    cfg->McuVersiyon = 20;
    cfg->SSsayisi = 300;  // no file can hold it
    EXPECT_TRUE(baseline.unsaved(*cfg));
}

TEST(ShellLogic, NameInput)
{
    EXPECT_EQ(nameInputProblem(QString(40, u'a')), "");
    EXPECT_EQ(nameInputProblem(QStringLiteral("Şişli Çarşı € ü")), "");
    EXPECT_NE(nameInputProblem(QString(41, u'a')), "");
    EXPECT_NE(nameInputProblem(QStringLiteral("a\"b")), "");
    EXPECT_NE(nameInputProblem(QStringLiteral("a~b")), "");
    EXPECT_NE(nameInputProblem(QStringLiteral("北")), "");
}

TEST(ShellLogic, DelayText)
{
    auto stored = [](const char *text) {
        DelayInput in = delayFromText(QString::fromUtf8(text));
        return in.inRange ? in.seconds : -1;
    };
    EXPECT_EQ(stored("0"), 0);
    EXPECT_EQ(stored("999"), 999);
    EXPECT_EQ(stored("0.5"), 0);
    EXPECT_EQ(stored("1.5"), 2);
    EXPECT_EQ(stored("998.5"), 998);
    EXPECT_EQ(stored("7 sec"), 7);
    EXPECT_EQ(stored("abc"), 0);
    EXPECT_EQ(stored(""), 0);
    EXPECT_EQ(stored("1000"), -1);
    EXPECT_EQ(stored("999.6"), -1);
    EXPECT_EQ(stored("-1"), -1);
    EXPECT_EQ(stored("-0.4"), -1);
    EXPECT_EQ(stored("1e9999"), -1);
}

}  // namespace
}  // namespace vaz
