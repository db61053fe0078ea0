#pragma once

#include "core/devices/DeviceAddress.h"
#include "core/model/Installation.h"

#include <QSortFilterProxyModel>

namespace vaz {

// What the device tree shows beside a device's label: type, "Z3" for zone 3
// and the location, two blanks apart; a zone of 0 and a blank location are
// left out.
QString deviceDescription(const Installation &cfg, DeviceAddress at);
// The same row as a screen reader says it, in words and without
// abbreviations: "045, Photo-electric smoke detector, zone 3, Kat 2 Koridor".
QString spokenDescription(const Installation &cfg, DeviceAddress at);

// Whether a device answers to what a filter box holds: "Z3" (or "z3") is
// zone 3 exactly, not 30 to 39; any other text is looked for, whatever its
// case, in the address label and the description. A blank filter takes all.
// Turkish letters count as the panel's display shows them: "Röle" finds "Rolesi".
bool deviceMatches(const Installation &cfg, DeviceAddress at, const QString &filter);
// The same for any other entry of a list (a panel output's name): text only.
bool textMatches(const QString &shown, const QString &filter);

// A DeviceTreeModel (or a proxy of one) with only the devices that match the
// filter; every other node stays.
class DeviceFilterModel : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit DeviceFilterModel(const Installation &cfg, QObject *parent = nullptr);
    void setFilter(const QString &text);
    const QString &filter() const { return filter_; }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override;

private:
    const Installation &cfg_;
    QString filter_;
};

}  // namespace vaz
