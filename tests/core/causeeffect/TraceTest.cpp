#include "core/causeeffect/Trace.h"
#include "support/ExampleConfig.h"

#include <gtest/gtest.h>

using namespace vaz;

namespace {

QStringList trace(const Installation &inst, const char *at)
{
    const std::optional<TraceTarget> t = parseTraceTarget(QString::fromLatin1(at));
    return t ? traceLines(inst, *t) : QStringList{"no address"};
}

}  // namespace

// The example's rules: 1 COINCIDENCE and 3 OR of 1.001 and 2.005 to the relay
// 1.002, Sounder 1 and the fault relay; 2 AND of the same to nothing.
TEST(Trace, WhatADeviceSetsOffAndWhatSetsAnOutputOff)
{
    const Config zonal = test::exampleConfig(20, 3);
    Config common = zonal, followed = test::cleanExample(20, 3), early = zonal;
    common.CalmaModu = 0, early.McuVersiyon = 15;
    const QString relay = "Loop 1 address 002 (Relay controller)", monitor = "Loop 2 address 005 (Switch mon.)";
    const QString outputs = relay + ", Sounder 1, Fault relay";
    const std::tuple<const Config *, const char *, QStringList> cases[] = {
        {&zonal,
         "1.1",
         {"Loop 1 address 001, Photo-elec. smoke det., zone 3, on a fire:",
          "Cause-effect 1 'Rule1' (COINCIDENCE with " + monitor + ", as the panel evaluates COINCIDENCE) operates " +
              outputs,
          "Cause-effect 2 'Rule2' (AND, together with " + monitor + ") operates nothing",
          "Cause-effect 3 'Rule3' (OR) operates " + outputs}},
        {&common,
         "1,1",
         {"Loop 1 address 001, Photo-elec. smoke det., zone 3, on a fire:",
          "3 cause-effect rules name it, but the ringing mode is Common: the panel does not use them.",
          "The ringing mode is Common: the panel's common outputs ring."}},
        {&early, "4.127", {"Loop 4 address 127, Multisensor, zone 48, on a fire:", "It sets off nothing."}},
        {&followed,
         "4.127",
         {"Loop 4 address 127, Multisensor, zone 48, on a fire:",
          "Loop 4 address 126 (Relay controller) follows zone 48 on fire"}},
        {&zonal,
         "1.2",
         {"Loop 1 address 002, Relay controller, zone 4, is set off by:",
          "Cause-effect 1 'Rule1' (COINCIDENCE): on a fire at Loop 1 address 001 (Photo-elec. smoke det.), " + monitor,
          "Cause-effect 3 'Rule3' (OR): on a fire at Loop 1 address 001 (Photo-elec. smoke det.), " + monitor,
          "A fire in zone 4, which it follows"}},
        {&early,
         "3.1",
         {"Loop 3 address 001, Sounder controller, zone 9, is set off by:",
          "A fault in zone 9, which it follows (its output event is Fault)"}},
        {&common,
         "5.7",
         {"Fault relay is set off by:",
          "2 cause-effect rules name it, but the ringing mode is Common: the panel does not use them.",
          "The ringing mode is Common: the panel's common outputs ring."}},
        {&zonal, "5.2", {"Sounder 2 is set off by:", "Nothing sets it off."}},
        {&zonal, "2.1", {"Loop 2 address 001 holds no device."}},
    };
    for (const auto &[cfg, at, lines] : cases)
        EXPECT_EQ(trace(*cfg, at), lines) << at;
    for (const char *bad : {"5.8", "0.1", "4.128", "2", "x.1", "2.45.1"})
        EXPECT_EQ(trace(zonal, bad), QStringList{"no address"}) << bad;
}
