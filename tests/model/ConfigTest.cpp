#include "model/Config.h"

#include <gtest/gtest.h>

#include <memory>

using namespace vaz;

TEST(Config, StartsEmpty)
{
    auto cfg = std::make_unique<Config>();
    EXPECT_EQ(cfg->CevrimSayisi, 0);
    EXPECT_EQ(cfg->McuVersiyon, 0);
    EXPECT_EQ(cfg->CalmaModu, 0);
    EXPECT_EQ(cfg->SSsayisi, 0);
    EXPECT_EQ(cfg->SSyerAyrildi, 0);
    for (int l = 0; l <= 5; ++l)
        for (int a = 0; a <= 128; ++a) {
            EXPECT_EQ(cfg->CihazTipi(l, a), 0);
            EXPECT_TRUE(cfg->MahalText(l, a).isEmpty());
        }
    for (int i = 0; i <= 7; ++i)
        EXPECT_EQ(cfg->Gecikmeler(i), 0);
    EXPECT_TRUE(cfg->SSismi(200).isEmpty());
    EXPECT_EQ(*cfg, Config());
}

TEST(Config, LoopBoundsDifferPerField)
{
    auto cfg = std::make_unique<Config>();
    cfg->CihazTipi(5, 128) = 9;
    cfg->OlayTipi(5, 1) = 32;
    cfg->GecikmeIptal(5, 1) = 64;
    EXPECT_EQ(cfg->CihazTipi(5, 128), 9);
    EXPECT_THROW(cfg->Gecikme(5, 1) = 1, RangeError);
    EXPECT_THROW(cfg->CikisYangin(5, 1) = 1, RangeError);
    EXPECT_THROW(cfg->CikisHata(5, 1) = 1, RangeError);
    EXPECT_THROW(cfg->CihazTipi(6, 1), RangeError);
    EXPECT_THROW(cfg->CihazTipi(1, 129), RangeError);
    EXPECT_THROW(cfg->CihazTipi(-1, 1), RangeError);
    EXPECT_THROW(cfg->MahalText(1, -1), RangeError);
    EXPECT_THROW(cfg->Gecikmeler(8), RangeError);
    EXPECT_THROW(cfg->SSismi(201), RangeError);
    EXPECT_THROW(cfg->SSkosul(-1), RangeError);
    EXPECT_NO_THROW(cfg->Gecikmeler(7) = 5);
    EXPECT_NO_THROW(cfg->GirisIsareti(4, 200) = 1);
    EXPECT_THROW(cfg->GirisIsareti(5, 1), RangeError);
    EXPECT_THROW(cfg->CevrimEklendi(5), RangeError);
    try {
        cfg->Gecikme(5, 12);
        FAIL();
    } catch (const RangeError &e) {
        EXPECT_STREQ(e.what(), "index (5, 12) is outside Gecikme (0 to 4, 0 to 128)");
    }
}

TEST(Config, CopiesAreIndependentAndComparable)
{
    auto a = std::make_unique<Config>();
    a->MahalText(3, 9) = "Kazan dairesi";
    a->SSsayisi = 1;
    auto b = std::make_unique<Config>(*a);
    EXPECT_EQ(*a, *b);
    b->MahalText(3, 9) = "x";
    EXPECT_EQ(a->MahalText(3, 9), "Kazan dairesi");
    EXPECT_NE(*a, *b);
    EXPECT_FALSE(a->loopHasDevices(4));
    a->CihazTipi(4, 127) = 1;
    EXPECT_TRUE(a->loopHasDevices(4));
}
