#pragma once

#include "core/model/Installation.h"

#include <QString>

#include <variant>

// Taking one device or panel output into a rule's list, or out of it, as the
// cause-effect matrix does with a click on a cell.
namespace vaz {

enum class RuleSide { Inputs, Outputs };

// The list as it is after the toggle, in the editor's form.
struct ToggledList {
    RuleSide side = RuleSide::Inputs;
    QString text;
    bool added = false;
};

// What the editor would not let a rule become.
struct ToggleRefusal {
    enum class Kind {
        TooFewInputs,  // AND or COINCIDENCE left with one input
        NoInput,
        NoOutput,
        ListFull,  // a 255th entry
    };
    Kind kind = Kind::NoInput;
    QString rule;  // its name
    int condition = 0;
};

// Nothing to toggle: no such rule, or no device there, or no panel output.
struct NotToggled {};

using ToggleResult = std::variant<NotToggled, ToggledList, ToggleRefusal>;

// Toggles (loop, address) in rule r (1..SSsayisi): an input device in the
// inputs, an output module in the outputs, and a panel output (loop 5,
// address 1..7) in the outputs. The installation is not changed. Items of the
// old list that name no device place nor panel output are not written again.
ToggleResult toggleMember(const Installation &inst, int r, int loop, int address);

// The refusal as the user reads it, in the language loaded.
QString refusalText(const ToggleRefusal &refusal);

}  // namespace vaz
