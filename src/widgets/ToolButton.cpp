#include "ToolButton.h"

#include <QAction>
#include <QIcon>
#include <QToolBar>

namespace vaz {

QAction *addToolButton(QToolBar *bar, const char *key, const char *tip, const char *icon, const char *description)
{
    auto *a = bar->addAction(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))), QString::fromUtf8(tip));
    a->setObjectName(QString::fromUtf8(key));
    a->setToolTip(QString::fromUtf8(tip));
    if (description)
        a->setProperty("description", QString::fromUtf8(description));
    return a;
}

}  // namespace vaz
