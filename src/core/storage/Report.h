#pragma once

#include "core/storage/Document.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace vaz::storage {

// One print line: its items, the first at column 1, each further one at the
// start of the next 14-column print zone after the end of the one before.
using PrintLine = QStringList;

struct ReportResult {
    bool ok = false;
    QString message;         // for the user when !ok (the report then prints nothing)
    QList<PrintLine> lines;  // the whole report when ok
    // Where each rule's lines begin; a rule's lines run to the next one's or to the end.
    QList<qsizetype> ruleStarts;
    // "V2.0 3F2A-9C1B-07DE-55A0", shown above the report when set.
    QString fingerprint;
};

// The report of the configuration file at path, laid out for mcuVersion. Reads
// into storage of its own; never touches the configuration.
ReportResult RaporYazdir(const QString &path, int mcuVersion);
ReportResult reportFromBytes(QByteArrayView bytes, const QString &fileName, int mcuVersion);

// The named zones, listed before the cause-effects (a rule's lines run to the
// next rule's); nothing when no zone has a name.
void addZoneNames(ReportResult &report, const QMap<int, QString> &zoneNames);

// The line as text, items placed at their print zones.
QString layoutPrintLine(const PrintLine &items);
QStringList layoutReport(const QList<PrintLine> &lines);

// The laid-out report as pages go: a rule's lines kept on one page; title and
// date at every page's foot.
Document reportDocument(const ReportResult &report, const QString &title, const QDateTime &printed);

}  // namespace vaz::storage
