#include "ui/shell/ShellFixture.h"

#include "ui/causeeffect/SebepSonuc.h"
#include "core/comm/TransferWords.h"
#include "core/devices/DeviceCatalog.h"
#include "ui/devices/Fcihazverileri.h"
#include "ui/panel/Fpanelverileri.h"
#include "ui/shell/Language.h"
#include "core/storage/ConfigFile.h"

#include <QComboBox>
#include <QRegularExpression>
#include <QTreeView>

namespace vaz::test {
namespace {

class LanguageTest : public ShellTest {
protected:
    void TearDown() override { useLanguage(QStringLiteral("en")); }

    // What the main, device, panel and cause-effect windows show of an example
    // configuration, each text led by its object's name, in walking order.
    QStringList shownTexts()
    {
        confirmVersion("v2"), cfg() = exampleConfig(20);
        app->mainWindow()->afterFileRead(true), app->deviceWindow()->openWindow();
        QStringList out;
        for (QObject *window : std::initializer_list<QObject *>{app->mainWindow(), app->deviceWindow(),
                                                                app->panelWindow(), app->causeEffectEditor()})
            for (QList<QObject *> all = window->findChildren<QObject *>(); QObject * o : all << window) {
                QStringList t;
                for (const char *property : {"text", "toolTip", "title", "placeholderText"})
                    t << o->property(property).toString();
                if (o->isWidgetType() && static_cast<QWidget *>(o)->isWindow())
                    t << static_cast<QWidget *>(o)->windowTitle();
                if (auto *c = qobject_cast<QComboBox *>(o))
                    for (int i = 0; i < c->count(); ++i)
                        t << c->itemText(i);
                if (auto *tree = qobject_cast<QTreeView *>(o); tree && tree->model()->rowCount() > 0)
                    // the branches, not the user's names
                    for (int i = 0; i < tree->model()->rowCount(tree->model()->index(0, 0)); ++i)
                        t << tree->model()->index(i, 0, tree->model()->index(0, 0)).data().toString();
                for (const QString &s : t)
                    out << o->objectName() + u'|' + s;
            }
        return out;
    }
};

TEST_F(LanguageTest, TurkishLeavesNoEnglishCaptionAndWritesTheSameFile)
{
    // Help ▸ Language is for the next start: this run stays English.
    act("MnLanguage_tr")->trigger();
    EXPECT_EQ(startLanguage(), "tr");
    const QStringList english = shownTexts();
    act("MnLanguage_en")->trigger();
    const QByteArray file = storage::configFileBytes(exampleConfig(20));
    ASSERT_TRUE(useLanguage(QStringLiteral("tr")));
    SetUp();  // a new run, its windows built in Turkish
    const QStringList turkish = shownTexts();
    ASSERT_EQ(english.size(), turkish.size());
    // Numbers, product codes, language names, the configuration's own names
    // and the panel's own display line.
    const QRegularExpression stays(
        QStringLiteral("\\|([\\d\\s.:/+-]*|QF-\\d+|&?English|&?Türkçe|ACME Yangin|Status - Normal +Access level 1)$"));
    for (qsizetype i = 0; i < english.size(); ++i)
        if (english[i] == turkish[i] && !stays.match(english[i]).hasMatch())
            ADD_FAILURE() << "still English: " << english[i].toStdString();

    // Showing never writes: the type list reads back as shown, and the file is the same.
    for (int code = 1; code <= devices::kTypeCount; ++code)
        EXPECT_EQ(devices::codeOfListText(devices::listText(code)), code);
    EXPECT_EQ(storage::configFileBytes(exampleConfig(20)), file);
}

TEST_F(LanguageTest, ATransferFailureReadsInTheUsersLanguageWithItsPlace)
{
    comm::TransferFailure silent;
    silent.transfer = comm::Transfer::Upload;
    silent.waitedMs = 5000;
    silent.started = true;
    silent.place = comm::TransferPlace::device(2, 45);
    silent.field = 1214;
    silent.total = 5106;
    comm::TransferFailure refused = silent;
    refused.kind = comm::TransferFailure::Kind::TooLong;
    refused.transfer = comm::Transfer::Compare;
    refused.place.field = QStringLiteral("Location");
    refused.total = 4096;
    const std::pair<comm::TransferFailure, const char *> said[] = {
        {silent, "(Çevrim 2 adres 045 gönderilirken, alan 1,214 / 5,106)."},
        {refused, "Karşılaştırma reddedildi: panel Çevrim 2 adres 045, Location için ayırıcısız 4096"},
    };
    for (const auto &[failure, turkish] : said) {
        const QString english = comm::failureText(failure);
        EXPECT_TRUE(english.contains("Loop 2 address 045")) << english.toStdString();
        ASSERT_TRUE(useLanguage(QStringLiteral("tr")));
        EXPECT_TRUE(comm::failureText(failure).contains(QString::fromUtf8(turkish)))
            << comm::failureText(failure).toStdString();
        useLanguage(QStringLiteral("en"));
        EXPECT_EQ(comm::failureText(failure), english) << "the command line's English is the windows' own";
    }
}

}  // namespace
}  // namespace vaz::test
