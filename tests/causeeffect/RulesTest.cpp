#include "causeeffect/Rules.h"

#include <gtest/gtest.h>

#include <memory>

using namespace vaz;

namespace {
std::unique_ptr<Config> withRules(int n)
{
    auto cfg = std::make_unique<Config>();
    for (int r = 1; r <= n; ++r) {
        EXPECT_TRUE(SSyerAl(*cfg, " R" + QString::number(r) + " "));
        cfg->SSgirisler(r) = QString("1,%1.:").arg(r % 127 + 1);
        cfg->SScikislar(r) = "5,1.:";
        cfg->SSkosul(r) = 1 + r % 3;
    }
    return cfg;
}
}  // namespace

TEST(Rules, TakeAndGiveBackSlots)
{
    auto cfg = withRules(0);
    EXPECT_TRUE(SSyerAl(*cfg, "  Kitchen "));
    EXPECT_EQ(cfg->SSsayisi, 1);
    EXPECT_EQ(cfg->SSismi(1), "Kitchen");
    SSyerBirak(*cfg);
    EXPECT_EQ(cfg->SSsayisi, 0);
    EXPECT_TRUE(cfg->SSismi(1).isEmpty());
    SSyerBirak(*cfg);  // nothing to give back
    EXPECT_EQ(cfg->SSsayisi, 0);

    auto full = withRules(200);
    EXPECT_EQ(full->SSsayisi, 200);
    Config before = *full;
    EXPECT_FALSE(SSyerAl(*full, "R201"));
    EXPECT_EQ(*full, before);
}

TEST(Rules, DeleteKeepsOrder)
{
    auto cfg = withRules(3);
    SSsil(*cfg, 1);
    EXPECT_EQ(cfg->SSsayisi, 2);
    EXPECT_EQ(cfg->SSismi(1), "R2");
    EXPECT_EQ(cfg->SSismi(2), "R3");
    EXPECT_EQ(cfg->SSkosul(2), 1);
    EXPECT_TRUE(cfg->SSismi(3).isEmpty());
    EXPECT_EQ(cfg->SSkosul(3), 0);

    auto full = withRules(200);
    SSsil(*full, 200);
    EXPECT_EQ(full->SSsayisi, 199);
    EXPECT_TRUE(full->SSismi(200).isEmpty());
    EXPECT_TRUE(full->SSgirisler(200).isEmpty());
    SSsil(*full, 100);
    EXPECT_EQ(full->SSismi(100), "R101");
    EXPECT_EQ(full->SSismi(198), "R199");
    EXPECT_EQ(full->SSgirisler(198), "1,73.:");
    EXPECT_EQ(full->SSsayisi, 198);
    SSsil(*full, 1);
    EXPECT_EQ(full->SSismi(1), "R2");

    EXPECT_THROW(SSsil(*cfg, 0), RangeError);
    EXPECT_THROW(SSsil(*cfg, 3), RangeError);
    EXPECT_EQ(cfg->SSsayisi, 2);
}

TEST(Rules, FindByExactName)
{
    auto cfg = withRules(3);
    cfg->SSismi(3) = "R1";
    EXPECT_EQ(SSbul(*cfg, "R2"), 2);
    EXPECT_EQ(SSbul(*cfg, "R1"), 1);  // the lower of equal names
    EXPECT_EQ(SSbul(*cfg, "r2"), 0);
    EXPECT_EQ(SSbul(*cfg, "R2 "), 0);
    cfg->SSismi(4) = "Stale";  // above the count: never read
    EXPECT_EQ(SSbul(*cfg, "Stale"), 0);
}

TEST(Rules, ReadingListTexts)
{
    EXPECT_TRUE(DizidenListeyeCevir(":").isEmpty());
    EXPECT_TRUE(DizidenListeyeCevir("").isEmpty());
    for (QString text : {QString("1,5.2,17.:"), QString("1,5,2,17,:"), QString("1,5.2,17.")}) {
        auto items = DizidenListeyeCevir(text);
        ASSERT_EQ(items.size(), 2) << text.toStdString();
        EXPECT_EQ(items[0].loop, 1);
        EXPECT_EQ(items[0].address, 5);
        EXPECT_EQ(items[1].loopDigits, "2");
        EXPECT_EQ(items[1].address, 17);
    }
    // Garbage between separators is read as a number; a half item is dropped.
    auto odd = DizidenListeyeCevir("x,7y.3");
    ASSERT_EQ(odd.size(), 1);
    EXPECT_EQ(odd[0].loop, 0);
    EXPECT_EQ(odd[0].address, 7);
    EXPECT_EQ(DizidenListeyeCevir("1,5.:9,9.").size(), 1);
    EXPECT_EQ(DizidenListeyeCevir(",,,,").size(), 2);
    EXPECT_EQ(DizidenListeyeCevir("99999999999,1.")[0].loop, 99999999999.0);
}

TEST(Rules, MembershipComparesNumbers)
{
    EXPECT_TRUE(listContains("1,5.", 1, 5));
    EXPECT_TRUE(listContains("2,3,1,5,:", 1, 5));
    EXPECT_TRUE(listContains("01,005.:", 1, 5));
    EXPECT_FALSE(listContains("1,50.", 1, 5));
    EXPECT_FALSE(listContains("11,5.", 1, 5));
    EXPECT_FALSE(listContains("5,1.:", 1, 5));

    auto cfg = withRules(0);
    ASSERT_TRUE(SSyerAl(*cfg, "A"));
    cfg->SSgirisler(1) = "2,9.:";
    cfg->SScikislar(1) = "1,100.5,5.:";
    EXPECT_TRUE(CihazSSdurumunaBak(*cfg, 2, 9));
    EXPECT_TRUE(CihazSSdurumunaBak(*cfg, 1, 100));
    EXPECT_FALSE(CihazSSdurumunaBak(*cfg, 1, 5));
    cfg->SSgirisler(2) = "1,5.:";  // slot above the count is ignored
    EXPECT_FALSE(CihazSSdurumunaBak(*cfg, 1, 5));
}

TEST(Rules, BuildingListTexts)
{
    auto cfg = withRules(0);
    cfg->GirisIsareti(2, 17) = 1;
    cfg->GirisIsareti(1, 5) = 1;
    cfg->GirisIsareti(1, 6) = 2;  // marked for another rule
    EXPECT_EQ(SSgirisListesi(*cfg, 1), "1,5.2,17.:");
    EXPECT_EQ(SScikisListesi(*cfg, 1), ":");
    cfg->CikisIsareti(1, 100) = 1;
    cfg->PanelCikisSecimi(4) = 1;
    EXPECT_EQ(SScikisListesi(*cfg, 1), "1,100.5,5.:");
    cfg->CikisIsareti(1, 100) = 0;
    cfg->PanelCikisSecimi(4) = 0;
    cfg->PanelCikisSecimi(0) = 1;
    cfg->PanelCikisSecimi(6) = 1;
    EXPECT_EQ(SScikisListesi(*cfg, 1), "5,1.5,7.:");
    cfg->GirisIsareti(1, 5) = 0;
    cfg->GirisIsareti(2, 17) = 0;
    cfg->GirisIsareti(3, 7) = 1;
    EXPECT_EQ(SSgirisListesi(*cfg, 1), "3,7.:");
}
