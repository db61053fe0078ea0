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

}  // namespace vaz::comm
