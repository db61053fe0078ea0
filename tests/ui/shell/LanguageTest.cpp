#include "ui/shell/ShellFixture.h"

#include "ui/causeeffect/SebepSonuc.h"
#include "core/comm/TransferWords.h"
#include "ui/comm/TransferHistory.h"
#include "core/devices/DeviceCatalog.h"
#include "ui/devices/Fcihazverileri.h"
#include "ui/panel/Fpanelverileri.h"
#include "ui/site/LoopCalcWindow.h"
#include "ui/shell/Language.h"
#include "core/storage/Commissioning.h"
#include "core/storage/ConfigFile.h"
#include "core/storage/FileWords.h"
#include "core/storage/SafeFile.h"
#include "core/storage/ScheduleWords.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QRegularExpression>
#include <QAbstractItemView>
#include <QSet>

namespace vaz::test {
namespace {

class LanguageTest : public ShellTest {
protected:
    void TearDown() override { useLanguage(QStringLiteral("en")); }

    // What every window shows and tells a screen reader, each text led by
    // its window's and object's names.
    QSet<QString> shownTexts()
    {
        QSet<QString> out;
        auto add = [&](const QObject *o, const QString &text) {
            if (!text.isEmpty())
                out << (o->isWidgetType() ? static_cast<const QWidget *>(o)->window()->objectName() : QString()) +
                           u'/' + o->objectName() + u'|' + text;
        };
        openEveryWindow([&](const QString &) {
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (!window->isVisible() || qobject_cast<QMenu *>(window))
                    continue;
                add(window, window->windowTitle());
                for (QList<QObject *> all = window->findChildren<QObject *>(); QObject * o : all << window) {
                    for (const char *property :
                         {"text", "toolTip", "title", "placeholderText", "accessibleName", "accessibleDescription"})
                        add(o, o->property(property).toString());
                    if (QAccessibleInterface *a = QAccessible::queryAccessibleInterface(o))
                        add(o, a->text(QAccessible::Name)), add(o, a->text(QAccessible::Description));
                    if (auto *c = qobject_cast<QComboBox *>(o))
                        for (int i = 0; i < c->count(); ++i)
                            add(o, c->itemText(i));
                    if (auto *view = qobject_cast<QAbstractItemView *>(o); view && view->model())
                        addItems(view->model(), {}, [&](const QString &t) { add(o, t); });
                }
            }
        });
        return out;
    }

    // Headings and the first rows' cells, branches included.
    static void addItems(const QAbstractItemModel *m, const QModelIndex &parent,
                         const std::function<void(const QString &)> &add)
    {
        for (int c = 0; c < m->columnCount(parent); ++c)
            add(m->headerData(c, Qt::Horizontal).toString());
        for (int r = 0; r < std::min(m->rowCount(parent), 12); ++r)
            for (int c = 0; c < m->columnCount(parent); ++c) {
                const QModelIndex i = m->index(r, c, parent);
                add(i.data().toString()), add(i.data(Qt::ToolTipRole).toString());
                add(i.data(Qt::AccessibleTextRole).toString());
                if (c == 0 && m->hasChildren(i))
                    addItems(m, i, add);
            }
    }
};

TEST_F(LanguageTest, TurkishLeavesNoEnglishCaptionAndWritesTheSameFile)
{
    // Help ▸ Language is for the next start: this run stays English.
    act("MnLanguage_tr")->trigger();
    EXPECT_EQ(startLanguage(), "tr");
    const QSet<QString> english = shownTexts();
    act("MnLanguage_en")->trigger();
    const QByteArray file = storage::configFileBytes(exampleConfig(20));
    ASSERT_TRUE(useLanguage(QStringLiteral("tr")));
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == u"HelpWindow")
            delete w;  // the guide's window outlives a run
    SetUp();           // a new run, its windows built in Turkish
    const QSet<QString> turkish = shownTexts();
    EXPECT_GT(turkish.size(), english.size() / 2);
    // Numbers (a fingerprint among them), product codes, ports, versions, the
    // matrix's marks, language names, the configuration's own names and the
    // panel's own display line.
    const QRegularExpression stays(QStringLiteral(
        "\\|([\\d\\s.:/+%-]*|[0-9A-F]{64}|QF-\\d+|COM\\d|Port|/dev/\\w+|V[\\d./"
        "+-]+|[IO]|&?English|&?Türkçe|ACME Yangin|"
        "\\s*(Hall|Roof|Lobby|Blok Ç|Rule\\d)\\s*|Status - Normal +Access level 1|BS 5839-1|NFPA 72|Alarm \\(mA\\))$"));
    QStringList left = (english & turkish).values();
    left.sort();
    for (const QString &text : left)
        if (!stays.match(text).hasMatch())
            ADD_FAILURE() << "still English: " << text.toStdString();

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
    comm::TransferFailure unfit = refused;
    unfit.kind = comm::TransferFailure::Kind::Refused, unfit.transfer = comm::Transfer::Download;
    unfit.refusal.kind = comm::Refusal::Kind::DoesNotFit, unfit.refusal.item = comm::Refusal::Item::Zone;
    unfit.refusal.loop = 2, unfit.refusal.address = 45, unfit.refusal.received = QStringLiteral("70000");
    const std::tuple<comm::TransferFailure, const char *, const char *> said[] = {
        {silent, "Loop 2 address 045", "(Çevrim 2 adres 045 gönderilirken, alan 1,214 / 5,106)."},
        {refused, "Loop 2 address 045",
         "Karşılaştırma reddedildi: panel Çevrim 2 adres 045, Location için ayırıcısız 4096"},
        {unfit, "the panel sent \"70000\" as the zone number of loop 2, address 045, which does not fit.",
         "Alım reddedildi: panel çevrim 2, adres 045 bölge numarası olarak \"70000\" gönderdi"},
    };
    for (const auto &[failure, place, turkish] : said) {
        const QString english = comm::failureText(failure);
        EXPECT_TRUE(english.contains(QString::fromUtf8(place))) << english.toStdString();
        ASSERT_TRUE(useLanguage(QStringLiteral("tr")));
        EXPECT_TRUE(comm::failureText(failure).contains(QString::fromUtf8(turkish)))
            << comm::failureText(failure).toStdString();
        useLanguage(QStringLiteral("en"));
        EXPECT_EQ(comm::failureText(failure), english) << "the command line's English is the windows' own";
    }
}

// Every kind of problem of the file reader and the schedule, worded as the
// windows and the command line word them, with the same facts each time.
QStringList fileAndScheduleProblems()
{
    using namespace storage;
    QStringList out;
    ReadProblem read;
    read.file = QStringLiteral("site.dvk"), read.line = 7, read.number = 31;
    read.text = QStringLiteral("X9"), read.other = QStringLiteral("Y8");
    read.input = {InputProblem::Kind::System, QStringLiteral("Permission denied")};
    read.place = {FilePlace::Kind::RecordField, 3, 2, QStringLiteral("Zone")};
    for (int k = 1; k <= int(ReadProblem::Kind::Refused); ++k)
        read.kind = ReadProblem::Kind(k), out << readProblemText(read);
    read.kind = ReadProblem::Kind::NotANumber;
    for (int k = 0; k <= int(FilePlace::Kind::RulePart); ++k)
        read.place.kind = FilePlace::Kind(k), out << readProblemDetail(read);
    for (int k = int(InputProblem::Kind::Folder); k <= int(InputProblem::Kind::Changed); ++k)
        out << inputProblemText({InputProblem::Kind(k), {}});
    out << outputProblem(QDir::tempPath()) << saveFailureReason({}, 2048, 1024);

    TableRead sheet;
    sheet.problem.row = 12, sheet.problem.input.kind = InputProblem::Kind::Pipe;
    for (int k = int(SheetProblem::Kind::TooManyRows); k <= int(SheetProblem::Kind::NoExcel); ++k)
        for (int part = 0; part <= int(SheetProblem::Part::SharedStrings); ++part)
            for (int damage = 0; damage <= int(SheetProblem::Damage::NoSuchSharedString); ++damage) {
                sheet.problem.kind = SheetProblem::Kind(k), sheet.problem.part = SheetProblem::Part(part);
                sheet.problem.damage = SheetProblem::Damage(damage);
                out << sheetReadText(sheet);
            }
    sheet.problem.file = QStringLiteral("plan.csv");
    for (auto k : {SheetProblem::Kind::CannotRead, SheetProblem::Kind::TooLarge, SheetProblem::Kind::WideRow})
        sheet.problem.kind = k, out << sheetReadText(sheet);

    ScheduleProblem problem;
    problem.row = 14, problem.column = kZoneColumn, problem.cell = QStringLiteral("49");
    problem.number = 2, problem.limit = 48, problem.at = {2, 45}, problem.rules = {QStringLiteral("Kat1")};
    QList<ScheduleProblem> problems;
    for (int k = 0; k <= int(ScheduleProblem::Kind::CannotRemove); ++k)
        problem.kind = ScheduleProblem::Kind(k), problems << problem, out << problemText(problem);
    problem.cell = QStringLiteral("\t"), problem.kind = ScheduleProblem::Kind::CannotBeSent;
    out << problemLines(QList<ScheduleProblem>(101, problem)).mid(99);
    SchedulePlan plan;
    plan.added = 3, plan.changed = 1, plan.removed = {{1, 5}, {2, 9}}, plan.changes = {{{1, 5}, {}}};
    return out << planSummary(plan);
}

TEST_F(LanguageTest, FileAndScheduleProblemsReadInTheUsersLanguageWithTheirFacts)
{
    const QStringList english = fileAndScheduleProblems();
    const QList<storage::ScheduleProblem> problems{
        {storage::ScheduleProblem::Kind::Above, 3, storage::kZoneColumn, QStringLiteral("49"), 0, 48, {}, {}}};
    const storage::SheetRows sheet = storage::problemTable(problems);
    EXPECT_EQ(sheet.value(1), (QStringList{"3", "Zone", "49 is above 48"}));
    ASSERT_TRUE(useLanguage(QStringLiteral("tr")));
    const QStringList turkish = fileAndScheduleProblems();
    EXPECT_EQ(storage::problemTable(problems), sheet) << "a saved problem sheet stays English";
    useLanguage(QStringLiteral("en"));
    EXPECT_EQ(fileAndScheduleProblems(), english) << "the command line's English is the windows' own";

    // The numbers and the quoted names of the file, in any order.
    auto facts = [](const QString &text) {
        static const QRegularExpression fact(QStringLiteral("\\d+|\"[^\"]*\""));
        QStringList found;
        for (const QRegularExpressionMatch &m : fact.globalMatch(text))
            found << m.captured();
        found.sort();
        return found;
    };
    ASSERT_EQ(english.size(), turkish.size());
    for (qsizetype i = 0; i < english.size(); ++i) {
        SCOPED_TRACE(english[i].toStdString());
        EXPECT_FALSE(english[i].isEmpty() || english[i] == turkish[i]) << turkish[i].toStdString();
        EXPECT_EQ(facts(turkish[i]), facts(english[i])) << turkish[i].toStdString();
    }
    EXPECT_TRUE(turkish.contains(QString::fromUtf8("Satır 14, Zone: 49, 48 değerinin üstünde")));
    EXPECT_TRUE(turkish.contains(QString::fromUtf8("\"site.dvk\" dosyası okunamıyor. Satır 7: 3. cihaz kaydının "
                                                   "\"Zone\" alanı \"X9\"; bu bir sayı değil. Yapılandırma "
                                                   "değiştirilmedi.")));
}

TEST_F(LanguageTest, ThePapersFollowTheInterfacesLanguage)
{
    // The cover's labels, the headings, the device schedule's columns and every page's foot.
    auto papers = [] {
        const storage::Document doc = storage::commissioningReport(
            exampleConfig(20, 1), {QStringLiteral("site.dvk"), "x", true, QDateTime(QDate(2026, 12, 7), QTime(9, 5)),
                                   QStringLiteral("V2.0 3F2A"), std::nullopt});
        QStringList texts;
        for (const storage::DocumentSection &section : doc.sections)
            texts << section.heading.value(0).section(u':', 0, 0);
        texts << doc.sections[1].heading.value(1);
        for (const QStringList &row : doc.sections[0].rows)
            texts << row.value(0).section(u':', 0, 0);
        return texts << storage::paginate(doc, 60).value(0).foot;
    };
    const QStringList english = papers();
    ASSERT_TRUE(useLanguage(QStringLiteral("tr")));
    const QStringList turkish = papers();
    useLanguage(QStringLiteral("en"));
    ASSERT_EQ(english.size(), turkish.size());
    for (qsizetype i = 0; i < english.size(); ++i)
        EXPECT_TRUE(english[i] != turkish[i] || !english[i].contains(QRegularExpression(QStringLiteral("[a-z]"))))
            << english[i].toStdString();
    EXPECT_TRUE(turkish.constLast().startsWith(QString::fromUtf8("Devreye alma raporu site.dvk    sayfa 1 / ")))
        << turkish.constLast().toStdString();
}

}  // namespace
}  // namespace vaz::test
