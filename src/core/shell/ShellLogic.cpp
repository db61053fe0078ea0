#include "core/shell/ShellLogic.h"

#include "core/model/Conversions.h"
#include "core/storage/ConfigFile.h"

#include <algorithm>

namespace vaz {

QString mcuStatusText(int code)
{
    switch (code) {
    case 12:
    case 14: return QCoreApplication::translate("vaz", "MCU Version : V1.2");
    case 15: return QCoreApplication::translate("vaz", "MCU Version : V1.5");
    case 20: return QCoreApplication::translate("vaz", "MCU Version : V2.0");
    }
    return QString();
}

void kayitSil(Installation &cfg, int loop)
{
    for (int a = 1; a <= kAddresses; ++a)
        cfg.removeDevice(loop, a);
}

void KontrolCevrimCihaz(Installation &cfg, int &branchesBuilt)
{
    if (cfg.CevrimSayisi >= 4)
        return;
    for (int loop : {4, 3})
        if (branchesBuilt >= loop && cfg.loopHasDevices(loop))
            kayitSil(cfg, loop);
    branchesBuilt = std::min(branchesBuilt, 2);
}

void clearAllDevices(Installation &cfg)
{
    for (int loop = 1; loop <= kLoops; ++loop)
        kayitSil(cfg, loop);
}

void SaveBaseline::mark(const Installation &cfg)
{
    marked_ = false;
    bytes_ = storage::configFileBytes(cfg);
    marked_ = true;
}

void SaveBaseline::forget()
{
    marked_ = false;
    bytes_.clear();
}

bool SaveBaseline::unsaved(const Installation &cfg) const
{
    if (cfg.CevrimSayisi == 0)
        return false;
    try {
        return !marked_ || storage::configFileBytes(cfg) != bytes_;
    } catch (const RangeError &) {
        return true;  // cannot be written as it stands, so certainly not saved
    }
}

}  // namespace vaz
