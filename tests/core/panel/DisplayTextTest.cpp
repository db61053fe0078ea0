#include "core/panel/DisplayText.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

using namespace vaz;

TEST(DisplayText, TwelveLettersBecomeTheirBaseLettersAndTextsStopAtForty)
{
    EXPECT_EQ(PanelVerKarakterDuzenle(QString::fromUtf8("ŞşĞğÇçİıÜüÖö")), "SsGgCcIiUuOo");
    // Letters outside the table stay, whatever they look like.
    for (const QString &same :
         {QStringLiteral("  Isi, Sis 0-9 ~!? "), QString::fromUtf8("Âéß"), QString(39, 'x'), QString()})
        EXPECT_EQ(normaliseDisplayText(same), same);
    EXPECT_EQ(normaliseDisplayText(QString::fromUtf8("Şube") + QString(40, ' ')), "Sube" + QString(36, ' '));
    EXPECT_EQ(normaliseDisplayText(QString(1000, u'ğ')), QString(40, 'g'));
}
