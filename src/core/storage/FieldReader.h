#pragma once

#include "core/storage/SafeFile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

namespace vaz::storage {

// One field of a configuration file as the reader takes it.
struct Field {
    QString text;
    int line = 0;  // line on which the field starts, from 1
};

struct FieldList {
    QList<Field> fields;
    // The line of a quoted text that is never closed, where the fields stop
    // early; 0 when none.
    int unclosedQuoteLine = 0;
};

// Splits decoded file text into fields: a field ends at a comma or a line end
// (CR LF, CR or LF); a quoted field is the text between its quotes, commas and
// line ends included, and anything after the closing quote up to the next
// comma or line end is dropped; leading blanks of a field are skipped. Blanks
// and line ends at the very end of the text hold no field.
FieldList splitFields(QStringView text);

// The bytes of a file that should be a configuration file. Read with a bound,
// so that a device file that never ends cannot hang the tool; a pipe only
// where allowed (the command line's <(...)).
using FileBytes = InputBytes;
FileBytes readFileBytes(const QString &path, PipeInput pipes = PipeInput::Refused);

}  // namespace vaz::storage
