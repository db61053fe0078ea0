// The command line as a process, with the largest configuration: what a
// script pays for each call.

#include "FullConfig.h"
#include "storage/ConfigFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace vaz;

QString save(const QTemporaryDir &dir, const char *name, Config cfg)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    storage::GirisVerileriniKaydet(cfg, path);
    return path;
}

// Runs vazconfig once per iteration; its exit status must be `expected`.
void runEach(benchmark::State &state, const QStringList &args, int expected)
{
    for (auto _ : state) {
        QProcess p;
        p.start(QStringLiteral(VAZ_BINARY_DIR "/vazconfig"), args);
        if (!p.waitForFinished(120000) || p.exitCode() != expected) {
            state.SkipWithError(p.readAllStandardError().constData());
            return;
        }
    }
}

// Target: under 1 s, start-up and both files included.
void DiffFullFiles(benchmark::State &state)
{
    QTemporaryDir dir;
    Config b = bench::fullConfig();
    b.BolgeNo(4, 127) = 1;
    runEach(state, {"diff", save(dir, "a.dvk", bench::fullConfig()), save(dir, "b.dvk", b)}, 1);
}
BENCHMARK(DiffFullFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

// Over an unpaced pseudo-terminal the tool's own cost shows: target under 10 s.
void UploadFullFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("panel"));
    QProcess sim;
    sim.start(QStringLiteral(VAZ_BINARY_DIR "/panel-sim"), {"--link", link, "--mcu", "20"});
    sim.waitForStarted();
    sim.waitForReadyRead(10000);
    runEach(state, {"upload", save(dir, "a.dvk", bench::fullConfig()), "--port", link, "--quiet"}, 0);
    sim.terminate();
    sim.waitForFinished(5000);
}
BENCHMARK(UploadFullFile)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
