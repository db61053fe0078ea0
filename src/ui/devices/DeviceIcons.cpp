#include "ui/devices/DeviceIcons.h"

#include "core/devices/DeviceCatalog.h"
#include "core/devices/DeviceTreeModel.h"

#include <QString>

#include <array>

namespace vaz::devices {

namespace {

QString file(const char *name) { return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)); }

}  // namespace

QIcon nodeIcon(int number)
{
    static const char *const kFiles[] = {"panel",  "loop",    "call-point",   "smoke",       "heat",        "relay",
                                         "switch", "sounder", "zone-monitor", "multisensor", "cause-effect"};
    // Built once: a full tree would otherwise parse the same file hundreds of
    // times. Never freed, so nothing outlives the application object.
    static auto &icons = *new std::array<QIcon, 11>;
    if (number < 1 || number > 11)
        return {};
    QIcon &icon = icons[number - 1];
    if (icon.isNull())
        icon = QIcon(file(kFiles[number - 1]));
    return icon;
}

QPixmap picture(int cell)
{
    static const char *const kFiles[] = {"call-point", "heat",    "smoke-ion",    "smoke-photo", "relay",
                                         "switch",     "sounder", "zone-monitor", "multisensor"};
    static auto &pictures = *new std::array<QPixmap, 9>;
    if (cell < 0 || cell > 8)
        return {};
    QPixmap &p = pictures[cell];
    if (p.isNull())
        p = QIcon(file(kFiles[cell])).pixmap(QSize(64, 64));
    return p;
}

QIcon typeIcon(long long code)
{
    // Photo-electric and ionisation detectors: their pictures, drawn small.
    if (code == kPhotoSmokeDetector || code == kIonisationSmokeDetector) {
        static auto &smoke = *new std::array<QIcon, 2>;
        QIcon &icon = smoke[code - kPhotoSmokeDetector];
        if (icon.isNull())
            icon = QIcon(file(code == kPhotoSmokeDetector ? "smoke-photo" : "smoke-ion"));
        return icon;
    }
    return nodeIcon(treeIcon(code));
}

}  // namespace vaz::devices

namespace vaz {

QVariant DeviceIconModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DecorationRole || index.column() != 0)
        return QIdentityProxyModel::data(index, role);
    using Kind = DeviceTreeModel::Kind;
    switch (DeviceTreeModel::kindOf(index)) {
    case Kind::Panel: return devices::nodeIcon(1);
    case Kind::Loop:
    case Kind::Zone: return devices::nodeIcon(2);
    case Kind::Device:
        if (const int type = index.data(DeviceTreeModel::TypeRole).toInt(); type != 0)
            return devices::typeIcon(type);
        return devices::nodeIcon(4);
    case Kind::CauseEffect:
    case Kind::Rule: return devices::nodeIcon(11);
    case Kind::None: break;
    }
    return {};
}

}  // namespace vaz
