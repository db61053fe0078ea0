#include "core/comm/PanelLink.h"

#include "core/comm/PanelCompare.h"
#include "core/comm/PanelFields.h"
#include "core/comm/UploadStream.h"
#include "core/model/Conversions.h"

#include <QEventLoop>
#include <QScopeGuard>

#include <algorithm>

namespace vaz::comm {

namespace {

const QByteArray kAck = QByteArrayLiteral("O~");

// The counter wraps so that the bar sweeps again instead of overflowing.
int advance(int counter)
{
    ++counter;
    return counter > kRecords ? 1 : counter;
}

// A download's bytes both ways: each field framed by separators, each request "O~".
qint64 downloadBytes(const Installation &cfg)
{
    qint64 bytes = 0;
    for (const PanelField &f : expectedDownload(cfg))
        bytes += f.value.size() + 4;
    return bytes;
}

bool isLoopCount(const FieldDifference &d) { return d.field == QLatin1String("Loop count"); }

}  // namespace

PanelLink::PanelLink(Config &cfg, BytePort &port, QObject *parent) : QObject(parent), cfg_(cfg), port_(port)
{
    // A coarse timer may fire up to 5% early; the panel is owed its full time.
    timer1_.setTimerType(Qt::PreciseTimer);
    idle_.setTimerType(Qt::PreciseTimer);
    timer1_.setSingleShot(false);
    connect(&timer1_, &QTimer::timeout, this, [this] {
        ZamanAsimi_ = 1;
        wake();
    });
    idle_.setSingleShot(true);
    connect(&idle_, &QTimer::timeout, this, [this] {
        idleExpired_ = true;
        wake();
    });
    connect(this, &PanelLink::failed, this,
            [this](const TransferFailure &f) { (f.transfer == Transfer::Verify ? verifyFailure_ : failure_) = f; });
    connect(&port_, &BytePort::readyRead, this, &PanelLink::wake);
    connect(&port_, &BytePort::lostDevice, this, &PanelLink::wake);
}

PanelLink::~PanelLink() = default;

void PanelLink::wake()
{
    if (loop_)
        loop_->quit();
}

void PanelLink::abort()
{
    if (!running_)
        return;
    aborted_ = true;
    wake();
}

void PanelLink::setStatus(TransferStage stage, int pass)
{
    const TransferStatus status{stage, pass};
    if (status == status_)
        return;
    status_ = status;
    emit statusChanged(status);
}

void PanelLink::setBar(int value)
{
    bar_ = value;
    emit progressChanged(value);
}

void PanelLink::setOk(bool enabled)
{
    if (okEnabled_ == enabled)
        return;
    okEnabled_ = enabled;
    emit okEnabledChanged(enabled);
}

void PanelLink::begin(Transfer kind)
{
    running_ = true;
    aborted_ = failed_ = idleExpired_ = succeeded_ = started_ = false;
    ended_ = Wake::Byte;
    kind_ = kind;
    ZamanAsimi_ = 0;
    progress_ = 0;
    fieldNo_ = 0;
    fieldTotal_ = kRecords * kRecordFields + kSettings;
    if (cfg_.McuVersiyon >= 20 && cfg_.SSsayisi > 0)
        fieldTotal_ += 1 + kRuleSections * (cfg_.SSsayisi + 1);
    verification_ = Verification::NotRun;
    differences_.clear();
    failure_.reset();
    verifyFailure_.reset();
    durationMs_ = verifyMs_ = 0;
    bytesDone_ = 0;
    // An upload counts its bytes once it knows they can go.
    bytesTotal_ = kind == Transfer::Upload ? 1 : downloadBytes(cfg_);
    clock_.start();
    setOk(false);
}

void PanelLink::advanceBytes(qint64 fieldBytes)
{
    bytesDone_ += fieldBytes;
    const double done = std::clamp(double(bytesDone_) / double(std::max<qint64>(1, bytesTotal_)), 0.0, 1.0);
    // Until the line has shown its pace, that of the bytes at 9600 baud, ten bits a byte.
    const double left =
        done > 0.05 ? double(clock_.elapsed()) / 1000 * (1 - done) / done : double(bytesTotal_ - bytesDone_) / 960;
    emit overallProgress(done, int(std::max(0.0, left) + 0.5));
}

TransferFailure PanelLink::breakOff() const
{
    TransferFailure f;
    f.kind = ended_ == Wake::Lost ? TransferFailure::Kind::Unplugged : TransferFailure::Kind::NoAnswer;
    f.transfer = kind_;
    f.port.device = port_.deviceName();
    f.waitedMs = ended_ == Wake::Idle ? idleBoundMs_ : timeoutMs_;
    f.started = started_;
    if (kind_ == Transfer::Upload) {
        f.place = place_;
        f.field = fieldNo_;
        f.total = fieldTotal_;
    } else {
        f.place = fieldBeingReceived();
        f.field = int(received_.size()) + 1;
    }
    return f;
}

void PanelLink::fail(const TransferFailure &failure)
{
    failed_ = true;
    emit failed(failure);
}

bool PanelLink::openPort()
{
    if (port_.isOpen() || port_.open())
        return true;
    TransferFailure f;
    f.kind = TransferFailure::Kind::PortNotOpened;
    f.transfer = kind_;
    f.port = portProblem(port_);
    fail(f);
    return false;
}

void PanelLink::prepare(int port)
{
    if (port >= 1 && port <= 4)
        port_.setPortNumber(port);
    setOk(false);
}

void PanelLink::runTransfer(Transfer transfer, int port)
{
    if (running_)
        return;
    prepare(port);
    switch (transfer) {
    case Transfer::Upload: return PaneleGonder();
    case Transfer::Download: return PaneldenAl();
    case Transfer::Compare: return PaneliKarsilastir();
    case Transfer::Verify: break;  // it only ever follows an upload
    }
}

PanelLink::Wake PanelLink::nextByte(char &c, bool watchTimeout, bool bounded)
{
    for (;;) {
        if (aborted_)
            return Wake::Aborted;
        if (port_.bytesAvailable() > 0) {
            const QByteArray b = port_.read(1);
            if (!b.isEmpty()) {
                c = b.front();
                // The line is alive: a bound that ran out while a dialog held the tool no longer counts.
                idle_.stop();
                idleExpired_ = false;
                return Wake::Byte;
            }
        }
        if (port_.lost())
            return Wake::Lost;
        if (watchTimeout && ZamanAsimi_ == 1)
            return Wake::TimedOut;
        if (bounded) {
            if (idleExpired_)
                return Wake::Idle;
            if (!idle_.isActive())
                idle_.start(idleBoundMs_);
        }
        QEventLoop loop;
        loop_ = &loop;
        loop.exec();
        loop_ = nullptr;
    }
}

void PanelLink::write(QByteArrayView bytes) { port_.write(bytes); }

void PanelLink::armTimer()
{
    timer1_.start(timeoutMs_);  // (re)starting restarts the count
}

void PanelLink::disarmTimer() { timer1_.stop(); }

bool PanelLink::handshake(QByteArrayView opening)
{
    write(opening);
    armTimer();
    return waitForByte('B');
}

bool PanelLink::OnayBekle() { return waitForByte('O'); }

bool PanelLink::waitForByte(char wanted)
{
    ZamanAsimi_ = 0;
    char c = 0;
    for (;;) {
        const Wake w = nextByte(c, true, false);
        if (w != Wake::Byte) {
            ended_ = w;
            failed_ = true;
            return false;
        }
        if (c == wanted)
            return true;
        // anything else is dropped
    }
}

bool PanelLink::acknowledgedSend(QByteArrayView bytes)
{
    ++fieldNo_;
    write(bytes);
    armTimer();
    if (!OnayBekle())
        return false;
    disarmTimer();
    return true;
}

// ---------------------------------------------------------------- upload

// The engine's side of writeUpload: bytes to the port, waits for the panel,
// progress to the window.
class PanelLink::Sender : public UploadSink {
public:
    explicit Sender(PanelLink &link) : link_(link) {}
    bool send(QByteArrayView bytes, Answer answer) override
    {
        switch (answer) {
        case Answer::None:
            link_.write(bytes);
            link_.advanceBytes(bytes.size());
            return true;
        case Answer::Ack:
            if (!link_.acknowledgedSend(bytes))
                return false;
            link_.advanceBytes(bytes.size() + 1);
            return true;
        case Answer::Begin:
            link_.armTimer();
            if (!link_.openPort() || !link_.handshake(bytes))
                return false;
            link_.disarmTimer();
            link_.started_ = true;
            emit link_.progressBarShown();
            return true;
        }
        return false;
    }
    void recordStarts(int loop, int address) override
    {
        link_.place_ = TransferPlace::device(loop, address);
        ++link_.progress_;
    }
    void recordSent() override
    {
        link_.progress_ = advance(link_.progress_);
        link_.setBar(link_.progress_);
        link_.setStatus(TransferStage::SendingPanelData);
    }
    void at(const TransferPlace &place) override { link_.place_ = place; }

private:
    PanelLink &link_;
};

void PanelLink::PaneleGonder()
{
    if (running_)
        return;
    begin(Transfer::Upload);

    if (const Refusal refusal = uploadRefusal(cfg_)) {
        TransferFailure f;
        f.kind = TransferFailure::Kind::Refused;
        f.refusal = refusal;
        fail(f);
        endUpload(false);
        return;
    }
    bytesTotal_ = uploadBytes(cfg_) + (verify_ ? downloadBytes(cfg_) : 0);
    // The first field left without its acknowledgement ends the upload: what
    // follows would only pile further messages on the first one.
    Sender sender(*this);
    const bool sent = writeUpload(cfg_, sender) && !failed_;
    if (sent)
        port_.close();
    endUpload(sent);
}

void PanelLink::endUpload(bool sent)
{
    disarmTimer();
    if (ended_ == Wake::TimedOut || ended_ == Wake::Lost)
        emit failed(breakOff());
    if (sent && verify_ && !aborted_)
        verifyUpload();
    kind_ = Transfer::Upload;
    durationMs_ = clock_.elapsed() - verifyMs_;
    setOk(true);
    progress_ = 0;
    succeeded_ = sent;
    setBar(succeeded_ ? kRecords : 0);  // a full bar until OK says it all went
    setStatus(succeeded_ ? TransferStage::Completed : TransferStage::NotCompleted);
    running_ = false;
    emit finished(succeeded_);
}

void PanelLink::verifyUpload()
{
    const qint64 start = clock_.elapsed();
    const auto took = qScopeGuard([&] { verifyMs_ = clock_.elapsed() - start; });
    kind_ = Transfer::Verify;
    started_ = failed_ = idleExpired_ = false;
    ended_ = Wake::Byte;
    ZamanAsimi_ = 0;
    progress_ = 0;
    compareOnly_ = true;
    received_.clear();
    setStatus(TransferStage::Waiting);
    const bool complete = exchange();
    disarmTimer();
    idle_.stop();
    stage_.reset();
    port_.close();
    if (!complete) {
        if (ended_ == Wake::TimedOut || ended_ == Wake::Idle || ended_ == Wake::Lost)
            emit failed(breakOff());
        verification_ = Verification::BrokenOff;
        return;
    }
    differences_ = receivedDifferences();
    differences_.removeIf(isLoopCount);  // the upload sent none
    verification_ = differences_.isEmpty() ? Verification::Verified : Verification::Differs;
}

// ---------------------------------------------------------------- download

void PanelLink::PaneldenAl() { download(false); }

void PanelLink::PaneliKarsilastir() { download(true); }

void PanelLink::download(bool compareOnly)
{
    if (running_)
        return;
    begin(compareOnly ? Transfer::Compare : Transfer::Download);
    compareOnly_ = compareOnly;
    received_.clear();
    disarmTimer();
    endDownload(exchange());
}

bool PanelLink::exchange()
{
    bool complete = false;
    if (openPort()) {
        if (handshake("R~A~")) {
            // Only the handshake is timed by Timer1; from here the idle bound guards the waits.
            disarmTimer();
            started_ = true;
            stage_ = std::make_unique<Installation>(cfg_);
            complete = BaslangicBekle();
            for (int pass = 0; complete && pass < kDevicePasses; ++pass)
                complete = devicePass(pass);
            DownloadStore store(*stage_);
            QByteArray field;
            if (complete) {  // TedarikciAl
                write(kAck);
                complete = receiveField(field);
                if (complete)
                    store.supplier(field);
            }
            if (complete && cfg_.McuVersiyon > 14) {  // PanelAdiAl
                write(kAck);
                complete = receiveField(field);
                if (complete)
                    store.panelName(field);
            }
            complete = complete && GecikmeAl();
            if (complete && cfg_.McuVersiyon >= 20)
                complete = SSal();
            if (complete) {  // CevrimSayisiAl
                write(kAck);
                complete = receiveField(field) && (store.loopCount(field) || refuse(store.refusal()));
                if (complete)
                    write(kAck);
            }
            if (complete)
                ZamanAsimi_ = 0;
        }
    }
    return complete;
}

void PanelLink::endDownload(bool complete)
{
    disarmTimer();
    idle_.stop();
    if (ended_ == Wake::TimedOut || ended_ == Wake::Idle || ended_ == Wake::Lost)
        emit failed(breakOff());
    durationMs_ = clock_.elapsed();
    setOk(true);
    succeeded_ = complete;
    if (complete)
        setBar(kRecords);
    else
        setStatus(TransferStage::NotCompleted);
    if (complete && compareOnly_) {
        differences_ = receivedDifferences();
        setStatus(TransferStage::Completed);
    } else if (complete) {
        static_cast<Installation &>(cfg_) = std::move(*stage_);
        setStatus(TransferStage::Completed);
    }
    stage_.reset();
    running_ = false;
    emit finished(complete);
}

QList<FieldDifference> PanelLink::receivedDifferences() const
{
    return compareDownload(expectedDownload(cfg_), nameDownload(received_, cfg_.McuVersiyon));
}

bool PanelLink::downloadFailed(Wake why)
{
    failed_ = true;
    ended_ = why;
    return false;
}

bool PanelLink::refuse(const Refusal &refusal)
{
    TransferFailure f;
    f.kind = TransferFailure::Kind::Refused;
    f.transfer = kind_;
    f.refusal = refusal;
    fail(f);
    return false;
}

TransferPlace PanelLink::fieldBeingReceived() const
{
    QList<QByteArray> upToIt = received_;
    upToIt.append(QByteArray());
    const PanelField f = nameDownload(upToIt, cfg_.McuVersiyon).constLast();
    // A device as the upload's messages name it.
    const qsizetype i = received_.size();
    TransferPlace place = TransferPlace::of(TransferPlace::Kind::Named);
    place.named = f.where;
    if (i < qsizetype(kDevicePasses) * kRecords)
        place = TransferPlace::device(int(i % kRecords) / kAddresses + 1, int(i % kRecords) % kAddresses + 1);
    place.field = f.field;
    return place;
}

bool PanelLink::receiveField(QByteArray &field)
{
    field.clear();
    // The opening separator (anything before it is dropped), then the field up to the closing one.
    if (!readToSeparator(nullptr) || !readToSeparator(&field))
        return false;
    received_.append(field);
    advanceBytes(field.size() + 4);
    return true;
}

bool PanelLink::BaslangicBekle() { return readToSeparator(nullptr); }

bool PanelLink::readToSeparator(QByteArray *into)
{
    char c = 0;
    // Bytes dropped count too: a line that never sends "~" must not hold the transfer.
    for (int n = 0;; ++n) {
        const Wake w = nextByte(c, false, true);
        if (w != Wake::Byte)
            return downloadFailed(w);
        if (c == kSeparator)
            return true;
        if (n == kMaxFieldBytes) {
            TransferFailure f;
            f.kind = TransferFailure::Kind::TooLong;
            f.transfer = kind_;
            f.place = fieldBeingReceived();
            f.total = kMaxFieldBytes;
            fail(f);
            return false;
        }
        if (into)
            into->append(c);
    }
}

bool PanelLink::devicePass(int pass)
{
    DownloadStore store(*stage_);
    QByteArray field;
    write(kAck);
    for (int l = 1; l <= kLoops; ++l) {
        for (int a = 1; a <= kAddresses; ++a) {
            if (!receiveField(field))
                return false;
            if (!store.device(pass, l, a, field))
                return refuse(store.refusal());
            progress_ = advance(progress_);
            setBar(progress_);
            setStatus(TransferStage::Receiving, pass);
            write(kAck);
        }
    }
    if (pass == kDevicePasses - 1) {
        progress_ = 0;
        setBar(0);
    } else {
        progress_ = 1;
    }
    return true;
}

bool PanelLink::GecikmeAl()
{
    DownloadStore store(*stage_);
    QByteArray field;
    write(kAck);
    for (int i = 0; i < kSettings; ++i) {
        if (!receiveField(field))
            return false;
        if (!store.setting(i, field))
            return refuse(store.refusal());
        write(kAck);
    }
    return true;
}

bool PanelLink::SSal()
{
    DownloadStore store(*stage_);
    QByteArray field;
    write(kAck);
    if (!receiveField(field))
        return false;
    if (!store.ruleCount(field))
        return refuse(store.refusal());
    const int count = stage_->SSsayisi;
    for (int s = 0; s < kRuleSections; ++s) {
        for (int r = 1; r <= count; ++r) {
            if (!receiveField(field))
                return false;
            if (!store.rule(s, r, field))
                return refuse(store.refusal());
            write(kAck);
        }
    }
    return true;
}

}  // namespace vaz::comm
