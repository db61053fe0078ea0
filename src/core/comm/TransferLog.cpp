#include "core/comm/TransferLog.h"

#include "core/comm/PanelLink.h"
#include "core/comm/UploadStream.h"
#include "core/storage/Csv.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QSysInfo>

#include <algorithm>

namespace vaz::comm {

namespace {

using Result = TransferRecord::Result;

// A log of years of transfers stays far below this.
constexpr qint64 kMaxLogBytes = 64 * 1024 * 1024;

constexpr Result kResults[] = {Result::Completed, Result::Verified, Result::Differs, Result::Failed};
const QStringList kCommands = {QStringLiteral("upload"), QStringLiteral("verify"), QStringLiteral("download"),
                               QStringLiteral("compare")};

QByteArray quoted(const QString &text)
{
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\')
            out += '\\', out += c;
        else if (c == '\n')
            out += "\\n";
        else if (c == '\t')
            out += "\\t";
        else if (uchar(c) < 0x20)
            out += "\\u00" + QByteArray::number(uchar(c), 16).rightJustified(2, '0');
        else
            out += c;
    }
    return out + '"';
}

QByteArray quotedOrNull(const QString &text) { return text.isEmpty() ? QByteArrayLiteral("null") : quoted(text); }

// Seconds and the offset always written out, so that every line reads alike.
QString isoTime(const QDateTime &when)
{
    const int offset = when.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return when.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + (offset < 0 ? u'-' : u'+') +
           QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QChar(u'0')).arg(minutes % 60, 2, 10, QChar(u'0'));
}

}  // namespace

QString resultKey(Result result)
{
    switch (result) {
    case Result::Completed: return QStringLiteral("completed");
    case Result::Verified: return QStringLiteral("verified");
    case Result::Differs: return QStringLiteral("differs");
    case Result::Failed: return QStringLiteral("failed");
    }
    return {};
}

QString transferLogPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/vazconfig/transfers.jsonl");
}

TransferRecord newTransferRecord(const QString &command)
{
    TransferRecord r;
    r.when = QDateTime::currentDateTime();
    r.command = command;
    r.user = qEnvironmentVariable("USER");
    if (r.user.isEmpty())
        r.user = qEnvironmentVariable("USERNAME");
    if (r.user.isEmpty())
        r.user = QDir::home().dirName();
    r.host = QSysInfo::machineHostName();
    return r;
}

QByteArray recordJson(const TransferRecord &r)
{
    QByteArray line = "{\"time\":" + quoted(isoTime(r.when)) + ",\"user\":" + quoted(r.user) +
                      ",\"host\":" + quoted(r.host) + ",\"command\":" + quoted(r.command) +
                      ",\"file\":" + quotedOrNull(r.file) + ",\"panel\":" + quoted(r.panelName) +
                      ",\"supplier\":" + quoted(r.supplier) + ",\"mcu\":" + QByteArray::number(r.mcu) +
                      ",\"loops\":" + QByteArray::number(r.loops) + ",\"fingerprint\":" + quotedOrNull(r.fingerprint) +
                      ",\"port\":" + quoted(r.port) + ",\"device\":" + quoted(r.device) +
                      ",\"result\":" + quoted(resultKey(r.result));
    if (r.result == Result::Failed)
        line += ",\"reason\":" + quoted(r.reason);
    return line + ",\"duration_ms\":" + QByteArray::number(r.durationMs) + '}';
}

std::optional<TransferRecord> parseRecord(QByteArrayView line)
{
    const QJsonDocument doc = QJsonDocument::fromJson(line.toByteArray());
    if (!doc.isObject())
        return std::nullopt;
    const QJsonObject o = doc.object();
    TransferRecord r;
    r.when = QDateTime::fromString(o.value(u"time").toString(), Qt::ISODate);
    r.command = o.value(u"command").toString();
    const QString result = o.value(u"result").toString();
    const auto known =
        std::find_if(std::begin(kResults), std::end(kResults), [&](Result k) { return resultKey(k) == result; });
    if (!r.when.isValid() || !kCommands.contains(r.command) || known == std::end(kResults))
        return std::nullopt;
    r.result = *known;
    r.user = o.value(u"user").toString();
    r.host = o.value(u"host").toString();
    r.file = o.value(u"file").toString();
    r.panelName = o.value(u"panel").toString();
    r.supplier = o.value(u"supplier").toString();
    r.mcu = o.value(u"mcu").toInt();
    r.loops = o.value(u"loops").toInt();
    r.fingerprint = o.value(u"fingerprint").toString();
    r.port = o.value(u"port").toString();
    r.device = o.value(u"device").toString();
    r.reason = o.value(u"reason").toString();
    r.durationMs = qint64(o.value(u"duration_ms").toDouble());
    return r;
}

QList<TransferRecord> readTransferLog(const QString &path, storage::InputProblem *problem)
{
    if (problem)
        *problem = {};
    if (!QFileInfo(path).exists() && !QFileInfo(path).isSymLink())
        return {};
    const storage::InputBytes in = storage::readBounded(path, kMaxLogBytes);
    if (!in.ok()) {
        if (problem)
            *problem = in.problem;
        return {};
    }
    QList<TransferRecord> records;
    for (const QByteArray &line : in.bytes.split('\n'))
        if (std::optional<TransferRecord> r = parseRecord(line.trimmed()))
            records << *r;
    return records;
}

std::optional<TransferRecord> lastVerifiedUpload(const QList<TransferRecord> &records, const QString &fingerprint)
{
    std::optional<TransferRecord> newest;
    for (const TransferRecord &r : records)
        if (r.result == Result::Verified && !fingerprint.isEmpty() &&
            r.fingerprint.compare(fingerprint, Qt::CaseInsensitive) == 0 && (!newest || r.when >= newest->when))
            newest = r;
    return newest;
}

QString shortFingerprint(const QString &fingerprint)
{
    const QString digits = fingerprint.left(16).toUpper();
    QStringList groups;
    for (qsizetype i = 0; i < digits.size(); i += 4)
        groups << digits.mid(i, 4);
    return groups.join(u'-');
}

QList<TransferRecord> transferRecords(const PanelLink &link, const Installation &cfg, const QString &file,
                                      const BytePort &port, DeviceChoice choice)
{
    const Transfer kind = link.transfer();
    TransferRecord r = newTransferRecord(kind == Transfer::Upload     ? QStringLiteral("upload")
                                         : kind == Transfer::Download ? QStringLiteral("download")
                                                                      : QStringLiteral("compare"));
    r.file = file;
    r.mcu = cfg.McuVersiyon;
    r.port = port.numbered() ? portLabel(port.portNumber()) : QString();
    r.device = port.deviceName();
    r.durationMs = link.durationMs();
    // A failed download leaves the configuration as it was: nothing of it came from this panel.
    if (kind != Transfer::Download || link.succeeded()) {
        r.panelName = cfg.PanelAdi.trimmed();
        r.supplier = cfg.TedarikciAdi.trimmed();
        r.loops = cfg.CevrimSayisi;
        if (const auto f = panelFingerprint(cfg))
            r.fingerprint = f->hex();
    }
    auto failedFor = [&](TransferRecord &record, const std::optional<TransferFailure> &failure) {
        record.result = Result::Failed;
        record.reason = failure ? failureText(*failure, choice) : stoppedText();
    };
    if (!link.succeeded())
        failedFor(r, link.failure());
    else if (kind == Transfer::Compare && !link.differences().isEmpty())
        r.result = Result::Differs;
    QList<TransferRecord> records{r};
    if (kind != Transfer::Upload || link.verification() == Verification::NotRun)
        return records;
    TransferRecord v = r;
    v.command = QStringLiteral("verify");
    v.durationMs = link.verifyMs();
    v.result = link.verification() == Verification::Verified ? Result::Verified : Result::Differs;
    if (link.verification() == Verification::BrokenOff)
        failedFor(v, link.verifyFailure());
    return records << v;
}

QByteArray transferLogCsv(const QList<TransferRecord> &records)
{
    storage::SheetRows table{{QStringLiteral("Time"), QStringLiteral("Command"), QStringLiteral("Result"),
                              QStringLiteral("Reason"), QStringLiteral("Panel name"), QStringLiteral("Supplier"),
                              QStringLiteral("MCU version"), QStringLiteral("Loops"), QStringLiteral("Fingerprint"),
                              QStringLiteral("File"), QStringLiteral("Port"), QStringLiteral("Device"),
                              QStringLiteral("User"), QStringLiteral("Host"), QStringLiteral("Duration (ms)")}};
    for (const TransferRecord &r : records)
        table << QStringList{isoTime(r.when),
                             r.command,
                             resultKey(r.result),
                             r.reason,
                             r.panelName,
                             r.supplier,
                             QString::number(r.mcu),
                             QString::number(r.loops),
                             r.fingerprint,
                             r.file,
                             r.port,
                             r.device,
                             r.user,
                             r.host,
                             QString::number(r.durationMs)};
    return storage::writeCsv(table, u',', true);
}

TransferLog::TransferLog(QString path, QObject *parent) : QObject(parent), path_(std::move(path)) {}

QString TransferLog::append(const TransferRecord &record)
{
    const QString why = storage::appendLine(path_, recordJson(record) + '\n');
    if (why.isEmpty()) {
        emit appended(record);
        return {};
    }
    if (std::exchange(failed_, true))
        return {};
    return tr("The transfer log %1 could not be written: %2. The transfer itself is not affected.").arg(path_, why);
}

}  // namespace vaz::comm
