#pragma once

#include "core/storage/Document.h"
#include "core/model/Installation.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// The papers an installer hands a site over with: a cover to sign, the device
// schedule by loop and by zone, the cause-effect matrix, every rule in words
// and a walk-test sheet.
namespace vaz::storage {

// "Kat1: OR of", then each input on a line of its own ("  Loop 1 address
// 001 Manual call point 'Giris kati'"), then the outputs, the first after
// "→ "; the devices' types and locations as inst holds them.
QStringList ruleInWords(const Installation &inst, const QString &name, int condition, const QString &inputs,
                        const QString &outputs);

// "2026-12-07 14:05", as every page's foot shows the date.
QString printDate(const QDateTime &when);

// An upload the panel was read back after and found to hold.
struct VerifiedUpload {
    QDateTime when;
    QString user;
    QString device;
};

struct CommissioningSource {
    QString fileName;     // shown on the cover; "Untitled" for a configuration never saved
    QByteArray bytes;     // what the SHA-256 is taken of
    bool onDisk = false;  // bytes are the file on disk, not what a save would write
    QDateTime printed;
    QString fingerprint;  // "V2.0 3F2A-9C1B-07DE-55A0"; empty when the upload would refuse the configuration
    std::optional<VerifiedUpload> verified;  // the last of that fingerprint this computer knows of
};

Document commissioningReport(const Installation &inst, const CommissioningSource &source);

}  // namespace vaz::storage
