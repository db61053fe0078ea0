#pragma once

#include "core/comm/BytePort.h"
#include "core/comm/Transfer.h"

#include <QString>

// What a transfer reports, as values: the engine states what happened and
// where, the windows and the command line word it (core/comm/TransferWords).
namespace vaz::comm {

// Where a transfer was. On a download the field's name comes with it.
struct TransferPlace {
    enum class Kind { None, Device, PanelSettings, Rules, Rule, Named };
    Kind kind = Kind::None;
    int loop = 0, address = 0;
    int rule = 0;
    QString named;  // Named: as the panel's fields are named ("Panel", "Cause-effect 3")
    QString field;  // download: "Zone", "Location", ...

    static TransferPlace of(Kind kind, int number = 0)
    {
        TransferPlace p;
        p.kind = kind;
        p.rule = number;
        return p;
    }
    static TransferPlace device(int loop, int address)
    {
        TransferPlace p = of(Kind::Device);
        p.loop = loop;
        p.address = address;
        return p;
    }
};

enum class TransferStage { Waiting, SendingPanelData, Receiving, Completed, NotCompleted };

// What the read-back after an upload found.
enum class Verification {
    NotRun,     // not asked for, or the upload did not complete
    Verified,   // the panel holds every field sent
    Differs,    // differences() lists what it holds otherwise
    BrokenOff,  // the read-back did not complete; the upload had
};

struct TransferStatus {
    TransferStage stage = TransferStage::Waiting;
    int pass = 0;  // Receiving: which of the download's device passes
    bool operator==(const TransferStatus &) const = default;
};

// A port that would not open, as the system and the tool's settings tell it.
struct PortProblem {
    int number = 0;  // COMn, 0 for a device named directly
    QString device;  // what was opened
    QString error;   // the system's text
    BytePort::OpenError kind = BytePort::OpenError::Other;
    bool fromEnvironment = false;  // VAZ_COMn names the device
    QString access;                // why the user may not open it, when known
};

// Why the data checks stop a transfer: an upload before anything is sent, a
// download before the configuration changes.
struct Refusal {
    enum class Kind {
        None,
        Separator,     // the text of item holds "~", the panel's end of a field
        Unshowable,    // the text of item holds character, which the panel cannot show
        SectionEnd,    // the text of item begins with "}", the end of a rule section
        TooManyRules,  // the configuration holds count rules
        DoesNotFit,    // the panel sent received as item, which its field cannot hold
        RuleCount,     // the panel sent received as the number of rules
        LoopCount,     // the panel sent received as the number of loops
    };
    // What was refused; loop and address, rule, or index (delays 0..6) say whose.
    enum class Item {
        Supplier,
        PanelName,
        Location,
        RuleInputs,
        RuleOutputs,
        RuleName,
        Zone,
        Type,
        Bypass,
        EventType,
        OutputDelay,
        Delay,
        RingingMode,
        Condition,
    };
    Kind kind = Kind::None;
    Item item = Item::Supplier;
    int loop = 0, address = 0;
    int rule = 0;
    QString ruleName;
    int index = 0;
    QString character;
    QString received;
    int count = 0;

    explicit operator bool() const { return kind != Kind::None; }
};

struct TransferFailure {
    enum class Kind {
        PortNotOpened,  // port
        NoAnswer,       // the panel was silent for waitedMs
        Unplugged,      // the adapter (port.device) went away
        Refused,        // refusal: what the data checks found; nothing was sent or changed
        TooLong,        // a download's field at place ran past total bytes without a separator
    };
    Kind kind = Kind::NoAnswer;
    Transfer transfer = Transfer::Upload;
    PortProblem port;
    int waitedMs = 0;
    bool started = false;  // the panel had answered the handshake
    TransferPlace place;
    int field = 0;  // upload: of total; download: the field arriving
    int total = 0;
    Refusal refusal;
};

// The facts of a port that would not open.
PortProblem portProblem(const BytePort &port);

}  // namespace vaz::comm
