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
    WrongFileType,    // first field is not kIdentification; message is "Wrong file type"
    VersionMismatch,  // fits another MCU version's layout; message names it
    Damaged,          // cannot be read; message says what and where
    CannotOpen,       // message names the file and the reason
};

struct ReadResult {
    ReadStatus status = ReadStatus::Damaged;
    QString message;  // empty when Ok
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
