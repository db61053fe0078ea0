#pragma once

#include "core/devices/DeviceAddress.h"
#include "core/model/Installation.h"

#include <QList>
#include <QStringList>

namespace vaz {

// The addresses 1..127 of one loop that no device holds, ascending, as device
// labels. `reserved` are taken all the same: a new device being entered holds
// its address before its type is stored.
QStringList freeAddressLabels(const Installation &cfg, int loop, const QList<DeviceAddress> &reserved = {});

}  // namespace vaz
