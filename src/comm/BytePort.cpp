#include "BytePort.h"

#include <QtGlobal>

namespace vaz::comm {

QString portLabel(int n) { return QStringLiteral("COM%1").arg(n); }

QString portDevice(int n)
{
#ifdef Q_OS_WIN
    return portLabel(n);
#else
    const QByteArray name = "VAZ_COM" + QByteArray::number(n);
    const QString fromEnv = qEnvironmentVariable(name.constData());
    if (!fromEnv.isEmpty())
        return fromEnv;
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
#endif
}

QString openFailureMessage(const BytePort &port)
{
    const int n = port.portNumber();
    QString text =
        port.numbered()
            ? QStringLiteral("Cannot open port %1 (%2): %3.").arg(portLabel(n), port.deviceName(), port.errorString())
            : QStringLiteral("Cannot open port %1: %2.").arg(port.deviceName(), port.errorString());
#ifndef Q_OS_WIN
    switch (port.openError()) {
    case BytePort::OpenError::PermissionDenied:
        text += QStringLiteral("\nYour user may not be allowed to use serial ports: add it to the dialout group "
                               "(sudo usermod -aG dialout $USER) and log in again.");
        break;
    case BytePort::OpenError::NotFound:
        if (!port.numbered())
            break;
        text += QStringLiteral("\nFor a USB serial adapter, start the tool with VAZ_COM%1 set to its device, "
                               "for example VAZ_COM%1=/dev/ttyUSB0.")
                    .arg(n);
        break;
    case BytePort::OpenError::InUse: text += QStringLiteral("\nAnother program may be using the port."); break;
    default: break;
    }
#endif
    return text;
}

}  // namespace vaz::comm
