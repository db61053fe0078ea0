#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// The nine device types. Codes and list positions differ for 7, 8 and 9, so
// every conversion between them goes through the one table here.
namespace vaz::devices {

// The codes as files and the panel carry them.
enum TypeCode : int {
    kManualCallPoint = 1,
    kPhotoSmokeDetector = 2,
    kIonisationSmokeDetector = 3,
    kHeatDetector = 4,
    kRelayController = 5,
    kSwitchMonitor = 6,
    kZoneMonitor = 7,
    kSounderController = 8,
    kMultisensor = 9,
};

enum class Group { None, Detector, InputModule, OutputModule };

inline constexpr int kTypeCount = 9;
inline constexpr int kPlaceholderPosition = 9;
// Shown through QCoreApplication::translate("vaz::devices", ...), as every text here.
inline constexpr char kPlaceholderText[] = QT_TRANSLATE_NOOP("vaz::devices", "Select device type...");

bool isValidCode(long long code);

std::optional<int> listPosition(long long code);
std::optional<int> codeOfListPosition(long long position);

// Empty for a code outside 1..9. The list and short names are shown translated;
// the report names are not.
QString listText(long long code);
QString shortName(long long code);
QString reportName(long long code);

enum class Naming {
    Short,       // the short name, translated; an unknown code in English
    Translated,  // the short name and an unknown code, both translated
    Report,      // the report name; an unknown code padded to the report names' width
};
// The one name of any code: "Unknown type 77" for a code outside 1..9, which
// files and the panel carry all the same.
QString typeName(long long code, Naming naming = Naming::Short);

// A type as a screen reader says it: the list's name without its model number,
// as the short names' abbreviations read badly aloud. Empty for code 0.
QString spokenName(long long code);
// A list entry as a screen reader says it, in the order of the list's columns:
// "Loop 1, address 7, zone 1, Manual call point, Kapi". A zone or type of 0
// and a blank location are left out.
QString spokenDevice(int loop, int address, int zone, long long type, const QString &location);

// 0 for a code outside 1..9.
int treeIcon(long long code);
// -1 for a code outside 1..9.
int pictureCell(long long code);

Group group(long long code);
bool bypassApplies(long long code);
bool inputEventApplies(long long code);
bool outputEventApplies(long long code);  // output event type and output delay

// Cause-effect roles: output modules are rule outputs, every other type an input.
bool isRuleInput(long long code);
bool isRuleOutput(long long code);

// The items of the type list in position order, the placeholder last.
QStringList typeListItems();

// Code of a type-list item text as shown, compared exactly; nothing for the placeholder
// or any other text.
std::optional<int> codeOfListText(const QString &text);

}  // namespace vaz::devices
