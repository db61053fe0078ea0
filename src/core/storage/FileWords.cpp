#include "core/storage/FileWords.h"

#include <QCoreApplication>

namespace vaz::storage {

// The context of the texts below in the translations.
class FileWords {
    Q_DECLARE_TR_FUNCTIONS(vaz::storage::FileWords)

public:
    static QString input(const InputProblem &p)
    {
        switch (p.kind) {
        case InputProblem::Kind::System: return p.systemError;
        case InputProblem::Kind::Folder: return tr("it is a folder");
        case InputProblem::Kind::Pipe: return tr("it is a pipe");
        case InputProblem::Kind::Device: return tr("it is a device");
        case InputProblem::Kind::Socket: return tr("it is a socket");
        case InputProblem::Kind::NotAFile: return tr("it is not a regular file");
        case InputProblem::Kind::Changed: return tr("it changed while it was opened");
        case InputProblem::Kind::None:
        case InputProblem::Kind::TooLarge: break;
        }
        return {};
    }

    static QString cannotOpen(const QString &name, const InputProblem &p)
    {
        return tr("The file \"%1\" cannot be opened: %2.").arg(name, input(p));
    }

    static QString recordValue(int column, int record)
    {
        switch (column) {
        case 2: return tr("the zone of device record %1").arg(record);
        case 3: return tr("the type of device record %1").arg(record);
        case 7: return tr("the bypass of device record %1").arg(record);
        case 8: return tr("the event type of device record %1").arg(record);
        case 9: return tr("the delay of device record %1").arg(record);
        case 10: return tr("the output event fire of device record %1").arg(record);
        default: return tr("the output event fault of device record %1").arg(record);
        }
    }

    static QString rulePart(int part, int rule)
    {
        switch (part) {
        case 0: return tr("the name of cause-effect %1").arg(rule);
        case 1: return tr("the inputs of cause-effect %1").arg(rule);
        case 2: return tr("the outputs of cause-effect %1").arg(rule);
        default: return tr("the condition of cause-effect %1").arg(rule);
        }
    }

    static QString place(const FilePlace &p)
    {
        using K = FilePlace::Kind;
        switch (p.kind) {
        case K::IdentificationLine: return tr("the identification line");
        case K::SupplierName: return tr("the supplier's name");
        case K::PanelName: return tr("the panel name");
        case K::LoopCount: return tr("the loop count");
        case K::ColumnTitles: return tr("the column titles");
        case K::DeviceRecord: return tr("device record %1 of %2").arg(p.number).arg(kRecords);
        // The field as the file titles it.
        case K::RecordField: return tr("the field \"%1\" of device record %2").arg(p.field).arg(p.number);
        case K::RecordValue: return recordValue(p.column, p.number);
        case K::DelaysTitle: return tr("the title \"Delays\"");
        case K::PanelDelays: return tr("the panel delays");
        case K::PanelDelay: return tr("panel delay %1").arg(p.number);
        case K::RingingTitle: return tr("the title \"RINGING MODE\"");
        case K::RingingMode: return tr("the ringing mode");
        case K::RuleCount: return tr("the cause-effect count");
        case K::Rule: return tr("cause-effect %1").arg(p.number);
        case K::RulePart: return rulePart(p.column, p.number);
        }
        return {};
    }

    // Texts from the file go in last, all at once: a "%1" in them stays as it is.
    static QString detail(const ReadProblem &p)
    {
        using K = ReadProblem::Kind;
        const QString line = QString::number(p.line);
        switch (p.kind) {
        case K::TooLarge: return tr("It is far too large to be a configuration file.");
        case K::UnclosedQuote: return tr("Line %1: a text opens with a double quote that is never closed.").arg(p.line);
        case K::ControlCharacter:
            return tr("Line %1: %2 holds the control character 0x%3.")
                .arg(line, place(p.place), QStringLiteral("%1").arg(p.number, 2, 16, QLatin1Char('0')));
        case K::NotANumber:
            return tr("Line %1: %2 is \"%3\", which is not a number.").arg(line, place(p.place), p.text);
        case K::TitleExpected:
            return tr("Line %1: the title \"%2\" was expected but \"%3\" was found.").arg(line, p.other, p.text);
        case K::EndsEarly:
            return tr("The file ends too early: %1 is missing (the file stops at line %2).").arg(place(p.place), line);
        case K::GoesOn: return tr("Line %1: the file goes on after the end of the configuration.").arg(p.line);
        case K::NotACount: return tr("Line %1: the cause-effect count \"%2\" is not a count.").arg(line, p.text);
        case K::LoopCount: return tr("Line %1: the loop count \"%2\" is not a number.").arg(line, p.text);
        case K::NoSuchPlace:
            return tr("Line %1: device record %2 names loop \"%3\", address \"%4\"; loops are 1 to %5 and addresses 1 "
                      "to %6.")
                .arg(line, QString::number(p.place.number), p.text, p.other, QString::number(kLoops),
                     QString::number(kAddresses));
        case K::TooWide:
            return tr("Line %1: %2 is \"%3\", which does not fit a 16-bit field.").arg(line, place(p.place), p.text);
        case K::TooManyRules:
            return tr("Line %1: the file holds %2 cause-effect rules; at most %3 are possible.")
                .arg(p.line)
                .arg(p.number)
                .arg(kMaxRules);
        case K::Refused: return p.text + u'.';
        default: return {};
        }
    }

    static QString whole(const ReadProblem &p)
    {
        using K = ReadProblem::Kind;
        switch (p.kind) {
        case K::None: return {};
        case K::CannotOpen: return cannotOpen(p.file, p.input);
        case K::WrongFileType: return tr("Wrong file type");
        case K::OtherVersion:
            return tr("This file was written for MCU version %1. Choose that version with File > MCU Version and "
                      "open it again.")
                .arg(versionName(p.number));
        default: break;
        }
        const QString head =
            p.file.isEmpty() ? tr("The file cannot be read.") : tr("The file \"%1\" cannot be read.").arg(p.file);
        return head + u' ' + detail(p) + tr(" The configuration was not changed.");
    }
};

QString inputProblemText(const InputProblem &problem) { return FileWords::input(problem); }
QString cannotOpenText(const QString &fileName, const InputProblem &problem)
{
    return FileWords::cannotOpen(fileName, problem);
}
QString readProblemText(const ReadProblem &problem) { return FileWords::whole(problem); }
QString readProblemDetail(const ReadProblem &problem) { return FileWords::detail(problem); }
QString readText(const ReadResult &r) { return FileWords::whole(r.problem); }
QString filePlaceText(const FilePlace &place) { return FileWords::place(place); }

}  // namespace vaz::storage
