#pragma once

#include "core/causeeffect/RuleDraft.h"
#include "core/devices/DeviceAddress.h"
#include "core/model/Config.h"

#include <QList>
#include <QString>

#include <optional>

namespace vaz {

// Condition codes of a rule.
inline constexpr int kConditionOr = 1;
inline constexpr int kConditionCoincidence = 2;
inline constexpr int kConditionAnd = 3;

inline constexpr int kPanelOutputLoop = 5;  // panel outputs appear as loop 5, addresses 1..7

// Takes the next rule slot for a new rule named `name` (blanks trimmed).
// Refused (false, nothing changed) when all 200 slots are in use.
bool SSyerAl(Config &cfg, const QString &name);

// Gives the last slot back (the editor's Cancel): empties its name and lowers
// the count. Does nothing when there is no rule.
void SSyerBirak(Config &cfg);

// Deletes rule r (1..SSsayisi) and closes the gap; RangeError otherwise.
void SSsil(Config &cfg, int r);

// A copy of rule r (1..SSsayisi) as a new last rule named `name` (blanks
// trimmed). Refused (false, nothing changed) when all 200 slots are in use.
bool duplicateRule(Config &cfg, int r, const QString &name);

// First rule 1..SSsayisi whose name equals `name` exactly, or 0.
int SSbul(const Config &cfg, const QString &name);

// One item of a list text: the loop and address digits as they stand in the
// text, and their values.
struct ListItem {
    QString loopDigits;
    QString addressDigits;
    double loop = 0;
    double address = 0;
};

// Reads the items of a list text in either form ("1,5.2,17.:" or "1,5,2,17,:"):
// "," and "." both switch between loop and address; ":" or the end stops.
QList<ListItem> DizidenListeyeCevir(const QString &list);

// The device an item names when it lies on a loop (1..4, 1..127) and the
// installation holds a device there; none for anything else.
std::optional<DeviceAddress> itemDevice(const Installation &inst, const ListItem &item);
// The panel output (1..7) an item names; 0 for any other item.
int itemPanelOutput(const ListItem &item);

// True when one item of the list names loop `loop`, address `address` (compared
// as numbers).
bool listContains(const QString &list, int loop, int address);

// True when a rule 1..SSsayisi uses the device in its inputs or outputs.
bool CihazSSdurumunaBak(const Config &cfg, int loop, int address);

// The input list text of rule r: devices whose input mark is r, in loop then
// address order.
QString SSgirisListesi(const RuleDraft &draft, int r);

// The output list text of rule r: devices whose output mark is r, then each
// chosen panel output k (0..6) as "5,k+1.".
QString SScikisListesi(const RuleDraft &draft, int r);

}  // namespace vaz
