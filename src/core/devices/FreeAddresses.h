#pragma once

#include "core/model/Config.h"

#include <QStringList>

namespace vaz {

// Builds the free-address table from the configuration: an address is free
// while no device holds it. Sets AdresTablosuHazir.
void BaslangicAdresGirisi(Config &cfg);

// The free addresses 1..127 of one loop as device labels, ascending.
QStringList freeAddressLabels(const Config &cfg, int loop);

}  // namespace vaz
