#include "core/model/History.h"

#include "core/model/Conversions.h"

#include <QCoreApplication>

namespace vaz {

namespace {

Installation withoutVersion(Installation i)
{
    i.McuVersiyon = 0;
    return i;
}

// The first rule whose name is in a but not at the same place in b.
QString firstOtherRule(const Installation &a, const Installation &b)
{
    for (int r = 1; r <= a.SSsayisi && r <= kMaxRules; ++r)
        if (r > b.SSsayisi || a.SSismi(r) != b.SSismi(r))
            return a.SSismi(r);
    return {};
}

// Names a change of walk-test results alone; empty when more of the site changed.
QString walkTestChange(site::SiteData before, site::SiteData after)
{
    QList<site::DeviceKey> changed;
    for (const auto *from : {&before.walkTests, &after.walkTests})
        for (const site::DeviceKey &k : from->keys())
            if (before.walkTests.value(k) != after.walkTests.value(k) && !changed.contains(k))
                changed << k;
    before.walkTests.clear();
    after.walkTests.clear();
    if (changed.isEmpty() || before != after)
        return {};
    if (changed.size() > 1)
        return QCoreApplication::translate("vaz::History", "Walk test of %1 devices").arg(changed.size());
    return QCoreApplication::translate("vaz::History", "Walk test %1")
        .arg(devicePlace(changed[0].loop, changed[0].address));
}

}  // namespace

QString describeChange(const Installation &before, const Installation &after, QString *mergeKey)
{
    if (mergeKey)
        mergeKey->clear();
    if (after.SSsayisi > before.SSsayisi)
        return QCoreApplication::translate("vaz::History", "Store cause-effect '%1'")
            .arg(firstOtherRule(after, before));
    if (after.SSsayisi < before.SSsayisi)
        return QCoreApplication::translate("vaz::History", "Delete cause-effect '%1'")
            .arg(firstOtherRule(before, after));

    for (int r = 1; r <= after.SSsayisi && r <= kMaxRules; ++r)
        if (after.SSismi(r) != before.SSismi(r) || after.SSgirisler(r) != before.SSgirisler(r) ||
            after.SScikislar(r) != before.SScikislar(r) || after.SSkosul(r) != before.SSkosul(r))
            return QCoreApplication::translate("vaz::History", "Edit cause-effect '%1'").arg(before.SSismi(r));

    int added = 0, removed = 0, changed = 0, lastL = 0, lastA = 0;
    for (int L = 1; L <= kLoops; ++L)
        for (int A = 1; A <= kAddresses; ++A) {
            const Installation::Device b = before.device(L, A), a = after.device(L, A);
            if (a == b)
                continue;
            lastL = L, lastA = A;
            if (b.type == 0 && a.type != 0)
                ++added;
            else if (b.type != 0 && a.type == 0)
                ++removed;
            else
                ++changed;
        }
    const int devices = added + removed + changed;
    if (devices == 0 && before.site != after.site && before.CevrimSayisi == after.CevrimSayisi) {
        if (const QString walk = walkTestChange(before.site, after.site); !walk.isEmpty())
            return walk;
        return QCoreApplication::translate("vaz::History", "Site data");
    }
    if (devices == 0)
        return before.CevrimSayisi != after.CevrimSayisi ? QCoreApplication::translate("vaz::History", "Loop count")
                                                         : QCoreApplication::translate("vaz::History", "Panel data");
    if (devices > 1) {
        if (added == devices)
            return QCoreApplication::translate("vaz::History", "Add %1 devices").arg(devices);
        if (removed == devices)
            return QCoreApplication::translate("vaz::History", "Delete %1 devices").arg(devices);
        return QCoreApplication::translate("vaz::History", "Change %1 devices").arg(devices);
    }
    if (added)
        return QCoreApplication::translate("vaz::History", "Save %1").arg(devicePlace(lastL, lastA));
    if (removed)
        return QCoreApplication::translate("vaz::History", "Delete %1").arg(devicePlace(lastL, lastA));
    const Installation::Device b = before.device(lastL, lastA), a = after.device(lastL, lastA);
    const struct {
        bool differs;
        const char *name;
    } fields[] = {
        {a.type != b.type, QT_TRANSLATE_NOOP("vaz::History", "Type")},
        {a.location != b.location, QT_TRANSLATE_NOOP("vaz::History", "Location")},
        {a.zone != b.zone, QT_TRANSLATE_NOOP("vaz::History", "Zone")},
        {a.bypass != b.bypass, QT_TRANSLATE_NOOP("vaz::History", "Bypass")},
        {a.event != b.event, QT_TRANSLATE_NOOP("vaz::History", "Input event")},
        {a.fire != b.fire || a.fault != b.fault, QT_TRANSLATE_NOOP("vaz::History", "Output event")},
        {a.delay != b.delay, QT_TRANSLATE_NOOP("vaz::History", "Output delay")},
    };
    const char *only = nullptr;
    int count = 0;
    for (const auto &f : fields)
        if (f.differs)
            ++count, only = f.name;
    if (count != 1)
        return devicePlace(lastL, lastA);
    if (mergeKey)
        *mergeKey = QLatin1String(only) + u' ' + devicePlace(lastL, lastA);
    return QCoreApplication::translate("vaz::History", "%1 of %2")
        .arg(QCoreApplication::translate("vaz::History", only), devicePlace(lastL, lastA));
}

void History::reset(const Installation &now)
{
    undo_.clear();
    redo_.clear();
    dropped_ = false;
    current_ = withoutVersion(now);
}

void History::record(const Installation &now, const QString &label)
{
    Installation state = withoutVersion(now);
    if (state == current_)
        return;
    QString key;
    const QString described = describeChange(current_, state, &key);
    // A second change of the same field of the same device is the same step.
    if (!key.isEmpty() && label.isEmpty() && redo_.empty() && !undo_.empty() && undo_.back().mergeKey == key) {
        current_ = std::move(state);
        return;
    }
    undo_.push_back({std::move(current_), label.isEmpty() ? described : label, label.isEmpty() ? key : QString()});
    if (undo_.size() > kMaxSteps) {
        undo_.pop_front();
        dropped_ = true;
    }
    redo_.clear();
    current_ = std::move(state);
}

const Installation &History::move(std::deque<Step> &from, std::deque<Step> &to)
{
    Step step = std::move(from.back());
    from.pop_back();
    std::swap(step.state, current_);
    to.push_back(std::move(step));
    return current_;
}

const Installation &History::undo() { return move(undo_, redo_); }
const Installation &History::redo() { return move(redo_, undo_); }

}  // namespace vaz
