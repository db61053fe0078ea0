#include "core/comm/BytePort.h"

#include "core/comm/SerialDevices.h"

#include <QtGlobal>

namespace vaz::comm {

QString portLabel(int n) { return QStringLiteral("COM%1").arg(n); }

QString portDevice(int n)
{
    if (const QString fromEnv = environmentDevice(n); !fromEnv.isEmpty())
        return fromEnv;
    if (const QString chosen = rememberedDevice(n); !chosen.isEmpty())
        return chosen;
#ifdef Q_OS_WIN
    return portLabel(n);
#else
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
#endif
}

QString openFailureMessage(const BytePort &port, DeviceChoice choice)
{
    const bool window = choice == DeviceChoice::OptionsWindow;
    const int n = port.portNumber();
    QString text =
        port.numbered()
            ? QStringLiteral("Cannot open port %1 (%2): %3.").arg(portLabel(n), port.deviceName(), port.errorString())
            : QStringLiteral("Cannot open port %1: %2.").arg(port.deviceName(), port.errorString());
#ifndef Q_OS_WIN
    switch (port.openError()) {
    case BytePort::OpenError::PermissionDenied: {
        const QString problem = accessProblem(port.deviceName());
        text += QLatin1Char('\n') +
                (problem.isEmpty() ? QStringLiteral("Your user may not be allowed to use serial ports: add it to the "
                                                    "dialout group (sudo usermod -aG dialout $USER) and log in again.")
                                   : problem);
        break;
    }
    case BytePort::OpenError::NotFound:
        if (!port.numbered())
            break;
        if (!environmentDevice(n).isEmpty())
            text += window ? QStringLiteral("\nVAZ_COM%1 names this device; unset it to choose one under "
                                            "File > Options.")
                                 .arg(n)
                           : QStringLiteral("\nVAZ_COM%1 names this device; correct it or use --port.").arg(n);
        else
            text += window ? QStringLiteral("\nFor a USB serial adapter, plug it in and choose its device for %1 "
                                            "under File > Options.")
                                 .arg(portLabel(n))
                           : QStringLiteral("\nFor a USB serial adapter, plug it in and use --port with its device.");
        break;
    case BytePort::OpenError::InUse: text += QStringLiteral("\nAnother program may be using the port."); break;
    default: break;
    }
#endif
    return text;
}

}  // namespace vaz::comm
