#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

namespace vaz::comm {

// A serial device present on the machine now.
struct SerialDevice {
    QString tty;         // "/dev/ttyUSB0"
    QString stableName;  // "/dev/serial/by-id/usb-...", empty when there is none
    QString description;
    QString manufacturer;
    int vendorId = -1;  // USB ids; -1 when the device is not on USB
    int productId = -1;

    // The name that survives unplugging and plugging in again, where there is one.
    QString path() const { return stableName.isEmpty() ? tty : stableName; }
    bool operator==(const SerialDevice &) const = default;
};

// The serial devices present now; tests replace the system's list.
class PortLister {
public:
    virtual ~PortLister() = default;
    virtual QList<SerialDevice> devices() const = 0;
};

// "/dev/serial/by-id/usb-X (ttyUSB0; USB Serial; FTDI; USB 0403:6001)"
QString deviceText(const SerialDevice &device);

// The links in dir (as /dev/serial/by-id) by the device each points to.
QHash<QString, QString> stableNames(const QString &dir);

// VAZ_COMn when set and not empty: it wins over any choice in the window.
QString environmentDevice(int n);
// The device chosen for COMn in an earlier run, empty when none.
QString rememberedDevice(int n);
// Remembers the device for COMn across runs; an empty path forgets it.
void rememberDevice(int n, const QString &path);
// Whether an upload from the windows reads the panel back: on until turned off.
bool verifyAfterUpload();
void rememberVerifyAfterUpload(bool on);

// Empty when this user may read and write device (or it is not there to
// check); otherwise the message that says who owns it and how to get in.
QString accessProblem(const QString &device);

// The adapter's latency timer in ms, where its driver shows one in sysfs.
std::optional<int> latencyTimer(const QString &device, const QString &sysfs = QStringLiteral("/sys/class/tty"));

// What the latency timer costs and how to lower it; empty when it cannot be read.
QString latencyAdvice(const QString &device);

}  // namespace vaz::comm
