#pragma once

#include "core/storage/Document.h"
#include "core/model/Installation.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The papers an installer hands a site over with: a cover to sign, the device
// schedule by loop and by zone, the cause-effect matrix, every rule in words
// and a walk-test sheet.
namespace vaz::storage {

// "Kat1: OR of Loop 1 address 001 Manual call point 'Giris kati', ... → Loop 1
// address 010 Relay controller 'Damper role', Sounder 1, Fault relay"; the
// devices' types and locations as inst holds them.
QString ruleInWords(const Installation &inst, const QString &name, int condition, const QString &inputs,
                    const QString &outputs);

// "2026-12-07 14:05", as every page's foot shows the date.
QString printDate(const QDateTime &when);

struct CommissioningSource {
    QString fileName;     // shown on the cover; "Untitled" for a configuration never saved
    QByteArray bytes;     // what the SHA-256 is taken of
    bool onDisk = false;  // bytes are the file on disk, not what a save would write
    QDateTime printed;
};

Document commissioningReport(const Installation &inst, const CommissioningSource &source);

}  // namespace vaz::storage
