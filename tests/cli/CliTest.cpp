// The command line as a user runs it: the program as a process, the simulator
// on a pseudo-terminal as the panel, no display.

#include "cli/Args.h"
#include "core/comm/TransferLog.h"
#include "core/model/Version.h"
#include "core/site/LoopCalc.h"
#include "core/site/SiteFile.h"
#include "core/storage/ConfigFile.h"
#include "core/storage/Spreadsheet.h"
#include "support/ExampleConfig.h"
#include "support/HostileFiles.h"
#include "support/SimProcess.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vaz;

namespace {

struct Outcome {
    int status = -1;
    QStringList out;  // lines of standard output
    QString err;
};

// The program run with args, which is expected to end with `status`.
Outcome vazconfig(const QStringList &args, int status = 0)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *display : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(display));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(VAZ_BINARY_DIR "/vazconfig"), args);
    EXPECT_TRUE(p.waitForFinished(120000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const Outcome r{p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, out.split(u'\n', Qt::SkipEmptyParts),
                    QString::fromUtf8(p.readAllStandardError())};
    EXPECT_EQ(r.status, status) << args.join(u' ').toStdString() << ": " << r.err.toStdString();
    return r;
}

// What the tool wrote to the simulator, from its trace.
QByteArray sentBytes(const QString &trace)
{
    QByteArray sent;
    for (const QByteArray &line : test::fileBytes(trace).split('\n'))
        if (const QList<QByteArray> f = line.simplified().split(' '); f.size() >= 3 && f[1] == "tool>panel")
            sent += char(f[2].toInt(nullptr, 16));
    return sent;
}

QString fingerprint(const QString &file, const char *mcu)
{
    const Outcome r = vazconfig({"fingerprint", file, "--mcu", mcu, "--json"});
    return QJsonDocument::fromJson(r.out.join(u'\n').toUtf8()).object().value("fingerprint").toString();
}

QString writeFile(const QTemporaryDir &dir, const char *name, const Config &cfg)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    EXPECT_TRUE(test::writeBytes(path, storage::configFileBytes(cfg)));
    return path;
}

}  // namespace

TEST(Cli, UploadDownloadCompareAtEveryVersion)
{
    for (const auto &[mcu, version, rules] : {std::tuple{"12", "V1.2-1.4", 0}, {"15", "V1.5", 0}, {"20", "V2.0", 3}}) {
        SCOPED_TRACE(mcu);
        QTemporaryDir dir;
        Config cfg = test::exampleConfig(QByteArray(mcu).toInt());
        // Rule lists as the panel keeps them, so that what it saves can equal the input.
        test::setRules(cfg, QStringList{"Kat1", "Kat2", "Kat3"}.mid(0, rules));
        const QString file = writeFile(dir, "site.dvk", cfg);
        test::SimProcess sim({"--mcu", mcu});

        Outcome r = vazconfig({"upload", file, "--port", sim.link});
        EXPECT_TRUE(r.err.contains(QStringLiteral("MCU version %1").arg(version))) << "says which version it took";
        sim.waitForUpload();
        EXPECT_EQ(test::fileBytes(sim.saved), test::fileBytes(file));
        const QString sent = fingerprint(file, mcu);
        EXPECT_EQ(sent, QCryptographicHash::hash(sentBytes(sim.trace), QCryptographicHash::Sha256).toHex().toUpper());

        const QString back = dir.filePath("back.dvk");
        vazconfig({"download", "--port", sim.link, "--mcu", mcu, "-o", back});
        EXPECT_EQ(test::fileBytes(back), test::fileBytes(file));
        EXPECT_EQ(fingerprint(back, mcu), sent);
        EXPECT_EQ(vazconfig({"compare", file, "--port", sim.link}).out,
                  QStringList{"The panel holds this configuration."});

        cfg.BolgeNo(1, 1) = 12, writeFile(dir, "site.dvk", cfg);
        EXPECT_EQ(vazconfig({"compare", file, "--port", sim.link, "--mcu", mcu}, 1).out,
                  QStringList{R"(Loop 1 address 1, Zone: "12" in the file, "3" in the panel)"});
        EXPECT_NE(fingerprint(file, mcu), sent);
    }
}

TEST(Cli, UploadVerifiesWhatThePanelHolds)
{
    QTemporaryDir dir;
    const Config cfg = test::exampleConfig(15);
    const QString file = writeFile(dir, "site.dvk", cfg);
    const QString shown = fingerprint(file, "15").left(16);
    // Simulator options, exit status, a line of the output (a line of the errors for 2).
    const std::tuple<QStringList, int, QString> cases[] = {
        {{},
         0,
         "Panel verified: fingerprint " + shown.left(4) + "-" + shown.mid(4, 4) + "-" + shown.mid(8, 4) + "-" +
             shown.mid(12, 4)},
        {{"--store-different", "4.127"}, 1, R"(Loop 4 address 127, Location: "Roof" sent, "Roof?" in the panel)"},
        // Silent from the read-back's handshake on: the 5080 record fields and 8 settings were acknowledged.
        {{"--silent-after", "5088"}, 2, "The upload itself completed, but the panel was not verified."},
    };
    // Each run logs the upload and its read-back in a data folder of this test's.
    const QByteArray userData = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path()));
    for (const auto &[options, status, said] : cases) {
        test::SimProcess sim(QStringList{"--mcu", "15"} + options);
        const Outcome r = vazconfig({"upload", file, "--port", sim.link, "--verify"}, status);
        EXPECT_TRUE((status == 2 ? r.err : r.out.join(u'\n')).contains(said))
            << r.out.join(u'\n').toStdString() << r.err.toStdString();
    }
    QStringList logged;
    for (const comm::TransferRecord &r : comm::readTransferLog(dir.filePath("vazconfig/transfers.jsonl")))
        logged << r.command + ' ' + comm::resultKey(r.result) + ' ' + r.fingerprint.left(16) + ' ' +
                      QFileInfo(r.file).fileName();
    const QString done = "completed " + shown + " site.dvk";
    EXPECT_EQ(logged, (QStringList{"upload " + done, "verify verified " + shown + " site.dvk", "upload " + done,
                                   "verify differs " + shown + " site.dvk", "upload " + done,
                                   "verify failed " + shown + " site.dvk"}));

    // A log that cannot be written is said once; the transfer goes on.
    QDir(dir.path()).rename("vazconfig", "old"), QDir(dir.path()).mkpath("vazconfig/transfers.jsonl");
    test::SimProcess sim({"--mcu", "15"});
    const Outcome r = vazconfig({"upload", file, "--port", sim.link, "--verify"});
    EXPECT_EQ(r.err.count("transfers.jsonl"), 1) << r.err.toStdString();
    qputenv("XDG_DATA_HOME", userData);
}

TEST(Cli, FailuresExitTwoAndNameWhatFailed)
{
    QTemporaryDir dir;
    const QString file = writeFile(dir, "site.dvk", test::exampleConfig(15));
    const QString out = dir.filePath("out.dvk");
    Config stair = test::exampleConfig(20);
    stair.MahalText(2, 7) = QStringLiteral("Stair~B");
    const QString unsendable = writeFile(dir, "stair.dvk", stair);
    qputenv("VAZ_COM3", "/nonexistent/ttyUSB9");
    // Each exits 2 with the message holding the text given.
    const std::pair<QStringList, QString> cases[] = {
        {{"download", "--port", "/nonexistent/ttyUSB9", "--mcu", "15", "-o", out}, "/nonexistent/ttyUSB9"},
        {{"download", "--port", "COM3", "--mcu", "15", "-o", out},
         "VAZ_COM3 names this device; correct it or use --port."},
        {{"upload", file, "--port", "/nonexistent/ttyUSB9", "--mcu", "20"}, "MCU version V1.5"},
        {{"check", dir.filePath("missing.dvk")}, "missing.dvk"},
        {{"fingerprint", unsendable}, "loop 2, address 007 holds the character \"~\""},
        {{"upload", file}, "usage: vazconfig upload FILE.dvk --port DEVICE"},
        {{"diff", file, "--mcu", "13"}, "usage: vazconfig diff"},
        {{"check", file, file}, "check takes one configuration file"},
        {{"trace", file}, "trace takes a configuration file and a device address"},
        {{"trace", file, "5.8"}, "\"5.8\" is no device address"},
        {{"trace", file, "2.1"}, "Loop 2 address 001 holds no device."},
        {{"frobnicate"}, "unknown command"},
    };
    for (const auto &[args, message] : cases) {
        const Outcome r = vazconfig(args, 2);
        EXPECT_TRUE(r.err.contains(message)) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
    qunsetenv("VAZ_COM3");
}

TEST(Cli, StopOnSignalWritesNothing)
{
    QTemporaryDir dir;
    test::SimProcess sim({"--mcu", "15", "--silent-after", "0"});
    QProcess p;
    const QString out = dir.filePath("out.dvk");
    p.start(QStringLiteral(VAZ_BINARY_DIR "/vazconfig"), {"download", "--port", sim.link, "--mcu", "15", "-o", out});
    ASSERT_FALSE(p.waitForFinished(1000)) << "a silent panel holds it for its time-out";
    p.terminate();
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_TRUE(p.exitCode() == 2 && p.readAllStandardError().contains("Transfer stopped") && !QFile::exists(out));
}

TEST(Cli, DiffCheckReportAndHelp)
{
    QTemporaryDir dir;
    Config a = test::exampleConfig(20, 2);
    const QString fileA = writeFile(dir, "a.dvk", a);
    a.MahalText(1, 1) = QStringLiteral("Lobby"), a.BolgeNo(2, 5) = 8, a.SSismi(2) = QStringLiteral("Other");
    const QString fileB = writeFile(dir, "b.dvk", a);

    Outcome r = vazconfig({"diff", fileA, fileB, "--csv", dir.filePath("d.csv")}, 1);
    EXPECT_EQ(r.out.size(), 3) << r.out.join('\n').toStdString();
    EXPECT_EQ(test::fileBytes(dir.filePath("d.csv")).count("\r\n"), 4) << "heading and three rows";
    r = vazconfig({"diff", fileA, fileB, "--json"}, 1);
    const QJsonArray rows = QJsonDocument::fromJson(r.out.join('\n').toUtf8()).array();
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0].toObject().keys(), (QStringList{"field", "fileA", "fileB", "where"}));
    vazconfig({"diff", fileA, fileA});

    // Each kind of finding once; a clean file has none.
    const test::FindingsExample e = test::findingsExample();
    const QString doubtful = writeFile(dir, "doubtful.dvk", e.config);
    EXPECT_EQ(vazconfig({"check", doubtful}, 1).out, e.devices + e.rules);
    r = vazconfig({"check", doubtful, "--json"}, 1);
    EXPECT_EQ(QJsonDocument::fromJson(r.out.join('\n').toUtf8()).array().size(), e.devices.size() + e.rules.size());
    const QString clean = writeFile(dir, "clean.dvk", test::cleanExample(20, 1));
    EXPECT_EQ(vazconfig({"check", clean, "--json"}).out, (QStringList{"[", "]"}));
    EXPECT_EQ(vazconfig({"trace", clean, "4.127"}).out,
              (QStringList{"Loop 4 address 127, Multisensor, zone 48, on a fire:",
                           "  Loop 4 address 126 (Relay controller) follows zone 48 on fire"}));

    // The calculation takes its figures from the site file beside: none, gaps; damaged, refused.
    vazconfig({"calc", clean}, 1);
    Config loaded = test::cleanExample(20, 1);
    test::addLoadFigures(loaded);
    loaded.site.zoneNames[48] = QStringLiteral("Çatı");
    ASSERT_TRUE(test::writeBytes(dir.filePath("clean.site.json"), site::siteFileBytes(loaded.site)));
    r = vazconfig({"calc", clean, "--json"});
    EXPECT_EQ(QJsonDocument::fromJson(r.out.join('\n').toUtf8()).object(), site::loopCalcJson(site::loopCalc(loaded)));
    const QStringList schedule = vazconfig({"export-devices", clean, "-o", "-"}).out;
    EXPECT_EQ(schedule.filter(QStringLiteral("Çatı")).size(), 2) << schedule.join(u'\n').toStdString();
    ASSERT_TRUE(test::writeBytes(dir.filePath("clean.site.json"), "{"));
    EXPECT_TRUE(vazconfig({"calc", clean}, 2).err.contains("The site file \"clean.site.json\" cannot be read"));

    const QString pdf = dir.filePath("r.pdf");
    // Without a desktop session too, the report says nothing it need not.
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(vazconfig({"report", fileA, "-o", pdf}).err, "");
    EXPECT_TRUE(test::fileBytes(pdf).startsWith("%PDF"));
    EXPECT_TRUE(vazconfig({"--help"}).out.value(0).startsWith("usage: vazconfig"));
    EXPECT_EQ(vazconfig({"compare", "--help"}).out.first(), cli::usageLine(cli::Command::Compare));
    EXPECT_EQ(vazconfig({"--version"}).out.first(), "vazconfig " + kToolVersion);
}

TEST(Cli, DeviceScheduleOutAndBackIn)
{
    QTemporaryDir dir;
    const QString file = writeFile(dir, "site.dvk", test::filledConfig(20));
    const QString out = dir.filePath("out.dvk");
    QStringList schedules{"s.csv"};
    if (storage::excelAvailable())
        schedules << "s.xlsx";
    for (const QString &name : schedules) {
        const QString schedule = dir.filePath(name);
        vazconfig({"export-devices", file, "-o", schedule});
        // Said once it is done.
        EXPECT_EQ(vazconfig({"import-devices", file, schedule, "-o", out}).out,
                  QStringList{"The schedule matched the configuration: nothing changed."});
        EXPECT_EQ(test::fileBytes(out), test::fileBytes(file)) << name.toStdString();
        QFile::remove(out);
    }
    // A problem is named by row and column, and nothing is written.
    ASSERT_TRUE(test::writeBytes(dir.filePath("bad.csv"), "Loop,Address,Type,Zone\r\n1,3,Heat det.,49\r\n"));
    const Outcome r = vazconfig({"import-devices", file, dir.filePath("bad.csv"), "-o", out}, 1);
    EXPECT_TRUE(r.err.contains("bad.csv: Row 2, Zone: 49 is above 48") && !QFile::exists(out)) << r.err.toStdString();
}

TEST(Cli, StandardOutputPipesAndWhatIsNoFile)
{
    QTemporaryDir dir;
    const test::HostileFiles hostile(dir.path());
    const QString file = writeFile(dir, "site.dvk", test::filledConfig(20));
    const QString before = QString::fromLatin1(test::fileBytes(file));
    const QString clean = writeFile(dir, "clean.dvk", test::cleanExample(20, 1));
    const QString vaz = QStringLiteral(VAZ_BINARY_DIR "/vazconfig");
    const QString full = dir.filePath("full");
    const bool devices =
        hostile.haveDevices && mknod(test::local(full).constData(), S_IFCHR | 0666, makedev(1, 7)) == 0;
    struct Case {
        QStringList args;  // run through bash when the first is "bash"
        int status;
        QString said;  // on standard error
        bool needsDevices = false;
    };
    const Case cases[] = {
        {{"report", file, "-o", hostile.device}, 2, "it is a device", true},
        {{"report", file, "-o", hostile.pipe}, 2, "it is a pipe"},
        {{"export-devices", file, "-o", hostile.folder}, 2, "it is a folder"},
        {{"import-devices", file, file, "-o", hostile.readOnly}, 2, "it is read-only"},
        {{"check", hostile.zero}, 2, "it is a device", true},
        {{"check", "-"}, 2, "\"-\" names no file"},
        {{"report", file, "-o", "-"}, 2, "-o needs a file name"},
        {{"check", file, "--mcu", "20", "--mcu", "20"}, 2, "--mcu is given twice"},
        {{"diff", file, file, "--csv", "-", "--json"}, 2, "both take standard output"},
        {{"bash", "-c", vaz + " check <(cat " + clean + ")"}, 0, ""},
        {{"bash", "-c", vaz + " export-devices " + file + " -o - > " + full}, 2, "standard output", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        if (c.needsDevices && !devices)
            continue;
        QProcess p;
        p.start(c.args.first() == "bash" ? QStringLiteral("bash") : vaz,
                c.args.first() == "bash" ? c.args.mid(1) : c.args);
        ASSERT_TRUE(p.waitForFinished(60000)) << "nothing waits on a pipe or a device";
        EXPECT_EQ(p.exitCode(), c.status);
        EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains(c.said));
    }
    EXPECT_EQ(test::HostileFiles::kind(hostile.device), hostile.haveDevices ? S_IFCHR : 0);
    EXPECT_EQ(test::HostileFiles::kind(hostile.pipe), S_IFIFO);
    EXPECT_EQ(test::fileBytes(hostile.readOnly), "old");

    // "-" is standard output for a schedule and a comparison; a schedule may come from a pipe.
    Outcome r = vazconfig({"export-devices", file, "-o", "-"});
    const QString csv = dir.filePath("s.csv");
    vazconfig({"export-devices", file, "-o", csv});
    EXPECT_EQ(r.out.join('\n'), QString::fromUtf8(test::fileBytes(csv)).split(u'\n', Qt::SkipEmptyParts).join('\n'));
    QProcess p;
    p.start("bash", {"-c", vaz + " import-devices " + file + " <(cat " + csv + ") -o " + dir.filePath("o.dvk")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_EQ(QString::fromLatin1(test::fileBytes(dir.filePath("o.dvk"))), before);
    const QString other = writeFile(dir, "other.dvk", test::exampleConfig(20)), differences = dir.filePath("d.csv");
    r = vazconfig({"diff", file, other, "--csv", "-"}, 1);
    vazconfig({"diff", file, other, "--csv", differences}, 1);
    EXPECT_EQ(r.out.join('\n'),
              QString::fromUtf8(test::fileBytes(differences)).split(u'\n', Qt::SkipEmptyParts).join('\n'))
        << "nothing but the CSV";
}
