#include "core/comm/PreUploadCheck.h"
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

// Each kind of finding once is checked through the program (the check command).
TEST(PreUploadCheck, RulesCountFromV2OnAndTheExamplesAreCleanButForTheEvenRulesWithoutOutputs)
{
    FindingsExample e = findingsExample();
    e.config.McuVersiyon = 15;  // no rules reach the panel: nothing is judged by them
    e.devices.removeIf([](const QString &line) { return line.endsWith("sets off nothing"); });
    EXPECT_EQ(findings(e.config), e.devices);
    // filledConfig: Turkish letters in every location, none meeting another.
    Config filled = filledConfig(20, 1, 1);
    filled.CalmaModu = 0, filled.SSsayisi = 0;
    for (const Config &c : {exampleConfig(12), exampleConfig(15), cleanExample(20, 1), filled})
        EXPECT_EQ(findings(c), QStringList());
    EXPECT_EQ(findings(cleanExample(20, 2)), QStringList{"Cause-effect 2 'Rule2': has no outputs"});

    // The ringing mode decides what the rules and a silent device mean.
    Config common = cleanExample(20, 7), zonal = exampleConfig(20, 1);
    common.CalmaModu = 0;
    for (int r = 2; r <= 7; r += 2)
        common.SScikislar(r) = QStringLiteral("5,1.:");
    zonal.SSgirisler(1) = QStringLiteral("1,1.:"), zonal.SSkosul(1) = 1;  // nothing follows zone 7 either
    EXPECT_EQ(findings(common), QStringList{"7 cause-effect rules will not be used: the ringing mode is Common"});
    EXPECT_EQ(findings(zonal),
              (QStringList{"Loop 2 address 005: sets off nothing", "Loop 4 address 127: sets off nothing"}));
}
