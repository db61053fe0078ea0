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
    Int16 Cevrim1Eklendi, Cevrim2Eklendi, Cevrim3Eklendi, Cevrim4Eklendi;

    // Working fields shared between windows
    QString SeciliDugum;
    Int16 SeciliCevrim;
    Int16 SeciliTip;
    Grid<Int16, 5> BosAdres{"BosAdres"};
    Int16 AdresTablosuHazir;

    bool operator==(const Config &) const = default;

    // The tree-branch flag of a loop 1..4 (Cevrim1Eklendi..Cevrim4Eklendi).
    Int16 &CevrimEklendi(int loop);
};

}  // namespace vaz
