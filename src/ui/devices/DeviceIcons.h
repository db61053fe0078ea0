#pragma once

#include <QIcon>
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
