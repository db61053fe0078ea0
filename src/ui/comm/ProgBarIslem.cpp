#include "ui/comm/ProgBarIslem.h"

#include "core/comm/PanelCompare.h"
#include "core/comm/PanelFields.h"
#include "core/comm/PanelLink.h"
#include "core/comm/SerialDevices.h"
#include "core/comm/UploadStream.h"
#include "core/comm/TransferWords.h"
#include "core/model/Config.h"
#include "core/model/Session.h"
#include "ui/widgets/ScreenFit.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace vaz {

namespace {
constexpr int kProgressSteps = 1000;
}

ProgBarIslem::ProgBarIslem(Session &session, std::unique_ptr<comm::BytePort> port, QWidget *owner)
    : QDialog(owner), session_(session), port_(std::move(port))
{
    setObjectName(QStringLiteral("ProgBarIslem"));
    link_ = new comm::PanelLink(session_.config(), *port_, this);
    comm::tellFailures(*link_, session_.messages());
    setWindowTitle(comm::captionText(comm::Transfer::Upload));

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::StyledPanel);
    bar_ = new QProgressBar(frame);
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    bar_->setRange(0, kRecords);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    bar_->setAccessibleName(tr("Progress"));
    bar_->setMinimumWidth(360);
    // Over both phases of an upload with its read-back.
    timeLeft_ = new QLabel(frame);
    timeLeft_->setObjectName(QStringLiteral("LblTimeLeft"));
    ok_ = new QPushButton(tr("OK"), frame);
    ok_->setObjectName(QStringLiteral("GonderimOK"));
    stop_ = new QPushButton(tr("Stop"), frame);
    stop_->setObjectName(QStringLiteral("GonderimDur"));
    stop_->setEnabled(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(timeLeft_);
    buttons->addStretch();
    buttons->addWidget(stop_);
    buttons->addWidget(ok_);
    auto *inner = new QVBoxLayout(frame);
    inner->addWidget(bar_);
    inner->addLayout(buttons);

    auto *statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("GondermeDurumu"));
    statusBar->setSizeGripEnabled(false);
    // A label, not a status message: hovering a control must not wipe it.
    status_ = new QLabel(comm::statusText(link_->transfer(), link_->status()), statusBar);
    status_->setObjectName(QStringLiteral("Panel1"));
    statusBar->addWidget(status_, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(statusBar);

    connect(link_, &comm::PanelLink::statusChanged, status_, [this](const comm::TransferStatus &s) {
        status_->setText(comm::statusText(link_->transfer(), s));
        // The caption names the phase under way; the end leaves the last one.
        if (s.stage != comm::TransferStage::Completed && s.stage != comm::TransferStage::NotCompleted)
            setWindowTitle(comm::captionText(link_->transfer()));
    });
    connect(link_, &comm::PanelLink::progressChanged, bar_, [this](int value) {
        if (!link_->verifies() || !upload_)
            bar_->setValue(value);
    });
    connect(link_, &comm::PanelLink::overallProgress, this, [this](double done, int secondsLeft) {
        if (link_->verifies() && upload_)
            bar_->setValue(int(done * kProgressSteps));
        timeLeft_->setText(tr("%1:%2 left").arg(secondsLeft / 60).arg(secondsLeft % 60, 2, 10, QLatin1Char('0')));
    });
    connect(link_, &comm::PanelLink::progressBarShown, bar_, &QWidget::show);
    connect(link_, &comm::PanelLink::okEnabledChanged, ok_, &QWidget::setEnabled);
    connect(link_, &comm::PanelLink::finished, this, &ProgBarIslem::transferEnded);
    connect(ok_, &QPushButton::clicked, this, &ProgBarIslem::GonderimOK_Click);
    connect(stop_, &QPushButton::clicked, this, &ProgBarIslem::Stop_Click);
    fitToScreen(this);
}

ProgBarIslem::~ProgBarIslem()
{
    // The engine goes before the port it talks through.
    delete link_;
}

QString ProgBarIslem::statusText() const { return status_->text(); }

void ProgBarIslem::Form_Load(std::optional<comm::Transfer> transfer, int port)
{
    const bool compareOnly = transfer == comm::Transfer::Compare;
    // Without a transfer the port settings hold it for its port, unseen.
    if (transfer) {
        show();
        raise();
        activateWindow();
    }
    compare_ = compareOnly;
    // A result left open from an earlier comparison must not pass for this one's.
    if (compareOnly)
        emit comparisonStarted();
    download_ = transfer == comm::Transfer::Download;
    upload_ = transfer == comm::Transfer::Upload;
    if (upload_)
        link_->setVerify(comm::verifyAfterUpload());
    bar_->setRange(0, upload_ && link_->verifies() ? kProgressSteps : kRecords);
    timeLeft_->clear();
    stopped_ = false;
    stop_->setEnabled(transfer.has_value());
    if (transfer) {
        setWindowTitle(comm::captionText(*transfer));
        link_->runTransfer(*transfer, port);
    } else {
        link_->prepare(port);
    }
}

void ProgBarIslem::transferEnded(bool ok)
{
    const Config &cfg = session_.config();
    emit transferDone();
    stop_->setEnabled(false);
    timeLeft_->clear();
    const comm::Verification verified = link_->verification();
    if (upload_ && ok && verified != comm::Verification::NotRun) {
        const auto fingerprint = comm::panelFingerprint(cfg);
        status_->setText(comm::verificationText(verified, fingerprint ? fingerprint->shortForm() : QString()));
        if (verified == comm::Verification::Differs)
            emit verificationDiffers(link_->differences());
    } else if (stopped_) {
        status_->setText(comm::stoppedText());
    }
    if (compare_ && ok)
        emit compared(link_->differences());
    if (download_)
        emit downloadEnded(ok);
}

void ProgBarIslem::Stop_Click()
{
    if (!link_->running())
        return;
    stopped_ = true;
    link_->abort();
}

void ProgBarIslem::GonderimOK_Click() { Form_Unload(); }

void ProgBarIslem::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    Stop_Click();  // a transfer can only be running here when the tool is ending
    hide();
    emit transferDone();
    port_->close();
    emit left();
    emit unloaded();
    deleteLater();
}

void ProgBarIslem::closeEvent(QCloseEvent *event)
{
    event->ignore();
    if (!link_->running()) {
        Form_Unload();
        return;
    }
    if (session_.messages().yesNo(tr("Stop the transfer?"), tr("Stop")) == Answer::Yes)
        Stop_Click();
}

void ProgBarIslem::reject() { close(); }

}  // namespace vaz
