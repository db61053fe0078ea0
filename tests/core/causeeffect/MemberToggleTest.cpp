#include "core/causeeffect/MemberToggle.h"
#include "core/causeeffect/RuleLists.h"
#include "core/causeeffect/Rules.h"
#include "support/ExampleConfig.h"

#include <gtest/gtest.h>

#include <memory>

using namespace vaz;
using test::addDevices;
using test::setRules;

namespace {

using Kind = ToggleRefusal::Kind;

// Inputs (1,5) (1,7) (2,17), outputs (1,9) (2,100); a rule of each condition,
// their lists in the panel's form, and one with a list of 254 inputs.
std::unique_ptr<Config> rules()
{
    auto c = std::make_unique<Config>();
    addDevices(*c, {{1, 5, 2, 3}, {1, 7, 4, 1}, {2, 17, 1, 0}, {1, 9, 5, 2}, {2, 100, 8, 12}});
    for (int a = 1; a <= kAddresses; ++a)
        addDevices(*c, {{3, a, 2, 1}, {4, a, 9, 1}});
    setRules(*c, {"And", "Or", "Coin", "Full"});
    c->SSkosul(1) = kConditionAnd, c->SSgirisler(1) = "1,5,2,17,:", c->SScikislar(1) = "1,9,5,5,:";
    c->SSgirisler(2) = "1,5.9,9.1,5.:", c->SScikislar(2) = "5,1.:";  // a stray item, a device twice
    c->SSkosul(3) = kConditionCoincidence, c->SSgirisler(3) = "1,5.1,7.:", c->SScikislar(3) = "2,100.:";
    QString full;
    for (int i = 0; i < kMaxListChoice; ++i)
        full += QStringLiteral("%1,%2.").arg(3 + i / kAddresses).arg(i % kAddresses + 1);
    c->SSgirisler(4) = full + u':', c->SScikislar(4) = "5,7.:";
    return c;
}

TEST(MemberToggle, WritesTheEditorsFormOrRefusesWhatTheEditorWould)
{
    const auto c = rules();
    const struct {
        int rule, loop, address;
        RuleSide side;
        QString list;  // empty: refused or not toggled
        bool added;
    } changed[] = {
        {1, 1, 7, RuleSide::Inputs, "1,5.1,7.2,17.:", true},      // the panel's form in, in order
        {1, 2, 100, RuleSide::Outputs, "1,9.2,100.5,5.:", true},  // devices before panel outputs
        {1, 5, 7, RuleSide::Outputs, "1,9.5,5.5,7.:", true},
        {1, 1, 9, RuleSide::Outputs, "5,5.:", false},
        {2, 1, 7, RuleSide::Inputs, "1,5.1,7.:", true},  // the stray item and the second (1,5) go
        {3, 1, 9, RuleSide::Outputs, "1,9.2,100.:", true},
        {4, 3, 1, RuleSide::Inputs, "", false},  // 253 of them left
    };
    for (const auto &t : changed) {
        const ToggleResult r = toggleMember(*c, t.rule, t.loop, t.address);
        const auto *list = std::get_if<ToggledList>(&r);
        ASSERT_NE(list, nullptr) << t.rule << " " << t.loop << "," << t.address;
        EXPECT_EQ(list->side, t.side);
        EXPECT_EQ(list->added, t.added);
        if (!t.list.isEmpty())
            EXPECT_EQ(list->text, t.list);
        else
            EXPECT_EQ(DizidenListeyeCevir(list->text).size(), kMaxListChoice - 1);
    }

    const struct {
        int rule, loop, address;
        Kind kind;
        QString says;
    } refused[] = {
        {1, 2, 17, Kind::TooFewInputs, "Cause-effect 'And' is an AND: it needs at least two inputs."},
        {3, 1, 7, Kind::TooFewInputs, "Cause-effect 'Coin' is a COINCIDENCE: it needs at least two inputs."},
        {2, 1, 5, Kind::NoInput, "Cause-effect 'Or' needs at least one input."},
        {2, 5, 1, Kind::NoOutput, "Cause-effect 'Or' needs at least one output."},
        {3, 2, 100, Kind::NoOutput, "Cause-effect 'Coin' needs at least one output."},
        {4, 1, 5, Kind::ListFull, kListLimitMessage},
    };
    for (const auto &t : refused) {
        const ToggleResult r = toggleMember(*c, t.rule, t.loop, t.address);
        const auto *refusal = std::get_if<ToggleRefusal>(&r);
        ASSERT_NE(refusal, nullptr) << t.rule << " " << t.loop << "," << t.address;
        EXPECT_EQ(refusal->kind, t.kind);
        EXPECT_EQ(refusalText(*refusal), t.says);
    }

    // No device there, no such panel output or rule: nothing to toggle.
    for (auto [rule, loop, address] : {std::array{1, 3, 200}, {1, 2, 50}, {1, 5, 8}, {1, 6, 1}, {0, 1, 5}, {5, 1, 5}})
        EXPECT_TRUE(std::holds_alternative<NotToggled>(toggleMember(*c, rule, loop, address)))
            << rule << " " << loop << "," << address;
    EXPECT_EQ(*c, *rules()) << "a toggle only says what the list would become";
}

}  // namespace
