#include "ui/shell/ShellFixture.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTextEdit>

namespace vaz::test {
namespace {

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
    const qsizetype commands = openEveryWindow([this](const QString &after) { checkShownWindows(after); });
    for (auto p = problems.cbegin(); p != problems.cend(); ++p)
        ADD_FAILURE() << p.key().toStdString() << " after " << p.value().toStdString();
    EXPECT_GT(commands, 30);
}

}  // namespace
}  // namespace vaz::test
