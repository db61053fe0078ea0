// The rule editor's lists, the rule viewer and the matrix on the largest
// configurations: every address of four loops in use.
#include "FullConfig.h"
#include "ui/causeeffect/CauseEffectMatrix.h"
#include "ui/causeeffect/RulesByZone.h"
#include "ui/causeeffect/SSicerik.h"
#include "ui/causeeffect/SebepSonuc.h"
#include "ui/devices/Fcihazverileri.h"
#include "ui/shell/App.h"

#include <QApplication>
#include <QAbstractItemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <memory>

using namespace vaz;

namespace {

// The limit message would otherwise wait for a click.
class Silent : public Messages {
public:
    void message(const QString &) override {}
    Answer question(const QString &, const QString &) override { return Answer::Cancel; }
};

// inputLoops loops of multisensors, the rest sounder controllers.
std::unique_ptr<App> fullApp(int inputLoops, Silent &silent)
{
    auto app = std::make_unique<App>();
    app->setMessages(&silent);
    Config &c = app->config();
    c.McuVersiyon = 20;
    c.CevrimSayisi = 4;
    for (int L = 1; L <= kLoops; ++L)
        for (int A = 1; A <= kAddresses; ++A) {
            c.CihazTipi(L, A) = L <= inputLoops ? 9 : 8;
            c.BolgeNo(L, A) = A % 48 + 1;
        }
    return app;
}

SebepSonuc *namedEditor(App &app)
{
    SebepSonuc *e = app.causeEffectEditor();
    e->openWindow();
    e->findChild<QLineEdit *>(QStringLiteral("SSismiText"))->setText(QStringLiteral("Bench"));
    e->SSonay_Click();
    return e;
}

void BM_FillInputList508(benchmark::State &state)
{
    Silent silent;
    auto app = fullApp(4, silent);
    SebepSonuc *e = app->causeEffectEditor();
    e->openWindow();
    for (auto _ : state) {
        e->Form_Load();
        QApplication::processEvents();  // until drawn
    }
}
BENCHMARK(BM_FillInputList508)->Unit(benchmark::kMillisecond);

// A keystroke in the editor's filter over a list of 508 input devices, until drawn:
// a location word that half the devices hold, then a zone.
void BM_EditorFilterKeystroke(benchmark::State &state)
{
    Silent silent;
    auto app = fullApp(4, silent);
    for (int L = 1; L <= kLoops; ++L)
        for (int A = 1; A <= kAddresses; ++A)
            app->config().MahalText(L, A) = QStringLiteral("Kat %1 Oda %2 Koridor Güney").arg(A % 2).arg(A);
    SebepSonuc *e = app->causeEffectEditor();
    e->openWindow();
    auto *filter = e->findChild<QLineEdit *>(QStringLiteral("ListFilter"));
    const QStringList typed{QStringLiteral("Kat 1"), QStringLiteral("Z7")};
    int i = 0;
    for (auto _ : state) {
        filter->setText(typed[i++ % 2]);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_EditorFilterKeystroke)->Unit(benchmark::kMillisecond);

// Select all over inputLoops * 127 entries, until the record and the labels follow
// and the window is drawn again.
void BM_SelectAll(benchmark::State &state)
{
    Silent silent;
    auto app = fullApp(int(state.range(0)), silent);
    SebepSonuc *e = namedEditor(*app);
    for (auto _ : state) {
        state.PauseTiming();
        e->ClearAll_Click();
        state.ResumeTiming();
        e->CheckAll_Click();
        QApplication::processEvents();
    }
    state.counters["recorded"] = double(e->draft().GirisSecimSayisi.value());
}
BENCHMARK(BM_SelectAll)->Arg(4)->Arg(2)->Unit(benchmark::kMillisecond);

// A rule naming 254 input devices and 247 output devices with the 7 panel outputs.
void BM_ViewerOn254(benchmark::State &state)
{
    Silent silent;
    auto app = fullApp(2, silent);
    Config &c = app->config();
    QString inputs, outputs;
    for (int L = 1; L <= kLoops; ++L)
        for (int A = 1; A <= kAddresses; ++A)
            (L <= 2 ? inputs : outputs) += QStringLiteral("%1,%2.").arg(L).arg(A);
    c.SSsayisi = 1;
    c.SSismi(1) = QStringLiteral("Bench");
    c.SSgirisler(1) = inputs + u':';
    c.SScikislar(1) = outputs.section(u'.', 0, 246) + QStringLiteral(".5,1.5,2.5,3.5,4.5,5.5,6.5,7.:");
    c.SSkosul(1) = 3;
    SSicerik *v = app->ruleViewer();
    for (auto _ : state) {
        v->openForRule(1);
        QApplication::processEvents();
        state.PauseTiming();
        v->close();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ViewerOn254)->Unit(benchmark::kMillisecond);

// 200 rules over 508 devices, each rule with inputs on loops 1-2 and outputs on 3-4.
void BM_MatrixShown(benchmark::State &state)
{
    Silent silent;
    auto app = fullApp(2, silent);
    Config &c = app->config();
    c.SSsayisi = kMaxRules;
    for (int r = 1; r <= kMaxRules; ++r) {
        c.SSismi(r) = QStringLiteral("R%1").arg(r);
        c.SSkosul(r) = 1;
        QString in, out;
        for (int k = 0; k < 6; ++k) {
            in += QStringLiteral("%1,%2.").arg(1 + k % 2).arg((r + 21 * k) % kAddresses + 1);
            out += QStringLiteral("%1,%2.").arg(3 + k % 2).arg((r + 17 * k) % kAddresses + 1);
        }
        c.SSgirisler(r) = in + u':';
        c.SScikislar(r) = out + QStringLiteral("5,1.:");
    }
    CauseEffectMatrix *m = app->causeEffectMatrix();
    for (auto _ : state) {
        m->openWindow();
        QApplication::processEvents();  // until drawn
        state.PauseTiming();
        m->hide();
        state.ResumeTiming();
    }
    state.counters["rows"] = m->table()->model()->rowCount();
}
BENCHMARK(BM_MatrixShown)->Unit(benchmark::kMillisecond);

// One cell of the full matrix (515 rows by 200 rules) clicked, in and out in
// turn, until the undo step is recorded and the window drawn again; with the
// device window loaded (1), its tree follows too.
void BM_MatrixToggle(benchmark::State &state)
{
    Silent silent;
    auto app = std::make_unique<App>();
    app->setMessages(&silent);
    app->config() = bench::fullConfig();
    if (state.range(0))
        app->deviceWindow()->openWindow(), app->deviceWindow()->hide();
    CauseEffectMatrix *m = app->causeEffectMatrix();
    m->openWindow();
    QApplication::processEvents();
    // Loop 1 address 1, an input device, in rule 1 (which names loop 2).
    const QModelIndex cell = m->table()->model()->index(0, 5);
    const QString before = app->config().SSgirisler(1);
    for (auto _ : state) {
        m->toggleCell(cell);
        QApplication::processEvents();
    }
    if (app->config().SSgirisler(1) == before && state.iterations() % 2 == 1)
        state.SkipWithError("the cell did not toggle");
    state.counters["rows"] = m->table()->model()->rowCount();
    state.counters["columns"] = m->table()->model()->columnCount();
}
BENCHMARK(BM_MatrixToggle)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Rules by zone on every zone, each with five multisensors and five sounder
// controllers: the window opened, Tick all, OK, until the device tree and the
// undo step hold the 48 rules.
void BM_RulesByZone48(benchmark::State &state)
{
    Silent silent;
    auto app = fullApp(2, silent);
    app->startHistory();
    app->deviceWindow()->openWindow();
    app->deviceWindow()->hide();
    RulesByZone *w = app->rulesByZone();
    auto *tickAll = w->findChild<QPushButton *>(QStringLiteral("ZonesTickAll"));
    auto *ok = w->findChild<QPushButton *>(QStringLiteral("ZoneOK"));
    for (auto _ : state) {
        w->openWindow();
        tickAll->click();
        ok->click();
        QApplication::processEvents();
        state.PauseTiming();
        if (app->config().SSsayisi != kZones)
            state.SkipWithError("not one rule a zone");
        app->undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RulesByZone48)->Unit(benchmark::kMillisecond);

}  // namespace

#include "WindowBenchMain.h"
