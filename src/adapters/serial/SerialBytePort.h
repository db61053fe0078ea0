#pragma once

#include "core/comm/BytePort.h"
#include "core/comm/SerialDevices.h"

#include <QSerialPort>

namespace vaz::comm {

// The real line to the panel.
class SerialBytePort : public BytePort {
    Q_OBJECT
public:
    explicit SerialBytePort(QObject *parent = nullptr);
    ~SerialBytePort() override;

    void setPortNumber(int n) override;
    int portNumber() const override { return number_; }
    QString deviceName() const override { return device_.isEmpty() ? portDevice(number_) : device_; }
    // A device by its path instead of a number, as the command line names it.
    void setDevice(const QString &device) { device_ = device; }
    bool numbered() const override { return device_.isEmpty(); }

    bool open() override;
    OpenError openError() const override { return openError_; }
    QString errorString() const override { return errorString_; }
    void close() override;
    bool isOpen() const override { return port_.isOpen(); }
    bool lost() const override { return lost_; }

    void write(QByteArrayView bytes) override;
    qint64 bytesAvailable() const override { return port_.bytesAvailable(); }
    QByteArray read(qint64 maxBytes) override { return port_.read(maxBytes); }

private:
    void askForLowLatency();

    QSerialPort port_;
    int number_ = 1;
    QString device_;
    bool lost_ = false;
    OpenError openError_ = OpenError::None;
    QString errorString_;
};

// The serial devices the system reports, by their stable names where udev made them.
class SystemPortLister : public PortLister {
public:
    QList<SerialDevice> devices() const override;
};

}  // namespace vaz::comm
