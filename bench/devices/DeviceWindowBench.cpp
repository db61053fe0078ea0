// Opening the device window on the largest configuration, a node click until
// the property panel shows the device, and a range of 127 devices added to an
// empty loop until the tree shows them, undone and redone. Prints the median
// and the worst of several runs in milliseconds; --runs=N sets how many.

#include "FullConfig.h"
#include "TimedRuns.h"
#include "ui/devices/AddRangeDialog.h"
#include "ui/devices/Fcihazverileri.h"
#include "core/model/Prompts.h"
#include "ui/shell/App.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace vaz;

class SilentMessages : public Messages {
public:
    void message(const QString &text) override { last = text; }
    Answer question(const QString &, const QString &) override { return Answer::Cancel; }
    QString last;
};

int fail(const QString &why)
{
    std::fprintf(stderr, "%s\n", qPrintable(why));
    return 1;
}

}  // namespace

int main(int argc, char **argv)
{
    bench::useOffscreenUnlessTold();
    QApplication qapp(argc, argv);
    const int runs = bench::runsFrom(argc, argv, "devices_bench");
    if (runs == 0)
        return 1;
    SilentMessages messages;
    std::vector<double> open, click, filter, range, undo, redo, shared, multi;

    for (int run = 0; run < runs; ++run) {
        App app;
        app.setMessages(&messages);
        app.config() = bench::fullConfig();
        app.mainWindow();
        QApplication::processEvents();

        QElapsedTimer t;
        t.start();
        Fcihazverileri *w = app.deviceWindow();
        w->openWindow();
        QApplication::processEvents();  // laid out and painted
        open.push_back(t.nsecsElapsed() / 1e6);

        // Filter keystrokes: a zone, a word of the type, then nothing, each until drawn.
        auto *filterBox = w->findChild<QLineEdit *>(QStringLiteral("TreeFilter"));
        for (const char *text : {"z", "z1", "z12", "", "s", "sm", "smo", ""}) {
            t.restart();
            filterBox->setText(QString::fromLatin1(text));
            QApplication::processEvents();
            filter.push_back(t.nsecsElapsed() / 1e6);
        }

        // Alternate between a relay controller and a switch monitor, so every click
        // changes what the panel shows.
        QTreeView *tree = w->tree();
        const QAbstractItemModel *m = tree->model();
        auto branch = [m](int row) { return m->index(row, 0, m->index(0, 0)); };
        for (int i = 0; i < 40; ++i) {
            const QModelIndex device = m->index(i % 2 ? 3 : 4, 0, branch(2));
            t.restart();
            tree->setCurrentIndex(device);
            QApplication::processEvents();
            click.push_back(t.nsecsElapsed() / 1e6);
        }

        // Loop 4 emptied, the rest as full as it gets.
        for (int A = 1; A <= kAddresses; ++A)
            app.config().removeDevice(4, A);
        app.startHistory();
        app.devicesReplaced();
        tree->setCurrentIndex(branch(3));
        w->findChild<QAction *>(QStringLiteral("BtAddRange"))->trigger();
        AddRangeDialog *d = w->rangeDialog();
        d->findChild<QSpinBox *>(QStringLiteral("RangeTo"))->setValue(kAddresses);
        d->findChild<QLineEdit *>(QStringLiteral("RangePattern"))->setText(QStringLiteral("Blok 4 Kat 2 Oda {i}"));
        QApplication::processEvents();
        t.restart();
        d->findChild<QPushButton *>(QStringLiteral("RangeOK"))->click();
        QApplication::processEvents();
        range.push_back(t.nsecsElapsed() / 1e6);
        if (m->rowCount(branch(3)) != kAddresses)
            return fail(QStringLiteral("the range added %1 devices").arg(m->rowCount(branch(3))));
        t.restart();
        app.undo();
        QApplication::processEvents();
        undo.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        app.redo();
        QApplication::processEvents();
        redo.push_back(t.nsecsElapsed() / 1e6);

        // Every device of the four loops selected (Ctrl+A), then a zone chosen for all at once.
        tree->expandAll();
        tree->setCurrentIndex(m->index(0, 0, branch(0)));
        QApplication::processEvents();
        t.restart();
        tree->selectAll();
        QApplication::processEvents();
        shared.push_back(t.nsecsElapsed() / 1e6);
        w->findChild<QAction *>(QStringLiteral("BtEditCihaz"))->trigger();
        auto *zone = w->findChild<QComboBox *>(QStringLiteral("ComboBolgeNo"));
        QApplication::processEvents();
        t.restart();
        zone->setCurrentIndex(7);
        QApplication::processEvents();
        multi.push_back(t.nsecsElapsed() / 1e6);
        for (int L = 1; L <= 4; ++L)
            if (app.config().BolgeNo(L, kAddresses) != 8)
                return fail(QStringLiteral("loop %1 did not take the zone chosen for all").arg(L));
        w->findChild<QAction *>(QStringLiteral("BtCihazOnay"))->trigger();
    }
    bench::report("open device window", open, 300);
    bench::report("node click to panel shown", click, 16);
    bench::report("filter keystroke to tree drawn", filter, 30);
    bench::report("add range of 127 devices", range, 50);
    bench::report("undo of the range", undo, 50);
    bench::report("redo of the range", redo, 50);
    bench::report("show 508 selected devices", shared, 100);
    bench::report("zone of 508 selected devices", multi, 100);
    return messages.last.isEmpty() ? 0 : fail(QStringLiteral("a message was shown: ") + messages.last);
}
