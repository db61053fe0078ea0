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

TEST(Rules, TakeGiveBackDeleteAndFind)
{
    auto cfg = withRules(1);
    EXPECT_EQ(cfg->SSismi(1), "R1");  // blanks trimmed
    SSyerBirak(*cfg);
    SSyerBirak(*cfg);  // nothing left to give back
    EXPECT_EQ(cfg->SSsayisi, 0);
    EXPECT_TRUE(cfg->SSismi(1).isEmpty());

    auto full = withRules(200);
    const Config before = *full;
    EXPECT_FALSE(SSyerAl(*full, "R201"));
    EXPECT_EQ(*full, before);
    // Deleting moves the later rules down, from either end and the middle.
    SSsil(*full, 200);
    EXPECT_TRUE(full->SSismi(200).isEmpty() && full->SSgirisler(200).isEmpty() && full->SSkosul(200) == 0);
    SSsil(*full, 100);
    SSsil(*full, 1);
    EXPECT_EQ(full->SSsayisi, 197);
    EXPECT_EQ((QStringList{full->SSismi(1), full->SSismi(99), full->SSismi(197), full->SSgirisler(197)}),
              (QStringList{"R2", "R101", "R199", "1,73.:"}));
    EXPECT_EQ(full->SSkosul(1), 3);
    EXPECT_THROW(SSsil(*full, 0), RangeError);
    EXPECT_THROW(SSsil(*full, 198), RangeError);
    EXPECT_EQ(full->SSsayisi, 197);

    cfg = withRules(3);
    cfg->SSismi(3) = "R1";
    cfg->SSismi(4) = "Stale";  // above the count: never read
    EXPECT_EQ(SSbul(*cfg, "R2"), 2);
    EXPECT_EQ(SSbul(*cfg, "R1"), 1);  // the lower of equal names
    for (const char *none : {"r2", "R2 ", "Stale"})
        EXPECT_EQ(SSbul(*cfg, none), 0) << none;
}

TEST(Rules, ReadingListTextsAndMembership)
{
    EXPECT_TRUE(DizidenListeyeCevir(":").isEmpty() && DizidenListeyeCevir("").isEmpty());
    for (QString text : {QString("1,5.2,17.:"), QString("1,5,2,17,:"), QString("1,5.2,17.")}) {
        const auto items = DizidenListeyeCevir(text);
        ASSERT_EQ(items.size(), 2) << text.toStdString();
        EXPECT_TRUE(items[0].loop == 1 && items[0].address == 5 && items[1].loopDigits == "2" && items[1].address == 17);
    }
    // Garbage between separators is read as a number; a half item is dropped.
    const auto odd = DizidenListeyeCevir("x,7y.3");
    ASSERT_EQ(odd.size(), 1);
    EXPECT_TRUE(odd[0].loop == 0 && odd[0].address == 7);
    EXPECT_EQ(DizidenListeyeCevir("1,5.:9,9.").size(), 1);
    EXPECT_EQ(DizidenListeyeCevir(",,,,").size(), 2);
    EXPECT_EQ(DizidenListeyeCevir("99999999999,1.")[0].loop, 99999999999.0);

    for (const char *yes : {"1,5.", "2,3,1,5,:", "01,005.:"})
        EXPECT_TRUE(listContains(yes, 1, 5)) << yes;
    for (const char *no : {"1,50.", "11,5.", "5,1.:"})
        EXPECT_FALSE(listContains(no, 1, 5)) << no;
    auto cfg = withRules(1);
    cfg->SSgirisler(1) = "2,9.:";
    cfg->SScikislar(1) = "4,127.5,5.:";
    cfg->SSgirisler(2) = "1,5.:";  // slot above the count is ignored
    EXPECT_TRUE(CihazSSdurumunaBak(*cfg, 2, 9) && CihazSSdurumunaBak(*cfg, 4, 127));
    EXPECT_FALSE(CihazSSdurumunaBak(*cfg, 1, 5));
}

TEST(Rules, BuildingListTexts)
{
    auto cfg = withRules(0);
    cfg->GirisIsareti(2, 17) = cfg->GirisIsareti(1, 5) = 1;
    cfg->GirisIsareti(1, 6) = 2;  // marked for another rule
    EXPECT_EQ(SSgirisListesi(*cfg, 1), "1,5.2,17.:");
    EXPECT_EQ(SScikisListesi(*cfg, 1), ":");
    cfg->CikisIsareti(4, 127) = 1;
    cfg->PanelCikisSecimi(4) = 1;
    EXPECT_EQ(SScikisListesi(*cfg, 1), "4,127.5,5.:");
    cfg->GirisIsareti(1, 5) = cfg->GirisIsareti(2, 17) = 0;
    cfg->GirisIsareti(4, 127) = 1;
    EXPECT_EQ(SSgirisListesi(*cfg, 1), "4,127.:");
}
