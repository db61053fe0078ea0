// Transfers through a pseudo-terminal against panel-sim: the engine alone, and
// the whole tool driven through its windows.

#include "BenchMain.h"
#include "core/comm/PanelLink.h"
#include "core/comm/SerialDevices.h"
#include "core/comm/UploadStream.h"
#include "core/comm/TransferWords.h"
#include "core/devices/DeviceCatalog.h"
#include "ui/comm/ProgBarIslem.h"
#include "adapters/serial/SerialBytePort.h"
#include "core/model/Prompts.h"
#include "ui/shell/App.h"
#include "ui/shell/lintor1.h"
#include "ui/shell/mcuV.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <ctime>

namespace {

using namespace vaz;

class SilentMessages : public Messages {
public:
    void message(const QString &text) override { last = text; }
    Answer question(const QString &, const QString &) override { return Answer::Cancel; }
    // Declined, as Cancel is the default, unless told; the reasons tell a failed run why.
    bool proceedDespite(const QString &text, const QStringList &reasons, const QString &, const QString &) override
    {
        last = text + u' ' + reasons.join(u' ');
        return proceed;
    }
    QString last;
    bool proceed = false;
};

// The message a transfer that waited in vain for the panel ends with.
bool waitedForPanel(const SilentMessages &messages)
{
    return messages.last.startsWith(QStringLiteral("No answer from the panel"));
}

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
            // An output module needs an output event, or the windows ask before an upload; the
            // fault event goes to the panel as the same 0 as none.
            if (devices::outputEventApplies(c.CihazTipi(l, a)))
                c.CikisHata(l, a) = c.BolgeNo(l, a);
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

// latency_ms < 0: an unpaced line; otherwise 9600 baud through an adapter whose
// latency timer holds every answer of the panel up to that long.
void FullV2Transfer(benchmark::State &state)
{
    const bool upload = state.range(0) == 1;
    QStringList args{"--mcu", "20", "--loops", "4"};
    if (state.range(1) >= 0)
        args << "--paced"
             << "--adapter-latency" << QString::number(state.range(1));
    Simulator sim(args);
    comm::SerialBytePort port;
    SilentMessages messages;
    Config sent = fullV2();
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        Config cfg = upload ? sent : Config{};
        cfg.McuVersiyon = 20;
        comm::PanelLink engine(cfg, port);
        comm::tellFailures(engine, messages);
        if (!upload) {  // the panel must hold the configuration first
            Config seed = sent;
            comm::PanelLink seeder(seed, port);
            comm::tellFailures(seeder, messages);
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
BENCHMARK(FullV2Transfer)
    ->Args({1, -1})
    ->Args({0, -1})
    ->ArgNames({"upload", "latency_ms"})
    ->Iterations(bench::iterations(3))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
// The cost of an adapter's latency timer on the paced full upload: about a minute each.
BENCHMARK(FullV2Transfer)
    ->Name("PacedUploadThroughAdapter")
    ->Args({1, 0})
    ->Args({1, 1})
    ->Args({1, 16})
    ->ArgNames({"upload", "latency_ms"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The panel fingerprint of the full configuration, as the main window's status line recomputes it.
void FullV2Fingerprint(benchmark::State &state)
{
    const Config cfg = fullV2();
    for (auto _ : state)
        benchmark::DoNotOptimize(comm::panelFingerprint(cfg));
}
BENCHMARK(FullV2Fingerprint)->Unit(benchmark::kMillisecond);

// The tool's CPU use while it waits the full 5 s for a panel that never answers.
void SilentPanelWait(benchmark::State &state)
{
    Simulator sim({"--silent-after", "0"});
    comm::SerialBytePort port;
    SilentMessages messages;
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        Config cfg = fullV2();
        comm::PanelLink engine(cfg, port);
        comm::tellFailures(engine, messages);
        const double c0 = cpuSeconds();
        const auto w0 = std::chrono::steady_clock::now();
        engine.PaneleGonder();
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count();
        cpu += cpuSeconds() - c0;
        port.close();
        if (!waitedForPanel(messages))
            return state.SkipWithError(qPrintable(QStringLiteral("no wait for the panel: ") + messages.last));
    }
    state.counters["wall_s"] = wall / double(state.iterations());
    state.counters["cpu_percent_of_core"] = 100 * cpu / wall;
}
BENCHMARK(SilentPanelWait)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// A run of the tool at V2 with the full configuration, ready to upload.
struct Tool {
    explicit Tool(bool verify = false)
    {
        comm::rememberVerifyAfterUpload(verify);
        // The check finds the benchmark's made-up rules odd; the upload is what is measured.
        messages.proceed = true;
        app.setMessages(&messages);
        app.start();
        app.versionWindow()->findChild<QAbstractButton *>(QStringLiteral("v2"))->click();
        app.versionWindow()->findChild<QAbstractButton *>(QStringLiteral("V_ok"))->click();
        app.config() = fullV2();
        app.mainWindow()->afterNewConfiguration();
    }
    // Upload as the user starts it; true when it completed.
    bool upload()
    {
        app.mainWindow()->findChild<QAction *>(QStringLiteral("BtGonder"))->trigger();
        vaz::ProgBarIslem *w = app.loadedProgressWindow();
        const bool ok = w && (w->statusText() == QStringLiteral("Sending Completed") ||
                              w->statusText().startsWith(QStringLiteral("Panel verified: ")));
        if (w)
            w->GonderimOK_Click();
        return ok;
    }
    SilentMessages messages;
    App app;
};

// Bytes of both directions in a panel-sim trace, and the time from the first to the last.
std::pair<qint64, double> traced(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    qint64 bytes = 0;
    double first = -1, last = 0;
    while (!f.atEnd()) {
        const QByteArray line = f.readLine();
        last = line.trimmed().split(' ').constFirst().toDouble();
        if (first < 0)
            first = last;
        ++bytes;
    }
    return {bytes, last - first};
}

// The full V2 upload through the real windows, with its read-back when asked; with pacing against the
// time its bytes need on the wire.
void WindowUpload(benchmark::State &state)
{
    const bool paced = state.range(0) == 1;
    const bool verify = state.range(1) == 1;
    QTemporaryDir traceDir;
    const QString trace = traceDir.filePath(QStringLiteral("trace"));
    QStringList args{"--mcu", "20"};
    if (paced)  // the trace costs the simulator time; only the paced run needs the byte count
        args << "--paced"
             << "--trace" << trace;
    Simulator sim(args);
    Tool tool(verify);
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        const double c0 = cpuSeconds();
        const auto w0 = std::chrono::steady_clock::now();
        const bool ok = tool.upload();
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count();
        cpu += cpuSeconds() - c0;
        if (!ok) {
            state.SkipWithError(qPrintable(QStringLiteral("upload failed: ") + tool.messages.last));
            return;
        }
    }
    const double n = double(state.iterations());
    state.counters["wall_s"] = wall / n;
    state.counters["tool_cpu_ms_per_field"] = cpu / n / (kUploadFields + (verify ? kDownloadFields : 0)) * 1e3;
    if (!paced)
        return;
    const auto [bytes, span] = traced(trace);
    // One byte is ten bit times at 9600 baud; lock-step, so the bytes of both directions add up.
    const double wire = double(bytes) / n * 10.0 / 9600.0;
    state.counters["wire_s"] = wire;
    state.counters["over_wire_percent"] = 100.0 * (wall / n - wire) / wire;
    state.counters["traced_s"] = span / n;
}
BENCHMARK(WindowUpload)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->ArgNames({"paced", "verify"})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The tool's CPU use, windows included, while it waits for a panel that never answers.
void WindowSilentPanelWait(benchmark::State &state)
{
    Simulator sim({"--silent-after", "0"});
    Tool tool;
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        const double c0 = cpuSeconds();
        const auto w0 = std::chrono::steady_clock::now();
        tool.upload();
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count();
        cpu += cpuSeconds() - c0;
        if (!waitedForPanel(tool.messages))
            return state.SkipWithError(qPrintable(QStringLiteral("no wait for the panel: ") + tool.messages.last));
    }
    state.counters["wall_s"] = wall / double(state.iterations());
    state.counters["cpu_percent_of_core"] = 100 * cpu / wall;
}
BENCHMARK(WindowSilentPanelWait)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

#include "WindowBenchMain.h"
