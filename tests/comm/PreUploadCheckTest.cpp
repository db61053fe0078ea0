#include "comm/PreUploadCheck.h"
#include "support/ExampleConfig.h"

#include <gtest/gtest.h>

using namespace vaz;
using namespace vaz::test;

namespace {

QStringList findings(const Installation &inst)
{
    QStringList out;
    for (const comm::Finding &f : comm::preUploadFindings(inst))
        out << comm::findingLine(f);
    return out;
}

}  // namespace

TEST(PreUploadCheck, EachKindOnceInLoopAddressThenRuleOrder)
{
    Config c = exampleConfig(20, 1);
    c.CevrimSayisi = 2;  // loops beyond the count are uploaded all the same
    addDevices(c, {{1, 4, 1, 2}, {1, 9, 4, 2}, {1, 45, 2, 0}, {2, 4, 1, 9}, {3, 7, 1, 9}, {3, 8, 1, 9}, {4, 10, 8, 5}});
    // Only the first pair meets on the panel: the others are on two loops or were written alike.
    for (auto [l, a, text] :
         {std::tuple{1, 4, "Şişli"}, {1, 9, "Sisli  "}, {2, 4, "Şişli"}, {3, 7, "Çay"}, {3, 8, "Çay"}})
        c.MahalText(l, a) = QString::fromUtf8(text);
    const QStringList devices{
        "Loop 1 address 004: location \"Şişli\" becomes \"Sisli\" on the panel, like Loop 1 address 009",
        "Loop 1 address 045: has no zone", "Loop 4 address 010: is an output module with no output event"};
    const std::tuple<const char *, const char *, const char *, int, const char *> rules[] = {
        {"Empty", ":", "5,1.:", 1, "Cause-effect 2 'Empty': has no inputs"},
        {"Mute", "1,1.:", ":", 1, "Cause-effect 3 'Mute': has no outputs"},
        {"Both", "1,1,:", "1,2,5,5,:", 3, "Cause-effect 4 'Both': AND needs two inputs or more"},
        {"Twice", "2,5.:", "1,2.:", 2, "Cause-effect 5 'Twice': COINCIDENCE needs two inputs or more"},
        {"Ghost", "1,8.1,1.:", "1,8.:", 1, "Cause-effect 6 'Ghost': names Loop 1 address 008, which holds no device"},
        {"Rule1", "1,1.:", "1,2.:", 1, "Cause-effect 7 'Rule1': has the same name as cause-effect 1"},
        {"Unset", "1,1.:", "1,2.:", 0, "Cause-effect 8 'Unset': has no condition (code 0)"},
    };
    QStringList want = devices;
    for (auto [name, inputs, outputs, condition, finding] : rules) {
        const int n = c.SSsayisi = c.SSsayisi + 1;
        c.SSismi(n) = name, c.SSgirisler(n) = inputs, c.SScikislar(n) = outputs, c.SSkosul(n) = condition;
        want << finding;
    }
    EXPECT_EQ(findings(c), want);
    c.McuVersiyon = 15;  // no rules reach the panel
    EXPECT_EQ(findings(c), devices);
}

TEST(PreUploadCheck, TheExamplesAreCleanButForTheEvenRulesWithoutOutputs)
{
    // filledConfig: Turkish letters in every location, none meeting another.
    for (const Config &c : {exampleConfig(12), exampleConfig(15), exampleConfig(20, 1), filledConfig(20, 1, 1)})
        EXPECT_EQ(findings(c), QStringList());
    EXPECT_EQ(findings(exampleConfig(20, 2)), QStringList{"Cause-effect 2 'Rule2': has no outputs"});
}
