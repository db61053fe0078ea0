#include "core/storage/Commissioning.h"
#include "support/ExampleConfig.h"

#include <gtest/gtest.h>

using namespace vaz;
using namespace vaz::storage;

namespace {

const QDateTime kPrinted(QDate(2026, 12, 7), QTime(10, 30));

}  // namespace

TEST(Document, PagesKeepRowsWithTheirHeadingAndNumberThemNofM)
{
    const std::tuple<const char *, QList<DocumentSection>, QList<QStringList>> cases[] = {
        {"a row that does not fit goes to the next page, heading again",
         {{{"H"}, {{"a1", "a2"}, {"b1", "b2", "b3"}}, false}, {{"T", "cols"}, {{"c"}}, false}},
         {{"H", "a1", "a2"}, {"H", "b1", "b2", "b3"}, {"T", "cols", "c"}}},
        {"sections fit with a blank between; a new page is asked for",
         {{{"H"}, {{"a"}}, false}, {{"T"}, {{"b"}}, false}, {{"U"}, {{"c"}}, true}},
         {{"H", "a", "", "T", "b"}, {"U", "c"}}},
        {"a row longer than a page is cut, the heading on each page",
         {{{"H"}, {{"x"}}, false}, {{"T"}, {{"1", "2", "3", "4", "5", "6"}}, false}},
         {{"H", "x"}, {"T", "1", "2", "3", "4"}, {"T", "5", "6"}}},
    };
    for (const auto &[name, sections, expected] : cases) {
        SCOPED_TRACE(name);
        const QList<DocumentPage> pages = paginate({QStringLiteral("Doc"), QStringLiteral("today"), sections}, 5);
        QList<QStringList> lines;
        for (const DocumentPage &p : pages)
            lines << p.lines;
        EXPECT_EQ(lines, expected);
        EXPECT_EQ(pages.last().foot, QStringLiteral("Doc    page %1 of %1    today").arg(expected.size()));
    }
    EXPECT_EQ(wrapText(QStringLiteral("aa bb cc dddddddd"), 5, 1), (QStringList{"aa bb", " cc", " dddd", " dddd"}));
}

TEST(Commissioning, CoverRulesInWordsAndWalkTestOrder)
{
    // Zone 3 holds three devices whose locations sort by number; one device has no zone.
    Config c = test::exampleConfig(20, 2);
    test::addDevices(c, {{2, 7, 1, 3}, {2, 8, 1, 3}, {3, 9, 4, 0}}), c.MahalText(1, 1) = QStringLiteral("Kat 10");
    c.MahalText(2, 7) = QStringLiteral("kat 9"), c.MahalText(2, 8) = QStringLiteral("Giris");
    const Document doc = commissioningReport(c, {QStringLiteral("site.dvk"), "abc", true, kPrinted, "V2.0 3F2A-9C1B",
                                                 VerifiedUpload{kPrinted, "ayse", "/dev/ttyUSB0"}});
    const QStringList lines = doc.lines();
    for (const char *field :
         {"Supplier:                ACME Yangin", "Panel name:              Blok Ç", "Firmware (MCU version):  V2.0",
          "Loop count:              4", "Devices:                 8", "File:                    site.dvk",
          "Date and time:           2026-12-07 10:30",
          "File SHA-256:            ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad",
          "                         of the file as saved on disk", "Panel fingerprint:       V2.0 3F2A-9C1B",
          "                         Verified in the panel on 2026-12-07 10:30 by ayse from /dev/ttyUSB0"})
        EXPECT_TRUE(lines.contains(QString::fromUtf8(field))) << field;
    EXPECT_EQ(lines.filter(QStringLiteral("Signature:")).size(), 1);

    EXPECT_TRUE(lines.contains("Rules: 1 Rule1, 2 Rule2")) << "the matrix names its columns on its page";
    // The walk test: the inputs zone by zone, locations as people count, the device without a zone
    // last; then every output with a box, the panel's own last; then a block a rule.
    const qsizetype walk = lines.indexOf("WALK-TEST SHEET"), outputs = lines.indexOf("OUTPUT TEST SHEET"),
                    rules = lines.indexOf("CAUSE-EFFECT TEST SHEET");
    ASSERT_TRUE(walk > 0 && outputs > walk && rules > outputs);
    QStringList walked;
    for (const QString &l : lines.mid(walk, outputs - walk).filter(QStringLiteral("[ ]")))
        walked << l.mid(l.indexOf(QStringLiteral("Loop ")), 18);
    EXPECT_EQ(walked, (QStringList{"Loop 2 address 008", "Loop 2 address 007", "Loop 1 address 001",
                                   "Loop 2 address 005", "Loop 4 address 127", "Loop 3 address 009"}));
    const QStringList operated = lines.mid(outputs, rules - outputs).filter(QStringLiteral("[ ] "));
    ASSERT_EQ(operated.size(), 2 + 7) << "the two output modules and the panel's own outputs";
    EXPECT_TRUE(operated[0].startsWith("[ ] Loop 1 address 002") && operated[1].startsWith("[ ] Loop 3 address 001") &&
                operated[2].startsWith("[ ] Sounder 1"));
    EXPECT_EQ(lines.mid(rules).filter("[ ] operated    [ ] did not operate").size(), 2);
    EXPECT_EQ(
        lines.mid(rules + 2, 3),
        (QStringList{"1. Rule1 (Coincidence)",
                     "    Trigger: Loop 1 address 001 Photo-elec. smoke det. 'Kat 10', Loop 2 address 005 Switch mon.",
                     "    Must operate: Loop 1 address 002 Relay controller, Sounder 1, Fault relay"}));

    // Every page numbered and dated; no page ends on a heading, whatever the page length.
    for (int perPage : {12, 20, 40}) {
        const QList<DocumentPage> pages = paginate(doc, perPage);
        for (qsizetype p = 0; p < pages.size(); ++p) {
            EXPECT_EQ(pages[p].foot,
                      QStringLiteral("Commissioning report site.dvk    page %1 of %2    2026-12-07 10:30")
                          .arg(p + 1)
                          .arg(pages.size()));
            EXPECT_FALSE(pages[p].headingLines.contains(int(pages[p].lines.size()) - 1)) << perPage << " " << p;
        }
    }
}

TEST(Commissioning, LoadPagesOnlyWithFigures)
{
    Config c = test::exampleConfig(20, 2);
    auto report = [&] { return commissioningReport(c, {QStringLiteral("site.dvk"), "abc", true, kPrinted, {}, {}}); };
    auto headings = [&] {
        QStringList out;
        for (const DocumentSection &s : report().sections)
            out << s.heading.value(0);
        return out.filter(QStringLiteral("CALCULATION"));
    };
    EXPECT_TRUE(headings().isEmpty());
    c.site.supply.loopOutputV = 24.0;  // one figure is enough to ask for the pages
    EXPECT_EQ(headings(), (QStringList{"LOOP LOAD CALCULATION", "BATTERY CALCULATION (BS 5839-1)"}));
    test::addLoadFigures(c);
    const QStringList lines = report().lines();
    EXPECT_TRUE(lines.contains(QStringLiteral("Loop 4: pass")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Battery capacity: 5.04 Ah")));
}
