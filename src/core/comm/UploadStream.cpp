#include "core/comm/UploadStream.h"

#include "core/comm/PanelFields.h"
#include "core/comm/TransferLog.h"
#include "core/model/Codepage.h"
#include "core/model/Config.h"
#include "core/storage/ConfigFile.h"

#include <QCryptographicHash>

namespace vaz::comm {

namespace {

bool sendField(UploadSink &sink, const QByteArray &field, UploadSink::Answer answer)
{
    QByteArray bytes = field;
    bytes.append(kSeparator);
    return sink.send(bytes, answer);
}

using Answer = UploadSink::Answer;

}  // namespace

bool writeUpload(const Installation &cfg, UploadSink &sink)
{
    if (!sink.send("S~A~", Answer::Begin))
        return false;
    // Supplier and panel name go unacknowledged: the panel answers the first record's fields.
    sendField(sink, toCp1254(cfg.TedarikciAdi), Answer::None);
    if (cfg.McuVersiyon > 14)
        sendField(sink, toCp1254(cfg.PanelAdi), Answer::None);
    for (int l = 1; l <= kLoops; ++l) {
        for (int a = 1; a <= kAddresses; ++a) {
            sink.recordStarts(l, a);
            for (const QByteArray &field : recordFields(cfg, l, a))
                if (!sendField(sink, field, Answer::Ack))
                    return false;
            if (l == kLoops && a == kAddresses)
                break;
            sink.send("N~", Answer::None);
            sink.recordSent();
        }
    }
    sink.send("E~", Answer::None);
    sink.at(TransferPlace::of(TransferPlace::Kind::PanelSettings));
    for (const QByteArray &field : settingsFields(cfg))
        if (!sendField(sink, field, Answer::Ack))
            return false;
    if (cfg.McuVersiyon < 20)
        return true;
    const int count = cfg.SSsayisi;
    if (count == 0)
        return sink.send("N~", Answer::None);
    sink.at(TransferPlace::of(TransferPlace::Kind::Rules));
    if (!sink.send("Y~", Answer::Ack))
        return false;
    for (int s = 0; s < kRuleSections; ++s) {
        for (int r = 1; r <= count; ++r) {
            sink.at(TransferPlace::of(TransferPlace::Kind::Rule, r));
            if (!sendField(sink, ruleField(cfg, s, r), Answer::Ack))
                return false;
        }
        sink.at(TransferPlace::of(TransferPlace::Kind::Rules));
        if (!sink.send(QByteArrayView("}", 1), Answer::Ack))
            return false;
    }
    return true;
}

qint64 uploadBytes(const Installation &cfg)
{
    struct Counter : UploadSink {
        qint64 bytes = 0;
        bool send(QByteArrayView b, Answer) override
        {
            bytes += b.size();
            return true;
        }
    } counter;
    writeUpload(cfg, counter);
    return counter.bytes;
}

QString Fingerprint::hex() const { return QString::fromLatin1(sha256.toHex()).toUpper(); }

QString Fingerprint::shortForm() const { return shortFingerprint(hex()); }

QString Fingerprint::shown() const { return storage::versionName(mcu) + u' ' + shortForm(); }

std::optional<Fingerprint> panelFingerprint(const Installation &cfg)
{
    if (uploadRefusal(cfg))
        return std::nullopt;
    struct Hasher : UploadSink {
        QCryptographicHash hash{QCryptographicHash::Sha256};
        bool send(QByteArrayView bytes, Answer) override
        {
            hash.addData(bytes);
            return true;
        }
    } hasher;
    writeUpload(cfg, hasher);
    return Fingerprint{cfg.McuVersiyon, hasher.hash.result()};
}

std::optional<Fingerprint> fileFingerprint(const QByteArray &bytes, int mcu)
{
    Config cfg;
    cfg.McuVersiyon = mcu;
    storage::FileBytes file;
    file.bytes = bytes;
    if (storage::readConfigFile(cfg, file).status != storage::ReadStatus::Ok)
        return std::nullopt;
    return panelFingerprint(cfg);
}

}  // namespace vaz::comm
