#pragma once

#include "model/Prompts.h"

#include <QString>
#include <QStringList>

class QPrinter;

namespace vaz::storage {

// Draws laid-out report lines on a printer: monospaced font so print zones line
// up, page breaks, the page number at the foot of each page.
void renderReport(const QStringList &textLines, QPrinter &printer);
// The report as a PDF file at path, laid out as on paper; false when the file
// could not be written.
bool writeReportPdf(const QStringList &textLines, const QString &path);

// Where a report goes. Tests replace it.
class ReportOutput {
public:
    virtual ~ReportOutput() = default;
    // False with a reason for the user when nothing could be printed; false with
    // an empty reason when the user cancelled.
    virtual bool print(const QStringList &textLines, QString *error) = 0;
};

// The system's default printer; without one, a PDF file whose name the user
// chooses.
class SystemReportOutput : public ReportOutput {
public:
    explicit SystemReportOutput(FileDialogs &dialogs) : dialogs_(dialogs) {}
    bool print(const QStringList &textLines, QString *error) override;

private:
    FileDialogs &dialogs_;
};

}  // namespace vaz::storage
