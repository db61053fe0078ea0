#include "model/Config.h"

#include <gtest/gtest.h>

#include <memory>

using namespace vaz;

TEST(Config, StartsEmptyAndChecksItsBoundsPerField)
{
    auto cfg = std::make_unique<Config>();
    for (int l = 0; l <= 5; ++l)
        for (int a = 0; a <= 128; ++a)
            ASSERT_TRUE(cfg->CihazTipi(l, a) == 0 && cfg->MahalText(l, a).isEmpty()) << l << "," << a;
    EXPECT_TRUE(cfg->Gecikmeler(7) == 0 && cfg->SSismi(200).isEmpty() && cfg->CevrimSayisi == 0);

    cfg->CihazTipi(5, 128) = 9;
    cfg->OlayTipi(5, 1) = 32;
    cfg->GecikmeIptal(5, 1) = 64;
    cfg->Gecikmeler(7) = 5;
    cfg->GirisIsareti(4, 200) = 1;
    for (auto bad : std::initializer_list<std::function<void()>>{
             [&] { cfg->Gecikme(5, 1) = 1; }, [&] { cfg->CikisHata(5, 1) = 1; }, [&] { cfg->CihazTipi(6, 1); },
             [&] { cfg->CihazTipi(1, 129); }, [&] { cfg->CihazTipi(-1, 1); }, [&] { cfg->MahalText(1, -1); },
             [&] { cfg->Gecikmeler(8); }, [&] { cfg->SSismi(201); }, [&] { cfg->SSkosul(-1); },
             [&] { cfg->GirisIsareti(5, 1); }, [&] { cfg->CevrimEklendi(5); }})
        EXPECT_THROW(bad(), RangeError);
    try {
        cfg->Gecikme(5, 12);
        FAIL();
    } catch (const RangeError &e) {
        EXPECT_STREQ(e.what(), "index (5, 12) is outside Gecikme (0 to 4, 0 to 128)");
    }
    EXPECT_FALSE(cfg->loopHasDevices(4));
    cfg->CihazTipi(4, 127) = 1;
    EXPECT_TRUE(cfg->loopHasDevices(4));
}
