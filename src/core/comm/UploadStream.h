#pragma once

#include "core/comm/TransferFacts.h"
#include "core/model/Installation.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace vaz::comm {

// Where an upload's bytes go: the engine sends them to the panel, the
// fingerprint hashes them. One writer of the order keeps the two the same.
class UploadSink {
public:
    // What the panel must answer before the next bytes go.
    enum class Answer { None, Begin /* "B" */, Ack /* "O" */ };

    virtual ~UploadSink() = default;
    // False ends the upload there.
    virtual bool send(QByteArrayView bytes, Answer answer) = 0;
    // The device record at (loop, address) goes next; when it has gone and
    // another follows, recordSent.
    virtual void recordStarts(int loop, int address) { (void)loop, (void)address; }
    virtual void recordSent() {}
    // What follows belongs to place (panel settings, rules).
    virtual void at(const TransferPlace &place) { (void)place; }
};

// Every byte of an upload of cfg, in order, from the handshake on. False when
// the sink ended it. The caller has checked uploadRefusal.
bool writeUpload(const Installation &cfg, UploadSink &sink);
// How many bytes that is.
qint64 uploadBytes(const Installation &cfg);

// The SHA-256 of every byte a successful upload writes to the port: what the
// panel received, whatever the file's form.
struct Fingerprint {
    int mcu = 0;
    QByteArray sha256;

    // 64 hex digits, upper case.
    QString hex() const;
    // "3F2A-9C1B-07DE-55A0": the first 16 hex digits.
    QString shortForm() const;
    // "V2.0 3F2A-9C1B-07DE-55A0".
    QString shown() const;
};

// None for a configuration the upload would refuse.
std::optional<Fingerprint> panelFingerprint(const Installation &cfg);
// Of a configuration file's bytes read for the panel at mcu; none when they
// do not read as a configuration.
std::optional<Fingerprint> fileFingerprint(const QByteArray &bytes, int mcu);

}  // namespace vaz::comm
