#include "ui/devices/YeniCihazSecimi.h"

#include "ui/devices/Fcihazverileri.h"
#include "core/devices/DeviceTreeModel.h"
#include "core/devices/FreeAddresses.h"
#include "core/model/Conversions.h"
#include "ui/devices/PropertyPanel.h"
#include "core/model/Config.h"
#include "core/model/Session.h"
#include "ui/widgets/ScreenFit.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vaz {

YeniCihazSecimi::YeniCihazSecimi(Session &session, Fcihazverileri *devices)
    : QDialog(devices), session_(session), devices_(devices), SeciliCevrim(devices->selectedLoop())
{
    setObjectName(QStringLiteral("YeniCihazSecimi"));
    setWindowTitle(tr("New device"));

    auto *frame = new QGroupBox(tr("Address"), this);
    frame->setObjectName(QStringLiteral("FrameAdres"));
    list_ = new QListWidget(frame);
    list_->setObjectName(QStringLiteral("AdresList"));
    list_->setAccessibleName(tr("Address"));
    list_->setFont(QFont(QStringLiteral("DejaVu Sans")));
    (new QVBoxLayout(frame))->addWidget(list_);

    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("AdresSecimOK"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("AdresSecimCNCL"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    resize(220, 320);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            AdresList_Click();
    });
    connect(ok, &QPushButton::clicked, this, [this] { session_.guarded([this] { AdresSecimOK_Click(); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { session_.guarded([this] { AdresSecimCNCL_Click(); }); });
    session_.guarded([this] { Form_Load(); });
    fitToScreen(this);
}

void YeniCihazSecimi::Form_Load() { PrintAdresINListBox(); }

void YeniCihazSecimi::PrintAdresINListBox()
{
    QList<DeviceAddress> reserved;
    if (const std::optional<DeviceAddress> entry = devices_->model()->reserved())
        reserved << *entry;
    list_->addItems(freeAddressLabels(session_.config(), SeciliCevrim, reserved));
}

void YeniCihazSecimi::AdresList_Click() { SeciliDugum = list_->currentItem()->text(); }

void YeniCihazSecimi::AdresSecimOK_Click()
{
    devices_->panel()->setLocation(QString());
    if (SeciliCevrim != 0 && isDeviceLabel(SeciliDugum))
        devices_->beginNewDevice({SeciliCevrim, static_cast<int>(textValue(SeciliDugum))});
    hide();
    devices_->show();
    unload();
}

void YeniCihazSecimi::AdresSecimCNCL_Click()
{
    devices_->addressChoiceCancelled();
    hide();
    devices_->show();
    unload();
}

void YeniCihazSecimi::reject()
{
    if (!gone_)
        session_.guarded([this] { AdresSecimCNCL_Click(); });
}

void YeniCihazSecimi::unload()
{
    if (gone_)
        return;
    gone_ = true;
    hide();
    emit unloaded();
    deleteLater();
}

}  // namespace vaz
