#include "ui/widgets/HelpWindow.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QUrl>
#include <QVBoxLayout>

namespace vaz {

namespace {

// docs/user-guide.md, built in.
QUrl guideUrl() { return QUrl(QStringLiteral("qrc:/help/user-guide.md")); }

// The anchor GitHub gives a heading ("Cause-effect rules (V2/+)": "cause-effect-rules-v2"),
// so that the guide's links and the Help buttons' sections work alike here and on the web.
QString headingAnchor(const QString &heading)
{
    QString anchor;
    for (const QChar c : heading.toLower())
        if (c.isLetterOrNumber() || c == u'-' || c == u'_')
            anchor += c;
        else if (c == u' ')
            anchor += u'-';
    return anchor;
}

// Qt's Markdown gives headings no anchors. They are named after every setSource,
// a link within the guide included: QTextBrowser loads the document again each time.
class GuideBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    void doSetSource(const QUrl &url, QTextDocument::ResourceType type) override
    {
        QTextBrowser::doSetSource(url, type);
        nameHeadings();
        if (!url.fragment().isEmpty())
            scrollToAnchor(url.fragment());
    }

private:
    void nameHeadings()
    {
        QHash<QString, int> taken;
        for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
            if (b.blockFormat().headingLevel() == 0 || b.text().isEmpty())
                continue;
            QString anchor = headingAnchor(b.text());
            if (const int seen = taken[anchor]++)
                anchor += QStringLiteral("-%1").arg(seen);
            QTextCharFormat named;
            named.setAnchor(true);
            named.setAnchorNames({anchor});
            QTextCursor heading(b);
            heading.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            heading.mergeCharFormat(named);
        }
    }
};

}  // namespace

QWidget *showHelp(const QString &section)
{
    static QPointer<QWidget> window;
    if (!window) {
        window = new QWidget(nullptr, Qt::Window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setAttribute(Qt::WA_QuitOnClose, false);
        window->setObjectName(QStringLiteral("HelpWindow"));
        window->setWindowTitle(QCoreApplication::translate("vaz::HelpWindow", "VAZ Configuration Help"));
        auto *text = new GuideBrowser(window);
        text->setObjectName(QStringLiteral("HelpText"));
        text->setAccessibleName(QCoreApplication::translate("vaz::HelpWindow", "User guide"));
        text->setOpenExternalLinks(false);
        (new QVBoxLayout(window))->addWidget(text);
        window->resize(640, 560);
    }
    auto *text = window->findChild<QTextBrowser *>(QStringLiteral("HelpText"));
    QUrl page = guideUrl();
    if (!section.isEmpty())
        page.setFragment(section);
    text->setSource(page);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void helpOnF1(QWidget *window, const QString &section)
{
    auto *f1 = new QShortcut(QKeySequence::HelpContents, window);
    QObject::connect(f1, &QShortcut::activated, window, [section] { showHelp(section); });
}

}  // namespace vaz
