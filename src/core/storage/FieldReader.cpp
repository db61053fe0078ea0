#include "core/storage/FieldReader.h"

namespace vaz::storage {

namespace {

// No file this tool writes comes near this; anything larger is not one of ours.
constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

bool isSpace(QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

}  // namespace

FieldList splitFields(QStringView text)
{
    FieldList out;
    qsizetype end = text.size();
    while (end > 0 && isSpace(text[end - 1]))
        --end;

    qsizetype pos = 0;
    int line = 1;
    while (pos < end) {
        while (pos < end && (text[pos] == u' ' || text[pos] == u'\t'))
            ++pos;
        Field field;
        field.line = line;
        if (pos < end && text[pos] == u'"') {
            qsizetype close = text.indexOf(u'"', pos + 1);
            if (close < 0) {
                out.unclosedQuoteLine = line;
                return out;
            }
            field.text = text.sliced(pos + 1, close - pos - 1).toString();
            const QString &t = field.text;
            for (qsizetype i = 0; i < t.size(); ++i)
                if (t[i] == u'\n' || (t[i] == u'\r' && (i + 1 == t.size() || t[i + 1] != u'\n')))
                    ++line;
            pos = close + 1;
            while (pos < end && text[pos] != u',' && text[pos] != u'\r' && text[pos] != u'\n')
                ++pos;
        } else {
            qsizetype start = pos;
            while (pos < end && text[pos] != u',' && text[pos] != u'\r' && text[pos] != u'\n')
                ++pos;
            field.text = text.sliced(start, pos - start).toString();
        }
        out.fields.append(std::move(field));

        if (pos < text.size()) {
            if (text[pos] == u',') {
                ++pos;
            } else if (text[pos] == u'\r') {
                ++pos;
                if (pos < text.size() && text[pos] == u'\n')
                    ++pos;
                ++line;
            } else if (text[pos] == u'\n') {
                ++pos;
                ++line;
            }
        }
    }
    return out;
}

FileBytes readFileBytes(const QString &path, PipeInput pipes) { return readBounded(path, kMaxFileSize, pipes); }

}  // namespace vaz::storage
