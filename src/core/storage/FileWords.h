#pragma once

#include "core/storage/ConfigFile.h"
#include "core/storage/SafeFile.h"

#include <QString>

// Why a file was not read, in words. The texts go through Qt's translations:
// the windows, which load them, read them in the user's language; the command
// line, which does not, in English.
namespace vaz::storage {

// "it is a pipe", or the system's text; empty for TooLarge, which each kind
// of file words itself.
QString inputProblemText(const InputProblem &problem);
// "The file "x" cannot be opened: it is a pipe."
QString cannotOpenText(const QString &fileName, const InputProblem &problem);

// The whole message for the user: "The file "x" cannot be read. Line 7: ...
// The configuration was not changed."
QString readProblemText(const ReadProblem &problem);
// Only what is wrong and where: "Line 7: ...".
QString readProblemDetail(const ReadProblem &problem);
// readProblemText of r's problem; empty when it was read.
QString readText(const ReadResult &r);

QString filePlaceText(const FilePlace &place);

}  // namespace vaz::storage
