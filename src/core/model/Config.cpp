#include "core/model/Config.h"

namespace vaz {

Int16 &Config::CevrimEklendi(int loop)
{
    switch (loop) {
    case 1: return Cevrim1Eklendi;
    case 2: return Cevrim2Eklendi;
    case 3: return Cevrim3Eklendi;
    case 4: return Cevrim4Eklendi;
    }
    throw RangeError("loop " + std::to_string(loop) + " has no tree-branch flag (1 to 4)");
}

}  // namespace vaz
