#include "ui/panel/Fpanelverileri.h"

#include "core/model/Conversions.h"
#include "core/panel/DisplayText.h"
#include "core/panel/PanelDelays.h"
#include "core/model/NameCheck.h"
#include "core/model/Config.h"
#include "core/model/Session.h"
#include "ui/widgets/TextCheck.h"
#include "ui/widgets/HelpWindow.h"
#include "ui/widgets/ToolButton.h"
#include "ui/widgets/ScreenFit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace vaz {

namespace {

struct DelayField {
    int slot;
    const char *field;
    const char *label;
    const char *caption;
};

// Window order; slot 4 is the alarm relay although the fire relay comes first.
const DelayField kDelayFields[] = {
    {0, "TxtSiren1", "LabelSiren1", QT_TRANSLATE_NOOP("vaz::Fpanelverileri", "Sounder 1")},
    {1, "TxtSiren2", "LabelSiren2", QT_TRANSLATE_NOOP("vaz::Fpanelverileri", "Sounder 2")},
    {2, "TxtSiren3", "LabelSiren3", QT_TRANSLATE_NOOP("vaz::Fpanelverileri", "Sounder 3")},
    {3, "TxtSiren4", "LabelSiren4", QT_TRANSLATE_NOOP("vaz::Fpanelverileri", "Sounder 4")},
    {5, "TxtYanginRol", "LabelYanRol", QT_TRANSLATE_NOOP("vaz::Fpanelverileri", "Fire relay")},
    {6, "TxtHataRol", "LabelHataRol", QT_TRANSLATE_NOOP("vaz::Fpanelverileri", "Fault relay")},
    {4, "TxtAlarmRol", "LabelAlarmRol", QT_TRANSLATE_NOOP("vaz::Fpanelverileri", "Alarm relay")},
};

}  // namespace

Fpanelverileri::Fpanelverileri(Session &session, QWidget *owner) : QDialog(owner), session_(session)
{
    setObjectName(QStringLiteral("Fpanelverileri"));
    setWindowTitle(tr("Panel configuration"));

    auto *bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("Toolbar2"));
    bar->setAccessibleName(tr("Panel data commands"));
    bar->setIconSize(QSize(28, 28));
    QAction *save = addToolButton(bar, "BtOnay", QT_TRANSLATE_NOOP("vaz::ToolButton", "Save"), "save");
    QAction *cancel = addToolButton(bar, "BtIptal", QT_TRANSLATE_NOOP("vaz::ToolButton", "Cancel"), "cancel");
    connect(save, &QAction::triggered, this, [this] { session_.guarded([this] { BtOnay_Click(); }); });
    connect(cancel, &QAction::triggered, this, &Fpanelverileri::BtIptal_Click);
    setDialogKeys(save, cancel);
    connect(addToolButton(bar, "BtPanelVeriYardim", QT_TRANSLATE_NOOP("vaz::ToolButton", "Help"), "help"),
            &QAction::triggered, this, [] { showHelp(QStringLiteral("panel")); });

    auto *supplierFrame = new QGroupBox(tr("Supplier's name"), this);
    supplierFrame->setObjectName(QStringLiteral("FrameTedarikci"));
    supplier_ = nameBox(QStringLiteral("TextTedarikci"), tr("Supplier's name"));
    (new QVBoxLayout(supplierFrame))->addWidget(supplier_);

    auto *panelFrame = new QGroupBox(tr("Panel name"), this);
    panelFrame->setObjectName(QStringLiteral("FramePanel"));
    panel_ = nameBox(QStringLiteral("TextPanel"), tr("Max. 40 characters"));
    (new QVBoxLayout(panelFrame))->addWidget(panel_);

    auto *delayFrame = new QGroupBox(tr("Sounder/relay output delay"), this);
    delayFrame->setObjectName(QStringLiteral("FrameGecikme"));
    auto *grid = new QGridLayout(delayFrame);
    int place = 0;
    for (const DelayField &d : kDelayFields) {
        auto *label = new QLabel(tr(d.caption), delayFrame);
        label->setObjectName(QString::fromLatin1(d.label));
        auto *field = new QLineEdit(delayFrame);
        field->setObjectName(QString::fromLatin1(d.field));
        field->setMaximumWidth(70);
        auto *unit = new QLabel(tr("sec."), delayFrame);
        unit->setObjectName(QStringLiteral("LabelSaniye%1").arg(d.slot + 1));
        const int row = place / 2, column = (place % 2) * 4;
        grid->addWidget(label, row, column);
        grid->addWidget(field, row, column + 1);
        grid->addWidget(unit, row, column + 2);
        ++place;
        delays_[d.slot] = field;
        delayLabels_[d.slot] = label;
        connect(field, &QLineEdit::textChanged, this,
                [this, slot = d.slot] { session_.guarded([&] { delayChanged(slot); }); });
    }
    grid->setColumnMinimumWidth(3, 16);

    delayActive_ = new QCheckBox(tr("Delay active"), this);
    delayActive_->setObjectName(QStringLiteral("Check1"));
    connect(delayActive_, &QCheckBox::toggled, this, [this](bool on) {
        for (int i = 0; i < kPanelDelays; ++i) {
            delays_[i]->setEnabled(on);
            delayLabels_[i]->setEnabled(on);
        }
    });

    auto *modeFrame = new QGroupBox(tr("System operation mode"), this);
    modeFrame->setObjectName(QStringLiteral("FrameCalmaModu"));
    auto *modeLayout = new QHBoxLayout(modeFrame);
    mode_ = new QButtonGroup(this);
    auto *common = new QRadioButton(tr("Common"), modeFrame);
    common->setObjectName(QStringLiteral("DefRingMode_Common"));
    auto *zonal = new QRadioButton(tr("Cause-effect"), modeFrame);
    zonal->setObjectName(QStringLiteral("DefRingMode_Zonal"));
    mode_->addButton(common, 0);
    mode_->addButton(zonal, 1);
    modeLayout->addWidget(common);
    modeLayout->addWidget(zonal);
    connect(mode_, &QButtonGroup::idToggled, this, [this](int mode, bool on) {
        if (on)
            session_.guarded([&] { ringingModeChosen(mode); });
    });

    status_ = new QStatusBar(this);
    status_->setObjectName(QStringLiteral("StatusBar1"));
    status_->setSizeGripEnabled(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(bar);
    layout->addWidget(supplierFrame);
    layout->addWidget(panelFrame);
    layout->addWidget(delayFrame);
    layout->addWidget(delayActive_);
    layout->addWidget(modeFrame);
    layout->addWidget(status_);
    fitToScreen(this);
}

QLineEdit *Fpanelverileri::nameBox(const QString &objectName, const QString &hint)
{
    auto *box = new QLineEdit(this);
    box->setObjectName(objectName);
    box->setMaxLength(kNameLength);
    // A hint, not a value: saving an untouched box must not store it as a name.
    box->setPlaceholderText(hint);
    guardTextBox(box, nameInputProblem, [this](const QString &why) { status_->showMessage(why); });
    return box;
}

void Fpanelverileri::openWindow()
{
    Form_Load();
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

void Fpanelverileri::Form_Load()
{
    const Config &cfg = session_.config();
    status_->clearMessage();
    supplier_->setText(cfg.TedarikciAdi);
    panel_->setText(cfg.PanelAdi);
    for (int i = 0; i < kPanelDelays; ++i) {
        const QString text = plainForm(cfg.Gecikmeler(i));
        if (delays_[i]->text() == text)
            delayChanged(i);  // an unchanged text raises no change, but the value is still checked
        else
            delays_[i]->setText(text);
    }
    delayActive_->setChecked(false);
    for (int i = 0; i < kPanelDelays; ++i) {
        delays_[i]->setEnabled(false);
        delayLabels_[i]->setEnabled(false);
    }
    // Both off first, so that choosing the stored mode always runs its handling.
    mode_->setExclusive(false);
    for (QAbstractButton *b : mode_->buttons())
        b->setChecked(false);
    mode_->setExclusive(true);
    if (QAbstractButton *b = mode_->button(cfg.CalmaModu))
        b->setChecked(true);
}

void Fpanelverileri::delayChanged(int slot)
{
    const DelayInput in = delayFromText(delays_[slot]->text());
    if (!in.inRange) {
        session_.messages().message(tr("Inappropriate value!"));
        delays_[slot]->setText(QStringLiteral("999"));  // its own change stores 999
        return;
    }
    session_.config().Gecikmeler(slot) = in.seconds;
}

void Fpanelverileri::ringingModeChosen(int mode)
{
    session_.config().CalmaModu = mode;
    emit causeEffectModeChosen(mode == 1);
}

void Fpanelverileri::BtOnay_Click()
{
    Config &cfg = session_.config();
    supplier_->setText(PanelVerKarakterDuzenle(supplier_->text()));
    cfg.TedarikciAdi = supplier_->text();
    cfg.PanelAdi = panel_->text();
    hide();
    emit namesSaved();
    emit left();
    accept();
}

void Fpanelverileri::BtIptal_Click() { reject(); }

void Fpanelverileri::reject()
{
    hide();
    emit left();
    QDialog::reject();
}

}  // namespace vaz
