#include "core/storage/ConfigFile.h"
#include "core/storage/Report.h"
#include "support/ExampleConfig.h"

#include <gtest/gtest.h>

using namespace vaz;
using namespace vaz::storage;
using namespace vaz::test;

namespace {

// Text placed at the given 1-based columns.
QString at(std::initializer_list<std::pair<int, QString>> items)
{
    QString out;
    for (const auto &[column, text] : items)
        out = out.leftJustified(column - 1, u' ') + text;
    return out;
}

QStringList report(const Config &written, int version)
{
    const ReportResult r = reportFromBytes(configFileBytes(written), QStringLiteral("site.dvk"), version);
    EXPECT_TRUE(r.ok && r.message.isEmpty()) << r.message.toStdString();
    return layoutReport(r.lines);
}

}  // namespace

TEST(Report, PrintsEveryPartAtItsPrintZone)
{
    Config c = exampleConfig(20, 1);
    c.Gecikmeler(6) = -5;
    const QStringList expected{
        "File name: site.dvk",
        "Supplier's name: ACME Yangin",
        "Panel name: Blok Ç",
        "Loop count:  4",
        at({{1, "Loop"}, {15, "Address"}, {29, "Zone"}, {43, "Type"}, {85, "Location"}}),
        at({{1, " 1"}, {15, " 1"}, {29, " 3"}, {43, "Photo-elec. smoke det."}, {85, " Hall "}}),
        at({{1, " 1"}, {15, " 2"}, {29, " 4"}, {43, "Relay controller"}, {85, ""}}),
        at({{1, " 2"}, {15, " 5"}, {29, " 7"}, {43, "Switch mon."}, {85, ""}}),
        at({{1, " 3"}, {15, " 1"}, {29, " 9"}, {43, "Sounder controller"}, {85, ""}}),
        at({{1, " 4"}, {15, " 127"}, {29, " 48"}, {43, "Multisensor"}, {85, "Roof"}}),
        " ",
        "Device count:  5",
        " ",
        " ",
        at({{1, "Delays"}, {15, "Sounder1, Sounder2, Sounder3, Sounder4, Alarm R., Fire R., Fault R."}}),
        at({{1, " 10 "}, {15, " 20 "}, {29, " 30 "}, {43, " 40 "}, {57, " 50 "}, {71, " 60 "}, {85, "-5 "}}),
        " ",
        "System operation mode: Cause-effect",
        " ",
        "Cause-effect count:  1",
        " ",
        "Cause-effect name: Rule1",
        "Inputs:",
        "1,1.2,5.:",
        "Outputs:",
        "1,2.5,1.5,7.:",
        "Condition: COINCIDENCE",
        "In words: Rule1: Coincidence of",
        "            Loop 1 address 001 Photo-elec. smoke det. 'Hall'",
        "            Loop 2 address 005 Switch mon.",
        QStringLiteral("          → Loop 1 address 002 Relay controller"),
        "            Sounder 1",
        "            Fault relay"};
    EXPECT_EQ(report(c, 20), expected);
    // On paper a rule's lines are one row, which a page never splits.
    const Document doc = reportDocument(reportFromBytes(configFileBytes(c), QStringLiteral("site.dvk"), 20),
                                        QStringLiteral("Report"), QDateTime(QDate(2026, 12, 7), QTime(9, 5)));
    EXPECT_EQ(doc.lines(), expected);
    EXPECT_EQ(doc.sections[0].rows.last(), expected.mid(expected.indexOf("Cause-effect count:  1") + 1));
    EXPECT_EQ(doc.date, "2026-12-07 09:05");
}

TEST(Report, NoDeviceModesConditionsAndTheChosenVersion)
{
    Config c;
    c.McuVersiyon = 12, c.CevrimSayisi = 2, c.TedarikciAdi = QStringLiteral("ACME");
    QStringList l = report(c, 12);
    ASSERT_EQ(l.size(), 12);
    EXPECT_EQ((QStringList{l[2], l[4], l[5], l[11]}),
              (QStringList{"Loop count:  2", " ", "Device count:  0", "System operation mode: Common"}));
    c.CalmaModu = 2;  // no mode line at all
    EXPECT_EQ(report(c, 12).size(), 11);

    // Rules 1 to 3 hold lists of 150, 151 and 271 characters: cut into 150, then 120.
    const QString chars = QStringLiteral("0123456789").repeated(30);
    c = exampleConfig(20, 4);
    for (int r = 1; r <= 4; ++r) {
        c.SSgirisler(r) = r < 4 ? chars.left(QList<int>{150, 151, 271}[r - 1]) : QStringLiteral(":");
        c.SScikislar(r) = QStringLiteral(":"), c.SSkosul(r) = r + 1;
    }
    keepSeed(QStringLiteral("long-lists.dvk"), configFileBytes(c));
    l = report(c, 20);
    EXPECT_EQ(l.filter(QStringLiteral("Condition:")),
              (QStringList{"Condition: COINCIDENCE", "Condition: AND", "Condition: ", "Condition: "}));
    EXPECT_EQ(l.count(QStringLiteral(":")), 5);  // an empty list prints ":"
    auto inputsOf = [&](int rule) {
        const qsizetype name = l.indexOf(QStringLiteral("Cause-effect name: Rule%1").arg(rule));
        return l.mid(name + 2, l.indexOf(QStringLiteral("Outputs:"), name) - name - 2);
    };
    EXPECT_EQ((QList<QStringList>{inputsOf(1), inputsOf(2), inputsOf(3)}),
              (QList<QStringList>{{chars.left(150)},
                                  {chars.left(150), chars.mid(150, 1)},
                                  {chars.left(150), chars.mid(150, 120), chars.mid(270, 1)}}));

    // The report follows the chosen version whatever the file holds.
    const QStringList at15 = report(exampleConfig(20, 1), 15);
    EXPECT_EQ((QStringList{at15[2], at15.last()}),
              (QStringList{"Panel name: Blok Ç", "System operation mode: Cause-effect"}));
    EXPECT_EQ(at15.filter(QStringLiteral("Cause-effect count")), QStringList{});
    // Read as V1.2 everything after the supplier's name lands one field late.
    const QStringList at12 = report(exampleConfig(20, 1), 12);
    EXPECT_EQ(at12[2], QStringLiteral("Loop count:  0"));
    EXPECT_EQ(at12.filter(QStringLiteral("Panel name")) + at12.filter(QStringLiteral("Cause-effect")), QStringList{});
}

TEST(Report, EveryTypeNamePutsTheLocationAt85AndZonesFollowTheItems)
{
    Config c = exampleConfig(12, 0);
    for (int code = 1; code <= 12; ++code)
        c.CihazTipi(2, code) = code, c.MahalText(2, code) = QStringLiteral("yer %1.").arg(code);
    const QStringList l = report(c, 12);
    for (int code = 1; code <= 12; ++code) {
        const QString location = QStringLiteral("yer %1.").arg(code);
        EXPECT_EQ(l.filter(location).value(0).indexOf(location), 84) << code;
    }
    EXPECT_EQ((QStringList{l.filter(QStringLiteral("yer 1."))[0].mid(42, 18),
                           l.filter(QStringLiteral("yer 12."))[0].mid(42, 18)}),
              (QStringList{"MCP               ", "Unknown type 12   "}));

    EXPECT_EQ((QStringList{layoutPrintLine({"12345678901234", "x"}), layoutPrintLine({"123456789012345", "x"}),
                           layoutPrintLine({"", "", "x"}), layoutPrintLine({})}),
              (QStringList{"12345678901234x", at({{1, "123456789012345"}, {29, "x"}}), at({{29, "x"}}), ""}));
}

TEST(Report, StopsWithAMessageOnFilesItCannotUse)
{
    const QByteArray good = configFileBytes(exampleConfig(20, 1));
    QByteArray badType = good;
    badType.replace(R"(" 1"," 1"," 3"," 2")", R"(" 1"," 1"," 3","99999")");
    QByteArray tooMany = good;
    tooMany.replace("\"RINGING MODE\"\r\n1\r\n1\r\n", "\"RINGING MODE\"\r\n1\r\n201\r\n");
    const std::tuple<const char *, QByteArray, QString> cases[] = {
        {"empty", QByteArray(), QStringLiteral("the identification line is missing")},
        {"cut in the records", good.left(good.size() / 3), QStringLiteral("The file ends too early: device record")},
        {"cut in the rules", good.left(good.size() - 5), QStringLiteral("cause-effect 1 is missing")},
        {"type beyond 16 bits", badType,
         QStringLiteral("Line 6: the type of device record 1 of 508 is \"99999\", which the report cannot use.")},
        {"too many rules", tooMany, QStringLiteral("The cause-effect count 201 is not 0 to 200.")},
        {"quote never closed", good.left(good.size() - 9), QStringLiteral("never closed")},
    };
    for (const auto &[name, bytes, message] : cases) {
        SCOPED_TRACE(name);
        keepSeed(QStringLiteral("report-%1.dvk").arg(QString::fromLatin1(name).replace(u' ', u'-')), bytes);
        const ReportResult r = reportFromBytes(bytes, QStringLiteral("x.dvk"), 20);
        EXPECT_TRUE(!r.ok && r.lines.isEmpty());
        EXPECT_TRUE(r.message.startsWith(QStringLiteral("The configuration report was not printed. ")) &&
                    r.message.contains(message))
            << r.message.toStdString();
    }
}
