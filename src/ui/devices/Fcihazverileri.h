#pragma once

#include "core/devices/DeviceAddress.h"
#include "core/devices/DevicePaste.h"
#include "core/model/Installation.h"
#include "ui/widgets/UndoActions.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLineEdit;
class QTabWidget;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

namespace vaz {

class Session;
class AddRangeDialog;
class PropertyPanel;
struct RangePlan;
class YeniCihazSecimi;

// The devices of the configuration as a tree (panel, loops, devices, rules)
// with the property panel of the selected device. Leaving by Exit only hides
// it; closing it by its frame unloads it, and the next opening builds the tree
// again from the configuration.
class Fcihazverileri : public QMainWindow {
    Q_OBJECT

public:
    Fcihazverileri(Session &session, QWidget *owner);
    ~Fcihazverileri() override;

    // Shows the window; the first showing after loading builds the tree.
    void openWindow();
    // Gone for good: hidden and deleted; unloaded() tells the owner.
    void unload();

    // A new rule's node under the cause-effect branch. Before the tree is built
    // nothing is needed: the build reads the rule from the configuration.
    void addRuleNode(const QString &name);
    // What Edit ▸ Undo and Redo would take back or bring again; empty: nothing.
    void setUndoState(const QString &undo, const QString &redo, bool dropped);
    // The configuration was put back by Undo or Redo: the tree is built again
    // and nothing is selected.
    void refresh();

    QTreeWidget *tree() const { return tree_; }
    PropertyPanel *panel() const { return panel_; }
    QMenu *popupMenu() const { return popup_; }
    YeniCihazSecimi *addressWindow() const;
    AddRangeDialog *rangeDialog() const;

    void Form_Load();
    void verileriYukle();
    void CihVerTreeView_NodeClick(QTreeWidgetItem *node);
    void CihVerTreeView_MouseDown(Qt::MouseButton button, const QPoint &globalPos);
    void Toolbar3_ButtonClick(QAction *button);
    void deleteSelectedDevice();
    // Deletes those of the devices no rule uses and names the others.
    void deleteDevices(const QList<DeviceAddress> &devices);
    // Edit ▸ Copy and Paste: the selected devices, pasted on a loop from its
    // first address or after the current device, never over a device.
    void copySelected();
    void pasteCopies();
    // Selects every device of the current node's loop; the first one shows.
    void selectLoop();
    void MnSSicerik_Click();
    void SSsil_Click();

    // Called by the address selection window.
    void beginNewDevice();
    void addressChoiceCancelled();

signals:
    void undoRequested();
    void redoRequested();
    void unloaded();
    // Left by Exit or by its frame: the main window comes back.
    void left();
    // "Show" in a rule's popup.
    void ruleViewerRequested(int rule);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    enum class Mode { Browsing, Editing, NewDevice };

    QAction *button(const char *key) const;
    void enable(std::initializer_list<const char *> keys, bool on);
    QTreeWidgetItem *addNode(QTreeWidgetItem *parent, const QString &key, const QString &text, int icon);
    QTreeWidgetItem *loopNode(int loop) const;
    static int loopOf(const QTreeWidgetItem *node);
    // The device a node stands for: a device label on a loop's branch.
    static std::optional<DeviceAddress> addressOf(const QTreeWidgetItem *node);
    // The device the property panel shows and edits; none for other nodes.
    void select(std::optional<DeviceAddress> device);
    // Selects without running the node click, as selecting from code does.
    void selectQuietly(QTreeWidgetItem *node);
    void removeNode(QTreeWidgetItem *node);
    // The address is free again and holds no device.
    void forgetDevice(int loop, int address);
    // After a removal the selection goes to the branch, as if clicked.
    void clickBranch(QTreeWidgetItem *branch);
    void backToBrowsing();
    void showUndoState();
    void showEditState();
    // The loop a loop node or a device node is on; 0 for any other node.
    int loopAt(const QTreeWidgetItem *node) const;
    // The selected devices of every loop, loop then address ascending.
    QList<DeviceAddress> selectedDevices() const;
    // Those of them on the current node's loop.
    QList<int> selectedAddresses() const;
    // The selected devices besides the shown one.
    QList<DeviceAddress> otherSelected() const;
    // With several selected, what they share; blank where they differ.
    void showSelection();
    // Icon and, beside the label, type, zone and location.
    void showType(QTreeWidgetItem *node, int type);
    void describe(QTreeWidgetItem *node, int type);
    // Every device node's text as the configuration now has it.
    void describeDevices();
    // Runs a command as the session guards it; the tree follows what it changed.
    void command(const std::function<void()> &run);
    // Hides the device nodes the filter box does not match.
    void applyFilter();
    void buildZoneView();
    // The node of a device stored at loop L, address A, sorted into its branch.
    void addDeviceNode(int L, int A, int type);
    // Closing during entry: Save, Cancel or neither, as the user answers.
    bool entryEndedForClosing();

    void newDevice();
    void askForRange();
    void addRange(const RangePlan &plan);
    void editDevice();
    void saveDevice();
    void cancelEntry();

    Session &session_;
    QTreeWidget *tree_ = nullptr;
    QTreeWidget *zoneTree_ = nullptr;
    QTabWidget *views_ = nullptr;
    QLineEdit *filter_ = nullptr;
    PropertyPanel *panel_ = nullptr;
    QMenu *popup_ = nullptr;
    QPointer<YeniCihazSecimi> address_;
    QPointer<AddRangeDialog> range_;
    QTreeWidgetItem *panelNode_ = nullptr;
    std::array<QTreeWidgetItem *, 5> loops_{};
    QTreeWidgetItem *causeEffectNode_ = nullptr;
    int popupRule_ = 0;  // the rule whose popup is open
    bool built_ = false;
    bool gone_ = false;
    bool quiet_ = false;
    bool sharedShown_ = false;
    qsizetype longestDescription_ = 0;
    Mode mode_ = Mode::Browsing;
    // The device being entered or edited, and what Cancel restores.
    std::optional<DeviceAddress> selected_;
    DeviceAddress entry_;
    QTreeWidgetItem *entryNode_ = nullptr;
    std::unique_ptr<Installation::Device> before_;
    // The other selected devices an edit also changes, as they were before it.
    QList<std::pair<DeviceAddress, Installation::Device>> othersBefore_;
    UndoActions undo_;
    QAction *copy_ = nullptr;
    QAction *paste_ = nullptr;
    QList<CopiedDevice> copied_;
    QString undoLabel_, redoLabel_;
    bool stepsDropped_ = false;
};

}  // namespace vaz
