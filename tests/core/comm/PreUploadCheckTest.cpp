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
    e.config.McuVersiyon = 15;  // no rules reach the panel
    EXPECT_EQ(findings(e.config), e.devices);
    // filledConfig: Turkish letters in every location, none meeting another.
    for (const Config &c : {exampleConfig(12), exampleConfig(15), exampleConfig(20, 1), filledConfig(20, 1, 1)})
        EXPECT_EQ(findings(c), QStringList());
    EXPECT_EQ(findings(exampleConfig(20, 2)), QStringList{"Cause-effect 2 'Rule2': has no outputs"});
}
