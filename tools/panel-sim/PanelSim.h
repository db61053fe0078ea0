#pragma once

#include "core/comm/PanelFields.h"
#include "core/model/Installation.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <deque>
#include <functional>
#include <vector>

namespace vaz::sim {

// What the panel holds, as the texts it received.
struct PanelMemory {
    QByteArray supplier;
    QByteArray panelName;
    std::vector<std::array<QByteArray, comm::kRecordFields>> records;  // in the order received
    std::array<QByteArray, comm::kSettings> settings;
    std::array<QList<QByteArray>, comm::kRuleSections> rules;  // inputs, outputs, conditions, names

    PanelMemory();  // 508 empty records, all settings 0, no rules
};

// The memory an upload of cfg would leave in the panel.
PanelMemory memoryFromConfig(const Installation &cfg);

// The configuration a download of the memory would give, starting from an
// empty one with McuVersiyon = mcu. False, with the reason in *why, when the
// memory holds something the configuration cannot.
bool configFromMemory(const PanelMemory &memory, int mcu, int loops, Installation &cfg, QString *why);

// The panel's side of the protocol, without any I/O: feed it the bytes from
// the tool, send back what it returns.
class PanelSim {
public:
    PanelSim(int mcu, int loops);

    // Stop answering for good after this many acknowledgements and fields; < 0: never.
    void setSilentAfter(long n) { silentAfter_ = n; }
    // Keep the location text of the device at loop, address otherwise than
    // received, as a failing memory would; 0: store everything as received.
    void setStoreDifferent(int loop, int address)
    {
        storeDifferent_ = loop > 0 ? (loop - 1) * kAddresses + address - 1 : -1;
    }

    QByteArray feed(char c);
    // Forget a transfer cut short; wait for the next handshake.
    void reset();
    bool idle() const { return state_ == State::Idle; }

    PanelMemory &memory() { return memory_; }
    const PanelMemory &memory() const { return memory_; }

    std::function<void()> onUploadComplete;
    std::function<void()> onDownloadComplete;

private:
    enum class State { Idle, Supplier, PanelName, Record, AfterRecord, Settings, RulesStart, Rules, Download };

    void token(const QByteArray &t, QByteArray &out);
    void answer(QByteArray &out, const QByteArray &bytes);
    void ack(QByteArray &out) { answer(out, "O"); }
    void startDownload();
    bool silent() const;
    void sendDueFields(QByteArray &out);
    void uploadDone();

    int mcu_;
    int loops_;
    long silentAfter_ = -1;
    long storeDifferent_ = -1;  // record index
    long answered_ = 0;
    PanelMemory memory_;

    State state_ = State::Idle;
    QByteArray token_;
    QByteArray previous_;
    std::size_t record_ = 0;
    int field_ = 0;
    int section_ = 0;

    struct Planned {
        int requests;  // "O~" still to come before it goes out
        QByteArray field;
    };
    std::deque<Planned> plan_;
    int trailing_ = 0;  // requests after the last field that end the download
};

}  // namespace vaz::sim
