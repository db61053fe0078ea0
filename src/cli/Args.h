#pragma once

#include <QString>
#include <QStringList>

namespace vaz::cli {

enum class Command {
    None,
    Upload,
    Download,
    Compare,
    Diff,
    Check,
    Fingerprint,
    Calc,
    Trace,
    Report,
    ExportDevices,
    ImportDevices
};

// "-" as -o of export-devices or as --csv: standard output.
inline const QString kStandardOutput = QStringLiteral("-");

// What the command line asked for.
struct Args {
    Command command = Command::None;
    QStringList files;
    QString port;
    QString output;  // -o
    QString csv;
    int mcu = 0;  // 0: the version the file's structure shows
    bool json = false;
    bool quiet = false;
    bool verify = false;
    bool help = false;
    bool version = false;
};

struct Parsed {
    Args args;
    QString error;  // set for bad arguments: the usage line follows it
};

// True when the arguments (without the program's name) ask for a subcommand,
// --help or --version; anything else starts the windows.
bool isCommandLine(const QStringList &args);

Parsed parseArgs(const QStringList &args);

// "usage: vazconfig upload FILE.dvk --port DEVICE ..."; None: every command.
QString usageLine(Command command);
// What --help prints.
QString helpText(Command command);

}  // namespace vaz::cli
