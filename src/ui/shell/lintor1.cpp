#include "ui/shell/lintor1.h"

#include "core/comm/TransferLog.h"
#include "core/comm/UploadStream.h"
#include "core/model/Changes.h"

#include "ui/shell/App.h"
#include "ui/shell/Fyeni.h"
#include "ui/widgets/HelpWindow.h"
#include "ui/widgets/ToolButton.h"
#include "ui/widgets/UndoActions.h"
#include "ui/causeeffect/CauseEffectMatrix.h"
#include "ui/causeeffect/RulesByZone.h"
#include "ui/site/SiteDataDialog.h"
#include "core/causeeffect/RuleLists.h"
#include "ui/comm/KarsilastirmaSonucu.h"
#include "ui/comm/TransferHistory.h"
#include "ui/site/WalkTestWindow.h"
#include "core/comm/PreUploadCheck.h"
#include "core/comm/Retest.h"
#include "ui/devices/SchedulePreview.h"
#include "core/devices/UnusualDevices.h"
#include "ui/shell/Language.h"
#include "ui/shell/mcuV.h"
#include "ui/site/LoopCalcWindow.h"
#include "ui/panel/Fpanelverileri.h"
#include "core/storage/Commissioning.h"
#include "core/storage/ConfigFile.h"
#include "core/storage/FieldReader.h"
#include "core/storage/FileWords.h"
#include "core/storage/Report.h"
#include "adapters/printer/ReportPrinter.h"
#include "core/model/Settings.h"
#include "core/site/SiteFile.h"
#include "core/storage/Schedule.h"
#include "core/storage/ScheduleWords.h"
#include "ui/widgets/ScreenFit.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLocale>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <memory>

namespace vaz {

namespace {

const char *const kConfigItems[] = {"MnFarkliKaydet", "MnKaydet", "MnKonfigurasyonuGoster", "MnKonfigüreEt",
                                    "MnPaneleGonder"};

QString name(const char *utf8) { return QString::fromUtf8(utf8); }

// A report's PDF proposed beside the configuration it is of: NAME.pdf; none without a file.
QString pdfBeside(const QString &file, const QString &ending = QStringLiteral(".pdf"))
{
    const QFileInfo info(file);
    return file.isEmpty() ? QString() : info.path() + u'/' + info.completeBaseName() + ending;
}

}  // namespace

lintor1::lintor1(App &app) : app_(app)
{
    setObjectName(QStringLiteral("lintor1"));
    setWindowTitle(QCoreApplication::translate("vaz", kMainCaption));
    setWindowIcon(QIcon(QStringLiteral(":/icons/panel.svg")));
    buildMenus();
    buildToolbar();
    buildDisplay();
    // A disabled group keeps each action's own state and gives it back when enabled again.
    transfers_ = new QActionGroup(this);
    transfers_->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    for (const char *key : {"MnPaneleGonder", "BtGonder", "MnPaneldenAlma", "BtAl"})
        transfers_->addAction(action(key));
    // Comparing needs what uploading needs, so it follows Upload's state; a
    // download enables only Upload's button, not its menu item.
    QAction *upload = action("MnPaneleGonder");
    QAction *uploadButton = action("BtGonder");
    auto follow = [this, upload, uploadButton] {
        action("MnKarsilastir")->setEnabled(upload->isEnabled() || uploadButton->isEnabled());
    };
    connect(upload, &QAction::changed, this, follow);
    connect(uploadButton, &QAction::changed, this, follow);
    follow();
    // Rules by zone makes rules as the editor does, so it goes where the editor's button goes.
    QAction *editor = action("BtSebepSonuc");
    auto followEditor = [this, editor] { action("MnRulesByZone")->setEnabled(editor->isEnabled()); };
    connect(editor, &QAction::changed, this, followEditor);
    followEditor();
    resize(640, 420 + statusBar()->sizeHint().height());
    fitToScreen(this);
}

QAction *lintor1::action(const char *key) const { return findChild<QAction *>(name(key)); }

void lintor1::buildMenus()
{
    auto item = [this](QMenu *menu, const char *key, const char *caption, void (lintor1::*command)() = nullptr) {
        QAction *a = menu->addAction(tr(caption));
        a->setObjectName(name(key));
        if (command)
            connect(a, &QAction::triggered, this, [this, command] { app_.guarded([&] { (this->*command)(); }); });
        return a;
    };
    auto separator = [](QMenu *menu, const char *key) { menu->addSeparator()->setObjectName(name(key)); };
    auto submenu = [this](const char *key, const char *caption) {
        QMenu *m = menuBar()->addMenu(tr(caption));
        m->setObjectName(name(key));
        m->menuAction()->setObjectName(name(key));
        return m;
    };

    QMenu *file = submenu("MnDosya", QT_TR_NOOP("&File"));
    item(file, "MnYeni", QT_TR_NOOP("&New"), &lintor1::newConfiguration)->setShortcut(QKeySequence::New);
    item(file, "MnAç", QT_TR_NOOP("&Open"), &lintor1::openFile)->setShortcut(QKeySequence::Open);
    recent_ = file->addMenu(tr("&Recent files"));
    recent_->setObjectName(QStringLiteral("MnRecentFiles"));
    recent_->menuAction()->setObjectName(QStringLiteral("MnRecentFiles"));
    connect(recent_, &QMenu::aboutToShow, this, &lintor1::showRecentFiles);
    QAction *save = item(file, "MnKaydet", QT_TR_NOOP("&Save"));
    QAction *saveAs = item(file, "MnFarkliKaydet", QT_TR_NOOP("Save &as…"));
    save->setShortcut(QKeySequence::Save);
    saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(save, &QAction::triggered, this, [this] { app_.guarded([this] { saveFile(); }); });
    connect(saveAs, &QAction::triggered, this, [this] { app_.guarded([this] { saveFile(true); }); });
    separator(file, "MnKesme1");
    item(file, "MnSeçenekler", QT_TR_NOOP("Op&tions"), &lintor1::options);
    separator(file, "MnKesme2");
    item(file, "version", QT_TR_NOOP("&MCU Version"), &lintor1::chooseMcuVersion);
    separator(file, "MnKesme5");
    item(file, "MnKonfigurasyonuGoster", QT_TR_NOOP("Show &configuration"), &lintor1::CihazKonfigKontrol);
    item(file, "MnKonfigurasyonuYazdir", QT_TR_NOOP("&Print configuration"), &lintor1::printConfiguration)
        ->setShortcut(QKeySequence::Print);
    item(file, "MnPrintFile", QT_TR_NOOP("Print &file…"), &lintor1::printFile);
    item(file, "MnCommissioningReport", QT_TR_NOOP("Commissionin&g report..."), &lintor1::commissioningReport);
    item(file, "MnCompareWithFile", QT_TR_NOOP("Compare &with file..."), &lintor1::compareWithFile);
    item(file, "MnTransferHistory", QT_TR_NOOP("Transfer &history..."), &lintor1::transferHistory);
    separator(file, "MnKesmeSchedule");
    item(file, "MnExportSchedule", QT_TR_NOOP("E&xport device schedule..."), &lintor1::exportSchedule);
    item(file, "MnExportEmptySchedule", QT_TR_NOOP("Export empt&y schedule..."), &lintor1::exportEmptySchedule);
    item(file, "MnImportSchedule", QT_TR_NOOP("&Import device schedule..."), &lintor1::importSchedule);
    item(file, "MnExportMatrix", QT_TR_NOOP("Export ca&use-effect matrix..."), &lintor1::exportCauseEffectMatrix);
    separator(file, "MnKesme3");
    QAction *exit = item(file, "MnÇikis", QT_TR_NOOP("&Exit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu *edit = submenu("MnEdit", QT_TR_NOOP("&Edit"));
    undo_ = addUndoActions(
        edit, "Mn", [this] { app_.undo(); }, [this] { app_.redo(); });

    QMenu *comm = submenu("MnHaberlesme", QT_TR_NOOP("&Communication"));
    item(comm, "MnPaneleGonder", QT_TR_NOOP("&Upload to panel"), &lintor1::upload)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    item(comm, "MnPaneldenAlma", QT_TR_NOOP("&Download from panel"), &lintor1::download)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    item(comm, "MnKarsilastir", QT_TR_NOOP("Co&mpare with panel"), &lintor1::compare);

    QMenu *configure = submenu("MnKonfigüreEt", QT_TR_NOOP("Confi&gure"));
    item(configure, "MnPanelVerisi", QT_TR_NOOP("&Panel configuration"), &lintor1::PanelKonfigKontrol);
    item(configure, "MnCihazlar", QT_TR_NOOP("&Devices"), &lintor1::CihazKonfigKontrol);
    item(configure, "MnSebepSonuc", QT_TR_NOOP("&Cause-effect"));
    item(configure, "MnTekrarlayicilar", QT_TR_NOOP("Panel &repeaters"));
    item(configure, "MnMatrix", QT_TR_NOOP("Cause-effect &matrix"), &lintor1::showMatrix);
    item(configure, "MnRulesByZone", QT_TR_NOOP("Rules by &zone..."), &lintor1::rulesByZone);

    // What an installer knows of the site beyond the panel.
    QMenu *siteMenu = submenu("MnSite", QT_TR_NOOP("&Site"));
    item(siteMenu, "MnSiteData", QT_TR_NOOP("Site &data..."), &lintor1::siteData);
    item(siteMenu, "MnLoopCalc", QT_TR_NOOP("&Loop and battery calculation..."), &lintor1::loopCalc);
    item(siteMenu, "MnWalkTest", QT_TR_NOOP("&Walk test..."), &lintor1::walkTest);

    QMenu *help = submenu("MnYardim", QT_TR_NOOP("&Help"));
    QAction *contents = item(help, "MnAltYardim", QT_TR_NOOP("&Contents"));
    contents->setShortcut(QKeySequence::HelpContents);
    connect(contents, &QAction::triggered, this, [] { showHelp(); });
    separator(help, "MnKesme4");
    item(help, "MnHakkinda", QT_TR_NOOP("&About..."), &lintor1::about);
    addLanguageMenu(help, [this](const QString &text) { app_.messages().message(text); });
}

void lintor1::buildToolbar()
{
    auto *bar = addToolBar(tr("Toolbar1"));
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setAccessibleName(tr("Main commands"));
    bar->setMovable(false);
    bar->setIconSize(QSize(32, 32));
    const struct {
        const char *key;
        const char *tip;
        const char *description;
        const char *icon;
        void (lintor1::*command)();
        bool separatorAfter;
    } buttons[] = {
        {"BtYeni", QT_TRANSLATE_NOOP("vaz::ToolButton", "New"), "Yeni", "new", &lintor1::newConfiguration, false},
        {"BtAc", QT_TRANSLATE_NOOP("vaz::ToolButton", "Open"), "Aç", "open", &lintor1::openFile, false},
        {"BtKaydet", QT_TRANSLATE_NOOP("vaz::ToolButton", "Save"), "Kaydet", "save", nullptr, true},
        {"BtGonder", QT_TRANSLATE_NOOP("vaz::ToolButton", "Upload to panel"), "Gönder", "upload", &lintor1::upload,
         false},
        {"BtAl", QT_TRANSLATE_NOOP("vaz::ToolButton", "Download from panel"), "Al", "download", &lintor1::download,
         true},
        {"BtPanelKonfig", QT_TRANSLATE_NOOP("vaz::ToolButton", "Configure panel data"), "PanelKonfig", "panel-data",
         &lintor1::PanelKonfigKontrol, false},
        {"BtCihazKonfig", QT_TRANSLATE_NOOP("vaz::ToolButton", "Configure devices"), "CihazKonfig", "devices",
         &lintor1::CihazKonfigKontrol, false},
        {"BtSebepSonuc", QT_TRANSLATE_NOOP("vaz::ToolButton", "Cause-effect"), "Sebep Sonuç", "cause-effect",
         &lintor1::causeEffect, false},
        {"BtNetwork", QT_TRANSLATE_NOOP("vaz::ToolButton", "Network"), "Network", "network", nullptr, true},
        {"BtYardim", QT_TRANSLATE_NOOP("vaz::ToolButton", "Help"), "Yardim", "help", &lintor1::help, false},
    };
    for (const auto &b : buttons) {
        QAction *a = addToolButton(bar, b.key, b.tip, b.icon, b.description);
        if (b.command)
            connect(a, &QAction::triggered, this, [this, c = b.command] { app_.guarded([&] { (this->*c)(); }); });
        if (b.separatorAfter)
            bar->addSeparator();
    }
    connect(action("BtKaydet"), &QAction::triggered, this, [this] { app_.guarded([this] { saveFile(); }); });
}

void lintor1::buildDisplay()
{
    auto *central = new QWidget(this);
    auto *grid = new QGridLayout(central);

    picture_ = new QLabel(central);
    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setPixmap(QIcon(QStringLiteral(":/icons/panel.svg")).pixmap(QSize(160, 160)));
    picture_->setAlignment(Qt::AlignCenter);
    grid->addWidget(picture_, 0, 0, 2, 1);

    // The bezel of the panel's display.
    auto *shape = new QFrame(central);
    shape->setObjectName(QStringLiteral("Shape1"));
    shape->setFrameShape(QFrame::Box);
    shape->setLineWidth(3);
    shape->setStyleSheet(
        QStringLiteral("#Shape1 { background: #1f2a36; border: 3px solid #56626e; border-radius: 6px; }"));
    auto *display = new QVBoxLayout(shape);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(12);
    for (QLabel **line : {&line1_, &line2_}) {
        *line = new QLabel(shape);
        (*line)->setFont(mono);
        (*line)->setMinimumWidth(QFontMetrics(mono).horizontalAdvance(QString(40, u'M')) + 16);
        (*line)->setStyleSheet(QStringLiteral("background: #a8c64e; color: #1b2a10; padding: 2px 6px;"));
        display->addWidget(*line);
    }
    line1_->setObjectName(QStringLiteral("LCDsatir1"));
    line2_->setObjectName(QStringLiteral("LCDsatir2"));
    grid->addWidget(shape, 0, 1);

    lamp_ = new QLabel(central);
    lamp_->setObjectName(QStringLiteral("Devrede"));
    lamp_->setFixedSize(18, 18);
    lamp_->setToolTip(tr("In service"));
    lamp_->setAccessibleName(tr("In service lamp"));
    lamp_->setStyleSheet(QStringLiteral("background: #2ecc40; border: 2px solid #1a6b22; border-radius: 9px;"));
    // What is open, in words beside the picture: the lamp alone says nothing.
    summary_ = new QLabel(central);
    summary_->setObjectName(QStringLiteral("LblSummary"));
    summary_->setWordWrap(true);
    summary_->setTextFormat(Qt::RichText);
    summary_->setTextInteractionFlags(Qt::TextBrowserInteraction);
    summary_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(summary_, &QLabel::linkActivated, this, [this] { app_.guarded([this] { showFindings(); }); });
    auto *beside = new QHBoxLayout;
    beside->addWidget(lamp_, 0, Qt::AlignTop);
    beside->addWidget(summary_, 1);
    grid->addLayout(beside, 1, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
    widthWithPicture_ = central->minimumSizeHint().width();

    fingerprint_ = new QLabel(this);
    fingerprint_->setObjectName(QStringLiteral("LblFingerprint"));
    // Installers copy it into their records.
    fingerprint_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    statusBar()->addPermanentWidget(fingerprint_, 1);
    statusBar()->setSizeGripEnabled(false);
    fingerprintDue_ = new QTimer(this);
    fingerprintDue_->setSingleShot(true);
    fingerprintDue_->setInterval(150);
    connect(fingerprintDue_, &QTimer::timeout, this, &lintor1::showState);
    connect(&app_.changes(), &Changes::commandDone, fingerprintDue_, qOverload<>(&QTimer::start));
    connect(&app_.changes(), &Changes::replaced, this, &lintor1::showState);
    setCentralWidget(central);
}

void lintor1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    // The picture only decorates: on a narrow screen the display and the words beside it keep the width.
    picture_->setVisible(width() >= widthWithPicture_);
}

void lintor1::load()
{
    lamp_->hide();
    if (GonderimModu != 0)
        return;
    show();
    for (const char *key : {"MnFarkliKaydet", "MnKaydet", "MnKonfigurasyonuGoster", "MnKonfigüreEt", "MnPaneleGonder",
                            "MnSebepSonuc", "MnTekrarlayicilar"})
        action(key)->setEnabled(false);
    action("MnKonfigurasyonuYazdir")->setEnabled(true);
    for (const char *key : {"BtKaydet", "BtGonder", "BtPanelKonfig", "BtCihazKonfig", "BtSebepSonuc", "BtNetwork"})
        action(key)->setEnabled(false);
}

void lintor1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The version window or a download may have changed what the panel would receive.
    showState();
}

void lintor1::stateChanged() { fingerprintDue_->start(); }

void lintor1::showState()
{
    fingerprintDue_->stop();
    const Config &cfg = app_.config();
    if (cfg.CevrimSayisi == 0 || cfg.McuVersiyon == 0) {
        fingerprint_->clear();
        fingerprint_->setToolTip(QString());
        summary_->clear();
        return;
    }
    showSummary();
    const std::optional<comm::Fingerprint> f = comm::panelFingerprint(cfg);
    fingerprint_->setText(f ? tr("Panel fingerprint: %1").arg(f->shown())
                            : tr("Panel fingerprint: none, the upload would refuse this configuration"));
    fingerprint_->setToolTip(f ? f->hex() : QString());
}

void lintor1::showSummary()
{
    const Config &cfg = app_.config();
    const QString file = app_.currentFile();
    QStringList lines{tr("File: %1%2")
                          .arg(file.isEmpty() ? tr("not saved yet") : QFileInfo(file).fileName().toHtmlEscaped(),
                               app_.saveBaseline().unsaved(cfg) ? tr(" (unsaved changes)") : QString()),
                      tr("Panel: %1, supplier: %2")
                          .arg(cfg.PanelAdi.trimmed().toHtmlEscaped(), cfg.TedarikciAdi.trimmed().toHtmlEscaped())};
    QStringList loops;
    int total = 0;
    for (int l = 1; l <= cfg.CevrimSayisi && l <= kLoops; ++l) {
        int n = 0;
        for (int a = 1; a <= kAddresses; ++a)
            n += cfg.CihazTipi(l, a) != 0 ? 1 : 0;
        total += n;
        loops << tr("loop %1: %2").arg(l).arg(n);
    }
    const QString loopList = loops.join(QStringLiteral(", "));
    lines << (total == 1 ? tr("1 device on %1 loops (%2)").arg(cfg.CevrimSayisi).arg(loopList)
                         : tr("%1 devices on %2 loops (%3)").arg(total).arg(cfg.CevrimSayisi).arg(loopList));
    if (cfg.McuVersiyon >= 20) {
        const int rules = std::clamp<int>(cfg.SSsayisi, 0, kMaxRules);
        lines << (rules == 1 ? tr("1 cause-effect rule") : tr("%1 cause-effect rules").arg(rules));
    }
    const qsizetype findings = comm::preUploadFindings(cfg).size();
    lines << (findings == 0   ? tr("Pre-upload check: no findings")
              : findings == 1 ? tr("Pre-upload check: <a href=\"#findings\">1 finding</a>")
                              : tr("Pre-upload check: <a href=\"#findings\">%1 findings</a>").arg(findings));
    summary_->setText(lines.join(QStringLiteral("<br>")));
}

void lintor1::showFindings()
{
    QStringList lines;
    for (const comm::Finding &f : comm::preUploadFindings(app_.config()))
        lines << comm::findingLine(f);
    app_.messages().message(lines.join(u'\n'));
}

void lintor1::enableButtons(std::initializer_list<const char *> names)
{
    for (const char *key : names)
        action(key)->setEnabled(true);
}

void lintor1::afterNewConfiguration()
{
    enableButtons({"BtKaydet", "BtGonder", "BtPanelKonfig", "BtCihazKonfig", "BtNetwork"});
    for (const char *key : kConfigItems)
        action(key)->setEnabled(true);
}

void lintor1::afterFileRead(bool read)
{
    if (read) {
        for (const char *key : kConfigItems)
            action(key)->setEnabled(true);
        closeDevices();
    }
    setDisplayLine1(kStatusNormal);
    setDisplayLine2(app_.config().TedarikciAdi);
    showLamp();
    if (app_.config().CevrimSayisi != 0)
        afterDownload();
}

void lintor1::afterDownload()
{
    if (app_.config().CevrimSayisi != 0)
        enableButtons({"BtKaydet", "BtGonder", "BtPanelKonfig", "BtCihazKonfig", "BtSebepSonuc", "BtNetwork"});
}

void lintor1::setUndoState(const QString &undo, const QString &redo, bool dropped)
{
    showUndoLabels(undo_, undo, redo, dropped);
}

void lintor1::setCauseEffectButton(bool enabled) { action("BtSebepSonuc")->setEnabled(enabled); }
void lintor1::setTransfersAvailable(bool available) { transfers_->setEnabled(available); }
void lintor1::setDisplayLine1(const QString &text) { line1_->setText(text); }
void lintor1::setDisplayLine2(const QString &text) { line2_->setText(text); }
void lintor1::showLamp() { lamp_->show(); }

void lintor1::closeDevices()
{
    // The selection named a device of the configuration that is gone; the
    // rebuilt window, selecting nothing, stores nothing into what now sits there.
    if (closeDeviceWindow)
        closeDeviceWindow();
    app_.devicesReplaced();
}

void lintor1::reportUnusualDevices()
{
    const int n = devices::unusualDeviceCount(app_.config());
    if (n == 0)
        return;
    app_.messages().message((n == 1 ? tr("1 device has") : tr("%1 devices have").arg(n)) +
                            tr(" an unknown type or lie on a loop beyond the loop count. The device window shows them; "
                               "they are saved and uploaded unless you delete them."));
}

void lintor1::handOver(const std::function<void()> &openWindow)
{
    hide();
    try {
        openWindow();
    } catch (...) {
        // A window that failed to open must not leave the user without any.
        show();
        throw;
    }
}

void lintor1::help() { showHelp(); }

void lintor1::notAvailable() { app_.messages().message(tr("This command is not available yet.")); }

void lintor1::newConfiguration() { app_.openNewConfig(); }

void lintor1::openFile() { openFileAt(QString()); }

void lintor1::openFileAt(const QString &known)
{
    Config &cfg = app_.config();
    bool clear = false;
    if (app_.saveBaseline().unsaved(cfg)) {
        if (app_.messages().question(tr("Delete configuration data?"), tr("Open")) != Answer::Yes)
            return;
        clear = true;
    }
    const QString path =
        known.isEmpty() ? app_.fileDialogs().openFileName(tr("Open configuration"), kConfigFilter) : known;
    if (!path.isEmpty())
        openPath(path, clear);
}

void lintor1::openPath(const QString &path, bool clear)
{
    Config &cfg = app_.config();
    // The devices go only once another configuration has really taken their place.
    auto trial = std::make_unique<Config>(cfg);
    if (clear)
        clearAllDevices(*trial);
    const storage::ReadResult r = storage::DosyadanVerileriOku(*trial, path);
    if (r.status == storage::ReadStatus::Ok) {
        // A damaged site file costs its site data, never the configuration.
        const site::SiteRead siteRead = site::readSiteFile(site::siteFilePath(path));
        trial->site = siteRead.site;
        cfg = *trial;
        app_.siteFile = !siteRead.found ? App::SiteFile::None
                        : siteRead.ok() ? App::SiteFile::Read
                                        : App::SiteFile::Damaged;
        app_.saveBaseline().mark(cfg);
        app_.setCurrentFile(path);
        app_.startHistory();
        afterFileRead(true);
        if (!siteRead.ok())
            app_.messages().message(site::siteReadText(siteRead));
        reportUnusualDevices();
        return;
    }
    app_.messages().message(storage::readText(r));
    if (r.status == storage::ReadStatus::WrongFileType)
        afterFileRead(false);
}

bool lintor1::saveFile(bool askName)
{
    Config &cfg = app_.config();
    const QString path = askName || app_.currentFile().isEmpty()
                             ? app_.fileDialogs().saveFileName(tr("Save configuration"), kConfigFilter)
                             : app_.currentFile();
    if (path.isEmpty())
        return false;
    // Without site data nothing but the configuration file is written, as ever.
    const bool sameFile = path == app_.currentFile();
    bool withSite = !cfg.site.isEmpty() || (sameFile && app_.siteFile == App::SiteFile::Read);
    // Yes writes the site file, No the configuration alone; false: Cancel.
    auto askSiteFile = [&](const char *question) {
        const Answer a =
            app_.messages().question(tr(question).arg(QFileInfo(site::siteFilePath(path)).fileName()), tr("Save"));
        withSite = a == Answer::Yes;
        return a != Answer::Cancel;
    };
    if (withSite && sameFile && app_.siteFile == App::SiteFile::Damaged &&
        !askSiteFile(QT_TR_NOOP("The site file \"%1\" could not be read when the configuration was opened. "
                                "Replace it with the site data now entered?")))
        return false;
    // Another configuration's site file would otherwise open with this one next time.
    if (!withSite && !sameFile && QFileInfo::exists(site::siteFilePath(path)) &&
        !askSiteFile(QT_TR_NOOP("The site file \"%1\" beside it belongs to the configuration this one replaces. "
                                "Replace it too, with this configuration's (empty) site data?")))
        return false;
    QString failure;
    if (withSite) {
        const site::SavedPair r = site::saveWithSite(cfg, path);
        failure = r.ok ? QString() : r.message;
    } else {
        const storage::SaveResult r = storage::GirisVerileriniKaydet(cfg, path);
        failure = r.ok ? QString() : r.message;
    }
    if (!failure.isEmpty()) {
        app_.messages().message(failure);
        return false;
    }
    if (withSite)
        app_.siteFile = App::SiteFile::Read;
    else if (!sameFile)
        app_.siteFile = App::SiteFile::None;
    app_.saveBaseline().mark(cfg);
    app_.setCurrentFile(path);
    return true;
}

void lintor1::showRecentFiles()
{
    recent_->clear();
    const QStringList paths = recentFiles(*toolSettings());
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString &path = paths[i];
        QAction *a = recent_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        a->setObjectName(QStringLiteral("MnRecent%1").arg(i + 1));
        a->setToolTip(path);
        a->setStatusTip(path);
        // Moved or deleted since: shown, so the list does not seem to forget it silently.
        a->setEnabled(QFileInfo::exists(path));
        connect(a, &QAction::triggered, this, [this, path] { app_.guarded([&] { openFileAt(path); }); });
    }
    if (paths.isEmpty())
        recent_->addAction(tr("(none)"))->setEnabled(false);
}

void lintor1::printConfiguration()
{
    Config &cfg = app_.config();
    // Nothing on screen yet: a saved configuration is what there is to print.
    if (cfg.CevrimSayisi == 0)
        return printFile();
    const QString file = app_.currentFile();
    const QByteArray bytes = storage::configFileBytes(cfg);  // a value that does not fit ends the command
    const QString name = file.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(file).fileName();
    storage::ReportResult report = storage::reportFromBytes(bytes, name, cfg.McuVersiyon);
    storage::addZoneNames(report, cfg.site.zoneNames);
    if (const auto f = comm::panelFingerprint(cfg))
        report.fingerprint = f->shown();
    printReport(report, pdfBeside(file));
}

void lintor1::printFile()
{
    const QString path = app_.fileDialogs().openFileName(QStringLiteral("PRINT"), kConfigFilter);
    if (path.isEmpty())
        return;
    const int mcu = app_.config().McuVersiyon;
    // Read once: the fingerprint must be of the bytes printed.
    const storage::FileBytes file = storage::readFileBytes(path);
    if (!file.ok())
        return printReport(storage::RaporYazdir(path, mcu), pdfBeside(path));
    storage::ReportResult report = storage::reportFromBytes(file.bytes, file.name, mcu);
    if (const auto f = comm::fileFingerprint(file.bytes, mcu))
        report.fingerprint = f->shown();
    printReport(report, pdfBeside(path));
}

void lintor1::printReport(const storage::ReportResult &report, const QString &pdfName)
{
    if (!report.ok) {
        app_.messages().message(report.message);
        return;
    }
    printDocument(storage::reportDocument(report, QStringLiteral("Configuration report"), QDateTime::currentDateTime()),
                  pdfName);
}

void lintor1::PanelKonfigKontrol()
{
    auto open = [this] {
        if (app_.config().CevrimSayisi == 0)
            return;
        hide();
        app_.panelWindow()->openWindow();
    };
    if (app_.config().CevrimSayisi == 0) {
        app_.messages().message(tr("Number of loops"));
        app_.openNewConfig(open);
        return;
    }
    open();
}

void lintor1::CihazKonfigKontrol()
{
    auto open = [this] {
        if (app_.config().CevrimSayisi == 0)
            return;
        if (!openDeviceWindow)
            return notAvailable();
        handOver(openDeviceWindow);
    };
    if (app_.config().CevrimSayisi == 0) {
        app_.messages().message(tr("Number of loops"));
        app_.openNewConfig(open);
        return;
    }
    open();
}

void lintor1::chooseMcuVersion()
{
    app_.config().McuVersiyon = 0;
    app_.versionWindow()->openWindow();
}

void lintor1::about()
{
    const QStringList lines{tr("PC Version : ") + kToolVersion, QStringLiteral("Qt ") + qVersion(), kToolCopyright,
                            kToolLicence};
    app_.messages().about(lines.join(u'\n'), tr("About %1").arg(QCoreApplication::translate("vaz", kToolTitle)));
}

void lintor1::transfer(comm::Transfer transfer)
{
    if (!startTransfer)
        return notAvailable();
    const bool upload = transfer == comm::Transfer::Upload;
    if (upload)
        GonderimModu = 1;
    try {
        handOver([&] { startTransfer(transfer); });
    } catch (...) {
        if (upload)
            GonderimModu = 0;
        throw;
    }
}

void lintor1::upload()
{
    const QList<comm::Finding> findings = comm::preUploadFindings(app_.config());
    QStringList lines;
    for (const comm::Finding &f : findings)
        lines << comm::findingLine(f);
    if (!lines.isEmpty() && !app_.messages().proceedDespite(
                                tr("The panel will take this configuration, but some of it is probably not meant:"),
                                lines, tr("Upload anyway"), tr("Upload")))
        return;
    transfer(comm::Transfer::Upload);
}

void lintor1::download()
{
    // What the panel sends replaces everything, so unsaved work is offered a file first.
    if (app_.saveBaseline().unsaved(app_.config())) {
        const Answer a = app_.messages().question(tr("Save configuration?"), tr("Download"));
        if (a == Answer::Cancel || (a == Answer::Yes && !saveFile()))
            return;
    }
    transfer(comm::Transfer::Download);
}

void lintor1::compare() { transfer(comm::Transfer::Compare); }

void lintor1::causeEffect()
{
    if (!openCauseEffect)
        return notAvailable();
    if (app_.config().SSsayisi >= kMaxRules)
        return app_.messages().message(QCoreApplication::translate("vaz", kRuleLimitMessage));
    handOver(openCauseEffect);
}

void lintor1::options()
{
    if (!openPortSettings)
        return notAvailable();
    openPortSettings();
}

void lintor1::exportSheet(const QString &title, const storage::Sheet &sheet)
{
    const QString semicolons = tr("CSV, separated by semicolons (*.csv)");
    const QString commas = tr("CSV, separated by commas (*.csv)");
    // The separator the spreadsheet programs of this locale expect comes first.
    QStringList filters =
        storage::csvSeparatorFor(QLocale()) == u';' ? QStringList{semicolons, commas} : QStringList{commas, semicolons};
    if (storage::excelAvailable())
        filters << tr("Excel workbook (*.xlsx)");
    QString chosen;
    const QString path = app_.fileDialogs().saveFileName(title, filters, &chosen);
    if (path.isEmpty())
        return;
    const QChar separator = chosen == semicolons ? u';' : u',';
    if (const QString why = storage::writeSheetFile(path, sheet, separator); !why.isEmpty())
        app_.messages().message(why);
}

void lintor1::exportSchedule() { exportSheet(tr("Export device schedule"), storage::exportedSchedule(app_.config())); }

void lintor1::exportEmptySchedule()
{
    exportSheet(tr("Export empty schedule"), storage::exportedSchedule(app_.config(), true));
}

void lintor1::showMatrix()
{
    if (app_.config().CevrimSayisi == 0)
        return;
    app_.causeEffectMatrix()->openWindow();
}

void lintor1::rulesByZone()
{
    if (!action("BtSebepSonuc")->isEnabled())
        return;
    if (app_.config().SSsayisi >= kMaxRules)
        return app_.messages().message(QCoreApplication::translate("vaz", kRuleLimitMessage));
    app_.rulesByZone()->openWindow();
}

void lintor1::siteData() { app_.siteDataWindow()->openWindow(); }

void lintor1::walkTest()
{
    if (app_.config().CevrimSayisi == 0)
        return app_.messages().message(
            tr("Start a new configuration or open one first: the walk test lists its devices."));
    app_.walkTest()->openWindow();
}

void lintor1::loopCalc()
{
    if (app_.config().CevrimSayisi == 0)
        return app_.messages().message(
            tr("Start a new configuration or open one first: the calculation counts its devices."));
    app_.loopCalcWindow()->openWindow(rememberedTypeCurrents(*toolSettings()));
}

void lintor1::printDocument(const storage::Document &doc, const QString &pdfName)
{
    app_.reportOutput().setPdfName(pdfName);
    QString error;
    if (!app_.reportOutput().print(doc, &error) && !error.isEmpty())
        app_.messages().message(error);
}

void lintor1::exportCauseEffectMatrix()
{
    exportSheet(tr("Export cause-effect matrix"), storage::causeEffectMatrix(app_.config()));
}

void lintor1::importSchedule()
{
    if (app_.config().CevrimSayisi == 0)
        return app_.messages().message(
            tr("Start a new configuration or open one first: the schedule goes into its loops."));
    const QString path =
        app_.fileDialogs().openFileName(tr("Import device schedule"), tr("Schedules (*.csv *.txt *.xlsx)"));
    if (path.isEmpty())
        return;
    const storage::TableRead schedule = storage::readSheetFile(path);
    if (!schedule.ok())
        return app_.messages().message(storage::sheetReadText(schedule));
    auto *preview = new SchedulePreview(app_.config(), storage::planSchedule(app_.config(), schedule.rows),
                                        app_.messages(), app_.fileDialogs(), this);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowModality(Qt::ApplicationModal);
    connect(preview, &QDialog::accepted, this, [this, rows = schedule.rows] {
        app_.guarded([&] {
            // Planned again: what OK stands for is the configuration as it is now.
            const storage::SchedulePlan plan = storage::planSchedule(app_.config(), rows);
            if (!plan.ok())
                return;
            storage::applySchedule(app_.config(), plan);
            app_.devicesReplaced();
            app_.recordStep(tr("Import device schedule"));
            statusBar()->showMessage(storage::planDoneSummary(plan));
        });
    });
    preview->show();
}

void lintor1::commissioningReport()
{
    Config &cfg = app_.config();
    if (cfg.CevrimSayisi == 0)
        return app_.messages().message(tr("Start a new configuration or open one first: the report describes it."));
    const QString file = app_.currentFile();
    storage::CommissioningSource source;
    source.fileName = file.isEmpty() ? tr("Untitled") : QFileInfo(file).fileName();
    source.printed = QDateTime::currentDateTime();
    // The saved file is what the panel's configuration can be traced back to.
    if (!file.isEmpty() && !app_.saveBaseline().unsaved(cfg)) {
        const storage::FileBytes saved = storage::readFileBytes(file);
        source.onDisk = saved.ok();
        source.bytes = saved.bytes;
    }
    if (!source.onDisk)
        source.bytes = storage::configFileBytes(cfg);
    if (const auto f = comm::panelFingerprint(cfg)) {
        source.fingerprint = f->shown();
        // What this computer recorded: the proof an inspector asks for.
        if (const auto r = comm::lastVerifiedUpload(comm::readTransferLog(app_.transferLog().path()), f->hex()))
            source.verified = storage::VerifiedUpload{r->when, r->user, r->device};
    }
    printDocument(storage::commissioningReport(cfg, source), pdfBeside(file, tr(" commissioning.pdf")));
}

void lintor1::compareWithFile()
{
    Config &cfg = app_.config();
    if (cfg.CevrimSayisi == 0)
        return app_.messages().message(
            tr("Start a new configuration or open one first: the file is compared with it."));
    const QString path = app_.fileDialogs().openFileName(tr("Compare with file"), kConfigFilter);
    if (path.isEmpty())
        return;
    auto other = std::make_unique<Config>();
    other->McuVersiyon = cfg.McuVersiyon;
    if (const storage::ReadResult r = storage::DosyadanVerileriOku(*other, path); r.status != storage::ReadStatus::Ok)
        return app_.messages().message(storage::readText(r));
    const QList<comm::FieldDifference> rows = comm::compareConfigurations(cfg, *other);
    auto *window = new KarsilastirmaSonucu(app_.messages(), app_.fileDialogs(), this);
    window->setObjectName(QStringLiteral("CompareWithFile"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    // The file was last changed when it was saved: results passed after that saw the change.
    const QList<comm::RetestItem> retest = comm::retestList(cfg, *other, rows);
    window->showFileDifferences(rows, retest, QFileInfo(path).fileName(), app_.reportOutput(),
                                comm::passedSince(retest, cfg.site.walkTests, QFileInfo(path).lastModified().toUTC()));
}

void lintor1::transferHistory() { app_.transferHistory()->openWindow(); }

void lintor1::closeEvent(QCloseEvent *event)
{
    Config &cfg = app_.config();
    bool leave = true;
    app_.guarded([&] {
        if (GonderimModu == 1 || !app_.saveBaseline().unsaved(cfg))
            return;
        const Answer a = app_.messages().question(tr("Save configuration?"), tr("Exit"));
        leave = a == Answer::No;
        // Yes leaves only once the configuration is safely in a file.
        if (a == Answer::Yes)
            leave = saveFile();
    });
    if (!leave) {
        event->ignore();
        return;
    }
    event->accept();
    app_.quit();
}

}  // namespace vaz
