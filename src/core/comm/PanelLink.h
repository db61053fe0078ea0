#pragma once

#include "core/comm/BytePort.h"
#include "core/comm/PanelCompare.h"
#include "core/comm/Transfer.h"
#include "core/comm/TransferFacts.h"
#include "core/model/Config.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>

class QEventLoop;

namespace vaz::comm {

// Runs the transfers between the configuration and the panel over a BytePort:
// the engine behind the progress window ProgBarIslem.
//
// A transfer runs inside the call (runTransfer, PaneleGonder, PaneldenAl) and
// returns when it has ended. Every wait for the panel runs a nested event loop
// that wakes on bytes, on the Timer1 tick or on abort(), so the windows stay
// responsive meanwhile. The engine must outlive a running transfer: to get rid
// of it, call abort() and let the call return first.
//
// What happens comes out as signals of values, never sentences (the windows
// and the command line word them, see TransferWords): statusChanged (the
// stage, or the pass of a download), progressChanged (ProgressBar1 := value),
// progressBarShown, okEnabledChanged (GonderimOK), failed (a transfer broken
// off, with what it was doing and where; a refused upload or download; a port
// that would not open; emitted synchronously when it happens, none for an
// abort), finished.
//
// After finished(true) of a download the window closes the device window; after
// every download it enables the main toolbar when CevrimSayisi is not 0.
class PanelLink : public QObject {
    Q_OBJECT
public:
    static constexpr int kTimeoutMs = 5000;     // Timer1: the panel's time to acknowledge
    static constexpr int kIdleBoundMs = 10000;  // a download gives up after this long without a byte

    PanelLink(Config &cfg, BytePort &port, QObject *parent = nullptr);
    ~PanelLink() override;

    // Tests shorten the waits; the product keeps the defaults.
    void setTimeoutInterval(int ms) { timeoutMs_ = ms; }
    void setIdleBound(int ms) { idleBoundMs_ = ms; }

    // What loading the progress window does before any transfer: the port
    // number (COM1..COM4; any other leaves the port as it is), OK disabled.
    void prepare(int port);
    // The progress window's load: prepare(port), then the transfer asked for.
    void runTransfer(Transfer transfer, int port = 0);

    // Upload of the whole configuration.
    void PaneleGonder();
    // Download into a copy of the configuration, committed only when it
    // completed.
    void PaneldenAl();
    // The same exchange as the download, but what the panel sends only ends up
    // in receivedFields(): the configuration stays as it is.
    void PaneliKarsilastir();

    // Abandons the running transfer at its current or next wait.
    void abort();

    // After an upload that completed, read the configuration back and
    // compare it, field by field, with what was sent.
    void setVerify(bool on) { verify_ = on; }
    bool verifies() const { return verify_; }
    Verification verification() const { return verification_; }
    // After a completed comparison, every field in which the panel differs
    // from the configuration; after a read-back, the fields it holds
    // otherwise than sent (the loop count, which an upload never sends, aside).
    const QList<FieldDifference> &differences() const { return differences_; }

    // For the transfer log: the last failure of the transfer and of its
    // read-back, whether it was stopped, and how long each took.
    const std::optional<TransferFailure> &failure() const { return failure_; }
    const std::optional<TransferFailure> &verifyFailure() const { return verifyFailure_; }
    bool stopped() const { return aborted_; }
    qint64 durationMs() const { return durationMs_; }
    qint64 verifyMs() const { return verifyMs_; }

    bool running() const { return running_; }
    bool succeeded() const { return succeeded_; }
    // The transfer running or run last.
    Transfer transfer() const { return kind_; }
    TransferStatus status() const { return status_; }
    int IlerlemeSayac() const { return progress_; }
    int progressBarValue() const { return bar_; }
    bool okEnabled() const { return okEnabled_; }
    // Every field of the last download or comparison, in the order it came.
    const QList<QByteArray> &receivedFields() const { return received_; }

signals:
    void statusChanged(const vaz::comm::TransferStatus &status);
    void failed(const vaz::comm::TransferFailure &failure);
    void progressChanged(int value);
    void progressBarShown();
    // Over the whole transfer, the read-back included: 0..1, and the seconds
    // left by the pace so far (before it shows, by the bytes at 9600 baud).
    void overallProgress(double done, int secondsLeft);
    void okEnabledChanged(bool enabled);
    void finished(bool ok);

private:
    enum class Wake { Byte, TimedOut, Idle, Lost, Aborted };

    void begin(Transfer kind);
    // Why and where the transfer broke off.
    TransferFailure breakOff() const;
    void fail(const TransferFailure &failure);
    void setStatus(TransferStage stage, int pass = 0);
    void setBar(int value);
    void setOk(bool enabled);
    bool openPort();

    // One byte from the panel, or why the wait ended without one. watchTimeout:
    // Timer1's tick ends the wait; bounded: so does the download's idle bound.
    Wake nextByte(char &c, bool watchTimeout, bool bounded);
    void wake();

    void write(QByteArrayView bytes);
    void armTimer();
    void disarmTimer();
    // Sends the opening ("S~A~", "R~A~") and waits for the panel's "B".
    bool handshake(QByteArrayView opening);
    bool OnayBekle();
    class Sender;
    friend class Sender;
    // Resets ZamanAsimi, then drops bytes until `wanted`: false on Timer1's tick or abort.
    bool waitForByte(char wanted);
    // Send, arm Timer1, wait for "O", disarm: false on time-out or abort.
    bool acknowledgedSend(QByteArrayView bytes);

    void download(bool compareOnly);
    // The download's exchange into received_ (and stage_ unless compareOnly_): true when complete.
    bool exchange();
    void verifyUpload();
    // What the exchange received against what the configuration would send.
    QList<FieldDifference> receivedDifferences() const;
    // fieldBytes more of the transfer's bytes have gone either way.
    void advanceBytes(qint64 fieldBytes);
    // Download steps; each returns false when the download must end.
    bool receiveField(QByteArray &field);  // MetinAl/SayiAl framing
    bool BaslangicBekle();
    // Bytes up to the next "~", kept in *into when given; false when the download must end.
    bool readToSeparator(QByteArray *into);
    bool devicePass(int pass);
    bool GecikmeAl();
    bool SSal();
    // Ends the download or comparison, refused for reason.
    bool refuse(const Refusal &refusal);
    // Loop 1 address 4, Location: where the field now arriving belongs.
    TransferPlace fieldBeingReceived() const;
    bool downloadFailed(Wake why);
    void endUpload(bool sent);
    void endDownload(bool complete);

    Config &cfg_;
    BytePort &port_;

    QTimer timer1_;
    QTimer idle_;
    QEventLoop *loop_ = nullptr;
    int timeoutMs_ = kTimeoutMs;
    int idleBoundMs_ = kIdleBoundMs;

    bool running_ = false;
    bool aborted_ = false;
    bool failed_ = false;  // ended for a reason other than Timer1
    bool idleExpired_ = false;
    bool succeeded_ = false;
    Wake ended_ = Wake::Byte;  // what broke the transfer off; Byte while it has not
    Transfer kind_ = Transfer::Upload;
    bool started_ = false;  // the panel answered the handshake
    int fieldNo_ = 0;       // of the upload's acknowledged fields
    int fieldTotal_ = 0;
    TransferPlace place_;  // what the upload is sending
    int ZamanAsimi_ = 0;
    int progress_ = 0;
    int bar_ = 0;
    bool okEnabled_ = true;
    TransferStatus status_;

    bool verify_ = false;
    Verification verification_ = Verification::NotRun;
    QList<FieldDifference> differences_;
    qint64 bytesDone_ = 0, bytesTotal_ = 1;  // of the transfer, the read-back included
    QElapsedTimer clock_;
    std::optional<TransferFailure> failure_, verifyFailure_;
    qint64 durationMs_ = 0, verifyMs_ = 0;

    std::unique_ptr<Installation> stage_;  // the download's copy
    bool compareOnly_ = false;
    QList<QByteArray> received_;
};

}  // namespace vaz::comm
