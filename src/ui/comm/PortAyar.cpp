#include "ui/comm/PortAyar.h"

#include "ui/comm/ProgBarIslem.h"
#include "core/comm/TransferWords.h"
#include "core/model/Session.h"
#include "ui/widgets/ScreenFit.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vaz {

namespace {

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

PortAyar::PortAyar(Session &session, PortHolder portHolder, const comm::PortLister &lister, QWidget *owner)
    : QDialog(owner), session_(session), portHolder_(std::move(portHolder)), lister_(lister)
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

    devices_ = new QComboBox(this);
    devices_->setObjectName(QStringLiteral("ComboCihaz"));
    devices_->setAccessibleName(tr("Device"));
    // Wide enough for a stable name under /dev/serial/by-id; longer texts show whole in the list and tooltip.
    devices_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    devices_->setMinimumContentsLength(60);
    // activated, not currentIndexChanged: filling the list must not choose anything.
    connect(devices_, &QComboBox::activated, this, &PortAyar::deviceActivated);
    deviceState_ = new QLabel(this);
    deviceState_->setObjectName(QStringLiteral("LabelCihaz"));
    deviceState_->setAccessibleDescription(tr("Device state"));
    deviceState_->setWordWrap(true);
    deviceState_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    refresh_ = new QTimer(this);
    refresh_->setObjectName(QStringLiteral("DeviceRefresh"));
    refresh_->setInterval(1000);
    connect(refresh_, &QTimer::timeout, this, &PortAyar::refreshDevices);
    auto *deviceRow = new QFormLayout;
    deviceRow->addRow(tr("Device:"), devices_);
    verify_ = new QCheckBox(tr("&Verify after upload"), this);
    verify_->setObjectName(QStringLiteral("VerifyAfterUpload"));
    verify_->setToolTip(tr("Read the configuration back from the panel after every upload and compare it with what "
                           "was sent"));

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
    layout->addLayout(deviceRow);
    layout->addWidget(deviceState_);
    layout->addWidget(verify_);
    layout->addLayout(buttons);
    fitToScreen(this);
}

void PortAyar::Form_Load()
{
    group_->setExclusive(false);
    for (QRadioButton *option : options_)
        option->setChecked(false);
    group_->setExclusive(true);
    for (int n = 1; n <= 4; ++n)
        rememberedAtOpening_[n - 1] = comm::rememberedDevice(n);
    listed_ = lister_.devices();
    refresh_->start();
    verify_->setChecked(comm::verifyAfterUpload());

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
    fillDevices();
}

int PortAyar::chosenPort() const { return std::max(1, group_->checkedId()); }

void PortAyar::refreshDevices()
{
    QList<comm::SerialDevice> now = lister_.devices();
    if (now == listed_)
        return;
    listed_ = std::move(now);
    fillDevices();
}

void PortAyar::fillDevices()
{
    const int n = chosenPort();
    const QString current = comm::portDevice(n);
    const QSignalBlocker block(devices_);
    devices_->clear();
    // A text longer than the box shows whole as its tooltip.
    auto add = [this](const QString &text, const QString &path) {
        devices_->addItem(text, path);
        devices_->setItemData(devices_->count() - 1, text, Qt::ToolTipRole);
    };
    int selected = -1;
    for (const comm::SerialDevice &d : listed_) {
        add(comm::deviceText(d), d.path());
        if (d.path() == current || d.tty == current)
            selected = devices_->count() - 1;
    }
    if (selected < 0) {
        // A pseudo-terminal is never listed but is there all the same.
        add(QFileInfo::exists(current) ? current : current + tr(" (not connected)"), current);
        selected = devices_->count() - 1;
    }
    devices_->addItem(tr("Other device..."));
    devices_->setCurrentIndex(selected);
    devices_->setToolTip(devices_->currentText());
    devices_->view()->setMinimumWidth(devices_->view()->sizeHintForColumn(0));
    devices_->setEnabled(comm::environmentDevice(n).isEmpty());
    showDeviceState();
}

void PortAyar::showDeviceState()
{
    const int n = chosenPort();
    const QString device = comm::portDevice(n);
    QStringList lines;
    if (!comm::environmentDevice(n).isEmpty())
        lines << tr("VAZ_COM%1 is set: %2 is %3 in this run, whatever is chosen here.")
                     .arg(n)
                     .arg(comm::portLabel(n), device);
    if (!QFileInfo::exists(device))
        lines << tr("%1 is not connected now: plug the adapter in, or choose another device.").arg(device);
    else if (const QString problem = comm::accessProblem(device); !problem.isEmpty())
        lines << problem;
    if (const QString latency = comm::latencyAdvice(device); !latency.isEmpty())
        lines << latency;
    deviceState_->setText(lines.join(QLatin1Char('\n')));
    // The size was taken before the devices and their state were known.
    growToContent(this);
}

void PortAyar::deviceActivated(int index)
{
    QString path = devices_->itemData(index).toString();
    if (path.isEmpty())
        path = session_.fileDialogs().openDeviceName(tr("Other device"), comm::portDevice(chosenPort()));
    if (path.isEmpty())
        fillDevices();  // cancelled: the choice in force shows again
    else
        chooseDevice(path);
}

void PortAyar::chooseDevice(const QString &path)
{
    const int n = chosenPort();
    if (!comm::environmentDevice(n).isEmpty())
        return;
    PortKapat();
    comm::rememberDevice(n, path);
    fillDevices();
}

void PortAyar::OptComTamam_Click()
{
    // A port that will not open is reported and the choice stays open to change.
    if (!openPort())
        return;
    comm::rememberVerifyAfterUpload(verify_->isChecked());
    Form_Unload();
}

void PortAyar::OptComIptal_Click()
{
    for (int n = 1; n <= 4; ++n)
        comm::rememberDevice(n, rememberedAtOpening_[n - 1]);
    if (IlkPort_ >= 1 && IlkPort_ <= 4)
        portHolder_(true)->port().setPortNumber(IlkPort_);
    Form_Unload();
}

void PortAyar::Form_Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    int port = 1;
    if (ProgBarIslem *progress = portHolder_(false)) {
        const int n = progress->port().portNumber();
        if (n >= 1 && n <= 4)
            port = n;
    }
    refresh_->stop();
    hide();
    if (ProgBarIslem *progress = portHolder_(false))
        progress->Form_Unload();
    emit portChosen(port);
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
