#include "panel/DisplayText.h"

#include <gtest/gtest.h>

using namespace vaz;

TEST(DisplayText, TwelveLettersBecomeTheirBaseLetters)
{
    EXPECT_EQ(PanelVerKarakterDuzenle(QString::fromUtf8("ŞşĞğÇçİıÜüÖö")), "SsGgCcIiUuOo");
    EXPECT_EQ(MahalVerKarakterDuzenle(QString::fromUtf8("Kat 2, Mutfak (İç)")), "Kat 2, Mutfak (Ic)");
    QString plain = "  Isi, Sis 0-9 ~!? ";
    EXPECT_EQ(normaliseDisplayText(plain), plain);
    // Letters outside the table stay, whatever they look like.
    EXPECT_EQ(normaliseDisplayText(QString::fromUtf8("Âéß")), QString::fromUtf8("Âéß"));
}

TEST(DisplayText, CutToFortyCharacters)
{
    QString padded = QString::fromUtf8("Şube") + QString(40, ' ');
    QString out = normaliseDisplayText(padded);
    EXPECT_EQ(out.size(), 40);
    EXPECT_EQ(out, "Sube" + QString(36, ' '));
    EXPECT_EQ(normaliseDisplayText(QString(39, 'x')), QString(39, 'x'));
    EXPECT_EQ(normaliseDisplayText(QString(1000, u'ğ')), QString(40, 'g'));
    EXPECT_EQ(normaliseDisplayText(QString()), QString());
}
