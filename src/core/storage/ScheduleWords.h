#pragma once

#include "core/storage/Schedule.h"

#include <QString>
#include <QStringList>

// A schedule's problems and a refused sheet in words. The texts go through
// Qt's translations: the windows, which load them, read them in the user's
// language; the command line, which does not, in English.
namespace vaz::storage {

// "Row 14, Zone: 49 is above 48", "Row 20: address 45 of loop 1 appears twice"
QString problemText(const ScheduleProblem &problem);

// The first hundred problems' lines, then "and N more" when there are more.
QStringList problemLines(const QList<ScheduleProblem> &problems);

// The problems as a sheet: Row, Column, Problem. A file, so always in English,
// whatever language the windows speak.
SheetRows problemTable(const QList<ScheduleProblem> &problems);

// A heading of the schedule or a word of its cells ("yes", "Fire", "Panel
// output"), which stay English in its file, as the user reads it; anything
// else as it is.
QString scheduleWord(const QString &english);

// "3 devices will be added, 1 changed and 2 removed."
QString planSummary(const SchedulePlan &plan);
// What the plan does to each device, in address order: what (Add, Change,
// Remove), loop, address, type, zone, location; a removed device as it is now.
QList<QStringList> planRows(const Installation &inst, const SchedulePlan &plan);
// "3 devices added, 1 changed and 2 removed.", once it is done.
QString planDoneSummary(const SchedulePlan &plan);

// Why read was refused: "The file "x.csv" cannot be imported: ...", or for
// bytes, the reason alone; empty when it was read.
QString sheetReadText(const TableRead &read);

}  // namespace vaz::storage
