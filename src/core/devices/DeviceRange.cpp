#include "core/devices/DeviceRange.h"

#include <QCoreApplication>

#include "core/devices/DeviceCatalog.h"
#include "core/model/Conversions.h"
#include "core/model/NameCheck.h"
#include "core/panel/DisplayText.h"

#include <utility>

namespace vaz {

RangePlan planRange(const Installation &inst, int loop, int from, int to, int type, int zone, const QString &pattern)
{
    RangePlan plan;
    plan.loop = loop;
    plan.type = type;
    plan.zone = zone;
    if (from > to)
        std::swap(from, to);
    if (loop < 1 || loop > kLoops)
        plan.problem = QCoreApplication::translate("vaz::DeviceRange", "Choose a loop.");
    else if (from < 1 || to > kAddresses)
        plan.problem = QCoreApplication::translate("vaz::DeviceRange", "Addresses run from 1 to %1.").arg(kAddresses);
    else if (!devices::isValidCode(type))
        plan.problem = QCoreApplication::translate("vaz::DeviceRange", "Choose a device type.");
    else if (zone < 1 || zone > kZones)
        plan.problem = QCoreApplication::translate("vaz::DeviceRange", "Zones run from 1 to %1.").arg(kZones);
    if (!plan.problem.isEmpty())
        return plan;

    for (int A = from; A <= to; ++A) {
        if (inst.CihazTipi(loop, A) != 0) {
            plan.taken << A;
            continue;
        }
        plan.addresses << A;
        QString location = pattern;
        location.replace(QStringLiteral("{n}"), deviceLabel(A));
        location.replace(QStringLiteral("{i}"), QString::number(plan.addresses.size()));
        // The first refusal is enough to correct the pattern.
        if (plan.problem.isEmpty())
            if (const QString why = nameInputProblem(location); !why.isEmpty())
                plan.problem =
                    QCoreApplication::translate("vaz::DeviceRange", "Address %1: %2").arg(deviceLabel(A), why);
        plan.locations << location;
    }
    return plan;
}

void addRange(Installation &inst, const RangePlan &plan)
{
    for (qsizetype i = 0; i < plan.addresses.size(); ++i) {
        const int A = plan.addresses[i];
        Installation::Device d = inst.device(plan.loop, A);
        d.type = plan.type;
        d.zone = plan.zone;
        d.location = savedLocation(plan.locations[i]);
        inst.setDevice(plan.loop, A, d);
    }
}

}  // namespace vaz
