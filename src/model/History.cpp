#include "History.h"

#include "Conversions.h"

namespace vaz {

namespace {

Installation withoutVersion(Installation i)
{
    i.McuVersiyon = 0;
    return i;
}

QString countOf(int n, const char *one)
{
    return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(one), n == 1 ? "" : "s");
}

// The first rule whose name is in a but not at the same place in b.
QString firstOtherRule(const Installation &a, const Installation &b)
{
    for (int r = 1; r <= a.SSsayisi && r <= kMaxRules; ++r)
        if (r > b.SSsayisi || a.SSismi(r) != b.SSismi(r))
            return a.SSismi(r);
    return {};
}

}  // namespace

QString describeChange(const Installation &before, const Installation &after, QString *mergeKey)
{
    if (mergeKey)
        mergeKey->clear();
    if (after.SSsayisi > before.SSsayisi)
        return QStringLiteral("Store cause-effect '%1'").arg(firstOtherRule(after, before));
    if (after.SSsayisi < before.SSsayisi)
        return QStringLiteral("Delete cause-effect '%1'").arg(firstOtherRule(before, after));

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
    if (devices == 0)
        return before.CevrimSayisi != after.CevrimSayisi ? QStringLiteral("Loop count") : QStringLiteral("Panel data");
    if (devices > 1) {
        if (added == devices)
            return QStringLiteral("Add ") + countOf(devices, "device");
        if (removed == devices)
            return QStringLiteral("Delete ") + countOf(devices, "device");
        return QStringLiteral("Change ") + countOf(devices, "device");
    }
    if (added)
        return QStringLiteral("Save ") + devicePlace(lastL, lastA);
    if (removed)
        return QStringLiteral("Delete ") + devicePlace(lastL, lastA);
    const Installation::Device b = before.device(lastL, lastA), a = after.device(lastL, lastA);
    const struct {
        bool differs;
        const char *name;
    } fields[] = {
        {a.type != b.type, "Type"},           {a.location != b.location, "Location"},
        {a.zone != b.zone, "Zone"},           {a.bypass != b.bypass, "Bypass"},
        {a.event != b.event, "Input event"},  {a.fire != b.fire || a.fault != b.fault, "Output event"},
        {a.delay != b.delay, "Output delay"},
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
    return QLatin1String(only) + QStringLiteral(" of ") + devicePlace(lastL, lastA);
}

void History::reset(const Installation &now)
{
    undo_.clear();
    redo_.clear();
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
    if (undo_.size() > kMaxSteps)
        undo_.pop_front();
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
