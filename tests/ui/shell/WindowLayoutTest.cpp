#include "ui/comm/KarsilastirmaSonucu.h"
#include "core/comm/FakePort.h"
#include "core/storage/ConfigFile.h"
#include "ui/shell/ShellFixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStackedWidget>
#include <QTextEdit>

namespace vaz::test {
namespace {

// Commands that open no window: they end the run or change the language of every window.
bool opensNoWindow(const QAction *a)
{
    return a->objectName() == u"MnÇikis" || a->objectName().startsWith(u"MnLanguage") || a->menu() || a->isSeparator();
}

QList<QPointer<QAction>> commandsOf(QWidget *window)
{
    QList<QPointer<QAction>> all;
    for (QAction *a : window->findChildren<QAction *>())
        if (!opensNoWindow(a) && !all.contains(a))
            all << a;
    return all;
}

class WindowLayoutTest : public ShellTest {
protected:
    // Every list, table, tree and text box a shown window shows: visible, inside the
    // window at the size it opened with, and large enough to read a few rows of.
    void checkShownWindows(const QString &after)
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->isVisible() || qobject_cast<QMenu *>(window))
                continue;
            QList<QWidget *> views;
            for (QAbstractItemView *v : window->findChildren<QAbstractItemView *>())
                views << v;
            for (QTextEdit *v : window->findChildren<QTextEdit *>())
                views << v;
            for (QPlainTextEdit *v : window->findChildren<QPlainTextEdit *>())
                views << v;
            for (QWidget *v : views) {
                if (v->window() != window || qobject_cast<QHeaderView *>(v))
                    continue;
                // Hidden with its pane, as a page not chosen, or by a window that says when it shows it.
                const bool page = qobject_cast<QStackedWidget *>(v->parentWidget());
                if (v->isHidden() ? page || v->property("shownWhen").isValid() : !v->isVisibleTo(window))
                    continue;
                const QRect at(v->mapTo(window, QPoint(0, 0)), v->size());
                const QString problem = QStringLiteral("%1/%2%3 at %4,%5 %6x%7 in %8x%9")
                                            .arg(window->objectName(), v->objectName(),
                                                 v->isVisible() ? QString() : QStringLiteral(" (hidden)"))
                                            .arg(at.x())
                                            .arg(at.y())
                                            .arg(at.width())
                                            .arg(at.height())
                                            .arg(window->width())
                                            .arg(window->height());
                if ((!v->isVisible() || !window->rect().contains(at) || at.width() < 200 || at.height() < 80) &&
                    !problems.contains(problem))
                    problems.insert(problem, after);
            }
        }
    }
    // Each problem found, with the command after which it was first seen.
    QMap<QString, QString> problems;
};

TEST_F(WindowLayoutTest, EveryWindowShowsItsListsWhole)
{
    app->setPortFactory([] {
        auto port = std::make_unique<FakePort>();
        port->failure = comm::BytePort::OpenError::NotFound;
        return port;
    });
    confirmVersion("v2"), newConfiguration(4), cfg() = exampleConfig(cfg().McuVersiyon, 3);
    // A file that differs from the configuration at whatever version earlier commands left.
    QTemporaryDir dir;
    auto otherFile = [&] {
        Config other = exampleConfig(cfg().McuVersiyon, 1);
        other.MahalText(1, 1) = "Lobby";
        writeBytes(dir.filePath("other.dvk"), storage::configFileBytes(other));
        return dir.filePath("other.dvk");
    };

    // Each command of each window, and of the windows those open, until no new one appears.
    QList<QAction *> done;
    for (bool more = true; more;) {
        more = false;
        QList<QPointer<QWidget>> windows;
        for (QWidget *w : QApplication::topLevelWidgets())
            windows << w;
        for (const QPointer<QWidget> &window : windows) {
            if (!window || !window->isVisible())
                continue;
            for (const QPointer<QAction> &a : commandsOf(window)) {
                if (!a || done.contains(a) || !a->isEnabled())
                    continue;
                done << a, more = true;
                dialogs.paths = {};
                if (a->objectName() == u"MnCompareWithFile")
                    dialogs.paths = {otherFile()};
                a->trigger();
                checkShownWindows(a->objectName());
            }
        }
    }
    // What only a panel opens.
    app->comparisonWindow()->showDifferences({{"Loop 1 address 1", "Location", "Lobby", ""}});
    checkShownWindows("compared");
    for (auto p = problems.cbegin(); p != problems.cend(); ++p)
        ADD_FAILURE() << p.key().toStdString() << " after " << p.value().toStdString();
    EXPECT_GT(done.size(), 30);
}

}  // namespace
}  // namespace vaz::test
