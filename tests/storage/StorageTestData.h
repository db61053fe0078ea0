#pragma once

#include "model/Config.h"

#include <QByteArray>
#include <QString>

namespace vaz::test {

// The three example records, delays and ringing mode of the format's description.
Config exampleConfig(int version);

// A configuration that uses every field the file carries: devices of every
// type on all four loops, locations with a comma and Turkish letters, panel
// data and three rules.
Config filledConfig(int mcuVersion);

// When VAZ_FUZZ_SEEDS names a folder, the file is also kept there as a seed
// for the fuzz target.
void keepSeed(const QString &name, const QByteArray &bytes);

}  // namespace vaz::test
