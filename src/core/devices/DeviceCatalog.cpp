#include "core/devices/DeviceCatalog.h"

#include <array>

namespace vaz::devices {

namespace {

struct Entry {
    const char *listText;
    int position;
    const char *shortName;
    const char *reportName;
    Group group;
    int icon;
    int picture;
};

// Indexed by code - 1.
const std::array<Entry, kTypeCount> kTable{{
    {QT_TRANSLATE_NOOP("vaz::devices", "QF-1010 Manual call point"), 0,
     QT_TRANSLATE_NOOP("vaz::devices", "Manual call point"), "MCP               ", Group::Detector, 3, 0},
    {QT_TRANSLATE_NOOP("vaz::devices", "QF-3010 Photo-electric smoke detector"), 1,
     QT_TRANSLATE_NOOP("vaz::devices", "Photo-elec. smoke det."), "Photo-elec. smoke det.", Group::Detector, 4, 3},
    {QT_TRANSLATE_NOOP("vaz::devices", "QF-3020 Ionisation smoke detector"), 2,
     QT_TRANSLATE_NOOP("vaz::devices", "Ionis. smoke det."), "Ionis. smoke det.", Group::Detector, 4, 2},
    {QT_TRANSLATE_NOOP("vaz::devices", "QF-3030 Heat detector"), 3, QT_TRANSLATE_NOOP("vaz::devices", "Heat det."),
     "Heat det.       ", Group::Detector, 5, 1},
    {QT_TRANSLATE_NOOP("vaz::devices", "QF-5010 Relay controller"), 5,
     QT_TRANSLATE_NOOP("vaz::devices", "Relay controller"), "Relay controller", Group::OutputModule, 6, 4},
    {QT_TRANSLATE_NOOP("vaz::devices", "QF-5020 Switch monitor"), 6, QT_TRANSLATE_NOOP("vaz::devices", "Switch mon."),
     "Switch mon.       ", Group::InputModule, 7, 5},
    {QT_TRANSLATE_NOOP("vaz::devices", "QF-5040 Zone monitor"), 8, QT_TRANSLATE_NOOP("vaz::devices", "Zone mon."),
     "Zone mon.       ", Group::InputModule, 9, 7},
    {QT_TRANSLATE_NOOP("vaz::devices", "QF-5030 Sounder controller"), 7,
     QT_TRANSLATE_NOOP("vaz::devices", "Sounder controller"), "Sounder controller", Group::OutputModule, 8, 6},
    {QT_TRANSLATE_NOOP("vaz::devices", "QF-3040 Multisensor"), 4, QT_TRANSLATE_NOOP("vaz::devices", "Multisensor"),
     "Multisensor       ", Group::Detector, 10, 8},
}};

const Entry *entry(long long code) { return isValidCode(code) ? &kTable[static_cast<std::size_t>(code - 1)] : nullptr; }

constexpr char kUnknownType[] = QT_TRANSLATE_NOOP("vaz::devices", "Unknown type %1");
// The report's type column: the location after it starts at column 85.
constexpr int kReportNameWidth = 18;

}  // namespace

bool isValidCode(long long code) { return code >= 1 && code <= kTypeCount; }

std::optional<int> listPosition(long long code)
{
    if (const Entry *e = entry(code))
        return e->position;
    return std::nullopt;
}

std::optional<int> codeOfListPosition(long long position)
{
    for (std::size_t i = 0; i < kTable.size(); ++i)
        if (kTable[i].position == position)
            return static_cast<int>(i + 1);
    return std::nullopt;
}

QString listText(long long code)
{
    const Entry *e = entry(code);
    return e ? QCoreApplication::translate("vaz::devices", e->listText) : QString();
}

QString shortName(long long code)
{
    const Entry *e = entry(code);
    return e ? QCoreApplication::translate("vaz::devices", e->shortName) : QString();
}

QString reportName(long long code)
{
    const Entry *e = entry(code);
    return e ? QString::fromLatin1(e->reportName) : QString();
}

QString typeName(long long code, Naming naming)
{
    if (isValidCode(code))
        return naming == Naming::Report ? reportName(code) : shortName(code);
    if (naming == Naming::Translated)
        return QCoreApplication::translate("vaz::devices", kUnknownType).arg(code);
    const QString unknown = QString::fromLatin1(kUnknownType).arg(code);
    return naming == Naming::Report ? unknown.leftJustified(kReportNameWidth, u' ') : unknown;
}

QString spokenName(long long code)
{
    if (code == 0)
        return {};
    if (!isValidCode(code))
        return typeName(code, Naming::Translated);
    // Every list name starts with its model number and a blank.
    const QString name = listText(code);
    const qsizetype blank = name.indexOf(u' ');
    return blank < 0 ? name : name.mid(blank + 1);
}

QString spokenDevice(int loop, int address, int zone, long long type, const QString &location)
{
    QStringList words{QCoreApplication::translate("vaz::devices", "Loop %1, address %2").arg(loop).arg(address)};
    if (zone > 0)
        words << QCoreApplication::translate("vaz::devices", "zone %1").arg(zone);
    if (const QString name = spokenName(type); !name.isEmpty())
        words << name;
    if (const QString shown = location.trimmed(); !shown.isEmpty())
        words << shown;
    return words.join(QStringLiteral(", "));
}

int treeIcon(long long code)
{
    const Entry *e = entry(code);
    return e ? e->icon : 0;
}

int pictureCell(long long code)
{
    const Entry *e = entry(code);
    return e ? e->picture : -1;
}

Group group(long long code)
{
    const Entry *e = entry(code);
    return e ? e->group : Group::None;
}

bool bypassApplies(long long code)
{
    Group g = group(code);
    return g == Group::Detector || g == Group::InputModule;
}

bool inputEventApplies(long long code) { return group(code) == Group::InputModule; }

bool outputEventApplies(long long code) { return group(code) == Group::OutputModule; }

bool isRuleInput(long long code) { return bypassApplies(code); }

bool isRuleOutput(long long code) { return outputEventApplies(code); }

QStringList typeListItems()
{
    QStringList items;
    for (int pos = 0; pos < kPlaceholderPosition; ++pos)
        items << listText(*codeOfListPosition(pos));
    items << QCoreApplication::translate("vaz::devices", kPlaceholderText);
    return items;
}

std::optional<int> codeOfListText(const QString &text)
{
    for (int code = 1; code <= kTypeCount; ++code)
        if (text == listText(code))
            return code;
    return std::nullopt;
}

}  // namespace vaz::devices
