#include "core/devices/DeviceTreeModel.h"

#include "core/devices/DeviceCatalog.h"
#include "core/devices/DeviceFilter.h"
#include "core/devices/UnusualDevices.h"
#include "core/model/Changes.h"
#include "core/model/Conversions.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>

namespace vaz {

namespace {

// Internal ids: the panel, the panel's children, a loop's devices, the rules.
constexpr quintptr kPanelId = 0, kBranchId = 1, kDevicesId = 10, kRulesId = 20;

QString loopText(int loop) { return QCoreApplication::translate("vaz::Fcihazverileri", "Loop %1").arg(loop); }
QString causeEffectText() { return QCoreApplication::translate("vaz::Fcihazverileri", "Cause-effect"); }

}  // namespace

DeviceTreeModel::DeviceTreeModel(const Installation &cfg, QObject *parent) : QAbstractItemModel(parent), cfg_(cfg) {}

void DeviceTreeModel::listen(Changes &changes)
{
    connect(&changes, &Changes::commandDone, this, &DeviceTreeModel::sync);
    connect(&changes, &Changes::replaced, this, [this] {
        if (built_)
            build();
    });
}

bool DeviceTreeModel::needsBranch(int loop) const
{
    // Devices of a loop the count leaves out (a file's count may be 1 or 3)
    // are saved and uploaded all the same, so they get their branch too.
    return devices::loopBranchByCount(cfg_.CevrimSayisi, loop) || cfg_.loopHasDevices(loop);
}

QList<int> DeviceTreeModel::storedAddresses(int loop) const
{
    QList<int> addresses;
    for (int A = 1; A <= kAddresses; ++A)
        if (cfg_.CihazTipi(loop, A) != 0 || reserved_ == DeviceAddress{loop, A})
            addresses.append(A);
    return addresses;
}

QStringList DeviceTreeModel::storedRules() const
{
    QStringList names;
    for (int r = 1; r <= cfg_.SSsayisi && r <= kMaxRules; ++r)
        names << cfg_.SSismi(r);
    // Equal names stay in the order they are stored.
    std::stable_sort(names.begin(), names.end());
    return names;
}

void DeviceTreeModel::build()
{
    beginResetModel();
    built_ = true;
    reserved_.reset();
    chosen_.reset();
    loops_.clear();
    for (int L = 1; L <= kLoops; ++L) {
        addresses_[L].clear();
        if (needsBranch(L)) {
            loops_.append(L);
            addresses_[L] = storedAddresses(L);
        }
    }
    rules_ = storedRules();
    for (int L : std::as_const(loops_))
        for (int A : std::as_const(addresses_[L]))
            seen_[L][A] = seen(L, A);
    seenPanel_ = cfg_.PanelAdi;
    endResetModel();
}

DeviceTreeModel::Seen DeviceTreeModel::seen(int L, int A) const
{
    return {cfg_.CihazTipi(L, A), cfg_.BolgeNo(L, A), cfg_.MahalText(L, A)};
}

void DeviceTreeModel::announceChanges(int L)
{
    const QList<int> &rows = addresses_[L];
    const QModelIndex parent = loopIndex(L);
    for (int i = 0; i < rows.size();) {
        Seen now = seen(L, rows[i]);
        if (now == seen_[L][rows[i]]) {
            ++i;
            continue;
        }
        int last = i;
        seen_[L][rows[i]] = std::move(now);
        while (last + 1 < rows.size()) {
            Seen next = seen(L, rows[last + 1]);
            if (next == seen_[L][rows[last + 1]])
                break;
            seen_[L][rows[++last]] = std::move(next);
        }
        emit dataChanged(index(i, 0, parent), index(last, 1, parent));
        i = last + 1;
    }
}

void DeviceTreeModel::sync()
{
    if (!built_)
        return;
    for (int L = 1; L <= kLoops; ++L) {
        if (loops_.contains(L) || !needsBranch(L))
            continue;
        const int row = int(std::lower_bound(loops_.begin(), loops_.end(), L) - loops_.begin());
        beginInsertRows(panelIndex(), row, row);
        loops_.insert(row, L);
        endInsertRows();
    }
    for (int L : std::as_const(loops_))
        syncLoop(L);
    if (const QStringList rules = storedRules(); rules != rules_) {
        const QModelIndex branch = causeEffectIndex();
        if (!rules_.isEmpty()) {
            beginRemoveRows(branch, 0, int(rules_.size()) - 1);
            rules_.clear();
            endRemoveRows();
        }
        if (!rules.isEmpty()) {
            beginInsertRows(branch, 0, int(rules.size()) - 1);
            rules_ = rules;
            endInsertRows();
        }
    }
    if (cfg_.PanelAdi != seenPanel_) {
        seenPanel_ = cfg_.PanelAdi;
        emit dataChanged(panelIndex(), panelIndex());
    }
    for (int L : std::as_const(loops_))
        announceChanges(L);
    emit synced();
}

void DeviceTreeModel::syncLoop(int L)
{
    const QList<int> target = storedAddresses(L);
    std::array<bool, kAddresses + 1> wanted{};
    for (int A : target)
        wanted[A] = true;
    QList<int> &rows = addresses_[L];
    const QModelIndex parent = loopIndex(L);
    // Gone: removed from the back, a run at a time.
    for (int i = int(rows.size()) - 1; i >= 0;) {
        if (wanted[rows[i]]) {
            --i;
            continue;
        }
        int first = i;
        while (first > 0 && !wanted[rows[first - 1]])
            --first;
        beginRemoveRows(parent, first, i);
        rows.remove(first, i - first + 1);
        endRemoveRows();
        i = first - 1;
    }
    // New: what is left is in the target, in its order; the rest goes in between.
    for (int i = 0; i < target.size();) {
        if (i < rows.size() && rows[i] == target[i]) {
            ++i;
            continue;
        }
        const int next = i < rows.size() ? rows[i] : INT_MAX;
        int end = i;
        while (end < target.size() && target[end] < next)
            ++end;
        beginInsertRows(parent, i, end - 1);
        for (int k = i; k < end; ++k) {
            rows.insert(k, target[k]);
            seen_[L][target[k]] = seen(L, target[k]);
        }
        endInsertRows();
        i = end;
    }
}

void DeviceTreeModel::addRule(const QString &name)
{
    if (!built_)
        return;
    qsizetype stored = 0;
    for (int r = 1; r <= cfg_.SSsayisi && r <= kMaxRules; ++r)
        stored += cfg_.SSismi(r) == name;
    if (rules_.count(name) >= std::max<qsizetype>(stored, 1))
        return;
    const int row = int(std::upper_bound(rules_.begin(), rules_.end(), name) - rules_.begin());
    beginInsertRows(causeEffectIndex(), row, row);
    rules_.insert(row, name);
    endInsertRows();
}

void DeviceTreeModel::setReserved(std::optional<DeviceAddress> at)
{
    reserved_ = at;
    sync();
}

void DeviceTreeModel::setChosenType(std::optional<DeviceAddress> at, int type)
{
    // The stored type shows anyway: a device merely shown changes nothing.
    if (at && cfg_.CihazTipi(at->loop, at->address) == type)
        at.reset();
    const std::optional<DeviceAddress> before = chosen_ ? std::optional(chosen_->first) : std::nullopt;
    if (before == at && (!at || chosen_->second == type))
        return;
    chosen_.reset();
    if (at)
        chosen_ = std::pair(*at, type);
    for (const std::optional<DeviceAddress> &d : {before, at})
        if (const QModelIndex i = d ? deviceIndex(*d) : QModelIndex(); i.isValid())
            emit dataChanged(i, i, {Qt::DecorationRole, TypeRole});
    emit synced();
}

QModelIndex DeviceTreeModel::panelIndex() const { return index(0, 0); }

QModelIndex DeviceTreeModel::loopIndex(int loop) const
{
    const qsizetype row = loops_.indexOf(loop);
    return row < 0 || !built_ ? QModelIndex() : createIndex(int(row), 0, kBranchId);
}

QModelIndex DeviceTreeModel::deviceIndex(DeviceAddress at) const
{
    if (!loops_.contains(at.loop))
        return {};
    const QList<int> &rows = addresses_[at.loop];
    const auto it = std::lower_bound(rows.begin(), rows.end(), at.address);
    return it == rows.end() || *it != at.address ? QModelIndex()
                                                 : createIndex(int(it - rows.begin()), 0, kDevicesId + at.loop);
}

QModelIndex DeviceTreeModel::causeEffectIndex() const
{
    return built_ ? createIndex(int(loops_.size()), 0, kBranchId) : QModelIndex();
}

QModelIndex DeviceTreeModel::ruleIndex(const QString &name) const
{
    const qsizetype row = rules_.indexOf(name);
    return row < 0 ? QModelIndex() : createIndex(int(row), 0, kRulesId);
}

DeviceTreeModel::Kind DeviceTreeModel::kind(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != this)
        return Kind::None;
    switch (index.internalId()) {
    case kPanelId: return Kind::Panel;
    case kBranchId: return index.row() < loops_.size() ? Kind::Loop : Kind::CauseEffect;
    case kRulesId: return Kind::Rule;
    default: return Kind::Device;
    }
}

DeviceTreeModel::Kind DeviceTreeModel::kindOf(const QModelIndex &index)
{
    return index.isValid() ? Kind(index.siblingAtColumn(0).data(KindRole).toInt()) : Kind::None;
}

std::optional<DeviceAddress> DeviceTreeModel::deviceOf(const QModelIndex &index)
{
    if (kindOf(index) != Kind::Device)
        return std::nullopt;
    const QModelIndex label = index.siblingAtColumn(0);
    return DeviceAddress{label.data(LoopRole).toInt(), label.data(AddressRole).toInt()};
}

int DeviceTreeModel::loopOf(const QModelIndex &index)
{
    const Kind k = kindOf(index);
    return k == Kind::Loop || k == Kind::Device ? index.siblingAtColumn(0).data(LoopRole).toInt() : 0;
}

QList<DeviceAddress> DeviceTreeModel::devices() const
{
    QList<DeviceAddress> all;
    for (int L : loops_)
        for (int A : addresses_[L])
            all.append({L, A});
    return all;
}

QModelIndex DeviceTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent))
        return {};
    if (!parent.isValid())
        return createIndex(row, column, kPanelId);
    switch (kind(parent)) {
    case Kind::Panel: return createIndex(row, column, kBranchId);
    case Kind::Loop: return createIndex(row, column, kDevicesId + loops_[parent.row()]);
    case Kind::CauseEffect: return createIndex(row, column, kRulesId);
    default: return {};
    }
}

QModelIndex DeviceTreeModel::parent(const QModelIndex &child) const
{
    switch (kind(child)) {
    case Kind::Loop:
    case Kind::CauseEffect: return createIndex(0, 0, kPanelId);
    case Kind::Device: return loopIndex(int(child.internalId() - kDevicesId));
    case Kind::Rule: return causeEffectIndex();
    default: return {};
    }
}

int DeviceTreeModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return built_ ? 1 : 0;
    if (parent.column() > 0)
        return 0;
    switch (kind(parent)) {
    case Kind::Panel: return int(loops_.size()) + 1;
    case Kind::Loop: return int(addresses_[loops_[parent.row()]].size());
    case Kind::CauseEffect: return int(rules_.size());
    default: return 0;
    }
}

int DeviceTreeModel::columnCount(const QModelIndex &) const { return 2; }

QVariant DeviceTreeModel::data(const QModelIndex &index, int role) const
{
    const Kind k = kind(index);
    if (k == Kind::None)
        return {};
    if (role == KindRole)
        return int(k);
    const int L = k == Kind::Loop ? loops_[index.row()] : k == Kind::Device ? int(index.internalId() - kDevicesId) : 0;
    const int A = k == Kind::Device ? addresses_[L][index.row()] : 0;
    if (role == LoopRole)
        return L ? QVariant(L) : QVariant();
    if (k != Kind::Device) {
        if (role != Qt::DisplayRole || index.column() != 0)
            return {};
        switch (k) {
        case Kind::Panel: return cfg_.PanelAdi;
        case Kind::Loop: return loopText(L);
        case Kind::CauseEffect: return causeEffectText();
        default: return rules_[index.row()];
        }
    }
    const int stored = cfg_.CihazTipi(L, A);
    switch (role) {
    case AddressRole: return A;
    case TypeRole: return chosen_ && chosen_->first == DeviceAddress{L, A} ? chosen_->second : stored;
    case Qt::DisplayRole: return index.column() == 0 ? deviceLabel(A) : deviceDescription(cfg_, {L, A});
    // Both columns say the whole row, so a reader hears the values while browsing.
    case Qt::AccessibleTextRole: return spokenDescription(cfg_, {L, A});
    case Qt::ToolTipRole:
        // A type code no type stands for is named beside the label.
        return devices::isValidCode(stored) ? QVariant() : devices::typeName(stored, devices::Naming::Translated);
    default: return {};
    }
}

}  // namespace vaz
