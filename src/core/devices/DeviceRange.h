#pragma once

#include "core/model/Installation.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vaz {

// Devices of one type and zone on a run of addresses of one loop. Addresses
// that hold a device are skipped, never overwritten; from > to is taken as the
// same run ascending. In the location pattern "{n}" is the address as the tree
// shows it ("045") and "{i}" counts the added devices from 1.
struct RangePlan {
    int loop = 0, type = 0, zone = 0;
    QList<int> addresses;   // the free ones, ascending: these get a device
    QStringList locations;  // for each of them, the pattern expanded
    QList<int> taken;       // already hold a device
    QString problem;        // why the plan cannot be carried out; empty: it can
    bool canAdd() const { return problem.isEmpty() && !addresses.isEmpty(); }
};

RangePlan planRange(const Installation &inst, int loop, int from, int to, int type, int zone, const QString &pattern);

// Stores the planned devices as Save stores a new one: type, zone and the
// location made plain and padded; the address's other fields stay.
void addRange(Installation &inst, const RangePlan &plan);

}  // namespace vaz
