#pragma once

#include <QIcon>
#include <QPixmap>

namespace vaz::devices {

// Tree icons by number: 1 panel, 2 loop, 3..10 the device types (see
// treeIcon), 11 cause-effect. Null for any other number.
QIcon nodeIcon(int number);

// The picture cell 0..8 of a device type at the size the property panel shows.
QPixmap picture(int cell);

}  // namespace vaz::devices
