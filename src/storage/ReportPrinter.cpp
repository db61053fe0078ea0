#include "ReportPrinter.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace vaz::storage {

namespace {

constexpr qreal kLargestPointSize = 9.0;
// A device line reaches column 124 (location of 40 at column 85); list pieces 150.
constexpr int kMinimumColumns = 125;

QFont monospaced(qreal pointSize)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(pointSize);
    return font;
}

// False when the printer could not be started (for a PDF: the file could not be written).
bool draw(const QStringList &textLines, QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;

    const QRectF paintable = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRectF area(0, 0, paintable.width(), paintable.height());

    // Shrink the font until the widest line fits, so print zones never wrap.
    qsizetype columns = kMinimumColumns;
    for (const QString &l : textLines)
        columns = std::max(columns, l.size());
    QFont font = monospaced(kLargestPointSize);
    painter.setFont(font);
    qreal charWidth = QFontMetricsF(font, painter.device()).horizontalAdvance(u'M');
    if (charWidth * qreal(columns) > area.width()) {
        font.setPointSizeF(std::max<qreal>(2.0, kLargestPointSize * area.width() / (charWidth * qreal(columns))));
        painter.setFont(font);
    }
    const QFontMetricsF metrics(font, painter.device());
    const qreal lineHeight = metrics.lineSpacing();
    // The last line of each page holds the page number.
    const int perPage = std::max(1, int(area.height() / lineHeight) - 2);

    const qsizetype total = textLines.size();
    const qsizetype pages = std::max<qsizetype>(1, (total + perPage - 1) / perPage);
    for (qsizetype page = 0; page < pages; ++page) {
        if (page > 0 && !printer.newPage())
            return false;
        qreal y = metrics.ascent();
        const qsizetype end = std::min<qsizetype>(total, (page + 1) * perPage);
        for (qsizetype i = page * perPage; i < end; ++i) {
            painter.drawText(QPointF(0, y), textLines[i]);
            y += lineHeight;
        }
        const QString foot = QStringLiteral("Page %1").arg(page + 1);
        painter.drawText(
            QPointF((area.width() - metrics.horizontalAdvance(foot)) / 2, area.height() - metrics.descent()), foot);
    }
    return painter.end();
}

}  // namespace

bool writeReportPdf(const QStringList &textLines, const QString &path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Configuration report"));
    return draw(textLines, printer);
}

void renderReport(const QStringList &textLines, QPrinter &printer) { draw(textLines, printer); }

bool SystemReportOutput::print(const QStringList &textLines, QString *error)
{
    const QPrinterInfo system = QPrinterInfo::defaultPrinter();
    if (!system.isNull()) {
        QPrinter printer(system, QPrinter::HighResolution);
        printer.setDocName(QStringLiteral("Configuration report"));
        printer.setPageOrientation(QPageLayout::Landscape);
        if (draw(textLines, printer) && printer.printerState() != QPrinter::Error)
            return true;
        if (error)
            *error = QStringLiteral("The report could not be sent to the printer \"%1\".").arg(system.printerName());
        return false;
    }

    QString path = dialogs_.saveFileName(QStringLiteral("PRINT"), QStringLiteral("*.pdf"));
    if (path.isEmpty()) {
        if (error)
            error->clear();
        return false;
    }
    if (QFileInfo(path).suffix().compare(u"pdf", Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".pdf");
    // The dialog's "replace?" may have been answered for a configuration file.
    if (QFile existing(path);
        existing.exists() && (!existing.open(QIODevice::ReadOnly) || !existing.read(5).startsWith("%PDF-"))) {
        if (error)
            *error = QStringLiteral("\"%1\" is not a PDF file; the report was not written over it.")
                         .arg(QFileInfo(path).fileName());
        return false;
    }
    if (writeReportPdf(textLines, path))
        return true;
    if (error)
        *error = QStringLiteral("The report could not be written to \"%1\".").arg(QFileInfo(path).fileName());
    return false;
}

}  // namespace vaz::storage
