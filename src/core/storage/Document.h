#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// A printed document as text, laid out into pages before any painter sees
// it, so that what lands on which page can be checked without a printer.
namespace vaz::storage {

// A heading and the rows under it. A row (a device line, a rule with all its
// lines) never leaves its page unless it is longer than a page; the heading
// never ends a page and is repeated on each page the rows continue onto.
struct DocumentSection {
    QStringList heading;
    QList<QStringList> rows;
    bool newPage = false;
};

struct Document {
    QString title;  // the printer's document name, and the left of every foot
    QString date;   // at the foot of every page
    QList<DocumentSection> sections;

    // Every line in order, as if on one endless page.
    QStringList lines() const;
};

struct DocumentPage {
    QStringList lines;
    QList<int> headingLines;  // indices of lines that belong to a heading
    QString foot;             // "Title    page 2 of 7    2026-12-07 10:30"
};

// linesPerPage counts the lines above the foot.
QList<DocumentPage> paginate(const Document &doc, int linesPerPage);

// Text cut at blanks into lines of at most width characters; the lines after
// the first are indented by indent blanks. A word longer than a line is cut.
QStringList wrapText(const QString &text, int width, int indent = 0);

// lines under a lead ("In words: ", "3. "), the first after it and the rest
// indented as far, each wrapped at width.
QStringList indentedLines(const QString &lead, const QStringList &lines, int width);

// Text tables: each column as wide as its widest cell in rows; a line holds
// the cells padded to those widths, two blanks apart, without trailing blanks.
QList<int> columnWidths(const QList<QStringList> &rows);
QString tableLine(const QStringList &cells, const QList<int> &widths);

}  // namespace vaz::storage
