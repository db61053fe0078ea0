#include "core/site/SiteFile.h"
#include "core/storage/ConfigFile.h"
#include "support/ExampleConfig.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace vaz;
using namespace vaz::site;
using namespace vaz::test;

namespace {

TEST(SiteFile, EveryFieldComesBackAndTheBytesAreStable)
{
    const SiteData s = exampleSite();
    const QByteArray bytes = siteFileBytes(s);
    const SiteRead r = readSiteBytes(bytes);
    ASSERT_TRUE(r.ok()) << siteReadText(r).toStdString();
    EXPECT_EQ(r.site, s);
    EXPECT_EQ(siteFileBytes(r.site), bytes);
    EXPECT_TRUE(bytes.contains("\n    \"format\": 1,")) << "indented, format first";

    QTemporaryDir dir;
    Config cfg = exampleConfig(20);
    cfg.site = s;
    const QString dvk = dir.filePath("Blok A.dvk");
    ASSERT_TRUE(saveWithSite(cfg, dvk).ok);
    EXPECT_EQ(siteFilePath(dvk), dir.filePath("Blok A.site.json"));
    EXPECT_EQ(readSiteFile(siteFilePath(dvk)).site, s);
    // The configuration file holds what the panel holds, whatever the site.
    EXPECT_EQ(fileBytes(dvk), storage::configFileBytes(exampleConfig(20)));

    const SiteRead missing = readSiteFile(dir.filePath("none.site.json"));
    EXPECT_TRUE(missing.ok() && !missing.found && missing.site.isEmpty());
}

TEST(SiteFile, ADamagedFileIsRefusedWithItsReason)
{
    using K = SiteProblem::Kind;
    const QByteArray longName = "\"" + QByteArray(41, 'x') + "\"";
    struct Case {
        const char *what;
        QByteArray bytes;
        K kind;
        const char *said;
    } cases[] = {
        {"not JSON", "{\"format\": 1,", K::NotJson, "it is not a JSON object"},
        {"an array", "[1]", K::NotJson, "not a JSON object"},
        {"no format", "{}", K::WrongKind, "\"format\""},
        {"newer", "{\"format\": 2}", K::NewerFormat, "format 2"},
        {"zone 49", "{\"format\":1,\"zones\":[{\"zone\":49,\"name\":\"a\"}]}", K::OutOfRange, "\"zones[0].zone\""},
        {"zone 0", "{\"format\":1,\"zones\":[{\"zone\":0}]}", K::OutOfRange, "zones[0].zone"},
        {"long name", "{\"format\":1,\"zones\":[{\"zone\":1,\"name\":" + longName + "}]}", K::OutOfRange,
         "longer than 40 characters"},
        {"loop 5", "{\"format\":1,\"loops\":[{\"loop\":5}]}", K::OutOfRange, "loops[0].loop"},
        {"negative length", "{\"format\":1,\"loops\":[{\"loop\":1,\"lengthM\":-1}]}", K::OutOfRange,
         "loops[0].lengthM"},
        {"text for a number", "{\"format\":1,\"loops\":[{\"loop\":1,\"ohmPerKm\":\"9\"}]}", K::WrongKind,
         "loops[0].ohmPerKm"},
        {"zones not a list", "{\"format\":1,\"zones\":{}}", K::WrongKind, "\"zones\""},
        {"unknown result", "{\"format\":1,\"walkTests\":[{\"loop\":1,\"address\":1,\"result\":\"maybe\"}]}",
         K::OutOfRange, "walkTests[0].result"},
        {"bad time", "{\"format\":1,\"walkTests\":[{\"loop\":1,\"address\":1,\"at\":\"noon\"}]}", K::WrongKind,
         "walkTests[0].at"},
        {"address 128", "{\"format\":1,\"deviceCurrents\":[{\"loop\":1,\"address\":128}]}", K::OutOfRange,
         "deviceCurrents[0].address"},
        {"half hours", "{\"format\":1,\"supply\":{\"standbyHours\":1.5}}", K::WrongKind, "supply.standbyHours"},
    };
    QTemporaryDir dir;
    for (const Case &c : cases) {
        const QString path = dir.filePath(QStringLiteral("a.site.json"));
        ASSERT_TRUE(writeBytes(path, c.bytes));
        const SiteRead r = readSiteFile(path);
        EXPECT_TRUE(r.found && r.problem.kind == c.kind && r.site.isEmpty()) << c.what;
        const QString text = siteReadText(r);
        EXPECT_TRUE(text.startsWith(QStringLiteral("The site file \"a.site.json\" cannot be read: ")) &&
                    text.contains(QString::fromUtf8(c.said)))
            << c.what << ": " << text.toStdString();
    }
    // Too large, and what is no file, before anything is parsed.
    ASSERT_TRUE(writeBytes(dir.filePath("big.site.json"), QByteArray(kSiteFileLimit + 1, ' ')));
    EXPECT_EQ(readSiteFile(dir.filePath("big.site.json")).problem.kind, K::TooLarge);
    QDir(dir.path()).mkdir("folder.site.json");
    EXPECT_EQ(siteReadText(readSiteFile(dir.filePath("folder.site.json"))),
              "The site file \"folder.site.json\" cannot be read: it is a folder.");
}

// Old files with other bytes than a save of the changed data would write.
struct Pair {
    QTemporaryDir dir;
    QString dvk = dir.filePath("a.dvk"), json = dir.filePath("a.site.json");
    QByteArray oldDvk = "old configuration", oldJson = "old site";
    Pair() { writeBytes(dvk, oldDvk), writeBytes(json, oldJson); }
    bool untouched() const { return fileBytes(dvk) == oldDvk && fileBytes(json) == oldJson; }
    int strays() const { return int(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size()) - 2; }
};

TEST(SiteFile, AFailedSaveOfEitherFileLeavesBoth)
{
    Config cfg = exampleConfig(20);
    const qint64 dvkSize = storage::configFileBytes(cfg).size();
    // The site file larger than the configuration file, or smaller: the disk
    // runs full on the one or on the other.
    for (bool bigSite : {true, false}) {
        cfg.site = exampleSite();
        cfg.site.notes = QString(bigSite ? int(dvkSize) * 2 : 0, u'n');
        const qint64 siteSize = siteFileBytes(cfg.site).size();
        ASSERT_EQ(siteSize > dvkSize, bigSite);
        Pair p;
        storage::simulateDiskFullAfter(std::min(siteSize, dvkSize) + 1);
        const SavedPair r = saveWithSite(cfg, p.dvk);
        storage::simulateDiskFullAfter(-1);
        EXPECT_FALSE(r.ok) << bigSite;
        EXPECT_TRUE(r.message.contains("disk is full")) << r.message.toStdString();
        EXPECT_TRUE(p.untouched() && p.strays() == 0) << bigSite;
    }
    // The site file replaced, then the configuration file's replacement fails:
    // the old site file comes back.
    for (bool oldSite : {true, false}) {
        Pair p;
        if (!oldSite)
            QFile::remove(p.json);
        storage::simulateReplaceFailureAfter(1);
        const SavedPair r = saveWithSite(cfg, p.dvk);
        storage::simulateReplaceFailureAfter(-1);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(fileBytes(p.dvk), p.oldDvk);
        EXPECT_EQ(QFile::exists(p.json) ? fileBytes(p.json) : QByteArray("none"), oldSite ? p.oldJson : "none");
        EXPECT_EQ(p.strays(), oldSite ? 0 : -1) << "nothing left beside them";
    }
    // A configuration file that may not be replaced, and a folder where the
    // site file would go.
    if (geteuid() != 0) {
        Pair p;
        chmod(p.dvk.toLocal8Bit().constData(), 0444);
        EXPECT_FALSE(saveWithSite(cfg, p.dvk).ok);
        EXPECT_TRUE(p.untouched() && p.strays() == 0);
    }
    Pair p;
    QFile::remove(p.json), QDir(p.dir.path()).mkdir("a.site.json");
    EXPECT_FALSE(saveWithSite(cfg, p.dvk).ok);
    EXPECT_EQ(fileBytes(p.dvk), p.oldDvk);
}

}  // namespace
