// Transfers through a pseudo-terminal against the unpaced panel-sim.

#include "comm/PanelLink.h"
#include "comm/SerialBytePort.h"
#include "model/Prompts.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <ctime>

namespace {

using namespace vaz;

class SilentMessages : public Messages {
public:
    void message(const QString &text) override { last = text; }
    Answer question(const QString &, const QString &) override { return Answer::Cancel; }
    QString last;
};

double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// A panel-sim on a fresh link, stopped when this goes.
struct Simulator {
    explicit Simulator(const QStringList &extra)
    {
        link = dir.filePath(QStringLiteral("panel"));
        process.start(QStringLiteral(VAZ_BINARY_DIR "/panel-sim"), QStringList{"--link", link} + extra);
        process.waitForStarted();
        process.waitForReadyRead(10000);
        qputenv("VAZ_COM1", link.toLocal8Bit());
    }
    ~Simulator()
    {
        process.terminate();
        process.waitForFinished(5000);
    }
    QTemporaryDir dir;
    QString link;
    QProcess process;
};

Config fullV2()
{
    Config c;
    c.McuVersiyon = 20;
    c.CevrimSayisi = 4;
    c.TedarikciAdi = QStringLiteral("Supplier");
    c.PanelAdi = QStringLiteral("Panel");
    for (int l = 1; l <= kLoops; ++l)
        for (int a = 1; a <= kAddresses; ++a) {
            c.CihazTipi(l, a) = a % 9 + 1;
            c.BolgeNo(l, a) = a % 48 + 1;
            c.MahalText(l, a) = QStringLiteral("Building %1 floor %2 ").arg(l).arg(a).leftJustified(40, '-');
        }
    c.SSsayisi = kMaxRules;
    for (int r = 1; r <= kMaxRules; ++r) {
        c.SSismi(r) = QStringLiteral("Rule %1").arg(r);
        c.SSgirisler(r) = QStringLiteral("1,%1.2,%2.3,%3.:").arg(r % 127 + 1).arg(r % 100 + 1).arg(r % 50 + 1);
        c.SScikislar(r) = QStringLiteral("4,%1.5,1.5,7.:").arg(r % 127 + 1);
        c.SSkosul(r) = r % 3 + 1;
    }
    return c;
}

// Acknowledged or requested fields of a full V2 transfer.
constexpr double kUploadFields = kRecords * 10 + 8 + 1 + 4 * (kMaxRules + 1);
constexpr double kDownloadFields = kRecords * 8 + 2 + 8 + 1 + 4 * kMaxRules + 1;

void FullV2Transfer(benchmark::State &state)
{
    const bool upload = state.range(0) == 1;
    Simulator sim({"--mcu", "20", "--loops", "4"});
    comm::SerialBytePort port;
    SilentMessages messages;
    Config sent = fullV2();
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        Config cfg = upload ? sent : Config{};
        cfg.McuVersiyon = 20;
        comm::PanelLink engine(cfg, port, messages);
        if (!upload) {  // the panel must hold the configuration first
            Config seed = sent;
            comm::PanelLink seeder(seed, port, messages);
            state.PauseTiming();
            seeder.PaneleGonder();
            state.ResumeTiming();
        }
        const double c0 = cpuSeconds();
        const auto w0 = std::chrono::steady_clock::now();
        if (upload)
            engine.PaneleGonder();
        else
            engine.PaneldenAl();
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count();
        cpu += cpuSeconds() - c0;
        if (!engine.succeeded()) {
            state.SkipWithError(qPrintable(QStringLiteral("transfer failed: ") + messages.last));
            return;
        }
        port.close();
    }
    const double n = double(state.iterations());
    const double fields = upload ? kUploadFields : kDownloadFields;
    state.counters["wall_s"] = wall / n;
    state.counters["tool_cpu_s"] = cpu / n;
    state.counters["tool_cpu_ms_per_field"] = cpu / n / fields * 1e3;
    state.counters["wall_ms_per_field"] = wall / n / fields * 1e3;
}
BENCHMARK(FullV2Transfer)->Arg(1)->Arg(0)->ArgNames({"upload"})->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

// The tool's CPU use while it waits the full 5 s for a panel that never answers.
void SilentPanelWait(benchmark::State &state)
{
    Simulator sim({"--silent-after", "0"});
    comm::SerialBytePort port;
    SilentMessages messages;
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        Config cfg = fullV2();
        comm::PanelLink engine(cfg, port, messages);
        const double c0 = cpuSeconds();
        const auto w0 = std::chrono::steady_clock::now();
        engine.PaneleGonder();
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count();
        cpu += cpuSeconds() - c0;
        port.close();
    }
    state.counters["wall_s"] = wall / double(state.iterations());
    state.counters["cpu_percent_of_core"] = 100 * cpu / wall;
}
BENCHMARK(SilentPanelWait)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
