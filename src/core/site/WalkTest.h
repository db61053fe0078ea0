#pragma once

#include "core/model/Installation.h"
#include "core/site/SiteData.h"
#include "core/storage/Csv.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// The walk test as the commissioning engineer does it: every input device,
// zone by zone, operated once and its result noted.
namespace vaz::site {

// An input device (detector, call point, input module) with its result.
struct WalkRow {
    DeviceKey key;
    int zone = 0;
    int type = 0;
    QString location;
    WalkTest test;
};

// The input devices of inst by zone (zone 0 last), location, loop and address.
QList<WalkRow> walkRows(const Installation &inst);

struct WalkSummary {
    int total = 0, tested = 0, failed = 0;
    QList<DeviceKey> failedKeys, notTestedKeys;
};
WalkSummary walkSummary(const QList<WalkRow> &rows);
// True when any input device of inst has a result.
bool hasWalkResults(const Installation &inst);

// "Passed", "Failed", "Not tested", translated.
QString resultName(WalkResult result);
// "Tested 12 of 40, failed 2", translated.
QString summaryText(const WalkSummary &summary);
// The summary, then the failed and the not tested devices listed, translated.
QStringList summaryLines(const WalkSummary &summary);
// How a result's time is shown: local time to the minute.
QString timeText(const QDateTime &at);

// The CSV file: a header, then a row an input device; English, as files are.
storage::SheetRows walkTable(const Installation &inst);

// What importing a walk-test table would change, before anything is stored.
struct WalkImportPlan {
    struct Change {
        DeviceKey key;
        WalkTest before, after;
    };
    struct Refused {
        enum class Why { BadPlace, BadResult, BadTime, LongRemark, Repeated };
        int row = 0;  // from 1, as spreadsheet programs count
        Why why = Why::BadPlace;
        QString cell;
    };
    struct Unknown {
        int row = 0;
        DeviceKey key;
    };
    bool noHeader = false;  // no loop, address and result columns: nothing read
    QList<Change> changes;
    QList<Refused> refused;
    QList<Unknown> unknown;  // no input device at that place
    bool changesNothing() const { return changes.isEmpty(); }
};

inline constexpr int kMaxRemarkLength = 200;

WalkImportPlan planWalkImport(const Installation &inst, const storage::SheetRows &rows);
void applyWalkImport(Installation &inst, const WalkImportPlan &plan);

// Translated: "12 results change, 1 row refused, 2 devices unknown".
QString importSummary(const WalkImportPlan &plan);
// A line a change, refused row and unknown device, translated.
QStringList importLines(const WalkImportPlan &plan);

}  // namespace vaz::site
