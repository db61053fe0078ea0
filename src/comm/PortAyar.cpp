#include "PortAyar.h"

#include "comm/ProgBarIslem.h"
#include "model/Config.h"
#include "model/Session.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSerialPortInfo>
#include <QToolButton>
#include <QVBoxLayout>

namespace vaz {

namespace {

bool devicePresent(const QString &device)
{
    const QString real = QFileInfo(device).canonicalFilePath();
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        if (info.systemLocation() == device || info.portName() == device ||
            (!real.isEmpty() && info.systemLocation() == real))
            return true;
    // Pseudo-terminals (the panel simulator) are never listed as serial ports.
    return real.startsWith(QLatin1String("/dev/pts/"));
}

QToolButton *pictureButton(QWidget *parent, const char *name, const QString &tip, const char *icon)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))));
    b->setIconSize(QSize(28, 28));
    b->setToolTip(tip);
    b->setAccessibleName(tip);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

}  // namespace

QString PortAyar::optionText(int n)
{
    const QString device = comm::portDevice(n);
    return devicePresent(device) ? QStringLiteral("%1 (%2)").arg(comm::portLabel(n), device)
                                 : tr("%1 (%2, not found)").arg(comm::portLabel(n), device);
}

PortAyar::PortAyar(Session &session, PortHolder portHolder, QWidget *owner)
    : QDialog(owner), session_(session), portHolder_(std::move(portHolder))
{
    setObjectName(QStringLiteral("PortAyar"));
    setWindowTitle(tr("Communication"));

    auto *frame = new QGroupBox(tr("Port"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *column = new QVBoxLayout(frame);
    group_ = new QButtonGroup(this);
    for (int n = 1; n <= 4; ++n) {
        auto *option = new QRadioButton(comm::portLabel(n), frame);
        option->setObjectName(QStringLiteral("OptCom%1").arg(n));
        group_->addButton(option, n);
        column->addWidget(option);
        options_[n - 1] = option;
    }
    // Fires for choices made from code too, as a click would.
    connect(group_, &QButtonGroup::idToggled, this, [this](int n, bool on) {
        if (on)
            OptCom_Click(n);
    });

    auto *label = new QLabel(QStringLiteral("COM1"), this);
    label->setObjectName(QStringLiteral("Label1"));
    auto *ok = pictureButton(this, "OptComTamam", tr("OK"), "ok");
    auto *cancel = pictureButton(this, "OptComIptal", tr("Cancel"), "cancel");
    connect(ok, &QToolButton::clicked, this, &PortAyar::OptComTamam_Click);
    connect(cancel, &QToolButton::clicked, this, &PortAyar::OptComIptal_Click);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(label);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
}

void PortAyar::Form_Load()
{
    group_->setExclusive(false);
    for (QRadioButton *option : options_)
        option->setChecked(false);
    group_->setExclusive(true);
    // Whether a device is there can change between two openings (a USB adapter).
    for (int n = 1; n <= 4; ++n)
        options_[n - 1]->setText(optionText(n));

    session_.config().PortAyarAcik = 1;
    emit portHeld();
    show();
    raise();
    activateWindow();

    ProgBarIslem *progress = portHolder_(true);
    openPort();
    const int n = progress->port().portNumber();
    if (n >= 1 && n <= 4) {
        IlkPort_ = n;
        options_[n - 1]->setChecked(true);
    }
}

bool PortAyar::openPort()
{
    comm::BytePort &port = portHolder_(true)->port();
    if (port.isOpen() || port.open())
        return true;
    session_.messages().message(comm::openFailureMessage(port));
    return false;
}

void PortAyar::PortKapat()
{
    comm::BytePort &port = portHolder_(true)->port();
    if (port.isOpen())
        port.close();
}

void PortAyar::OptCom_Click(int n)
{
    PortKapat();
    portHolder_(true)->port().setPortNumber(n);
}

void PortAyar::OptComTamam_Click()
{
    // A port that will not open is reported and the choice stays open to change.
    if (!openPort())
        return;
    session_.config().PortAyarAcik = 0;
    Form_Unload();
}

void PortAyar::OptComIptal_Click()
{
    if (IlkPort_ >= 1 && IlkPort_ <= 4)
        portHolder_(true)->port().setPortNumber(IlkPort_);
    session_.config().PortAyarAcik = 0;
    Form_Unload();
}

void PortAyar::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    Config &cfg = session_.config();
    cfg.SeciliPort = 1;
    if (ProgBarIslem *progress = portHolder_(false)) {
        const int n = progress->port().portNumber();
        if (n >= 1 && n <= 4)
            cfg.SeciliPort = n;
    }
    cfg.PortAyarAcik = 0;
    hide();
    if (ProgBarIslem *progress = portHolder_(false))
        progress->Form_Unload();
    emit unloaded();
    deleteLater();
}

void PortAyar::closeEvent(QCloseEvent *event)
{
    event->ignore();
    OptComIptal_Click();
}

void PortAyar::reject() { close(); }

}  // namespace vaz
