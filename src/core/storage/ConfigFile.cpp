#include "core/storage/ConfigFile.h"

#include "core/storage/FieldReader.h"
#include "core/model/Codepage.h"
#include "core/model/Conversions.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace vaz::storage {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kDelaysTitle = QStringLiteral("Delays");
const QString kRingingTitle = QStringLiteral("RINGING MODE");
const std::array<QString, 12> kColumnTitles{QStringLiteral("Loop"),
                                            QStringLiteral("Address"),
                                            QStringLiteral("Zone"),
                                            QStringLiteral("Type"),
                                            QStringLiteral("Day"),
                                            QStringLiteral("Night"),
                                            QStringLiteral("Location"),
                                            QStringLiteral("ByPass"),
                                            QStringLiteral("Event type"),
                                            QStringLiteral("Delay"),
                                            QStringLiteral("Output event fire"),
                                            QStringLiteral("Output event fault")};

constexpr int kRecordFields = 12;

// The three layouts a file can have; 14 reads like 12.
enum class Layout { V12, V15, V20 };

Layout layoutOf(int mcu) { return mcu >= 20 ? Layout::V20 : mcu >= 15 ? Layout::V15 : Layout::V12; }

QString layoutName(Layout l)
{
    switch (l) {
    case Layout::V12: return QStringLiteral("V1.2-1.4");
    case Layout::V15: return QStringLiteral("V1.5");
    case Layout::V20: return QStringLiteral("V2.0");
    }
    return {};
}

// No text box lets these through, so a file that holds one is damaged. Tabs
// and line ends may come from editing a file by hand.
bool isStrayControl(QChar c) { return (c < u' ' && c != u'\t' && c != u'\r' && c != u'\n') || c == u'\x7f'; }

// A double quote would end the text early when the file is read back, and the
// reader refuses a file with a stray control character.
QString quoted(const QString &text)
{
    QString t = text;
    t.replace(u'"', u'\'');
    std::replace_if(t.begin(), t.end(), isStrayControl, u' ');
    return u'"' + t + u'"';
}

// Where each part of a file lies, counted in fields.
struct Positions {
    explicit Positions(Layout l)
        : loopCount(l == Layout::V12 ? 2 : 3),
          titles(loopCount + 1),
          records(titles + kRecordFields),
          delaysTitle(records + kRecords * kRecordFields),
          delays(delaysTitle + 1),
          ringingTitle(delays + kPanelDelays),
          ringing(ringingTitle + 1),
          ruleCount(ringing + 1),
          rules(ruleCount + 1)
    {}
    qsizetype loopCount, titles, records, delaysTitle, delays, ringingTitle, ringing, ruleCount, rules;
};

using Place = FilePlace::Kind;
using Problem = ReadProblem::Kind;

FilePlace placeOf(Place kind, int number = 0, int column = 0) { return {kind, number, column, {}}; }

// What the field at index i is meant to hold, for messages.
FilePlace partAt(qsizetype i, Layout l)
{
    const Positions p(l);
    if (i == 0)
        return placeOf(Place::IdentificationLine);
    if (i == 1)
        return placeOf(Place::SupplierName);
    if (i < p.loopCount)
        return placeOf(Place::PanelName);
    if (i == p.loopCount)
        return placeOf(Place::LoopCount);
    if (i < p.records)
        return placeOf(Place::ColumnTitles);
    if (i < p.delaysTitle)
        return placeOf(Place::DeviceRecord, int((i - p.records) / kRecordFields + 1));
    if (i == p.delaysTitle)
        return placeOf(Place::DelaysTitle);
    if (i < p.ringingTitle)
        return placeOf(Place::PanelDelays);
    if (i == p.ringingTitle)
        return placeOf(Place::RingingTitle);
    if (i == p.ringing)
        return placeOf(Place::RingingMode);
    if (i == p.ruleCount)
        return placeOf(Place::RuleCount);
    return placeOf(Place::Rule, int((i - p.rules) / 4 + 1));
}

// partAt, down to the single field.
FilePlace fieldAt(qsizetype i, Layout l)
{
    const Positions p(l);
    if (i >= p.records && i < p.delaysTitle) {
        FilePlace place = placeOf(Place::RecordField, int((i - p.records) / kRecordFields + 1));
        place.field = kColumnTitles[(i - p.records) % kRecordFields];
        return place;
    }
    if (i >= p.delays && i < p.ringingTitle)
        return placeOf(Place::PanelDelay, int(i - p.delays + 1));
    if (l == Layout::V20 && i >= p.rules)
        return placeOf(Place::RulePart, int((i - p.rules) / 4 + 1), int((i - p.rules) % 4));
    return partAt(i, l);
}

// Day and night (record fields 5 and 6) are not read, so they may hold anything.
bool holdsNumber(qsizetype i, Layout l)
{
    const Positions p(l);
    if (i >= p.records && i < p.delaysTitle) {
        const auto k = (i - p.records) % kRecordFields;
        return k < 4 || k > 6;
    }
    if (l == Layout::V20 && i >= p.rules)
        return (i - p.rules) % 4 == 3;
    return i == p.loopCount || (i >= p.delays && i < p.ringingTitle) || i == p.ringing ||
           (l == Layout::V20 && i == p.ruleCount);
}

// The forms writers use: " 1", "-3", "32", "2.5", "1E+20"; blanks around them.
bool isNumberText(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral(R"(^[ \t]*[-+]?([0-9]+\.?[0-9]*|\.[0-9]+)([EeDd][-+]?[0-9]+)?[ \t]*$)"));
    return number.match(text).hasMatch();
}

ReadProblem problemAt(Problem kind, int line, const QString &text = {})
{
    ReadProblem p;
    p.kind = kind;
    p.line = line;
    p.text = text;
    return p;
}

// Kind None when every field holds what a writer puts there; otherwise the
// first that does not, and where.
ReadProblem fieldProblem(const QList<Field> &f, Layout l)
{
    for (qsizetype i = 0; i < f.size(); ++i) {
        const QString &t = f[i].text;
        if (const auto c = std::find_if(t.begin(), t.end(), isStrayControl); c != t.end()) {
            ReadProblem p = problemAt(Problem::ControlCharacter, f[i].line);
            p.place = fieldAt(i, l);
            p.number = c->unicode();
            return p;
        }
        if (holdsNumber(i, l) && !isNumberText(t)) {
            ReadProblem p = problemAt(Problem::NotANumber, f[i].line, t.left(60));
            p.place = fieldAt(i, l);
            return p;
        }
    }
    return {};
}

int lastLine(const QList<Field> &f) { return f.isEmpty() ? 1 : f.last().line; }

ReadProblem endsEarly(const QList<Field> &f, qsizetype missing, Layout l)
{
    ReadProblem p = problemAt(Problem::EndsEarly, lastLine(f));
    p.place = partAt(missing, l);
    return p;
}

// Kind None when the fields have the shape of a file written for layout l:
// titles where they belong, the rule section present or absent, nothing left
// over. Otherwise what does not fit, and where.
ReadProblem layoutProblem(const QList<Field> &f, Layout l)
{
    const Positions p(l);
    auto title = [&](qsizetype i, const QString &expected) -> ReadProblem {
        if (f.size() <= i)
            return endsEarly(f, f.size(), l);
        if (f[i].text != expected) {
            ReadProblem e = problemAt(Problem::TitleExpected, f[i].line, f[i].text.left(60));
            e.other = expected;
            return e;
        }
        return {};
    };
    if (ReadProblem e = title(p.delaysTitle, kDelaysTitle); e.kind != Problem::None)
        return e;
    if (ReadProblem e = title(p.ringingTitle, kRingingTitle); e.kind != Problem::None)
        return e;
    if (f.size() <= p.ringing)
        return endsEarly(f, f.size(), l);

    qsizetype end = p.ruleCount;
    if (l == Layout::V20) {
        if (f.size() <= p.ruleCount)
            return endsEarly(f, f.size(), l);
        const double n = roundHalfEven(textValue(f[p.ruleCount].text));
        if (!(n >= 0 && n <= 1e6))
            return problemAt(Problem::NotACount, f[p.ruleCount].line, f[p.ruleCount].text.left(60));
        end = p.rules + 4 * qsizetype(n);
    }
    if (f.size() < end)
        return endsEarly(f, f.size(), l);
    if (f.size() > end)
        return problemAt(Problem::GoesOn, f[end].line);
    return {};
}

// A read that has to stop, with what and where.
struct ReadError {
    ReadProblem problem;
};

// place names the field; the problem is built only when needed.
Int16 wholeValue(const Field &f, const FilePlace &place)
{
    try {
        return toInt16(textValue(f.text));
    } catch (const RangeError &) {
        ReadProblem p = problemAt(Problem::TooWide, f.line, f.text.left(60));
        p.place = place;
        throw ReadError{p};
    }
}

// Steps of the reader that store: the fields already fit layout l.
void storeFields(Installation &c, const QList<Field> &f, Layout l)
{
    const Positions p(l);
    c.TedarikciAdi = f[1].text;
    if (l != Layout::V12)
        c.PanelAdi = f[2].text;

    const Field &loops = f[p.loopCount];
    c.CevrimSayisi = textValue(loops.text);
    if (!std::isfinite(c.CevrimSayisi))
        throw ReadError{problemAt(Problem::LoopCount, loops.line, loops.text.left(60))};

    for (int k = 0; k < kRecords; ++k) {
        const Field *r = &f[p.records + qsizetype(k) * kRecordFields];
        const int record = k + 1;
        const double loop = roundHalfEven(textValue(r[0].text));
        const double address = roundHalfEven(textValue(r[1].text));
        if (!(loop >= 1 && loop <= kLoops && address >= 1 && address <= kAddresses)) {
            ReadProblem e = problemAt(Problem::NoSuchPlace, r[0].line, r[0].text.left(20));
            e.place = placeOf(Place::DeviceRecord, record);
            e.other = r[1].text.left(20);
            throw ReadError{e};
        }
        const int L = int(loop);
        const int A = int(address);
        auto value = [&](int column) { return wholeValue(r[column], placeOf(Place::RecordValue, record, column)); };
        c.BolgeNo(L, A) = value(2);
        c.CihazTipi(L, A) = value(3);
        c.MahalText(L, A) = r[6].text;
        c.GecikmeIptal(L, A) = value(7);
        c.OlayTipi(L, A) = value(8);
        c.Gecikme(L, A) = value(9);
        c.CikisYangin(L, A) = value(10);
        c.CikisHata(L, A) = value(11);
    }

    for (int i = 0; i < kPanelDelays; ++i)
        c.Gecikmeler(i) = wholeValue(f[p.delays + i], placeOf(Place::PanelDelay, i + 1));
    c.CalmaModu = wholeValue(f[p.ringing], placeOf(Place::RingingMode));

    if (l == Layout::V20) {
        const Field &count = f[p.ruleCount];
        const Int16 n = wholeValue(count, placeOf(Place::RuleCount));
        if (n > kMaxRules) {
            ReadProblem e = problemAt(Problem::TooManyRules, count.line);
            e.number = n;
            throw ReadError{e};
        }
        c.SSsayisi = n;
        for (int r = 1; r <= n; ++r) {
            const Field *rule = &f[p.rules + qsizetype(r - 1) * 4];
            c.SSismi(r) = rule[0].text;
            c.SSgirisler(r) = rule[1].text;
            c.SScikislar(r) = rule[2].text;
            c.SSkosul(r) = wholeValue(rule[3], placeOf(Place::RulePart, r, 3));
        }
    }
}

ReadResult refused(ReadStatus status, ReadProblem problem, const QString &fileName)
{
    problem.file = fileName;
    return {status, problem};
}

ReadResult readBytes(Config &cfg, QByteArrayView bytes, const QString &fileName)
{
    try {
        const FieldList split = splitFields(fromCp1254(bytes));
        const QList<Field> &f = split.fields;
        if (f.isEmpty() || f[0].text != kIdentification)
            return refused(ReadStatus::WrongFileType, problemAt(Problem::WrongFileType, 0), fileName);
        if (split.unclosedQuoteLine > 0)
            return refused(ReadStatus::Damaged, problemAt(Problem::UnclosedQuote, split.unclosedQuoteLine), fileName);

        const Layout chosen = layoutOf(cfg.McuVersiyon);
        if (ReadProblem problem = layoutProblem(f, chosen); problem.kind != Problem::None) {
            for (auto [other, mcu] : {std::pair{Layout::V12, 12}, {Layout::V15, 15}, {Layout::V20, 20}})
                if (other != chosen && layoutProblem(f, other).kind == Problem::None) {
                    ReadProblem fits = problemAt(Problem::OtherVersion, 0);
                    fits.number = mcu;
                    return refused(ReadStatus::VersionMismatch, fits, fileName);
                }
            return refused(ReadStatus::Damaged, problem, fileName);
        }
        if (ReadProblem problem = fieldProblem(f, chosen); problem.kind != Problem::None)
            return refused(ReadStatus::Damaged, problem, fileName);

        Installation staging = cfg;
        storeFields(staging, f, chosen);
        static_cast<Installation &>(cfg) = std::move(staging);
        return {ReadStatus::Ok, {}};
    } catch (const ReadError &e) {
        return refused(ReadStatus::Damaged, e.problem, fileName);
    } catch (const RangeError &e) {
        return refused(ReadStatus::Damaged, problemAt(Problem::Refused, 0, QString::fromStdString(e.what())), fileName);
    }
}

}  // namespace

QByteArray configFileBytes(const Installation &cfg)
{
    QString out;
    out.reserve(64 * 1024);
    auto line = [&](const QString &s) {
        out += s;
        out += kCrLf;
    };

    line(quoted(kIdentification));
    line(quoted(cfg.TedarikciAdi));
    if (cfg.McuVersiyon >= 15)
        line(quoted(cfg.PanelAdi));
    line(numberText(cfg.CevrimSayisi));
    QStringList titles;
    for (const QString &t : kColumnTitles)
        titles << quoted(t);
    line(titles.join(u','));

    const QString day = quoted(QStringLiteral("5"));
    for (int L = 1; L <= kLoops; ++L) {
        for (int A = 1; A <= kAddresses; ++A) {
            out += quoted(blankLed(L)) + u',' + quoted(blankLed(A)) + u',' + quoted(blankLed(cfg.BolgeNo(L, A))) +
                   u',' + quoted(blankLed(cfg.CihazTipi(L, A))) + u',' + day + u',' + day + u',' +
                   quoted(cfg.MahalText(L, A)) + u',' + quoted(blankLed(cfg.GecikmeIptal(L, A))) + u',' +
                   quoted(plainForm(cfg.OlayTipi(L, A))) + u',' + plainForm(cfg.Gecikme(L, A)) + u',' +
                   plainForm(cfg.CikisYangin(L, A)) + u',' + quoted(plainForm(cfg.CikisHata(L, A)));
            out += kCrLf;
        }
    }

    line(quoted(kDelaysTitle));
    QStringList delays;
    for (int i = 0; i < kPanelDelays; ++i)
        delays << plainForm(cfg.Gecikmeler(i));
    line(delays.join(u','));
    line(quoted(kRingingTitle));
    line(plainForm(cfg.CalmaModu));

    if (cfg.McuVersiyon >= 20) {
        const int n = cfg.SSsayisi;
        if (n < 0 || n > kMaxRules)
            throw RangeError("the cause-effect count " + std::to_string(n) + " is outside 0 to 200");
        line(plainForm(n));
        for (int r = 1; r <= n; ++r) {
            line(quoted(cfg.SSismi(r)));
            line(quoted(cfg.SSgirisler(r)));
            line(quoted(cfg.SScikislar(r)));
            line(plainForm(cfg.SSkosul(r)));
        }
    }
    return toCp1254(out);
}

SaveResult GirisVerileriniKaydet(Config &cfg, const QString &path)
{
    const QString name = QFileInfo(path).fileName().isEmpty() ? path : QFileInfo(path).fileName();
    auto failed = [&](const QString &reason) {
        return SaveResult{false, QCoreApplication::translate("vaz::ConfigFile",
                                                             "The configuration was not saved to \"%1\": %2. "
                                                             "Any file of that name was left as it was.")
                                     .arg(name, reason)};
    };

    QByteArray bytes;
    try {
        bytes = configFileBytes(cfg);
    } catch (const RangeError &e) {
        return failed(QString::fromStdString(e.what()));
    }

    if (QString why = writeWhole(path, bytes); !why.isEmpty())
        return failed(why);

    cfg.DosyaKaydedildi = 1;
    return {true, {}};
}

ReadResult readConfigBytes(Config &cfg, QByteArrayView bytes) { return readBytes(cfg, bytes, QString()); }

QList<int> fittingVersions(QByteArrayView bytes)
{
    QList<int> versions;
    try {
        const FieldList split = splitFields(fromCp1254(bytes));
        if (split.fields.isEmpty() || split.fields[0].text != kIdentification || split.unclosedQuoteLine > 0)
            return versions;
        for (auto [layout, mcu] : {std::pair{Layout::V12, 12}, {Layout::V15, 15}, {Layout::V20, 20}})
            if (layoutProblem(split.fields, layout).kind == Problem::None)
                versions << mcu;
    } catch (const ReadError &) {
    } catch (const RangeError &) {}
    return versions;
}

QString versionName(int mcu) { return layoutName(layoutOf(mcu)); }

ReadResult DosyadanVerileriOku(Config &cfg, const QString &path) { return readConfigFile(cfg, readFileBytes(path)); }

ReadResult readConfigFile(Config &cfg, const FileBytes &file)
{
    if (file.problem.kind == InputProblem::Kind::TooLarge)
        return refused(ReadStatus::Damaged, problemAt(Problem::TooLarge, 0), file.name);
    if (!file.ok()) {
        ReadProblem p = problemAt(Problem::CannotOpen, 0);
        p.input = file.problem;
        return refused(ReadStatus::CannotOpen, p, file.name);
    }
    return readBytes(cfg, file.bytes, file.name);
}

}  // namespace vaz::storage
