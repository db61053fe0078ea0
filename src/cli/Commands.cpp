#include "cli/Commands.h"

#include "core/causeeffect/Trace.h"
#include "core/comm/PanelCompare.h"
#include "core/comm/PanelFields.h"
#include "core/comm/PanelLink.h"
#include "core/comm/PreUploadCheck.h"
#include "core/comm/TransferLog.h"
#include "core/comm/TransferWords.h"
#include "core/comm/UploadStream.h"
#include "core/site/LoopCalc.h"
#include "core/site/SiteFile.h"
#include "adapters/serial/SerialBytePort.h"
#include "core/storage/ConfigFile.h"
#include "core/storage/FieldReader.h"
#include "core/storage/FileWords.h"
#include "core/storage/SafeFile.h"
#include "core/storage/Report.h"
#include "adapters/printer/ReportPrinter.h"
#include "core/storage/Schedule.h"
#include "core/storage/ScheduleWords.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace vaz::cli {

namespace {

QString fileName(const QString &path)
{
    return QFileInfo(path).fileName().isEmpty() ? path : QFileInfo(path).fileName();
}

// Reads path into cfg at mcu, or at the one version the file's structure fits
// when mcu is 0, said when it goes to a panel. False, with the message given,
// when the file cannot be used. The file is read once (it may be a pipe); its
// bytes go to bytes when asked for.
bool readFile(Config &cfg, const QString &path, int mcu, Console &console, bool forPanel = false,
              QByteArray *bytes = nullptr)
{
    const storage::FileBytes file = storage::readFileBytes(path, storage::PipeInput::Allowed);
    const QList<int> fits = storage::fittingVersions(file.bytes);
    if (mcu == 0) {
        if (fits.size() > 1) {
            QStringList names;
            for (int v : fits)
                names << storage::versionName(v);
            console.err(QStringLiteral("The file \"%1\" fits more than one MCU version (%2): give --mcu.")
                            .arg(fileName(path), names.join(QStringLiteral(", "))));
            return false;
        }
        // A file that fits none gets the reader's own reason below.
        mcu = fits.isEmpty() ? 20 : fits.first();
        if (!fits.isEmpty() && forPanel)
            console.err(QStringLiteral("%1: MCU version %2, as the file's structure shows.")
                            .arg(fileName(path), storage::versionName(mcu)));
    }
    cfg.McuVersiyon = mcu;
    const storage::ReadResult r = storage::readConfigFile(cfg, file);
    switch (r.status) {
    case storage::ReadStatus::Ok:
        if (bytes)
            *bytes = file.bytes;
        return true;
    case storage::ReadStatus::WrongFileType:
        console.err(
            QStringLiteral("The file \"%1\" is not a configuration file (wrong file type).").arg(fileName(path)));
        return false;
    case storage::ReadStatus::VersionMismatch:
        console.err(QStringLiteral("The file \"%1\" was written for MCU version %2, not %3: leave out --mcu.")
                        .arg(fileName(path), storage::versionName(fits.value(0)), storage::versionName(mcu)));
        return false;
    default: console.err(storage::readText(r)); return false;
    }
}

// A file as the transfer log names it, wherever the command was run from.
QString absolute(const QString &path) { return QFileInfo(path).absoluteFilePath(); }

// Refuses, before any work, an output that can only fail (a device, a pipe,
// a folder, a read-only file).
bool outputRefused(const QString &path, Console &console)
{
    const QString why = storage::outputProblem(path);
    if (!why.isEmpty())
        console.err(QStringLiteral("The file \"%1\" could not be written: %2.").arg(path, why));
    return !why.isEmpty();
}

// Writes bytes to path, or to standard output for "-".
bool writeOutput(const QString &path, const QByteArray &bytes, Console &console)
{
    if (path == kStandardOutput) {
        if (console.write(bytes))
            return true;
        console.err(QStringLiteral("The standard output could not be written."));
        return false;
    }
    const QString why = storage::writeWhole(path, bytes);
    if (!why.isEmpty())
        console.err(QStringLiteral("The file \"%1\" could not be written: %2.").arg(path, why));
    return why.isEmpty();
}

// The engine's messages name the port when they do not already.
class PortMessages : public Messages {
public:
    PortMessages(Console &console, QString device) : console_(console), device_(std::move(device)) {}
    void message(const QString &text) override
    {
        ++count;
        last = text.contains(device_) ? text : QStringLiteral("Port %1: %2").arg(device_, text);
        console_.message(last);
    }
    Answer question(const QString &text, const QString &title) override
    {
        ++count;
        return console_.question(text, title);
    }
    int count = 0;
    QString last;

private:
    Console &console_;
    QString device_;
};

// "[#####.....] 51%, 0:27 left".
QString progressLine(double done, int secondsLeft)
{
    const int width = 30;
    const int filled = int(done * width);
    return QStringLiteral("[%1%2] %3%, %4:%5 left")
        .arg(QString(filled, u'#'), QString(width - filled, u'.'))
        .arg(int(done * 100))
        .arg(secondsLeft / 60)
        .arg(secondsLeft % 60, 2, 10, QLatin1Char('0'));
}

struct Outcome {
    bool ok = false;  // the transfer completed (an upload: whatever its read-back found)
    comm::Verification verification = comm::Verification::NotRun;
    QList<comm::FieldDifference> differences;
};

// One transfer over the port the arguments name, logged with file (empty for
// none); the reason is given when it did not complete.
Outcome transfer(Config &cfg, comm::Transfer kind, const Args &args, Console &console, const QString &file)
{
    comm::SerialBytePort port;
    static const QRegularExpression numbered(QStringLiteral("^COM([1-4])$"), QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch m = numbered.match(args.port); m.hasMatch()) {
        port.setPortNumber(m.captured(1).toInt());
    } else {
        port.setDevice(args.port);
    }
    PortMessages messages(console, port.deviceName());
    comm::PanelLink link(cfg, port);
    link.setVerify(args.verify);
    comm::tellFailures(link, messages, comm::DeviceChoice::PortOption);
    InterruptWatch interrupt;
    QObject::connect(&interrupt, &InterruptWatch::interrupt, &link, &comm::PanelLink::abort);
    QObject::connect(&link, &comm::PanelLink::overallProgress, &link,
                     [&](double done, int left) { console.progress(progressLine(done, left)); });

    link.runTransfer(kind);
    port.close();
    const Outcome r{link.succeeded(), link.verification(), link.differences()};
    if (interrupt.interrupted() && (!r.ok || r.verification == comm::Verification::BrokenOff))
        console.err(comm::stoppedText());
    else if (!r.ok && messages.count == 0)
        messages.message(QStringLiteral("the transfer did not complete."));
    // The log never holds a transfer up: it says once that it could not be written.
    comm::TransferLog log;
    for (const comm::TransferRecord &record :
         comm::transferRecords(link, cfg, file, port, comm::DeviceChoice::PortOption))
        if (const QString why = log.append(record); !why.isEmpty())
            console.err(why);
    return r;
}

// The rows of compare and diff; aLabel / bLabel name the two sides.
int showDifferences(const QList<comm::FieldDifference> &rows, const Args &args, const QString &aKey,
                    const QString &aLabel, const QString &bKey, const QString &bLabel, const QString &same,
                    Console &console)
{
    if (!args.csv.isEmpty() && !writeOutput(args.csv, comm::differencesCsv(rows), console))
        return Failure;
    // A CSV on standard output is the whole of it, for whatever reads it.
    if (args.csv == kStandardOutput) {
    } else if (args.json) {
        QJsonArray array;
        for (const comm::FieldDifference &d : rows)
            array.append(QJsonObject{{"where", d.where}, {"field", d.field}, {aKey, d.tool}, {bKey, d.panel}});
        console.out(QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)).trimmed());
    } else if (rows.isEmpty()) {
        console.out(same);
    } else {
        for (const comm::FieldDifference &d : rows)
            console.out(
                QStringLiteral("%1, %2: \"%3\" %4, \"%5\" %6").arg(d.where, d.field, d.tool, aLabel, d.panel, bLabel));
    }
    return rows.isEmpty() ? Success : Differences;
}

int upload(const Args &args, Console &console)
{
    Config cfg;
    if (!readFile(cfg, args.files[0], args.mcu, console, true))
        return Failure;
    const Outcome r = transfer(cfg, comm::Transfer::Upload, args, console, absolute(args.files[0]));
    if (!r.ok || r.verification == comm::Verification::BrokenOff)
        return Failure;
    if (!args.verify)
        return Success;
    for (const comm::FieldDifference &d : r.differences)
        console.out(QStringLiteral("%1, %2: \"%3\" sent, \"%4\" in the panel").arg(d.where, d.field, d.tool, d.panel));
    console.out(comm::verificationText(r.verification, comm::panelFingerprint(cfg)->shortForm()));
    return r.verification == comm::Verification::Verified ? Success : Differences;
}

int download(const Args &args, Console &console)
{
    Config cfg;
    cfg.McuVersiyon = args.mcu;
    if (outputRefused(args.output, console) ||
        !transfer(cfg, comm::Transfer::Download, args, console, absolute(args.output)).ok)
        return Failure;
    const storage::SaveResult saved = storage::GirisVerileriniKaydet(cfg, args.output);
    if (!saved.ok) {
        console.err(saved.message);
        return Failure;
    }
    return Success;
}

int compare(const Args &args, Console &console)
{
    Config cfg;
    if (!readFile(cfg, args.files[0], args.mcu, console, true))
        return Failure;
    const Outcome r = transfer(cfg, comm::Transfer::Compare, args, console, absolute(args.files[0]));
    if (!r.ok)
        return Failure;
    return showDifferences(r.differences, args, QStringLiteral("file"), QStringLiteral("in the file"),
                           QStringLiteral("panel"), QStringLiteral("in the panel"), comm::kPanelHoldsConfiguration,
                           console);
}

int diff(const Args &args, Console &console)
{
    Config a, b;
    if (!readFile(a, args.files[0], args.mcu, console) || !readFile(b, args.files[1], args.mcu, console))
        return Failure;
    const auto rows = comm::compareConfigurations(a, b);
    return showDifferences(rows, args, QStringLiteral("fileA"), QStringLiteral("in ") + fileName(args.files[0]),
                           QStringLiteral("fileB"), QStringLiteral("in ") + fileName(args.files[1]),
                           QStringLiteral("The files hold the same configuration."), console);
}

int check(const Args &args, Console &console)
{
    Config cfg;
    if (!readFile(cfg, args.files[0], args.mcu, console))
        return Failure;
    const QList<comm::Finding> findings = comm::preUploadFindings(cfg);
    if (args.json) {
        QJsonArray array;
        for (const comm::Finding &f : findings)
            array.append(QJsonObject{{"place", f.place}, {"finding", f.text}});
        console.out(QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)).trimmed());
    } else if (findings.isEmpty()) {
        console.out(QStringLiteral("No findings."));
    } else {
        for (const comm::Finding &f : findings)
            console.out(comm::findingLine(f));
    }
    return findings.isEmpty() ? Success : Differences;
}

int fingerprint(const Args &args, Console &console)
{
    Config cfg;
    if (!readFile(cfg, args.files[0], args.mcu, console))
        return Failure;
    const std::optional<comm::Fingerprint> f = comm::panelFingerprint(cfg);
    if (!f) {
        console.err(comm::refusalText(comm::uploadRefusal(cfg)));
        return Failure;
    }
    if (args.json)
        console.out(QString::fromUtf8(QJsonDocument(QJsonObject{{"file", args.files[0]},
                                                                {"mcu", storage::versionName(f->mcu)},
                                                                {"fingerprint", f->hex()},
                                                                {"shown", f->shortForm()}})
                                          .toJson(QJsonDocument::Indented))
                        .trimmed());
    else
        console.out(f->shown());
    return Success;
}

int trace(const Args &args, Console &console)
{
    const std::optional<TraceTarget> target = parseTraceTarget(args.files[1]);
    if (!target) {
        console.err(QStringLiteral("\"%1\" is no device address: give LOOP.ADDRESS, such as 2.45 (loop 1 to 4, "
                                   "address 1 to 127), or 5.1 to 5.7 for a panel output.")
                        .arg(args.files[1]));
        return Failure;
    }
    Config cfg;
    if (!readFile(cfg, args.files[0], args.mcu, console))
        return Failure;
    const QStringList lines = traceLines(cfg, *target);
    if (!target->panelOutput() && cfg.CihazTipi(target->at.loop, target->at.address) == 0) {
        console.err(lines.first());
        return Failure;
    }
    console.out(lines.first());
    for (qsizetype i = 1; i < lines.size(); ++i)
        console.out(QStringLiteral("  ") + lines[i]);
    return Success;
}

// The site file beside the configuration, when there is one. A damaged one is
// said; false then, and the configuration goes on without site data.
bool readSiteBeside(Config &cfg, const QString &path, Console &console)
{
    const site::SiteRead read = site::readSiteFile(site::siteFilePath(path));
    if (!read.ok()) {
        console.err(site::siteReadText(read));
        return false;
    }
    cfg.site = read.site;
    return true;
}

int report(const Args &args, Console &console)
{
    Config cfg;
    QByteArray bytes;
    if (outputRefused(args.output, console) || !readFile(cfg, args.files[0], args.mcu, console, false, &bytes))
        return Failure;
    storage::ReportResult r = storage::reportFromBytes(bytes, fileName(args.files[0]), cfg.McuVersiyon);
    if (const auto f = comm::panelFingerprint(cfg))
        r.fingerprint = f->shown();
    if (readSiteBeside(cfg, args.files[0], console))
        storage::addZoneNames(r, cfg.site.zoneNames);
    if (!r.ok) {
        console.err(r.message);
        return Failure;
    }
    const QString why = storage::writeReportPdf(
        storage::reportDocument(r, QStringLiteral("Configuration report"), QDateTime::currentDateTime()), args.output);
    if (!why.isEmpty()) {
        console.err(QStringLiteral("The report was not written to \"%1\": %2.").arg(args.output, why));
        return Failure;
    }
    return Success;
}

int exportDevices(const Args &args, Console &console)
{
    Config cfg;
    if ((args.output != kStandardOutput && outputRefused(args.output, console)) ||
        !readFile(cfg, args.files[0], args.mcu, console))
        return Failure;
    readSiteBeside(cfg, args.files[0], console);
    const storage::Sheet sheet = storage::exportedSchedule(cfg);
    const QChar separator = storage::csvSeparatorFor(QLocale());
    if (args.output == kStandardOutput)
        return writeOutput(args.output, storage::writeCsv(sheet.rows, separator), console) ? Success : Failure;
    const QString why = storage::writeSheetFile(args.output, sheet, separator);
    if (!why.isEmpty()) {
        console.err(why);
        return Failure;
    }
    return Success;
}

int importDevices(const Args &args, Console &console)
{
    Config cfg;
    if (outputRefused(args.output, console) || !readFile(cfg, args.files[0], args.mcu, console))
        return Failure;
    const storage::TableRead schedule = storage::readSheetFile(args.files[1], storage::PipeInput::Allowed);
    if (!schedule.ok()) {
        console.err(storage::sheetReadText(schedule));
        return Failure;
    }
    const storage::SchedulePlan plan = storage::planSchedule(cfg, schedule.rows);
    for (const QString &line : storage::problemLines(plan.problems))
        console.err(QStringLiteral("%1: %2").arg(fileName(args.files[1]), line));
    if (!plan.ok())
        return Differences;
    storage::applySchedule(cfg, plan);
    const storage::SaveResult saved = storage::GirisVerileriniKaydet(cfg, args.output);
    if (!saved.ok) {
        console.err(saved.message);
        return Failure;
    }
    console.out(storage::planDoneSummary(plan));
    return Success;
}

int calc(const Args &args, Console &console)
{
    Config cfg;
    if (!readFile(cfg, args.files[0], args.mcu, console))
        return Failure;
    if (!readSiteBeside(cfg, args.files[0], console))
        return Failure;
    const site::LoopCalc result = site::loopCalc(cfg);
    if (args.json)
        console.out(
            QString::fromUtf8(QJsonDocument(site::loopCalcJson(result)).toJson(QJsonDocument::Indented)).trimmed());
    else
        console.out(site::loopCalcText(result).join(u'\n'));
    const bool pass =
        result.battery.calculated() && std::all_of(result.loops.begin(), result.loops.end(),
                                                   [&](const site::LoopLoad &l) { return l.passes(result.supply); });
    return pass ? Success : Differences;
}

}  // namespace

int run(const Args &args, Console &console)
{
    switch (args.command) {
    case Command::Upload: return upload(args, console);
    case Command::Download: return download(args, console);
    case Command::Compare: return compare(args, console);
    case Command::Diff: return diff(args, console);
    case Command::Check: return check(args, console);
    case Command::Fingerprint: return fingerprint(args, console);
    case Command::Calc: return calc(args, console);
    case Command::Trace: return trace(args, console);
    case Command::Report: return report(args, console);
    case Command::ExportDevices: return exportDevices(args, console);
    case Command::ImportDevices: return importDevices(args, console);
    case Command::None: break;
    }
    return Failure;
}

int runMain(int argc, char **argv)
{
    QStringList list;
    for (int i = 1; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    const Parsed parsed = parseArgs(list);
    StdConsole console(parsed.args.quiet);
    if (!parsed.error.isEmpty()) {
        console.err(parsed.error);
        std::fprintf(stderr, "%s\n", usageLine(parsed.args.command).toLocal8Bit().constData());
        return Failure;
    }
    if (parsed.args.help) {
        std::fputs(helpText(parsed.args.command).toLocal8Bit().constData(), stdout);
        return Success;
    }
    if (parsed.args.version) {
        console.out(QStringLiteral("vazconfig ") + kToolVersion);
        console.out(kToolCopyright + QStringLiteral(". ") + kToolLicence);
        return Success;
    }
    std::unique_ptr<QCoreApplication> app;
    std::unique_ptr<QTemporaryDir> runtime;
    if (parsed.args.command == Command::Report) {
        // The PDF needs fonts and a paint device, never a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Without a session (cron, ssh) the platform would warn that it has no runtime folder.
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            runtime = std::make_unique<QTemporaryDir>();
            if (runtime->isValid())
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
        }
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    return run(parsed.args, console);
}

}  // namespace vaz::cli
