#include "comm/BytePort.h"
#include "comm/PanelFields.h"
#include "model/Config.h"

#include <gtest/gtest.h>

using namespace vaz;
using namespace vaz::comm;

TEST(PanelFields, NumbersAndListsOnTheWire)
{
    const std::pair<const char *, double> numbers[] = {
        {"12", 12}, {"  12", 12}, {"-5", -5}, {"2.5", 2.5}, {".5", 0.5}, {"7 sec", 7},
        {"1 2", 1},  // only leading blanks are skipped
        {"1E3", 1}, {"", 0}, {"-", 0}, {"x5", 0}};
    for (const auto &[text, value] : numbers)
        EXPECT_EQ(fieldNumber(text), value) << text;
    EXPECT_EQ(SSpcTOdorvekc(QStringLiteral("1,5.2,17.:")), QStringLiteral("1,5,2,17,:"));
    EXPECT_EQ(SSpcTOdorvekc(QStringLiteral(":")), QStringLiteral(":"));
    EXPECT_EQ(numberField(-5), "-5");

    Config c;
    c.SSsayisi = 1;  // a rule the editor never finished still travels
    EXPECT_EQ(ruleField(c, 0, 1), "");
    EXPECT_EQ(ruleField(c, 2, 1), "0");
}

TEST(PanelFields, UploadRefusesTextsThatBreakTheFraming)
{
    const struct {
        int mcu;
        std::function<void(Config &)> edit;
        const char *said;  // nullptr: accepted
    } cases[] = {
        {20, [](Config &) {}, nullptr},
        {20, [](Config &c) { c.MahalText(2, 7) = QStringLiteral("Stair~B"); }, "loop 2, address 007 holds the character \"~\""},
        {20, [](Config &c) { c.MahalText(4, 127) = QStringLiteral("~"); }, "loop 4, address 127"},
        {12, [](Config &c) { c.PanelAdi = QStringLiteral("a~b"); }, nullptr},  // the panel name only travels from V1.5 on
        {20, [](Config &c) { c.PanelAdi = QStringLiteral("a~b"); }, "panel name"},
        {20, [](Config &c) { c.PanelAdi = QStringLiteral("Blok Ç"); }, nullptr},
        {20, [](Config &c) { c.PanelAdi = QStringLiteral("Блок"); }, "\"Б\""},
        {20, [](Config &c) { c.SSismi(2) = QStringLiteral("}Stairs"); }, "rule 2 (\"}Stairs\") begins with \"}\""},
        {20, [](Config &c) { c.SScikislar(2) = QStringLiteral("}"); }, "output list of rule 2"},
        {20, [](Config &c) { c.SSismi(2) = QStringLiteral("Stairs}"); }, nullptr},  // only a leading one ends a section
        {15, [](Config &c) { c.SSismi(2) = QStringLiteral("}x"); }, nullptr},       // no rules below V2
    };
    for (const auto &k : cases) {
        Config c;
        c.McuVersiyon = k.mcu;
        c.SSsayisi = 2;
        k.edit(c);
        const QString m = uploadRefusal(c);
        if (!k.said)
            EXPECT_EQ(m, QString());
        else
            EXPECT_TRUE(m.contains(QString::fromUtf8(k.said))) << m.toStdString();
    }
}

// What the panel sends beyond the fields' range is refused; zones and the rule
// count are refused through the wire in the download tests.
TEST(PanelFields, DownloadStoreRefusesSettingsAndCountsItCannotHold)
{
    Config c;
    DownloadStore s(c);
    EXPECT_TRUE(s.ruleCount("200"));
    EXPECT_FALSE(s.setting(7, "-40000"));
    EXPECT_TRUE(s.refusal().contains(QStringLiteral("ringing mode")));
    EXPECT_FALSE(s.ruleCount("-1"));
}

TEST(PortNames, DevicesFromTheEnvironment)
{
#ifndef Q_OS_WIN
    qputenv("VAZ_COM2", "");
    EXPECT_EQ(portDevice(2), QStringLiteral("/dev/ttyS1"));
    qputenv("VAZ_COM2", "/dev/ttyUSB0");
    EXPECT_EQ(portDevice(2), QStringLiteral("/dev/ttyUSB0"));
    qunsetenv("VAZ_COM2");
    EXPECT_EQ(portDevice(2), QStringLiteral("/dev/ttyS1"));
#else
    EXPECT_EQ(portDevice(3), QStringLiteral("COM3"));
#endif
}
