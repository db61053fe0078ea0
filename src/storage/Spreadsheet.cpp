#include "Spreadsheet.h"

#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QXmlStreamReader>

#include <cmath>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

#ifdef VAZ_EXCEL
#include <unzip.h>
#include <xlsxwriter.h>
#endif

namespace vaz::storage {

namespace {

constexpr qint64 kMaxSheetBytes = 64 * 1024 * 1024;

// The text of a shared or inline string: its runs, without phonetic hints.
QString stringItem(QXmlStreamReader &xml)
{
    QString text;
    int depth = 1, phonetic = 0;
    while (depth > 0 && !xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --depth;
            phonetic -= xml.name() == u"rPh";
        } else if (token == QXmlStreamReader::StartElement) {
            phonetic += xml.name() == u"rPh";
            if (xml.name() != u"t")
                ++depth;
            else if (const QString t = xml.readElementText(); phonetic == 0)
                text += t;
        }
    }
    return text;
}

QStringList readSharedStrings(const QByteArray &bytes)
{
    QStringList strings;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"si")
            strings << stringItem(xml);
    return strings;
}

// A schedule has a dozen columns; far beyond, a cell is nobody's data.
constexpr int kMaxColumn = 255;

// "B12" gives column 1; -1 without letters.
int columnOf(QStringView ref)
{
    int column = 0, letters = 0;
    for (QChar c : ref) {
        if (!c.isLetter())
            break;
        column = column * 26 + (c.toUpper().unicode() - 'A' + 1);
        ++letters;
    }
    return letters == 0 || letters > 3 ? -1 : column - 1;
}

QString numberText(const QString &v)
{
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok)
        return v;
    if (std::floor(d) == d && std::abs(d) < 1e15)
        return QString::number(qint64(d));
    return QString::number(d, 'g', 15);
}

SheetRows sheetRows(const QByteArray &bytes, const QStringList &shared)
{
    SheetRows rows;
    QXmlStreamReader xml(bytes);
    int row = -1, column = -1;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"row") {
            bool ok = false;
            const int r = xml.attributes().value(QLatin1String("r")).toInt(&ok);
            row = ok && r >= 1 && r <= 1048576 ? r - 1 : row + 1;
            column = -1;
            continue;
        }
        if (xml.name() != u"c" || row < 0)
            continue;
        const int c = columnOf(xml.attributes().value(QLatin1String("r")));
        column = c >= 0 ? c : column + 1;
        const QString type = xml.attributes().value(QLatin1String("t")).toString();
        QString value;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"v")
                value = xml.readElementText();
            else if (xml.name() == u"is")
                value = stringItem(xml);
            else
                xml.skipCurrentElement();
        }
        if (type == u"s")
            value = shared.value(value.toInt());
        else if (type.isEmpty() || type == u"n")
            value = numberText(value);
        if (value.isEmpty() || column > kMaxColumn)
            continue;
        while (rows.size() <= row)
            rows.append(QStringList());
        QStringList &cells = rows[row];
        while (cells.size() <= column)
            cells.append(QString());
        cells[column] = value;
    }
    return rows;
}

#ifdef VAZ_EXCEL

// Wide enough for the longest cell of the column, within reason.
double columnWidth(const SheetRows &rows, int column)
{
    qsizetype widest = 4;
    for (const QStringList &row : rows)
        widest = std::max(widest, row.value(column).size());
    return double(std::min<qsizetype>(widest, 60)) + 2;
}

bool wholeNumber(const QString &text, double *value)
{
    bool ok = false;
    *value = text.toDouble(&ok);
    return ok && !text.isEmpty() && std::floor(*value) == *value;
}

QString writeWorkbook(const QString &path, const Sheet &sheet)
{
    lxw_workbook *book = workbook_new(QFile::encodeName(path).constData());
    if (!book)
        return QStringLiteral("it could not be created");
    lxw_worksheet *ws = workbook_add_worksheet(book, sheet.name.isEmpty() ? nullptr : sheet.name.toUtf8().constData());
    lxw_format *bold = workbook_add_format(book);
    format_set_bold(bold);
    for (int r = 0; r < sheet.rows.size(); ++r) {
        const QStringList &row = sheet.rows[r];
        for (int c = 0; c < row.size(); ++c) {
            double number = 0;
            if (row[c].isEmpty())
                continue;
            if (r > 0 && sheet.numberColumns.contains(c) && wholeNumber(row[c], &number))
                worksheet_write_number(ws, lxw_row_t(r), lxw_col_t(c), number, nullptr);
            else
                worksheet_write_string(ws, lxw_row_t(r), lxw_col_t(c), row[c].toUtf8().constData(),
                                       r == 0 ? bold : nullptr);
        }
    }
    const int columns = sheet.rows.isEmpty() ? 0 : int(sheet.rows.first().size());
    for (int c = 0; c < columns; ++c)
        worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), columnWidth(sheet.rows, c), nullptr);
    worksheet_freeze_panes(ws, 1, 0);
    // Drop-downs down to the most devices a panel holds, so that a designer
    // filling rows in meets them too.
    const lxw_row_t lastRow = lxw_row_t(std::max<qsizetype>(sheet.rows.size() - 1, 508));
    for (int c = 0; c < sheet.choices.size(); ++c) {
        if (sheet.choices[c].isEmpty())
            continue;
        std::vector<QByteArray> texts;
        for (const QString &choice : sheet.choices[c])
            texts.push_back(choice.toUtf8());
        std::vector<char *> list;
        for (QByteArray &t : texts)
            list.push_back(t.data());
        list.push_back(nullptr);
        lxw_data_validation validation{};
        validation.validate = LXW_VALIDATION_TYPE_LIST;
        validation.value_list = list.data();
        worksheet_data_validation_range(ws, 1, lxw_col_t(c), lastRow, lxw_col_t(c), &validation);
    }
    const lxw_error error = workbook_close(book);
    return error == LXW_NO_ERROR ? QString() : QString::fromUtf8(lxw_strerror(error));
}

// One member of the zip, or nothing when it is missing or too large to be a
// sheet a person filled in.
std::optional<QByteArray> member(unzFile zip, const QString &name)
{
    if (unzLocateFile(zip, name.toUtf8().constData(), 2) != UNZ_OK || unzOpenCurrentFile(zip) != UNZ_OK)
        return std::nullopt;
    QByteArray bytes;
    char buffer[65536];
    int n = 0;
    while ((n = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0 && bytes.size() < kMaxSheetBytes)
        bytes.append(buffer, n);
    // Closing checks the CRC, which needs the whole member read.
    const bool complete = unzCloseCurrentFile(zip) == UNZ_OK && n == 0;
    return complete ? std::optional(bytes) : std::nullopt;
}

// "xl/worksheets/sheet1.xml", or where the workbook says its first sheet is.
QString firstSheetPath(const std::optional<QByteArray> &workbook, const std::optional<QByteArray> &relations)
{
    QString id;
    for (QXmlStreamReader xml(workbook.value_or(QByteArray())); !xml.atEnd() && id.isEmpty();)
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"sheet")
            for (const QXmlStreamAttribute &a : xml.attributes())
                if (a.name() == u"id")
                    id = a.value().toString();
    for (QXmlStreamReader xml(relations.value_or(QByteArray())); !xml.atEnd();)
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"Relationship" &&
            xml.attributes().value(QLatin1String("Id")) == id) {
            const QString target = xml.attributes().value(QLatin1String("Target")).toString();
            return target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target;
        }
    return QStringLiteral("xl/worksheets/sheet1.xml");
}

#endif

}  // namespace

#ifdef VAZ_EXCEL
bool excelAvailable() { return true; }

TableRead readXlsx(const QString &path)
{
    std::unique_ptr<void, int (*)(unzFile)> zip(unzOpen64(QFile::encodeName(path).constData()), unzClose);
    if (!zip)
        return {{}, QStringLiteral("The file \"%1\" is not an Excel workbook.").arg(QFileInfo(path).fileName())};
    const QString sheet = firstSheetPath(member(zip.get(), QStringLiteral("xl/workbook.xml")),
                                         member(zip.get(), QStringLiteral("xl/_rels/workbook.xml.rels")));
    const std::optional<QByteArray> bytes = member(zip.get(), sheet);
    if (!bytes)
        return {{},
                QStringLiteral("The workbook \"%1\" has no sheet that can be read.").arg(QFileInfo(path).fileName())};
    return {readSheetXml(*bytes, member(zip.get(), QStringLiteral("xl/sharedStrings.xml")).value_or("")), {}};
}

QString writeXlsx(const QString &path, const Sheet &sheet)
{
    // Made beside the target, then put in its place: a failed run leaves what was there.
    const QFileInfo target(path);
    QTemporaryFile part(target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".XXXXXX"));
    if (!part.open())
        return part.errorString();
    part.close();
    if (QString why = writeWorkbook(part.fileName(), sheet); !why.isEmpty())
        return why;
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(part.fileName()).toStdString(), QFile::encodeName(path).toStdString(),
                            error);
    if (error)
        return QString::fromStdString(error.message());
    part.setAutoRemove(false);
    return QString();
}
#else
const QString kNoExcel = QStringLiteral("This build of the tool cannot handle Excel files; use CSV.");
bool excelAvailable() { return false; }
TableRead readXlsx(const QString &) { return {{}, kNoExcel}; }
QString writeXlsx(const QString &, const Sheet &) { return kNoExcel; }
#endif

SheetRows readSheetXml(const QByteArray &sheet, const QByteArray &sharedStrings)
{
    return sheetRows(sheet, readSharedStrings(sharedStrings));
}

bool isExcelPath(const QString &path) { return path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive); }

QString writeSheetFile(const QString &path, const Sheet &sheet, QChar csvSeparator)
{
    QString why;
    if (isExcelPath(path)) {
        why = writeXlsx(path, sheet);
    } else {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(writeCsv(sheet.rows, csvSeparator)) < 0 || !file.commit())
            why = file.errorString();
    }
    return why.isEmpty() ? why : QStringLiteral("The file \"%1\" could not be written: %2").arg(path, why);
}

TableRead readSheetFile(const QString &path)
{
    if (isExcelPath(path))
        return readXlsx(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, QStringLiteral("The file \"%1\" could not be read: %2").arg(path, file.errorString())};
    // A schedule of every address is some 60 KB; this is some other file.
    if (file.size() > kMaxSheetBytes)
        return {{}, QStringLiteral("The file \"%1\" is too large to be a schedule.").arg(path)};
    return {readCsv(file.readAll()), {}};
}

}  // namespace vaz::storage
