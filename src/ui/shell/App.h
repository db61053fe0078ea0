#pragma once

#include "core/shell/ShellLogic.h"
#include "core/comm/Transfer.h"
#include "core/comm/TransferLog.h"
#include "core/model/Config.h"
#include "core/model/History.h"
#include "core/model/Prompts.h"
#include "core/model/Session.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

namespace vaz {

namespace storage {
class ReportOutput;
}

class mcuV;
class lintor1;
class Fyeni;
class Fpanelverileri;
class Fcihazverileri;
class SebepSonuc;
class SSicerik;
class CauseEffectMatrix;
class RulesByZone;
class SiteDataDialog;
class ProgBarIslem;
class KarsilastirmaSonucu;
class TransferHistory;
class WalkTestWindow;
class PortAyar;
class LoopCalcWindow;

namespace comm {
class BytePort;
class PortLister;
class PanelLink;
}  // namespace comm

// One per run: the configuration every window edits, the ways of talking to
// the user, and the windows, each created on first use and existing at most
// once.
class App : public QObject, public Session {
    Q_OBJECT

public:
    App();
    ~App() override;
    App(const App &) = delete;
    App &operator=(const App &) = delete;

    Config &config() override { return config_; }
    SaveBaseline &saveBaseline() { return baseline_; }
    History &history() { return history_; }
    // Edit ▸ Undo and Redo: the installation as it was, shown by every window.
    void undo();
    void redo();
    // New, Open: undoing stops at the configuration as it is now.
    void startHistory();
    // The file the configuration was opened from or last saved to; empty for
    // a new or downloaded one. Save writes there without asking.
    const QString &currentFile() const { return currentFile_; }
    // Also puts a known file first in File ▸ Recent files.
    void setCurrentFile(const QString &path);
    // What lies beside the current file: nothing, a site file read, or a damaged
    // one that Save asks about before writing over it.
    enum class SiteFile { None, Read, Damaged };
    SiteFile siteFile = SiteFile::None;
    // The main window's caption: protocol, version, file, and "*" while unsaved.
    void showCaption();

    Messages &messages() override { return *messages_; }
    FileDialogs &fileDialogs() override { return *dialogs_; }
    storage::ReportOutput &reportOutput() { return *report_; }
    // Tests put their recorders here; the App does not own them.
    void setMessages(Messages *m);
    void setFileDialogs(FileDialogs *d);
    void setReportOutput(storage::ReportOutput *r);

    // Resets the control values and asks for the MCU version.
    // With a file, the version its structure shows is offered and the file is
    // opened once a version is confirmed.
    void start(const QString &file = QString());

    mcuV *versionWindow();
    // Loaded (and shown, as loading does) on first use.
    lintor1 *mainWindow();
    lintor1 *loadedMainWindow() const { return main_; }
    Fpanelverileri *panelWindow();
    // Created on first use; it builds its tree when first shown.
    Fcihazverileri *deviceWindow();
    Fcihazverileri *loadedDeviceWindow() const;

    SebepSonuc *causeEffectEditor();
    SSicerik *ruleViewer();
    CauseEffectMatrix *causeEffectMatrix();
    // Configure ▸ Rules by zone; its OK adds the rules as one step.
    RulesByZone *rulesByZone();
    SiteDataDialog *siteDataWindow();
    // Site ▸ Loop and battery calculation; its OK and Apply store the site data as one step.
    LoopCalcWindow *loopCalcWindow();
    // The editor afresh, not modal, in place of the main and device windows.
    void openCauseEffect();
    // The editor on stored rule r, in the same place.
    void editRule(int rule);
    // Asks for a name and stores a copy of rule r under it, as one step.
    void duplicateRule(int rule);
    // The new-configuration window while it is open.
    Fyeni *newConfigWindow() const;

    // Opens the new-configuration window modal, owned by the main window; once
    // it has closed, whichever way, runs whenClosed.
    Fyeni *openNewConfig(std::function<void()> whenClosed = {});

    // The communication window, loaded on first use; loading runs the transfer
    // and returns when it has ended. The port settings load it without one, for
    // its port. "Compare with panel" lists what differs in comparisonWindow().
    ProgBarIslem *progressWindow(std::optional<comm::Transfer> transfer = std::nullopt);
    KarsilastirmaSonucu *comparisonWindow();
    // Where every transfer of this run is logged; File ▸ Transfer history shows it.
    comm::TransferLog &transferLog() { return transferLog_; }
    TransferHistory *transferHistory();
    // Site ▸ Walk test, created on first use.
    WalkTestWindow *walkTest();
    ProgBarIslem *loadedProgressWindow() const;
    // The port settings window, loaded on first use.
    PortAyar *portSettings();
    PortAyar *loadedPortSettings() const;
    // The port (1..4) every transfer takes, as the port settings last closed;
    // 0 until then, which the engine takes as COM1.
    int selectedPort() const { return selectedPort_; }

    // The serial port each loading of the communication window gets; tests
    // put a scripted line or shorter engine waits here.
    using PortFactory = std::function<std::unique_ptr<comm::BytePort>()>;
    void setPortFactory(PortFactory factory) { portFactory_ = std::move(factory); }
    std::unique_ptr<comm::BytePort> makePort();
    // The serial devices the port settings list; tests put a fixed list here.
    void setPortLister(comm::PortLister *lister);
    void setLinkSetup(std::function<void(comm::PanelLink &)> setup) { linkSetup_ = std::move(setup); }
    void setupLink(comm::PanelLink &link);

    // Ends the run: every window goes, then quitRequested.
    void quit();

    // Records what the last command changed, unless a window that is one step
    // as a whole (panel data, cause-effect editor) is still open.
    void recordStep(const QString &label = {});
    // The devices were replaced as a whole: every view shows them anew.
    void devicesReplaced();
    // The highest loop count the device window has built its loop branches
    // for in this run (see KontrolCevrimCihaz).
    int &branchesBuilt() { return branchesBuilt_; }
    // The rules changed behind the viewer's back: an open one shows its rule anew.
    void rulesChanged();

signals:
    void quitRequested();

protected:
    void commandDone() override;

private:
    void restore(const Installation &state);
    void showUndoState();

    QString fileAtStart_;
    QString currentFile_;
    void versionConfirmed();
    void versionAbandoned();

    Config config_;
    SaveBaseline baseline_;
    History history_;
    int branchesBuilt_ = 0;

    std::unique_ptr<Messages> ownMessages_;
    std::unique_ptr<FileDialogs> ownDialogs_;
    std::unique_ptr<storage::ReportOutput> ownReport_;
    Messages *messages_;
    FileDialogs *dialogs_;
    storage::ReportOutput *report_;

    mcuV *mcuV_ = nullptr;
    lintor1 *main_ = nullptr;
    QPointer<Fyeni> fyeni_;
    QPointer<Fcihazverileri> devices_;
    QPointer<ProgBarIslem> progress_;
    QPointer<PortAyar> portAyar_;
    PortFactory portFactory_;
    std::unique_ptr<comm::PortLister> ownLister_;
    comm::PortLister *lister_ = nullptr;
    std::function<void(comm::PanelLink &)> linkSetup_;
    int selectedPort_ = 0;
    comm::TransferLog transferLog_;
};

}  // namespace vaz
