#pragma once

#include "core/model/Arrays.h"
#include "core/model/Int16.h"

#include <QString>

namespace vaz {

// The rule the cause-effect editor is making: its step, name and slot, where
// each listed device stands in the lists, and what the lists have selected.
// The editor owns it; nothing of it is part of the installation.
struct RuleDraft {
    Int16 SSadim;                                          // 0: choosing inputs, 1: outputs
    QString SSyeniIsim;                                    // the name given
    Int16 SSyerAyrildi;                                    // 1: slot SSsayisi holds the rule being made
    Grid<Int16, 4> ListeSirasi{"ListeSirasi"};             // position + 1 of a device in its list
    Grid<Int16, 4, 200> GirisIsareti{"GirisIsareti"};      // the rule a device is an input of
    Grid<Int16, 4, 200> CikisIsareti{"CikisIsareti"};      // the rule a device is an output of
    Table<Int16, 7> PanelCikisSecimi{"PanelCikisSecimi"};  // 1: panel output k chosen
    Int16 GirisSecildi;                                    // 1: an input device is selected
    Int16 GirisSecimSayisi;                                // how many
    Int16 SeciliSayisi;                                    // entries selected in the visible list
    int editing = 0;                                       // the stored rule being changed; 0: a new one

    // The slot the draft is written to: the rule being changed, or the last.
    template <typename Tables>
    int slot(const Tables &inst) const
    {
        return editing > 0 ? editing : int(inst.SSsayisi);
    }
};

}  // namespace vaz
