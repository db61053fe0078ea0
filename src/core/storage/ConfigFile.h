#pragma once

#include "core/storage/FieldReader.h"
#include "core/model/Config.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace vaz::storage {

// First line of every configuration file.
inline const QString kIdentification = QStringLiteral("Rendon Elektronik Ticaret ve Sanayi A.S. Tel: (0000) 000 00 00");

// The bytes a save would write now for cfg (layout by cfg.McuVersiyon, code
// page 1254, CRLF line ends). Pure: changes nothing. RangeError when a V2
// file would need a rule count outside 0 to 200.
QByteArray configFileBytes(const Installation &cfg);

struct SaveResult {
    bool ok = false;
    QString message;  // for the user when !ok: names the file and the reason
};

// Writes cfg to path without ever destroying what was there (temporary file in
// the same folder, then replace). Sets DosyaKaydedildi = 1 only on success.
SaveResult GirisVerileriniKaydet(Config &cfg, const QString &path);

enum class ReadStatus {
    Ok,               // read and committed
    WrongFileType,    // first field is not kIdentification
    VersionMismatch,  // fits another MCU version's layout
    Damaged,          // cannot be read
    CannotOpen,
};

// A part or field of a configuration file, as a message names it.
struct FilePlace {
    enum class Kind {
        IdentificationLine,
        SupplierName,
        PanelName,
        LoopCount,
        ColumnTitles,
        DeviceRecord,  // number, of kRecords
        RecordField,   // the field the file titles `field` of device record number
        RecordValue,   // the value in column (zone 2, type 3, bypass 7, ...) of device record number
        DelaysTitle,
        PanelDelays,
        PanelDelay,  // number
        RingingTitle,
        RingingMode,
        RuleCount,
        Rule,      // number
        RulePart,  // the name, inputs, outputs or condition (column 0 to 3) of rule number
    };
    Kind kind = Kind::IdentificationLine;
    int number = 0;
    int column = 0;
    QString field;
};

// Why a configuration file was not read, as values: the reader states what
// and where, core/storage/FileWords words it.
struct ReadProblem {
    enum class Kind {
        None,
        CannotOpen,        // input
        TooLarge,          // far beyond any configuration file
        WrongFileType,     // the first field is not kIdentification
        OtherVersion,      // number: the MCU version whose layout the file fits
        UnclosedQuote,     // a quoted text opening on line is never closed
        ControlCharacter,  // place holds the control character number
        NotANumber,        // place holds text
        TitleExpected,     // the title other was expected, text was found
        EndsEarly,         // place is missing; line: where the file stops
        GoesOn,            // more fields from line on
        NotACount,         // the cause-effect count text
        LoopCount,         // the loop count text is not a number
        NoSuchPlace,       // device record place names loop text, address other
        TooWide,           // place holds text, beyond a 16-bit field
        TooManyRules,      // number rules
        Refused,           // the configuration refused a value; text says why, as it says it
    };
    Kind kind = Kind::None;
    QString file;  // the file's name; empty for bytes read already
    int line = 0;  // from 1
    FilePlace place;
    QString text, other;  // as the file holds them, cut short
    int number = 0;
    InputProblem input;  // CannotOpen
};

struct ReadResult {
    ReadStatus status = ReadStatus::Damaged;
    ReadProblem problem;  // kind None when Ok
};

// Reads a configuration file laid out for cfg.McuVersiyon. On Ok every field the
// file carries is replaced; on anything else cfg is left exactly as it was.
ReadResult DosyadanVerileriOku(Config &cfg, const QString &path);
ReadResult readConfigBytes(Config &cfg, QByteArrayView bytes);
// The same for bytes read already (the command line reads a pipe only once).
ReadResult readConfigFile(Config &cfg, const FileBytes &file);

// The MCU versions (12, 15, 20) whose layout the file's structure fits, as the
// reader judges it before it looks at single fields; empty for a file that is
// not a configuration file or fits no layout.
QList<int> fittingVersions(QByteArrayView bytes);

// "V1.2-1.4", "V1.5", "V2.0": how messages name the layout of MCU version mcu.
QString versionName(int mcu);

}  // namespace vaz::storage
