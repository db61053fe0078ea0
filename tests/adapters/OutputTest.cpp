// Every kind of file the tool writes, whole or not at all, and never over
// anything but a regular file.

#include "core/storage/ConfigFile.h"
#include "adapters/printer/ReportPrinter.h"
#include "core/storage/Schedule.h"
#include "support/ExampleConfig.h"
#include "support/HostileFiles.h"

#include <QFileInfo>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace vaz;
using namespace vaz::storage;
using namespace vaz::test;

namespace {

struct Output {
    const char *file;
    std::function<QString(const QString &path)> write;  // the reason when it failed
};

Document pages()
{
    DocumentSection all;
    for (int i = 1; i <= 300; ++i)
        all.rows << QStringList{QStringLiteral("Kat %1 Şişli").arg(i)};
    return {QStringLiteral("Report"), QStringLiteral("2026-12-07 10:30"), {all}};
}

const Output kOutputs[] = {
    {"site.dvk",
     [](const QString &path) {
         Config c = filledConfig(20, 3, 1);
         return GirisVerileriniKaydet(c, path).message;
     }},
    {"schedule.csv",
     [](const QString &path) { return writeSheetFile(path, scheduleSheet(filledConfig(20, 3, 1)), u','); }},
    {"schedule.xlsx",
     [](const QString &path) { return writeSheetFile(path, scheduleSheet(filledConfig(20, 3, 1)), u','); }},
    {"report.pdf", [](const QString &path) { return writeReportPdf(pages(), path); }},
    {"printed.pdf",
     [](const QString &path) {
         QPrinter printer(QPrinter::HighResolution);
         printer.setOutputFormat(QPrinter::PdfFormat);
         printer.setOutputFileName(path);
         QString error;
         return renderReport(pages(), printer, &error) ? QString() : error;
     }},
};

const QByteArray kOld = "%PDF-1.4 what was there\n";

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

}  // namespace

TEST(Output, AFailedWriteLeavesTheOldFileAndNoTrace)
{
    for (const Output &o : kOutputs) {
        if (QString(o.file).endsWith(".xlsx") && !excelAvailable())
            continue;
        SCOPED_TRACE(o.file);
        QTemporaryDir dir;
        const QString path = dir.filePath(o.file);
        ASSERT_TRUE(writeBytes(path, kOld));
        simulateDiskFullAfter(1000);
        const QString why = o.write(path);
        simulateDiskFullAfter(-1);
        EXPECT_TRUE(why.contains("the disk is full (the file needs ")) << why.toStdString();
        EXPECT_TRUE(why.contains("1000 bytes are free")) << why.toStdString();
        EXPECT_EQ(fileBytes(path), kOld);
        EXPECT_EQ(entries(dir.path()), QStringList{o.file});

        // A real disk that fills up, where the test may mount one.
        const SmallDisk disk(dir.path(), 8);
        if (!disk.mounted())
            continue;
        ASSERT_TRUE(writeBytes(disk.filePath(o.file), kOld));
        EXPECT_NE(o.write(disk.filePath(o.file)), QString());
        EXPECT_EQ(fileBytes(disk.filePath(o.file)), kOld);
        EXPECT_EQ(entries(disk.path()), QStringList{o.file});
    }
}

TEST(Output, OnlyARegularFileIsWrittenAndItKeepsItsMode)
{
    const mode_t mask = umask(022);
    for (const Output &o : kOutputs) {
        if (QString(o.file).endsWith(".xlsx") && !excelAvailable())
            continue;
        SCOPED_TRACE(o.file);
        QTemporaryDir dir;
        const HostileFiles hostile(dir.path(), QStringLiteral(".") + QFileInfo(o.file).suffix());
        const std::pair<QString, const char *> refused[] = {
            {hostile.pipe, "it is a pipe"},
            {hostile.device, "it is a device"},
            {hostile.folder, "it is a folder"},
            {hostile.readOnly, "it is read-only"},
            {hostile.dangling, "it is a link to nothing"},
            {hostile.linkToPipe, "it is a link to something that is not a file"},
        };
        for (const auto &[target, why] : refused) {
            if (target == hostile.device && !hostile.haveDevices)
                continue;
            const mode_t kind = HostileFiles::kind(target);
            EXPECT_TRUE(o.write(target).contains(why)) << target.toStdString();
            EXPECT_EQ(HostileFiles::kind(target), kind) << target.toStdString();
        }
        EXPECT_EQ(fileBytes(hostile.readOnly), "old");

        // A link is followed: the file it names is replaced, mode and all.
        const QString file = dir.filePath(QStringLiteral("real-") + o.file), link = dir.filePath(o.file);
        ASSERT_TRUE(writeBytes(file, kOld));
        chmod(local(file).constData(), 0640);
        // Root may hand the file to somebody else, whom it must stay with.
        const bool given = chown(local(file).constData(), 4321, 4321) == 0;
        ASSERT_EQ(symlink(local(file).constData(), local(link).constData()), 0);
        EXPECT_EQ(o.write(link), QString());
        struct stat st {};
        EXPECT_TRUE(lstat(local(link).constData(), &st) == 0 && S_ISLNK(st.st_mode));
        EXPECT_TRUE(stat(local(file).constData(), &st) == 0 && (st.st_mode & 07777) == 0640);
        EXPECT_TRUE(!given || (st.st_uid == 4321 && st.st_gid == 4321));
        EXPECT_NE(fileBytes(file), kOld);

        // A new file gets what the umask gives, as any program's would.
        const QString fresh = dir.filePath(QStringLiteral("new-") + o.file);
        EXPECT_EQ(o.write(fresh), QString());
        EXPECT_TRUE(stat(local(fresh).constData(), &st) == 0 && (st.st_mode & 07777) == 0644);
        EXPECT_EQ(entries(dir.path()).filter(QRegularExpression("^\\.")), QStringList()) << "no temporary file left";
    }
    umask(mask);
}
