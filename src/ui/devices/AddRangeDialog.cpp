#include "ui/devices/AddRangeDialog.h"

#include "core/devices/DeviceCatalog.h"
#include "core/model/Conversions.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/ScreenFit.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vaz {

namespace {

QSpinBox *addressBox(const char *name, QWidget *parent)
{
    auto *box = named(new QSpinBox(parent), name);
    box->setRange(1, kAddresses);
    return box;
}

}  // namespace

AddRangeDialog::AddRangeDialog(const Installation &inst, int loop, QWidget *parent)
    : QDialog(parent), inst_(inst), loop_(loop)
{
    setObjectName(QStringLiteral("AddRangeDialog"));
    setWindowTitle(tr("Add range to Loop %1").arg(loop));

    from_ = addressBox("RangeFrom", this);
    to_ = addressBox("RangeTo", this);
    type_ = named(new QComboBox(this), "RangeType");
    QStringList types = devices::typeListItems();
    types.removeAll(QCoreApplication::translate("vaz::devices", devices::kPlaceholderText));
    type_->addItems(types);
    zone_ = named(new QComboBox(this), "RangeZone");
    for (int z = 1; z <= kZones; ++z)
        zone_->addItem(QString::number(z));
    pattern_ = named(new QLineEdit(this), "RangePattern");
    pattern_->setPlaceholderText(tr("Floor 2 Room {i}"));
    pattern_->setToolTip(tr("{n}: the address, {i}: 1, 2, 3... for the devices added"));
    // The form's labels name the controls in the user's language. These labels
    // are their own text, so what they are goes in the description.
    count_ = named(new QLabel(this), "RangeCount");
    count_->setAccessibleDescription(tr("Devices to add"));
    taken_ = named(new QLabel(this), "RangeTaken");
    taken_->setAccessibleDescription(tr("Taken addresses"));
    taken_->setWordWrap(true);
    problem_ = named(new QLabel(this), "RangeProblem");
    problem_->setAccessibleDescription(tr("Problem"));
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: #b00020"));

    ok_ = named(new QPushButton(tr("OK"), this), "RangeOK");
    ok_->setDefault(true);
    auto *cancel = named(new QPushButton(tr("Cancel"), this), "RangeCancel");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);

    auto *form = new QFormLayout;
    form->addRow(tr("From address"), from_);
    form->addRow(tr("To address"), to_);
    form->addRow(tr("Device type"), type_);
    form->addRow(tr("Zone"), zone_);
    form->addRow(tr("Location"), pattern_);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(count_);
    layout->addWidget(taken_);
    layout->addWidget(problem_);
    layout->addLayout(buttons);

    for (QSpinBox *box : {from_, to_})
        connect(box, &QSpinBox::valueChanged, this, &AddRangeDialog::showPlan);
    for (QComboBox *box : {type_, zone_})
        connect(box, &QComboBox::currentIndexChanged, this, &AddRangeDialog::showPlan);
    connect(pattern_, &QLineEdit::textChanged, this, &AddRangeDialog::showPlan);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    showPlan();
    fitToScreen(this);
}

RangePlan AddRangeDialog::plan() const
{
    return planRange(inst_, loop_, from_->value(), to_->value(),
                     devices::codeOfListText(type_->currentText()).value_or(0), zone_->currentIndex() + 1,
                     pattern_->text());
}

void AddRangeDialog::showPlan()
{
    const RangePlan p = plan();
    const auto n = p.addresses.size();
    count_->setText(n == 1 ? tr("1 device will be added.") : tr("%1 devices will be added.").arg(n));
    QStringList labels;
    for (int A : p.taken)
        labels << deviceLabel(A);
    taken_->setText(labels.isEmpty() ? QString() : tr("Taken, skipped: %1").arg(labels.join(QStringLiteral(", "))));
    problem_->setText(p.problem);
    ok_->setEnabled(p.canAdd());
}

}  // namespace vaz
