// The engine on a real serial port, a pseudo-terminal, against panel-sim.

#include "comm/PanelLink.h"
#include "comm/SerialBytePort.h"

#include "CommTestSupport.h"
#include "support/FakePrompts.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vaz;

namespace {

void startSim(QProcess &sim, const QStringList &args)
{
    sim.start(QStringLiteral(VAZ_BINARY_DIR "/panel-sim"), args);
    ASSERT_TRUE(sim.waitForStarted());
    ASSERT_TRUE(sim.waitForReadyRead(10000)) << sim.readAllStandardError().toStdString();
    ASSERT_TRUE(sim.readLine().startsWith("/dev/"));
}

// An upload or a download on COM2, with generous waits.
bool transfer(Config &cfg, bool upload)
{
    comm::SerialBytePort port;
    test::FakeMessages messages;
    comm::PanelLink engine(cfg, port, messages);
    engine.setTimeoutInterval(3000);
    engine.setIdleBound(3000);
    cfg.SeciliPort = 2;
    (upload ? cfg.GonderimModu : cfg.AlmaModu) = 1;
    engine.runTransfer();
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join('\n').toStdString();
    return engine.succeeded();
}

}  // namespace

TEST(EndToEnd, UploadThenDownloadThroughAPseudoTerminal)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "pseudo-terminals are a Unix facility";
#endif
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("panel"));
    const QString saved = dir.filePath(QStringLiteral("saved.dvk"));
    QProcess sim;
    startSim(sim, {"--mcu", "20", "--loops", "4", "--link", link, "--trace", dir.filePath("trace"), "--save", saved});

    Config sent = test::exampleConfig(20, 30);
    for (int l = 1; l <= 4; ++l)
        for (int a = 1; a <= 127; ++a) {
            if (sent.CihazTipi(l, a) == 0) {
                sent.CihazTipi(l, a) = (a % 4) + 1;
                sent.BolgeNo(l, a) = a % 48 + 1;
            }
            sent.MahalText(l, a) = QStringLiteral("Loop %1 address %2 ").arg(l).arg(a).leftJustified(40, 'x');
        }
    qputenv("VAZ_COM2", link.toLocal8Bit());
    ASSERT_TRUE(transfer(sent, true));

    Config got;
    got.McuVersiyon = 20;
    ASSERT_TRUE(transfer(got, false));
    test::expectCarriedEqual(sent, got);
    EXPECT_EQ(got.CevrimSayisi, 4);

    sim.terminate();
    ASSERT_TRUE(sim.waitForFinished(5000));
    EXPECT_EQ(sim.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(sim.exitCode(), 0);
    EXPECT_FALSE(QFileInfo::exists(link));
    QFile trace(dir.filePath("trace"));
    ASSERT_TRUE(trace.open(QIODevice::ReadOnly));
    EXPECT_TRUE(trace.readLine().contains("tool>panel 53 S"));

    // The memory saved after the upload starts another panel with the same content.
    QProcess second;
    startSim(second, {"--mcu", "20", "--loops", "2", "--link", link, "--load", saved});
    got = Config{};
    got.McuVersiyon = 20;
    ASSERT_TRUE(transfer(got, false));
    test::expectCarriedEqual(sent, got);
    EXPECT_EQ(got.CevrimSayisi, 2);
    second.terminate();
    EXPECT_TRUE(second.waitForFinished(5000));
    qunsetenv("VAZ_COM2");
}

TEST(EndToEnd, PortThatDoesNotExist)
{
#ifndef Q_OS_WIN
    qputenv("VAZ_COM4", "/nonexistent/ttyUSB9");
    comm::SerialBytePort port;
    port.setPortNumber(4);
    EXPECT_FALSE(port.open());
    EXPECT_EQ(port.openError(), comm::BytePort::OpenError::NotFound);
    const QString m = comm::openFailureMessage(port);
    EXPECT_TRUE(m.startsWith(QStringLiteral("Cannot open port COM4 (/nonexistent/ttyUSB9): "))) << m.toStdString();
    EXPECT_TRUE(m.contains(QStringLiteral("VAZ_COM4=/dev/ttyUSB0")));
    qunsetenv("VAZ_COM4");
#endif
}

TEST(EndToEnd, PacedExchangeIsNeverFasterThanItsBytes)
{
#ifndef Q_OS_WIN
    QTemporaryDir dir;
    QProcess sim;
    startSim(sim, {"--mcu", "12", "--paced", "--link", dir.filePath("panel")});
    QSerialPort line(dir.filePath("panel"));
    ASSERT_TRUE(line.open(QIODevice::ReadWrite));
    // Handshake, supplier and one record: lock-step, so every byte either way costs its own byte time.
    qint64 bytes = 0;
    QElapsedTimer clock;
    clock.start();
    for (const char *out : {"S~A~", "X~1~", "1~", "0~", "0~", "5~", "5~", "0~", "0~", "0~", "~"}) {
        line.write(out);
        ASSERT_TRUE(line.waitForReadyRead(2000)) << out;
        bytes += qstrlen(out) + line.readAll().size();
    }
    EXPECT_GE(clock.nsecsElapsed(), bytes * 1'000'000'000LL * 10 / 9600) << bytes << " bytes";
#endif
}
