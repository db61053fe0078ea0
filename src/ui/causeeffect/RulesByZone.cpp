#include "ui/causeeffect/RulesByZone.h"

#include "core/causeeffect/RuleLists.h"
#include "core/model/Config.h"
#include "core/model/Session.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/ScreenFit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace vaz {

namespace {
constexpr int kZoneRole = Qt::UserRole + 1;
const char *const kPanelOutputNames[kPanelOutputs] = {"ZonePanelOutput1", "ZonePanelOutput2", "ZonePanelOutput3",
                                                      "ZonePanelOutput4", "ZonePanelOutput5", "ZonePanelOutput6",
                                                      "ZonePanelOutput7"};
}  // namespace

RulesByZone::RulesByZone(Session &session, QWidget *owner) : QDialog(owner), session_(session)
{
    setObjectName(QStringLiteral("RulesByZone"));
    setWindowTitle(tr("Rules by zone"));
    setWindowModality(Qt::WindowModal);

    zones_ = new QStandardItemModel(this);
    zoneList_ = named(new QListView(this), "ZoneList", tr("Zones"));
    zoneList_->setModel(zones_);
    zoneList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    zoneList_->setMinimumWidth(zoneList_->fontMetrics().horizontalAdvance(tr("Zone 48 (inputs: 254, outputs: 254)")) +
                               40);
    auto *tickButton = named(new QPushButton(tr("Tick all"), this), "ZonesTickAll", tr("Tick all"));
    auto *untickButton = named(new QPushButton(tr("Untick all"), this), "ZonesUntickAll", tr("Untick all"));
    auto *ticks = new QHBoxLayout;
    ticks->addWidget(tickButton);
    ticks->addWidget(untickButton);
    ticks->addStretch();
    auto *zoneBox = named(new QGroupBox(tr("Zones"), this), "ZoneBox", tr("Zones"));
    auto *zoneLayout = new QVBoxLayout(zoneBox);
    zoneLayout->addWidget(zoneList_);
    zoneLayout->addLayout(ticks);

    // What every ticked zone's rule sets off.
    auto *outputBox = named(new QGroupBox(tr("Outputs of each rule"), this), "ZoneOutputs", tr("Outputs of each rule"));
    auto *outputs = new QGridLayout(outputBox);
    sounders_ = named(new QCheckBox(tr("The zone's sounder controllers"), this), "ZoneSounders",
                      tr("The zone's sounder controllers"));
    relays_ = named(new QCheckBox(tr("The zone's relay controllers"), this), "ZoneRelays",
                    tr("The zone's relay controllers"));
    sounders_->setChecked(true);
    relays_->setChecked(true);
    outputs->addWidget(sounders_, 0, 0, 1, 2);
    outputs->addWidget(relays_, 1, 0, 1, 2);
    outputs->addWidget(named(new QLabel(tr("Panel outputs:"), this), "ZonePanelOutputs", tr("Panel outputs")), 2, 0, 1,
                       2);
    for (int k = 0; k < kPanelOutputs; ++k) {
        // Sounders in the first column, relays in the second.
        const QString caption = panelOutputName(k);
        QCheckBox *box = panel_[std::size_t(k)] = new QCheckBox(caption, this);
        box->setObjectName(QString::fromLatin1(kPanelOutputNames[k]));
        box->setAccessibleName(caption);
        outputs->addWidget(box, 3 + (k < 4 ? k : k - 4), k < 4 ? 0 : 1);
    }

    auto *conditionBox = named(new QGroupBox(tr("Condition"), this), "ZoneCondition", tr("Condition"));
    auto *conditions = new QHBoxLayout(conditionBox);
    or_ = named(new QRadioButton(tr("OR"), this), "ZoneOr", tr("OR"));
    and_ = named(new QRadioButton(tr("AND"), this), "ZoneAnd", tr("AND"));
    coincidence_ = named(new QRadioButton(tr("COINCIDENCE"), this), "ZoneCoincidence", tr("COINCIDENCE"));
    auto *group = new QButtonGroup(this);
    for (QRadioButton *b : {or_, and_, coincidence_})
        group->addButton(b), conditions->addWidget(b);
    or_->setChecked(true);

    pattern_ = named(new QLineEdit(tr("Zone {z}"), this), "ZoneNamePattern", tr("Name"));
    pattern_->setToolTip(
        tr("{z}: the zone number, {zone}: the zone's name. At most 10 characters once it is filled in."));
    auto *form = new QFormLayout;
    form->addRow(tr("&Name"), pattern_);

    auto *choices = new QVBoxLayout;
    choices->addWidget(outputBox);
    choices->addWidget(conditionBox);
    choices->addLayout(form);
    choices->addStretch();
    auto *top = new QHBoxLayout;
    top->addWidget(zoneBox, 1);
    top->addLayout(choices);

    // A label reads as its text: what it is goes in the description.
    summary_ = named(new QLabel(this), "ZoneSummary");
    summary_->setAccessibleDescription(tr("What OK adds"));
    summary_->setWordWrap(true);
    skipped_ = named(new QPlainTextEdit(this), "ZoneSkipped", tr("Skipped zones"));
    skipped_->setReadOnly(true);
    skipped_->setTabChangesFocus(true);
    skipped_->setMaximumHeight(skipped_->fontMetrics().lineSpacing() * 6 + 12);

    ok_ = named(new QPushButton(tr("OK"), this), "ZoneOK", tr("OK"));
    ok_->setDefault(true);
    auto *cancel = named(new QPushButton(tr("Cancel"), this), "ZoneCancel", tr("Cancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(summary_);
    layout->addWidget(skipped_);
    layout->addLayout(buttons);

    connect(tickButton, &QPushButton::clicked, this, [this] { tickAll(true); });
    connect(untickButton, &QPushButton::clicked, this, [this] { tickAll(false); });
    connect(zones_, &QStandardItemModel::itemChanged, this, [this] {
        if (!ticking_)
            showPlan();
    });
    for (QCheckBox *box : {sounders_, relays_})
        connect(box, &QCheckBox::toggled, this, &RulesByZone::showPlan);
    for (QCheckBox *box : panel_)
        connect(box, &QCheckBox::toggled, this, &RulesByZone::showPlan);
    connect(group, &QButtonGroup::buttonToggled, this, &RulesByZone::showPlan);
    connect(pattern_, &QLineEdit::textChanged, this, &RulesByZone::showPlan);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    fitToScreen(this);
}

void RulesByZone::openWindow()
{
    // Items are ticked before they join the model, so filling it plans nothing.
    zones_->clear();
    for (const ZoneCount &z : zonesWithDevices(session_.config())) {
        auto *item = new QStandardItem(tr("Zone %1 (inputs: %2, outputs: %3)")
                                           .arg(session_.config().site.withZoneName(z.zone, QString::number(z.zone)))
                                           .arg(z.inputs)
                                           .arg(z.outputs));
        item->setData(z.zone, kZoneRole);
        item->setCheckable(true);
        item->setCheckState(Qt::Unchecked);
        zones_->appendRow(item);
    }
    if (zones_->rowCount() > 0)
        zoneList_->setCurrentIndex(zones_->index(0, 0));
    showPlan();
    show();
    raise();
    activateWindow();
    zoneList_->setFocus();
}

void RulesByZone::tickAll(bool ticked)
{
    ticking_ = true;  // one plan for all of them, not one a zone
    for (int row = 0; row < zones_->rowCount(); ++row)
        zones_->item(row)->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    ticking_ = false;
    showPlan();
}

ZoneRuleChoice RulesByZone::choice() const
{
    ZoneRuleChoice c;
    for (int row = 0; row < zones_->rowCount(); ++row)
        if (zones_->item(row)->checkState() == Qt::Checked)
            c.zones << zones_->item(row)->data(kZoneRole).toInt();
    c.sounders = sounders_->isChecked();
    c.relays = relays_->isChecked();
    for (int k = 0; k < kPanelOutputs; ++k)
        c.panelOutputs[std::size_t(k)] = panel_[std::size_t(k)]->isChecked();
    c.condition = and_->isChecked() ? kConditionAnd : coincidence_->isChecked() ? kConditionCoincidence : kConditionOr;
    c.pattern = pattern_->text();
    return c;
}

ZoneRulePlan RulesByZone::plan() const { return planZoneRules(session_.config(), choice()); }

void RulesByZone::showPlan()
{
    const ZoneRulePlan p = plan();
    const auto added = p.rules.size(), skipped = p.skipped.size();
    summary_->setText(tr("Cause-effects to add: %1. Zones skipped: %2.").arg(added).arg(skipped));
    QStringList lines;
    for (const SkippedZone &s : p.skipped)
        lines << skippedText(s);
    skipped_->setPlainText(lines.join(u'\n'));
    ok_->setEnabled(added > 0);
}

}  // namespace vaz
