#pragma once

namespace vaz {
struct Config;
}

namespace vaz::devices {

// Whether the loop count alone gives loop 1..4 a branch in the device tree:
// loop 1 always, loop 2 above 1, loops 3 and 4 above 2.
bool loopBranchByCount(double loopCount, int loop);

// Devices that neither the type list nor the loop count account for: a type
// code outside 1..9, or a loop the loop count gives no branch. They are saved
// and uploaded all the same, so the user must be able to see them.
int unusualDeviceCount(const Config &cfg);

}  // namespace vaz::devices
