#include "adapters/printer/ReportPrinter.h"
#include "support/ExampleConfig.h"

#include <QPrinter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vaz;
using namespace vaz::storage;

namespace {

Document manyLines(int n)
{
    DocumentSection all;
    for (int i = 1; i <= n; ++i)
        all.rows << QStringList{QStringLiteral(" %1").arg(i).leftJustified(84, u' ') +
                                QStringLiteral("Şişli kat %1").arg(i)};
    all.rows << QStringList{QString(150, u'9')};
    return {QStringLiteral("Report"), QStringLiteral("2026-12-07 10:30"), {all}};
}

}  // namespace

TEST(ReportPrinter, RendersPagesAndNeverWritesAPdfOverAnotherFile)
{
    QTemporaryDir dir;
    QMarginsF margins;
    auto print = [&](const char *name, QString *error) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QString::fromLatin1(name)));
        const bool printed = renderReport(manyLines(200), printer, error);
        margins = printer.pageLayout().margins(QPageLayout::Millimeter);
        return printed;
    };
    QString error;
    ASSERT_TRUE(print("rapor", &error));
    // Office printers clip closer to the edge.
    EXPECT_GE(std::min({margins.left(), margins.top(), margins.right(), margins.bottom()}), 10.0);
    const QByteArray pdf = test::fileBytes(dir.filePath(QStringLiteral("rapor.pdf")));
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    // 201 lines do not fit one page: there are page breaks.
    EXPECT_GT(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1);

    EXPECT_FALSE(print("missing/rapor.pdf", &error));
    EXPECT_EQ(error, QStringLiteral("The report could not be written to \"rapor.pdf\": No such file or directory."));

    // A configuration chosen as the target, or a file that only looks like a PDF: neither is overwritten.
    const QString other = QStringLiteral(VAZ_SOURCE_DIR "/CMakeLists.txt");  // any file that is no PDF
    for (const char *name : {"site.dvk", "site.dvk.pdf"})
        ASSERT_TRUE(QFile::copy(other, dir.filePath(QString::fromLatin1(name))));
    EXPECT_FALSE(print("site.dvk", &error));
    EXPECT_EQ(error, QStringLiteral("\"site.dvk.pdf\" is not a PDF file; the report was not written over it."));
    for (const char *name : {"site.dvk", "site.dvk.pdf"})
        EXPECT_EQ(test::fileBytes(dir.filePath(QString::fromLatin1(name))), test::fileBytes(other)) << name;
    EXPECT_TRUE(print("rapor.pdf", &error)) << "a PDF is replaced";
}
