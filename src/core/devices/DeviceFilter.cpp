#include "core/devices/DeviceFilter.h"

#include "core/devices/DeviceCatalog.h"
#include "core/devices/DeviceTreeModel.h"
#include "core/model/Conversions.h"
#include "core/panel/DisplayText.h"

#include <QRegularExpression>

namespace vaz {

QString deviceDescription(const Installation &cfg, DeviceAddress at)
{
    const auto [L, A] = at;
    QString text = devices::typeName(cfg.CihazTipi(L, A));
    if (const int zone = cfg.BolgeNo(L, A); zone > 0)
        text += QStringLiteral("  Z%1").arg(zone);
    if (const QString location = cfg.MahalText(L, A).trimmed(); !location.isEmpty())
        text += QStringLiteral("  ") + location;
    return text;
}

QString spokenDescription(const Installation &cfg, DeviceAddress at)
{
    const auto [L, A] = at;
    QStringList words{deviceLabel(A), devices::spokenName(cfg.CihazTipi(L, A))};
    if (const int zone = cfg.BolgeNo(L, A); zone > 0)
        words << QCoreApplication::translate("vaz::devices", "zone %1").arg(zone);
    if (const QString location = cfg.MahalText(L, A).trimmed(); !location.isEmpty())
        words << location;
    words.removeAll(QString());
    return words.join(QStringLiteral(", "));
}

bool deviceMatches(const Installation &cfg, DeviceAddress at, const QString &filter)
{
    const QString text = filter.trimmed();
    if (text.isEmpty())
        return true;
    static const QRegularExpression zoneOnly(QStringLiteral("^[Zz](\\d+)$"));
    if (const QRegularExpressionMatch zone = zoneOnly.match(text); zone.hasMatch())
        return cfg.BolgeNo(at.loop, at.address) == zone.captured(1).toInt();
    // The zone's name finds its devices although the list does not show it.
    return textMatches(deviceLabel(at.address) + u' ' + deviceDescription(cfg, at) + u' ' +
                           cfg.site.zoneName(cfg.BolgeNo(at.loop, at.address)),
                       text);
}

bool textMatches(const QString &shown, const QString &filter)
{
    const QString text = filter.trimmed();
    return text.isEmpty() || plainLetters(shown).contains(plainLetters(text), Qt::CaseInsensitive);
}

DeviceFilterModel::DeviceFilterModel(const Installation &cfg, QObject *parent)
    : QSortFilterProxyModel(parent), cfg_(cfg)
{
    // The tree's order is the model's: nothing is sorted here.
    setDynamicSortFilter(true);
}

void DeviceFilterModel::setFilter(const QString &text)
{
    if (text.trimmed() == filter_)
        return;
    filter_ = text.trimmed();
    invalidateRowsFilter();
}

bool DeviceFilterModel::filterAcceptsRow(int row, const QModelIndex &parent) const
{
    if (filter_.isEmpty())
        return true;
    const std::optional<DeviceAddress> at = DeviceTreeModel::deviceOf(sourceModel()->index(row, 0, parent));
    return !at || deviceMatches(cfg_, *at, filter_);
}

}  // namespace vaz
