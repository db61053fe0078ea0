#include "ui/devices/Fcihazverileri.h"

#include "ui/devices/AddRangeDialog.h"
#include "core/devices/DeviceCatalog.h"
#include "core/devices/DeviceRange.h"
#include "ui/devices/DeviceIcons.h"
#include "ui/devices/PropertyPanel.h"
#include "core/devices/UnusualDevices.h"
#include "ui/devices/YeniCihazSecimi.h"
#include "core/causeeffect/Rules.h"
#include "core/model/Conversions.h"
#include "core/panel/DisplayText.h"
#include "core/model/Config.h"
#include "core/model/Session.h"
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
#include <QRegularExpression>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>

namespace vaz {

namespace {

// Node texts the tree compares by: shown translated, the same all run long.
QString causeEffectText() { return QCoreApplication::translate("vaz::Fcihazverileri", "Cause-effect"); }
const QString kCauseEffectKey = QStringLiteral("TVcf");

QString loopText(int loop) { return QCoreApplication::translate("vaz::Fcihazverileri", "Loop %1").arg(loop); }

// A node click runs once per click: on the press when it moves the selection,
// on the release when the node was already selected. The right button leaves
// the selection alone; the rule popup works on the node last clicked.
class DeviceTree : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;
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
        QTreeWidget::keyPressEvent(e);
    }
    void mousePressEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::RightButton) {
            e->ignore();  // the context menu request follows
            return;
        }
        changedByPress = false;
        pressing = true;
        QTreeWidget::mousePressEvent(e);
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

    auto *tree = new DeviceTree(this);
    tree_ = tree;
    tree->returnPressed = [this] {
        if (QAction *editButton = button("BtEditCihaz"); editButton->isEnabled())
            editButton->trigger();
    };
    tree_->setObjectName(QStringLiteral("CihVerTreeView"));
    tree_->setAccessibleName(tr("Devices"));
    tree_->setHeaderHidden(true);
    // The label stays the node's text, which every command reads as the
    // address; a type code no type stands for is named beside it.
    tree_->setColumnCount(2);
    tree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    // A device's description whole, with a scroll bar where the window is
    // narrow; widened as longer ones come, not measured over every node.
    tree_->header()->setStretchLastSection(false);
    tree_->setFont(QFont(QStringLiteral("DejaVu Sans")));
    tree_->setUniformRowHeights(true);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    tree_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    connect(tree_, &QTreeWidget::currentItemChanged, this, [this, tree](QTreeWidgetItem *node) {
        if (quiet_ || !node)
            return;
        if (tree->pressing)
            tree->changedByPress = true;
        command([&] { CihVerTreeView_NodeClick(node); });
    });
    connect(tree_, &QTreeWidget::itemClicked, this, [this, tree](QTreeWidgetItem *node) {
        if (std::exchange(tree->changedByPress, false))
            return;
        command([&] { CihVerTreeView_NodeClick(node); });
    });
    // A click moves the current node before the selection follows.
    connect(tree_, &QTreeWidget::itemSelectionChanged, this, [this] {
        showEditState();
        showSelection();
    });
    connect(tree_, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        command([&] { CihVerTreeView_MouseDown(Qt::RightButton, tree_->viewport()->mapToGlobal(pos)); });
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

    auto *status = statusBar();
    status->setObjectName(QStringLiteral("StatusBar1"));
    panel_ = new PropertyPanel(
        session_, tree_, [status](const QString &why) { status->showMessage(why); }, this);

    connect(panel_, &PropertyPanel::stored, this, [this] { describeDevices(); });

    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("TreeFilter"));
    filter_->setPlaceholderText(tr("Address, type, Z3 or location"));
    filter_->setClearButtonEnabled(true);
    auto *filterLabel = new QLabel(tr("&Filter:"), this);
    filterLabel->setBuddy(filter_);
    connect(filter_, &QLineEdit::textChanged, this, [this] { applyFilter(); });

    zoneTree_ = new QTreeWidget(this);
    zoneTree_->setObjectName(QStringLiteral("ZoneTree"));
    zoneTree_->setAccessibleName(tr("Devices by zone"));
    zoneTree_->setHeaderHidden(true);
    zoneTree_->setColumnCount(2);
    zoneTree_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    zoneTree_->setFont(tree_->font());
    zoneTree_->setUniformRowHeights(true);
    // A device picked here is the one of the loop view: the panel shows and edits it.
    connect(zoneTree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        const QVariant key = item->data(0, Qt::UserRole);
        if (!key.isValid())
            return;
        const DeviceAddress at{key.toInt() / 1000, key.toInt() % 1000};
        if (QTreeWidgetItem *loop = loopNode(at.loop))
            for (int i = 0; i < loop->childCount(); ++i)
                if (addressOf(loop->child(i)) == at)
                    tree_->setCurrentItem(loop->child(i));
    });
    views_ = new QTabWidget(this);
    views_->setObjectName(QStringLiteral("DeviceViews"));
    views_->addTab(tree_, tr("&Loops"));
    views_->addTab(zoneTree_, tr("By &zone"));
    connect(views_, &QTabWidget::currentChanged, this, [this] {
        if (views_->currentWidget() == zoneTree_)
            buildZoneView();
    });

    auto *central = new QWidget(this);
    auto *layout = new QHBoxLayout(central);
    auto *left = new QGridLayout;
    left->addWidget(filterLabel, 0, 0);
    left->addWidget(filter_, 0, 1);
    left->addWidget(views_, 1, 0, 1, 2);
    layout->addLayout(left, 2);
    layout->addWidget(panel_, 3);
    setCentralWidget(central);
    resize(820, 520);
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

QTreeWidgetItem *Fcihazverileri::addNode(QTreeWidgetItem *parent, const QString &key, const QString &text, int icon)
{
    auto *node = new QTreeWidgetItem(QStringList{text});
    node->setData(0, Qt::UserRole, key);
    node->setIcon(0, devices::nodeIcon(icon));
    if (!parent) {
        tree_->addTopLevelItem(node);
        return node;
    }
    // Loops and the cause-effect branch keep their children sorted by text;
    // equal texts stay in the order they came.
    int lo = 0, hi = parent->childCount();
    if (parent == panelNode_)
        lo = hi;
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (text < parent->child(mid)->text(0))
            hi = mid;
        else
            lo = mid + 1;
    }
    parent->insertChild(lo, node);
    return node;
}

QTreeWidgetItem *Fcihazverileri::loopNode(int loop) const
{
    return loop >= 1 && loop <= kLoops ? loops_[loop] : nullptr;
}

int Fcihazverileri::loopOf(const QTreeWidgetItem *node)
{
    const QTreeWidgetItem *parent = node ? node->parent() : nullptr;
    if (parent)
        for (int L = 1; L <= kLoops; ++L)
            if (parent->text(0) == loopText(L))
                return L;
    return 0;
}

void Fcihazverileri::selectQuietly(QTreeWidgetItem *node)
{
    quiet_ = true;
    tree_->setCurrentItem(node);
    quiet_ = false;
}

void Fcihazverileri::removeNode(QTreeWidgetItem *node)
{
    if (node == entryNode_)
        entryNode_ = nullptr;
    quiet_ = true;
    delete node;
    quiet_ = false;
}

void Fcihazverileri::forgetDevice(int L, int A)
{
    Config &c = session_.config();
    c.removeDevice(L, A);
    c.BosAdres(L, A) = A;
}

std::optional<DeviceAddress> Fcihazverileri::addressOf(const QTreeWidgetItem *node)
{
    const int L = loopOf(node);
    if (L == 0 || !isDeviceLabel(node->text(0)))
        return std::nullopt;
    return DeviceAddress{L, static_cast<int>(textValue(node->text(0)))};
}

void Fcihazverileri::select(std::optional<DeviceAddress> device)
{
    selected_ = device;
    panel_->setDevice(device);
}

void Fcihazverileri::clickBranch(QTreeWidgetItem *branch)
{
    if (!branch)
        return;
    selectQuietly(branch);
    CihVerTreeView_NodeClick(branch);
}

void Fcihazverileri::addDeviceNode(int L, int A, int type)
{
    showType(addNode(loopNode(L), QString(), deviceLabel(A), devices::treeIcon(type)), type);
}

void Fcihazverileri::showType(QTreeWidgetItem *node, int type)
{
    node->setIcon(0, devices::typeIcon(type));
    const QString unknown =
        devices::isValidCode(type) ? QString() : devices::typeName(type, devices::Naming::Translated);
    node->setToolTip(0, unknown);
    node->setToolTip(1, unknown);
    describe(node, type);
}

void Fcihazverileri::describe(QTreeWidgetItem *node, int type)
{
    const std::optional<DeviceAddress> at = addressOf(node);
    if (!at)
        return;
    const Config &c = session_.config();
    QStringList parts{devices::typeName(type)};
    if (const int zone = c.BolgeNo(at->loop, at->address); zone > 0)
        parts << QStringLiteral("Z%1").arg(zone);
    if (const QString location = c.MahalText(at->loop, at->address).trimmed(); !location.isEmpty())
        parts << location;
    if (const QString text = parts.join(QStringLiteral("  ")); node->text(1) != text) {
        node->setText(1, text);
        // Measured only when longer than any before: a full tree is 508 of them.
        if (text.size() > longestDescription_) {
            longestDescription_ = text.size();
            const int width = tree_->fontMetrics().horizontalAdvance(text) + tree_->indentation();
            tree_->header()->resizeSection(1, std::max(width, tree_->header()->sectionSize(1)));
        }
    }
}

void Fcihazverileri::applyFilter()
{
    const QString filter = filter_->text().trimmed();
    // "Z3" is zone 3, not 30 to 39.
    static const QRegularExpression zoneOnly(QStringLiteral("^[Zz](\\d+)$"));
    const QRegularExpressionMatch zone = zoneOnly.match(filter);
    for (int L = 1; L <= kLoops; ++L) {
        QTreeWidgetItem *loop = loopNode(L);
        for (int i = 0; loop && i < loop->childCount(); ++i) {
            QTreeWidgetItem *node = loop->child(i);
            const std::optional<DeviceAddress> at = addressOf(node);
            bool shown = filter.isEmpty();
            if (!shown && zone.hasMatch())
                shown = at && session_.config().BolgeNo(at->loop, at->address) == zone.captured(1).toInt();
            else if (!shown)
                shown = (node->text(0) + u' ' + node->text(1)).contains(filter, Qt::CaseInsensitive);
            if (node->isHidden() == shown)
                node->setHidden(!shown);
        }
        if (loop && !filter.isEmpty())
            loop->setExpanded(true);
    }
}

void Fcihazverileri::buildZoneView()
{
    const Config &c = session_.config();
    zoneTree_->clear();
    std::array<QTreeWidgetItem *, kZones + 1> zones{};
    for (int L = 1; L <= kLoops; ++L) {
        QTreeWidgetItem *loop = loopNode(L);
        for (int i = 0; loop && i < loop->childCount(); ++i) {
            const std::optional<DeviceAddress> at = addressOf(loop->child(i));
            const int z = at ? int(c.BolgeNo(at->loop, at->address)) : 0;
            if (z < 1 || z > kZones)
                continue;
            if (!zones[z]) {
                zones[z] = new QTreeWidgetItem(QStringList{tr("Zone %1").arg(z)});
                zones[z]->setIcon(0, devices::nodeIcon(2));
            }
            auto *item =
                new QTreeWidgetItem(zones[z], QStringList{devicePlace(at->loop, at->address), loop->child(i)->text(1)});
            item->setIcon(0, loop->child(i)->icon(0));
            item->setData(0, Qt::UserRole, at->loop * 1000 + at->address);
        }
    }
    // Empty zones are left out.
    for (QTreeWidgetItem *zone : zones)
        if (zone) {
            zoneTree_->addTopLevelItem(zone);
            zone->setExpanded(true);
        }
}

void Fcihazverileri::command(const std::function<void()> &run)
{
    session_.guarded(run);
    describeDevices();
}

void Fcihazverileri::describeDevices()
{
    if (!built_)
        return;
    // Only what a command can change: the nodes it worked on. New nodes are
    // described as they are made, and Undo builds the tree anew.
    const Config &c = session_.config();
    QList<QTreeWidgetItem *> nodes = tree_->selectedItems();
    nodes << tree_->currentItem() << entryNode_;
    for (QTreeWidgetItem *node : nodes)
        if (const std::optional<DeviceAddress> at = addressOf(node))
            describe(node, c.CihazTipi(at->loop, at->address));
    if (!filter_->text().trimmed().isEmpty())
        applyFilter();
    if (views_->currentWidget() == zoneTree_)
        buildZoneView();
}

void Fcihazverileri::Form_Load()
{
    Config &c = session_.config();
    enable({"BtEditCihaz", "BtCihazOnay", "BtCihazIptal", "BtCihazSil", "BtYeniCihaz"}, false);
    quiet_ = true;
    tree_->clear();
    quiet_ = false;
    select(std::nullopt);
    loops_ = {};
    panelNode_ = addNode(nullptr, QStringLiteral("TVPanel"), c.PanelAdi, 1);
    for (int L = 1; L <= kLoops; ++L) {
        // Devices of a loop the count leaves out (a file's count may be 1 or 3)
        // are saved and uploaded all the same, so they get their branch too.
        if (devices::loopBranchByCount(c.CevrimSayisi, L) || c.loopHasDevices(L))
            loops_[L] = addNode(panelNode_, QStringLiteral("TVCevrim%1").arg(L), loopText(L), 2);
    }
    c.Cevrim1Eklendi = 1;
    if (c.CevrimSayisi > 1)
        c.Cevrim2Eklendi = 1;
    if (c.CevrimSayisi > 2)
        c.Cevrim3Eklendi = 1;
    if (c.CevrimSayisi == 4)
        c.Cevrim4Eklendi = 1;
    causeEffectNode_ = addNode(panelNode_, kCauseEffectKey, causeEffectText(), 11);
    // Everything after this point sorts into the branches.
    panelNode_->setExpanded(true);
    verileriYukle();
    panel_->load();
    mode_ = Mode::Browsing;
    entryNode_ = nullptr;
    built_ = true;
    showEditState();
}

void Fcihazverileri::verileriYukle()
{
    const Config &c = session_.config();
    for (int L = 1; L <= kLoops; ++L) {
        for (int A = 1; A <= kAddresses; ++A) {
            const int type = c.CihazTipi(L, A);
            if (type == 0)
                continue;
            button("BtEditCihaz")->setEnabled(true);
            addDeviceNode(L, A, type);
        }
    }
    for (int r = 1; r <= c.SSsayisi && r <= kMaxRules; ++r)
        addNode(causeEffectNode_, c.SSismi(r), c.SSismi(r), 11);
}

void Fcihazverileri::addRuleNode(const QString &name)
{
    if (built_)
        addNode(causeEffectNode_, name, name, 11);
}

void Fcihazverileri::CihVerTreeView_NodeClick(QTreeWidgetItem *node)
{
    Config &c = session_.config();
    c.SeciliDugum = node->text(0);
    QString branch = c.SeciliDugum;
    const bool device = isDeviceLabel(c.SeciliDugum);
    if (!device) {
        enable({"BtEditCihaz", "BtYeniCihaz", "BtCihazSil"}, false);
    } else {
        // A panel named with digits only is still the panel.
        branch = node->parent() ? node->parent()->text(0) : node->text(0);
        enable({"BtCihazSil"}, true);
    }
    bool loop = false;
    for (int L = 1; L <= kLoops && !loop; ++L) {
        if (branch == loopText(L)) {
            loop = true;
            c.SeciliCevrim = L;
            enable({"BtEditCihaz"}, false);
            enable({"BtYeniCihaz"}, true);
        }
    }
    if (!loop && (branch == panelNode_->text(0) || branch == causeEffectText())) {
        c.SeciliCevrim = 0;
        enable({"BtEditCihaz", "BtYeniCihaz"}, false);
    }
    select(addressOf(node));
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

void Fcihazverileri::CihVerTreeView_MouseDown(Qt::MouseButton mouseButton, const QPoint &globalPos)
{
    Config &c = session_.config();
    if (mouseButton != Qt::RightButton || c.SSsayisi < 1)
        return;
    if (const int r = SSbul(c, c.SeciliDugum)) {
        popupRule_ = r;
        popup_->popup(globalPos);
    }
}

void Fcihazverileri::MnSSicerik_Click() { emit ruleViewerRequested(popupRule_); }

void Fcihazverileri::SSsil_Click()
{
    Config &c = session_.config();
    const int k = popupRule_;
    if (k < 1 || k > c.SSsayisi)
        return;
    // The rule's own node, the first of equal names as the lookup finds the first rule.
    QTreeWidgetItem *node = nullptr;
    for (int i = 0; i < causeEffectNode_->childCount() && !node; ++i)
        if (causeEffectNode_->child(i)->data(0, Qt::UserRole).toString() == c.SSismi(k))
            node = causeEffectNode_->child(i);
    SSsil(c, k);
    if (node)
        removeNode(node);
    clickBranch(causeEffectNode_);
}

void Fcihazverileri::deleteSelectedDevice()
{
    Config &c = session_.config();
    QTreeWidgetItem *node = tree_->currentItem();
    const std::optional<DeviceAddress> at = addressOf(node);
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
    QTreeWidgetItem *parent = node->parent();
    removeNode(node);
    forgetDevice(L, A);
    clickBranch(parent);
}

void Fcihazverileri::deleteDevices(const QList<DeviceAddress> &devices)
{
    Config &c = session_.config();
    QStringList kept;
    for (int L = 1; L <= kLoops; ++L) {
        QTreeWidgetItem *loop = loopNode(L);
        QStringList keptHere;
        for (int i = loop ? loop->childCount() - 1 : -1; i >= 0; --i) {
            QTreeWidgetItem *node = loop->child(i);
            const std::optional<DeviceAddress> at = addressOf(node);
            if (!at || !devices.contains(*at))
                continue;
            if (c.SSsayisi != 0 && CihazSSdurumunaBak(c, L, at->address)) {
                keptHere.prepend(deviceLabel(at->address));
                continue;
            }
            removeNode(node);
            forgetDevice(L, at->address);
        }
        if (!keptHere.isEmpty())
            kept << (keptHere.size() == 1 ? tr("%1 address %2") : tr("%1 addresses %2"))
                        .arg(loopText(L), keptHere.join(u", "));
    }
    if (!kept.isEmpty())
        session_.messages().message(tr("Not deleted, as a cause-effect includes them: %1").arg(kept.join(u"; ")));
    clickBranch(loopNode(devices.value(0).loop));
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
    const int L = session_.config().SeciliCevrim;
    if (!loopNode(L))
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
    QTreeWidgetItem *loop = loopNode(plan.loop);
    if (!loop || !plan.canAdd())
        return;
    Config &c = session_.config();
    vaz::addRange(c, plan);
    for (int A : plan.addresses) {
        c.BosAdres(plan.loop, A) = 0;
        addDeviceNode(plan.loop, A, plan.type);
    }
    loop->setExpanded(true);
}

void Fcihazverileri::beginNewDevice()
{
    Config &c = session_.config();
    if (!isDeviceLabel(c.SeciliDugum) || c.SeciliCevrim == 0)
        return;
    // The address window hands the chosen address over as its label.
    const int L = c.SeciliCevrim;
    const int A = static_cast<int>(textValue(c.SeciliDugum));
    QTreeWidgetItem *loop = loopNode(L);
    // A taken address (another device's node was clicked meanwhile) would put
    // a second device on top of the first.
    if (!loop || c.BosAdres(L, A) != A)
        return;
    c.BosAdres(L, A) = 0;
    QTreeWidgetItem *node = addNode(loop, QString(), c.SeciliDugum, 4);
    selectQuietly(node);
    select(DeviceAddress{L, A});
    panel_->startNewDevice();
    enable({"BtCihazOnay", "BtCihazIptal"}, true);
    enable({"BtYeniCihaz"}, false);
    loop->setExpanded(true);
    mode_ = Mode::NewDevice;
    showUndoState();
    entry_ = {L, A};
    entryNode_ = node;
}

void Fcihazverileri::addressChoiceCancelled() { enable({"BtEditCihaz"}, true); }

void Fcihazverileri::editDevice()
{
    Config &c = session_.config();
    QTreeWidgetItem *node = tree_->currentItem();
    if (!selected_ || addressOf(node) != selected_)
        return;
    const auto [L, A] = *selected_;
    if (c.CihazTipi(L, A) == 0)
        return;
    enable({"BtCihazIptal", "BtCihazOnay"}, true);
    enable({"BtCihazSil"}, false);
    // Pressed again on the same device: Cancel still goes back to the first press.
    if (mode_ != Mode::Editing || !before_ || entryNode_ != node) {
        mode_ = Mode::Editing;
        showUndoState();
        entry_ = {L, A};
        entryNode_ = node;
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
    Config &c = session_.config();
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
    if (selected_) {
        panel_->commit(keep);
        for (int i = 0; i < tree_->topLevelItemCount(); ++i)
            for (QTreeWidgetItemIterator it(tree_->topLevelItem(i)); *it; ++it)
                if (const std::optional<DeviceAddress> at = addressOf(*it);
                    at && (at == selected_ || panel_->others().contains(*at)))
                    showType(*it, c.CihazTipi(at->loop, at->address));
    }
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
        QTreeWidgetItem *loop = entryNode_->parent();
        removeNode(entryNode_);
        forgetDevice(entry_.loop, entry_.address);
        clickBranch(loop);
    }
    const bool restore = mode == Mode::Editing && before_ && entryNode_;
    if (restore) {
        c.setDevice(entry_.loop, entry_.address, *before_);
        showType(entryNode_, before_->type);
        if (addressOf(tree_->currentItem()))
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
    entryNode_ = nullptr;
    before_.reset();
    othersBefore_.clear();
    panel_->setOthers({});
    enable({"BtCihazSil"}, addressOf(tree_->currentItem()).has_value());
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
    paste_->setEnabled(browsing && !copied_.isEmpty() && loopAt(tree_->currentItem()) != 0);
}

int Fcihazverileri::loopAt(const QTreeWidgetItem *node) const
{
    if (const std::optional<DeviceAddress> at = addressOf(node))
        return at->loop;
    for (int L = 1; L <= kLoops; ++L)
        if (node && loops_[L] == node)
            return L;
    return 0;
}

QList<DeviceAddress> Fcihazverileri::selectedDevices() const
{
    QList<DeviceAddress> devices;
    for (const QTreeWidgetItem *node : tree_->selectedItems())
        if (const std::optional<DeviceAddress> at = addressOf(node))
            devices.append(*at);
    std::sort(devices.begin(), devices.end());
    return devices;
}

QList<int> Fcihazverileri::selectedAddresses() const
{
    QList<int> addresses;
    const int L = loopAt(tree_->currentItem());
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
    if (mode_ != Mode::Browsing || !selected_ || addressOf(tree_->currentItem()) != selected_)
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
    const int L = loopAt(tree_->currentItem());
    copied_ = vaz::copyDevices(session_.config(), L, addresses);
    statusBar()->showMessage((copied_.size() == 1 ? tr("Copied %1 device of %2") : tr("Copied %1 devices of %2"))
                                 .arg(copied_.size())
                                 .arg(loopText(L)));
    showEditState();
}

void Fcihazverileri::selectLoop()
{
    QTreeWidgetItem *loop = loopNode(loopAt(tree_->currentItem()));
    if (!loop || loop->childCount() == 0 || mode_ != Mode::Browsing)
        return;
    clickBranch(loop->child(0));
    {
        // One showing for the whole loop, not one per device.
        const QSignalBlocker quiet(tree_);
        for (int i = 0; i < loop->childCount(); ++i)
            loop->child(i)->setSelected(true);
    }
    tree_->viewport()->update();
    showEditState();
    showSelection();
}

void Fcihazverileri::pasteCopies()
{
    Config &c = session_.config();
    QTreeWidgetItem *node = tree_->currentItem();
    const int L = loopAt(node);
    if (mode_ != Mode::Browsing || copied_.isEmpty() || L == 0)
        return;
    const std::optional<DeviceAddress> at = addressOf(node);
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
        const int A = placed->at(i);
        const Installation::Device &d = copied_[i].device;
        c.setDevice(L, A, d);
        c.BosAdres(L, A) = 0;
        addDeviceNode(L, A, d.type);
        labels << deviceLabel(A);
    }
    loopNode(L)->setExpanded(true);
    statusBar()->showMessage(
        (labels.size() == 1 ? tr("Pasted %1 at %2 address %3") : tr("Pasted %1 at %2 addresses %3"))
            .arg(count, loopText(L), labels.join(u", ")));
}

void Fcihazverileri::refresh()
{
    if (!built_)
        return;
    if (address_)
        address_->unload();
    Form_Load();
    showUndoState();
}

}  // namespace vaz
