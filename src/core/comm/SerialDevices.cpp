#include "core/comm/SerialDevices.h"

#include "core/model/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#ifndef Q_OS_WIN
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vaz::comm {

namespace {

QString portKey(int n) { return QStringLiteral("ports/COM%1").arg(n); }

}  // namespace

QString deviceText(const SerialDevice &device)
{
    QStringList about;
    if (!device.stableName.isEmpty())
        about << QFileInfo(device.tty).fileName();
    for (const QString &s : {device.description, device.manufacturer})
        if (!s.isEmpty())
            about << s;
    if (device.vendorId >= 0 && device.productId >= 0)
        about << QStringLiteral("USB %1:%2")
                     .arg(device.vendorId, 4, 16, QLatin1Char('0'))
                     .arg(device.productId, 4, 16, QLatin1Char('0'));
    return about.isEmpty() ? device.path()
                           : QStringLiteral("%1 (%2)").arg(device.path(), about.join(QStringLiteral("; ")));
}

QHash<QString, QString> stableNames(const QString &dir)
{
    QHash<QString, QString> byTarget;
    const QDir d(dir);
    for (const QFileInfo &link : d.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name))
        if (link.isSymLink() && !byTarget.contains(link.canonicalFilePath()))
            byTarget.insert(link.canonicalFilePath(), link.absoluteFilePath());
    return byTarget;
}

QString environmentDevice(int n)
{
    const QByteArray name = "VAZ_COM" + QByteArray::number(n);
    return qEnvironmentVariable(name.constData());
}

QString rememberedDevice(int n) { return toolSettings()->value(portKey(n)).toString(); }

void rememberDevice(int n, const QString &path)
{
    const std::unique_ptr<QSettings> s = toolSettings();
    if (path.isEmpty())
        s->remove(portKey(n));
    else
        s->setValue(portKey(n), path);
}

bool verifyAfterUpload() { return toolSettings()->value(QStringLiteral("verifyAfterUpload"), true).toBool(); }

void rememberVerifyAfterUpload(bool on) { toolSettings()->setValue(QStringLiteral("verifyAfterUpload"), on); }

QString accessProblem(const QString &device)
{
#ifdef Q_OS_WIN
    Q_UNUSED(device);
    return QString();
#else
    const QByteArray path = QFile::encodeName(device);
    struct stat st {};
    if (::stat(path.constData(), &st) != 0 || ::access(path.constData(), R_OK | W_OK) == 0)
        return QString();
    const group *g = ::getgrgid(st.st_gid);
    const QString owner = g ? QString::fromLocal8Bit(g->gr_name) : QStringLiteral("dialout");
    const QString user = qEnvironmentVariable("USER", QStringLiteral("$USER"));
    return QStringLiteral("Your user may not use %1: the device belongs to the group %2. Add your user to that group "
                          "with the command\n    sudo usermod -aG %2 %3\nthen log out and log in again.")
        .arg(device, owner, user);
#endif
}

std::optional<int> latencyTimer(const QString &device, const QString &sysfs)
{
    const QString name = QFileInfo(QFileInfo(device).canonicalFilePath()).fileName();
    QFile file(QStringLiteral("%1/%2/device/latency_timer").arg(sysfs, name));
    if (name.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    bool ok = false;
    const int ms = file.readAll().trimmed().toInt(&ok);
    return ok ? std::optional<int>(ms) : std::nullopt;
}

QString latencyAdvice(const QString &device)
{
    const std::optional<int> ms = latencyTimer(device);
    if (!ms)
        return QString();
    QString text = QStringLiteral("The adapter's latency timer is %1 ms.").arg(*ms);
    if (*ms > 1)
        text +=
            QStringLiteral(" It holds every answer of the panel up to that long, which slows a full transfer by "
                           "up to a minute. The tool asks for 1 ms when it opens the port; where the driver "
                           "does not follow, lower it with\n    setserial %1 low_latency\nor\n    echo 1 | sudo tee "
                           "/sys/class/tty/%2/device/latency_timer")
                .arg(device, QFileInfo(QFileInfo(device).canonicalFilePath()).fileName());
    return text;
}

}  // namespace vaz::comm
