#include "core/devices/FreeAddresses.h"

#include "core/model/Conversions.h"

namespace vaz {

QStringList freeAddressLabels(const Installation &cfg, int loop, const QList<DeviceAddress> &reserved)
{
    QStringList labels;
    if (loop < 1 || loop > kLoops)
        return labels;
    for (int A = 1; A <= kAddresses; ++A)
        if (cfg.CihazTipi(loop, A) == 0 && !reserved.contains(DeviceAddress{loop, A}))
            labels << deviceLabel(A);
    return labels;
}

}  // namespace vaz
