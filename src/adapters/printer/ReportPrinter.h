#pragma once

#include "core/storage/Document.h"
#include "core/model/Prompts.h"

#include <QString>
#include <QStringList>

class QPrinter;

namespace vaz::storage {

// Draws a document on a printer: monospaced font so print zones line up, its
// pages as paginate() lays them out, title, "page N of M" and date at each
// foot. A PDF file gets ".pdf" added to its name and is never written over a
// file that is not a PDF; false with the reason when nothing was printed.
bool renderReport(const Document &doc, QPrinter &printer, QString *error = nullptr);
// The document as a PDF file at path, laid out as on paper; the reason when
// the file could not be written, whole (what was there stays), empty when it was.
QString writeReportPdf(const Document &doc, const QString &path);

// Where a report goes. Tests replace it.
class ReportOutput {
public:
    virtual ~ReportOutput() = default;
    // False with a reason for the user when nothing could be printed; false with
    // an empty reason when the user cancelled.
    virtual bool print(const Document &doc, QString *error) = 0;
    // The PDF file a print to a file proposes: NAME.pdf beside the configuration.
    virtual void setPdfName(const QString &path) { Q_UNUSED(path); }
};

// A print preview for the system's default printer; without one, for a PDF
// file (never written over a file that is not a PDF).
class SystemReportOutput : public ReportOutput {
public:
    bool print(const Document &doc, QString *error) override;
    void setPdfName(const QString &path) override { pdfName_ = path; }

private:
    QString pdfName_;
};

}  // namespace vaz::storage
