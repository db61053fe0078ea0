#include "ui/devices/Fcihazverileri.h"

#include "ui/devices/AddRangeDialog.h"
#include "core/devices/DeviceCatalog.h"
#include "core/devices/DeviceFilter.h"
#include "core/devices/DeviceRange.h"
#include "core/devices/DeviceTreeModel.h"
#include "core/devices/ZoneModel.h"
#include "ui/devices/DeviceIcons.h"
#include "ui/devices/PropertyPanel.h"
#include "core/devices/UnusualDevices.h"
#include "ui/devices/YeniCihazSecimi.h"
#include "core/causeeffect/Rules.h"
#include "core/causeeffect/Trace.h"
#include "core/model/Conversions.h"
#include "core/panel/DisplayText.h"
#include "core/model/Config.h"
#include "core/model/Session.h"
#include "core/model/Settings.h"
#include "ui/widgets/HelpWindow.h"
#include "ui/widgets/ToolButton.h"
#include "ui/widgets/UndoActions.h"
#include "ui/widgets/ScreenFit.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QGridLayout>
#include <QTabWidget>
#include <QItemSelection>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeView>

#include <algorithm>

namespace vaz {

namespace {

using Kind = DeviceTreeModel::Kind;

const QString kSizeKey = QStringLiteral("deviceWindow/size");
const QString kSplitterKey = QStringLiteral("deviceWindow/splitter");

QString loopText(int loop) { return QCoreApplication::translate("vaz::Fcihazverileri", "Loop %1").arg(loop); }

// A node click runs once per click: on the press when it moves the selection,
// on the release when the node was already selected. The right button leaves
// the selection alone; the rule popup works on the node last clicked.
class DeviceTree : public QTreeView {
public:
    using QTreeView::QTreeView;
    bool pressing = false;
    bool changedByPress = false;
    std::function<void()> returnPressed;

protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && e->modifiers() == Qt::NoModifier &&
            returnPressed) {
            returnPressed();
            return;
        }
        QTreeView::keyPressEvent(e);
    }
    void mousePressEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::RightButton) {
            e->ignore();  // the context menu request follows
            return;
        }
        changedByPress = false;
        pressing = true;
        QTreeView::mousePressEvent(e);
        pressing = false;
    }
};

}  // namespace

Fcihazverileri::Fcihazverileri(Session &session, QWidget *owner) : QMainWindow(owner, Qt::Window), session_(session)
{
    setObjectName(QStringLiteral("Fcihazverileri"));
    setWindowTitle(tr("Device configuration"));
    setWindowIcon(devices::nodeIcon(1));

    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("MnDeviceEdit"));
    undo_ = addUndoActions(
        edit, "MnDevice", [this] { emit undoRequested(); }, [this] { emit redoRequested(); });
    edit->addSeparator();
    copy_ = edit->addAction(tr("&Copy"));
    copy_->setObjectName(QStringLiteral("MnDeviceCopy"));
    copy_->setShortcut(QKeySequence::Copy);
    paste_ = edit->addAction(tr("&Paste"));
    paste_->setObjectName(QStringLiteral("MnDevicePaste"));
    paste_->setShortcut(QKeySequence::Paste);
    QAction *selectLoopAction = edit->addAction(tr("Select all in &loop"));
    selectLoopAction->setObjectName(QStringLiteral("MnSelectLoop"));
    connect(selectLoopAction, &QAction::triggered, this, [this] { command([this] { selectLoop(); }); });
    for (QAction *a : {copy_, paste_}) {
        a->setShortcutContext(Qt::WindowShortcut);
        a->setEnabled(false);
    }
    connect(copy_, &QAction::triggered, this, [this] { command([this] { copySelected(); }); });
    connect(paste_, &QAction::triggered, this, [this] { command([this] { pasteCopies(); }); });

    auto *bar = addToolBar(tr("Toolbar3"));
    bar->setObjectName(QStringLiteral("Toolbar3"));
    bar->setAccessibleName(tr("Device commands"));
    bar->setMovable(false);
    bar->setIconSize(QSize(28, 28));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    addToolButton(bar, "BtYeniCihaz", QT_TRANSLATE_NOOP("vaz::ToolButton", "New device"), "new-device");
    addToolButton(bar, "BtAddRange", QT_TRANSLATE_NOOP("vaz::ToolButton", "Add range..."), "add-range");
    addToolButton(bar, "BtEditCihaz", QT_TRANSLATE_NOOP("vaz::ToolButton", "Edit device"), "edit");
    addToolButton(bar, "BtCihazOnay", QT_TRANSLATE_NOOP("vaz::ToolButton", "Save"), "save");
    addToolButton(bar, "BtCihazIptal", QT_TRANSLATE_NOOP("vaz::ToolButton", "Cancel"), "cancel");
    addToolButton(bar, "BtCihazSil", QT_TRANSLATE_NOOP("vaz::ToolButton", "Detele"), "delete");
    addToolButton(bar, "BtCihazYardim", QT_TRANSLATE_NOOP("vaz::ToolButton", "Help"), "help");
    addToolButton(bar, "BtCihazCikis", QT_TRANSLATE_NOOP("vaz::ToolButton", "Exit"), "exit");
    connect(bar, &QToolBar::actionTriggered, this, [this](QAction *a) { command([&] { Toolbar3_ButtonClick(a); }); });
    // The text box keeps Delete and Return for itself; during entry Delete device is off anyway.
    const struct {
        const char *key;
        QList<QKeySequence> keys;
    } shortcuts[] = {
        {"BtYeniCihaz", {Qt::Key_Insert}},
        {"BtEditCihaz", {Qt::Key_F2}},
        {"BtCihazOnay", {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}},
        {"BtCihazIptal", {Qt::Key_Escape}},
        {"BtCihazSil", {QKeySequence::Delete}},
        {"BtCihazCikis", {QKeySequence(Qt::CTRL | Qt::Key_W)}},
    };
    for (const auto &s : shortcuts)
        button(s.key)->setShortcuts(s.keys);

    model_ = new DeviceTreeModel(session_.config(), this);
    model_->listen(session_.changes());
    filtered_ = new DeviceFilterModel(session_.config(), this);
    filtered_->setSourceModel(model_);
    shown_ = new DeviceIconModel(this);
    shown_->setSourceModel(filtered_);

    auto *tree = new DeviceTree(this);
    tree_ = tree;
    tree->returnPressed = [this] {
        if (QAction *editButton = button("BtEditCihaz"); editButton->isEnabled())
            editButton->trigger();
    };
    tree_->setObjectName(QStringLiteral("CihVerTreeView"));
    tree_->setAccessibleName(tr("Devices"));
    tree_->setHeaderHidden(true);
    tree_->setModel(shown_);
    // Labels and a device's description whole, with a scroll bar where the
    // window is narrow; widened as longer ones come, not measured over every
    // node at each change. The user may widen them further.
    tree_->header()->setStretchLastSection(false);
    tree_->setFont(QFont(QStringLiteral("DejaVu Sans")));
    tree_->setUniformRowHeights(true);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    tree_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this, tree](const QModelIndex &node) {
        if (quiet_ > 0 || !node.isValid())
            return;
        if (tree->pressing)
            tree->changedByPress = true;
        command([&] { CihVerTreeView_NodeClick(toModel(node)); });
    });
    connect(tree_, &QAbstractItemView::clicked, this, [this, tree](const QModelIndex &node) {
        if (std::exchange(tree->changedByPress, false))
            return;
        command([&] { CihVerTreeView_NodeClick(toModel(node)); });
    });
    // A click moves the current node before the selection follows.
    connect(tree_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        showEditState();
        showSelection();
    });
    connect(tree_, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        command([&] { CihVerTreeView_MouseDown(Qt::RightButton, tree_->viewport()->mapToGlobal(pos)); });
    });
    // A node that goes (deleted, or hidden by the filter) moves the current
    // node to its neighbour; that is no click.
    connect(shown_, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this] { ++quiet_; });
    connect(shown_, &QAbstractItemModel::rowsRemoved, this, [this] { --quiet_; });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        reloaded();
        widen({}, 0, 0);
    });
    // Shown rows: also those the filter lets through again.
    connect(shown_, &QAbstractItemModel::modelReset, this, [this] {
        tree_->header()->resizeSection(0, 0);
        widenLabels({}, 0, shown_->rowCount() - 1);
    });
    connect(shown_, &QAbstractItemModel::rowsInserted, this, &Fcihazverileri::widenLabels);
    connect(shown_, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex &from, const QModelIndex &to) {
        // A device's label never changes.
        if (DeviceTreeModel::kindOf(from) != Kind::Device)
            widenLabels(from.parent(), from.row(), to.row());
    });
    connect(model_, &QAbstractItemModel::rowsInserted, this, &Fcihazverileri::widen);
    connect(model_, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex &from, const QModelIndex &to) {
        if (DeviceTreeModel::kindOf(from) == Kind::Device)
            widen(from.parent(), from.row(), to.row());
    });

    popup_ = new QMenu(this);
    popup_->setObjectName(QStringLiteral("popup"));
    QAction *show = popup_->addAction(tr("Show"));
    show->setObjectName(QStringLiteral("MnSSicerik"));
    popup_->addSeparator()->setObjectName(QStringLiteral("kesme"));
    QAction *del = popup_->addAction(tr("Delete"));
    del->setObjectName(QStringLiteral("SSsil"));
    connect(show, &QAction::triggered, this, [this] { command([this] { MnSSicerik_Click(); }); });
    connect(del, &QAction::triggered, this, [this] { command([this] { SSsil_Click(); }); });
    QAction *editRule = popup_->addAction(tr("Edit..."));
    editRule->setObjectName(QStringLiteral("MnEditRule"));
    QAction *duplicate = popup_->addAction(tr("Duplicate..."));
    duplicate->setObjectName(QStringLiteral("MnDuplicateRule"));
    connect(editRule, &QAction::triggered, this, [this] { emit ruleEditRequested(popupRule_); });
    connect(duplicate, &QAction::triggered, this, [this] { emit ruleDuplicateRequested(popupRule_); });

    // What the configuration says a device sets off on a fire, or what sets it off.
    devicePopup_ = new QMenu(this);
    devicePopup_->setObjectName(QStringLiteral("devicePopup"));
    QAction *trace = devicePopup_->addAction(tr("What it sets off..."));
    trace->setObjectName(QStringLiteral("MnTrace"));
    connect(trace, &QAction::triggered, this, [this] {
        command([this] {
            if (const std::optional<DeviceAddress> at = DeviceTreeModel::deviceOf(current()))
                session_.messages().message(traceLines(session_.config(), TraceTarget{*at}).join(u'\n'));
        });
    });

    auto *status = statusBar();
    status->setObjectName(QStringLiteral("StatusBar1"));
    panel_ = new PropertyPanel(
        session_, [status](const QString &why) { status->showMessage(why); }, this);
    connect(panel_, &PropertyPanel::typePicked, this,
            [this](DeviceAddress device, int type) { model_->setChosenType(device, type); });

    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("TreeFilter"));
    filter_->setPlaceholderText(tr("Address, type, Z3 or location"));
    filter_->setClearButtonEnabled(true);
    auto *filterLabel = new QLabel(tr("&Filter:"), this);
    filterLabel->setBuddy(filter_);
    connect(filter_, &QLineEdit::textChanged, this, [this](const QString &text) {
        filtered_->setFilter(text);
        if (!filtered_->filter().isEmpty())
            for (int L = 1; L <= kLoops; ++L)
                expand(model_->loopIndex(L));
    });

    zones_ = new ZoneModel(session_.config(), *model_, this);
    auto *zonesShown = new DeviceIconModel(this);
    zonesShown->setSourceModel(zones_);
    zoneTree_ = new QTreeView(this);
    zoneTree_->setObjectName(QStringLiteral("ZoneTree"));
    zoneTree_->setAccessibleName(tr("Devices by zone"));
    zoneTree_->setHeaderHidden(true);
    zoneTree_->setModel(zonesShown);
    zoneTree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    zoneTree_->setFont(tree_->font());
    zoneTree_->setUniformRowHeights(true);
    // Opened whole; a hidden view waits until its tab is chosen.
    connect(zonesShown, &QAbstractItemModel::modelReset, this, [this] {
        if (zoneTree_->isVisible())
            zoneTree_->expandAll();
    });
    // A device picked here is the one of the loop view: the panel shows and edits it.
    connect(zoneTree_, &QAbstractItemView::clicked, this, [this](const QModelIndex &item) {
        if (const std::optional<DeviceAddress> at = DeviceTreeModel::deviceOf(item))
            if (const QModelIndex node = toView(model_->deviceIndex(*at)); node.isValid())
                tree_->setCurrentIndex(node);
    });
    views_ = new QTabWidget(this);
    views_->setObjectName(QStringLiteral("DeviceViews"));
    views_->addTab(tree_, tr("&Loops"));
    views_->addTab(zoneTree_, tr("By &zone"));
    connect(views_, &QTabWidget::currentChanged, this, [this] {
        if (views_->currentWidget() == zoneTree_)
            zoneTree_->expandAll();
    });

    // The tree's side and the panel share the width as the user drags it.
    auto *left = new QWidget(this);
    auto *leftLayout = new QGridLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(filterLabel, 0, 0);
    leftLayout->addWidget(filter_, 0, 1);
    leftLayout->addWidget(views_, 1, 0, 1, 2);
    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName(QStringLiteral("DeviceSplitter"));
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(left);
    splitter_->addWidget(panel_);
    splitter_->setStretchFactor(0, 2);
    splitter_->setStretchFactor(1, 3);
    auto *central = new QWidget(this);
    (new QHBoxLayout(central))->addWidget(splitter_);
    setCentralWidget(central);
    const std::unique_ptr<QSettings> settings = toolSettings();
    resize(settings->value(kSizeKey, QSize(820, 520)).toSize());
    splitter_->restoreState(settings->value(kSplitterKey).toByteArray());
    fitToScreen(this);
}

Fcihazverileri::~Fcihazverileri() = default;

YeniCihazSecimi *Fcihazverileri::addressWindow() const { return address_; }
AddRangeDialog *Fcihazverileri::rangeDialog() const { return range_; }

QAction *Fcihazverileri::button(const char *key) const { return findChild<QAction *>(QString::fromLatin1(key)); }

void Fcihazverileri::enable(std::initializer_list<const char *> keys, bool on)
{
    for (const char *key : keys) {
        button(key)->setEnabled(on);
        // Both need a loop and no entry going on.
        if (qstrcmp(key, "BtYeniCihaz") == 0)
            button("BtAddRange")->setEnabled(on);
    }
}

void Fcihazverileri::openWindow()
{
    if (!built_)
        command([this] { Form_Load(); });
    show();
    raise();
    activateWindow();
}

void Fcihazverileri::unload()
{
    if (std::exchange(gone_, true))
        return;
    // What replaces the devices now is for the next window to build.
    session_.changes().disconnect(model_);
    hide();
    if (address_)
        address_->unload();
    if (range_)
        range_->close();
    emit unloaded();
    deleteLater();
}

void Fcihazverileri::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (gone_)
        return;
    if (mode_ != Mode::Browsing && entryNode_ && !entryEndedForClosing()) {
        event->ignore();
        return;
    }
    emit left();
    unload();
}

bool Fcihazverileri::entryEndedForClosing()
{
    switch (session_.messages().question(QStringLiteral("Save the device?"), windowTitle())) {
    case Answer::Yes: saveDevice(); return mode_ == Mode::Browsing;  // a refused Save keeps the entry going
    case Answer::No:
        // Also gives a new device's address back before the tree is gone.
        cancelEntry();
        return true;
    default: return false;
    }
}

void Fcihazverileri::hideEvent(QHideEvent *event)
{
    QMainWindow::hideEvent(event);
    if (event->spontaneous())
        return;
    const std::unique_ptr<QSettings> settings = toolSettings();
    settings->setValue(kSizeKey, size());
    settings->setValue(kSplitterKey, splitter_->saveState());
}

QModelIndex Fcihazverileri::toModel(const QModelIndex &view) const
{
    return filtered_->mapToSource(shown_->mapToSource(view)).siblingAtColumn(0);
}

QModelIndex Fcihazverileri::toView(const QModelIndex &node) const
{
    return shown_->mapFromSource(filtered_->mapFromSource(node));
}

QModelIndex Fcihazverileri::current() const { return toModel(tree_->currentIndex()); }

void Fcihazverileri::expand(const QModelIndex &node)
{
    if (const QModelIndex shown = toView(node); shown.isValid())
        tree_->expand(shown);
}

void Fcihazverileri::selectQuietly(const QModelIndex &node)
{
    ++quiet_;
    tree_->setCurrentIndex(toView(node));
    --quiet_;
}

void Fcihazverileri::select(std::optional<DeviceAddress> device)
{
    selected_ = device;
    panel_->setDevice(device);
}

void Fcihazverileri::clickBranch(const QModelIndex &branch)
{
    if (!branch.isValid())
        return;
    selectQuietly(branch);
    CihVerTreeView_NodeClick(branch);
}

void Fcihazverileri::widen(const QModelIndex &parent, int first, int last)
{
    const Config &c = session_.config();
    QList<DeviceAddress> devices;
    if (!parent.isValid())
        devices = model_->devices();
    else
        for (int row = first; row <= last; ++row)
            if (const std::optional<DeviceAddress> at = DeviceTreeModel::deviceOf(model_->index(row, 0, parent)))
                devices.append(*at);
    // Measured only when longer than any before: a full tree is 508 of them.
    for (const DeviceAddress &at : devices)
        if (const QString text = deviceDescription(c, at); text.size() > longestDescription_) {
            longestDescription_ = text.size();
            const int width = tree_->fontMetrics().horizontalAdvance(text) + tree_->indentation();
            tree_->header()->resizeSection(1, std::max(width, tree_->header()->sectionSize(1)));
        }
}

void Fcihazverileri::widenLabels(const QModelIndex &parent, int first, int last)
{
    int depth = tree_->rootIsDecorated() ? 1 : 0;
    for (QModelIndex p = parent; p.isValid(); p = p.parent())
        ++depth;
    int width = tree_->header()->sectionSize(0);
    for (int row = first; row <= last; ++row) {
        const QModelIndex node = shown_->index(row, 0, parent);
        // Device labels are three digits, all as wide as the first.
        if (row > first && DeviceTreeModel::kindOf(node) == Kind::Device)
            break;
        width = std::max(width, tree_->sizeHintForIndex(node).width() + depth * tree_->indentation());
        if (const int children = shown_->rowCount(node))
            widenLabels(node, 0, children - 1);
    }
    if (width > tree_->header()->sectionSize(0))
        tree_->header()->resizeSection(0, width);
}

void Fcihazverileri::MnSSicerik_Click() { emit ruleViewerRequested(popupRule_); }

void Fcihazverileri::CihVerTreeView_MouseDown(Qt::MouseButton mouseButton, const QPoint &globalPos)
{
    const Config &c = session_.config();
    if (mouseButton != Qt::RightButton)
        return;
    if (const std::optional<DeviceAddress> at = DeviceTreeModel::deviceOf(current());
        at && c.CihazTipi(at->loop, at->address) != 0) {
        devicePopup_->actions().constFirst()->setText(devices::isRuleOutput(c.CihazTipi(at->loop, at->address))
                                                          ? tr("What sets it off...")
                                                          : tr("What it sets off..."));
        devicePopup_->popup(globalPos);
        return;
    }
    if (c.SSsayisi < 1)
        return;
    if (const int r = SSbul(c, SeciliDugum)) {
        popupRule_ = r;
        popup_->popup(globalPos);
    }
}

void Fcihazverileri::SSsil_Click()
{
    Config &c = session_.config();
    const int k = popupRule_;
    if (k < 1 || k > c.SSsayisi)
        return;
    SSsil(c, k);
    model_->sync();
    clickBranch(model_->causeEffectIndex());
}

void Fcihazverileri::deleteSelectedDevice()
{
    Config &c = session_.config();
    const QModelIndex node = current();
    const std::optional<DeviceAddress> at = DeviceTreeModel::deviceOf(node);
    if (!at)
        return;
    if (const QList<DeviceAddress> several = selectedDevices(); several.size() > 1) {
        deleteDevices(several);
        return;
    }
    const auto [L, A] = *at;
    if (c.SSsayisi != 0 && CihazSSdurumunaBak(c, L, A)) {
        session_.messages().message(tr("Unable to delete because the device is included in a cause-effect"));
        return;
    }
    c.removeDevice(L, A);
    model_->sync();
    clickBranch(model_->loopIndex(L));
}

void Fcihazverileri::deleteDevices(const QList<DeviceAddress> &devices)
{
    Config &c = session_.config();
    QStringList kept;
    for (int L = 1; L <= kLoops; ++L) {
        QStringList keptHere;
        for (const DeviceAddress &at : devices) {
            if (at.loop != L || !model_->deviceIndex(at).isValid())
                continue;
            if (c.SSsayisi != 0 && CihazSSdurumunaBak(c, L, at.address))
                keptHere << deviceLabel(at.address);
            else
                c.removeDevice(L, at.address);
        }
        if (!keptHere.isEmpty())
            kept << (keptHere.size() == 1 ? tr("%1 address %2") : tr("%1 addresses %2"))
                        .arg(loopText(L), keptHere.join(u", "));
    }
    model_->sync();
    if (!kept.isEmpty())
        session_.messages().message(tr("Not deleted, as a cause-effect includes them: %1").arg(kept.join(u"; ")));
    clickBranch(model_->loopIndex(devices.value(0).loop));
}

void Fcihazverileri::Toolbar3_ButtonClick(QAction *pressed)
{
    const QString key = pressed->objectName();
    if (key == u"BtYeniCihaz")
        newDevice();
    else if (key == u"BtAddRange")
        askForRange();
    else if (key == u"BtEditCihaz")
        editDevice();
    else if (key == u"BtCihazOnay")
        saveDevice();
    else if (key == u"BtCihazIptal")
        cancelEntry();
    else if (key == u"BtCihazSil") {
        deleteSelectedDevice();
        panel_->findChild<QLineEdit *>(QStringLiteral("CihVerMahal"))->setEnabled(false);
    } else if (key == u"BtCihazYardim") {
        showHelp(QStringLiteral("devices"));
    } else if (key == u"BtCihazCikis") {
        // An open address choice would otherwise bring this window back later.
        if (address_)
            address_->AdresSecimCNCL_Click();
        hide();
        emit left();
    }
}

void Fcihazverileri::newDevice()
{
    // The address list would take over the selected address, and the unfinished
    // device's zone and Save would land on the new one.
    if (mode_ != Mode::Browsing) {
        session_.messages().message(tr("Save or cancel the device being entered first."));
        return;
    }
    enable({"BtEditCihaz"}, false);
    panel_->prepareNewDevice();
    if (address_)
        address_->unload();
    auto *w = new YeniCihazSecimi(session_, this);
    address_ = w;
    connect(w, &YeniCihazSecimi::unloaded, this, [this, w] {
        if (address_ == w)
            address_ = nullptr;
    });
    if (w->list()->count() > 0)
        w->list()->setCurrentRow(0);
    w->show();
}

void Fcihazverileri::askForRange()
{
    // The range could take the address of the device being entered.
    if (mode_ != Mode::Browsing) {
        session_.messages().message(tr("Save or cancel the device being entered first."));
        return;
    }
    const int L = SeciliCevrim;
    if (!model_->loopIndex(L).isValid())
        return;
    if (range_)
        range_->close();
    auto *dialog = new AddRangeDialog(session_.config(), L, this);
    range_ = dialog;
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QDialog::accepted, this, [this, dialog] { command([&] { addRange(dialog->plan()); }); });
    dialog->show();
}

void Fcihazverileri::addRange(const RangePlan &plan)
{
    if (!model_->loopIndex(plan.loop).isValid() || !plan.canAdd())
        return;
    vaz::addRange(session_.config(), plan);
    model_->sync();
    expand(model_->loopIndex(plan.loop));
}

void Fcihazverileri::beginNewDevice(DeviceAddress at)
{
    const auto [L, A] = at;
    // A taken address would put a second device on top of the first.
    if (!model_->loopIndex(L).isValid() || A < 1 || A > kAddresses || session_.config().CihazTipi(L, A) != 0 ||
        model_->reserved())
        return;
    model_->setReserved(at);
    selectQuietly(model_->deviceIndex(at));
    select(at);
    panel_->startNewDevice();
    enable({"BtCihazOnay", "BtCihazIptal"}, true);
    enable({"BtYeniCihaz"}, false);
    expand(model_->loopIndex(L));
    mode_ = Mode::NewDevice;
    showUndoState();
    entry_ = at;
    entryNode_ = at;
}

void Fcihazverileri::addressChoiceCancelled() { enable({"BtEditCihaz"}, true); }

void Fcihazverileri::editDevice()
{
    Config &c = session_.config();
    if (!selected_ || DeviceTreeModel::deviceOf(current()) != selected_)
        return;
    const auto [L, A] = *selected_;
    if (c.CihazTipi(L, A) == 0)
        return;
    enable({"BtCihazIptal", "BtCihazOnay"}, true);
    enable({"BtCihazSil"}, false);
    // Pressed again on the same device: Cancel still goes back to the first press.
    if (mode_ != Mode::Editing || !before_ || entryNode_ != selected_) {
        mode_ = Mode::Editing;
        showUndoState();
        entry_ = {L, A};
        entryNode_ = entry_;
        before_ = std::make_unique<Installation::Device>(c.device(L, A));
        othersBefore_.clear();
        const QList<DeviceAddress> others = otherSelected();
        for (const DeviceAddress &other : others)
            othersBefore_.append({other, c.device(other.loop, other.address)});
        panel_->setOthers(others);
    }
    panel_->enableForEditing();
}

void Fcihazverileri::saveDevice()
{
    // Several devices of different types keep theirs while none is chosen.
    const bool several = mode_ == Mode::Editing && !othersBefore_.isEmpty();
    if (!panel_->typeChosen() && !several) {
        session_.messages().message(tr("Select a device type first."));
        return;
    }
    // Saving an edit that left the location alone keeps it exactly as stored.
    const bool keep = mode_ == Mode::Editing && selected_ && panel_->location() == panel_->shownLocation();
    if (!keep)
        panel_->setLocation(MahalVerKarakterDuzenle(panel_->location()));
    if (selected_)
        panel_->commit(keep);
    enable({"BtCihazIptal", "BtCihazOnay"}, false);
    enable({"BtEditCihaz", "BtYeniCihaz"}, true);
    backToBrowsing();
    if (several)
        showSelection();
}

void Fcihazverileri::cancelEntry()
{
    Config &c = session_.config();
    const Mode mode = std::exchange(mode_, Mode::Browsing);
    if (mode == Mode::NewDevice && entryNode_) {
        // Never stored, so nothing of it may stay; its address is free again.
        c.removeDevice(entry_.loop, entry_.address);
        entryNode_.reset();
        model_->setReserved(std::nullopt);
        clickBranch(model_->loopIndex(entry_.loop));
    }
    const bool restore = mode == Mode::Editing && before_ && entryNode_;
    if (restore) {
        c.setDevice(entry_.loop, entry_.address, *before_);
        model_->setChosenType(std::nullopt);
        if (DeviceTreeModel::deviceOf(current()))
            panel_->showDevice();
    }
    enable({"BtCihazOnay", "BtCihazIptal"}, false);
    enable({"BtYeniCihaz", "BtEditCihaz"}, true);
    const DeviceAddress entry = entry_;
    auto values = std::move(before_);
    const auto others = std::move(othersBefore_);
    backToBrowsing();
    // Showing it again runs the handlers; what they wrote goes back too.
    if (restore)
        c.setDevice(entry.loop, entry.address, *values);
    for (const auto &[at, device] : others)
        c.setDevice(at.loop, at.address, device);
    if (!others.isEmpty())
        showSelection();
}

void Fcihazverileri::backToBrowsing()
{
    panel_->endEditing();
    mode_ = Mode::Browsing;
    entryNode_.reset();
    before_.reset();
    othersBefore_.clear();
    panel_->setOthers({});
    // A new device saved holds its address by its type from now on.
    model_->setReserved(std::nullopt);
    model_->setChosenType(std::nullopt);
    enable({"BtCihazSil"}, DeviceTreeModel::deviceOf(current()).has_value());
    showUndoState();
}

void Fcihazverileri::setUndoState(const QString &undo, const QString &redo, bool dropped)
{
    undoLabel_ = undo;
    redoLabel_ = redo;
    stepsDropped_ = dropped;
    showUndoState();
}

// Undo while a device is being entered or edited would pull the device from
// under the entry.
void Fcihazverileri::showUndoState()
{
    showUndoLabels(undo_, undoLabel_, redoLabel_, stepsDropped_, mode_ == Mode::Browsing);
    showEditState();
}

// Copy and Paste wait for an entry to end, as Undo does.
void Fcihazverileri::showEditState()
{
    const bool browsing = mode_ == Mode::Browsing;
    copy_->setEnabled(browsing && !selectedAddresses().isEmpty());
    paste_->setEnabled(browsing && !copied_.isEmpty() && DeviceTreeModel::loopOf(current()) != 0);
}

QList<DeviceAddress> Fcihazverileri::selectedDevices() const
{
    QList<DeviceAddress> devices;
    for (const QModelIndex &node : tree_->selectionModel()->selectedRows())
        if (const std::optional<DeviceAddress> at = DeviceTreeModel::deviceOf(node))
            devices.append(*at);
    std::sort(devices.begin(), devices.end());
    return devices;
}

QList<int> Fcihazverileri::selectedAddresses() const
{
    QList<int> addresses;
    const int L = DeviceTreeModel::loopOf(current());
    for (const DeviceAddress &at : selectedDevices())
        if (at.loop == L)
            addresses.append(at.address);
    return addresses;
}

QList<DeviceAddress> Fcihazverileri::otherSelected() const
{
    QList<DeviceAddress> others = selectedDevices();
    if (selected_)
        others.removeAll(*selected_);
    return others;
}

void Fcihazverileri::showSelection()
{
    if (mode_ != Mode::Browsing || !selected_ || DeviceTreeModel::deviceOf(current()) != selected_)
        return;
    const QList<DeviceAddress> others = otherSelected();
    if (others.isEmpty() && !std::exchange(sharedShown_, false))
        return;
    // Back to one device: its own values again.
    panel_->showDevice();
    if (!others.isEmpty())
        panel_->showShared(others);
    sharedShown_ = !others.isEmpty();
}

void Fcihazverileri::copySelected()
{
    const QList<int> addresses = selectedAddresses();
    if (mode_ != Mode::Browsing || addresses.isEmpty())
        return;
    const int L = DeviceTreeModel::loopOf(current());
    copied_ = vaz::copyDevices(session_.config(), L, addresses);
    statusBar()->showMessage((copied_.size() == 1 ? tr("Copied %1 device of %2") : tr("Copied %1 devices of %2"))
                                 .arg(copied_.size())
                                 .arg(loopText(L)));
    showEditState();
}

void Fcihazverileri::selectLoop()
{
    const QModelIndex loop = toView(model_->loopIndex(DeviceTreeModel::loopOf(current())));
    const int n = shown_->rowCount(loop);
    if (!loop.isValid() || n == 0 || mode_ != Mode::Browsing)
        return;
    clickBranch(toModel(shown_->index(0, 0, loop)));
    {
        // One showing for the whole loop, not one per device.
        const QSignalBlocker quiet(tree_->selectionModel());
        tree_->selectionModel()->select(QItemSelection(shown_->index(0, 0, loop), shown_->index(n - 1, 0, loop)),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    tree_->viewport()->update();
    showEditState();
    showSelection();
}

void Fcihazverileri::pasteCopies()
{
    Config &c = session_.config();
    const QModelIndex node = current();
    const int L = DeviceTreeModel::loopOf(node);
    if (mode_ != Mode::Browsing || copied_.isEmpty() || L == 0)
        return;
    const std::optional<DeviceAddress> at = DeviceTreeModel::deviceOf(node);
    const int from = at ? at->address + 1 : 1;
    const std::optional<QList<int>> placed = pasteAddresses(c, L, from, copied_);
    const QString count = (copied_.size() == 1 ? tr("%1 device") : tr("%1 devices")).arg(copied_.size());
    if (!placed) {
        session_.messages().message(tr("%1 has no room for %2 from address %3 on; nothing was pasted.")
                                        .arg(loopText(L), count, deviceLabel(from)));
        return;
    }
    QStringList labels;
    for (qsizetype i = 0; i < placed->size(); ++i) {
        c.setDevice(L, placed->at(i), copied_[i].device);
        labels << deviceLabel(placed->at(i));
    }
    model_->sync();
    expand(model_->loopIndex(L));
    statusBar()->showMessage(
        (labels.size() == 1 ? tr("Pasted %1 at %2 address %3") : tr("Pasted %1 at %2 addresses %3"))
            .arg(count, loopText(L), labels.join(u", ")));
}

void Fcihazverileri::command(const std::function<void()> &run) { session_.guarded(run); }

void Fcihazverileri::Form_Load() { model_->build(); }

void Fcihazverileri::reloaded()
{
    if (address_)
        address_->unload();
    enable({"BtEditCihaz", "BtCihazOnay", "BtCihazIptal", "BtCihazSil", "BtYeniCihaz"}, false);
    select(std::nullopt);
    expand(model_->panelIndex());
    if (!model_->devices().isEmpty())
        button("BtEditCihaz")->setEnabled(true);
    panel_->load();
    mode_ = Mode::Browsing;
    entryNode_.reset();
    built_ = true;
    emit branchesBuilt(session_.config().CevrimSayisi);
    showUndoState();
}

void Fcihazverileri::addRuleNode(const QString &name) { model_->addRule(name); }

void Fcihazverileri::CihVerTreeView_NodeClick(const QModelIndex &node)
{
    SeciliDugum = node.siblingAtColumn(0).data().toString();
    // A panel or rule named with digits only is taken for a device label.
    const bool device = isDeviceLabel(SeciliDugum);
    QModelIndex branch = node;
    if (!device) {
        enable({"BtEditCihaz", "BtYeniCihaz", "BtCihazSil"}, false);
    } else {
        if (node.parent().isValid())
            branch = node.parent();
        enable({"BtCihazSil"}, true);
    }
    if (const Kind kind = DeviceTreeModel::kindOf(branch); kind == Kind::Loop) {
        SeciliCevrim = DeviceTreeModel::loopOf(branch);
        enable({"BtEditCihaz"}, false);
        enable({"BtYeniCihaz"}, true);
    } else if (kind == Kind::Panel || kind == Kind::CauseEffect) {
        SeciliCevrim = 0;
        enable({"BtEditCihaz", "BtYeniCihaz"}, false);
    }
    select(DeviceTreeModel::deviceOf(node));
    if (device) {
        if (selected_)
            panel_->showDevice();
        enable({"BtEditCihaz"}, true);
    }
    // A loop, the panel or a rule: no device's values, not the last one's.
    if (!selected_ && mode_ == Mode::Browsing)
        panel_->showNothing();
    showEditState();
}

}  // namespace vaz
