#include "Installation.h"

namespace vaz {

bool Installation::loopHasDevices(int loop) const
{
    for (int a = 1; a <= kAddresses; ++a)
        if (CihazTipi(loop, a) != 0)
            return true;
    return false;
}

}  // namespace vaz
