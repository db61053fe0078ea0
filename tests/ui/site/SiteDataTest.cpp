#include "ui/shell/ShellFixture.h"

#include "core/site/SiteFile.h"
#include "ui/site/SiteDataDialog.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

namespace vaz::test {
namespace {

class SiteDataTest : public ShellTest {
protected:
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }

    SiteDataDialog *openSiteData()
    {
        act("MnSiteData")->trigger();
        SiteDataDialog *w = app->siteDataWindow();
        EXPECT_TRUE(w->isVisible());
        return w;
    }
    static void nameZone(SiteDataDialog *w, int zone, const QString &name)
    {
        QAbstractItemModel *m = child<QTableView>(w, "SiteZoneNames")->model();
        m->setData(m->index(zone - 1, 1), name);
    }

    QTemporaryDir dir;
};

TEST_F(SiteDataTest, TheWindowStoresOneStepOnOkAndNothingOnCancel)
{
    confirmVersion("v2"), newConfiguration(4);
    const Config before = cfg();
    for (bool ok : {false, true}) {
        SiteDataDialog *w = openSiteData();
        EXPECT_TRUE(cfg() == before && !act("MnUndo")->isEnabled()) << "showing never writes";
        child<QLineEdit>(w, "SiteName")->setText(QStringLiteral(" Şişli Plaza "));
        child<QLineEdit>(w, "SiteCableLength1")->setText(QStringLiteral("250.5"));
        QPushButton *okButton = child<QPushButton>(w, "SiteDataOk");
        nameZone(w, 5, QString(41, u'x'));
        EXPECT_FALSE(okButton->isEnabled());
        EXPECT_TRUE(child<QLabel>(w, "SiteZoneProblem")->text().contains("zone 5 has 41 characters"));
        nameZone(w, 5, QString()), nameZone(w, 3, QStringLiteral("Kat 2 Doğu Kanadı"));
        EXPECT_TRUE(okButton->isEnabled());
        child<QPushButton>(w, ok ? "SiteDataOk" : "SiteDataCancel")->click();
    }
    EXPECT_EQ(cfg().site.siteName, "Şişli Plaza");
    EXPECT_EQ(cfg().site.zoneNames, (QMap<int, QString>{{3, QStringLiteral("Kat 2 Doğu Kanadı")}}));
    EXPECT_EQ(cfg().site.cables[0].lengthM, 250.5);
    EXPECT_EQ(act("MnUndo")->text(), "&Undo Site data");
    act("MnUndo")->trigger();
    EXPECT_TRUE(cfg().site.isEmpty());
}

TEST_F(SiteDataTest, SaveAndOpenCarryTheSiteFileOnlyWhenThereIsOne)
{
    confirmVersion("v2"), newConfiguration(4);
    // No site data: the configuration alone, as ever.
    dialogs.paths = {path("plain.dvk")}, act("MnFarkliKaydet")->trigger();
    EXPECT_TRUE(QFile::exists(path("plain.dvk")) && !QFile::exists(path("plain.site.json")));

    cfg().site = exampleSite();
    dialogs.paths = {path("a.dvk")}, act("MnFarkliKaydet")->trigger();
    const QByteArray dvk = fileBytes(path("a.dvk"));
    EXPECT_EQ(dvk, fileBytes(path("plain.dvk"))) << "site data never reaches the configuration file";

    // Open reads it; New starts without.
    newConfiguration(4);
    EXPECT_TRUE(cfg().site.isEmpty());
    messages.answers = {Answer::Yes}, dialogs.paths = {path("a.dvk")}, act("MnAç")->trigger();
    EXPECT_EQ(cfg().site, exampleSite());

    // A damaged site file: said, the configuration opens without site data,
    // and Save asks before writing over it (No: the configuration alone).
    ASSERT_TRUE(writeBytes(path("a.site.json"), "{\"format\": 9}"));
    messages.messages.clear();
    dialogs.paths = {path("a.dvk")}, act("MnAç")->trigger();
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].startsWith("The site file \"a.site.json\" cannot be read: it has format 9"));
    EXPECT_TRUE(cfg().site.isEmpty() && cfg().CevrimSayisi == 4);
    cfg().site.engineer = QStringLiteral("Ayşe");
    for (Answer a : {Answer::Cancel, Answer::No, Answer::Yes}) {
        messages.questions.clear(), messages.answers = {a};
        act("MnKaydet")->trigger();
        EXPECT_EQ(messages.questions.size(), 1);
        EXPECT_EQ(site::readSiteFile(path("a.site.json")).ok(), a == Answer::Yes);
    }
    EXPECT_EQ(site::readSiteFile(path("a.site.json")).site.engineer, "Ayşe");
    messages.questions.clear(), act("MnKaydet")->trigger();
    EXPECT_TRUE(messages.questions.isEmpty()) << "asked once";
    EXPECT_EQ(fileBytes(path("a.dvk")), dvk);

    // Saved as a.dvk without site data: a's site file is asked about, not left to open with it.
    for (Answer a : {Answer::No, Answer::Yes}) {
        newConfiguration(4);
        messages.questions.clear(), messages.answers = {a};
        dialogs.paths = {path("a.dvk")}, act("MnFarkliKaydet")->trigger();
        EXPECT_EQ(messages.questions.size(), 1);
        EXPECT_EQ(site::readSiteFile(path("a.site.json")).site.isEmpty(), a == Answer::Yes);
    }
}

}  // namespace
}  // namespace vaz::test
