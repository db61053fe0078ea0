#include "causeeffect/RuleLists.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <tuple>

using namespace vaz;

namespace {

QString b(int n) { return QString(n, u' '); }

// Loops 1 to 3 full of photo-electric detectors (381 inputs), sounder
// controllers at loop 4 addresses 1 to 3 and a heat detector at loop 4, 100.
std::unique_ptr<Config> manyDevices()
{
    auto cfg = std::make_unique<Config>();
    for (int loop = 1; loop <= 3; ++loop)
        for (int a = 1; a <= kAddresses; ++a) {
            cfg->CihazTipi(loop, a) = 2;
            cfg->BolgeNo(loop, a) = 1 + a % 48;
        }
    for (int a = 1; a <= 3; ++a)
        cfg->CihazTipi(4, a) = 8;
    cfg->CihazTipi(4, 100) = 4;
    cfg->SSyeniIsim = QStringLiteral("R");
    SSyerAl(*cfg, cfg->SSyeniIsim);
    return cfg;
}

}  // namespace

TEST(RuleLists, EntryTexts)
{
    const struct {
        int loop, address, zone, type;
        QString text;
    } cases[] = {
        {2, 100, 12, 8, " 2" + b(17) + " 100" + b(18) + " 12" + b(29) + "Sounder controller"},
        {1, 5, 3, 2, " 1" + b(21) + " 5" + b(20) + " 3" + b(29) + "Photo-elec. smoke det."},
        {4, 45, 0, 9, " 4" + b(19) + " 45" + b(23) + b(29) + "Multisensor"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GirisSatiri(c.loop, c.address, c.zone, c.type), c.text) << c.text.toStdString();

    auto cfg = manyDevices();
    cfg->BolgeNo(1, 5) = 3;
    cfg->BolgeNo(4, 2) = 0;
    cfg->CihazTipi(2, 17) = 0;  // deleted after it was used: listed without a type
    cfg->SSgirisler(1) = "1,5.2,17.4,100.:";
    cfg->SScikislar(1) = "4,2.5,1.5,7.5,9.6,1.:";
    cfg->SSkosul(1) = 2;
    const RuleView v = SSicerikGoruntule(*cfg, 1);
    EXPECT_EQ(v.name, "R");
    EXPECT_EQ(v.condition, "Coincidence");
    EXPECT_EQ(v.inputs, (QStringList{"1" + b(13) + "5" + b(9) + " 3" + b(8) + "Photo-elec. smoke det.",
                                     "2" + b(11) + "17" + b(7) + " 18" + b(8),
                                     "4" + b(9) + "100" + b(12) + b(8) + "Heat det."}));
    // Any address digits but 1 to 6 give the last panel output; loop 6 gives nothing.
    EXPECT_EQ(v.outputs, (QStringList{"4" + b(13) + "2" + b(12) + b(8) + "Sounder controller", "Sounder 1",
                                      "Fault relay", "Fault relay"}));
}

TEST(RuleLists, ClicksMapEntriesToTheirDevices)
{
    auto cfg = manyDevices();
    GirisCihazAl(*cfg);
    // Entry 300 is the 300th input in order: loop 3, address 46.
    SSlisteSecimi(*cfg, {299, 4});
    EXPECT_EQ(SSgirisListesi(*cfg, 1), "1,5.3,46.:");
    EXPECT_EQ(cfg->GirisSecimSayisi, 2);

    // Outputs: devices first, then panel outputs; beyond the limit only panel outputs count.
    CikisCihazAl(*cfg);
    EXPECT_TRUE(CikisListeSecimi(*cfg, {0, 6, 8}).forward);
    KayitlariDuzenle(*cfg);
    EXPECT_EQ(cfg->SScikislar(1), "4,2.5,1.5,7.:");
    QList<int> all(255);
    std::iota(all.begin(), all.end(), 0);
    const ListClick c = CikisListeSecimi(*cfg, all);
    EXPECT_TRUE(c.overLimit && c.forward);
    EXPECT_EQ(SScikisListesi(*cfg, 1), "5,1.5,2.5,3.5,4.5,5.5,6.5,7.:");

    // Without a name nothing is recorded and the count stays.
    cfg->SSyeniIsim.clear();
    EXPECT_FALSE(SSlisteSecimi(*cfg, {0}).showCount);
    EXPECT_EQ(cfg->GirisSecildi, 0);
}

TEST(RuleLists, SelectAllStopsPastTheLimit)
{
    std::vector<bool> lastSelected(300, false);
    lastSelected.back() = true;
    for (auto [selected, leading, over] : {std::tuple{std::vector<bool>(254, false), 254, false},
                                           {std::vector<bool>(508, false), 255, true}, {lastSelected, 254, true}}) {
        const SelectAll s = selectAllPrefix(selected);
        EXPECT_EQ(s.leading, leading);
        EXPECT_EQ(s.overLimit, over);
    }
}
