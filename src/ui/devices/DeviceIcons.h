#pragma once

#include <QIcon>
#include <QIdentityProxyModel>
#include <QPixmap>

namespace vaz::devices {

// Tree icons by number: 1 panel, 2 loop, 3..10 the device types (see
// treeIcon), 11 cause-effect. Null for any other number.
QIcon nodeIcon(int number);

// The picture cell 0..8 of a device type at the size the property panel shows.
QPixmap picture(int cell);
// The tree's icon of a device type: the image list's, except that the two
// smoke detectors, which share one there, are told apart.
QIcon typeIcon(long long code);

}  // namespace vaz::devices

namespace vaz {

// A device tree or zone model with the tree's icons: panel, loop (and zone),
// a device's type (a new device's before a type is chosen: the smoke
// detector's), cause-effect and rule.
class DeviceIconModel : public QIdentityProxyModel {
    Q_OBJECT

public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
};

}  // namespace vaz
