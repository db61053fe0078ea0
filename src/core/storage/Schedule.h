#pragma once

#include "core/storage/Spreadsheet.h"
#include "core/devices/DeviceAddress.h"
#include "core/model/Installation.h"

#include <QList>
#include <QString>

// The device schedule: one spreadsheet row a device, for designers and
// installers to exchange. What an import would change is worked out first as a
// plan, so that nothing changes while a row has a problem.
namespace vaz::storage {

enum ScheduleColumn {
    kLoopColumn,
    kAddressColumn,
    kTypeColumn,
    kZoneColumn,
    kLocationColumn,
    kBypassColumn,
    kInputEventColumn,
    kOutputEventColumn,
    kOutputDelayColumn,
    // The zones an output event reacts to, which need not be the device's
    // own zone: without them a round trip would lose them.
    kFireZoneColumn,
    kFaultZoneColumn,
    kScheduleColumns
};

QStringList scheduleHeader();

// The header, a row a device of the loops the configuration has (in loop then
// address order; none when empty is set), and the drop-down lists.
Sheet scheduleSheet(const Installation &inst, bool empty = false);
// The sheet a user saves: with a "Zone name" column after the zone once any
// zone has a name. Reading it back needs nothing of that column.
Sheet exportedSchedule(const Installation &inst, bool empty = false);

// What is wrong with a row of a schedule, as values; core/storage/ScheduleWords
// words it ("Row 14, Zone: 49 is above 48").
struct ScheduleProblem {
    enum class Kind {
        Empty,
        NotANumber,      // cell
        NotWhole,        // cell
        Below,           // cell, limit
        Above,           // cell, limit
        NotYesOrNo,      // cell
        NotFireOrFault,  // cell
        NotAType,        // cell
        DoesNotApply,    // to a device of type number
        TooLong,         // number characters, at most limit
        CannotBeSent,    // cell: the character
        NeedsZone,       // cell: Fire or Fault, as the sheet says it
        UsedAsInput,     // rules use the device as an input
        UsedAsOutput,    // rules use the device as an output
        NoColumn,        // cell: the column's title
        LoopBeyond,      // loop number, but the configuration has limit loops
        Twice,           // at appears twice
        CannotRemove,    // at is missing from the sheet, but rules use it
    };
    Kind kind = Kind::Empty;
    int row = 0;      // as the spreadsheet program counts, header = 1; 0: no row
    int column = -1;  // ScheduleColumn; -1: the row as a whole
    QString cell;     // as the sheet holds it, cut to 80 characters
    int number = 0, limit = 0;
    DeviceAddress at;
    QStringList rules;  // the rules' names
};

struct SchedulePlan {
    struct Change {
        DeviceAddress at;
        Installation::Device device;
    };
    QList<Change> changes;  // added and changed devices
    QList<DeviceAddress> removed;
    int added = 0, changed = 0;
    QList<ScheduleProblem> problems;
    bool ok() const { return problems.isEmpty(); }
    bool changesNothing() const { return changes.isEmpty() && removed.isEmpty(); }
};

// What importing the rows would do to inst. A cell that says what the export
// of the device says keeps the stored value as it is, so that an unchanged
// schedule changes nothing. Devices of the configuration's loops that no row
// names are removed. The apostrophe of a guarded cell (see guardedCell) goes,
// from a workbook too: a spreadsheet program that saves the CSV export as a
// workbook keeps it as text.
SchedulePlan planSchedule(const Installation &inst, const SheetRows &rows);
void applySchedule(Installation &inst, const SchedulePlan &plan);

// The rules as a grid to check a site against: a row a device that any rule
// names (loop, address, type, zone, location), then a row a panel output; a
// column a rule, headed by its name and condition; "I" where the row is an
// input of the rule, "O" where it is an output.
Sheet causeEffectMatrix(const Installation &inst);

}  // namespace vaz::storage
