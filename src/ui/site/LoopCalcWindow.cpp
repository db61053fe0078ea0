#include "ui/site/LoopCalcWindow.h"

#include "core/devices/DeviceCatalog.h"
#include "core/model/Config.h"
#include "core/model/Session.h"
#include "core/site/LoopCalc.h"
#include "core/storage/Csv.h"
#include "core/storage/SafeFile.h"
#include "ui/widgets/HelpWindow.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/ScreenFit.h"

#include <QComboBox>
#include <QDoubleValidator>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace vaz {

namespace {

constexpr int kTypeRole = Qt::UserRole + 1;

// Empty: not known. A comma reads as the decimal point too.
std::optional<double> figureOf(const QString &text)
{
    QString t = text.trimmed();
    t.replace(u',', u'.');
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok && v >= 0 ? std::optional<double>(v) : std::nullopt;
}

QString textOf(const std::optional<double> &v) { return v ? site::figure(*v, 3) : QString(); }

}  // namespace

LoopCalcWindow::LoopCalcWindow(Session &session, QWidget *owner) : QDialog(owner), session_(session)
{
    setObjectName(QStringLiteral("LoopCalcWindow"));
    helpOnF1(this, QStringLiteral("loop-and-battery-calculation"));
    setWindowTitle(tr("Loop and battery calculation"));
    setWindowModality(Qt::WindowModal);

    currents_ = new QStandardItemModel(0, 3, this);
    currents_->setHorizontalHeaderLabels({tr("Device type"), tr("Quiescent (mA)"), tr("Alarm (mA)")});
    table_ = named(new QTableView(this), "LoopCalcCurrents", tr("Currents per device type"));
    table_->setModel(currents_);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    table_->setTabKeyNavigation(false);
    table_->setMinimumWidth(table_->fontMetrics().horizontalAdvance(tr("Quiescent (mA)")) * 3);
    auto *typeBox = named(new QGroupBox(tr("Currents per device type"), this), "LoopCalcTypes");
    (new QVBoxLayout(typeBox))->addWidget(table_);

    auto *validator = new QDoubleValidator(0, 1e6, 3, this);
    validator->setNotation(QDoubleValidator::StandardNotation);
    auto edit = [&](const char *name, const char *accessible) {
        auto *e = named(new QLineEdit(this), name, tr(accessible));
        e->setValidator(validator);
        e->setClearButtonEnabled(true);
        connect(e, &QLineEdit::textChanged, this, &LoopCalcWindow::recompute);
        return e;
    };
    outputV_ = edit("LoopCalcOutputV", QT_TR_NOOP("Loop output voltage"));
    minimumV_ = edit("LoopCalcMinimumV", QT_TR_NOOP("Device minimum voltage"));
    panelQuiescent_ = edit("LoopCalcPanelQuiescent", QT_TR_NOOP("Panel quiescent current"));
    panelAlarm_ = edit("LoopCalcPanelAlarm", QT_TR_NOOP("Panel alarm current"));
    method_ = named(new QComboBox(this), "LoopCalcMethod", tr("Battery method"));
    method_->addItem(site::methodName(site::BatteryMethod::Bs5839));
    method_->addItem(site::methodName(site::BatteryMethod::Nfpa72));
    standby_ = named(new QComboBox(this), "LoopCalcStandby", tr("Standby hours"));
    for (int h : {24, 48, 72})
        standby_->addItem(tr("%1 h").arg(h), h);
    alarm_ = named(new QComboBox(this), "LoopCalcAlarm", tr("Alarm minutes"));
    for (int m : {5, 15})
        alarm_->addItem(tr("%1 min").arg(m), m);
    for (QComboBox *box : {method_, standby_, alarm_})
        connect(box, &QComboBox::currentIndexChanged, this, &LoopCalcWindow::recompute);

    // Two pairs a row: the window has to fit a small screen at twice the scale.
    auto *supplyBox = named(new QGroupBox(tr("Supply"), this), "LoopCalcSupply");
    auto *grid = new QGridLayout(supplyBox);
    const std::pair<const char *, QWidget *> fields[] = {
        {QT_TR_NOOP("Loop &output (V):"), outputV_},
        {QT_TR_NOOP("Device m&inimum (V):"), minimumV_},
        {QT_TR_NOOP("Panel &quiescent (mA):"), panelQuiescent_},
        {QT_TR_NOOP("Panel a&larm (mA):"), panelAlarm_},
        {QT_TR_NOOP("&Method:"), method_},
        {QT_TR_NOOP("&Standby:"), standby_},
        {QT_TR_NOOP("Alarm &time:"), alarm_},
    };
    for (int i = 0; i < int(std::size(fields)); ++i) {
        auto *label = new QLabel(tr(fields[i].first), this);
        label->setBuddy(fields[i].second);
        grid->addWidget(label, i / 2, (i % 2) * 2);
        grid->addWidget(fields[i].second, i / 2, (i % 2) * 2 + 1);
    }
    grid->setColumnStretch(1, 1), grid->setColumnStretch(3, 1);

    results_ = named(new QPlainTextEdit(this), "LoopCalcResults", tr("Results"));
    results_->setReadOnly(true);
    results_->setTabChangesFocus(true);
    results_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    results_->setMinimumSize(results_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40,
                             results_->fontMetrics().lineSpacing() * 5);
    auto *resultBox = named(new QGroupBox(tr("Results"), this), "LoopCalcResultBox");
    (new QVBoxLayout(resultBox))->addWidget(results_);

    auto *exportButton = named(new QPushButton(tr("E&xport CSV..."), this), "LoopCalcExport", tr("Export CSV"));
    auto *ok = named(new QPushButton(tr("OK"), this), "LoopCalcOK", tr("OK"));
    auto *apply = named(new QPushButton(tr("&Apply"), this), "LoopCalcApply", tr("Apply"));
    auto *cancel = named(new QPushButton(tr("Cancel"), this), "LoopCalcCancel", tr("Cancel"));
    ok->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(exportButton);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(apply);
    buttons->addWidget(cancel);

    auto *top = new QHBoxLayout;
    top->addWidget(typeBox, 2);
    top->addWidget(resultBox, 3);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(supplyBox);
    layout->addLayout(buttons);

    connect(currents_, &QStandardItemModel::itemChanged, this, &LoopCalcWindow::recompute);
    connect(exportButton, &QPushButton::clicked, this, [this] { session_.guarded([this] { exportCsv(); }); });
    connect(apply, &QPushButton::clicked, this, &LoopCalcWindow::applied);
    connect(ok, &QPushButton::clicked, this, [this] {
        emit applied();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(780, 560);
    fitToScreen(this);
}

void LoopCalcWindow::openWindow(const QMap<int, site::Currents> &offered)
{
    fill(session_.config().site, offered);
    // The type names and figures arrive after the window was fitted.
    growToContent(this);
    show();
    raise();
    activateWindow();
    table_->setFocus();
}

void LoopCalcWindow::fill(const site::SiteData &site, const QMap<int, site::Currents> &offered)
{
    filling_ = true;
    const QMap<int, site::Currents> &shown = site.typeCurrents.isEmpty() ? offered : site.typeCurrents;
    currents_->setRowCount(0);
    for (int type = 1; type <= devices::kTypeCount; ++type) {
        auto *name = new QStandardItem(devices::typeName(type, devices::Naming::Translated));
        name->setData(type, kTypeRole);
        name->setEditable(false);
        const site::Currents c = shown.value(type);
        currents_->appendRow({name, new QStandardItem(textOf(c.quiescentMa)), new QStandardItem(textOf(c.alarmMa))});
    }
    table_->setCurrentIndex(currents_->index(0, 1));
    const site::Supply &s = site.supply;
    outputV_->setText(textOf(s.loopOutputV));
    minimumV_->setText(textOf(s.deviceMinimumV));
    panelQuiescent_->setText(textOf(s.panel.quiescentMa));
    panelAlarm_->setText(textOf(s.panel.alarmMa));
    method_->setCurrentIndex(s.method == site::BatteryMethod::Nfpa72 ? 1 : 0);
    standby_->setCurrentIndex(std::max(0, standby_->findData(s.standbyHours)));
    alarm_->setCurrentIndex(std::max(0, alarm_->findData(s.alarmMinutes)));
    filling_ = false;
    recompute();
}

site::SiteData LoopCalcWindow::siteData() const
{
    site::SiteData site = session_.config().site;
    site.typeCurrents.clear();
    for (int row = 0; row < currents_->rowCount(); ++row) {
        const site::Currents c{figureOf(currents_->item(row, 1)->text()), figureOf(currents_->item(row, 2)->text())};
        if (c != site::Currents{})
            site.typeCurrents.insert(currents_->item(row, 0)->data(kTypeRole).toInt(), c);
    }
    site::Supply &s = site.supply;
    s.loopOutputV = figureOf(outputV_->text());
    s.deviceMinimumV = figureOf(minimumV_->text());
    s.panel = {figureOf(panelQuiescent_->text()), figureOf(panelAlarm_->text())};
    s.method = method_->currentIndex() == 1 ? site::BatteryMethod::Nfpa72 : site::BatteryMethod::Bs5839;
    s.standbyHours = standby_->currentData().toInt();
    // The alarm time is the method's for BS 5839-1; NFPA 72 asks for one.
    s.alarmMinutes = s.method == site::BatteryMethod::Nfpa72 ? alarm_->currentData().toInt() : 30;
    if (s.method == site::BatteryMethod::Nfpa72)
        s.standbyHours = 24;
    return site;
}

void LoopCalcWindow::recompute()
{
    if (filling_)
        return;
    const bool nfpa = method_->currentIndex() == 1;
    alarm_->setEnabled(nfpa);
    standby_->setEnabled(!nfpa);
    Installation inst = session_.config();
    inst.site = siteData();
    results_->setPlainText(site::loopCalcText(site::loopCalc(inst)).join(u'\n'));
}

void LoopCalcWindow::exportCsv()
{
    const QString path =
        session_.fileDialogs().saveFileName(tr("Export loop and battery calculation"), tr("CSV file (*.csv)"));
    if (path.isEmpty())
        return;
    Installation inst = session_.config();
    inst.site = siteData();
    const QByteArray bytes =
        storage::writeCsv(site::loopCalcRows(site::loopCalc(inst)), storage::csvSeparatorFor(QLocale()));
    if (const QString why = storage::writeWhole(path, bytes); !why.isEmpty())
        session_.messages().message(why);
}

}  // namespace vaz
