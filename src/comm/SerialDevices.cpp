#include "SerialDevices.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#ifndef Q_OS_WIN
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vaz::comm {

namespace {

QSettings settings() { return QSettings(QStringLiteral("vazconfig"), QStringLiteral("vazconfig")); }

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
    for (const QFileInfo &link : d.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name))
        if (link.isSymLink() && !byTarget.contains(link.canonicalFilePath()))
            byTarget.insert(link.canonicalFilePath(), link.absoluteFilePath());
    return byTarget;
}

QString environmentDevice(int n)
{
    const QByteArray name = "VAZ_COM" + QByteArray::number(n);
    return qEnvironmentVariable(name.constData());
}

QString rememberedDevice(int n) { return settings().value(portKey(n)).toString(); }

void rememberDevice(int n, const QString &path)
{
    QSettings s = settings();
    if (path.isEmpty())
        s.remove(portKey(n));
    else
        s.setValue(portKey(n), path);
}

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

}  // namespace vaz::comm
