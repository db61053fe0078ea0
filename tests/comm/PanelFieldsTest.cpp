#include "comm/BytePort.h"
#include "comm/PanelFields.h"

#include "FakePort.h"

#include <gtest/gtest.h>

using namespace vaz;
using namespace vaz::comm;

TEST(PanelFields, NumericFieldValue)
{
    EXPECT_EQ(fieldNumber("12"), 12);
    EXPECT_EQ(fieldNumber("  12"), 12);
    EXPECT_EQ(fieldNumber("-5"), -5);
    EXPECT_EQ(fieldNumber("2.5"), 2.5);
    EXPECT_EQ(fieldNumber(".5"), 0.5);
    EXPECT_EQ(fieldNumber("7 sec"), 7);
    EXPECT_EQ(fieldNumber("1 2"), 1);  // only leading blanks are skipped
    EXPECT_EQ(fieldNumber("1E3"), 1);
    EXPECT_EQ(fieldNumber(""), 0);
    EXPECT_EQ(fieldNumber("-"), 0);
    EXPECT_EQ(fieldNumber("x5"), 0);
}

TEST(PanelFields, PanelFormAndNumbers)
{
    EXPECT_EQ(SSpcTOdorvekc(QStringLiteral("1,5.2,17.:")), QStringLiteral("1,5,2,17,:"));
    EXPECT_EQ(SSpcTOdorvekc(QStringLiteral(":")), QStringLiteral(":"));
    EXPECT_EQ(SSpcTOdorvekc(QStringLiteral("5,1.5,7.:")), QStringLiteral("5,1,5,7,:"));
    EXPECT_EQ(numberField(64), "64");
    EXPECT_EQ(numberField(-5), "-5");
    EXPECT_EQ(numberField(0), "0");

    Config c;
    c.SSsayisi = 1;  // a rule the editor never finished still travels
    EXPECT_EQ(ruleField(c, 0, 1), "");
    EXPECT_EQ(ruleField(c, 2, 1), "0");
}

TEST(PanelFields, UploadRefusesTextsThatBreakTheFraming)
{
    Config c;
    c.McuVersiyon = 20;
    EXPECT_EQ(uploadRefusal(c), QString());

    c.MahalText(2, 7) = QStringLiteral("Stair~B");
    QString m = uploadRefusal(c);
    EXPECT_TRUE(m.contains(QStringLiteral("loop 2, address 007"))) << m.toStdString();
    EXPECT_TRUE(m.contains(QStringLiteral("\"~\""))) << m.toStdString();
    c.MahalText(2, 7).clear();

    // The panel name only travels from V1.5 on.
    c.PanelAdi = QStringLiteral("a~b");
    c.McuVersiyon = 12;
    EXPECT_EQ(uploadRefusal(c), QString());
    c.McuVersiyon = 20;
    EXPECT_TRUE(uploadRefusal(c).contains(QStringLiteral("panel name")));
    c.PanelAdi = QStringLiteral("Blok Ç");  // in the code page: fine
    EXPECT_EQ(uploadRefusal(c), QString());
    c.PanelAdi = QStringLiteral("Блок");
    EXPECT_TRUE(uploadRefusal(c).contains(QStringLiteral("\"Б\"")));
    c.PanelAdi.clear();

    c.SSsayisi = 2;
    c.SSismi(2) = QStringLiteral("}Stairs");
    m = uploadRefusal(c);
    EXPECT_TRUE(m.contains(QStringLiteral("rule 2 (\"}Stairs\")"))) << m.toStdString();
    EXPECT_TRUE(m.contains(QStringLiteral("begins with \"}\"")));
    c.SSismi(2) = QStringLiteral("Stairs}");  // only a leading one ends a section
    EXPECT_EQ(uploadRefusal(c), QString());
    c.McuVersiyon = 15;  // no rules below V2
    c.SSismi(2) = QStringLiteral("}x");
    EXPECT_EQ(uploadRefusal(c), QString());
}

TEST(PanelFields, DownloadStoreEventTypesAndRanges)
{
    Config c;
    DownloadStore s(c);
    c.CihazTipi(1, 1) = 5, c.BolgeNo(1, 1) = 4, c.CikisHata(1, 1) = 9;
    EXPECT_TRUE(s.device(5, 1, 1, "32"));
    EXPECT_EQ(c.CikisYangin(1, 1), 4);
    EXPECT_EQ(c.CikisHata(1, 1), 9);
    c.CihazTipi(1, 2) = 8, c.BolgeNo(1, 2) = 6, c.CikisYangin(1, 2) = 3;
    EXPECT_TRUE(s.device(5, 1, 2, "0"));
    EXPECT_EQ(c.CikisHata(1, 2), 6);
    EXPECT_EQ(c.CikisYangin(1, 2), 3);
    EXPECT_TRUE(s.device(5, 1, 2, "16"));  // neither fire nor fault: nothing
    EXPECT_EQ(c.CikisYangin(1, 2), 3);
    c.CihazTipi(1, 3) = 7;
    EXPECT_TRUE(s.device(5, 1, 3, "32"));
    EXPECT_EQ(c.OlayTipi(1, 3), 32);
    c.CihazTipi(1, 4) = 1, c.OlayTipi(1, 4) = 7;
    EXPECT_TRUE(s.device(5, 1, 4, "64"));
    EXPECT_EQ(c.OlayTipi(1, 4), 7);

    // Halves go to the even neighbour; a type on a loop raises the loop count.
    EXPECT_TRUE(s.device(0, 3, 9, "2.5"));
    EXPECT_EQ(c.BolgeNo(3, 9), 2);
    EXPECT_TRUE(s.device(1, 3, 9, "4"));
    EXPECT_EQ(c.CevrimSayisi, 3);
    EXPECT_TRUE(s.device(1, 4, 1, "0"));
    EXPECT_EQ(c.CevrimSayisi, 3);

    const Config before = c;
    EXPECT_FALSE(s.device(0, 4, 2, "32768"));
    EXPECT_TRUE(s.refusal().contains(QStringLiteral("\"32768\" as the zone number of loop 4, address 002")))
        << s.refusal().toStdString();
    EXPECT_FALSE(s.setting(7, "-40000"));
    EXPECT_TRUE(s.refusal().contains(QStringLiteral("ringing mode")));
    EXPECT_FALSE(s.ruleCount("201"));
    EXPECT_FALSE(s.ruleCount("-1"));
    EXPECT_TRUE(c == before);
    EXPECT_TRUE(s.ruleCount("200"));
}

TEST(PortNames, DevicesAndOpenFailure)
{
#ifndef Q_OS_WIN
    qunsetenv("VAZ_COM2");
    EXPECT_EQ(portDevice(2), QStringLiteral("/dev/ttyS1"));
    qputenv("VAZ_COM2", "/dev/ttyUSB0");
    EXPECT_EQ(portDevice(2), QStringLiteral("/dev/ttyUSB0"));
    qputenv("VAZ_COM2", "");
    EXPECT_EQ(portDevice(2), QStringLiteral("/dev/ttyS1"));
    qunsetenv("VAZ_COM2");

    test::FakePort port;
    port.number = 2;
    port.failure = BytePort::OpenError::PermissionDenied;
    const QString m = openFailureMessage(port);
    EXPECT_TRUE(m.startsWith(QStringLiteral("Cannot open port COM2 (/dev/fake2): Permission denied.")))
        << m.toStdString();
    EXPECT_TRUE(m.contains(QStringLiteral("dialout")));
#else
    EXPECT_EQ(portDevice(3), QStringLiteral("COM3"));
#endif
}
