// The command line as a process, with the largest configuration: what a
// script pays for each call.

#include "FullConfig.h"
#include "core/storage/ConfigFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "BenchMain.h"

namespace {

using namespace vaz;

QString save(const QTemporaryDir &dir, const char *name, Config cfg)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    storage::GirisVerileriniKaydet(cfg, path);
    return path;
}

// Runs vazconfig once per iteration; its exit status must be `expected` (< 0: 0 or 1).
void runEach(benchmark::State &state, const QStringList &args, int expected)
{
    for (auto _ : state) {
        QProcess p;
        p.start(QStringLiteral(VAZ_BINARY_DIR "/vazconfig"), args);
        const bool done = p.waitForFinished(120000);
        const bool fits = expected < 0 ? p.exitCode() <= 1 : p.exitCode() == expected;
        if (!done || !fits) {
            state.SkipWithError(p.readAllStandardError().constData());
            return;
        }
    }
}

// Target: under 50 ms, start-up and both files included.
void DiffFullFiles(benchmark::State &state)
{
    QTemporaryDir dir;
    Config b = bench::fullConfig();
    b.BolgeNo(4, 127) = 1;
    runEach(state, {"diff", save(dir, "a.dvk", bench::fullConfig()), save(dir, "b.dvk", b)}, 1);
}
BENCHMARK(DiffFullFiles)->Unit(benchmark::kMillisecond)->UseRealTime();

// Target: under 50 ms, start-up included.
void CheckFullFile(benchmark::State &state)
{
    QTemporaryDir dir;
    runEach(state, {"check", save(dir, "a.dvk", bench::fullConfig())}, -1);
}
BENCHMARK(CheckFullFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// Target: under 100 ms from start to exit; no window system is loaded.
void StartUp(benchmark::State &state) { runEach(state, {"--version"}, 0); }
BENCHMARK(StartUp)->Unit(benchmark::kMillisecond)->UseRealTime();

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
BENCHMARK(UploadFullFile)->Iterations(bench::iterations(3))->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return vaz::bench::runBenchmarks(argc, argv);
}
