// The walk-test window on 508 input devices: opening it until drawn, and a
// result key until the row and the summary are drawn again. Prints the median
// and the worst of several runs in milliseconds; --runs=N sets how many.

#include "FullConfig.h"
#include "TimedRuns.h"
#include "core/devices/DeviceCatalog.h"
#include "core/model/Prompts.h"
#include "ui/shell/App.h"
#include "ui/site/WalkTestWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>
#include <QKeyEvent>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace vaz;

class SilentMessages : public Messages {
public:
    void message(const QString &) override {}
    Answer question(const QString &, const QString &) override { return Answer::Cancel; }
};

}  // namespace

int main(int argc, char **argv)
{
    bench::useOffscreenUnlessTold();
    QApplication qapp(argc, argv);
    const int runs = bench::runsFrom(argc, argv, "walk_bench");
    if (runs == 0)
        return 1;
    SilentMessages messages;
    std::vector<double> open, key;
    for (int run = 0; run < runs; ++run) {
        App app;
        app.setMessages(&messages);
        app.config() = bench::fullConfig();
        // Every address an input: the longest walk there can be.
        for (int L = 1; L <= kLoops; ++L)
            for (int A = 1; A <= kAddresses; ++A)
                if (!devices::isRuleInput(app.config().CihazTipi(L, A)))
                    app.config().CihazTipi(L, A) = int(devices::kHeatDetector);
        app.startHistory();
        app.mainWindow();
        QApplication::processEvents();

        QElapsedTimer t;
        t.start();
        WalkTestWindow *w = app.walkTest();
        w->openWindow();
        QApplication::processEvents();
        open.push_back(t.nsecsElapsed() / 1e6);

        auto *table = w->findChild<QTableView *>(QStringLiteral("WalkTestTable"));
        if (table->model()->rowCount() != kLoops * kAddresses) {
            std::fprintf(stderr, "the window lists %d devices\n", table->model()->rowCount());
            return 1;
        }
        for (int i = 0; i < 40; ++i) {
            t.restart();
            QKeyEvent press(QEvent::KeyPress, i % 2 ? Qt::Key_F : Qt::Key_P, Qt::NoModifier);
            QApplication::sendEvent(table, &press);
            QApplication::processEvents();
            key.push_back(t.nsecsElapsed() / 1e6);
        }
    }
    bench::report("open the walk-test window", open, 100);
    bench::report("a result key", key, 16);
    return 0;
}
