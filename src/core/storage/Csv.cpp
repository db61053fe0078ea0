#include "core/storage/Csv.h"

#include "core/model/Codepage.h"

#include <QStringDecoder>

#include <algorithm>

namespace vaz::storage {

namespace {

QString decode(const QByteArray &bytes)
{
    if (const auto bom = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*bom);
        return decoder.decode(bytes);  // the decoder drops the mark
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? fromCp1254(bytes) : text;
}

QChar detectSeparator(const QString &text)
{
    int counts[3] = {};
    const QChar candidates[3] = {u',', u';', u'\t'};
    bool quoted = false;
    for (QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        else if (!quoted)
            for (int i = 0; i < 3; ++i)
                counts[i] += c == candidates[i];
    }
    int best = 0;
    for (int i = 1; i < 3; ++i)
        if (counts[i] > counts[best])
            best = i;
    return candidates[best];
}

bool formulaStart(QChar c) { return QStringView(u"=+-@\t\r'").contains(c); }

bool negativeWholeNumber(const QString &cell)
{
    return cell.size() > 1 && cell[0] == u'-' &&
           std::all_of(cell.begin() + 1, cell.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

}  // namespace

QString guardedCell(const QString &cell)
{
    return cell.isEmpty() || !formulaStart(cell[0]) || negativeWholeNumber(cell) ? cell : u'\'' + cell;
}

QString unguardedCell(const QString &cell)
{
    return cell.size() > 1 && cell[0] == u'\'' && formulaStart(cell[1]) ? cell.mid(1) : cell;
}

QChar csvSeparatorFor(const QLocale &locale) { return locale.decimalPoint() == u"," ? u';' : u','; }

QByteArray writeCsv(const SheetRows &rows, QChar separator, bool quoteAll)
{
    QString out;
    for (const QStringList &row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                out += separator;
            QString field = guardedCell(row[i]);
            if (quoteAll || field.contains(separator) || field.contains(u'"') || field.contains(u'\n') ||
                field.contains(u'\r') || field.startsWith(u' ') || field.endsWith(u' ')) {
                field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
                field = u'"' + field + u'"';
            }
            out += field;
        }
        out += QStringLiteral("\r\n");
    }
    return "\xEF\xBB\xBF" + out.toUtf8();
}

TableRead readCsvTable(const QByteArray &bytes)
{
    const QString text = decode(bytes);
    const QChar separator = detectSeparator(text);
    TableRead read;
    SheetRows &rows = read.rows;
    QStringList row;
    QString field;
    bool quoted = false, rowStarted = false;
    qsizetype wideRow = 0;  // the first with a filled cell beyond the last column
    const auto endField = [&] {
        if (row.size() < kMaxSheetColumns)
            row << field;
        else if (!field.isEmpty() && wideRow == 0)
            wideRow = rows.size() + 1;
        field.clear();
    };
    const auto endRow = [&] {
        endField();
        rows << row;
        row.clear();
        rowStarted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != u'"')
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else
                quoted = false;
            continue;
        }
        if (!rowStarted && rows.size() == kMaxSheetRows)
            return refusedSheet(SheetProblem::Kind::TooManyRows);
        rowStarted = true;
        if (c == u'"' && field.isEmpty())
            quoted = true;
        else if (c == separator)
            endField();
        else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            endRow();
        } else
            field += c;
    }
    if (rowStarted || quoted)
        endRow();
    if (wideRow > 0)
        return refusedSheet(SheetProblem::Kind::WideRow, int(wideRow));
    return read;
}

SheetRows readCsv(const QByteArray &bytes) { return readCsvTable(bytes).rows; }

}  // namespace vaz::storage
