#include "core/devices/ZoneModel.h"

#include "core/devices/DeviceCatalog.h"
#include "core/devices/DeviceFilter.h"
#include "core/devices/DeviceTreeModel.h"
#include "core/model/Conversions.h"

#include <QCoreApplication>

#include <array>

namespace vaz {

namespace {

// Zones are top level (id 0); a zone's devices carry the zone's row + 1.
using Kind = DeviceTreeModel::Kind;

}  // namespace

ZoneModel::ZoneModel(const Installation &cfg, DeviceTreeModel &devices, QObject *parent)
    : QAbstractItemModel(parent), cfg_(cfg), devices_(devices)
{
    connect(&devices_, &QAbstractItemModel::modelReset, this, &ZoneModel::rebuild);
    connect(&devices_, &DeviceTreeModel::synced, this, &ZoneModel::rebuild);
    rebuild();
}

void ZoneModel::rebuild()
{
    std::array<QList<DeviceAddress>, kZones + 1> byZone;
    for (const DeviceAddress &at : devices_.devices())
        if (const int z = cfg_.BolgeNo(at.loop, at.address); z >= 1 && z <= kZones)
            byZone[z].append(at);
    QList<Zone> zones;
    // Empty zones are left out.
    for (int z = 1; z <= kZones; ++z)
        if (!byZone[z].isEmpty())
            zones.append({z, byZone[z]});
    if (zones == zones_) {
        // The same devices in the same zones: only texts or icons may differ.
        for (int z = 0; z < zones_.size(); ++z)
            emit dataChanged(index(0, 0, index(z, 0)), index(int(zones_[z].devices.size()) - 1, 1, index(z, 0)));
        return;
    }
    beginResetModel();
    zones_ = std::move(zones);
    endResetModel();
}

QModelIndex ZoneModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent))
        return {};
    return createIndex(row, column, parent.isValid() ? quintptr(parent.row() + 1) : 0);
}

QModelIndex ZoneModel::parent(const QModelIndex &child) const
{
    if (!child.isValid() || child.internalId() == 0)
        return {};
    return createIndex(int(child.internalId() - 1), 0, quintptr(0));
}

int ZoneModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return int(zones_.size());
    if (parent.column() > 0 || parent.internalId() != 0)
        return 0;
    return int(zones_[parent.row()].devices.size());
}

int ZoneModel::columnCount(const QModelIndex &) const { return 2; }

QVariant ZoneModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (index.internalId() == 0) {
        if (role == DeviceTreeModel::KindRole)
            return int(Kind::Zone);
        if (role == Qt::DisplayRole && index.column() == 0) {
            const int zone = zones_[index.row()].number;
            return cfg_.site.withZoneName(zone,
                                          QCoreApplication::translate("vaz::Fcihazverileri", "Zone %1").arg(zone));
        }
        return {};
    }
    const DeviceAddress at = zones_[int(index.internalId() - 1)].devices[index.row()];
    switch (role) {
    case Qt::DisplayRole: return index.column() == 0 ? devicePlace(at.loop, at.address) : deviceDescription(cfg_, at);
    case Qt::AccessibleTextRole:
        return devices::spokenDevice(at.loop, at.address, cfg_.BolgeNo(at.loop, at.address),
                                     cfg_.CihazTipi(at.loop, at.address), cfg_.MahalText(at.loop, at.address));
    case DeviceTreeModel::KindRole: return int(Kind::Device);
    case DeviceTreeModel::LoopRole: return at.loop;
    case DeviceTreeModel::AddressRole: return at.address;
    case DeviceTreeModel::TypeRole: return devices_.data(devices_.deviceIndex(at), DeviceTreeModel::TypeRole);
    default: return {};
    }
}

}  // namespace vaz
