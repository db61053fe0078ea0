#include "ui/shell/App.h"

#include "ui/shell/Fyeni.h"
#include "adapters/dialogs/QtPrompts.h"
#include "ui/causeeffect/CauseEffectMatrix.h"
#include "ui/causeeffect/RulesByZone.h"
#include "ui/site/SiteDataDialog.h"
#include "ui/causeeffect/SSicerik.h"
#include "ui/causeeffect/SebepSonuc.h"
#include "ui/shell/lintor1.h"
#include "ui/shell/mcuV.h"
#include "ui/devices/Fcihazverileri.h"
#include "ui/comm/KarsilastirmaSonucu.h"
#include "ui/comm/PortAyar.h"
#include "ui/comm/ProgBarIslem.h"
#include "ui/comm/TransferHistory.h"
#include "ui/site/WalkTestWindow.h"
#include "core/comm/PanelLink.h"
#include "adapters/serial/SerialBytePort.h"
#include "ui/panel/Fpanelverileri.h"
#include "ui/site/LoopCalcWindow.h"
#include "core/causeeffect/RuleLists.h"
#include "core/storage/ConfigFile.h"
#include "core/storage/FieldReader.h"
#include "adapters/printer/ReportPrinter.h"
#include "core/model/Settings.h"

#include <QFileInfo>

#include <algorithm>
#include <utility>

static void initResources()
{
    // The icons sit in a static library; without this the linker drops them.
    Q_INIT_RESOURCE(vaz);
}

namespace vaz {

App::App()
    : ownMessages_(std::make_unique<QtMessages>()),
      ownDialogs_(std::make_unique<QtFileDialogs>()),
      messages_(ownMessages_.get()),
      dialogs_(ownDialogs_.get())
{
    initResources();
    ownReport_ = std::make_unique<storage::SystemReportOutput>();
    report_ = ownReport_.get();
    ownLister_ = std::make_unique<comm::SystemPortLister>();
    lister_ = ownLister_.get();
}

App::~App()
{
    delete main_;  // takes the windows it owns along
    delete mcuV_;
}

void App::setMessages(Messages *m) { messages_ = m ? m : ownMessages_.get(); }
void App::setFileDialogs(FileDialogs *d) { dialogs_ = d ? d : ownDialogs_.get(); }
void App::setReportOutput(storage::ReportOutput *r) { report_ = r ? r : ownReport_.get(); }

void App::start(const QString &file)
{
    config_.CalmaModu = 0;
    config_.CevrimSayisi = 0;
    config_.McuVersiyon = 0;
    fileAtStart_ = file;
    const QList<int> fits =
        file.isEmpty() ? QList<int>() : storage::fittingVersions(storage::readFileBytes(file).bytes);
    versionWindow()->openWindow(fits.size() == 1 ? fits.first() : 0);
}

mcuV *App::versionWindow()
{
    if (!mcuV_) {
        mcuV_ = new mcuV(config_);
        connect(mcuV_, &mcuV::confirmed, this, &App::versionConfirmed);
        connect(mcuV_, &mcuV::abandoned, this, &App::versionAbandoned);
    }
    return mcuV_;
}

lintor1 *App::mainWindow()
{
    if (!main_) {
        main_ = new lintor1(*this);
        main_->openDeviceWindow = [this] { deviceWindow()->openWindow(); };
        main_->closeDeviceWindow = [this] {
            if (Fcihazverileri *w = loadedDeviceWindow())
                w->unload();
        };
        main_->openCauseEffect = [this] { openCauseEffect(); };
        main_->startTransfer = [this](comm::Transfer t) { progressWindow(t); };
        main_->openPortSettings = [this] { portSettings(); };
        main_->load();
    }
    return main_;
}

template <typename W, typename... Args>
static W *windowOf(lintor1 *owner, Args &&...args)
{
    auto *w = owner->findChild<W *>(QString(), Qt::FindDirectChildrenOnly);
    return w ? w : new W(std::forward<Args>(args)..., owner);
}

// Keeps `slot` on the window until it unloads: gone at once for everyone,
// although the object itself goes later.
template <typename W>
static W *track(App *app, QPointer<W> &slot, W *w)
{
    slot = w;
    QObject::connect(w, &W::unloaded, app, [&slot, w] {
        if (slot == w)
            slot = nullptr;
    });
    return w;
}

Fpanelverileri *App::panelWindow()
{
    lintor1 *main = mainWindow();
    if (auto *w = main->findChild<Fpanelverileri *>(QString(), Qt::FindDirectChildrenOnly))
        return w;
    auto *w = new Fpanelverileri(*this, main);
    connect(w, &Fpanelverileri::causeEffectModeChosen, main, &lintor1::setCauseEffectButton);
    connect(w, &Fpanelverileri::namesSaved, main, [this, main] {
        main->setDisplayLine1(kStatusNormal);
        main->setDisplayLine2(config_.TedarikciAdi);
    });
    connect(w, &Fpanelverileri::left, main, &QWidget::show);
    connect(w, &Fpanelverileri::left, this, [this] { recordStep(); });
    return w;
}

SebepSonuc *App::causeEffectEditor()
{
    lintor1 *owner = mainWindow();
    if (auto *w = owner->findChild<SebepSonuc *>(QString(), Qt::FindDirectChildrenOnly))
        return w;
    auto *editor = new SebepSonuc(*this, owner);
    connect(editor, &SebepSonuc::ruleStored, this, [this](const QString &name) { deviceWindow()->addRuleNode(name); });
    connect(editor, &SebepSonuc::left, this, [this] { deviceWindow()->openWindow(); });
    connect(editor, &SebepSonuc::left, this, [this] { recordStep(); });
    return editor;
}

SSicerik *App::ruleViewer()
{
    lintor1 *main = mainWindow();
    if (auto *w = main->findChild<SSicerik *>(QString(), Qt::FindDirectChildrenOnly))
        return w;
    auto *w = new SSicerik(*this, main);
    connect(w, &SSicerik::editRequested, this, &App::editRule);
    connect(w, &SSicerik::duplicateRequested, this, &App::duplicateRule);
    return w;
}

void App::editRule(int rule)
{
    guarded([&] {
        if (rule < 1 || rule > config_.SSsayisi)
            return;
        SebepSonuc *editor = causeEffectEditor();
        mainWindow()->hide();
        if (Fcihazverileri *w = loadedDeviceWindow())
            w->hide();
        // Its toggles would go into the rule being changed.
        if (auto *matrix = mainWindow()->findChild<CauseEffectMatrix *>(QString(), Qt::FindDirectChildrenOnly))
            matrix->hide();
        editor->openForRule(rule);
    });
}

void App::duplicateRule(int rule)
{
    guarded([&] {
        if (rule < 1 || rule > config_.SSsayisi)
            return;
        if (config_.SSsayisi >= kMaxRules) {
            messages().message(QCoreApplication::translate("vaz", kRuleLimitMessage));
            return;
        }
        const QString original = config_.SSismi(rule);
        // Asked again, with what was typed, until the name will do or the user cancels.
        QString name = original;
        for (;;) {
            name = messages().askText(tr("Name of the copy of '%1':").arg(original), tr("Duplicate cause-effect"), name,
                                      kRuleNameLength);
            if (name.isNull())
                return;
            const QString problem = newRuleNameProblem(config_, name);
            if (problem.isEmpty())
                break;
            messages().message(problem);
        }
        if (!vaz::duplicateRule(config_, rule, name))
            return;
        recordStep(tr("Duplicate cause-effect '%1'").arg(original));
    });
}

CauseEffectMatrix *App::causeEffectMatrix()
{
    lintor1 *main = mainWindow();
    if (auto *w = main->findChild<CauseEffectMatrix *>(QString(), Qt::FindDirectChildrenOnly))
        return w;
    auto *w = new CauseEffectMatrix(*this, main);
    connect(w, &CauseEffectMatrix::ruleViewerRequested, this, [this](int rule) { ruleViewer()->openForRule(rule); });
    connect(w, &CauseEffectMatrix::printRequested, main,
            [this, main](const storage::Document &doc) { guarded([&] { main->printDocument(doc); }); });
    connect(w, &CauseEffectMatrix::exportRequested, main,
            [this, main] { guarded([main] { main->exportCauseEffectMatrix(); }); });
    // A toggle is a step of its own, named here before the command's end
    // would name it by what changed; an open viewer follows, the tree does
    // at the command's end.
    connect(w, &CauseEffectMatrix::ruleToggled, this, [this](int rule) {
        recordStep(tr("Toggle cause-effect '%1'").arg(config_.SSismi(rule)));
        rulesChanged();
    });
    connect(w, &CauseEffectMatrix::undoRequested, this, &App::undo);
    connect(w, &CauseEffectMatrix::redoRequested, this, &App::redo);
    w->setUndoState(history_.undoLabel(), history_.redoLabel(), history_.droppedSteps());
    return w;
}

void App::rulesChanged()
{
    if (auto *viewer = main_ ? main_->findChild<SSicerik *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
        viewer && viewer->isVisible())
        viewer->Form_Load();
}

SiteDataDialog *App::siteDataWindow()
{
    lintor1 *main = mainWindow();
    if (auto *w = main->findChild<SiteDataDialog *>(QString(), Qt::FindDirectChildrenOnly))
        return w;
    auto *w = new SiteDataDialog(*this, main);
    connect(w, &QDialog::accepted, this, [this, w] {
        guarded([&] {
            config_.site = w->result();
            commandDone();
        });
    });
    return w;
}

LoopCalcWindow *App::loopCalcWindow()
{
    lintor1 *main = mainWindow();
    if (auto *w = main->findChild<LoopCalcWindow *>(QString(), Qt::FindDirectChildrenOnly))
        return w;
    auto *w = new LoopCalcWindow(*this, main);
    connect(w, &LoopCalcWindow::applied, this, [this, w] {
        guarded([&] {
            config_.site = w->siteData();
            if (!config_.site.typeCurrents.isEmpty())
                rememberTypeCurrents(*toolSettings(), config_.site.typeCurrents);
            recordStep(tr("Loop and battery calculation"));
        });
    });
    return w;
}

RulesByZone *App::rulesByZone()
{
    lintor1 *main = mainWindow();
    if (auto *w = main->findChild<RulesByZone *>(QString(), Qt::FindDirectChildrenOnly))
        return w;
    auto *w = new RulesByZone(*this, main);
    connect(w, &QDialog::accepted, this, [this, w] {
        guarded([&] {
            const ZoneRulePlan plan = w->plan();
            addZoneRules(config_, plan);
            recordStep(tr("Add cause-effects by zone"));
            if (plan.skipped.isEmpty())
                return;
            QStringList lines{tr("Cause-effects added: %1. These zones were skipped:").arg(plan.rules.size())};
            for (const SkippedZone &s : plan.skipped)
                lines << skippedText(s);
            messages().message(lines.join(u'\n'));
        });
    });
    return w;
}

void App::openCauseEffect()
{
    SebepSonuc *editor = causeEffectEditor();
    deviceWindow()->hide();
    // Its toggles would go into the rule being made.
    if (auto *matrix = mainWindow()->findChild<CauseEffectMatrix *>(QString(), Qt::FindDirectChildrenOnly))
        matrix->hide();
    editor->openWindow();
}

Fcihazverileri *App::deviceWindow()
{
    if (!devices_) {
        auto *w = track(this, devices_, new Fcihazverileri(*this, mainWindow()));
        connect(w, &Fcihazverileri::left, mainWindow(), &QWidget::show);
        connect(w, &Fcihazverileri::ruleViewerRequested, this,
                [this](int rule) { guarded([this, rule] { ruleViewer()->openForRule(rule); }); });
        connect(w, &Fcihazverileri::ruleEditRequested, this, &App::editRule);
        connect(w, &Fcihazverileri::ruleDuplicateRequested, this, &App::duplicateRule);
        connect(w, &Fcihazverileri::undoRequested, this, &App::undo);
        connect(w, &Fcihazverileri::redoRequested, this, &App::redo);
        connect(w, &Fcihazverileri::branchesBuilt, this,
                [this](int loops) { branchesBuilt_ = std::max(branchesBuilt_, loops); });
        showUndoState();
    }
    return devices_;
}

Fcihazverileri *App::loadedDeviceWindow() const { return devices_; }

ProgBarIslem *App::progressWindow(std::optional<comm::Transfer> transfer)
{
    if (progress_)
        return progress_;
    // Known before the load runs, so that nothing loads a second one meanwhile.
    lintor1 *main = mainWindow();
    ProgBarIslem *w = track(this, progress_, new ProgBarIslem(*this, makePort(), main));
    setupLink(w->link());
    // After the window's own handling of the end, so that a message about the log comes last.
    connect(&w->link(), &comm::PanelLink::finished, this, [this, w](bool ok) {
        const comm::PanelLink &link = w->link();
        const QString file = link.transfer() == comm::Transfer::Download ? QString() : currentFile();
        for (const comm::TransferRecord &r :
             comm::transferRecords(link, config_, file, w->port(), comm::DeviceChoice::OptionsWindow))
            if (const QString why = transferLog_.append(r); !why.isEmpty())
                messages().message(why);
        // A completed comparison has said everything in its result: one window to dismiss, not two.
        if (ok && link.transfer() == comm::Transfer::Compare) {
            w->Form_Unload();
            comparisonWindow()->raise();
            comparisonWindow()->activateWindow();
        }
    });
    connect(w, &ProgBarIslem::left, main, &QWidget::show);
    connect(w, &ProgBarIslem::transferDone, main, [main] { main->GonderimModu = 0; });
    connect(w, &ProgBarIslem::comparisonStarted, this, [this] { comparisonWindow()->hide(); });
    connect(w, &ProgBarIslem::compared, this,
            [this](const QList<comm::FieldDifference> &rows) { comparisonWindow()->showDifferences(rows); });
    connect(w, &ProgBarIslem::verificationDiffers, this,
            [this](const QList<comm::FieldDifference> &rows) { comparisonWindow()->showSentDifferences(rows); });
    connect(w, &ProgBarIslem::downloadEnded, main, [this, main](bool ok) {
        if (ok) {
            // The whole configuration was replaced: the device window rebuilds,
            // and nothing of it is in a file yet.
            main->closeDevices();
            baseline_.forget();
            // Save must not write the panel's configuration over the file opened before.
            setCurrentFile(QString());
            recordStep(tr("Download from panel"));
        }
        main->afterDownload();
        if (ok)
            main->reportUnusualDevices();
    });
    w->Form_Load(transfer, selectedPort_);
    return w;
}

KarsilastirmaSonucu *App::comparisonWindow()
{
    return windowOf<KarsilastirmaSonucu>(mainWindow(), messages(), fileDialogs());
}

WalkTestWindow *App::walkTest() { return windowOf<WalkTestWindow>(mainWindow(), *this); }

TransferHistory *App::transferHistory()
{
    lintor1 *main = mainWindow();
    if (auto *w = main->findChild<TransferHistory *>(QString(), Qt::FindDirectChildrenOnly))
        return w;
    auto *w = new TransferHistory(transferLog_, messages(), fileDialogs(), main);
    // As a recent file opens: unsaved changes are asked about first.
    connect(w, &TransferHistory::openFileRequested, main,
            [this, main](const QString &path) { guarded([&] { main->openFileAt(path); }); });
    return w;
}

ProgBarIslem *App::loadedProgressWindow() const { return progress_; }
PortAyar *App::loadedPortSettings() const { return portAyar_; }

PortAyar *App::portSettings()
{
    if (portAyar_) {
        portAyar_->raise();
        return portAyar_;
    }
    lintor1 *main = mainWindow();
    auto holder = [this](bool load) { return load ? progressWindow() : loadedProgressWindow(); };
    PortAyar *w = track(this, portAyar_, new PortAyar(*this, holder, *lister_, main));
    connect(w, &PortAyar::portHeld, main, [main] { main->setTransfersAvailable(false); });
    connect(w, &PortAyar::portChosen, this, [this](int port) { selectedPort_ = port; });
    connect(w, &PortAyar::unloaded, main, [main] { main->setTransfersAvailable(true); });
    w->Form_Load();
    return w;
}

std::unique_ptr<comm::BytePort> App::makePort()
{
    if (portFactory_)
        return portFactory_();
    return std::make_unique<comm::SerialBytePort>();
}

void App::setPortLister(comm::PortLister *lister) { lister_ = lister ? lister : ownLister_.get(); }

void App::setupLink(comm::PanelLink &link)
{
    if (linkSetup_)
        linkSetup_(link);
}

Fyeni *App::newConfigWindow() const { return fyeni_; }

Fyeni *App::openNewConfig(std::function<void()> whenClosed)
{
    if (fyeni_) {
        fyeni_->raise();
        return fyeni_;
    }
    fyeni_ = new Fyeni(*this, mainWindow());
    connect(fyeni_, &QDialog::finished, this, [this, whenClosed] {
        // Created anew for every opening, so nothing of a former choice remains.
        if (fyeni_)
            fyeni_->deleteLater();
        fyeni_ = nullptr;
        if (whenClosed)
            guarded(whenClosed);
    });
    fyeni_->setWindowModality(Qt::ApplicationModal);
    fyeni_->show();
    return fyeni_;
}

void App::versionConfirmed()
{
    const bool loaded = main_ != nullptr;
    lintor1 *w = mainWindow();
    showCaption();
    if (loaded)
        w->raise();
    if (!fileAtStart_.isEmpty())
        w->openPath(std::exchange(fileAtStart_, QString()));
}

void App::versionAbandoned()
{
    // At start nothing else is open, so closing the version window ends the run.
    if (!main_)
        quit();
}

void App::quit()
{
    if (fyeni_)
        fyeni_->hide();
    if (mcuV_)
        mcuV_->hide();
    if (main_) {
        for (QWidget *w : main_->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
            if (w->isWindow())
                w->hide();
        main_->hide();
    }
    emit quitRequested();
}

// The caption follows too: recording a step shows the undo state and the caption.
void App::commandDone()
{
    recordStep();
    emit changes().commandDone();
}

void App::setCurrentFile(const QString &path)
{
    currentFile_ = path;
    if (!path.isEmpty()) {
        const std::unique_ptr<QSettings> settings = toolSettings();
        const QString key = QStringLiteral("recentFiles");
        settings->setValue(key, withRecentFile(recentFiles(*settings), path));
    }
    showCaption();
}

void App::showCaption()
{
    if (!main_)
        return;
    QString caption =
        QCoreApplication::translate("vaz", kMainCaption) + QStringLiteral(" - ") + mcuStatusText(config_.McuVersiyon);
    const bool unsaved = baseline_.unsaved(config_);
    if (!currentFile_.isEmpty() || unsaved)
        caption += QStringLiteral(" — ") +
                   (currentFile_.isEmpty() ? tr("Untitled") : QFileInfo(currentFile_).fileName()) +
                   (unsaved ? QStringLiteral("*") : QString());
    main_->setWindowTitle(caption);
    main_->stateChanged();
}

void App::recordStep(const QString &label)
{
    const auto open = [this](QWidget *w) { return w && w->isVisible(); };
    if (main_ && (open(main_->findChild<Fpanelverileri *>(QString(), Qt::FindDirectChildrenOnly)) ||
                  open(main_->findChild<SebepSonuc *>(QString(), Qt::FindDirectChildrenOnly))))
        return;
    history_.record(config_, label);
    showUndoState();
}

void App::startHistory()
{
    history_.reset(config_);
    showUndoState();
}

void App::undo()
{
    if (history_.canUndo())
        restore(history_.undo());
}

void App::redo()
{
    if (history_.canRedo())
        restore(history_.redo());
}

void App::restore(const Installation &state)
{
    // The version is the run's choice, not part of a step.
    const Int16 version = config_.McuVersiyon;
    static_cast<Installation &>(config_) = state;
    config_.McuVersiyon = version;
    devicesReplaced();
    rulesChanged();
    if (main_)
        main_->setDisplayLine2(config_.TedarikciAdi);
    showUndoState();
}

void App::devicesReplaced() { emit changes().replaced(); }

void App::showUndoState()
{
    showCaption();
    if (main_)
        main_->setUndoState(history_.undoLabel(), history_.redoLabel(), history_.droppedSteps());
    if (devices_)
        devices_->setUndoState(history_.undoLabel(), history_.redoLabel(), history_.droppedSteps());
    if (auto *matrix = main_ ? main_->findChild<CauseEffectMatrix *>(QString(), Qt::FindDirectChildrenOnly) : nullptr) {
        matrix->setUndoState(history_.undoLabel(), history_.redoLabel(), history_.droppedSteps());
        matrix->refresh();
    }
}

}  // namespace vaz
