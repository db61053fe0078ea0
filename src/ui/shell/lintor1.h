#pragma once

#include "core/comm/Transfer.h"
#include "core/model/Int16.h"
#include "ui/widgets/UndoActions.h"

#include <QMainWindow>

#include <functional>

class QActionGroup;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;

namespace vaz {

namespace storage {
struct ReportResult;
struct Document;
struct Sheet;
}  // namespace storage

class App;

// The main window: menus, toolbar, the panel-like display lines and the lamp.
// It owns no data; every command changes the configuration or opens a window.
class lintor1 : public QMainWindow {
    Q_OBJECT

public:
    explicit lintor1(App &app);

    // The loading step: lamp off, the commands that need a configuration off.
    void load();
    // What is open changed (a command, a save): the summary and the
    // fingerprint follow once edits pause.
    void stateChanged();

    // Windows that come later plug in here. While one is not set, its command
    // says so and changes nothing.
    std::function<void()> openDeviceWindow;   // not modal; the main window is hidden first
    std::function<void()> closeDeviceWindow;  // so that it rebuilds its tree next time
    std::function<void()> openCauseEffect;    // the main window is hidden first
    // The main window hidden; GonderimModu is 1 while an upload is under way.
    std::function<void(comm::Transfer)> startTransfer;
    int GonderimModu = 0;
    std::function<void()> openPortSettings;

    // Commands
    void newConfiguration();
    void openFile();
    // Open with the file known (File ▸ Recent files): no file dialog.
    void openFileAt(const QString &path);
    // Open's reading of a chosen file; clear: the devices go once it is read.
    void openPath(const QString &path, bool clear = false);
    // To the current file, or to one the user names (askName, or none known
    // yet); true once the file is written.
    bool saveFile(bool askName = false);
    // The configuration on screen; with none yet, a file as Print file does.
    void printConfiguration();
    void printFile();
    // Configure ▸ Cause-effect matrix.
    void showMatrix();
    // Configure ▸ Rules by zone..., where the rule editor is available.
    void rulesByZone();
    void siteData();
    // Site ▸ Walk test.
    void walkTest();
    void loopCalc();
    // Through the printer (or a PDF, proposed as pdfName); says why when it failed.
    void printDocument(const storage::Document &doc, const QString &pdfName = QString());
    void PanelKonfigKontrol();
    void CihazKonfigKontrol();
    void chooseMcuVersion();
    void about();
    void help();
    // Named apart from the engine's PaneleGonder/PaneldenAl and the editor class.
    void upload();
    void download();
    void compare();
    void causeEffect();
    void options();
    // File ▸ Export device schedule..., Export empty schedule...,
    // Import device schedule... and Export cause-effect matrix...
    void exportSchedule();
    void exportEmptySchedule();
    void importSchedule();
    void exportCauseEffectMatrix();
    // File ▸ Commissioning report... and Compare with file...
    void commissioningReport();
    void compareWithFile();
    // File ▸ Transfer history: the log of every transfer, not modal.
    void transferHistory();

    // What each moment makes available.
    void afterNewConfiguration();
    void afterFileRead(bool read);  // false: a file that was not a configuration
    void afterDownload();
    void setCauseEffectButton(bool enabled);
    // What Edit ▸ Undo and Redo would take back or bring again; empty: nothing.
    void setUndoState(const QString &undo, const QString &redo, bool dropped);
    // Upload and download while the port settings hold the port: off, then
    // back to what they were.
    void setTransfersAvailable(bool available);

    void setDisplayLine1(const QString &text);
    void setDisplayLine2(const QString &text);
    void showLamp();
    // The configuration was replaced: forgets the selected device and closes
    // the device window through its seam when there is one.
    void closeDevices();
    // Says how many devices the type list and the loop count do not account for.
    void reportUnusualDevices();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildDisplay();
    void resizeEvent(QResizeEvent *event) override;
    QAction *action(const char *name) const;
    void notAvailable();
    // Hides this window while the one opened in its place is in use.
    void handOver(const std::function<void()> &openWindow);
    // Sets the transfer's mode flag and hands over; the flag drops again if the window fails to open.
    void transfer(comm::Transfer transfer);
    void enableButtons(std::initializer_list<const char *> names);
    void showRecentFiles();
    // pdfName: where a PDF of it is proposed.
    void printReport(const storage::ReportResult &report, const QString &pdfName);
    // Asks where (CSV with either separator, or Excel) and writes the sheet.
    void exportSheet(const QString &title, const storage::Sheet &sheet);
    // The summary beside the picture and the status line's fingerprint.
    void showState();
    void showSummary();
    // The pre-upload check's findings, as the summary's link shows them.
    void showFindings();

    App &app_;
    QLabel *line1_ = nullptr;
    QLabel *line2_ = nullptr;
    QLabel *lamp_ = nullptr;
    QLabel *fingerprint_ = nullptr;
    QLabel *summary_ = nullptr;
    QLabel *picture_ = nullptr;
    int widthWithPicture_ = 0;
    QTimer *fingerprintDue_ = nullptr;
    QActionGroup *transfers_ = nullptr;
    QMenu *recent_ = nullptr;
    UndoActions undo_;
};

}  // namespace vaz
