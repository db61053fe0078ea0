#include "core/storage/ConfigFile.h"
#include "core/storage/FileWords.h"
#include "support/ExampleConfig.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vaz;
using namespace vaz::storage;
using namespace vaz::test;

namespace {

QStringList linesOf(const QByteArray &bytes)
{
    QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.last(), QString()) << "the file ends with CR LF";
    lines.removeLast();
    return lines;
}

QByteArray joinLines(const QStringList &lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1();
}

}  // namespace

TEST(ConfigFileWriter, WritesTheFormatByteForByte)
{
    Config c = exampleConfig(12, 0);
    c.Gecikmeler(7) = 99;  // reserved: never written
    const QByteArray bytes = configFileBytes(c);
    keepSeed(QStringLiteral("example12.dvk"), bytes);
    const QStringList l = linesOf(bytes);
    ASSERT_EQ(l.size(), 4 + 508 + 4);
    const std::pair<int, const char *> lines[] = {
        {0, R"("Rendon Elektronik Ticaret ve Sanayi A.S. Tel: (0000) 000 00 00")"},
        {1, R"("ACME Yangin")"},
        {2, "4"},
        {3, R"("Loop","Address","Zone","Type","Day","Night","Location","ByPass","Event type","Delay",)"
            R"("Output event fire","Output event fault")"},
        {4, R"(" 1"," 1"," 3"," 2","5","5"," Hall "," 64","0",0,0,"0")"},
        {5, R"(" 1"," 2"," 4"," 5","5","5",""," 0","0",30,4,"0")"},
        {4 + 127 + 4, R"(" 2"," 5"," 7"," 6","5","5",""," 64","32",0,0,"0")"},
        {4 + 127 + 126, R"(" 2"," 127"," 0"," 0","5","5",""," 0","0",0,0,"0")"},
        {4 + 254, R"(" 3"," 1"," 9"," 8","5","5",""," 0","0",250,0,"9")"},
        {4 + 507, R"(" 4"," 127"," 48"," 9","5","5","Roof"," 0","0",0,0,"0")"},
        {512, R"("Delays")"},
        {513, "10,20,30,40,50,60,70"},
        {514, R"("RINGING MODE")"},
        {515, "1"},
    };
    for (const auto &[n, text] : lines)
        EXPECT_EQ(l[n], QString::fromLatin1(text)) << n;

    // 14 is the same layout; 15 adds the panel name; 20 also the rule count.
    EXPECT_EQ(configFileBytes(exampleConfig(14, 0)), configFileBytes(exampleConfig(12, 0)));
    const QStringList l15 = linesOf(configFileBytes(exampleConfig(15, 0)));
    ASSERT_EQ(l15.size(), l.size() + 1);
    EXPECT_EQ(l15[2], QStringLiteral("\"Blok Ç\""));
    EXPECT_TRUE(configFileBytes(exampleConfig(20, 0)).endsWith("\"RINGING MODE\"\r\n1\r\n0\r\n"));
}

TEST(ConfigFileWriter, WritesOneRuleTextsAndNumbersAsHeldAndReadsThemBack)
{
    Config c = exampleConfig(20, 1);
    c.CevrimSayisi = 2.5, c.setDevice(3, 9, {6, -4, QStringLiteral("Şişli, \"B\"\x01Güneş İĞÖÜÇı"), 0, 32, 0, 0, 7});
    const QByteArray bytes = configFileBytes(c);
    keepSeed(QStringLiteral("example20.dvk"), bytes);

    EXPECT_TRUE(bytes.contains("\"Blok \xC7\"\r\n2.5\r\n"));
    // Code page 1254; the double quote becomes an apostrophe so the text stays one field, the
    // control character a blank so the file opens again.
    EXPECT_TRUE(bytes.contains("\r\n\" 3\",\" 9\",\"-4\",\" 6\",\"5\",\"5\",\""
                               "\xDE\x69\xFEli, 'B' G\xFCne\xFE \xDD\xD0\xD6\xDC\xC7\xFD"
                               "\",\" 0\",\"32\",0,0,\"7\"\r\n"));
    EXPECT_TRUE(
        bytes.endsWith("\"RINGING MODE\"\r\n1\r\n1\r\n\"Rule1\"\r\n\"1,1.2,5.:\"\r\n\"1,2.5,1.5,7.:\"\r\n2\r\n"));

    Config read;
    read.McuVersiyon = 20;
    ASSERT_EQ(readConfigBytes(read, bytes).status, ReadStatus::Ok);
    EXPECT_EQ(read.MahalText(3, 9), QStringLiteral("Şişli, 'B' Güneş İĞÖÜÇı"));
    EXPECT_EQ(configFileBytes(read), bytes);

    // A count the rule tables cannot hold is refused rather than written half.
    c.SSsayisi = 201;
    EXPECT_THROW(configFileBytes(c), RangeError);
}

TEST(ConfigFileReader, TakesFieldsAsTheFormatAllows)
{
    QStringList l = linesOf(configFileBytes(exampleConfig(12, 0)));
    l[1] = QStringLiteral("\"ACME\tYangin\"");  // a tab is no damage
    l[2] = QStringLiteral("  2.5");             // loop count keeps its fraction
    // A record stored at its own loop and address, whatever its place; unquoted
    // fields with leading blanks; values rounded half to even.
    l[4] = QStringLiteral(R"(" 3"," 9.4",  2.5 ," 3.5",5,5,"Kat 1, oda 2"junk," 64","32",  30,1e1,"0")");
    l[4 + 2 * 127 + 8] = QStringLiteral(R"(" 1"," 2"," 0"," 0","5","5",""," 0","0",0,0,"0")");
    l << QString() << QString();  // trailing empty lines are not left over
    QByteArray bytes = joinLines(l);
    bytes.replace("\r\n", "\n");  // line feeds alone end lines too

    Config c;
    c.McuVersiyon = 12, c.CihazTipi(1, 1) = 5;
    const ReadResult r = readConfigBytes(c, bytes);
    ASSERT_EQ(r.status, ReadStatus::Ok) << readText(r).toStdString();
    EXPECT_EQ(c.CevrimSayisi, 2.5);
    EXPECT_EQ(c.CihazTipi(1, 1), 5);  // no record for (1, 1) any more
    EXPECT_EQ((QList<int>{c.BolgeNo(3, 9), c.CihazTipi(3, 9), c.GecikmeIptal(3, 9), c.OlayTipi(3, 9), c.Gecikme(3, 9),
                          c.CikisYangin(3, 9)}),
              (QList<int>{2, 4, 64, 32, 30, 10}));
    EXPECT_EQ((QStringList{c.MahalText(3, 9), c.TedarikciAdi}), (QStringList{"Kat 1, oda 2", "ACME\tYangin"}));
}

TEST(ConfigFileReader, RefusesBadFilesAndChangesNothing)
{
    const QStringList good = linesOf(configFileBytes(filledConfig(20)));
    auto edited = [&](std::initializer_list<std::pair<int, QString>> edits) {
        QStringList l = good;
        for (const auto &[line, text] : edits)
            l[line] = text;
        return joinLines(l);
    };
    auto record = [](const char *loop, const char *address, const QString &location = {}, const char *zone = " 0",
                     const char *type = " 0", const char *rest = R"(" 0","0",0,0,"0")") {
        return QStringLiteral(R"("%1","%2","%3","%4","5","5","%5",%6)").arg(loop, address, zone, type, location, rest);
    };
    QStringList tooMany = good.mid(0, good.indexOf(QStringLiteral("\"RINGING MODE\"")) + 2);
    tooMany << "201";
    for (int r = 0; r < 201; ++r)
        tooMany << "\"R\""
                << "\"1,1.:\""
                << "\":\""
                << "1";
    QByteArray lowerCase = joinLines(good);
    lowerCase.replace("Rendon Elektronik", "rendon elektronik");
    const int delays = good.indexOf(QStringLiteral("\"Delays\""));

    // Every case but a wrong identification is a damaged file; the message holds the text given.
    const std::tuple<const char *, QByteArray, const char *> cases[] = {
        {"identification in other case", lowerCase, "Wrong file type"},
        {"empty file", QByteArray(), "Wrong file type"},
        {"ends early", joinLines(good.mid(0, 300)),
         "ends too early: device record 296 of 508 is missing (the file stops at line 300)"},
        {"loop 5", edited({{5, record(" 5", " 1")}}), "Line 6: device record 1 names loop \" 5\", address \" 1\""},
        {"address 128", edited({{5, record(" 1", " 128")}}), "address \" 128\""},
        {"loop 0", edited({{5, record(" 0", " 1")}}), "loop \" 0\""},
        {"last record names loop 5", edited({{4 + 508, record(" 5", " 127")}}),
         "Line 513: device record 508 names loop \" 5\""},
        // A line end inside a quoted text still counts: CR alone, LF alone and CR LF once.
        {"lone CR in a text", edited({{5, record(" 1", " 1", "a\rb")}, {6, record(" 5", " 2")}}),
         "Line 8: device record 2 names loop \" 5\""},
        {"CR LF in a text", edited({{5, record(" 1", " 1", "a\r\nb\nc")}, {6, record(" 5", " 2")}}),
         "Line 9: device record 2 names loop \" 5\""},
        {"zone beyond 16 bits", edited({{6, record(" 1", " 2", {}, " 40000")}}),
         "Line 7: the zone of device record 2 is \" 40000\", which does not fit a 16-bit field."},
        {"type not a number", edited({{5, record(" 1", " 1", {}, " 0", " X")}}),
         "Line 6: the field \"Type\" of device record 1 is \" X\", which is not a number."},
        // The fields after the location are numbers too, quoted or not.
        {"bypass not a number", edited({{5, record(" 1", " 1", {}, " 0", " 0", R"("yes","0",0,0,"0")")}}),
         "Line 6: the field \"ByPass\" of device record 1 is \"yes\", which is not a number."},
        {"event not a number", edited({{5, record(" 1", " 1", {}, " 0", " 0", R"(" 0","Fire",0,0,"0")")}}),
         "the field \"Event type\" of device record 1 is \"Fire\""},
        {"output delay not a number", edited({{5, record(" 1", " 1", {}, " 0", " 0", R"(" 0","0",30s,0,"0")")}}),
         "the field \"Delay\" of device record 1 is \"30s\""},
        {"fire zone not a number", edited({{5, record(" 1", " 1", {}, " 0", " 0", R"(" 0","0",0,"",0)")}}),
         "the field \"Output event fire\" of device record 1 is \"\""},
        {"fault zone not a number", edited({{5, record(" 1", " 1", {}, " 0", " 0", R"(" 0","0",0,0,"1 2")")}}),
         "the field \"Output event fault\" of device record 1 is \"1 2\""},
        {"delay not a number", edited({{delays + 1, QStringLiteral("10,20,3O,40,50,60,70")}}),
         "panel delay 3 is \"3O\", which is not a number."},
        {"NUL in a text", edited({{5, record(" 1", " 1", QString::fromLatin1("a\0b", 3))}}),
         "Line 6: the field \"Location\" of device record 1 holds the control character 0x00."},
        {"more than 200 rules", joinLines(tooMany), "the file holds 201 cause-effect rules; at most 200"},
        {"text never closed", edited({{int(good.size()) - 2, QStringLiteral("\"1,1.:")}}), "never closed"},
        {"title misspelt", edited({{delays, QStringLiteral("\"delays\"")}}),
         "the title \"Delays\" was expected but \"delays\" was found"},
        {"left over", joinLines(good + QStringList{QStringLiteral("1")}), "goes on after the end"},
        {"negative rule count", edited({{delays + 4, QStringLiteral("-1")}}), "is not a count"},
    };
    for (const auto &[name, bytes, message] : cases) {
        SCOPED_TRACE(name);
        keepSeed(QStringLiteral("bad-%1.dvk").arg(QString::fromLatin1(name).replace(u' ', u'-')), bytes);
        Config c = filledConfig(20);
        const Config before = c;
        const ReadResult r = readConfigBytes(c, bytes);
        const bool wrongType = message == std::string_view("Wrong file type");
        EXPECT_EQ(r.status, wrongType ? ReadStatus::WrongFileType : ReadStatus::Damaged);
        EXPECT_TRUE(readText(r).contains(QString::fromUtf8(message)) &&
                    (wrongType || readText(r).endsWith(QStringLiteral("The configuration was not changed."))))
            << readText(r).toStdString();
        EXPECT_TRUE(c == before);
    }
}

TEST(ConfigFileReader, RoundTripsAtItsVersionAndNamesTheVersionOfAnother)
{
    const std::pair<int, const char *> versions[] = {{12, "V1.2-1.4"}, {14, "V1.2-1.4"}, {15, "V1.5"}, {20, "V2.0"}};
    for (const auto &[written, name] : versions)
        for (const auto &[chosen, unused] : versions) {
            SCOPED_TRACE(testing::Message() << written << " read as " << chosen);
            const QByteArray bytes = configFileBytes(filledConfig(written));
            if ((written < 15) != (chosen < 15) || (written < 20) != (chosen < 20)) {
                Config c = filledConfig(chosen);
                const Config before = c;
                const ReadResult r = readConfigBytes(c, bytes);
                EXPECT_EQ(readText(r), QStringLiteral("This file was written for MCU version %1. Choose that version "
                                                      "with File > MCU Version and open it again.")
                                           .arg(QLatin1String(name)));
                EXPECT_TRUE(r.status == ReadStatus::VersionMismatch && c == before);
                continue;
            }
            Config read;  // with a panel name and a rule that a V1.x file leaves alone
            read.McuVersiyon = chosen, read.PanelAdi = QStringLiteral("Old"), read.SSsayisi = 1;
            read.DosyaKaydedildi = 1;
            read.CihazTipi(1, 3) = 1;  // no device there in the file
            const ReadResult r = readConfigBytes(read, bytes);
            ASSERT_TRUE(r.status == ReadStatus::Ok && readText(r).isEmpty()) << readText(r).toStdString();
            EXPECT_EQ(read.DosyaKaydedildi, 1);
            // A V1.x file leaves panel name and rules alone; the rest shows in the bytes written again.
            EXPECT_TRUE((chosen >= 15 || read.PanelAdi == "Old") && (chosen >= 20 || read.SSsayisi == 1));
            EXPECT_EQ(configFileBytes(read), bytes);
        }
    Config full;  // as many rules as the tables hold
    full.McuVersiyon = 20;
    EXPECT_TRUE(readConfigBytes(full, configFileBytes(exampleConfig(20, 200))).status == ReadStatus::Ok &&
                full.SSsayisi == 200);
    // Fits no layout at all: damaged, not a mismatch.
    QStringList l = linesOf(configFileBytes(filledConfig(15)));
    l.remove(2, 2);
    Config c = filledConfig(20);
    EXPECT_EQ(readConfigBytes(c, joinLines(l)).status, ReadStatus::Damaged);
}

TEST(ConfigFileOnDisk, SavesSafelyAndReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("site.dvk"));
    Config c = filledConfig(20);
    SaveResult s = GirisVerileriniKaydet(c, path);
    ASSERT_TRUE(s.ok && c.DosyaKaydedildi == 1) << s.message.toStdString();
    const QByteArray saved = test::fileBytes(path);
    EXPECT_EQ(saved, configFileBytes(c));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("site.dvk")});

    // A save that cannot be completed leaves the old file and the flag alone.
    Config fresh = filledConfig(20);
    fresh.SSsayisi = 201;
    const std::pair<QString, QString> failing[] = {
        {path, QStringLiteral("The configuration was not saved to \"site.dvk\": ")},
        {dir.path(), QStringLiteral("it is a folder")},
        {dir.filePath(QStringLiteral("missing/site.dvk")),
         QStringLiteral("The configuration was not saved to \"site.dvk\": ")}};
    for (const auto &[target, said] : failing) {
        s = GirisVerileriniKaydet(fresh, target);
        EXPECT_TRUE(!s.ok && s.message.contains(said)) << s.message.toStdString();
        fresh.SSsayisi = 0;
    }
    EXPECT_TRUE(fresh.DosyaKaydedildi == 0 && test::fileBytes(path) == saved);

    // A full disk says so, with the room the file needs.
    EXPECT_EQ((QStringList{saveFailureReason("Unknown error", 65536, 1000),
                           saveFailureReason("Permission denied", 100, 1000)}),
              (QStringList{"the disk is full (the file needs 64.0 kB, 1000 bytes are free)", "Permission denied"}));

    // Files that cannot be opened change nothing either.
    const Config before = c;
    const ReadResult r = DosyadanVerileriOku(c, dir.filePath(QStringLiteral("nothing.dvk")));
    EXPECT_TRUE(r.status == ReadStatus::CannotOpen &&
                readText(r).startsWith(QStringLiteral("The file \"nothing.dvk\" cannot be opened: ")));
    EXPECT_TRUE(DosyadanVerileriOku(c, dir.path()).status == ReadStatus::CannotOpen && c == before);
}
