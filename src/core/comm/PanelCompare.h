#pragma once

#include "core/model/Installation.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace vaz::comm {

// One field of a download, named by where it belongs and what it is.
struct PanelField {
    QString where;  // "Loop 2 address 045", "Panel", "Cause-effect 3"
    QString field;  // "Zone", "Location", "Outputs", ...
    QByteArray value;
    bool numeric = true;
};

// What a panel holding exactly cfg (as an upload of cfg leaves it) sends on a
// download, in the order it sends it. The loop count is the tool's own.
QList<PanelField> expectedDownload(const Installation &cfg);

// Names the fields a download received, in the order they came, for a panel
// of the given MCU version. Fields past what the order accounts for are kept
// under "Panel" / "Extra field".
QList<PanelField> nameDownload(const QList<QByteArray> &received, int mcu);

// What a comparison without a difference says.
inline const QString kPanelHoldsConfiguration = QStringLiteral("The panel holds this configuration.");

struct FieldDifference {
    QString where;
    QString field;
    QString tool;
    QString panel;
};

// Its place and field in the windows' language; the rows, their file and the
// command line keep the English.
FieldDifference shownDifference(FieldDifference d);

// Field by field; numbers compare by value, texts byte by byte. A field only
// one side has (a different rule count) shows an empty value on the other.
QList<FieldDifference> compareDownload(const QList<PanelField> &tool, const QList<PanelField> &panel);

// Two configurations as a panel holding each would send them: what "diff"
// and Compare with file list.
QList<FieldDifference> compareConfigurations(const Installation &tool, const Installation &other);

// One line a difference, with a heading line naming the other side; CRLF line
// ends, fields quoted.
QByteArray differencesCsv(const QList<FieldDifference> &rows,
                          const QString &otherSide = QStringLiteral("In the panel"));

}  // namespace vaz::comm
