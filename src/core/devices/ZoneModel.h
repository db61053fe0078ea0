#pragma once

#include "core/devices/DeviceAddress.h"
#include "core/model/Installation.h"

#include <QAbstractItemModel>

namespace vaz {

class DeviceTreeModel;

// The devices of a device tree by zone: the zones that hold any, ascending,
// each with its devices ("Loop 2 address 045" and the description) in loop
// and address order. Rows carry the device tree's roles; built anew when the
// tree is, and after its sync when the grouping changed.
class ZoneModel : public QAbstractItemModel {
    Q_OBJECT

public:
    ZoneModel(const Installation &cfg, DeviceTreeModel &devices, QObject *parent = nullptr);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    void rebuild();

    struct Zone {
        int number;
        QList<DeviceAddress> devices;
        bool operator==(const Zone &) const = default;
    };
    const Installation &cfg_;
    DeviceTreeModel &devices_;
    QList<Zone> zones_;
};

}  // namespace vaz
