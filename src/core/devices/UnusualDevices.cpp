#include "core/devices/UnusualDevices.h"

#include "core/devices/DeviceCatalog.h"
#include "core/model/Config.h"

namespace vaz::devices {

bool loopBranchByCount(double loopCount, int loop)
{
    return loop == 1 || (loop == 2 && loopCount > 1) || (loop >= 3 && loop <= kLoops && loopCount > 2);
}

int unusualDeviceCount(const Config &cfg)
{
    int n = 0;
    for (int L = 1; L <= kLoops; ++L)
        for (int A = 1; A <= kAddresses; ++A)
            if (const int type = cfg.CihazTipi(L, A); type != 0)
                n += !isValidCode(type) || !loopBranchByCount(cfg.CevrimSayisi, L);
    return n;
}

}  // namespace vaz::devices
