#include "core/storage/Spreadsheet.h"

#include "core/storage/SafeFile.h"

#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#ifdef VAZ_EXCEL
#include <ioapi.h>
#include <unzip.h>
#include <xlsxwriter.h>
#endif

namespace vaz::storage {

namespace {

// A schedule of every address is some 60 KB; this is some other file.
constexpr qint64 kMaxScheduleBytes = 8 * 1024 * 1024;

// Workbooks write a character XML cannot hold (a carriage return, say) as
// "_x000D_", and a text that itself reads so with its "_" as "_x005F_".
QString unescaped(const QString &text)
{
    if (!text.contains(QLatin1String("_x")))
        return text;
    static const QRegularExpression escape(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    QString out;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &m : escape.globalMatch(text)) {
        out += QStringView(text).mid(from, m.capturedStart() - from);
        out += QChar(char16_t(m.capturedView(1).toUShort(nullptr, 16)));
        from = m.capturedEnd();
    }
    return out += QStringView(text).mid(from);
}

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
    return unescaped(text);
}

std::optional<QStringList> readSharedStrings(const QByteArray &bytes)
{
    QStringList strings;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"si")
            strings << stringItem(xml);
    if (xml.hasError())
        return std::nullopt;
    return strings;
}

constexpr int kMaxColumn = int(kMaxSheetColumns) - 1;

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

TableRead sharedStringsDamaged()
{
    TableRead read = refusedSheet(SheetProblem::Kind::PartXmlDamaged);
    read.problem.part = SheetProblem::Part::SharedStrings;
    return read;
}

// shared: nullopt when the workbook has no shared strings, which a cell that
// names one makes damage.
TableRead sheetRows(const QByteArray &bytes, const std::optional<QStringList> &shared)
{
    TableRead read;
    SheetRows &rows = read.rows;
    QXmlStreamReader xml(bytes);
    int row = -1, column = -1, lastRow = 0;
    auto damaged = [&](SheetProblem::Damage how) {
        TableRead refused = refusedSheet(SheetProblem::Kind::SheetDamaged, lastRow);
        refused.problem.damage = how;
        return refused;
    };
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && xml.name() == u"row")
            lastRow = row + 1;
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"row") {
            bool ok = false;
            const int r = xml.attributes().value(QLatin1String("r")).toInt(&ok);
            row = ok && r >= 1 ? r - 1 : row + 1;
            if (row >= kMaxSheetRows)
                return refusedSheet(SheetProblem::Kind::TooManyRows);
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
        if (type == u"s") {
            bool ok = false;
            const int index = value.toInt(&ok);
            if (!shared)
                return damaged(SheetProblem::Damage::NoSharedStrings);
            if (!ok || index < 0 || index >= shared->size())
                return damaged(SheetProblem::Damage::NoSuchSharedString);
            value = shared->at(index);
        } else if (type.isEmpty() || type == u"n") {
            value = numberText(value);
        }
        if (value.isEmpty())
            continue;
        if (column > kMaxColumn)
            return refusedSheet(SheetProblem::Kind::WideRow, row + 1);
        while (rows.size() <= row)
            rows.append(QStringList());
        QStringList &cells = rows[row];
        while (cells.size() <= column)
            cells.append(QString());
        cells[column] = value;
    }
    if (xml.hasError())
        return damaged(SheetProblem::Damage::Xml);
    return read;
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

// The largest part of a workbook that is read: a sheet of every address is
// well under a megabyte.
constexpr qint64 kMaxPartBytes = 16 * 1024 * 1024;

using Refusal = SheetProblem::Kind;

// One part of the workbook; problem says why it could not be read.
struct Part {
    QByteArray bytes;
    Refusal problem = Refusal::None;
};

Part member(unzFile zip, const QString &name)
{
    if (unzLocateFile(zip, name.toUtf8().constData(), 2) != UNZ_OK)
        return {{}, Refusal::PartMissing};
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK ||
        unzOpenCurrentFile(zip) != UNZ_OK)
        return {{}, Refusal::PartDamaged};
    if (info.uncompressed_size > quint64(kMaxPartBytes)) {
        unzCloseCurrentFile(zip);
        return {{}, Refusal::PartTooLarge};
    }
    Part part;
    char buffer[65536];
    int n = 0;
    while ((n = unzReadCurrentFile(zip, buffer, sizeof buffer)) > 0 && part.bytes.size() <= kMaxPartBytes)
        part.bytes.append(buffer, n);
    // Closing checks the CRC, which needs the whole member read.
    const bool crc = unzCloseCurrentFile(zip) == UNZ_OK;
    if (part.bytes.size() > kMaxPartBytes)
        return {{}, Refusal::PartTooLarge};
    if (n != 0 || !crc)
        return {{}, Refusal::PartDamaged};
    return part;
}

// "xl/worksheets/sheet1.xml", or where the workbook says its first sheet is;
// the part that cannot say when the workbook or its relationships are damaged.
QString firstSheetPath(const QByteArray &workbook, const QByteArray &relations, SheetProblem *problem)
{
    QString id;
    QXmlStreamReader book(workbook);
    while (!book.atEnd())
        if (book.readNext() == QXmlStreamReader::StartElement && book.name() == u"sheet" && id.isEmpty())
            for (const QXmlStreamAttribute &a : book.attributes())
                if (a.name() == u"id")
                    id = a.value().toString();
    if (book.hasError()) {
        problem->kind = Refusal::PartXmlDamaged, problem->part = SheetProblem::Part::Workbook;
        return {};
    }
    QString target;
    QXmlStreamReader links(relations);
    while (!links.atEnd())
        if (links.readNext() == QXmlStreamReader::StartElement && links.name() == u"Relationship" &&
            links.attributes().value(QLatin1String("Id")) == id && target.isEmpty())
            target = links.attributes().value(QLatin1String("Target")).toString();
    if (links.hasError()) {
        problem->kind = Refusal::PartXmlDamaged, problem->part = SheetProblem::Part::Relationships;
        return {};
    }
    if (target.isEmpty())
        return QStringLiteral("xl/worksheets/sheet1.xml");
    return target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target;
}

// minizip reads the workbook from memory: a pipe is read once, and nothing
// on disk changes between the look and the read.
struct Memory {
    QByteArray bytes;
    qint64 at = 0;
};

voidpf memoryOpen(voidpf opaque, const void *, int) { return opaque; }
uLong memoryRead(voidpf, voidpf stream, void *buffer, uLong size)
{
    auto *m = static_cast<Memory *>(stream);
    const qint64 n = std::clamp<qint64>(m->bytes.size() - m->at, 0, qint64(size));
    std::memcpy(buffer, m->bytes.constData() + m->at, size_t(n));
    m->at += n;
    return uLong(n);
}
uLong memoryWrite(voidpf, voidpf, const void *, uLong) { return 0; }
ZPOS64_T memoryTell(voidpf, voidpf stream) { return ZPOS64_T(static_cast<Memory *>(stream)->at); }
long memorySeek(voidpf, voidpf stream, ZPOS64_T offset, int origin)
{
    auto *m = static_cast<Memory *>(stream);
    const qint64 base = origin == ZLIB_FILEFUNC_SEEK_CUR   ? m->at
                        : origin == ZLIB_FILEFUNC_SEEK_END ? m->bytes.size()
                                                           : 0;
    const qint64 to = base + qint64(offset);
    if (offset > ZPOS64_T(m->bytes.size()) || to < 0 || to > m->bytes.size())
        return -1;
    m->at = to;
    return 0;
}
int memoryClose(voidpf, voidpf) { return 0; }
int memoryError(voidpf, voidpf) { return 0; }

#endif

}  // namespace

#ifdef VAZ_EXCEL
bool excelAvailable() { return true; }

TableRead readXlsx(const QByteArray &bytes)
{
    Memory memory{bytes, 0};
    zlib_filefunc64_def io{};
    io.zopen64_file = [](voidpf opaque, const void *name, int mode) { return memoryOpen(opaque, name, mode); };
    io.zread_file = memoryRead;
    io.zwrite_file = memoryWrite;
    io.ztell64_file = memoryTell;
    io.zseek64_file = memorySeek;
    io.zclose_file = memoryClose;
    io.zerror_file = memoryError;
    io.opaque = &memory;
    std::unique_ptr<void, int (*)(unzFile)> zip(unzOpen2_64("workbook", &io), unzClose);
    if (!zip)
        return refusedSheet(Refusal::NotAWorkbook);
    using Name = SheetProblem::Part;
    auto part = [&](const QString &name, Name which, SheetProblem *problem) {
        Part p = member(zip.get(), name);
        if (p.problem != Refusal::None && problem->kind == Refusal::None)
            problem->kind = p.problem, problem->part = which;
        return p;
    };
    TableRead refused;
    SheetProblem &problem = refused.problem;
    const Part book = part(QStringLiteral("xl/workbook.xml"), Name::Workbook, &problem);
    const Part links = part(QStringLiteral("xl/_rels/workbook.xml.rels"), Name::Relationships, &problem);
    const QString sheetPath = refused.ok() ? firstSheetPath(book.bytes, links.bytes, &problem) : QString();
    const Part sheet = refused.ok() ? part(sheetPath, Name::Sheet, &problem) : Part{};
    if (!refused.ok())
        return refused;
    // Without the part, cells that name shared strings are damage, found in the sheet.
    SheetProblem stringsProblem;
    const Part strings = part(QStringLiteral("xl/sharedStrings.xml"), Name::SharedStrings, &stringsProblem);
    const bool missing = strings.problem == Refusal::PartMissing;
    if (!missing && stringsProblem.kind != Refusal::None)
        return {{}, stringsProblem};
    std::optional<QStringList> shared;
    if (!missing && !(shared = readSharedStrings(strings.bytes)))
        return sharedStringsDamaged();
    return sheetRows(sheet.bytes, shared);
}

QString writeXlsx(const QString &path, const Sheet &sheet)
{
    return writeWhole(path, [&](int, const QString &temporary) { return writeWorkbook(temporary, sheet); });
}
#else
bool excelAvailable() { return false; }
TableRead readXlsx(const QByteArray &) { return refusedSheet(SheetProblem::Kind::NoExcel); }
QString writeXlsx(const QString &, const Sheet &)
{
    return QStringLiteral("This build of the tool cannot handle Excel files; use CSV.");
}
#endif

TableRead readSheetXml(const QByteArray &sheet, const QByteArray &sharedStrings)
{
    if (sharedStrings.isEmpty())
        return sheetRows(sheet, std::nullopt);
    const std::optional<QStringList> shared = readSharedStrings(sharedStrings);
    if (!shared)
        return sharedStringsDamaged();
    return sheetRows(sheet, shared);
}

bool isExcelPath(const QString &path) { return path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive); }

QString writeSheetFile(const QString &path, const Sheet &sheet, QChar csvSeparator)
{
    const QString why =
        isExcelPath(path) ? writeXlsx(path, sheet) : writeWhole(path, writeCsv(sheet.rows, csvSeparator));
    return why.isEmpty() ? why : QStringLiteral("The file \"%1\" could not be written: %2").arg(path, why);
}

TableRead readSheetFile(const QString &path, PipeInput pipes)
{
    const InputBytes in = readBounded(path, kMaxScheduleBytes, pipes);
    TableRead read;
    if (in.problem.kind == InputProblem::Kind::TooLarge)
        read = refusedSheet(SheetProblem::Kind::TooLarge);
    else if (!in.ok())
        read = refusedSheet(SheetProblem::Kind::CannotRead), read.problem.input = in.problem;
    else
        read = readSheetBytes(in.bytes, isExcelPath(path));
    if (!read.ok())
        read.problem.file = path;
    return read;
}

TableRead readSheetBytes(const QByteArray &bytes, bool excel) { return excel ? readXlsx(bytes) : readCsvTable(bytes); }

}  // namespace vaz::storage
