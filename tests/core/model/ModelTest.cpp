#include "core/model/Codepage.h"
#include "core/model/Config.h"
#include "core/model/Conversions.h"
#include "support/Printers.h"

#include <gmock/gmock.h>

#include <cmath>
#include <memory>

using namespace vaz;

TEST(Conversions, ValueOfTextAndDeviceLabels)
{
    const std::pair<const char *, double> values[] = {
        {"", 0},      {"abc", 0},   {" 12", 12},    {"-3", -3},     {"1 2", 12},        {"\t- 4", -4}, {"1,5", 1},
        {"7 sec", 7}, {"0.5", 0.5}, {".25x", 0.25}, {"1.2.3", 1.2}, {"1e3", 1000},      {"2E-1", 0.2}, {"5e", 5},
        {"+8", 8},    {"-", 0},     {"Ş12", 0},     {"1e-999", 0},  {"1e999", INFINITY}};
    for (const auto &[text, value] : values)
        EXPECT_EQ(textValue(QString::fromUtf8(text)), value) << text;
    EXPECT_EQ(textValue(QString(5000, u'9')), INFINITY);

    EXPECT_EQ(deviceLabel(1) + deviceLabel(42) + deviceLabel(127), "001042127");
    for (const char *yes : {"001", "127", "100", "0042"})
        EXPECT_TRUE(isDeviceLabel(yes)) << yes;
    // Compared as text, so "5" is not below "128".
    for (const char *no : {"5", "000", "128", "200", "Loop 1", "Cause-effect", "12a", "", "-1", "1000000000000000"})
        EXPECT_FALSE(isDeviceLabel(no)) << no;
}

TEST(Conversions, HalfEvenRoundingAndSixteenBits)
{
    const std::pair<double, int> rounded[] = {{0.5, 0},   {1.5, 2},    {2.5, 2},         {998.5, 998},    {-2.5, -2},
                                              {-1.5, -2}, {2.4999, 2}, {32767.4, 32767}, {-32768, -32768}};
    for (const auto &[value, result] : rounded)
        EXPECT_EQ(toInt16(value), result) << value;
    for (double bad : {32767.5, -32769.0, 1e300, double(INFINITY), std::nan("")})
        EXPECT_THROW(toInt16(bad), RangeError) << bad;
    EXPECT_THROW(Int16(40000), RangeError);
    Int16 v = 32767;
    EXPECT_THROW(v = v + 1, RangeError);
    EXPECT_EQ(v, 32767);  // a refused store leaves the field alone
}

TEST(Codepage, TurkishLettersRoundTrip)
{
    const QString turkish = QString::fromUtf8("ŞşĞğÇçİıÜüÖö");
    const QByteArray bytes = toCp1254(turkish);
    EXPECT_EQ(bytes, QByteArray("\xDE\xFE\xD0\xF0\xC7\xE7\xDD\xFD\xDC\xFC\xD6\xF6"));
    EXPECT_EQ(fromCp1254(bytes), turkish);
    EXPECT_TRUE(cp1254CanEncode(turkish + "abc 123 \u20ac"));
    EXPECT_FALSE(cp1254CanEncode(QString::fromUtf8("中")) || cp1254CanEncode(QString::fromUtf8("\xF0\x9F\x94\xA5")));
    // Every byte decodes to something, so a foreign file never fails to read.
    QByteArray all(256, 0);
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    EXPECT_EQ(fromCp1254(all).size(), 256);
}

TEST(Config, StartsEmptyAndChecksItsBoundsPerField)
{
    auto cfg = std::make_unique<Config>();
    for (int l = 0; l <= 5; ++l)
        for (int a = 0; a <= 128; ++a)
            ASSERT_TRUE(cfg->CihazTipi(l, a) == 0 && cfg->MahalText(l, a).isEmpty()) << l << "," << a;
    EXPECT_TRUE(cfg->Gecikmeler(7) == 0 && cfg->SSismi(200).isEmpty() && cfg->CevrimSayisi == 0);

    cfg->CihazTipi(5, 128) = 9, cfg->OlayTipi(5, 1) = 32, cfg->GecikmeIptal(5, 1) = 64, cfg->Gecikmeler(7) = 5;
    for (auto bad : std::initializer_list<std::function<void()>>{
             [&] { cfg->Gecikme(5, 1) = 1; }, [&] { cfg->CikisHata(5, 1) = 1; }, [&] { cfg->CihazTipi(6, 1); },
             [&] { cfg->CihazTipi(1, 129); }, [&] { cfg->CihazTipi(-1, 1); }, [&] { cfg->MahalText(1, -1); },
             [&] { cfg->Gecikmeler(8); }, [&] { cfg->SSismi(201); }, [&] { cfg->SSkosul(-1); }})
        EXPECT_THROW(bad(), RangeError);
    EXPECT_THAT([&] { cfg->Gecikme(5, 12); },
                testing::ThrowsMessage<RangeError>("index (5, 12) is outside Gecikme (0 to 4, 0 to 128)"));
    EXPECT_FALSE(cfg->loopHasDevices(4));
    cfg->CihazTipi(4, 127) = 1;
    EXPECT_TRUE(cfg->loopHasDevices(4));
}
