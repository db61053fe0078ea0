#pragma once

#include "ui/shell/App.h"
#include "ui/shell/Fyeni.h"
#include "ui/shell/lintor1.h"
#include "ui/shell/mcuV.h"
#include "adapters/printer/ReportPrinter.h"
#include "support/ExampleConfig.h"
#include "support/FakePrompts.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

    FakeMessages messages;
    FakeFileDialogs dialogs;
    RecordingOutput output;
    std::unique_ptr<App> app;
};

}  // namespace vaz::test
