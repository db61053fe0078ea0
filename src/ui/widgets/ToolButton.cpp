#include "ui/widgets/ToolButton.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QToolBar>
#include <QWidget>

namespace vaz {

QAction *addToolButton(QToolBar *bar, const char *key, const char *tip, const char *icon, const char *description)
{
    // Callers mark their tips with QT_TRANSLATE_NOOP("vaz::ToolButton", ...).
    const QString text = QCoreApplication::translate("vaz::ToolButton", tip);
    auto *a = bar->addAction(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))), text);
    a->setObjectName(QString::fromUtf8(key));
    a->setToolTip(text);
    if (description)
        a->setProperty("description", QString::fromUtf8(description));
    // Toolbars keep their buttons out of the Tab order; the keyboard must reach them.
    if (QWidget *button = bar->widgetForAction(a))
        button->setFocusPolicy(Qt::TabFocus);
    return a;
}

void setDialogKeys(QAction *ok, QAction *cancel)
{
    ok->setShortcuts({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    cancel->setShortcut(QKeySequence(Qt::Key_Escape));
}

}  // namespace vaz
