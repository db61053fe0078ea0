#include "adapters/serial/SerialBytePort.h"

#include <QSerialPortInfo>

#ifdef Q_OS_LINUX
#include <linux/serial.h>
#include <sys/ioctl.h>
#endif

namespace vaz::comm {

SerialBytePort::SerialBytePort(QObject *parent) : BytePort(parent)
{
    connect(&port_, &QSerialPort::readyRead, this, &BytePort::readyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) {
        // A hung-up line fails every read from then on (EIO, or ENOTTY on a pseudo-terminal).
        if ((e != QSerialPort::ResourceError && e != QSerialPort::ReadError) || lost_ || !port_.isOpen())
            return;
        lost_ = true;
        port_.close();
        emit lostDevice();
    });
}

SerialBytePort::~SerialBytePort() { close(); }

void SerialBytePort::setPortNumber(int n)
{
    if (n >= 1 && n <= 4)
        number_ = n;
}

bool SerialBytePort::open()
{
    lost_ = false;
    if (port_.isOpen())
        return true;
    // Said before the system refuses, with who owns the device and how to join.
    if (const QString problem = accessProblem(deviceName()); !problem.isEmpty()) {
        openError_ = OpenError::PermissionDenied;
        errorString_ = QStringLiteral("Permission denied");
        return false;
    }
    port_.setPortName(deviceName());
    port_.setBaudRate(QSerialPort::Baud9600);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (port_.open(QIODevice::ReadWrite)) {
        askForLowLatency();
        openError_ = OpenError::None;
        errorString_.clear();
        return true;
    }
    switch (port_.error()) {
    case QSerialPort::DeviceNotFoundError: openError_ = OpenError::NotFound; break;
    case QSerialPort::PermissionError:
        // Qt reports a port that another program holds or has locked the same way.
        openError_ = port_.errorString().contains(QLatin1String("denied"), Qt::CaseInsensitive)
                         ? OpenError::PermissionDenied
                         : OpenError::InUse;
        break;
    case QSerialPort::OpenError: openError_ = OpenError::InUse; break;
    default: openError_ = OpenError::Other; break;
    }
    errorString_ = port_.errorString();
    port_.clearError();
    return false;
}

void SerialBytePort::askForLowLatency()
{
#ifdef Q_OS_LINUX
    // USB adapters hold received bytes until a latency timer runs out (16 ms on
    // FTDI chips), once for each of the thousands of acknowledgements. Built-in
    // ports and pseudo-terminals have no such setting: refusal is no error.
    const int fd = int(port_.handle());
    serial_struct serial{};
    if (::ioctl(fd, TIOCGSERIAL, &serial) != 0)
        return;
    serial.flags |= ASYNC_LOW_LATENCY;
    ::ioctl(fd, TIOCSSERIAL, &serial);
#endif
}

void SerialBytePort::close()
{
    if (!port_.isOpen())
        return;
    // Unacknowledged last bytes ("N~" of an upload without rules) must still leave.
    port_.flush();
    if (port_.bytesToWrite() > 0)
        port_.waitForBytesWritten(1000);
    port_.close();
}

void SerialBytePort::write(QByteArrayView bytes)
{
    if (!port_.isOpen() || lost_)
        return;
    port_.write(bytes.data(), bytes.size());
    // Out now, not at the next turn of the event loop: a repaint queued meanwhile
    // would hold up every field the panel is waiting for.
    port_.flush();
}

QList<SerialDevice> SystemPortLister::devices() const
{
    const QHash<QString, QString> stable = stableNames(QStringLiteral("/dev/serial/by-id"));
    QList<SerialDevice> list;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        SerialDevice d;
        d.tty = info.systemLocation();
        d.stableName = stable.value(d.tty);
        d.description = info.description();
        d.manufacturer = info.manufacturer();
        if (info.hasVendorIdentifier() && info.hasProductIdentifier()) {
            d.vendorId = info.vendorIdentifier();
            d.productId = info.productIdentifier();
        }
        list << d;
    }
    return list;
}

}  // namespace vaz::comm
