#pragma once

#include "ui/comm/KarsilastirmaSonucu.h"
#include "ui/shell/App.h"
#include "ui/shell/Fyeni.h"
#include "ui/shell/lintor1.h"
#include "ui/shell/mcuV.h"
#include "adapters/printer/ReportPrinter.h"
#include "core/comm/FakePort.h"
#include "core/storage/ConfigFile.h"
#include "support/ExampleConfig.h"
#include "support/FakePrompts.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace vaz::test {

// Keeps what would have been printed.
class RecordingOutput : public storage::ReportOutput {
public:
    bool print(const storage::Document &doc, QString *) override
    {
        printed << doc.lines(), documents << doc;
        return true;
    }
    void setPdfName(const QString &path) override { pdfName = path; }
    QList<QStringList> printed;
    QList<storage::Document> documents;
    QString pdfName;
};

// A fresh run of the tool with recorders for every prompt.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app = std::make_unique<App>(), app->setMessages(&messages);
        app->setFileDialogs(&dialogs), app->setReportOutput(&output), app->start();
    }

    Config &cfg() { return app->config(); }

    template <typename T = QWidget>
    static T *child(QObject *parent, const char *name)
    {
        T *found = parent->findChild<T *>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    lintor1 *confirmVersion(const char *option = "v15")
    {
        child<QAbstractButton>(app->versionWindow(), option)->click();
        child<QAbstractButton>(app->versionWindow(), "V_ok")->click();
        return app->loadedMainWindow();
    }

    QAction *act(const char *name) { return child<QAction>(app->mainWindow(), name); }
    QString line(const char *name) { return child<QLabel>(app->mainWindow(), name)->text(); }

    // New, a loop count (0: none chosen), then Save in the new-configuration window.
    void newConfiguration(int loops)
    {
        act("BtYeni")->trigger();
        Fyeni *w = app->newConfigWindow();
        ASSERT_NE(w, nullptr);
        if (loops)
            child<QAbstractButton>(w, loops == 2 ? "CevSec2" : "CevSec4")->click();
        child<QAction>(w, "BtCevSayOnay")->trigger();
    }

    // The file a save command writes through the file dialog.
    QByteArray savedFile(const char *command)
    {
        QTemporaryDir dir;
        dialogs.paths = {dir.filePath("saved.dvk")}, act(command)->trigger();
        return fileBytes(dir.filePath("saved.dvk"));
    }

    // Each command of each shown window, and of the windows those open, until
    // no new one appears, then what only a panel opens; after(command) follows
    // each. The number of commands triggered.
    qsizetype openEveryWindow(const std::function<void(const QString &)> &after)
    {
        app->setPortFactory([] {
            auto port = std::make_unique<FakePort>();
            port->failure = comm::BytePort::OpenError::NotFound;
            return port;
        });
        confirmVersion("v2"), newConfiguration(4), cfg() = exampleConfig(cfg().McuVersiyon, 3);
        // A file that differs from the configuration at whatever version earlier commands left.
        QTemporaryDir dir;
        auto other = [&] {
            Config c = exampleConfig(cfg().McuVersiyon, 1);
            c.MahalText(1, 1) = "Lobby";
            return c;
        };
        // They end the run or change the language of every window.
        auto opensNoWindow = [](const QAction *a) {
            return a->objectName() == u"MnÇikis" || a->objectName().startsWith(u"MnLanguage") || a->menu() ||
                   a->isSeparator();
        };
        QList<QAction *> done;
        for (bool more = true; more;) {
            more = false;
            QList<QPointer<QWidget>> windows;
            for (QWidget *w : QApplication::topLevelWidgets())
                windows << w;
            for (const QPointer<QWidget> &window : windows) {
                if (!window || !window->isVisible())
                    continue;
                QList<QPointer<QAction>> commands;
                for (QAction *a : window->findChildren<QAction *>())
                    if (!opensNoWindow(a) && !commands.contains(a))
                        commands << a;
                for (const QPointer<QAction> &a : commands) {
                    if (!a || done.contains(a) || !a->isEnabled())
                        continue;
                    done << a, more = true;
                    dialogs.paths = {};
                    if (a->objectName() == u"MnCompareWithFile")
                        writeBytes(dir.filePath("other.dvk"), storage::configFileBytes(other())),
                            dialogs.paths = {dir.filePath("other.dvk")};
                    a->trigger();
                    after(a->objectName());
                }
            }
        }
        app->comparisonWindow()->showDifferences(comm::compareConfigurations(cfg(), other()));
        after(QStringLiteral("compared"));
        return done.size();
    }

    FakeMessages messages;
    FakeFileDialogs dialogs;
    RecordingOutput output;
    std::unique_ptr<App> app;
};

}  // namespace vaz::test
