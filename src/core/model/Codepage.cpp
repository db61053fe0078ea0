#include "core/model/Codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace vaz {

namespace {
constexpr const char *kCodec = "windows-1254";
}

QByteArray toCp1254(const QString &text)
{
    QStringEncoder encoder(kCodec);
    Q_ASSERT(encoder.isValid());
    return encoder.encode(text);
}

QString fromCp1254(QByteArrayView bytes)
{
    QStringDecoder decoder(kCodec);
    Q_ASSERT(decoder.isValid());
    return decoder.decode(bytes);
}

bool cp1254CanEncode(const QString &text)
{
    QStringEncoder encoder(kCodec);
    QByteArray bytes = encoder.encode(text);
    return !encoder.hasError();
}

}  // namespace vaz
