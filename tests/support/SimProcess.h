#pragma once

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vaz::test {

// panel-sim on a pseudo-terminal at `link`: it traces the line to `trace` and
// keeps what it receives in `saved`.
struct SimProcess {
    explicit SimProcess(const QStringList &args)
    {
        process.start(QStringLiteral(VAZ_BINARY_DIR "/panel-sim"),
                      QStringList{"--link", link, "--trace", trace, "--save", saved} + args);
        EXPECT_TRUE(process.waitForStarted() && process.waitForReadyRead(10000));
        process.setReadChannel(QProcess::StandardError);
    }
    ~SimProcess() { process.terminate(), process.waitForFinished(5000); }
    void waitForUpload()
    {
        for (QByteArray log; !log.contains("upload 1 received") && process.waitForReadyRead(10000);)
            log += process.readAll();
    }
    QTemporaryDir dir;
    QString link = dir.filePath("panel"), trace = dir.filePath("trace"), saved = dir.filePath("saved.dvk");
    QProcess process;
};

}  // namespace vaz::test
