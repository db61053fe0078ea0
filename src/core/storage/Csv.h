#pragma once

#include "core/storage/SafeFile.h"

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QStringList>

namespace vaz::storage {

// A sheet as rows of cells; row 0 is what a spreadsheet program calls row 1.
using SheetRows = QList<QStringList>;

// A schedule has some 500 rows of a dozen cells; far beyond, it is nobody's
// data, and reading on would only fill the memory. Empty cells beyond the
// last column (spreadsheet programs pad rows to the widest) are dropped.
constexpr qsizetype kMaxSheetRows = 10000;
constexpr qsizetype kMaxSheetColumns = 64;

// Why a sheet was refused whole, as values; core/storage/ScheduleWords words it.
struct SheetProblem {
    enum class Kind {
        None,
        CannotRead,      // input
        TooLarge,        // the file is beyond any schedule
        TooManyRows,     // more than kMaxSheetRows
        WideRow,         // row has a filled cell beyond kMaxSheetColumns
        NotAWorkbook,    // no Excel workbook at all
        PartMissing,     // part of the workbook
        PartDamaged,     // part cannot be unpacked
        PartTooLarge,    // part unpacks to more than 16 MB
        PartXmlDamaged,  // part's XML cannot be read
        SheetDamaged,    // after row (0: before the first), as damage says
        NoExcel,         // this build reads no workbooks
    };
    enum class Part { Workbook, Relationships, Sheet, SharedStrings };
    enum class Damage { Xml, NoSharedStrings, NoSuchSharedString };
    Kind kind = Kind::None;
    Part part = Part::Sheet;
    Damage damage = Damage::Xml;
    int row = 0;   // from 1, as spreadsheet programs count
    QString file;  // the path, when a file was read
    InputProblem input;
};

struct TableRead {
    SheetRows rows;
    SheetProblem problem;
    bool ok() const { return problem.kind == SheetProblem::Kind::None; }
};

// A refused sheet: no rows, and why.
inline TableRead refusedSheet(SheetProblem::Kind kind, int row = 0)
{
    TableRead read;
    read.problem.kind = kind;
    read.problem.row = row;
    return read;
}

// ";" where the locale writes decimals with a comma, as spreadsheet programs
// there expect it; "," elsewhere.
QChar csvSeparatorFor(const QLocale &locale);

// A spreadsheet program opening a CSV file runs a cell that starts with "=",
// "+", "-", "@", a tab or a carriage return as a formula: such a cell goes out
// with an apostrophe in front, and so does one that starts with an apostrophe,
// so that unguardedCell gives every cell back. A negative whole number is no
// formula and stays a number.
QString guardedCell(const QString &cell);
// Takes off the apostrophe guardedCell puts in front; other cells stay as they are.
QString unguardedCell(const QString &cell);

// UTF-8 with a byte-order mark (so that spreadsheet programs take the Turkish
// letters), CRLF line ends. Every cell guarded; fields are quoted where they
// need it, or always.
QByteArray writeCsv(const SheetRows &rows, QChar separator, bool quoteAll = false);

// Reads what spreadsheet programs save: the separator ("," ";" or tab) is the
// one the first line uses most; UTF-8 with or without byte-order mark, UTF-16
// with one, code page 1254 when the bytes are no valid UTF-8. Quoted fields
// may hold separators, doubled quotes and line breaks.
// More than kMaxSheetRows rows, or a filled cell beyond kMaxSheetColumns, are
// refused as soon as they are met.
TableRead readCsvTable(const QByteArray &bytes);
SheetRows readCsv(const QByteArray &bytes);

}  // namespace vaz::storage
