#include "storage/ReportPrinter.h"
#include "support/ExampleConfig.h"
#include "support/FakePrompts.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vaz;
using namespace vaz::storage;

namespace {

QStringList manyLines(int n)
{
    QStringList lines;
    for (int i = 1; i <= n; ++i)
        lines << QStringLiteral(" %1").arg(i).leftJustified(84, u' ') + QStringLiteral("Şişli kat %1").arg(i);
    lines << QString(150, u'9');
    return lines;
}

}  // namespace

TEST(ReportPrinter, RendersPagesAndWithoutPrinterWritesThePdfTheUserNames)
{
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("report.pdf")));
    renderReport(manyLines(200), printer);
    const QByteArray pdf = test::fileBytes(dir.filePath(QStringLiteral("report.pdf")));
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    // 201 lines do not fit one page: there are page breaks.
    EXPECT_GT(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1);

    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this system has a default printer";
    test::FakeFileDialogs dialogs;
    SystemReportOutput output(dialogs);
    QString error = QStringLiteral("stale");

    EXPECT_FALSE(output.print(manyLines(3), &error));  // cancelled
    EXPECT_TRUE(error.isEmpty());
    EXPECT_EQ(dialogs.titles + dialogs.filters, (QStringList{"PRINT", "*.pdf"}));

    dialogs.paths.push_back(dir.filePath(QStringLiteral("rapor")));
    EXPECT_TRUE(output.print(manyLines(3), &error));
    EXPECT_TRUE(test::fileBytes(dir.filePath(QStringLiteral("rapor.pdf"))).startsWith("%PDF"));

    dialogs.paths.push_back(dir.filePath(QStringLiteral("missing/rapor.pdf")));
    EXPECT_FALSE(output.print(manyLines(3), &error));
    EXPECT_EQ(error, QStringLiteral("The report could not be written to \"rapor.pdf\"."));

    // A replace confirmed for a configuration file, or a file that only looks like a PDF: neither is overwritten.
    const QString other = QStringLiteral(VAZ_SOURCE_DIR "/CMakeLists.txt");  // any file that is no PDF
    for (const char *name : {"site.dvk", "site.dvk.pdf"})
        ASSERT_TRUE(QFile::copy(other, dir.filePath(QString::fromLatin1(name))));
    dialogs.paths = {dir.filePath(QStringLiteral("site.dvk")), dir.filePath(QStringLiteral("rapor.pdf"))};
    EXPECT_FALSE(output.print(manyLines(3), &error));
    EXPECT_EQ(error, QStringLiteral("\"site.dvk.pdf\" is not a PDF file; the report was not written over it."));
    for (const char *name : {"site.dvk", "site.dvk.pdf"})
        EXPECT_EQ(test::fileBytes(dir.filePath(QString::fromLatin1(name))), test::fileBytes(other)) << name;
    EXPECT_TRUE(output.print(manyLines(3), &error)) << "a PDF is replaced";
}
