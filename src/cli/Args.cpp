#include "cli/Args.h"

#include <QFileInfo>

#include <array>

namespace vaz::cli {

namespace {

struct CommandForm {
    Command command;
    QString name;
    int files;
    QStringList valueOptions;
    QStringList flags;
    QStringList required;
    QString usage;
    QString summary;
};

const QString kPortHelp =
    QStringLiteral("  --port DEVICE    the panel's serial line: a device path (/dev/ttyUSB0, /dev/serial/by-id/...)\n"
                   "                   or COM1..COM4 as the windows map them (VAZ_COMn)\n");
const QString kMcuHelp =
    QStringLiteral("  --mcu 12|15|20   the panel's MCU version; without it, the one the file's structure shows\n");
const QString kQuietHelp = QStringLiteral("  --quiet          no progress bar\n");
const QString kJsonHelp = QStringLiteral("  --json           the rows as a JSON array on standard output\n");
const QString kCsvHelp =
    QStringLiteral("  --csv OUT.csv    the rows as a CSV file as well; - writes it to standard output\n");

const QString kScheduleHelp =
    QStringLiteral("A schedule is a CSV file or, by the extension .xlsx, an Excel workbook: a row a device with\n"
                   "the columns Loop, Address, Type, Zone, Location, Bypass, Input event, Output event, Output\n"
                   "delay, Fire zone, Fault zone.\n\n");

const auto &forms()
{
    static const auto table = std::to_array<CommandForm>({
        {Command::Upload,
         QStringLiteral("upload"),
         1,
         {"--port", "--mcu"},
         {"--verify", "--quiet"},
         {"--port"},
         QStringLiteral("upload FILE.dvk --port DEVICE [--mcu 12|15|20] [--verify] [--quiet]"),
         QStringLiteral("Sends the configuration file to the panel.\n"
                        "With --verify, exit status 1 when the panel does not hold what was sent.\n\n") +
             kPortHelp + kMcuHelp +
             QStringLiteral("  --verify         read the configuration back and compare it with what was sent\n") +
             kQuietHelp},
        {Command::Download,
         QStringLiteral("download"),
         0,
         {"--port", "--mcu", "-o"},
         {"--quiet"},
         {"--port", "--mcu", "-o"},
         QStringLiteral("download --port DEVICE --mcu 12|15|20 -o OUT.dvk [--quiet]"),
         QStringLiteral("Reads the panel's configuration and saves it; nothing is written when the transfer "
                        "fails.\n\n") +
             kPortHelp + kMcuHelp + QStringLiteral("  -o OUT.dvk       the file to write\n") + kQuietHelp},
        {Command::Compare,
         QStringLiteral("compare"),
         1,
         {"--port", "--mcu", "--csv"},
         {"--json", "--quiet"},
         {"--port"},
         QStringLiteral("compare FILE.dvk --port DEVICE [--mcu 12|15|20] [--csv OUT.csv] [--json] [--quiet]"),
         QStringLiteral("Compares the file with what the panel holds, one line a differing field.\n"
                        "Exit status 1 when they differ.\n\n") +
             kPortHelp + kMcuHelp + kCsvHelp + kJsonHelp + kQuietHelp},
        {Command::Diff,
         QStringLiteral("diff"),
         2,
         {"--mcu", "--csv"},
         {"--json"},
         {},
         QStringLiteral("diff A.dvk B.dvk [--mcu 12|15|20] [--csv OUT.csv] [--json]"),
         QStringLiteral("Compares two configuration files field by field, as compare does.\n"
                        "Exit status 1 when they differ.\n\n") +
             kMcuHelp + kCsvHelp + kJsonHelp},
        {Command::Check,
         QStringLiteral("check"),
         1,
         {"--mcu"},
         {"--json"},
         {},
         QStringLiteral("check FILE.dvk [--mcu 12|15|20] [--json]"),
         QStringLiteral("The check made before an upload, one line a finding.\n"
                        "Exit status 1 when there is a finding.\n\n") +
             kMcuHelp + kJsonHelp},
        {Command::Fingerprint,
         QStringLiteral("fingerprint"),
         1,
         {"--mcu"},
         {"--json"},
         {},
         QStringLiteral("fingerprint FILE.dvk [--mcu 12|15|20] [--json]"),
         QStringLiteral("The SHA-256 of the bytes an upload of the file sends: the same for a file and the\n"
                        "configuration downloaded from a panel holding it, at the same MCU version.\n\n") +
             kMcuHelp + QStringLiteral("  --json           the whole fingerprint as JSON on standard output\n")},
        {Command::Calc,
         QStringLiteral("calc"),
         1,
         {"--mcu"},
         {"--json"},
         {},
         QStringLiteral("calc FILE.dvk [--mcu 12|15|20] [--json]"),
         QStringLiteral("The loop load and battery calculation, from the figures in the site file beside the\n"
                        "configuration (FILE.site.json), as Site > Loop and battery calculation shows it.\n"
                        "Exit status 1 when a loop fails or a figure is missing.\n\n") +
             kMcuHelp + QStringLiteral("  --json           the figures as JSON on standard output\n")},
        {Command::Trace,
         QStringLiteral("trace"),
         2,
         {"--mcu"},
         {},
         {},
         QStringLiteral("trace FILE.dvk LOOP.ADDRESS [--mcu 12|15|20]"),
         QStringLiteral("What the configuration says a device sets off on a fire, or what sets an output off.\n"
                        "LOOP.ADDRESS: 2.45 is loop 2 address 45; 5.1 to 5.7 are the panel's Sounder 1 to 4, Fire\n"
                        "relay, Alarm relay and Fault relay.\n\n") +
             kMcuHelp},
        {Command::Report,
         QStringLiteral("report"),
         1,
         {"--mcu", "-o"},
         {},
         {"-o"},
         QStringLiteral("report FILE.dvk -o OUT.pdf [--mcu 12|15|20]"),
         QStringLiteral("Writes the printed report of the file as a PDF.\n\n") + kMcuHelp +
             QStringLiteral("  -o OUT.pdf       the file to write\n")},
        {Command::ExportDevices,
         QStringLiteral("export-devices"),
         1,
         {"--mcu", "-o"},
         {},
         {"-o"},
         QStringLiteral("export-devices FILE.dvk -o OUT.csv|OUT.xlsx [--mcu 12|15|20]"),
         QStringLiteral("Writes the file's devices as a schedule. CSV is separated by \";\" where the locale writes\n"
                        "decimals with a comma, by \",\" elsewhere.\n\n") +
             kScheduleHelp + kMcuHelp +
             QStringLiteral("  -o OUT           the schedule to write; - writes it as CSV to standard output\n")},
        {Command::ImportDevices,
         QStringLiteral("import-devices"),
         2,
         {"--mcu", "-o"},
         {},
         {"-o"},
         QStringLiteral("import-devices FILE.dvk SCHEDULE.csv|SCHEDULE.xlsx -o OUT.dvk [--mcu 12|15|20]"),
         QStringLiteral("Takes the devices of a schedule into the configuration and saves it: rows added, changed\n"
                        "and, for devices no row names, removed. Problems go to standard error by row and column;\n"
                        "with any, exit status 1 and nothing is written.\n\n") +
             kScheduleHelp + kMcuHelp + QStringLiteral("  -o OUT.dvk       the configuration to write\n")},
    });
    return table;
}

// The options that take no value, and what each sets.
const auto kFlags = std::to_array<std::pair<QLatin1String, bool Args::*>>({
    {QLatin1String("--json"), &Args::json},
    {QLatin1String("--quiet"), &Args::quiet},
    {QLatin1String("--verify"), &Args::verify},
});

const CommandForm *findForm(Command command)
{
    for (const CommandForm &s : forms())
        if (s.command == command)
            return &s;
    return nullptr;
}

const CommandForm *findForm(const QString &name)
{
    for (const CommandForm &s : forms())
        if (s.name == name)
            return &s;
    return nullptr;
}

bool isHelp(const QString &a) { return a == QLatin1String("--help") || a == QLatin1String("-h"); }

}  // namespace

bool isCommandLine(const QStringList &args)
{
    if (args.isEmpty())
        return false;
    const QString &first = args.first();
    if (findForm(first) || isHelp(first) || first == QLatin1String("--version"))
        return true;
    // A word that names no file is a mistyped command, not a file to open.
    return !first.startsWith(u'-') && !first.endsWith(QLatin1String(".dvk"), Qt::CaseInsensitive) &&
           !QFileInfo::exists(first);
}

Parsed parseArgs(const QStringList &args)
{
    Parsed p;
    Args &a = p.args;
    if (args.isEmpty() || isHelp(args.first()) || args.first() == QLatin1String("--version")) {
        a.help = !args.isEmpty() && isHelp(args.first());
        a.version = !a.help && !args.isEmpty();
        if (args.size() > 1)
            p.error = QStringLiteral("unexpected argument \"%1\"").arg(args[1]);
        else if (args.isEmpty())
            p.error = QStringLiteral("no command given");
        return p;
    }
    const CommandForm *form = findForm(args.first());
    if (!form) {
        p.error = QStringLiteral("unknown command \"%1\"").arg(args.first());
        return p;
    }
    a.command = form->command;
    QStringList seen;
    for (qsizetype i = 1; i < args.size(); ++i) {
        QString arg = args[i];
        if (isHelp(arg)) {
            a.help = true;
            return p;
        }
        if (arg == kStandardOutput) {
            p.error = QStringLiteral("\"-\" names no file: standard input is not read");
            return p;
        }
        if (!arg.startsWith(u'-')) {
            a.files << arg;
            continue;
        }
        QString value;
        bool inlineValue = false;
        if (const qsizetype eq = arg.indexOf(u'='); arg.startsWith(QLatin1String("--")) && eq > 0) {
            value = arg.mid(eq + 1);
            arg.truncate(eq);
            inlineValue = true;
        }
        if (form->flags.contains(arg) && !inlineValue) {
            for (const auto &[flag, member] : kFlags)
                if (arg == flag)
                    a.*member = true;
            continue;
        }
        if (!form->valueOptions.contains(arg)) {
            p.error = QStringLiteral("%1 does not take the option %2").arg(form->name, arg);
            return p;
        }
        if (!inlineValue) {
            if (i + 1 >= args.size()) {
                p.error = QStringLiteral("%1 needs a value").arg(arg);
                return p;
            }
            value = args[++i];
        }
        if (value.isEmpty()) {
            p.error = QStringLiteral("%1 needs a value").arg(arg);
            return p;
        }
        if (seen.contains(arg)) {
            p.error = QStringLiteral("%1 is given twice").arg(arg);
            return p;
        }
        const bool toStandardOutput =
            arg == QLatin1String("--csv") || (arg == QLatin1String("-o") && a.command == Command::ExportDevices);
        if (value == kStandardOutput && !toStandardOutput) {
            p.error = QStringLiteral("%1 needs a file name: \"-\" (standard output) is taken only by --csv and "
                                     "export-devices -o")
                          .arg(arg);
            return p;
        }
        seen << arg;
        if (arg == QLatin1String("--port")) {
            a.port = value;
        } else if (arg == QLatin1String("-o")) {
            a.output = value;
        } else if (arg == QLatin1String("--csv")) {
            a.csv = value;
        } else if (value == QLatin1String("12") || value == QLatin1String("15") || value == QLatin1String("20")) {
            a.mcu = value.toInt();
        } else {
            p.error = QStringLiteral("--mcu takes 12, 15 or 20, not \"%1\"").arg(value);
            return p;
        }
    }
    if (a.json && a.csv == kStandardOutput) {
        p.error = QStringLiteral("--json and --csv - both take standard output");
        return p;
    }
    for (const QString &option : form->required)
        if (!seen.contains(option)) {
            p.error = QStringLiteral("%1 needs %2").arg(form->name, option);
            return p;
        }
    if (a.files.size() != form->files)
        p.error = form->files == 0   ? QStringLiteral("%1 takes no file").arg(form->name)
                  : form->files == 1 ? QStringLiteral("%1 takes one configuration file").arg(form->name)
                  : a.command == Command::ImportDevices
                      ? QStringLiteral("%1 takes a configuration file and a schedule").arg(form->name)
                  : a.command == Command::Trace
                      ? QStringLiteral("%1 takes a configuration file and a device address").arg(form->name)
                      : QStringLiteral("%1 takes two configuration files").arg(form->name);
    return p;
}

QString usageLine(Command command)
{
    if (const CommandForm *form = findForm(command))
        return QStringLiteral("usage: vazconfig ") + form->usage;
    return QStringLiteral("usage: vazconfig [FILE.dvk] | vazconfig COMMAND [ARGS] | vazconfig --help | vazconfig "
                          "--version");
}

QString helpText(Command command)
{
    if (const CommandForm *form = findForm(command))
        return usageLine(command) + QStringLiteral("\n\n") + form->summary;
    QString text = usageLine(command) +
                   QStringLiteral("\n\nWithout a command the windows start, with FILE.dvk opened when given.\n\n"
                                  "Commands:\n");
    for (const CommandForm &s : forms())
        // The summary's first paragraph whole: a description cut mid-sentence says nothing.
        text += QStringLiteral("  vazconfig ") + s.usage + QStringLiteral("\n      ") +
                s.summary.section(QStringLiteral("\n\n"), 0, 0).replace(u'\n', QStringLiteral("\n      ")) + u'\n';
    text += QStringLiteral(
        "\nExit status: 0 success (no difference, no finding), 1 differences, findings or schedule problems, 2 "
        "failure.\n`vazconfig COMMAND --help` tells more.\n");
    return text;
}

}  // namespace vaz::cli
