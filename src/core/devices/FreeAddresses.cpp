#include "core/devices/FreeAddresses.h"

#include "core/model/Conversions.h"

namespace vaz {

void BaslangicAdresGirisi(Config &cfg)
{
    cfg.AdresTablosuHazir = 1;
    for (int L = 1; L <= cfg.BosAdres.lastLoop(); ++L)
        for (int A = 1; A <= cfg.BosAdres.lastAddress(); ++A)
            cfg.BosAdres(L, A) = cfg.CihazTipi(L, A) == 0 ? A : 0;
}

QStringList freeAddressLabels(const Config &cfg, int loop)
{
    QStringList labels;
    if (!cfg.BosAdres.contains(loop, 0))
        return labels;
    for (int A = 1; A <= kAddresses; ++A)
        if (const int v = cfg.BosAdres(loop, A))
            labels << deviceLabel(v);
    return labels;
}

}  // namespace vaz
