#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>
#include <QString>

namespace vaz::comm {

// The one serial line to the panel, reduced to what the transfers need. The
// real one is a QSerialPort (SerialBytePort); tests put a scripted panel here.
// Implementations emit readyRead whenever new bytes arrive; the engine reads
// them one at a time.
class BytePort : public QObject {
    Q_OBJECT
public:
    enum class OpenError { None, NotFound, PermissionDenied, InUse, Other };

    using QObject::QObject;

    // Port number 1..4 ("COM1".."COM4"); 1 until set.
    virtual void setPortNumber(int n) = 0;
    virtual int portNumber() const = 0;
    // The system device behind the port number (see portDevice).
    virtual QString deviceName() const = 0;
    // False when the port was given as a device rather than a number.
    virtual bool numbered() const { return true; }

    // 9600 baud, no parity, 8 data bits, 1 stop bit, no flow control.
    virtual bool open() = 0;
    virtual OpenError openError() const = 0;
    virtual QString errorString() const = 0;
    // Hands over what is still queued for sending, then closes.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // The device went away while open (a USB adapter unplugged); cleared by open().
    virtual bool lost() const { return false; }

    virtual void write(QByteArrayView bytes) = 0;
    virtual qint64 bytesAvailable() const = 0;
    virtual QByteArray read(qint64 maxBytes) = 0;

signals:
    void readyRead();
    void lostDevice();
};

// "COM1".."COM4".
QString portLabel(int n);

// The device of port n: $VAZ_COMn when set and not empty, else the device chosen
// for it in the port window, else "COMn" on Windows and /dev/ttyS(n-1) elsewhere.
QString portDevice(int n);

}  // namespace vaz::comm
