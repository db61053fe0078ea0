#include "core/devices/DeviceFilter.h"
#include "core/devices/FreeAddresses.h"
#include "core/devices/DeviceTreeModel.h"
#include "core/devices/ZoneModel.h"
#include "core/model/Changes.h"
#include "core/model/Conversions.h"
#include "support/ExampleConfig.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

namespace vaz::test {
namespace {

using Mode = QAbstractItemModelTester::FailureReportingMode;

// Column `column` of every child of parent, each with its children's labels after "/".
QStringList shown(const QAbstractItemModel &m, const QModelIndex &parent = {}, int column = 0)
{
    QStringList texts;
    for (int r = 0; r < m.rowCount(parent); ++r) {
        const QModelIndex i = m.index(r, column, parent);
        QString t = i.data().toString();
        if (const QStringList below = shown(m, i.siblingAtColumn(0)); !below.isEmpty())
            t += u'/' + below.join(u',');
        texts << t;
    }
    return texts;
}

// The tree, the filter and the zones over one configuration, each watched by
// Qt's tester while the configuration changes under them.
struct Models {
    Config cfg = exampleConfig(20, 3);
    Changes changes;
    DeviceTreeModel tree{cfg};
    DeviceFilterModel filter{cfg};
    ZoneModel zones{cfg, tree};
    QAbstractItemModelTester watchTree{&tree, Mode::Fatal};
    QAbstractItemModelTester watchFilter{&filter, Mode::Fatal};
    QAbstractItemModelTester watchZones{&zones, Mode::Fatal};
    Models()
    {
        cfg.SSismi(2) = QStringLiteral("Alarm"), cfg.SSismi(3) = QStringLiteral("Alarm");
        filter.setSourceModel(&tree);
        tree.listen(changes);
    }
};

TEST(DeviceTreeModel, ShowsTheInstallationAndFollowsCommandsAndReplacements)
{
    Models m;
    m.changes.commandDone();
    EXPECT_EQ(m.tree.rowCount(), 0) << "nothing before it is built";
    m.tree.build();
    EXPECT_EQ(shown(m.tree), QStringList{"Blok Ç/Loop 1/001,002,Loop 2/005,Loop 3/001,Loop 4/127,Cause-effect/"
                                         "Alarm,Alarm,Rule1"});
    EXPECT_EQ(shown(m.tree, m.tree.loopIndex(1), 1),
              (QStringList{"Photo-elec. smoke det.  Z3  Hall", "Relay controller  Z4"}));
    const QModelIndex roof = m.tree.deviceIndex({4, 127});
    EXPECT_EQ((QList<int>{roof.data(DeviceTreeModel::TypeRole).toInt(), DeviceTreeModel::loopOf(roof),
                          int(DeviceTreeModel::kindOf(m.tree.ruleIndex("Alarm")))}),
              (QList<int>{9, 4, int(DeviceTreeModel::Kind::Rule)}));

    // A command's changes: devices, a loop beyond the count, a rule; an entry holds its address.
    m.cfg.CevrimSayisi = 2, m.tree.build();
    m.cfg.removeDevice(1, 1), m.cfg.setDevice(1, 3, {-7, 0, {}, 0, 0, 0, 0, 0}), m.cfg.CihazTipi(3, 9) = 1;
    m.cfg.SSsayisi = 2, m.tree.setReserved(DeviceAddress{2, 1}), m.tree.setChosenType(DeviceAddress{2, 1}, 4);
    m.changes.commandDone();
    EXPECT_EQ(shown(m.tree), QStringList{"Blok Ç/Loop 1/002,003,Loop 2/001,005,Loop 3/001,009,Loop 4/127,"
                                         "Cause-effect/Alarm,Rule1"});
    EXPECT_EQ((QList<QVariant>{m.tree.deviceIndex({2, 1}).data(DeviceTreeModel::TypeRole),
                               m.tree.deviceIndex({1, 3}).data(Qt::ToolTipRole)}),
              (QList<QVariant>{4, "Unknown type -7"}));
    EXPECT_EQ(freeAddressLabels(m.cfg, 2, {*m.tree.reserved()}).mid(0, 2), (QStringList{"002", "003"}));
    m.tree.addRule("Alarm"), m.tree.addRule("Zeta");
    EXPECT_EQ(shown(m.tree, m.tree.causeEffectIndex()), (QStringList{"Alarm", "Rule1", "Zeta"}))
        << "a rule stored once is shown once";

    // Replaced: built anew, the entry gone; loop 3 keeps its branch for its device.
    m.cfg = exampleConfig(20, 0), m.cfg.CevrimSayisi = 1, m.cfg.removeDevice(4, 127), m.changes.replaced();
    EXPECT_EQ(shown(m.tree), QStringList{"Blok Ç/Loop 1/001,002,Loop 2/005,Loop 3/001,Cause-effect"});
    EXPECT_FALSE(m.tree.reserved());
}

// The device labels a tree shows, loop after loop.
QStringList deviceLabels(const QAbstractItemModel &m)
{
    QStringList labels;
    const QModelIndex panel = m.index(0, 0);
    for (int l = 0; l < m.rowCount(panel); ++l)
        if (const QModelIndex loop = m.index(l, 0, panel); DeviceTreeModel::loopOf(loop))
            labels << shown(m, loop);
    return labels;
}

TEST(DeviceFilter, MatchesLabelTypeLocationAndExactZone)
{
    Models m;
    m.cfg.BolgeNo(2, 5) = 30, m.cfg.MahalText(1, 2) = QStringLiteral("Kat 2 Koridor"), m.tree.build();
    for (auto [filter, devices] : {std::pair{" z3 ", "001"},
                                   {"Z30", "005"},
                                   {"relay", "002"},
                                   {"KAT 2", "002"},
                                   {"127", "127"},
                                   {"z48 roof", ""},
                                   {"", "001,002,005,001,127"}}) {
        QStringList matched;
        for (const DeviceAddress &at : m.tree.devices())
            if (deviceMatches(m.cfg, at, filter))
                matched << deviceLabel(at.address);
        m.filter.setFilter(filter);
        EXPECT_EQ(std::pair(matched.join(u','), deviceLabels(m.filter).join(u',')),
                  std::pair(QString(devices), QString(devices)))
            << filter;
    }
    // A device that stops matching after a command leaves; branches and rules stay.
    m.filter.setFilter("z3"), m.cfg.BolgeNo(1, 1) = 4, m.changes.commandDone();
    EXPECT_EQ(shown(m.filter).join(u'|'), "Blok Ç/Loop 1,Loop 2,Loop 3,Loop 4,Cause-effect/Alarm,Alarm,Rule1");
}

TEST(ZoneModel, GroupsDevicesByZoneLeavingEmptyZonesOut)
{
    Models m;
    m.cfg.BolgeNo(3, 1) = 3, m.cfg.BolgeNo(1, 2) = 0, m.tree.build();
    EXPECT_EQ(shown(m.zones), (QStringList{"Zone 3/Loop 1 address 001,Loop 3 address 001", "Zone 7/Loop 2 address 005",
                                           "Zone 48/Loop 4 address 127"}));
    EXPECT_EQ(m.zones.index(0, 1, m.zones.index(2, 0)).data(), "Multisensor  Z48  Roof");
    m.cfg.removeDevice(2, 5), m.cfg.setDevice(2, 6, {5, 1, {}, 0, 0, 0, 0, 0}), m.changes.commandDone();
    EXPECT_EQ(DeviceTreeModel::deviceOf(m.zones.index(0, 0, m.zones.index(0, 0))), (DeviceAddress{2, 6}));
    EXPECT_EQ(shown(m.zones).first(), "Zone 1/Loop 2 address 006");
}

}  // namespace
}  // namespace vaz::test
