#pragma once

#include "core/model/Installation.h"

#include <QList>

#include <optional>

namespace vaz {

// Devices taken by Copy: each with its address less the first one's.
struct CopiedDevice {
    int offset = 0;
    Installation::Device device;
};

// The copied devices of loop `loop`, addresses ascending.
QList<CopiedDevice> copyDevices(const Installation &inst, int loop, const QList<int> &addresses);

// Where copies land when pasted on a loop from address `from` on: each at its
// offset from there if that address is free, else at the next free one, and
// always after the one before it, so the order stays. An address is free
// while no device holds it. Nothing when the loop runs out of addresses.
std::optional<QList<int>> pasteAddresses(const Installation &inst, int loop, int from,
                                         const QList<CopiedDevice> &copies);

}  // namespace vaz
