#pragma once

#include "core/causeeffect/Rules.h"

#include <QList>
#include <QString>

#include <array>

// One rule a zone in a single pass: the zone's input devices set off its
// sounder and relay controllers and the panel outputs chosen.
namespace vaz {

inline constexpr char kZonePlaceholder[] = "{z}";
inline constexpr char kZoneNamePlaceholder[] = "{zone}";

struct ZoneRuleChoice {
    QList<int> zones;  // ticked, 1..48
    bool sounders = true;
    bool relays = true;
    std::array<bool, kPanelOutputs> panelOutputs{};  // "Sounder 1" .. "Fault relay"
    int condition = kConditionOr;
    QString pattern = QStringLiteral("Zone {z}");
};

// A zone as the window lists it.
struct ZoneCount {
    int zone = 0;
    int inputs = 0;
    int outputs = 0;  // relay and sounder controllers
};
// Zones 1..48 that hold a device, in zone order.
QList<ZoneCount> zonesWithDevices(const Installation &inst);

struct ZoneRule {
    int zone = 0;
    QString name, inputs, outputs;  // list texts as the editor writes them
    int condition = 0;
};

struct SkippedZone {
    enum class Reason {
        NoInputs,
        TooFewInputs,
        NoOutputs,
        TooManyInputs,
        TooManyOutputs,
        BadName,
        NameTaken,
        SameAsRule,
        NoRoom
    };
    int zone = 0;
    Reason reason = Reason::NoInputs;
    QString name;     // the rule's name, for the name reasons
    QString problem;  // BadName: what is wrong with it
    int rule = 0;     // NameTaken, SameAsRule: the existing rule; 0 for one made by this pass
};

struct ZoneRulePlan {
    QList<ZoneRule> rules;  // zone order
    QList<SkippedZone> skipped;
};

// The rules the choice makes and the zones it skips, against the rules as they are.
ZoneRulePlan planZoneRules(const Installation &inst, const ZoneRuleChoice &choice);

// Puts the planned rules after the existing ones; never past 200.
void addZoneRules(Installation &inst, const ZoneRulePlan &plan);

// "Zone 7: has no outputs", worded through QCoreApplication::translate("vaz::ZoneRules", ...).
QString skippedText(const SkippedZone &skipped);

}  // namespace vaz
