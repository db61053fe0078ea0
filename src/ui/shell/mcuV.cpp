#include "ui/shell/mcuV.h"

#include "core/model/Config.h"
#include "ui/widgets/ScreenFit.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vaz {

mcuV::mcuV(Config &cfg, QWidget *parent) : QDialog(parent), cfg_(cfg), group_(new QButtonGroup(this))
{
    setObjectName(QStringLiteral("mcuV"));
    setWindowTitle(tr("Select MCU Version"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/panel.svg")));

    auto *frame = new QGroupBox(tr("Select MCU Version"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *options = new QVBoxLayout(frame);
    const struct {
        const char *name;
        const char *caption;
        int code;
    } versions[] = {{"v12", "V1.2-1.4", 12}, {"v15", "V1.5", 15}, {"v2", "V2/+", 20}};
    for (const auto &v : versions) {
        auto *b = new QRadioButton(QString::fromUtf8(v.caption), frame);
        b->setObjectName(QString::fromUtf8(v.name));
        options->addWidget(b);
        group_->addButton(b, v.code);
    }
    connect(group_, &QButtonGroup::idToggled, this, [this](int code, bool on) {
        if (on)
            choose(code);
    });

    ok_ = new QPushButton(tr("OK"), this);
    ok_->setObjectName(QStringLiteral("V_ok"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &mcuV::V_ok_Click);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    setMinimumWidth(280);
    fitToScreen(this);
}

void mcuV::openWindow(int preselected)
{
    // An exclusive group cannot show "none chosen" by itself.
    group_->setExclusive(false);
    for (QAbstractButton *b : group_->buttons())
        b->setChecked(false);
    group_->setExclusive(true);
    ok_->setEnabled(false);
    if (QAbstractButton *b = group_->button(preselected))
        b->setChecked(true);
    show();
    raise();
    activateWindow();
}

void mcuV::choose(int code)
{
    if (cfg_.McuVersiyon == code)
        return;
    ok_->setEnabled(true);
    cfg_.McuVersiyon = code;
}

void mcuV::V_ok_Click()
{
    hide();
    emit confirmed();
}

void mcuV::reject()
{
    QDialog::reject();
    emit abandoned();
}

}  // namespace vaz
