#include "core/model/Installation.h"

namespace vaz {

Installation::Device Installation::device(int L, int A) const
{
    return {CihazTipi(L, A), BolgeNo(L, A), MahalText(L, A),   GecikmeIptal(L, A),
            OlayTipi(L, A),  Gecikme(L, A), CikisYangin(L, A), CikisHata(L, A)};
}

void Installation::setDevice(int L, int A, const Device &d)
{
    CihazTipi(L, A) = d.type;
    BolgeNo(L, A) = d.zone;
    MahalText(L, A) = d.location;
    GecikmeIptal(L, A) = d.bypass;
    OlayTipi(L, A) = d.event;
    Gecikme(L, A) = d.delay;
    CikisYangin(L, A) = d.fire;
    CikisHata(L, A) = d.fault;
}

void Installation::removeDevice(int L, int A)
{
    CihazTipi(L, A) = 0;
    MahalText(L, A).clear();
    BolgeNo(L, A) = 0;
}

bool Installation::loopHasDevices(int loop) const
{
    for (int a = 1; a <= kAddresses; ++a)
        if (CihazTipi(loop, a) != 0)
            return true;
    return false;
}

}  // namespace vaz
