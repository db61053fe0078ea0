#include "StorageTestData.h"
#include "storage/ConfigFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vaz;
using namespace vaz::storage;
using vaz::test::filledConfig;
using vaz::test::exampleConfig;
using vaz::test::keepSeed;

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

// Every field the file carries, compared between two configurations.
void expectSameFileContent(const Config &a, const Config &b)
{
    EXPECT_EQ(a.TedarikciAdi, b.TedarikciAdi);
    EXPECT_EQ(a.PanelAdi, b.PanelAdi);
    EXPECT_EQ(a.CevrimSayisi, b.CevrimSayisi);
    EXPECT_TRUE(a.CihazTipi == b.CihazTipi);
    EXPECT_TRUE(a.BolgeNo == b.BolgeNo);
    EXPECT_TRUE(a.MahalText == b.MahalText);
    EXPECT_TRUE(a.GecikmeIptal == b.GecikmeIptal);
    EXPECT_TRUE(a.OlayTipi == b.OlayTipi);
    EXPECT_TRUE(a.Gecikme == b.Gecikme);
    EXPECT_TRUE(a.CikisYangin == b.CikisYangin);
    EXPECT_TRUE(a.CikisHata == b.CikisHata);
    EXPECT_TRUE(a.Gecikmeler == b.Gecikmeler);
    EXPECT_EQ(a.CalmaModu, b.CalmaModu);
    EXPECT_EQ(a.SSsayisi, b.SSsayisi);
    for (int r = 1; r <= a.SSsayisi; ++r) {
        EXPECT_EQ(a.SSismi(r), b.SSismi(r));
        EXPECT_EQ(a.SSgirisler(r), b.SSgirisler(r));
        EXPECT_EQ(a.SScikislar(r), b.SScikislar(r));
        EXPECT_EQ(a.SSkosul(r), b.SSkosul(r));
    }
}


}  // namespace

TEST(ConfigFileWriter, WritesTheFormatByteForByte)
{
    const QByteArray bytes = configFileBytes(exampleConfig(12));
    keepSeed(QStringLiteral("example12.dvk"), bytes);
    const QStringList l = linesOf(bytes);
    ASSERT_EQ(l.size(), 4 + 508 + 4);
    EXPECT_EQ(l[0], QStringLiteral("\"Rendon Elektronik Ticaret ve Sanayi A.S. Tel: (0000) 000 00 00\""));
    EXPECT_EQ(l[1], QStringLiteral("\"ACME\""));
    EXPECT_EQ(l[2], QStringLiteral("2"));
    EXPECT_EQ(l[3], QStringLiteral("\"Loop\",\"Address\",\"Zone\",\"Type\",\"Day\",\"Night\",\"Location\",\"ByPass\","
                                   "\"Event type\",\"Delay\",\"Output event fire\",\"Output event fault\""));
    EXPECT_EQ(l[4], QStringLiteral(R"(" 1"," 1"," 3"," 2","5","5",""," 64","0",0,0,"0")"));
    EXPECT_EQ(l[4 + 99], QStringLiteral(R"(" 1"," 100"," 12"," 8","5","5",""," 0","0",30,12,"0")"));
    EXPECT_EQ(l[4 + 127 + 126], QStringLiteral(R"(" 2"," 127"," 0"," 0","5","5",""," 0","0",0,0,"0")"));
    EXPECT_EQ(l[4 + 507], QStringLiteral(R"(" 4"," 127"," 0"," 0","5","5",""," 0","0",0,0,"0")"));
    EXPECT_EQ(l[512], QStringLiteral("\"Delays\""));
    EXPECT_EQ(l[513], QStringLiteral("30,30,30,30,0,0,0"));
    EXPECT_EQ(l[514], QStringLiteral("\"RINGING MODE\""));
    EXPECT_EQ(l[515], QStringLiteral("1"));

    // 14 is the same layout; 15 adds the panel name; 20 also the rule count.
    EXPECT_EQ(configFileBytes(exampleConfig(14)), bytes);
    const QStringList l15 = linesOf(configFileBytes(exampleConfig(15)));
    ASSERT_EQ(l15.size(), l.size() + 1);
    EXPECT_EQ(l15[2], QStringLiteral("\"P1\""));
    const QByteArray v20 = configFileBytes(exampleConfig(20));
    keepSeed(QStringLiteral("example20-norules.dvk"), v20);
    EXPECT_TRUE(v20.endsWith("\"RINGING MODE\"\r\n1\r\n0\r\n"));
}

TEST(ConfigFileWriter, WritesRulesTextsAndNumbersAsHeld)
{
    Config c = exampleConfig(20);
    c.CevrimSayisi = 2.5;
    c.CihazTipi(3, 9) = 6;
    c.BolgeNo(3, 9) = -4;
    c.OlayTipi(3, 9) = 32;
    c.CikisHata(3, 9) = 7;
    c.MahalText(3, 9) = QStringLiteral("Şişli, \"B\" Güneş İĞÖÜÇı");
    c.SSsayisi = 1;
    c.SSismi(1) = QStringLiteral("R1");
    c.SSgirisler(1) = QStringLiteral("1,5.2,17.:");
    c.SScikislar(1) = QStringLiteral("1,100.5,5.:");
    c.SSkosul(1) = 1;
    const QByteArray bytes = configFileBytes(c);
    keepSeed(QStringLiteral("example20.dvk"), bytes);

    EXPECT_TRUE(bytes.contains("\"P1\"\r\n2.5\r\n"));
    // Code page 1254; the double quote becomes an apostrophe so the text stays one field.
    EXPECT_TRUE(bytes.contains("\r\n\" 3\",\" 9\",\"-4\",\" 6\",\"5\",\"5\",\""
                               "\xDE\x69\xFEli, 'B' G\xFCne\xFE \xDD\xD0\xD6\xDC\xC7\xFD"
                               "\",\" 0\",\"32\",0,0,\"7\"\r\n"));
    EXPECT_TRUE(bytes.endsWith("\"RINGING MODE\"\r\n1\r\n1\r\n\"R1\"\r\n\"1,5.2,17.:\"\r\n\"1,100.5,5.:\"\r\n1\r\n"));

    // A count the rule tables cannot hold is refused rather than written half.
    c.SSsayisi = 201;
    EXPECT_THROW(configFileBytes(c), RangeError);
}

TEST(ConfigFileReader, RoundTripsAtEveryVersion)
{
    for (int version : {12, 14, 15, 20}) {
        SCOPED_TRACE(version);
        const Config written = filledConfig(version);
        const QByteArray bytes = configFileBytes(written);
        Config read;
        read.McuVersiyon = version;
        read.AdresTablosuHazir = 1;
        const ReadResult r = readConfigBytes(read, bytes);
        ASSERT_EQ(r.status, ReadStatus::Ok) << r.message.toStdString();
        EXPECT_TRUE(r.message.isEmpty());
        EXPECT_EQ(read.AdresTablosuHazir, 0);
        EXPECT_EQ(read.MahalText(1, 4), QStringLiteral("Kat 1, oda 4 Şişli Çığ"));
        EXPECT_EQ(read.GecikmeBaslik, QStringLiteral("Delays"));
        EXPECT_EQ(read.CalmaModuBaslik, QStringLiteral("RINGING MODE"));

        Config expected = written;
        if (version < 15)
            expected.PanelAdi.clear();
        if (version < 20)
            expected.SSsayisi = 0;
        expectSameFileContent(read, expected);
        EXPECT_EQ(configFileBytes(read), bytes);
    }
}

TEST(ConfigFileReader, ChangesOnlyWhatTheFileCarries)
{
    Config c = filledConfig(12);
    c.DosyaKaydedildi = 1;
    c.Cevrim3Eklendi = 1;
    c.Cevrim4Eklendi = 1;
    Config other = exampleConfig(12);
    const QByteArray bytes = configFileBytes(other);

    ASSERT_EQ(readConfigBytes(c, bytes).status, ReadStatus::Ok);
    EXPECT_EQ(c.PanelAdi, QStringLiteral("Blok A"));  // not in a V1.2 file
    EXPECT_EQ(c.SSsayisi, 3);                         // nor are rules
    EXPECT_EQ(c.SSgirisler(2), QStringLiteral("3,7.4,1.:"));
    EXPECT_EQ(c.DosyaKaydedildi, 1);
    EXPECT_EQ(c.Cevrim3Eklendi, 1);
    EXPECT_EQ(c.Cevrim4Eklendi, 1);
    EXPECT_EQ(c.TedarikciAdi, QStringLiteral("ACME"));
    EXPECT_EQ(c.Gecikmeler(7), 0);  // the reserved slot is not in the file
    EXPECT_EQ(c.CihazTipi(1, 4), 0);

    c.McuVersiyon = 15;
    other.McuVersiyon = 15;
    ASSERT_EQ(readConfigBytes(c, configFileBytes(other)).status, ReadStatus::Ok);
    EXPECT_EQ(c.PanelAdi, QStringLiteral("P1"));
    EXPECT_EQ(c.SSsayisi, 3);
}

TEST(ConfigFileReader, TakesFieldsAsTheFormatAllows)
{
    QStringList l = linesOf(configFileBytes(exampleConfig(12)));
    l[2] = QStringLiteral("  2.5");  // loop count keeps its fraction
    // A record stored at its own loop and address, whatever its place; unquoted
    // fields with leading blanks; values rounded half to even.
    l[4] = QStringLiteral(R"(" 3"," 9.4",  2.5 ," 3.5",5,5,"Kat 1, oda 2"junk," 64","32",  30,1e1,"0")");
    l[4 + 2 * 127 + 8] = QStringLiteral(R"(" 1"," 2"," 0"," 0","5","5",""," 0","0",0,0,"0")");
    l.append(QString());  // trailing empty lines are not left over
    l.append(QString());
    QByteArray bytes = joinLines(l);
    bytes.replace("\r\n", "\n");  // line feeds alone end lines too

    Config c;
    c.McuVersiyon = 12;
    c.CihazTipi(1, 1) = 5;
    const ReadResult r = readConfigBytes(c, bytes);
    ASSERT_EQ(r.status, ReadStatus::Ok) << r.message.toStdString();
    EXPECT_EQ(c.CevrimSayisi, 2.5);
    EXPECT_EQ(c.CihazTipi(1, 1), 5);  // no record for (1, 1) any more
    EXPECT_EQ(c.BolgeNo(3, 9), 2);
    EXPECT_EQ(c.CihazTipi(3, 9), 4);
    EXPECT_EQ(c.MahalText(3, 9), QStringLiteral("Kat 1, oda 2"));
    EXPECT_EQ(c.GecikmeIptal(3, 9), 64);
    EXPECT_EQ(c.OlayTipi(3, 9), 32);
    EXPECT_EQ(c.Gecikme(3, 9), 30);
    EXPECT_EQ(c.CikisYangin(3, 9), 10);
}

TEST(ConfigFileReader, RefusesBadFilesAndChangesNothing)
{
    const QStringList good = linesOf(configFileBytes(filledConfig(20)));
    struct Case {
        const char *name;
        QByteArray bytes;
        ReadStatus status;
        QString message;  // contained in the message
    };
    auto edited = [&](int line, const QString &text) {
        QStringList l = good;
        l[line] = text;
        return joinLines(l);
    };
    QStringList tooMany = good.mid(0, good.indexOf(QStringLiteral("\"RINGING MODE\"")) + 2);
    tooMany << QStringLiteral("201");
    for (int r = 0; r < 201; ++r)
        tooMany << QStringLiteral("\"R\"") << QStringLiteral("\"1,1.:\"") << QStringLiteral("\":\"")
                << QStringLiteral("1");
    QByteArray lowerCase = joinLines(good);
    lowerCase.replace("Rendon Elektronik", "rendon elektronik");

    const std::vector<Case> cases{
        {"identification in other case", lowerCase, ReadStatus::WrongFileType, QStringLiteral("Wrong file type")},
        {"empty file", QByteArray(), ReadStatus::WrongFileType, QStringLiteral("Wrong file type")},
        {"ends early", joinLines(good.mid(0, 300)), ReadStatus::Damaged,
         QStringLiteral("ends too early: device record 296 of 508 is missing (the file stops at line 300)")},
        {"loop 5", edited(5, QStringLiteral(R"(" 5"," 1"," 0"," 0","5","5",""," 0","0",0,0,"0")")),
         ReadStatus::Damaged, QStringLiteral("Line 6: device record 1 names loop \" 5\", address \" 1\"")},
        {"address 128", edited(5, QStringLiteral(R"(" 1"," 128"," 0"," 0","5","5",""," 0","0",0,0,"0")")),
         ReadStatus::Damaged, QStringLiteral("address \" 128\"")},
        {"loop 0", edited(5, QStringLiteral(R"(" 0"," 1"," 0"," 0","5","5",""," 0","0",0,0,"0")")),
         ReadStatus::Damaged, QStringLiteral("loop \" 0\"")},
        {"zone beyond 16 bits", edited(6, QStringLiteral(R"(" 1"," 2"," 40000"," 0","5","5",""," 0","0",0,0,"0")")),
         ReadStatus::Damaged, QStringLiteral("Line 7: the zone of device record 2 is \" 40000\", which does not fit a 16-bit field.")},
        {"more than 200 rules", joinLines(tooMany), ReadStatus::Damaged,
         QStringLiteral("the file holds 201 cause-effect rules; at most 200")},
        {"text never closed", edited(good.size() - 2, QStringLiteral("\"1,1.:")), ReadStatus::Damaged,
         QStringLiteral("never closed")},
        {"title misspelt", edited(good.indexOf(QStringLiteral("\"Delays\"")), QStringLiteral("\"delays\"")),
         ReadStatus::Damaged, QStringLiteral("the title \"Delays\" was expected but \"delays\" was found")},
        {"left over", joinLines(good + QStringList{QStringLiteral("1")}), ReadStatus::Damaged,
         QStringLiteral("goes on after the end")},
        {"negative rule count", edited(good.indexOf(QStringLiteral("\"RINGING MODE\"")) + 2, QStringLiteral("-1")),
         ReadStatus::Damaged, QStringLiteral("is not a count")},
    };

    for (const Case &k : cases) {
        SCOPED_TRACE(k.name);
        keepSeed(QStringLiteral("bad-%1.dvk").arg(QString::fromLatin1(k.name).replace(u' ', u'-')), k.bytes);
        Config c = filledConfig(20);
        c.AdresTablosuHazir = 1;
        const Config before = c;
        const ReadResult r = readConfigBytes(c, k.bytes);
        EXPECT_EQ(r.status, k.status);
        EXPECT_TRUE(r.message.contains(k.message)) << r.message.toStdString();
        if (k.status == ReadStatus::Damaged) {
            EXPECT_TRUE(r.message.endsWith(QStringLiteral("The configuration was not changed.")))
                << r.message.toStdString();
        }
        EXPECT_TRUE(c == before);
    }
}

TEST(ConfigFileReader, NamesTheVersionAFileWasWrittenFor)
{
    const struct {
        int version;
        const char *name;
    } versions[] = {{12, "V1.2-1.4"}, {15, "V1.5"}, {20, "V2.0"}};
    for (const auto &written : versions) {
        for (const auto &chosen : versions) {
            if (written.version == chosen.version)
                continue;
            SCOPED_TRACE(std::to_string(written.version) + " read as " + std::to_string(chosen.version));
            Config c = filledConfig(chosen.version);
            const Config before = c;
            const ReadResult r = readConfigBytes(c, configFileBytes(filledConfig(written.version)));
            EXPECT_EQ(r.status, ReadStatus::VersionMismatch);
            EXPECT_EQ(r.message, QStringLiteral("This file was written for MCU version %1. Choose that version with "
                                                "File > MCU Version and open it again.")
                                     .arg(QLatin1String(written.name)));
            EXPECT_TRUE(c == before);
        }
    }
    // Fits no layout at all: damaged, not a mismatch.
    QStringList l = linesOf(configFileBytes(filledConfig(15)));
    l.removeAt(2);
    l.removeAt(2);
    Config c = filledConfig(20);
    EXPECT_EQ(readConfigBytes(c, joinLines(l)).status, ReadStatus::Damaged);
}

TEST(ConfigFileOnDisk, SavesSafelyAndReadsBack)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("site.dvk"));
    Config c = filledConfig(20);

    SaveResult s = GirisVerileriniKaydet(c, path);
    ASSERT_TRUE(s.ok) << s.message.toStdString();
    EXPECT_EQ(c.DosyaKaydedildi, 1);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray saved = f.readAll();
    f.close();
    EXPECT_EQ(saved, configFileBytes(c));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("site.dvk")});

    Config read;
    read.McuVersiyon = 20;
    EXPECT_EQ(DosyadanVerileriOku(read, path).status, ReadStatus::Ok);
    expectSameFileContent(read, c);

    // A save that cannot be completed leaves the old file and the flag alone.
    Config fresh = filledConfig(20);
    fresh.SSsayisi = 201;
    s = GirisVerileriniKaydet(fresh, path);
    EXPECT_FALSE(s.ok);
    EXPECT_TRUE(s.message.contains(QStringLiteral("\"site.dvk\""))) << s.message.toStdString();
    EXPECT_EQ(fresh.DosyaKaydedildi, 0);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), saved);
    f.close();

    fresh.SSsayisi = 0;
    s = GirisVerileriniKaydet(fresh, dir.path());
    EXPECT_FALSE(s.ok);
    EXPECT_TRUE(s.message.contains(QStringLiteral("a folder has that name"))) << s.message.toStdString();
    s = GirisVerileriniKaydet(fresh, dir.filePath(QStringLiteral("missing/site.dvk")));
    EXPECT_FALSE(s.ok);
    EXPECT_TRUE(s.message.startsWith(QStringLiteral("The configuration was not saved to \"site.dvk\": ")))
        << s.message.toStdString();
    EXPECT_EQ(fresh.DosyaKaydedildi, 0);
    EXPECT_TRUE(QDir(dir.path()).exists());

    // Files that cannot be opened change nothing either.
    const Config before = read;
    ReadResult r = DosyadanVerileriOku(read, dir.filePath(QStringLiteral("nothing.dvk")));
    EXPECT_EQ(r.status, ReadStatus::CannotOpen);
    EXPECT_TRUE(r.message.startsWith(QStringLiteral("The file \"nothing.dvk\" cannot be opened: ")));
    r = DosyadanVerileriOku(read, dir.path());
    EXPECT_EQ(r.status, ReadStatus::CannotOpen);
    r = DosyadanVerileriOku(read, QStringLiteral("/dev/zero"));  // never ends
    EXPECT_EQ(r.status, ReadStatus::Damaged);
    EXPECT_TRUE(r.message.contains(QStringLiteral("far too large"))) << r.message.toStdString();
    EXPECT_TRUE(read == before);
}
