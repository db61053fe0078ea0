#pragma once

#include "core/model/Installation.h"

namespace vaz {

// The one configuration the tool edits: the installation, with the working
// fields that several windows and routines share. Field names are the ones
// every part of the tool uses; bounds are checked and 16-bit fields refuse
// values they cannot hold.
struct Config : Installation {
    // Control values
    Int16 DosyaKaydedildi;
    Int16 GonderimModu;
    Int16 AlmaModu;

    // Working fields shared between windows
    Int16 PortAyarAcik;
    Int16 SeciliPort;

    bool operator==(const Config &) const = default;
};

}  // namespace vaz
