#pragma once

#include "Csv.h"

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

// The first sheet of an Excel workbook, or a CSV file.
struct TableRead {
    SheetRows rows;
    QString error;  // for the user; empty when read
};
TableRead readSheetFile(const QString &path);

// The rows of a workbook's sheet (its XML, and that of the workbook's shared
// strings): shared and inline strings, numbers as digits.
SheetRows readSheetXml(const QByteArray &sheet, const QByteArray &sharedStrings);

// The Excel halves of the two above.
TableRead readXlsx(const QString &path);
QString writeXlsx(const QString &path, const Sheet &sheet);

}  // namespace vaz::storage
