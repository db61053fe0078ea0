#include "ui/widgets/HelpWindow.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace vaz {

QWidget *showHelp(const QString &section)
{
    static QPointer<QWidget> window;
    if (!window) {
        window = new QWidget(nullptr, Qt::Window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setAttribute(Qt::WA_QuitOnClose, false);
        window->setObjectName(QStringLiteral("HelpWindow"));
        window->setWindowTitle(QCoreApplication::translate("vaz::HelpWindow", "VAZ Configuration Help"));
        auto *text = new QTextBrowser(window);
        text->setObjectName(QStringLiteral("HelpText"));
        text->setAccessibleName(QCoreApplication::translate("vaz::HelpWindow", "User guide"));
        text->setOpenExternalLinks(false);
        (new QVBoxLayout(window))->addWidget(text);
        window->resize(640, 560);
    }
    auto *text = window->findChild<QTextBrowser *>(QStringLiteral("HelpText"));
    QUrl page(QStringLiteral("qrc:/help/guide.html"));
    if (!section.isEmpty())
        page.setFragment(section);
    text->setSource(page);
    if (!section.isEmpty())
        text->scrollToAnchor(section);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace vaz
