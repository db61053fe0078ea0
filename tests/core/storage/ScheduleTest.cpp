#include "core/model/Codepage.h"
#include "core/panel/DisplayText.h"
#include "core/storage/ConfigFile.h"
#include "core/storage/Schedule.h"
#include "core/storage/ScheduleWords.h"
#include "support/ExampleConfig.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vaz;
using namespace vaz::storage;
using namespace vaz::test;

namespace {

// The filled example, and on the addresses it leaves free every type with
// every value of its properties, the others holding leftovers of a former type.
Config everyCombination(int mcu)
{
    Config c = filledConfig(mcu, mcu >= 20 ? 3 : 0);
    int n = 0;
    for (int type = 1; type <= 9; ++type)
        for (int bypass : {0, 64})
            for (int event : {0, 32})
                for (auto [fire, fault] : {std::pair{0, 0}, {7, 0}, {0, 7}, {3, 5}}) {
                    const int L = n / 42 + 1, A = n % 42 * 3 + 2;
                    ++n;
                    // Some without a zone, except fire inputs, which cannot be entered so.
                    const int zone = n % 5 || (event == 32 && (type == 6 || type == 7)) ? 7 : 0;
                    c.setDevice(L, A,
                                {type, zone, QStringLiteral("Oda %1").arg(n), bypass, event, n % 251, fire, fault});
                }
    return c;
}

QString save(const QTemporaryDir &dir, const char *name, const Sheet &sheet, QChar separator = u',')
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    EXPECT_EQ(writeSheetFile(path, sheet, separator), QString());
    return path;
}

// One problem a line, readable when a comparison fails.
std::string lines(const QStringList &l) { return l.join(u'\n').toStdString(); }
std::string lines(const QList<ScheduleProblem> &problems) { return lines(problemLines(problems)); }

std::string text(const SheetRows &table)
{
    QStringList rows;
    for (const QStringList &row : table)
        rows << row.join(u'|');
    return lines(rows);
}

}  // namespace

TEST(Schedule, ExportThenImportChangesNothing)
{
    QTemporaryDir dir;
    QStringList files{"s.csv", "t.csv"};
    if (excelAvailable())
        files << "s.xlsx";
    for (int mcu : {12, 15, 20}) {
        Config c = everyCombination(mcu);
        // Loops beyond the count are neither exported nor removed.
        c.CevrimSayisi = mcu == 12 ? 2 : 4;
        const Sheet sheet = scheduleSheet(c);
        for (const QString &file : files) {
            SCOPED_TRACE(file.toStdString() + " " + std::to_string(mcu));
            const TableRead read = readSheetFile(save(dir, file.toLatin1(), sheet, file == u"t.csv" ? u';' : u','));
            ASSERT_EQ(sheetReadText(read), QString());
            const SchedulePlan plan = planSchedule(c, read.rows);
            EXPECT_EQ(lines(plan.problems), "");
            EXPECT_TRUE(plan.changesNothing());
            Config after = c;
            applySchedule(after, plan);
            EXPECT_EQ(configFileBytes(after), configFileBytes(c));

            // Into a configuration without devices, every column is read: it
            // exports as it was, the locations made plain as the location box does.
            Config empty;
            empty.CevrimSayisi = c.CevrimSayisi;
            const SchedulePlan fresh = planSchedule(empty, read.rows);
            EXPECT_EQ(lines(fresh.problems), "");
            EXPECT_EQ(fresh.added, sheet.rows.size() - 1);
            applySchedule(empty, fresh);
            SheetRows expected = sheet.rows;
            for (qsizetype r = 1; r < expected.size(); ++r)
                expected[r][kLocationColumn] = normaliseDisplayText(expected[r][kLocationColumn]);
            EXPECT_EQ(text(scheduleSheet(empty).rows), text(expected));
        }
    }
}

TEST(Schedule, CellsASpreadsheetWouldRunGoOutGuardedAndComeBackAsTheyWere)
{
    // A location, its cell in the CSV export, and what importing it anew says.
    const struct {
        QString location;
        QByteArray cell;
        QString problem = QString();
    } cases[] = {
        {"-2 Kat", "'-2 Kat"},
        {"'A' Blok", "''A' Blok"},
        {"'-1 Kat", "''-1 Kat"},
        {"=SUM(A1)", "'=SUM(A1)"},
        {"+90", "'+90"},
        {"@x", "'@x"},
        {"\tOda", "'\tOda", "a tab cannot be sent to the panel"},
        {"\rOda", "\"'\rOda\"", "a line break cannot be sent to the panel"},
        {"-3", "-3"},  // a number, not a formula
        {"Kat 1", "Kat 1"},
    };
    Config c;
    c.CevrimSayisi = 2;
    for (int i = 0; i < int(std::size(cases)); ++i)
        c.setDevice(1, i + 1, {4, 1, cases[i].location, 0, 0, 0, 0, 0});
    QTemporaryDir dir;
    const QString csv = save(dir, "s.csv", scheduleSheet(c));
    // Unchanged, nothing changes. A workbook holds the locations unguarded; it
    // escapes a CR as "_x000D_", which the reader keeps, so only what a panel
    // takes goes there.
    for (const char *file : {"s.csv", "s.xlsx"}) {
        const bool excel = file == QLatin1String("s.xlsx");
        if (excel && !excelAvailable())
            continue;
        Config site = c;
        for (int i = 0; i < int(std::size(cases)); ++i)
            if (excel && !cases[i].problem.isEmpty())
                site.removeDevice(1, i + 1);
        const SchedulePlan plan = planSchedule(site, readSheetFile(save(dir, file, scheduleSheet(site))).rows);
        EXPECT_EQ(lines(plan.problems), "") << file;
        EXPECT_TRUE(plan.changesNothing()) << file;
    }

    Config empty;
    empty.CevrimSayisi = 2;
    const SchedulePlan fresh = planSchedule(empty, readSheetFile(csv).rows);
    QStringList problems;
    for (int i = 0; i < int(std::size(cases)); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(test::fileBytes(csv).contains(",1," + cases[i].cell + ","));
        if (!cases[i].problem.isEmpty())
            problems << QStringLiteral("Row %1, Location: %2").arg(i + 2).arg(cases[i].problem);
        else
            EXPECT_EQ(fresh.changes.value(i).device.location, savedLocation(cases[i].location));
    }
    EXPECT_EQ(lines(fresh.problems), lines(problems));
}

TEST(Schedule, ReadsWhatSpreadsheetProgramsSave)
{
    const QString source = QStringLiteral("Loop;Address;Type;Location;Note\r\n"
                                          "1;7;Heat det.;Kat 1 Şişli;\"a; b\"\r\n"
                                          "\r\n"
                                          "2;9;\"Relay \"\"A\"\"\";\"Çatı\r\nkatı\"\r\n");
    auto with = [&](QChar separator) { return QString(source).replace(u';', separator); };
    const QString tabs = with(u'\t');
    const std::tuple<QByteArray, QChar, QString> files[] = {
        {"\xEF\xBB\xBF" + with(u';').toUtf8(), u';', "\r\n"},
        {with(u',').toUtf8(), u',', "\r\n"},
        {toCp1254(with(u';')), u';', "\r\n"},
        {"\xFF\xFE" + QByteArray(reinterpret_cast<const char *>(tabs.utf16()), tabs.size() * 2), u'\t', "\r\n"},
        {tabs.toUtf8().replace("\r\n", "\n"), u'\t', "\n"},
    };
    for (const auto &[bytes, separator, eol] : files) {
        const SheetRows rows = readCsv(bytes);
        EXPECT_EQ(text(rows), text({{"Loop", "Address", "Type", "Location", "Note"},
                                    {"1", "7", "Heat det.", "Kat 1 Şişli", QStringLiteral("a%1 b").arg(separator)},
                                    {""},
                                    {"2", "9", "Relay \"A\"", "Çatı" + eol + "katı"}}));
        Config c;
        c.CevrimSayisi = 2;
        const SchedulePlan plan = planSchedule(c, rows);
        EXPECT_EQ(lines(plan.problems),
                  lines(QStringList{"Row 4, Type: 'Relay \"A\"' is not a device type",
                                    "Row 4, Location: a line break cannot be sent to the panel"}));
        ASSERT_EQ(plan.changes.size(), 1);
        EXPECT_EQ(plan.changes[0].device.location, savedLocation("Kat 1 Sisli"));
    }
}

TEST(Schedule, ReadsAnExcelSheetsStringsAndNumbers)
{
    const QByteArray shared = "<sst><si><t>Loop</t></si>"
                              "<si><r><t>Addr</t></r><r><t>ess</t></r><rPh><t>adoresu</t></rPh></si></sst>";
    const QByteArray sheet = "<worksheet><sheetData>"
                             "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c>"
                             "<c r=\"C1\" t=\"inlineStr\"><is><t>Type</t></is></c></row>"
                             "<row r=\"3\"><c r=\"A3\"><v>1</v></c><c><v>4.5E1</v></c>"
                             "<c t=\"inlineStr\"><is><t xml:space=\"preserve\"> Heat det. </t></is></c>"
                             "<c r=\"E3\" t=\"b\"><v>1</v></c>"
                             "<c t=\"inlineStr\"><is><t>a_x000D_b_x005F_x0041_</t></is></c></row>"
                             "</sheetData></worksheet>";
    EXPECT_EQ(text(readSheetXml(sheet, shared).rows),
              text({{"Loop", "Address", "Type"}, {}, {"1", "45", " Heat det. ", "", "1", "a\rb_x0041_"}}));
}

TEST(Schedule, NamesEveryProblemByRowAndColumn)
{
    Config c = exampleConfig(20, 2);
    c.CevrimSayisi = 2;
    const QString longText(41, u'x');
    // Each row and what is said of it.
    const std::pair<QStringList, const char *> rows[] = {
        {{"1", "3", "Heat det.", "49"}, "Row 2, Zone: 49 is above 48"},
        {{"1", "45", "Manual call point", "2"}, nullptr},
        {{"1", "45", "MCP", "2"}, "Row 4: address 45 of loop 1 appears twice"},
        {{"1", "46", "mcp", "2", "Kat~1"}, "Row 5, Location: '~' cannot be sent to the panel"},
        {{"3", "1", "Heat det."}, "Row 6: loop 3 but the configuration has 2 loops"},
        {{"1", "x", "Heat det."}, "Row 7, Address: 'x' is not a number"},
        {{"1", "128", "Heat det."}, "Row 8, Address: 128 is above 127"},
        {{"1", "12.5", "Heat det."}, "Row 9, Address: 12.5 is not a whole number"},
        {{"1", "47", "Smoke"}, "Row 10, Type: 'Smoke' is not a device type"},
        {{"1", "48", "Relay controller", "3", "", "yes"}, "Row 11, Bypass: does not apply to a Relay controller"},
        {{"1", "49", "5", "", "", "", "", "Fire"}, "Row 12, Output event: Fire needs a zone"},
        {{"1", "50", "QF-5010 Relay controller", "3", "", "", "", "", "300"}, "Row 13, Output delay: 300 is above 250"},
        {{"1", "51", "Switch mon.", "3", "", "", "maybe"}, "Row 14, Input event: 'maybe' is not Fire or Fault"},
        {{"1", "52", "Switch mon.", "", "", "", "Fire"}, "Row 15, Input event: Fire needs a zone"},
        {{"1", "53", "Heat det.", "1", "", "perhaps"}, "Row 16, Bypass: 'perhaps' is not yes or no"},
        {{"1", "54", "Heat det.", "1", longText}, "Row 17, Location: 41 characters, at most 40 fit"},
        {{"", "", "", ""}, nullptr},
        {{"2", "5", "Relay controller", "7", "", "yes", "Fire"},
         "Row 19, Type: cause-effect 'Rule1', 'Rule2' uses it as an input"},
        {{"1", "55", "Heat det.", "1", QStringLiteral("Kat") + QChar(0) + QStringLiteral("1")},
         "Row 20, Location: a NUL character cannot be sent to the panel"},
        {{"1", "56", "Heat det.", "1", QStringLiteral("Kat") + QChar(1)},
         "Row 21, Location: a control character cannot be sent to the panel"},
    };
    SheetRows sheet{
        {"Loop", "Address", "Type", "Zone", "Location", "Bypass", "Input event", "Output event", "Output delay"}};
    QStringList said;
    for (const auto &[row, problem] : rows) {
        sheet << row;
        if (problem)
            said << problem;
    }
    said << "Loop 1 address 001 is missing, but cause-effect 'Rule1', 'Rule2' uses it: it cannot be removed"
         << "Loop 1 address 002 is missing, but cause-effect 'Rule1' uses it: it cannot be removed";
    EXPECT_EQ(lines(planSchedule(c, sheet).problems), lines(said));
    EXPECT_EQ(lines(planSchedule(c, {{"Loop", "Adres"}}).problems),
              lines(QStringList{"Row 1: there is no column Address", "Row 1: there is no column Type"}));
    // A code that stands for no type is refused as a name would be.
    Config none;
    none.CevrimSayisi = 2;
    for (const std::string code : {"0", "99"})
        EXPECT_EQ(
            lines(planSchedule(none, {{"Loop", "Address", "Type"}, {"1", "5", QString::fromStdString(code)}}).problems),
            "Row 2, Type: '" + code + "' is not a device type");

    // Without problems: what changes is counted, and a missing column keeps what is stored.
    SheetRows edited = scheduleSheet(c).rows;
    edited[1][kZoneColumn] = "5";                                       // 1,1 changed
    edited.append({"1", "60", "zone mon.", "6", "Kazan", "", "fire"});  // added
    for (QStringList &row : edited)
        row.resize(kFaultZoneColumn);
    const SchedulePlan plan = planSchedule(c, edited);
    EXPECT_EQ(lines(plan.problems), "");
    EXPECT_EQ(planSummary(plan).toStdString(), "1 device will be added, 1 changed and 0 removed.");
    applySchedule(c, plan);
    EXPECT_EQ(c.device(1, 60), (Installation::Device{7, 6, savedLocation("Kazan"), 0, 32, 0, 0, 0}));
    EXPECT_EQ(c.BolgeNo(1, 1), 5);
}

TEST(Schedule, CauseEffectMatrixMarksInputsAndOutputs)
{
    EXPECT_EQ(
        text(causeEffectMatrix(exampleConfig(20, 2)).rows),
        lines(QStringList{"Loop|Address|Type|Zone|Location|Rule1 (Coincidence)|Rule2 (AND)",
                          "1|1|Photo-elec. smoke det.|3| Hall|I|I", "1|2|Relay controller|4||O|",
                          "2|5|Switch mon.|7||I|I", "||Panel output||Sounder 1|O|", "||Panel output||Sounder 2||",
                          "||Panel output||Sounder 3||", "||Panel output||Sounder 4||", "||Panel output||Fire relay||",
                          "||Panel output||Alarm relay||", "||Panel output||Fault relay|O|"}));
}
