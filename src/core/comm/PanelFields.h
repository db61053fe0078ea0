#pragma once

#include "core/comm/TransferFacts.h"
#include "core/model/Installation.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>

namespace vaz::comm {

inline constexpr char kSeparator = '~';
inline constexpr char kSectionEnd = '}';
inline constexpr int kRecordFields = 10;
inline constexpr int kSettings = 8;  // the seven panel delays and the ringing mode
inline constexpr int kDevicePasses = 8;
inline constexpr int kRuleSections = 4;  // inputs, outputs, conditions, names
// The longest field a panel holds is a list text naming all 508 devices and the
// 7 panel outputs: 2645 characters. Anything longer is not a field.
inline constexpr int kMaxFieldBytes = 4096;

// The panel's form of a list text: every "." becomes ",".
QString SSpcTOdorvekc(const QString &list);

// A whole number as the panel reads it: "0", "32", "-5".
QByteArray numberField(long long v);

// What an upload sends for the device at (loop, address), fields 1 to 10, each
// without its separator.
std::array<QByteArray, kRecordFields> recordFields(const Installation &cfg, int loop, int address);

// Field 8 of a record: the event type the panel expects for the device's type.
int recordEventField(const Installation &cfg, int loop, int address);

// Gecikmeler(0..6), then CalmaModu.
std::array<QByteArray, kSettings> settingsFields(const Installation &cfg);

// The field of rule r (1..SSsayisi) in section 0..3.
QByteArray ruleField(const Installation &cfg, int section, int r);

// None when every text an upload of cfg sends can travel; otherwise which text
// and which character would break the exchange.
Refusal uploadRefusal(const Installation &cfg);

// The value of a received numeric field: leading blanks, an optional sign,
// digits with an optional "." fraction, up to the first other character; no
// number gives 0.
double fieldNumber(QByteArrayView field);

// Stores the fields of a download into an installation, one at a time, in the
// panel's order. A number that does not fit its field (or a rule count outside
// 0..200) is not stored: the call returns false and refusal() says what arrived
// where.
class DownloadStore {
public:
    explicit DownloadStore(Installation &target) : cfg_(target) {}

    // pass 0..7: zone, type, day threshold, night threshold, bypass, event type,
    // output delay, location text.
    bool device(int pass, int loop, int address, QByteArrayView field);
    void supplier(QByteArrayView field);
    void panelName(QByteArrayView field);
    bool setting(int i, QByteArrayView field);  // 0..6 delays, 7 ringing mode
    bool ruleCount(QByteArrayView field);
    bool rule(int section, int r, QByteArrayView field);
    bool loopCount(QByteArrayView field);

    const Refusal &refusal() const { return refusal_; }

private:
    // What is refused, with its loop and address or rule set.
    bool store(Int16 &to, QByteArrayView field, Refusal what);
    bool storeAt(Int16 &to, QByteArrayView field, Refusal::Item item, int loop, int address);

    Installation &cfg_;
    Refusal refusal_;
};

}  // namespace vaz::comm
