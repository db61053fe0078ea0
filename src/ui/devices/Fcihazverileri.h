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
class QModelIndex;
class QSplitter;
class QTabWidget;
class QMenu;
class QTreeView;

namespace vaz {

class Session;
class AddRangeDialog;
class DeviceFilterModel;
class DeviceIconModel;
class DeviceTreeModel;
class PropertyPanel;
class ZoneModel;
struct RangePlan;
class YeniCihazSecimi;

// The devices of the configuration as a tree (panel, loops, devices, rules)
// with the property panel of the selected device. Leaving by Exit only hides
// it; closing it by its frame unloads it, and the next opening builds the tree
// again from the configuration. The tree follows the session's changes; when
// the devices are replaced it is built anew and nothing is selected.
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

    // The view shows the model through the filter box's proxy and the icons.
    QTreeView *tree() const { return tree_; }
    DeviceTreeModel *model() const { return model_; }
    // The loop of the node last clicked; 0 for the panel and cause-effect.
    int selectedLoop() const { return SeciliCevrim; }
    PropertyPanel *panel() const { return panel_; }
    QMenu *popupMenu() const { return popup_; }
    QMenu *devicePopupMenu() const { return devicePopup_; }
    YeniCihazSecimi *addressWindow() const;
    AddRangeDialog *rangeDialog() const;

    void Form_Load();
    // node: an index of model().
    void CihVerTreeView_NodeClick(const QModelIndex &node);
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
    void beginNewDevice(DeviceAddress at);
    void addressChoiceCancelled();

signals:
    void undoRequested();
    void redoRequested();
    void unloaded();
    // Left by Exit or by its frame: the main window comes back.
    void left();
    // "Show" in a rule's popup.
    void ruleViewerRequested(int rule);
    // "Edit..." and "Duplicate..." in a rule's popup.
    void ruleEditRequested(int rule);
    void ruleDuplicateRequested(int rule);
    // The tree has branches for loops 1 up to the loop count.
    void branchesBuilt(int loopCount);

protected:
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    enum class Mode { Browsing, Editing, NewDevice };

    QAction *button(const char *key) const;
    void enable(std::initializer_list<const char *> keys, bool on);
    // Between the view's indexes and the model's.
    QModelIndex toModel(const QModelIndex &view) const;
    QModelIndex toView(const QModelIndex &node) const;
    // The model's node the view has as current, column 0.
    QModelIndex current() const;
    // The device the property panel shows and edits; none for other nodes.
    void select(std::optional<DeviceAddress> device);
    // Selects without running the node click, as selecting from code does.
    void selectQuietly(const QModelIndex &node);
    // After a removal the selection goes to the branch, as if clicked.
    void clickBranch(const QModelIndex &branch);
    void expand(const QModelIndex &node);
    // The model was built anew: nothing selected, no entry going on.
    void reloaded();
    void backToBrowsing();
    void showUndoState();
    void showEditState();
    // The selected devices of every loop, loop then address ascending.
    QList<DeviceAddress> selectedDevices() const;
    // Those of them on the current node's loop.
    QList<int> selectedAddresses() const;
    // The selected devices besides the shown one.
    QList<DeviceAddress> otherSelected() const;
    // With several selected, what they share; blank where they differ.
    void showSelection();
    // The description column, widened for rows first..last of parent when
    // one is longer than any before.
    void widen(const QModelIndex &parent, int first, int last);
    // The label column, widened for rows first..last of parent (an index of
    // the view) and all below them.
    void widenLabels(const QModelIndex &parent, int first, int last);
    // Runs a command as the session guards it.
    void command(const std::function<void()> &run);
    // Closing during entry: Save, Cancel or neither, as the user answers.
    bool entryEndedForClosing();

    void newDevice();
    void askForRange();
    void addRange(const RangePlan &plan);
    void editDevice();
    void saveDevice();
    void cancelEntry();

    Session &session_;
    DeviceTreeModel *model_ = nullptr;
    DeviceFilterModel *filtered_ = nullptr;
    DeviceIconModel *shown_ = nullptr;
    ZoneModel *zones_ = nullptr;
    QTreeView *tree_ = nullptr;
    QTreeView *zoneTree_ = nullptr;
    QTabWidget *views_ = nullptr;
    QSplitter *splitter_ = nullptr;
    QLineEdit *filter_ = nullptr;
    PropertyPanel *panel_ = nullptr;
    QMenu *popup_ = nullptr;
    QMenu *devicePopup_ = nullptr;
    QPointer<YeniCihazSecimi> address_;
    QPointer<AddRangeDialog> range_;
    // The node last clicked: its label, and the loop it is on or is.
    QString SeciliDugum;
    int SeciliCevrim = 0;
    int popupRule_ = 0;  // the rule whose popup is open
    bool built_ = false;
    bool gone_ = false;
    int quiet_ = 0;  // while above 0 a new current node runs no node click
    bool sharedShown_ = false;
    qsizetype longestDescription_ = 0;
    Mode mode_ = Mode::Browsing;
    // The device being entered or edited, and what Cancel restores.
    std::optional<DeviceAddress> selected_;
    DeviceAddress entry_;
    // The node of the device entered or edited, while it stands.
    std::optional<DeviceAddress> entryNode_;
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
