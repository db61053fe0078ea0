#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace vaz {

// Files and the panel speak the Windows Turkish code page 1254.
QByteArray toCp1254(const QString &text);
QString fromCp1254(QByteArrayView bytes);

// True when every character of the text has a byte in code page 1254.
bool cp1254CanEncode(const QString &text);

}  // namespace vaz
