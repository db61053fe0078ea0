#pragma once

#include "core/devices/DeviceAddress.h"
#include "core/model/Installation.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the configuration says a device sets off on a fire, or what sets an
// output off: the rules, the output modules that follow a zone, the ringing
// mode. Worded from the data only, never from a guess at what the panel does.
namespace vaz {

// A device on a loop, or a panel output as loop 5, address 1..7.
struct TraceTarget {
    DeviceAddress at;
    bool panelOutput() const;
};

// "2.45" or "2,45" for loop 2 address 45; "5.1" .. "5.7" for a panel output.
std::optional<TraceTarget> parseTraceTarget(const QString &text);

// The heading first ("Loop 2 address 045, Smoke detector, zone 3:"), then a
// line each. An address that holds no device gives only "... holds no device."
QStringList traceLines(const Installation &inst, const TraceTarget &target);

}  // namespace vaz
