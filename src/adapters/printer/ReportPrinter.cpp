#include "adapters/printer/ReportPrinter.h"

#include "core/storage/SafeFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPaintEngine>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPrintPreviewDialog>

#include <algorithm>

namespace vaz::storage {

// The context of the texts below in the translations.
class ReportPrinter {
    Q_DECLARE_TR_FUNCTIONS(vaz::storage::ReportPrinter)
};

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
    // Monospaced Latin and Turkish text needs no shaping, which costs most of the drawing.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// Office printers clip what comes closer to the paper's edge than this.
constexpr qreal kMarginMm = 10.0;

// False when the printer could not be started (for a PDF: the file could not be written).
bool draw(const Document &doc, QPrinter &printer)
{
    const QMarginsF set = printer.pageLayout().margins(QPageLayout::Millimeter);
    printer.setPageMargins(QMarginsF(std::max(set.left(), kMarginMm), std::max(set.top(), kMarginMm),
                                     std::max(set.right(), kMarginMm), std::max(set.bottom(), kMarginMm)),
                           QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;

    const QRectF paintable = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRectF area(0, 0, paintable.width(), paintable.height());

    // Shrink the font until the widest line fits, so print zones never wrap.
    qsizetype columns = kMinimumColumns;
    for (const DocumentSection &s : doc.sections) {
        for (const QString &l : s.heading)
            columns = std::max(columns, l.size());
        for (const QStringList &row : s.rows)
            for (const QString &l : row)
                columns = std::max(columns, l.size());
    }
    QFont font = monospaced(kLargestPointSize);
    painter.setFont(font);
    qreal charWidth = QFontMetricsF(font, painter.device()).horizontalAdvance(u'M');
    if (charWidth * qreal(columns) > area.width()) {
        font.setPointSizeF(std::max<qreal>(2.0, kLargestPointSize * area.width() / (charWidth * qreal(columns))));
        painter.setFont(font);
    }
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF metrics(font, painter.device());
    const qreal lineHeight = metrics.lineSpacing();
    // The last line of each page holds the foot.
    const QList<DocumentPage> pages = paginate(doc, std::max(1, int(area.height() / lineHeight) - 2));
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0 && !printer.newPage())
            return false;
        const DocumentPage &page = pages[p];
        qreal y = metrics.ascent();
        bool strong = false;
        for (qsizetype i = 0; i < page.lines.size(); ++i) {
            // Switching fonts costs more than drawing a line.
            if (strong != page.headingLines.contains(int(i)))
                painter.setFont((strong = !strong) ? bold : font);
            if (!page.lines[i].isEmpty())
                painter.drawText(QPointF(0, y), page.lines[i]);
            y += lineHeight;
        }
        painter.setFont(font);
        painter.drawText(
            QPointF((area.width() - metrics.horizontalAdvance(page.foot)) / 2, area.height() - metrics.descent()),
            page.foot);
    }
    return painter.end();
}

// A PDF goes only where no file is, or over a PDF: never over a configuration.
QString refusal(const QString &path)
{
    QFile existing(path);
    if (!existing.exists() || (existing.open(QIODevice::ReadOnly) && existing.read(5).startsWith("%PDF-")))
        return {};
    return ReportPrinter::tr("\"%1\" is not a PDF file; the report was not written over it.")
        .arg(QFileInfo(path).fileName());
}

}  // namespace

namespace {

// Through the one writer: the printer fills a temporary file, which takes the
// place of path only when it ends as a whole PDF ends.
QString printPdf(const Document &doc, QPrinter &printer, const QString &path)
{
    return writeWhole(path, [&](int, const QString &temporary) -> QString {
        printer.setOutputFileName(temporary);
        const bool drawn = draw(doc, printer);
        printer.setOutputFileName(path);
        if (!drawn)
            return ReportPrinter::tr("nothing could be drawn");
        QFile pdf(temporary);
        if (!pdf.open(QIODevice::ReadOnly) || !pdf.seek(std::max<qint64>(0, pdf.size() - 32)))
            return pdf.errorString();
        // The PDF writer reports no failed write: a cut file lacks its end.
        if (!pdf.read(32).contains("%%EOF"))
            return ReportPrinter::tr("the PDF could not be written whole");
        return {};
    });
}

}  // namespace

QString writeReportPdf(const Document &doc, const QString &path)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(doc.title);
    return printPdf(doc, printer, path);
}

bool renderReport(const Document &doc, QPrinter &printer, QString *error)
{
    // The preview draws into pictures; only the real print may write a file.
    if (printer.outputFormat() == QPrinter::PdfFormat &&
        !(printer.paintEngine() && printer.paintEngine()->type() == QPaintEngine::Picture)) {
        QString path = printer.outputFileName();
        if (QFileInfo(path).suffix().compare(u"pdf", Qt::CaseInsensitive) != 0)
            printer.setOutputFileName(path += QStringLiteral(".pdf"));
        auto failed = [&](const QString &reason) {
            return ReportPrinter::tr("The report could not be written to \"%1\": %2.")
                .arg(QFileInfo(path).fileName(), reason);
        };
        // A pipe or device is refused before anything looks inside it.
        QString why = outputProblem(path);
        if (why.isEmpty()) {
            if (const QString refused = refusal(path); !refused.isEmpty()) {
                if (error)
                    *error = refused;
                return false;
            }
            why = printPdf(doc, printer, path);
        }
        if (!why.isEmpty())
            why = failed(why);
        if (error)
            *error = why;
        return why.isEmpty();
    }
    if (draw(doc, printer))
        return true;
    if (error)
        *error = ReportPrinter::tr("The report could not be sent to the printer \"%1\".").arg(printer.printerName());
    return false;
}

bool SystemReportOutput::print(const Document &doc, QString *error)
{
    QPrinter printer(QPrinter::HighResolution);
    const QPrinterInfo system = QPrinterInfo::defaultPrinter();
    if (!system.isNull()) {
        printer.setPrinterName(system.printerName());
    } else {
        QString path = pdfName_.isEmpty() ? doc.title + QStringLiteral(".pdf") : pdfName_;
        if (QFileInfo(path).suffix().compare(u"pdf", Qt::CaseInsensitive) != 0)
            path += QStringLiteral(".pdf");
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    }
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(doc.title);

    QPrintPreviewDialog preview(&printer);
    preview.setWindowTitle(ReportPrinter::tr("Print preview"));
    QString why;
    bool printed = false;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter *target) {
        const bool real = target->paintEngine() && target->paintEngine()->type() != QPaintEngine::Picture;
        const bool ok = renderReport(doc, *target, &why);
        printed = printed || (real && ok);
    });
    const bool accepted = preview.exec() == QDialog::Accepted;
    if (error)
        *error = accepted && !printed ? why : QString();
    return accepted && printed;
}

}  // namespace vaz::storage
