#pragma once

#include "core/comm/PanelCompare.h"
#include "core/model/Installation.h"
#include "core/storage/Document.h"
#include "core/storage/Csv.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>

// What must be tested again after a change: whatever the change touches, and
// a sample of the rest, so that a change cannot break what nobody looked at.
namespace vaz::comm {

struct RetestItem {
    QString what;  // "Loop 1 address 005", "Sounder 1", "Cause-effect 2 'Kat1'"
    QString type;
    QString zone;
    QString location;
    QString why;
    site::DeviceKey device;  // a device's loop and address; 0 for a rule or panel output
};

// Touched, in this order: rules that differ and rules with a changed input;
// devices whose fields differ; every device and panel output of a rule that
// differs; the outputs of the rules a changed device is an input of; output
// modules reacting to a changed device's zone, old or new. Then a sample of
// 10 % (at least one, at most 50) of the other input devices of now, spread
// over zones and loops; the same change always gives the same sample.
// differences are compareDownload's rows between before and now.
QList<RetestItem> retestList(const Installation &now, const Installation &before,
                             const QList<FieldDifference> &differences);

// Why an unchanged input device is listed.
QString sampleReason();

// For each item, the time of a passed walk test taken after change (null
// when there is none, or the item is no device): those need no new test.
QList<QDateTime> passedSince(const QList<RetestItem> &items, const QMap<site::DeviceKey, site::WalkTest> &tests,
                             const QDateTime &change);

// Header and a row an item, for the CSV file.
storage::SheetRows retestTable(const QList<RetestItem> &items);
storage::Document retestDocument(const QList<RetestItem> &items, const QString &title, const QDateTime &printed);

}  // namespace vaz::comm
