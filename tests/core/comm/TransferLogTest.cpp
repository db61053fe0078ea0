#include "core/comm/TransferLog.h"

#include "support/ExampleConfig.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace vaz::test {
namespace {

using comm::TransferLog;
using comm::TransferRecord;

void appendBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::Append) && f.write(bytes) == bytes.size());
}

TEST(TransferLog, RecordsComeBackAsWrittenPastDamagedLines)
{
    QTemporaryDir home;
    const QByteArray userData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    const QString path = comm::transferLogPath();
    qputenv("XDG_DATA_HOME", userData);
    ASSERT_EQ(path, home.filePath("vazconfig/transfers.jsonl"));

    const QList<TransferRecord> records = exampleTransfers(home.path());
    TransferLog log(path);
    for (const TransferRecord &r : records.first(3))
        EXPECT_EQ(log.append(r), "");
    // Another program's lines, one with a time nobody can read, and an empty one.
    appendBytes(path, "not json\n[1,2]\n{\"time\":\"yesterday\",\"command\":\"upload\",\"result\":\"verified\"}\n\n");
    for (const TransferRecord &r : records.sliced(3))
        EXPECT_EQ(log.append(r), "");
    // A line cut off as it was written.
    appendBytes(path, comm::recordJson(records[0]).first(50));
    EXPECT_EQ(comm::readTransferLog(path), records);
    EXPECT_FALSE(QFileInfo(path).permissions().testAnyFlags(QFile::ReadGroup | QFile::ReadOther))
        << "it names users and hosts";

    const QList<QByteArray> lines = fileBytes(path).split('\n');
    EXPECT_TRUE(lines[2].endsWith(
        R"("result":"failed","reason":"No answer at \"Loop 2\"\\\n\ttry again","duration_ms":5000})"));
    EXPECT_EQ(lines[7], R"({"time":"2026-12-07T00:30:05-03:30","user":"mehmet","host":"depo-pc","command":"download",)"
                        R"("file":null,"panel":"Depo","supplier":"ACME Yangin","mcu":15,"loops":2,"fingerprint":null,)"
                        R"("port":"COM2","device":"/dev/ttyS1","result":"completed","duration_ms":98000})");

    // No log yet is an empty one; a folder in its place is said.
    storage::InputProblem problem;
    EXPECT_TRUE(comm::readTransferLog(home.filePath("none.jsonl"), &problem).isEmpty());
    EXPECT_EQ(problem.kind, storage::InputProblem::Kind::None);
    EXPECT_TRUE(comm::readTransferLog(home.filePath("vazconfig"), &problem).isEmpty());
    EXPECT_EQ(problem.kind, storage::InputProblem::Kind::Folder);
}

TEST(TransferLog, AFailedAppendLeavesTheLogAsItWasAndIsToldOnce)
{
    const TransferRecord record = exampleTransfers("/site")[0];
    const QByteArray oldLine = comm::recordJson(exampleTransfers("/site")[3]) + '\n';
    auto put = [&](const QString &path) { QDir().mkpath(QFileInfo(path).path()), writeBytes(path, oldLine); };
    // How the log at log/transfers.jsonl was spoilt, and the file that must stay as it was.
    const std::tuple<const char *, std::function<void(const QString &)>, const char *> cases[] = {
        {"read-only log", [&](const QString &log) { put(log), chmod(QFile::encodeName(log), 0444); },
         "log/transfers.jsonl"},
        {"file in the folder's place", [&](const QString &log) { put(QFileInfo(log).path()); }, "log"},
        {"folder in the log's place", [](const QString &log) { QDir().mkpath(log); }, nullptr},
        {"disk full", [&](const QString &log) { put(log), storage::simulateDiskFullAfter(oldLine.size() + 20); },
         "log/transfers.jsonl"},
    };
    for (const auto &[name, spoil, kept] : cases) {
        SCOPED_TRACE(name);
        QTemporaryDir dir;
        const QString path = dir.filePath("log/transfers.jsonl");
        spoil(path);
        const QByteArray before = kept ? fileBytes(dir.filePath(kept)) : QByteArray();
        TransferLog log(path);
        EXPECT_TRUE(log.append(record).contains(path));
        EXPECT_EQ(log.append(record), "") << "told once a run";
        storage::simulateDiskFullAfter(-1);
        if (kept) {
            EXPECT_EQ(fileBytes(dir.filePath(kept)), before);
        }
    }
}

TEST(TransferLog, LastVerifiedUploadIsTheNewestVerificationOfThatConfiguration)
{
    const QList<TransferRecord> log = exampleTransfers("/site");
    TransferRecord sameSecond = log[0];
    sameSecond.when = log[4].when, sameSecond.fingerprint = log[4].fingerprint.toLower();
    // fingerprint, log, the record expected (-1: none)
    const std::tuple<QString, QList<TransferRecord>, int> cases[] = {
        {log[0].fingerprint, log, 4},  // the later verification, written in capitals
        {log[4].fingerprint, log.first(3), 0},
        {log[2].fingerprint, log, -1},  // its only upload failed
        {QString(), log, -1},           // a download has none
        {log[0].fingerprint, log + QList{sameSecond}, 5},
    };
    for (const auto &[fingerprint, records, expected] : cases) {
        const std::optional<TransferRecord> found = comm::lastVerifiedUpload(records, fingerprint);
        EXPECT_EQ(found, expected < 0 ? std::nullopt : std::optional(records[expected])) << fingerprint.toStdString();
    }
}

}  // namespace
}  // namespace vaz::test
