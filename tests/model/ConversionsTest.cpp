#include "model/Codepage.h"
#include "model/Conversions.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vaz;

TEST(Conversions, NumberForms)
{
    EXPECT_EQ(blankLed(12), " 12");
    EXPECT_EQ(blankLed(0), " 0");
    EXPECT_EQ(blankLed(-3), "-3");
    EXPECT_EQ(plainForm(12), "12");
    EXPECT_EQ(plainForm(-3), "-3");
    EXPECT_EQ(numberText(30), "30");
    EXPECT_EQ(numberText(-4), "-4");
    EXPECT_EQ(numberText(2.5), "2.5");
}

TEST(Conversions, ValueOfText)
{
    EXPECT_EQ(textValue(u""), 0);
    EXPECT_EQ(textValue(u"abc"), 0);
    EXPECT_EQ(textValue(u" 12"), 12);
    EXPECT_EQ(textValue(u"-3"), -3);
    EXPECT_EQ(textValue(u"1 2"), 12);
    EXPECT_EQ(textValue(u"\t- 4"), -4);
    EXPECT_EQ(textValue(u"1,5"), 1);
    EXPECT_EQ(textValue(u"7 sec"), 7);
    EXPECT_EQ(textValue(u"0.5"), 0.5);
    EXPECT_EQ(textValue(u".25x"), 0.25);
    EXPECT_EQ(textValue(u"1.2.3"), 1.2);
    EXPECT_EQ(textValue(u"1e3"), 1000);
    EXPECT_EQ(textValue(u"2E-1"), 0.2);
    EXPECT_EQ(textValue(u"5e"), 5);
    EXPECT_EQ(textValue(u"+8"), 8);
    EXPECT_EQ(textValue(u"-"), 0);
    EXPECT_EQ(textValue(u"\u015e12"), 0);
    EXPECT_TRUE(std::isinf(textValue(u"1e999")));
    EXPECT_EQ(textValue(u"1e-999"), 0);
    EXPECT_EQ(textValue(QString(5000, u'9')), std::numeric_limits<double>::infinity());
}

TEST(Conversions, HalfEvenRounding)
{
    EXPECT_EQ(toInt16(0.5), 0);
    EXPECT_EQ(toInt16(1.5), 2);
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(998.5), 998);
    EXPECT_EQ(toInt16(-2.5), -2);
    EXPECT_EQ(toInt16(-1.5), -2);
    EXPECT_EQ(toInt16(2.4999), 2);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768), -32768);
}

TEST(Conversions, SixteenBitOverflowIsAnError)
{
    EXPECT_THROW(toInt16(32767.5), RangeError);  // rounds to 32768
    EXPECT_THROW(toInt16(-32769), RangeError);
    EXPECT_THROW(toInt16(1e300), RangeError);
    EXPECT_THROW(toInt16(textValue(u"1e999")), RangeError);
    EXPECT_THROW(toInt16(std::nan("")), RangeError);
    EXPECT_THROW(Int16(40000), RangeError);
    EXPECT_THROW(Int16(-32769LL), RangeError);
    Int16 v = 32767;
    EXPECT_THROW(v = v + 1, RangeError);
    EXPECT_EQ(v, 32767);  // a refused store leaves the field alone
}

TEST(Conversions, DeviceLabels)
{
    EXPECT_EQ(deviceLabel(1), "001");
    EXPECT_EQ(deviceLabel(42), "042");
    EXPECT_EQ(deviceLabel(127), "127");
    EXPECT_TRUE(isDeviceLabel("001"));
    EXPECT_TRUE(isDeviceLabel("127"));
    EXPECT_TRUE(isDeviceLabel("100"));
    EXPECT_FALSE(isDeviceLabel("5"));  // compared as text, "5" is not below "128"
    EXPECT_TRUE(isDeviceLabel("0042"));
    EXPECT_FALSE(isDeviceLabel("000"));
    EXPECT_FALSE(isDeviceLabel("128"));
    EXPECT_FALSE(isDeviceLabel("200"));
    EXPECT_FALSE(isDeviceLabel("Loop 1"));
    EXPECT_FALSE(isDeviceLabel("Cause-effect"));
    EXPECT_FALSE(isDeviceLabel("12a"));
    EXPECT_FALSE(isDeviceLabel(""));
    EXPECT_FALSE(isDeviceLabel("-1"));
    EXPECT_FALSE(isDeviceLabel("1000000000000000"));
}

TEST(Codepage, TurkishLettersRoundTrip)
{
    QString turkish = QString::fromUtf8("ŞşĞğÇçİıÜüÖö");
    QByteArray bytes = toCp1254(turkish);
    EXPECT_EQ(bytes, QByteArray("\xDE\xFE\xD0\xF0\xC7\xE7\xDD\xFD\xDC\xFC\xD6\xF6"));
    EXPECT_EQ(fromCp1254(bytes), turkish);
    EXPECT_EQ(toCp1254("Loop, \"A\""), QByteArray("Loop, \"A\""));
    EXPECT_TRUE(cp1254CanEncode(turkish + "abc 123 \u20ac"));
    EXPECT_FALSE(cp1254CanEncode(QString::fromUtf8("中")));
    EXPECT_FALSE(cp1254CanEncode(QString::fromUtf8("\xF0\x9F\x94\xA5")));  // emoji
    // Every byte decodes to something, so a foreign file never fails to read.
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    EXPECT_EQ(fromCp1254(all).size(), 256);
}
