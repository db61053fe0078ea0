#include "core/storage/Report.h"

#include "core/storage/Commissioning.h"
#include "core/storage/FieldReader.h"
#include "core/storage/FileWords.h"
#include "core/devices/DeviceCatalog.h"
#include "core/model/Codepage.h"
#include "core/model/Installation.h"
#include "core/model/Conversions.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace vaz::storage {

namespace {

constexpr int kZoneWidth = 14;
constexpr qsizetype kFirstPiece = 150;
constexpr qsizetype kFollowingPiece = 120;

// The report stops here; the message says what and where.
struct ReportError {
    QString message;
};

// Takes the fields of the file one after the other, like the file reader.
class FieldCursor {
public:
    explicit FieldCursor(const QList<Field> &fields) : f_(fields) {}

    // what names the field, with %1 for the number n; built only for a message.
    const Field &take(const char *what, int n = 0)
    {
        if (next_ >= f_.size())
            throw ReportError{QStringLiteral("The file ends too early: %1 is missing (the file stops at line %2).")
                                  .arg(name(what, n))
                                  .arg(f_.isEmpty() ? 1 : f_.last().line)};
        return f_[next_++];
    }

    // A whole-number field, rounded as the configuration would store it.
    int whole(const char *what, int n = 0)
    {
        const Field &f = take(what, n);
        try {
            return toInt16(textValue(f.text));
        } catch (const RangeError &) {
            throw ReportError{QStringLiteral("Line %1: %2 is \"%3\", which the report cannot use.")
                                  .arg(f.line)
                                  .arg(name(what, n), f.text.left(60))};
        }
    }

private:
    static QString name(const char *what, int n)
    {
        QString s = QString::fromLatin1(what);
        return s.contains(QLatin1String("%1")) ? s.arg(n) : s;
    }

    const QList<Field> &f_;
    qsizetype next_ = 0;
};

// Blank-led form of a value that may hold a fraction.
QString blankLedNumber(double v) { return v < 0 ? numberText(v) : u' ' + numberText(v); }

// A whole number printed as a number: sign place in front, a blank after.
QString printedNumber(int v) { return blankLed(v) + u' '; }

void addList(QList<PrintLine> &lines, const QString &heading, const QString &list)
{
    lines << PrintLine{heading};
    lines << PrintLine{list.left(kFirstPiece)};
    for (qsizetype at = kFirstPiece; at < list.size(); at += kFollowingPiece)
        lines << PrintLine{list.mid(at, kFollowingPiece)};
}

QString conditionWord(int code)
{
    switch (code) {
    case 1: return QCoreApplication::translate("vaz::Report", "OR");
    case 2: return QCoreApplication::translate("vaz::Report", "COINCIDENCE");
    case 3: return QCoreApplication::translate("vaz::Report", "AND");
    }
    return {};
}

// A rule's words lines: as wide as the device lines, so that the print keeps its size.
constexpr int kWordsWidth = 124;

QList<PrintLine> reportLines(const QList<Field> &fields, const QString &fileName, int mcuVersion,
                             QList<qsizetype> &ruleStarts)
{
    const PrintLine blank{QStringLiteral(" ")};
    QList<PrintLine> lines;
    FieldCursor in(fields);

    in.take("the identification line");
    lines << PrintLine{QCoreApplication::translate("vaz::Report", "File name: ") + fileName};
    lines << PrintLine{QCoreApplication::translate("vaz::Report", "Supplier's name: ") +
                       in.take("the supplier's name").text};
    if (mcuVersion >= 15)
        lines << PrintLine{QCoreApplication::translate("vaz::Report", "Panel name: ") + in.take("the panel name").text};

    const Field &loopField = in.take("the loop count");
    const double loops = textValue(loopField.text);
    if (!std::isfinite(loops))
        throw ReportError{QStringLiteral("Line %1: the loop count \"%2\" is not a number the report can use.")
                              .arg(loopField.line)
                              .arg(loopField.text.left(60))};
    lines << PrintLine{QCoreApplication::translate("vaz::Report", "Loop count: ") + blankLedNumber(loops)};

    QStringList titles;
    for (int i = 0; i < 12; ++i)
        titles << in.take("the column titles").text;
    lines << PrintLine{titles[0], titles[1], titles[2], titles[3], QString(), QString(), titles[6]};

    int devices = 0;
    Installation named;
    for (int k = 1; k <= kRecords; ++k) {
        QStringList record;
        int type = 0;
        for (int i = 0; i < 12; ++i) {
            if (i == 3)
                type = in.whole("the type of device record %1 of 508", k);
            record << (i == 3 ? QString() : in.take("device record %1 of 508", k).text);
        }
        if (type == 0)
            continue;
        // What the rules' words name the device by.
        const double L = roundHalfEven(textValue(record[0])), A = roundHalfEven(textValue(record[1]));
        if (L >= 1 && L <= kLoops && A >= 1 && A <= kAddresses) {
            named.CihazTipi(int(L), int(A)) = type;
            named.MahalText(int(L), int(A)) = record[6];
        }
        ++devices;
        lines << PrintLine{record[0], record[1], record[2], devices::typeName(type, devices::Naming::Report),
                           QString(), record[6]};
    }
    lines << blank << PrintLine{QCoreApplication::translate("vaz::Report", "Device count: ") + blankLed(devices)}
          << blank;

    const QString delaysTitle = in.take("the title \"Delays\"").text;
    lines << blank;
    lines << PrintLine{delaysTitle,
                       QCoreApplication::translate(
                           "vaz::Report", "Sounder1, Sounder2, Sounder3, Sounder4, Alarm R., Fire R., Fault R.")};
    PrintLine delays;
    for (int i = 1; i <= kPanelDelays; ++i)
        delays << printedNumber(in.whole("panel delay %1", i));
    lines << delays;

    in.take("the title \"RINGING MODE\"");
    const int mode = in.whole("the ringing mode");
    lines << blank;
    if (mode == 0)
        lines << PrintLine{QCoreApplication::translate("vaz::Report", "System operation mode: Common")};
    else if (mode == 1)
        lines << PrintLine{QCoreApplication::translate("vaz::Report", "System operation mode: Cause-effect")};

    if (mcuVersion >= 20) {
        lines << blank;
        const int count = in.whole("the cause-effect count");
        if (count < 0 || count > kMaxRules)
            throw ReportError{QStringLiteral("The cause-effect count %1 is not 0 to %2.").arg(count).arg(kMaxRules)};
        lines << PrintLine{QCoreApplication::translate("vaz::Report", "Cause-effect count: ") + blankLed(count)};
        for (int r = 1; r <= count; ++r) {
            ruleStarts << lines.size();
            lines << blank;
            const QString name = in.take("cause-effect %1", r).text;
            const QString inputs = in.take("cause-effect %1", r).text;
            const QString outputs = in.take("cause-effect %1", r).text;
            const int condition = in.whole("the condition of cause-effect %1", r);
            lines << PrintLine{QCoreApplication::translate("vaz::Report", "Cause-effect name: ") + name};
            addList(lines, QCoreApplication::translate("vaz::Report", "Inputs:"), inputs);
            addList(lines, QCoreApplication::translate("vaz::Report", "Outputs:"), outputs);
            lines << PrintLine{QCoreApplication::translate("vaz::Report", "Condition: ") + conditionWord(condition)};
            for (const QString &l : indentedLines(QStringLiteral("In words: "),
                                                  ruleInWords(named, name, condition, inputs, outputs), kWordsWidth))
                lines << PrintLine{l};
        }
    }
    return lines;
}

QString failure(const QString &detail)
{
    return QCoreApplication::translate("vaz::Report", "The configuration report was not printed. ") + detail;
}

}  // namespace

void addZoneNames(ReportResult &report, const QMap<int, QString> &zoneNames)
{
    if (!report.ok || zoneNames.isEmpty())
        return;
    QList<PrintLine> lines{PrintLine{QStringLiteral(" ")},
                           PrintLine{QCoreApplication::translate("vaz::Report", "Zone names:")}};
    for (auto it = zoneNames.cbegin(); it != zoneNames.cend(); ++it)
        lines << PrintLine{QCoreApplication::translate("vaz::Report", "Zone %1").arg(it.key()), it.value()};
    const qsizetype at = report.ruleStarts.isEmpty() ? report.lines.size() : report.ruleStarts.first();
    for (qsizetype i = 0; i < lines.size(); ++i)
        report.lines.insert(at + i, lines[i]);
    for (qsizetype &start : report.ruleStarts)
        start += lines.size();
}

ReportResult reportFromBytes(QByteArrayView bytes, const QString &fileName, int mcuVersion)
{
    const FieldList split = splitFields(fromCp1254(bytes));
    try {
        ReportResult result;
        result.lines = reportLines(split.fields, fileName, mcuVersion, result.ruleStarts);
        result.ok = true;
        return result;
    } catch (const ReportError &e) {
        // An unclosed quote cut the fields short: that is the real cause.
        if (split.unclosedQuoteLine == 0)
            return {false, failure(e.message), {}, {}, {}};
        ReadProblem unclosed;
        unclosed.kind = ReadProblem::Kind::UnclosedQuote;
        unclosed.line = split.unclosedQuoteLine;
        return {false, failure(readProblemDetail(unclosed)), {}, {}, {}};
    } catch (const RangeError &e) {
        return {false, failure(QString::fromStdString(e.what()) + u'.'), {}, {}, {}};
    }
}

ReportResult RaporYazdir(const QString &path, int mcuVersion)
{
    const FileBytes file = readFileBytes(path);
    if (file.problem.kind == InputProblem::Kind::TooLarge)
        return {false,
                failure(QStringLiteral("The file \"%1\" is far too large to be a configuration file.").arg(file.name)),
                {},
                {},
                {}};
    if (!file.ok())
        return {false, failure(cannotOpenText(file.name, file.problem)), {}, {}, {}};
    return reportFromBytes(file.bytes, file.name, mcuVersion);
}

QString layoutPrintLine(const PrintLine &items)
{
    QString out;
    qsizetype start = 1;  // column of the item just placed
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i > 0) {
            // The next zone after the previous item's last column (its start, when it is empty).
            const qsizetype last = start + std::max<qsizetype>(items[i - 1].size(), 1) - 1;
            start = ((last - 1) / kZoneWidth + 1) * kZoneWidth + 1;
            out = out.leftJustified(start - 1, u' ');
        }
        out += items[i];
    }
    return out;
}

QStringList layoutReport(const QList<PrintLine> &lines)
{
    QStringList out;
    out.reserve(lines.size());
    for (const PrintLine &l : lines)
        out << layoutPrintLine(l);
    return out;
}

Document reportDocument(const ReportResult &report, const QString &title, const QDateTime &printed)
{
    const QStringList text = layoutReport(report.lines);
    DocumentSection all;
    for (qsizetype i = 0; i < text.size();) {
        const auto next = std::upper_bound(report.ruleStarts.begin(), report.ruleStarts.end(), i);
        const bool rule = next != report.ruleStarts.begin() && *std::prev(next) == i;
        const qsizetype end = rule ? (next == report.ruleStarts.end() ? text.size() : *next) : i + 1;
        all.rows << text.mid(i, end - i);
        i = end;
    }
    if (!report.fingerprint.isEmpty()) {
        // Under the panel's own lines: supplier, panel name, loop count.
        const QString loops = QCoreApplication::translate("vaz::Report", "Loop count: ");
        const auto after = std::find_if(all.rows.begin(), all.rows.end(),
                                        [&](const QStringList &row) { return row.first().startsWith(loops); });
        all.rows.insert(after == all.rows.end() ? 0 : after - all.rows.begin() + 1,
                        {QCoreApplication::translate("vaz::Report", "Panel fingerprint: ") + report.fingerprint});
    }
    return {title, printDate(printed), {all}};
}

}  // namespace vaz::storage
