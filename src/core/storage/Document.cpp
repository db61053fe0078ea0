#include "core/storage/Document.h"

#include <QCoreApplication>

#include <algorithm>

namespace vaz::storage {

QStringList Document::lines() const
{
    QStringList out;
    for (const DocumentSection &s : sections) {
        out << s.heading;
        for (const QStringList &row : s.rows)
            out << row;
    }
    return out;
}

namespace {

class Pager {
public:
    explicit Pager(int perPage) : perPage_(std::max(perPage, 1)) {}

    int room() const { return perPage_ - int(page_.lines.size()); }
    bool empty() const { return page_.lines.isEmpty(); }

    void addHeading(const QStringList &heading)
    {
        for (const QString &l : heading) {
            page_.headingLines << int(page_.lines.size());
            page_.lines << l;
        }
    }
    void add(const QString &line) { page_.lines << line; }

    void flush()
    {
        pages_ << page_;
        page_ = {};
    }

    QList<DocumentPage> finish()
    {
        if (!empty() || pages_.isEmpty())
            flush();
        return pages_;
    }

private:
    int perPage_;
    DocumentPage page_;
    QList<DocumentPage> pages_;
};

}  // namespace

QList<DocumentPage> paginate(const Document &doc, int linesPerPage)
{
    Pager pager(linesPerPage);
    for (const DocumentSection &s : doc.sections) {
        if (s.newPage && !pager.empty())
            pager.flush();
        // A heading taller than a page could never be followed by a row.
        const QStringList heading = s.heading.mid(0, std::max(0, linesPerPage - 1));
        const qsizetype gap = pager.empty() ? 0 : 1;
        bool headingPlaced = false;
        if (s.rows.isEmpty()) {
            if (pager.room() < gap + heading.size())
                pager.flush();
            else if (gap)
                pager.add(QString());
            pager.addHeading(heading);
            continue;
        }
        for (const QStringList &row : s.rows) {
            const qsizetype fresh = heading.size() + row.size();
            const qsizetype need = headingPlaced ? row.size() : (pager.empty() ? 0 : gap) + fresh;
            if (need > pager.room() && !pager.empty()) {
                // On a page of its own the row fits, or is cut anyway: better from a page's top.
                pager.flush();
                headingPlaced = false;
            }
            if (!headingPlaced) {
                if (!pager.empty())
                    pager.add(QString());
                pager.addHeading(heading);
                headingPlaced = true;
            }
            for (const QString &line : row) {
                if (pager.room() <= 0) {
                    pager.flush();
                    pager.addHeading(heading);
                }
                pager.add(line);
            }
        }
    }
    QList<DocumentPage> pages = pager.finish();
    for (qsizetype i = 0; i < pages.size(); ++i)
        pages[i].foot = QCoreApplication::translate("vaz::storage::Paper", "%1    page %2 of %3    %4")
                            .arg(doc.title)
                            .arg(i + 1)
                            .arg(pages.size())
                            .arg(doc.date);
    return pages;
}

QStringList wrapText(const QString &text, int width, int indent)
{
    QStringList out;
    const QString pad(indent, u' ');
    auto room = [&] { return std::max(1, width - (out.isEmpty() ? 0 : indent)); };
    auto put = [&](const QString &line) { out << (out.isEmpty() ? line : pad + line); };
    QString line;
    for (QString word : text.split(u' ', Qt::SkipEmptyParts)) {
        while (!word.isEmpty()) {
            if (line.isEmpty() && word.size() > room()) {
                const int n = room();
                put(word.left(n));
                word = word.mid(n);
            } else if (line.isEmpty()) {
                line = word, word.clear();
            } else if (line.size() + 1 + word.size() <= room()) {
                line += u' ' + word, word.clear();
            } else {
                put(line), line.clear();
            }
        }
    }
    if (!line.isEmpty() || out.isEmpty())
        put(line);
    return out;
}

QList<int> columnWidths(const QList<QStringList> &rows)
{
    QList<int> widths;
    for (const QStringList &row : rows) {
        if (widths.size() < row.size())
            widths.resize(row.size());
        for (qsizetype c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], int(row[c].size()));
    }
    return widths;
}

QString tableLine(const QStringList &cells, const QList<int> &widths)
{
    QString out;
    for (qsizetype c = 0; c < cells.size(); ++c) {
        if (c > 0)
            out += QStringLiteral("  ");
        out += c < widths.size() ? cells[c].leftJustified(widths[c], u' ') : cells[c];
    }
    while (out.endsWith(u' '))
        out.chop(1);
    return out;
}

QStringList indentedLines(const QString &lead, const QStringList &lines, int width)
{
    QStringList out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // The line's own indent stays: wrapping would fold it away.
        qsizetype own = 0;
        while (own < lines[i].size() && lines[i][own] == u' ')
            ++own;
        const QString first = (i == 0 ? lead : QString(lead.size(), u' ')) + QString(own, u' ');
        const QStringList wrapped = wrapText(lines[i].mid(own), width - int(first.size()), 2);
        for (qsizetype j = 0; j < wrapped.size(); ++j)
            out << (j == 0 ? first : QString(first.size(), u' ')) + wrapped[j];
    }
    return out;
}

}  // namespace vaz::storage
