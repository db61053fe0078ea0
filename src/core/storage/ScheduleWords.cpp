#include "core/storage/ScheduleWords.h"

#include "core/storage/FileWords.h"
#include "core/devices/DeviceCatalog.h"
#include "core/model/Conversions.h"

#include <QCoreApplication>

#include <algorithm>

namespace vaz::storage {

// The context of the texts below in the translations. Texts are marked with
// QT_TR_NOOP and go through say(), so that the problem sheet, a file, can
// have them in English under any translator.
class ScheduleWords {
    Q_DECLARE_TR_FUNCTIONS(vaz::storage::ScheduleWords)

public:
    explicit ScheduleWords(bool english = false) : english_(english) {}

    QString say(const char *text) const { return english_ ? QString::fromUtf8(text) : tr(text); }

    // A control character shows nothing in a cell.
    QString character(const QString &c) const
    {
        if (c.isEmpty())
            return {};
        switch (c[0].unicode()) {
        case u'\r':
        case u'\n': return say(QT_TR_NOOP("a line break"));
        case u'\t': return say(QT_TR_NOOP("a tab"));
        case 0: return say(QT_TR_NOOP("a NUL character"));
        default:
            return c[0] < u' ' || c[0].category() == QChar::Other_Control ? say(QT_TR_NOOP("a control character"))
                                                                          : u'\'' + c + u'\'';
        }
    }

    static QString rules(const QStringList &names)
    {
        QStringList quoted;
        for (const QString &name : names)
            quoted << u'\'' + name + u'\'';
        return quoted.join(QStringLiteral(", "));
    }

    // Cells go in all at once with the numbers: a "%1" in a cell stays as it is.
    QString problem(const ScheduleProblem &p) const
    {
        using K = ScheduleProblem::Kind;
        const QString limit = QString::number(p.limit);
        switch (p.kind) {
        case K::Empty: return say(QT_TR_NOOP("empty"));
        case K::NotANumber: return say(QT_TR_NOOP("'%1' is not a number")).arg(p.cell);
        case K::NotWhole: return say(QT_TR_NOOP("%1 is not a whole number")).arg(p.cell);
        case K::Below: return say(QT_TR_NOOP("%1 is below %2")).arg(p.cell, limit);
        case K::Above: return say(QT_TR_NOOP("%1 is above %2")).arg(p.cell, limit);
        case K::NotYesOrNo: return say(QT_TR_NOOP("'%1' is not yes or no")).arg(p.cell);
        case K::NotFireOrFault: return say(QT_TR_NOOP("'%1' is not Fire or Fault")).arg(p.cell);
        case K::NotAType: return say(QT_TR_NOOP("'%1' is not a device type")).arg(p.cell);
        case K::DoesNotApply: return say(QT_TR_NOOP("does not apply to a %1")).arg(devices::shortName(p.number));
        case K::TooLong: return say(QT_TR_NOOP("%1 characters, at most %2 fit")).arg(p.number).arg(p.limit);
        case K::CannotBeSent: return say(QT_TR_NOOP("%1 cannot be sent to the panel")).arg(character(p.cell));
        case K::NeedsZone: return say(QT_TR_NOOP("%1 needs a zone")).arg(p.cell);
        case K::UsedAsInput: return say(QT_TR_NOOP("cause-effect %1 uses it as an input")).arg(rules(p.rules));
        case K::UsedAsOutput: return say(QT_TR_NOOP("cause-effect %1 uses it as an output")).arg(rules(p.rules));
        case K::NoColumn: return say(QT_TR_NOOP("there is no column %1")).arg(p.cell);
        case K::LoopBeyond:
            return (p.limit == 1 ? say(QT_TR_NOOP("loop %1 but the configuration has %2 loop"))
                                 : say(QT_TR_NOOP("loop %1 but the configuration has %2 loops")))
                .arg(p.number)
                .arg(p.limit);
        case K::Twice: return say(QT_TR_NOOP("address %1 of loop %2 appears twice")).arg(p.at.address).arg(p.at.loop);
        case K::CannotRemove:
            return say(QT_TR_NOOP("%1 is missing, but cause-effect %2 uses it: it cannot be removed"))
                .arg(devicePlace(p.at.loop, p.at.address), rules(p.rules));
        }
        return {};
    }

    QString line(const ScheduleProblem &p) const
    {
        if (p.row == 0)
            return problem(p);
        // The column as the sheet titles it.
        return p.column < 0 ? say(QT_TR_NOOP("Row %1: %2")).arg(QString::number(p.row), problem(p))
                            : say(QT_TR_NOOP("Row %1, %2: %3"))
                                  .arg(QString::number(p.row), scheduleHeader().value(p.column), problem(p));
    }

    QString part(SheetProblem::Part part) const
    {
        switch (part) {
        case SheetProblem::Part::Workbook: return say(QT_TR_NOOP("the workbook part"));
        case SheetProblem::Part::Relationships: return say(QT_TR_NOOP("the workbook's relationships"));
        case SheetProblem::Part::Sheet: return say(QT_TR_NOOP("the sheet"));
        case SheetProblem::Part::SharedStrings: return say(QT_TR_NOOP("the shared strings"));
        }
        return {};
    }

    QString reason(const SheetProblem &p) const
    {
        using K = SheetProblem::Kind;
        using P = SheetProblem::Part;
        switch (p.kind) {
        case K::TooManyRows: return say(QT_TR_NOOP("it has more than 10,000 rows"));
        case K::WideRow:
            return say(QT_TR_NOOP("row %1 has a filled cell beyond column %2")).arg(p.row).arg(kMaxSheetColumns);
        case K::NotAWorkbook: return say(QT_TR_NOOP("it is not an Excel workbook"));
        case K::PartMissing: return say(QT_TR_NOOP("%1 is missing")).arg(part(p.part));
        case K::PartDamaged: return say(QT_TR_NOOP("%1 is damaged")).arg(part(p.part));
        case K::PartTooLarge: return say(QT_TR_NOOP("%1 is larger than 16 MB")).arg(part(p.part));
        case K::PartXmlDamaged:
            return (p.part == P::Relationships || p.part == P::SharedStrings ? say(QT_TR_NOOP("%1 are damaged"))
                                                                             : say(QT_TR_NOOP("%1 is damaged")))
                .arg(part(p.part));
        case K::SheetDamaged: {
            const QString where = p.row == 0 ? say(QT_TR_NOOP("the sheet is damaged before its first row"))
                                             : say(QT_TR_NOOP("the sheet is damaged after row %1")).arg(p.row);
            switch (p.damage) {
            case SheetProblem::Damage::Xml: return where;
            case SheetProblem::Damage::NoSharedStrings:
                return where + say(QT_TR_NOOP(": it names shared strings, which the workbook lacks"));
            case SheetProblem::Damage::NoSuchSharedString:
                return where + say(QT_TR_NOOP(": it names a shared string that the workbook lacks"));
            }
            return where;
        }
        case K::NoExcel: return say(QT_TR_NOOP("This build of the tool cannot handle Excel files; use CSV."));
        case K::None:
        case K::CannotRead:
        case K::TooLarge: break;
        }
        return {};
    }

    QString read(const SheetProblem &p) const
    {
        if (p.kind == SheetProblem::Kind::None)
            return {};
        if (p.file.isEmpty())
            return reason(p);
        switch (p.kind) {
        case SheetProblem::Kind::CannotRead:
            return say(QT_TR_NOOP("The file \"%1\" could not be read: %2")).arg(p.file, inputProblemText(p.input));
        case SheetProblem::Kind::TooLarge:
            return say(QT_TR_NOOP("The file \"%1\" is too large to be a schedule.")).arg(p.file);
        default: return say(QT_TR_NOOP("The file \"%1\" cannot be imported: %2.")).arg(p.file, reason(p));
        }
    }

    QString summary(const SchedulePlan &plan, bool done = false) const
    {
        if (plan.changesNothing())
            return done ? say(QT_TR_NOOP("The schedule matched the configuration: nothing changed."))
                        : say(QT_TR_NOOP("The schedule matches the configuration: nothing will change."));
        const QString added =
            plan.added == 1 ? say(QT_TR_NOOP("1 device")) : say(QT_TR_NOOP("%1 devices")).arg(plan.added);
        return (done ? say(QT_TR_NOOP("%1 added, %2 changed and %3 removed."))
                     : say(QT_TR_NOOP("%1 will be added, %2 changed and %3 removed.")))
            .arg(added, QString::number(plan.changed), QString::number(plan.removed.size()));
    }

private:
    bool english_;
};

namespace {
const char *const kScheduleWords[] = {QT_TRANSLATE_NOOP("vaz::storage::ScheduleWords", "Loop"),
                                      QT_TRANSLATE_NOOP("vaz::storage::ScheduleWords", "Address"),
                                      QT_TRANSLATE_NOOP("vaz::storage::ScheduleWords", "Type"),
                                      QT_TRANSLATE_NOOP("vaz::storage::ScheduleWords", "Zone"),
                                      QT_TRANSLATE_NOOP("vaz::storage::ScheduleWords", "Location"),
                                      QT_TRANSLATE_NOOP("vaz::storage::ScheduleWords", "Bypass"),
                                      QT_TRANSLATE_NOOP("vaz::storage::ScheduleWords", "Input event"),
                                      QT_TRANSLATE_NOOP("vaz::storage::ScheduleWords", "Output event"),
                                      QT_TRANSLATE_NOOP("vaz::storage::ScheduleWords", "Output delay"),
                                      QT_TRANSLATE_NOOP("vaz::storage::ScheduleWords", "Fire zone"),
                                      QT_TRANSLATE_NOOP("vaz::storage::ScheduleWords", "Fault zone"),
                                      QT_TRANSLATE_NOOP("vaz::storage::ScheduleWords", "yes"),
                                      QT_TRANSLATE_NOOP("vaz::storage::ScheduleWords", "no"),
                                      QT_TRANSLATE_NOOP("vaz::storage::ScheduleWords", "Fire"),
                                      QT_TRANSLATE_NOOP("vaz::storage::ScheduleWords", "Fault"),
                                      QT_TRANSLATE_NOOP("vaz::storage::ScheduleWords", "Panel output")};
}  // namespace

QString scheduleWord(const QString &english)
{
    for (const char *word : kScheduleWords)
        if (english == QLatin1String(word))
            return ScheduleWords::tr(word);
    return english;
}

QString problemText(const ScheduleProblem &problem) { return ScheduleWords().line(problem); }

QStringList problemLines(const QList<ScheduleProblem> &problems)
{
    constexpr qsizetype kShown = 100;
    const ScheduleWords words;
    QStringList lines;
    for (qsizetype i = 0; i < std::min(problems.size(), kShown); ++i)
        lines << words.line(problems[i]);
    if (problems.size() > kShown)
        lines
            << words.say(QT_TRANSLATE_NOOP("vaz::storage::ScheduleWords", "and %1 more")).arg(problems.size() - kShown);
    return lines;
}

SheetRows problemTable(const QList<ScheduleProblem> &problems)
{
    const ScheduleWords english(true);
    SheetRows table{{QStringLiteral("Row"), QStringLiteral("Column"), QStringLiteral("Problem")}};
    for (const ScheduleProblem &p : problems)
        table << QStringList{p.row ? QString::number(p.row) : QString(),
                             p.column < 0 ? QString() : scheduleHeader().value(p.column), english.problem(p)};
    return table;
}

QString planSummary(const SchedulePlan &plan) { return ScheduleWords().summary(plan); }

QList<QStringList> planRows(const Installation &inst, const SchedulePlan &plan)
{
    const ScheduleWords words;
    auto row = [](const QString &what, DeviceAddress at, const Installation::Device &d) {
        return QStringList{what,
                           QString::number(at.loop),
                           QStringLiteral("%1").arg(at.address, 3, 10, QChar(u'0')),
                           devices::typeName(d.type, devices::Naming::Translated),
                           d.zone ? QString::number(d.zone) : QString(),
                           d.location};
    };
    QList<QStringList> rows;
    for (const SchedulePlan::Change &c : plan.changes)
        rows << row(inst.device(c.at.loop, c.at.address).type == 0
                        ? words.say(QT_TRANSLATE_NOOP("vaz::storage::ScheduleWords", "Add"))
                        : words.say(QT_TRANSLATE_NOOP("vaz::storage::ScheduleWords", "Change")),
                    c.at, c.device);
    for (const DeviceAddress &at : plan.removed)
        rows << row(words.say(QT_TRANSLATE_NOOP("vaz::storage::ScheduleWords", "Remove")), at,
                    inst.device(at.loop, at.address));
    std::sort(rows.begin(), rows.end(), [](const QStringList &a, const QStringList &b) {
        return std::pair(a[1].toInt(), a[2].toInt()) < std::pair(b[1].toInt(), b[2].toInt());
    });
    return rows;
}

QString planDoneSummary(const SchedulePlan &plan) { return ScheduleWords().summary(plan, true); }

QString sheetReadText(const TableRead &read) { return ScheduleWords().read(read.problem); }

}  // namespace vaz::storage
