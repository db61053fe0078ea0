// Whatever a user hands the tool to read: refused at once when it is no file
// or too large, refused whole when an Excel part is damaged.

#include "core/storage/ConfigFile.h"
#include "core/storage/FileWords.h"
#include "core/storage/Schedule.h"
#include "core/storage/ScheduleWords.h"
#include "support/ExampleConfig.h"
#include "support/HostileFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <thread>

#ifdef VAZ_EXCEL
#include <unzip.h>
#include <zip.h>
#endif

using namespace vaz;
using namespace vaz::storage;
using namespace vaz::test;

namespace {

#ifdef VAZ_EXCEL
// The workbook at path written again with each part passed through edit
// (nullopt leaves the part out).
using PartEdit = std::function<std::optional<QByteArray>(const QString &name, const QByteArray &bytes)>;
QByteArray rezip(const QString &path, const PartEdit &edit)
{
    const QString out = path + QStringLiteral(".edited");
    unzFile in = unzOpen64(local(path).constData());
    zipFile z = zipOpen64(local(out).constData(), APPEND_STATUS_CREATE);
    for (int more = unzGoToFirstFile(in); more == UNZ_OK; more = unzGoToNextFile(in)) {
        char name[256];
        unz_file_info64 info{};
        unzGetCurrentFileInfo64(in, &info, name, sizeof name, nullptr, 0, nullptr, 0);
        QByteArray bytes(qsizetype(info.uncompressed_size), '\0');
        unzOpenCurrentFile(in);
        unzReadCurrentFile(in, bytes.data(), unsigned(bytes.size()));
        unzCloseCurrentFile(in);
        if (const std::optional<QByteArray> kept = edit(QString::fromUtf8(name), bytes)) {
            zipOpenNewFileInZip64(z, name, nullptr, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 6, 1);
            zipWriteInFileInZip(z, kept->constData(), unsigned(kept->size()));
            zipCloseFileInZip(z);
        }
    }
    unzClose(in);
    zipClose(z, nullptr);
    return fileBytes(out);
}
#endif

}  // namespace

TEST(Input, NoFileOrTooLargeIsRefusedBeforeReading)
{
    QTemporaryDir dir;
    const HostileFiles hostile(dir.path());
    // Sparse: no disk is used for the sizes.
    auto sized = [&](const char *name, qint64 size) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(size));
        return f.fileName();
    };
    struct Case {
        QString path;
        const char *why;
        bool needsDevices = false;
    };
    const Case cases[] = {
        {hostile.pipe, "it is a pipe"},
        {hostile.linkToPipe, "it is a pipe"},
        {hostile.folder, "it is a folder"},
        {hostile.zero, "it is a device", true},
        {dir.filePath("missing"), "No such file or directory"},
        {sized("big.csv", 8 * 1024 * 1024 + 1), "too large"},
        {sized("big.dvk", 16 * 1024 * 1024 + 1), "far too large"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        if (c.needsDevices && !hostile.haveDevices)
            continue;
        Config cfg = exampleConfig(20);
        const QByteArray before = configFileBytes(cfg);
        const ReadResult config = DosyadanVerileriOku(cfg, c.path);
        const TableRead schedule = readSheetFile(c.path);
        const QString big = QString::fromLatin1(c.why);
        if (!c.path.endsWith(".csv")) {
            EXPECT_TRUE(readText(config).contains(big)) << readText(config).toStdString();
        }
        if (!c.path.endsWith(".dvk")) {
            EXPECT_TRUE(sheetReadText(schedule).contains(big == u"far too large" ? QStringLiteral("too large") : big))
                << sheetReadText(schedule).toStdString();
        }
        EXPECT_EQ(configFileBytes(cfg), before);
        EXPECT_TRUE(schedule.rows.isEmpty());
    }
    // The command line reads a pipe, once, up to the limit.
    const QByteArray sent = configFileBytes(exampleConfig(20));
    std::thread writer([&] {
        QFile out(hostile.pipe);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(sent) == sent.size());
    });
    const FileBytes piped = readFileBytes(hostile.pipe, PipeInput::Allowed);
    writer.join();
    EXPECT_EQ(piped.bytes, sent);
}

TEST(Input, SchedulesBeyondTheLimitsAreRefusedWhole)
{
    const QByteArray row = "1,1,MCP\n";
    struct Case {
        QByteArray csv;
        QString error;  // empty: read
    };
    const Case cases[] = {
        {"Loop,Address,Type\n" + row.repeated(9999), {}},
        {"Loop,Address,Type\n" + row.repeated(10000), "it has more than 10,000 rows"},
        {QByteArray(20 * 1024 * 1024, '\n'), "it has more than 10,000 rows"},
        {"Loop" + QByteArray(1000, ',') + "\n1,2,3" + QByteArray(63, ',') + "\n", {}},
        {"Loop\n" + QByteArray(64, ',') + "x\n", "row 2 has a filled cell beyond column 64"},
    };
    for (const Case &c : cases) {
        const TableRead read = readSheetBytes(c.csv, false);
        EXPECT_EQ(sheetReadText(read), c.error);
        EXPECT_EQ(read.rows.isEmpty(), !c.error.isEmpty());
    }
    for (const auto &[sheetRow, error] :
         {std::pair{"<row r=\"1\"><c r=\"BL1\"><v>1</v></c></row>", ""},
          {"<row r=\"1\"><c r=\"BM1\"><v>1</v></c></row>", "row 1 has a filled cell beyond column 64"},
          {"<row r=\"10001\"/>", "it has more than 10,000 rows"}}) {
        const TableRead read =
            readSheetXml(QByteArray("<worksheet><sheetData>") + sheetRow + "</sheetData></worksheet>", {});
        EXPECT_EQ(sheetReadText(read), error);
    }
    // The problem list names the first hundred and counts the rest; a cell is echoed cut.
    SheetRows rows{{"Loop", "Address", "Type"}};
    for (int a = 1; a <= 127; ++a)
        rows << QStringList{"1", QString::number(a), QString(500, u'x')};
    const QStringList shown = problemLines(planSchedule(exampleConfig(20, 0), rows).problems);
    ASSERT_EQ(shown.size(), 101);
    EXPECT_EQ(shown.last(), "and 27 more");
    EXPECT_EQ(shown.first(), "Row 2, Type: '" + QString(79, u'x') + "…' is not a device type");
}

#ifdef VAZ_EXCEL
TEST(Input, ADamagedWorkbookIsRefusedWhole)
{
    QTemporaryDir dir;
    const QString good = dir.filePath("s.xlsx");
    ASSERT_EQ(writeSheetFile(good, scheduleSheet(filledConfig(20, 0, 1)), u','), QString());
    const QString sheetPart = QStringLiteral("xl/worksheets/sheet1.xml");
    auto only = [](const QString &part, std::function<std::optional<QByteArray>(QByteArray)> change) -> PartEdit {
        return [=](const QString &name, const QByteArray &bytes) {
            return name == part ? change(bytes) : std::optional(bytes);
        };
    };
    auto cut = [](QByteArray bytes) { return std::optional(bytes.left(bytes.indexOf("<row r=\"61\"") + 30)); };
    auto gone = [](QByteArray) { return std::optional<QByteArray>(); };
    auto half = [](QByteArray bytes) { return std::optional(bytes.left(bytes.size() / 2)); };
    auto huge = [](QByteArray bytes) {
        return std::optional(bytes.replace("<sheetData>", "<sheetData>" + QByteArray(17 * 1024 * 1024, ' ')));
    };
    const std::pair<PartEdit, const char *> cases[] = {
        {only(sheetPart, cut), "the sheet is damaged after row 60"},
        {only(sheetPart, huge), "the sheet is larger than 16 MB"},
        {only("xl/sharedStrings.xml", gone), "it names shared strings, which the workbook lacks"},
        {only("xl/sharedStrings.xml", half), "the shared strings are damaged"},
        {only("xl/workbook.xml", half), "the workbook part is damaged"},
        {only("xl/workbook.xml", gone), "the workbook part is missing"},
        {only("xl/_rels/workbook.xml.rels", half), "the workbook's relationships are damaged"},
    };
    for (const auto &[edit, why] : cases) {
        SCOPED_TRACE(why);
        const TableRead read = readSheetBytes(rezip(good, edit), true);
        EXPECT_TRUE(read.rows.isEmpty());
        EXPECT_TRUE(sheetReadText(read).contains(QString::fromLatin1(why))) << sheetReadText(read).toStdString();
    }
    const TableRead untouched =
        readSheetBytes(rezip(good, [](const QString &, const QByteArray &b) { return b; }), true);
    EXPECT_EQ(sheetReadText(untouched), QString());
    EXPECT_EQ(untouched.rows, readSheetFile(good).rows);
    EXPECT_GT(untouched.rows.size(), 500);
}
#endif
