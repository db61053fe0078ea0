#pragma once

#include "core/storage/Csv.h"
#include "core/storage/SafeFile.h"

#include <QSet>
#include <QString>

namespace vaz::storage {

// What is written as a spreadsheet: rows (the first the header), and what
// Excel files carry beyond CSV.
struct Sheet {
    QString name;
    SheetRows rows;
    QList<QStringList> choices;  // by column: the values of its drop-down list; none when empty
    QSet<int> numberColumns;     // whole numbers there are written as numbers
};

// True when the build can write and read Excel workbooks.
bool excelAvailable();
bool isExcelPath(const QString &path);

// Writes CSV or, by the extension, an Excel workbook, without destroying what
// was there when it fails. The reason for the user when it did; empty when not.
QString writeSheetFile(const QString &path, const Sheet &sheet, QChar csvSeparator);

// The first sheet of an Excel workbook, or a CSV file, of at most 8 MB. A
// damaged workbook or one over the limits is refused whole, with the reason.
TableRead readSheetFile(const QString &path, PipeInput pipes = PipeInput::Refused);
TableRead readSheetBytes(const QByteArray &bytes, bool excel);

// The rows of a workbook's sheet (its XML, and that of the workbook's shared
// strings, empty when it has none): shared and inline strings, numbers as digits.
TableRead readSheetXml(const QByteArray &sheet, const QByteArray &sharedStrings);

// The Excel halves of the two above.
TableRead readXlsx(const QByteArray &bytes);
QString writeXlsx(const QString &path, const Sheet &sheet);

}  // namespace vaz::storage
