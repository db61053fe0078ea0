#pragma once

#include "core/model/Installation.h"

namespace vaz {

// The one configuration the tool edits: the installation and whether it is in
// a file. What a window is working on stays with that window. Bounds are
// checked and 16-bit fields refuse values they cannot hold.
struct Config : Installation {
    // Control values
    Int16 DosyaKaydedildi;

    bool operator==(const Config &) const = default;
};

}  // namespace vaz
