#include "core/causeeffect/MemberToggle.h"

#include "core/causeeffect/RuleDraft.h"
#include "core/causeeffect/RuleLists.h"
#include "core/causeeffect/Rules.h"
#include "core/devices/DeviceCatalog.h"

#include <QCoreApplication>

#include <memory>

namespace vaz {

namespace {

// The context of the texts below in the translations.
class ToggleWords {
    Q_DECLARE_TR_FUNCTIONS(vaz::ToggleWords)

public:
    static QString text(const ToggleRefusal &r)
    {
        switch (r.kind) {
        case ToggleRefusal::Kind::TooFewInputs:
            return r.condition == kConditionAnd
                       ? tr("Cause-effect '%1' is an AND: it needs at least two inputs.").arg(r.rule)
                       : tr("Cause-effect '%1' is a COINCIDENCE: it needs at least two inputs.").arg(r.rule);
        case ToggleRefusal::Kind::NoInput: return tr("Cause-effect '%1' needs at least one input.").arg(r.rule);
        case ToggleRefusal::Kind::NoOutput: return tr("Cause-effect '%1' needs at least one output.").arg(r.rule);
        case ToggleRefusal::Kind::ListFull: return QCoreApplication::translate("vaz", kListLimitMessage);
        }
        return {};
    }
};

bool isPlace(double loop, double address)
{
    if (loop != int(loop) || address != int(address))
        return false;
    if (loop == kPanelOutputLoop)
        return address >= 1 && address <= kPanelOutputs;
    return loop >= 1 && loop <= kLoops && address >= 1 && address <= kAddresses;
}

}  // namespace

ToggleResult toggleMember(const Installation &inst, int r, int loop, int address)
{
    if (r < 1 || r > std::min<int>(inst.SSsayisi, kMaxRules) || !isPlace(loop, address))
        return NotToggled{};
    const bool panel = loop == kPanelOutputLoop;
    const int type = panel ? 0 : int(inst.CihazTipi(loop, address));
    RuleSide side;
    if (panel || devices::isRuleOutput(type))
        side = RuleSide::Outputs;
    else if (type != 0 && devices::isRuleInput(type))
        side = RuleSide::Inputs;
    else
        return NotToggled{};
    const bool inputs = side == RuleSide::Inputs;

    // The list as marks, as the editor records a choice, so that it is written
    // as the editor writes it. Large: kept off the stack.
    auto draft = std::make_unique<RuleDraft>();
    Grid<Int16, 4, 200> &marks = inputs ? draft->GirisIsareti : draft->CikisIsareti;
    auto marked = [&](int l, int a) -> bool {
        return l == kPanelOutputLoop ? draft->PanelCikisSecimi(a - 1) == 1 : marks(l, a) == r;
    };
    auto mark = [&](int l, int a, bool on) {
        if (l == kPanelOutputLoop)
            draft->PanelCikisSecimi(a - 1) = on ? 1 : 0;
        else
            marks(l, a) = on ? r : 0;
    };
    int entries = 0;
    for (const ListItem &item : DizidenListeyeCevir(inputs ? inst.SSgirisler(r) : inst.SScikislar(r))) {
        // Panel outputs count only among the outputs, as they are written only there.
        if (!isPlace(item.loop, item.address) || (inputs && item.loop == kPanelOutputLoop))
            continue;
        if (!marked(int(item.loop), int(item.address)))
            ++entries, mark(int(item.loop), int(item.address), true);
    }

    const bool add = !marked(loop, address);
    const int after = entries + (add ? 1 : -1);
    const int condition = inst.SSkosul(r);
    auto refused = [&](ToggleRefusal::Kind kind) { return ToggleRefusal{kind, inst.SSismi(r), condition}; };
    if (add && after > kMaxListChoice)
        return refused(ToggleRefusal::Kind::ListFull);
    if (!add && after == 0)
        return refused(inputs ? ToggleRefusal::Kind::NoInput : ToggleRefusal::Kind::NoOutput);
    if (!add && inputs && after < 2 && (condition == kConditionAnd || condition == kConditionCoincidence))
        return refused(ToggleRefusal::Kind::TooFewInputs);

    mark(loop, address, add);
    return ToggledList{side, inputs ? SSgirisListesi(*draft, r) : SScikisListesi(*draft, r), add};
}

QString refusalText(const ToggleRefusal &refusal) { return ToggleWords::text(refusal); }

}  // namespace vaz
