#pragma once

#include "core/comm/TransferWords.h"
#include "core/model/Installation.h"
#include "core/storage/SafeFile.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>

#include <optional>

// Every upload, verification, download and comparison leaves one line in a
// log of the user's, so that later one can tell what went to which panel.
namespace vaz::comm {

class PanelLink;

struct TransferRecord {
    QDateTime when;
    QString user, host;
    QString command;  // "upload", "verify", "download", "compare"
    QString file;     // the configuration's path; empty for none
    QString panelName, supplier;
    int mcu = 0;
    int loops = 0;
    QString fingerprint;  // 64 hex digits; empty for none
    QString port;         // "COM1"; empty when a device was named
    QString device;       // "/dev/ttyUSB0"
    enum class Result { Completed, Verified, Differs, Failed };
    Result result = Result::Completed;
    QString reason;  // Failed: why, as the user was told
    qint64 durationMs = 0;

    friend bool operator==(const TransferRecord &, const TransferRecord &) = default;
};

// "completed", "verified", "differs", "failed": the log's words.
QString resultKey(TransferRecord::Result result);

// ~/.local/share/vazconfig/transfers.jsonl, or where XDG_DATA_HOME says.
QString transferLogPath();

// A record of now, by this user on this machine.
TransferRecord newTransferRecord(const QString &command);

// One line of JSON, without its line end; the time with its offset from UTC.
QByteArray recordJson(const TransferRecord &record);
std::optional<TransferRecord> parseRecord(QByteArrayView line);

// The log's records in the order written. A missing log is an empty one; a
// line that cannot be read (one cut off as it was written) is passed over.
// Why nothing was read goes to *problem when given.
QList<TransferRecord> readTransferLog(const QString &path, storage::InputProblem *problem = nullptr);

// The newest record that says a configuration of that fingerprint was
// verified in a panel.
std::optional<TransferRecord> lastVerifiedUpload(const QList<TransferRecord> &records, const QString &fingerprint);

// "3F2A-9C1B-07DE-55A0": the first 16 digits, enough to tell configurations apart by eye.
QString shortFingerprint(const QString &fingerprint);

// The lines of a transfer link has just run on cfg (read from or saved to
// file, empty for none) through port: an upload with its read-back gives
// two. Reasons are worded for choice, as the user was told them.
QList<TransferRecord> transferRecords(const PanelLink &link, const Installation &cfg, const QString &file,
                                      const BytePort &port, DeviceChoice choice);

// A heading line, then one line a record; English, as the log is.
QByteArray transferLogCsv(const QList<TransferRecord> &records);

// Appends records to one log. A transfer never stops for its log: a failure
// is told once a run, so the windows show one message and the command line
// one line.
class TransferLog : public QObject {
    Q_OBJECT

public:
    explicit TransferLog(QString path = transferLogPath(), QObject *parent = nullptr);
    const QString &path() const { return path_; }

    // The message for the user the first time an append fails; empty after
    // that and on success.
    QString append(const TransferRecord &record);

signals:
    void appended(const vaz::comm::TransferRecord &record);

private:
    QString path_;
    bool failed_ = false;
};

}  // namespace vaz::comm
