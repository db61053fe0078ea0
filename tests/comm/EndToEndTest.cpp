// The engine on a real serial port, a pseudo-terminal, against panel-sim.

#include "comm/PanelLink.h"
#include "comm/SerialBytePort.h"

#include "CommTestSupport.h"
#include "support/FakePrompts.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vaz;

TEST(EndToEnd, UploadThenDownloadThroughAPseudoTerminal)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "pseudo-terminals are a Unix facility";
#endif
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("panel"));
    QProcess sim;
    sim.start(QStringLiteral(VAZ_BINARY_DIR "/panel-sim"),
              {"--mcu", "20", "--loops", "4", "--link", link, "--trace", dir.filePath("trace")});
    ASSERT_TRUE(sim.waitForStarted());
    ASSERT_TRUE(sim.waitForReadyRead(10000)) << sim.readAllStandardError().toStdString();
    EXPECT_TRUE(sim.readLine().startsWith("/dev/"));

    Config sent = test::sampleConfig(20, 30);
    for (int l = 1; l <= 4; ++l)
        for (int a = 1; a <= 127; ++a) {
            if (sent.CihazTipi(l, a) == 0) {
                sent.CihazTipi(l, a) = (a % 4) + 1;
                sent.BolgeNo(l, a) = a % 48 + 1;
            }
            sent.MahalText(l, a) = QStringLiteral("Loop %1 address %2 ").arg(l).arg(a).leftJustified(40, 'x');
        }

    qputenv("VAZ_COM2", link.toLocal8Bit());
    comm::SerialBytePort port;
    test::FakeMessages messages;
    {
        comm::PanelLink engine(sent, port, messages);
        engine.setTimeoutInterval(3000);
        sent.SeciliPort = 2;
        sent.GonderimModu = 1;
        engine.runTransfer();
        ASSERT_TRUE(engine.succeeded()) << messages.messages.join('\n').toStdString();
        EXPECT_FALSE(port.isOpen());
    }

    Config got;
    got.McuVersiyon = 20;
    got.SeciliPort = 2;
    got.AlmaModu = 1;
    {
        comm::PanelLink engine(got, port, messages);
        engine.setIdleBound(3000);
        engine.runTransfer();
        ASSERT_TRUE(engine.succeeded()) << messages.messages.join('\n').toStdString();
    }
    port.close();
    qunsetenv("VAZ_COM2");
    EXPECT_TRUE(messages.messages.isEmpty());
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
}
