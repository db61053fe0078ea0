#include "ui/widgets/UndoActions.h"

#include "core/model/History.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace vaz {

UndoActions addUndoActions(QMenu *menu, const char *prefix, std::function<void()> undo, std::function<void()> redo)
{
    QAction *u = menu->addAction(QCoreApplication::translate("vaz::UndoActions", "&Undo"));
    u->setObjectName(QLatin1String(prefix) + QStringLiteral("Undo"));
    u->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
    QAction *r = menu->addAction(QCoreApplication::translate("vaz::UndoActions", "&Redo"));
    r->setObjectName(QLatin1String(prefix) + QStringLiteral("Redo"));
    r->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    for (QAction *a : {u, r}) {
        a->setShortcutContext(Qt::WindowShortcut);
        a->setEnabled(false);
    }
    QObject::connect(u, &QAction::triggered, menu, std::move(undo));
    QObject::connect(r, &QAction::triggered, menu, std::move(redo));
    QAction *limit =
        menu->addAction(QCoreApplication::translate("vaz::UndoActions", "Oldest steps dropped: undo goes back %1 steps")
                            .arg(History::kMaxSteps));
    limit->setObjectName(QLatin1String(prefix) + QStringLiteral("UndoLimit"));
    limit->setEnabled(false);
    limit->setVisible(false);
    return {u, r, limit};
}

void showUndoLabels(const UndoActions &actions, const QString &undo, const QString &redo, bool dropped, bool available)
{
    actions.limit->setVisible(dropped);
    const struct {
        QAction *action;
        QString caption;
        const QString &label;
    } shown[] = {{actions.undo, QCoreApplication::translate("vaz::UndoActions", "&Undo"), undo},
                 {actions.redo, QCoreApplication::translate("vaz::UndoActions", "&Redo"), redo}};
    for (const auto &a : shown) {
        a.action->setText(a.label.isEmpty() ? a.caption : a.caption + u' ' + a.label);
        a.action->setEnabled(available && !a.label.isEmpty());
    }
}

}  // namespace vaz
