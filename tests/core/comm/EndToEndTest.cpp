// The simulator on a pseudo-terminal, spoken to directly.

#include "support/Printers.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(EndToEnd, PacedExchangeIsNeverFasterThanItsBytesNorAnAdapterThanItsTimer)
{
#ifndef Q_OS_WIN
    for (const bool paced : {true, false}) {
        QTemporaryDir dir;
        QProcess sim;
        sim.start(QStringLiteral(VAZ_BINARY_DIR "/panel-sim"),
                  QStringList{"--mcu", "12", "--link", dir.filePath("panel")} +
                      (paced ? QStringList{"--paced"} : QStringList{"--adapter-latency", "20"}));
        ASSERT_TRUE(sim.waitForStarted() && sim.waitForReadyRead(10000)) << sim.readAllStandardError().toStdString();
        EXPECT_TRUE(sim.readLine().startsWith("/dev/")) << "it names its terminal";
        QSerialPort line(dir.filePath("panel"));
        ASSERT_TRUE(line.open(QIODevice::ReadWrite));
        // Handshake, supplier and one record: lock-step, so every byte either way costs its own byte time,
        // and every answer but the first waits a whole turn of the adapter's timer.
        qint64 bytes = 0;
        QElapsedTimer clock;
        clock.start();
        for (const char *out : {"S~A~", "X~1~", "1~", "0~", "0~", "5~", "5~", "0~", "0~", "0~", "~"}) {
            line.write(out);
            ASSERT_TRUE(line.waitForReadyRead(2000)) << out;
            bytes += qstrlen(out) + line.readAll().size();
        }
        EXPECT_GE(clock.nsecsElapsed(), paced ? bytes * 1'000'000'000LL * 10 / 9600 : 9 * 20'000'000LL) << bytes;
    }
#endif
}
