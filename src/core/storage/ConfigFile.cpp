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

// What the field at index i is meant to hold, for messages.
QString partName(qsizetype i, Layout l)
{
    const Positions p(l);
    if (i == 0)
        return QStringLiteral("the identification line");
    if (i == 1)
        return QStringLiteral("the supplier's name");
    if (i < p.loopCount)
        return QStringLiteral("the panel name");
    if (i == p.loopCount)
        return QStringLiteral("the loop count");
    if (i < p.records)
        return QStringLiteral("the column titles");
    if (i < p.delaysTitle)
        return QStringLiteral("device record %1 of %2").arg((i - p.records) / kRecordFields + 1).arg(kRecords);
    if (i == p.delaysTitle)
        return QStringLiteral("the title \"Delays\"");
    if (i < p.ringingTitle)
        return QStringLiteral("the panel delays");
    if (i == p.ringingTitle)
        return QStringLiteral("the title \"RINGING MODE\"");
    if (i == p.ringing)
        return QStringLiteral("the ringing mode");
    if (i == p.ruleCount)
        return QStringLiteral("the cause-effect count");
    return QStringLiteral("cause-effect %1").arg((i - p.rules) / 4 + 1);
}

// partName, down to the single field.
QString fieldName(qsizetype i, Layout l)
{
    const Positions p(l);
    if (i >= p.records && i < p.delaysTitle)
        return QStringLiteral("the field \"%1\" of device record %2")
            .arg(kColumnTitles[(i - p.records) % kRecordFields])
            .arg((i - p.records) / kRecordFields + 1);
    if (i >= p.delays && i < p.ringingTitle)
        return QStringLiteral("panel delay %1").arg(i - p.delays + 1);
    if (l == Layout::V20 && i >= p.rules) {
        static const char *const kRuleParts[] = {"name", "inputs", "outputs", "condition"};
        return QStringLiteral("the %1 of cause-effect %2")
            .arg(QLatin1String(kRuleParts[(i - p.rules) % 4]))
            .arg((i - p.rules) / 4 + 1);
    }
    return partName(i, l);
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

// Empty when every field holds what a writer puts there; otherwise the first
// that does not, and where.
QString fieldProblem(const QList<Field> &f, Layout l)
{
    for (qsizetype i = 0; i < f.size(); ++i) {
        const QString &t = f[i].text;
        if (const auto c = std::find_if(t.begin(), t.end(), isStrayControl); c != t.end())
            return QStringLiteral("Line %1: %2 holds the control character 0x%3.")
                .arg(f[i].line)
                .arg(fieldName(i, l))
                .arg(c->unicode(), 2, 16, QLatin1Char('0'));
        if (holdsNumber(i, l) && !isNumberText(t))
            return QStringLiteral("Line %1: %2 is \"%3\", which is not a number.")
                .arg(f[i].line)
                .arg(fieldName(i, l), t.left(60));
    }
    return {};
}

int lastLine(const QList<Field> &f) { return f.isEmpty() ? 1 : f.last().line; }

QString endsEarly(const QList<Field> &f, qsizetype missing, Layout l)
{
    return QStringLiteral("The file ends too early: %1 is missing (the file stops at line %2).")
        .arg(partName(missing, l))
        .arg(lastLine(f));
}

// Empty when the fields have the shape of a file written for layout l: titles
// where they belong, the rule section present or absent, nothing left over.
// Otherwise what does not fit, and where.
QString layoutProblem(const QList<Field> &f, Layout l)
{
    const Positions p(l);
    auto title = [&](qsizetype i, const QString &expected) -> QString {
        if (f.size() <= i)
            return endsEarly(f, f.size(), l);
        if (f[i].text != expected)
            return QStringLiteral("Line %1: the title \"%2\" was expected but \"%3\" was found.")
                .arg(f[i].line)
                .arg(expected, f[i].text.left(60));
        return {};
    };
    if (QString e = title(p.delaysTitle, kDelaysTitle); !e.isEmpty())
        return e;
    if (QString e = title(p.ringingTitle, kRingingTitle); !e.isEmpty())
        return e;
    if (f.size() <= p.ringing)
        return endsEarly(f, f.size(), l);

    qsizetype end = p.ruleCount;
    if (l == Layout::V20) {
        if (f.size() <= p.ruleCount)
            return endsEarly(f, f.size(), l);
        const double n = roundHalfEven(textValue(f[p.ruleCount].text));
        if (!(n >= 0 && n <= 1e6))
            return QStringLiteral("Line %1: the cause-effect count \"%2\" is not a count.")
                .arg(f[p.ruleCount].line)
                .arg(f[p.ruleCount].text.left(60));
        end = p.rules + 4 * qsizetype(n);
    }
    if (f.size() < end)
        return endsEarly(f, f.size(), l);
    if (f.size() > end)
        return QStringLiteral("Line %1: the file goes on after the end of the configuration.").arg(f[end].line);
    return {};
}

// A read that has to stop; the message says what and where.
struct ReadError {
    QString message;
};

// what names the field, with %1 for the number n; built only when needed.
Int16 wholeValue(const Field &f, const char *what, int n = 0)
{
    try {
        return toInt16(textValue(f.text));
    } catch (const RangeError &) {
        QString name = QString::fromLatin1(what);
        if (name.contains(QLatin1String("%1")))
            name = name.arg(n);
        throw ReadError{QStringLiteral("Line %1: %2 is \"%3\", which does not fit a 16-bit field.")
                            .arg(f.line)
                            .arg(name, f.text.left(60))};
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
        throw ReadError{
            QStringLiteral("Line %1: the loop count \"%2\" is not a number.").arg(loops.line).arg(loops.text.left(60))};

    for (int k = 0; k < kRecords; ++k) {
        const Field *r = &f[p.records + qsizetype(k) * kRecordFields];
        const int record = k + 1;
        const double loop = roundHalfEven(textValue(r[0].text));
        const double address = roundHalfEven(textValue(r[1].text));
        if (!(loop >= 1 && loop <= kLoops && address >= 1 && address <= kAddresses))
            throw ReadError{
                QStringLiteral("Line %1: %2 names loop \"%3\", address \"%4\"; loops are 1 to %5 and "
                               "addresses 1 to %6.")
                    .arg(r[0].line)
                    .arg(QStringLiteral("device record %1").arg(record), r[0].text.left(20), r[1].text.left(20))
                    .arg(kLoops)
                    .arg(kAddresses)};
        const int L = int(loop);
        const int A = int(address);
        c.BolgeNo(L, A) = wholeValue(r[2], "the zone of device record %1", record);
        c.CihazTipi(L, A) = wholeValue(r[3], "the type of device record %1", record);
        c.MahalText(L, A) = r[6].text;
        c.GecikmeIptal(L, A) = wholeValue(r[7], "the bypass of device record %1", record);
        c.OlayTipi(L, A) = wholeValue(r[8], "the event type of device record %1", record);
        c.Gecikme(L, A) = wholeValue(r[9], "the delay of device record %1", record);
        c.CikisYangin(L, A) = wholeValue(r[10], "the output event fire of device record %1", record);
        c.CikisHata(L, A) = wholeValue(r[11], "the output event fault of device record %1", record);
    }

    for (int i = 0; i < kPanelDelays; ++i)
        c.Gecikmeler(i) = wholeValue(f[p.delays + i], "panel delay %1", i + 1);
    c.CalmaModu = wholeValue(f[p.ringing], "the ringing mode");

    if (l == Layout::V20) {
        const Field &count = f[p.ruleCount];
        const Int16 n = wholeValue(count, "the cause-effect count");
        if (n > kMaxRules)
            throw ReadError{QStringLiteral("Line %1: the file holds %2 cause-effect rules; at most %3 are possible.")
                                .arg(count.line)
                                .arg(int(n))
                                .arg(kMaxRules)};
        c.SSsayisi = n;
        for (int r = 1; r <= n; ++r) {
            const Field *rule = &f[p.rules + qsizetype(r - 1) * 4];
            c.SSismi(r) = rule[0].text;
            c.SSgirisler(r) = rule[1].text;
            c.SScikislar(r) = rule[2].text;
            c.SSkosul(r) = wholeValue(rule[3], "the condition of cause-effect %1", r);
        }
    }
}

QString damaged(const QString &fileName, const QString &detail)
{
    const QString head =
        fileName.isEmpty()
            ? QCoreApplication::translate("vaz::ConfigFile", "The file cannot be read.")
            : QCoreApplication::translate("vaz::ConfigFile", "The file \"%1\" cannot be read.").arg(fileName);
    return head + u' ' + detail + QCoreApplication::translate("vaz::ConfigFile", " The configuration was not changed.");
}

ReadResult readBytes(Config &cfg, QByteArrayView bytes, const QString &fileName)
{
    try {
        const FieldList split = splitFields(fromCp1254(bytes));
        const QList<Field> &f = split.fields;
        if (f.isEmpty() || f[0].text != kIdentification)
            return {ReadStatus::WrongFileType, QCoreApplication::translate("vaz::ConfigFile", "Wrong file type")};
        if (!split.error.isEmpty())
            return {ReadStatus::Damaged, damaged(fileName, split.error)};

        const Layout chosen = layoutOf(cfg.McuVersiyon);
        if (QString problem = layoutProblem(f, chosen); !problem.isEmpty()) {
            for (Layout other : {Layout::V12, Layout::V15, Layout::V20})
                if (other != chosen && layoutProblem(f, other).isEmpty())
                    return {ReadStatus::VersionMismatch,
                            QCoreApplication::translate("vaz::ConfigFile",
                                                        "This file was written for MCU version %1. Choose that version "
                                                        "with File > MCU Version and open it again.")
                                .arg(layoutName(other))};
            return {ReadStatus::Damaged, damaged(fileName, problem)};
        }
        if (QString problem = fieldProblem(f, chosen); !problem.isEmpty())
            return {ReadStatus::Damaged, damaged(fileName, problem)};

        Installation staging = cfg;
        storeFields(staging, f, chosen);
        static_cast<Installation &>(cfg) = std::move(staging);
        return {ReadStatus::Ok, {}};
    } catch (const ReadError &e) {
        return {ReadStatus::Damaged, damaged(fileName, e.message)};
    } catch (const RangeError &e) {
        return {ReadStatus::Damaged, damaged(fileName, QString::fromStdString(e.what()) + u'.')};
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
        if (split.fields.isEmpty() || split.fields[0].text != kIdentification || !split.error.isEmpty())
            return versions;
        for (auto [layout, mcu] : {std::pair{Layout::V12, 12}, {Layout::V15, 15}, {Layout::V20, 20}})
            if (layoutProblem(split.fields, layout).isEmpty())
                versions << mcu;
    } catch (const ReadError &) {
    } catch (const RangeError &) {}
    return versions;
}

QString versionName(int mcu) { return layoutName(layoutOf(mcu)); }

ReadResult DosyadanVerileriOku(Config &cfg, const QString &path) { return readConfigFile(cfg, readFileBytes(path)); }

ReadResult readConfigFile(Config &cfg, const FileBytes &file)
{
    if (!file.error.isEmpty())
        return {ReadStatus::CannotOpen,
                QCoreApplication::translate("vaz::ConfigFile", "The file \"%1\" cannot be opened: %2.")
                    .arg(file.name, file.error)};
    if (file.tooLarge)
        return {ReadStatus::Damaged,
                damaged(file.name, QCoreApplication::translate("vaz::ConfigFile",
                                                               "It is far too large to be a configuration file."))};
    return readBytes(cfg, file.bytes, file.name);
}

}  // namespace vaz::storage
