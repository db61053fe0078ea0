#include "ui/site/SiteDataDialog.h"

#include "core/model/Config.h"
#include "core/model/Session.h"
#include "ui/widgets/HelpWindow.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/ScreenFit.h"

#include <QDialogButtonBox>
#include <QDoubleValidator>
#include <QFormLayout>
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

QString numberText(const std::optional<double> &v) { return v ? QLocale().toString(*v, 'g', 6) : QString(); }

std::optional<double> numberOf(const QLineEdit *edit)
{
    bool ok = false;
    const double v = QLocale().toDouble(edit->text().trimmed(), &ok);
    return ok ? std::optional<double>(v) : std::nullopt;
}

}  // namespace

SiteDataDialog::SiteDataDialog(Session &session, QWidget *owner) : QDialog(owner), session_(session)
{
    setObjectName(QStringLiteral("SiteDataDialog"));
    helpOnF1(this, QStringLiteral("site-data"));
    setWindowTitle(tr("Site data"));
    setWindowModality(Qt::WindowModal);

    siteName_ = named(new QLineEdit(this), "SiteName", tr("Site name"));
    siteAddress_ = named(new QLineEdit(this), "SiteAddress", tr("Site address"));
    engineer_ = named(new QLineEdit(this), "SiteEngineer", tr("Engineer"));
    company_ = named(new QLineEdit(this), "SiteCompany", tr("Company"));
    notes_ = named(new QPlainTextEdit(this), "SiteNotes", tr("Notes"));
    notes_->setTabChangesFocus(true);
    notes_->setMinimumHeight(notes_->fontMetrics().lineSpacing() * 4);
    notes_->setMaximumHeight(notes_->fontMetrics().lineSpacing() * 8);
    auto *form = new QFormLayout;
    form->addRow(tr("Site &name:"), siteName_);
    form->addRow(tr("Site &address:"), siteAddress_);
    form->addRow(tr("&Engineer:"), engineer_);
    form->addRow(tr("&Company:"), company_);
    form->addRow(tr("N&otes:"), notes_);

    zones_ = new QStandardItemModel(kZones, 2, this);
    zones_->setHorizontalHeaderLabels({tr("Zone"), tr("Name")});
    zoneTable_ = named(new QTableView(this), "SiteZoneNames", tr("Zone names"));
    zoneTable_->setModel(zones_);
    zoneTable_->verticalHeader()->hide();
    zoneTable_->horizontalHeader()->setStretchLastSection(true);
    zoneTable_->setTabKeyNavigation(false);
    zoneTable_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    zoneTable_->setMinimumWidth(zoneTable_->fontMetrics().horizontalAdvance(QString(site::kZoneNameLength / 4, u'M')));
    // A label that shows a problem reads as the problem; what it is goes in the description.
    zoneProblem_ = named(new QLabel(this), "SiteZoneProblem");
    zoneProblem_->setAccessibleDescription(tr("Zone name problem"));
    zoneProblem_->setWordWrap(true);
    auto *zoneBox = named(new QGroupBox(tr("Zone names (at most %1 characters)").arg(site::kZoneNameLength), this),
                          "SiteZoneBox", tr("Zone names"));
    auto *zoneLayout = new QVBoxLayout(zoneBox);
    zoneLayout->addWidget(zoneTable_);
    zoneLayout->addWidget(zoneProblem_);

    auto *cableBox = named(new QGroupBox(tr("Loop cables"), this), "SiteCableBox", tr("Loop cables"));
    auto *cables = new QGridLayout(cableBox);
    const QString heads[3] = {tr("Length (m)"), tr("Cross-section (mm²)"), tr("Resistance (Ω per km)")};
    for (int c = 0; c < 3; ++c)
        cables->addWidget(new QLabel(heads[c], this), 0, c + 1);
    const char *const keys[3] = {"SiteCableLength%1", "SiteCableSection%1", "SiteCableOhm%1"};
    for (int loop = 0; loop < kLoops; ++loop) {
        cables->addWidget(new QLabel(tr("Loop %1").arg(loop + 1), this), loop + 1, 0);
        for (int c = 0; c < 3; ++c) {
            auto *edit = new QLineEdit(this);
            edit->setObjectName(QString::fromLatin1(keys[c]).arg(loop + 1));
            edit->setAccessibleName(tr("Loop %1: %2").arg(loop + 1).arg(heads[c]));
            auto *validator = new QDoubleValidator(0, 1e6, 3, edit);
            validator->setNotation(QDoubleValidator::StandardNotation);
            edit->setValidator(validator);
            cables->addWidget(edit, loop + 1, c + 1);
            cables_[size_t(loop)][size_t(c)] = edit;
        }
    }

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    named(buttons_->button(QDialogButtonBox::Ok), "SiteDataOk", tr("OK"));
    named(buttons_->button(QDialogButtonBox::Cancel), "SiteDataCancel", tr("Cancel"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(zones_, &QStandardItemModel::dataChanged, this, &SiteDataDialog::checkZoneNames);

    auto *left = new QVBoxLayout;
    left->addLayout(form);
    left->addWidget(cableBox);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addWidget(zoneBox, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons_);
    fitToScreen(this);
}

void SiteDataDialog::openWindow()
{
    shown_ = session_.config().site;
    siteName_->setText(shown_.siteName);
    siteAddress_->setText(shown_.siteAddress);
    engineer_->setText(shown_.engineer);
    company_->setText(shown_.company);
    notes_->setPlainText(shown_.notes);
    {
        const QSignalBlocker quiet(zones_);
        for (int zone = 1; zone <= kZones; ++zone) {
            auto *number = new QStandardItem(QString::number(zone));
            number->setEditable(false);
            zones_->setItem(zone - 1, 0, number);
            zones_->setItem(zone - 1, 1, new QStandardItem(shown_.zoneName(zone)));
        }
    }
    zoneTable_->resizeColumnToContents(0);
    for (int loop = 0; loop < kLoops; ++loop) {
        const site::Cable &c = shown_.cables[size_t(loop)];
        cables_[size_t(loop)][0]->setText(numberText(c.lengthM));
        cables_[size_t(loop)][1]->setText(numberText(c.crossSectionMm2));
        cables_[size_t(loop)][2]->setText(numberText(c.ohmPerKm));
    }
    checkZoneNames();
    show();
    raise();
    activateWindow();
}

void SiteDataDialog::checkZoneNames()
{
    QStringList problems;
    for (int zone = 1; zone <= kZones; ++zone) {
        const qsizetype length = zones_->index(zone - 1, 1).data().toString().trimmed().size();
        if (length > site::kZoneNameLength)
            problems << tr("The name of zone %1 has %2 characters; a zone name has at most %3.")
                            .arg(zone)
                            .arg(length)
                            .arg(site::kZoneNameLength);
    }
    zoneProblem_->setText(problems.join(u'\n'));
    zoneProblem_->setVisible(!problems.isEmpty());
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(problems.isEmpty());
}

site::SiteData SiteDataDialog::result() const
{
    // What other windows stored meanwhile (walk-test results, currents) stays.
    site::SiteData s = session_.config().site;
    s.siteName = siteName_->text().trimmed();
    s.siteAddress = siteAddress_->text().trimmed();
    s.engineer = engineer_->text().trimmed();
    s.company = company_->text().trimmed();
    s.notes = notes_->toPlainText().trimmed();
    s.zoneNames.clear();
    for (int zone = 1; zone <= kZones; ++zone)
        if (const QString name = zones_->index(zone - 1, 1).data().toString().trimmed(); !name.isEmpty())
            s.zoneNames.insert(zone, name);
    for (int loop = 0; loop < kLoops; ++loop) {
        const auto &edits = cables_[size_t(loop)];
        site::Cable c{numberOf(edits[0]), numberOf(edits[1]), numberOf(edits[2])};
        // A number shown and left alone keeps all its digits.
        const site::Cable &before = shown_.cables[size_t(loop)];
        if (edits[0]->text() == numberText(before.lengthM))
            c.lengthM = before.lengthM;
        if (edits[1]->text() == numberText(before.crossSectionMm2))
            c.crossSectionMm2 = before.crossSectionMm2;
        if (edits[2]->text() == numberText(before.ohmPerKm))
            c.ohmPerKm = before.ohmPerKm;
        s.cables[size_t(loop)] = c;
    }
    return s;
}

}  // namespace vaz
