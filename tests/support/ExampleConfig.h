#pragma once

#include "core/comm/TransferLog.h"
#include "core/model/Config.h"
#include "support/Printers.h"

#include <QDir>
#include <QFile>

#include <array>

namespace vaz::comm {
// A record in a failure message as its line in the log.
inline void PrintTo(const TransferRecord &r, std::ostream *os) { *os << recordJson(r).toStdString(); }
}  // namespace vaz::comm

namespace vaz::test {

// A few devices of every group on more than one loop, the last address of the
// last loop among them, and `rules` rules.
inline Config exampleConfig(int mcu, int rules = 2)
{
    Config c;
    c.McuVersiyon = mcu, c.CevrimSayisi = 4;
    c.TedarikciAdi = QStringLiteral("ACME Yangin"), c.PanelAdi = QStringLiteral("Blok Ç");
    for (int i = 0; i < 7; ++i)
        c.Gecikmeler(i) = 10 * (i + 1);
    c.CalmaModu = 1;
    // type, zone, location, bypass, event, delay, fire, fault
    c.setDevice(1, 1, {2, 3, QStringLiteral(" Hall "), 64, 0, 0, 0, 0});  // detector with bypass
    c.setDevice(1, 2, {5, 4, {}, 0, 0, 30, 4, 0});                        // relay controller on fire
    c.setDevice(2, 5, {6, 7, {}, 64, 32, 0, 0, 0});                       // switch monitor, fire
    c.setDevice(3, 1, {8, 9, {}, 0, 0, 250, 0, 9});                       // sounder controller on fault
    c.setDevice(4, 127, {9, 48, QStringLiteral("Roof"), 0, 0, 0, 0, 0});
    c.SSsayisi = rules;
    for (int r = 1; r <= rules; ++r) {
        c.SSismi(r) = QStringLiteral("Rule%1").arg(r), c.SSgirisler(r) = QStringLiteral("1,1.2,5.:");
        c.SScikislar(r) = r % 2 ? QStringLiteral("1,2.5,1.5,7.:") : QStringLiteral(":"), c.SSkosul(r) = r % 3 + 1;
    }
    return c;
}

// The example with every `every`th address of every loop in use as well, with
// full-length locations that hold commas and Turkish letters.
inline Config filledConfig(int mcu, int rules = 3, int every = 3)
{
    Config c = exampleConfig(mcu, rules);
    c.TedarikciAdi = QStringLiteral("Güven Yangın, Ltd.");
    for (int L = 1; L <= kLoops; ++L)
        for (int A = 1; A < kAddresses; A += every) {
            const int type = (L + A) % 9 + 1, zone = A % 48 + 1;
            c.setDevice(L, A,
                        {type, zone, QStringLiteral("Kat %1, oda %2 Şişli Çığ").arg(L).arg(A).leftJustified(40, u'x'),
                         A % 2 ? 64 : 0, type == 6 ? 32 : 0, type == 8 ? 250 : 0, type == 8 ? zone : 0,
                         type == 5 ? zone : 0});
        }
    return c;
}

// The example as the check finds nothing in it: in cause-effect mode its roof
// device (zone 48, in no rule) would set off nothing, so a relay follows zone 48.
inline Config cleanExample(int mcu, int rules = 1)
{
    Config c = exampleConfig(mcu, rules);
    c.setDevice(4, 126, {5, 48, {}, 0, 0, 0, 48, 0});
    return c;
}

// Devices as loop, address, type, zone.
inline void addDevices(Config &c, std::initializer_list<std::array<int, 4>> devices)
{
    for (auto [loop, address, type, zone] : devices)
        c.CihazTipi(loop, address) = type, c.BolgeNo(loop, address) = zone;
}

// Every zone in use: two detectors a zone on loop 3 (zone z at addresses
// 2z-1 and 2z), a sounder controller a zone on loop 4 (address z) and relay
// controllers for zones 1 to 24 (address 48 + z).
inline void addZoneSite(Config &c)
{
    for (int z = 1; z <= kZones; ++z) {
        addDevices(c, {{3, 2 * z - 1, 2, z}, {3, 2 * z, 1, z}, {4, z, 8, z}});
        if (z <= 24)
            addDevices(c, {{4, 48 + z, 5, z}});
    }
}

// What the loop and battery calculations need: 0.3 mA quiescent and 10 mA in
// alarm for every device type, 1,000 m of 1.5 mm² cable on every loop, 24 V
// out, devices down to 17 V, the panel at 150 mA and 400 mA.
inline void addLoadFigures(Config &c)
{
    for (int type = 1; type <= 9; ++type)
        c.site.typeCurrents[type] = {0.3, 10.0};
    for (site::Cable &cable : c.site.cables)
        cable = {1000.0, 1.5, std::nullopt};
    c.site.supply.loopOutputV = 24.0, c.site.supply.deviceMinimumV = 17.0;
    c.site.supply.panel = {150.0, 400.0};
}

// Rules named as given, all with the same lists and condition.
inline void setRules(Config &c, const QStringList &names, const QString &outputs = QStringLiteral(":"))
{
    c.SSsayisi = int(names.size());
    for (int r = 1; r <= names.size(); ++r)
        c.SSismi(r) = names[r - 1], c.SSgirisler(r) = QStringLiteral(":"), c.SScikislar(r) = outputs, c.SSkosul(r) = 1;
}

// Each kind of pre-upload finding once (version 20), with the lines the check
// gives: the devices' in loop and address order, then the rules'.
struct FindingsExample {
    Config config;
    QStringList devices, rules;
};
inline FindingsExample findingsExample()
{
    FindingsExample e{cleanExample(20, 1), {}, {}};
    Config &c = e.config;
    c.CevrimSayisi = 2;  // loops beyond the count are uploaded all the same
    addDevices(c, {{1, 4, 1, 2},
                   {1, 9, 4, 2},
                   {1, 45, 2, 0},
                   {2, 4, 1, 9},
                   {2, 6, 1, 7},
                   {3, 7, 1, 9},
                   {3, 8, 1, 9},
                   {4, 10, 8, 5},
                   {4, 11, 8, 2},
                   {4, 12, 8, 9},
                   {4, 13, 5, 9}});
    // Sounders follow zones 2 and 9; nothing sets off zone 7 but the rules, which leave out 2.006.
    // The relay in zone 9 has both events.
    c.CikisYangin(4, 11) = 2, c.CikisYangin(4, 12) = 9, c.CikisYangin(4, 13) = c.CikisHata(4, 13) = 9;
    // Only the first pair meets on the panel: the others are on two loops or were written alike.
    for (auto [l, a, text] :
         {std::tuple{1, 4, "Şişli"}, {1, 9, "Sisli  "}, {2, 4, "Şişli"}, {3, 7, "Çay"}, {3, 8, "Çay"}})
        c.MahalText(l, a) = QString::fromUtf8(text);
    e.devices =
        QStringList{"Loop 1 address 004: location \"Şişli\" becomes \"Sisli\" on the panel, like Loop 1 address 009",
                    "Loop 1 address 045: has no zone", "Loop 2 address 006: sets off nothing",
                    "Loop 4 address 010: is an output module with no output event",
                    "Loop 4 address 013: shows Fault, the panel gets Fire"};
    const std::tuple<const char *, const char *, const char *, int, const char *> rules[] = {
        {"Empty", ":", "5,1.:", 1, "Cause-effect 2 'Empty': has no inputs"},
        {"Mute", "1,1.:", ":", 1, "Cause-effect 3 'Mute': has no outputs"},
        {"Both", "1,1,:", "1,2,5,5,:", 3, "Cause-effect 4 'Both': AND needs two inputs or more"},
        {"Twice", "2,5.:", "1,2.:", 2, "Cause-effect 5 'Twice': COINCIDENCE needs two inputs or more"},
        {"Ghost", "1,8.1,1.:", "1,8.:", 1, "Cause-effect 6 'Ghost': names Loop 1 address 008, which holds no device"},
        {"Rule1", "1,1.:", "1,2.:", 1, "Cause-effect 7 'Rule1': has the same name as cause-effect 1"},
        {"Unset", "1,1.:", "1,2.:", 0, "Cause-effect 8 'Unset': has no condition (code 0)"},
        {"Swap", "1,2.1,1.:", "2,5.1,2.:", 1,
         "Cause-effect 9 'Swap': names Loop 1 address 002, an output module, among its inputs\n"
         "Cause-effect 9 'Swap': names Loop 2 address 005, an input device, among its outputs"},
    };
    for (auto [name, inputs, outputs, condition, finding] : rules) {
        const int n = c.SSsayisi = c.SSsayisi + 1;
        c.SSismi(n) = name, c.SSgirisler(n) = inputs, c.SScikislar(n) = outputs, c.SSkosul(n) = condition;
        e.rules << QString::fromUtf8(finding).split(u'\n');
    }
    return e;
}

// Transfers of two panels as the log keeps them, in the order written: the
// download of the second panel was written last but happened first (another
// time zone); files of the first panel are in `folder`.
inline QList<comm::TransferRecord> exampleTransfers(const QString &folder)
{
    using R = comm::TransferRecord::Result;
    const QString a = QStringLiteral("3f2a9c1b07de55a0") + QString(48, u'a');
    auto at = [](int hour, int minute, int offsetMinutes) {
        return QDateTime(QDate(2026, 12, 7), QTime(hour, minute, 5), Qt::OffsetFromUTC, offsetMinutes * 60);
    };
    const QString file = folder + QStringLiteral("/blokC.dvk");
    QList<comm::TransferRecord> r(5);
    r[0] = {at(9, 15, 60), "ayse",         "saha-1",    "upload", file, "Blok Ç", "ACME Yangin", 20, 4, a,
            "COM1",        "/dev/ttyUSB0", R::Verified, {},       41250};
    r[1] = {at(9, 20, 60), "ayse",         "saha-1",   "compare", file, "Blok Ç", "ACME Yangin", 20, 4, a,
            "COM1",        "/dev/ttyUSB0", R::Differs, {},        12800};
    r[2] = {at(10, 2, 60),
            "ayse",
            "saha-1",
            "upload",
            file,
            "Blok Ç",
            "ACME Yangin",
            20,
            4,
            QString(64, u'b'),
            {},
            "/dev/ttyS0",
            R::Failed,
            "No answer at \"Loop 2\"\\\n\ttry again",
            5000};
    r[3] = {at(0, 30, -210), "mehmet",     "depo-pc",    "download", {},   "Depo", "ACME Yangin", 15, 2, {},
            "COM2",          "/dev/ttyS1", R::Completed, {},         98000};
    r[4] = {at(11, 0, 60), "ayse", "saha-1",       "verify",    file, "Blok Ç", "ACME Yangin", 20, 4,
            a.toUpper(),   "COM1", "/dev/ttyUSB0", R::Verified, {},   39000};
    return r;
}

// Every field of the site data filled, zone 3 and 48 named (Turkish letters,
// the longest name allowed).
inline site::SiteData exampleSite()
{
    site::SiteData s;
    s.siteName = QStringLiteral("Şişli Plaza"), s.siteAddress = QStringLiteral("Büyükdere Cd. 1\nİstanbul");
    s.engineer = QStringLiteral("Ayşe Çelik"), s.company = QStringLiteral("Güven Yangın"),
    s.notes = QStringLiteral("\"x\"");
    s.zoneNames = {{3, QStringLiteral("Kat 2 Doğu Kanadı")}, {48, QString(site::kZoneNameLength, u'Ğ')}};
    s.cables[0] = {250.5, 1.5, std::nullopt}, s.cables[3] = {std::nullopt, std::nullopt, 12.1};
    s.supply = {27.6, 17.0, {120, 300}, site::BatteryMethod::Nfpa72, 72, 5};
    s.typeCurrents = {{2, {0.3, 5}}, {9, {0.5, std::nullopt}}};
    s.deviceCurrents = {{{4, 127}, {0.25, 22}}};
    s.walkTests = {
        {{1, 1},
         {site::WalkResult::Passed, QStringLiteral("ok"), QDateTime(QDate(2026, 3, 4), QTime(9, 5, 7, 250), Qt::UTC)}},
        {{2, 5}, {site::WalkResult::Failed, QStringLiteral("no LED"), {}}},
        {{4, 127}, {}}};
    return s;
}

inline QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// When VAZ_FUZZ_SEEDS names a folder, the file is also kept there as a seed
// for the fuzz target.
inline void keepSeed(const QString &name, const QByteArray &bytes)
{
    if (const QString dir = qEnvironmentVariable("VAZ_FUZZ_SEEDS"); !dir.isEmpty())
        QDir().mkpath(dir), writeBytes(QDir(dir).filePath(name), bytes);
}

}  // namespace vaz::test
