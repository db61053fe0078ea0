#pragma once

#include "core/devices/DeviceAddress.h"
#include "core/model/Installation.h"

#include <QAbstractItemModel>
#include <QStringList>

#include <array>
#include <optional>

namespace vaz {

class Changes;

// The installation as the device window's tree: the panel, its loop branches
// with their devices, and the cause-effect branch with the rules, sorted by
// name. Column 0 is a node's label ("045" for a device), column 1 a device's
// description. Icons are the window's to draw: KindRole and TypeRole say which.
class DeviceTreeModel : public QAbstractItemModel {
    Q_OBJECT

public:
    enum class Kind { None, Panel, Loop, Device, CauseEffect, Rule, Zone };
    enum Role { KindRole = Qt::UserRole + 1, TypeRole, LoopRole, AddressRole };

    explicit DeviceTreeModel(const Installation &cfg, QObject *parent = nullptr);

    // Once built, follows the shell: a command's changes in place, a
    // replacement by building anew.
    void listen(Changes &changes);
    bool isBuilt() const { return built_; }
    // Everything anew from the installation; nothing reserved or chosen.
    void build();
    // Rows follow the installation: devices, loop branches and rules come and go.
    void sync();
    // A rule the editor stored: shown once, however often told.
    void addRule(const QString &name);
    // A new device being entered holds its address before its type is stored.
    void setReserved(std::optional<DeviceAddress> at);
    std::optional<DeviceAddress> reserved() const { return reserved_; }
    // A type chosen but not yet stored: the device's icon shows it.
    void setChosenType(std::optional<DeviceAddress> at, int type = 0);

    QModelIndex panelIndex() const;
    QModelIndex loopIndex(int loop) const;
    QModelIndex deviceIndex(DeviceAddress at) const;
    QModelIndex causeEffectIndex() const;
    // The first rule of that name.
    QModelIndex ruleIndex(const QString &name) const;
    // Of any model whose rows carry these roles (proxies included).
    static Kind kindOf(const QModelIndex &index);
    static std::optional<DeviceAddress> deviceOf(const QModelIndex &index);
    // The loop of a loop or device node; 0 for any other.
    static int loopOf(const QModelIndex &index);
    // The devices shown, loop then address ascending.
    QList<DeviceAddress> devices() const;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

signals:
    // After sync, or a type chosen: what is shown is the installation as it is
    // now. Once for all the rows a command changed.
    void synced();

private:
    Kind kind(const QModelIndex &index) const;
    bool needsBranch(int loop) const;
    QList<int> storedAddresses(int loop) const;
    QStringList storedRules() const;
    void syncLoop(int loop);
    // Tells the views of the devices whose type, zone or location changed since last seen.
    void announceChanges(int loop);

    const Installation &cfg_;
    bool built_ = false;
    QList<int> loops_;  // the loops with a branch, ascending
    std::array<QList<int>, kLoops + 1> addresses_;
    QStringList rules_;
    std::optional<DeviceAddress> reserved_;
    std::optional<std::pair<DeviceAddress, int>> chosen_;
    struct Seen {
        int type = 0, zone = 0;
        QString location;
        bool operator==(const Seen &) const = default;
    };
    Seen seen(int loop, int address) const;
    std::array<std::array<Seen, kAddresses + 1>, kLoops + 1> seen_;
    QString seenPanel_;
};

}  // namespace vaz
