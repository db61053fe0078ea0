#include "ui/site/WalkTestWindow.h"

#include "core/devices/DeviceCatalog.h"
#include "core/model/Changes.h"
#include "core/model/Config.h"
#include "core/model/Conversions.h"
#include "core/model/Session.h"
#include "core/storage/Csv.h"
#include "core/storage/Spreadsheet.h"
#include "core/storage/ScheduleWords.h"
#include "ui/widgets/HelpWindow.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/ScreenFit.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace vaz {

using site::WalkResult;

class WalkTestModel : public QAbstractTableModel {
public:
    enum Column { Zone, Location, Device, Type, Result, Time, Remark, Count };
    using QAbstractTableModel::QAbstractTableModel;

    QList<site::WalkRow> rows;
    site::SiteData site;  // for the zones' names

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(rows.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : Count; }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
            return {};
        const site::WalkRow &r = rows[index.row()];
        switch (index.column()) {
        case Zone: return r.zone == 0 ? QString() : site.withZoneName(r.zone, QString::number(r.zone));
        case Location: return r.location;
        case Device: return devicePlace(r.key.loop, r.key.address);
        case Type: return devices::typeName(r.type);
        case Result: return site::resultName(r.test.result);
        case Remark: return r.test.remark;
        case Time: return site::timeText(r.test.at);
        }
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        static const char *const names[Count] = {
            QT_TRANSLATE_NOOP("vaz::WalkTestWindow", "Zone"),   QT_TRANSLATE_NOOP("vaz::WalkTestWindow", "Location"),
            QT_TRANSLATE_NOOP("vaz::WalkTestWindow", "Device"), QT_TRANSLATE_NOOP("vaz::WalkTestWindow", "Type"),
            QT_TRANSLATE_NOOP("vaz::WalkTestWindow", "Result"), QT_TRANSLATE_NOOP("vaz::WalkTestWindow", "Time"),
            QT_TRANSLATE_NOOP("vaz::WalkTestWindow", "Remark")};
        return QCoreApplication::translate("vaz::WalkTestWindow", names[section]);
    }

    void reset(QList<site::WalkRow> now)
    {
        beginResetModel();
        rows = std::move(now);
        endResetModel();
    }

    // Tests change, rows stay: the order and the current row are kept.
    void refresh(const Installation &inst)
    {
        if (inst.site.zoneNames != site.zoneNames) {
            beginResetModel();
            site = inst.site;
            endResetModel();
        }
        for (site::WalkRow &r : rows)
            r.test = inst.site.walkTests.value(r.key);
        if (!rows.isEmpty())
            emit dataChanged(index(0, Result), index(int(rows.size()) - 1, Remark));
    }
};

namespace {

// What the import would change; OK stores it.
QDialog *importPreview(const site::WalkImportPlan &plan, QWidget *parent)
{
    auto *dialog = named(new QDialog(parent), "WalkImportPreview");
    dialog->setWindowTitle(WalkTestWindow::tr("Import walk test"));
    auto *summary = named(new QLabel(site::importSummary(plan), dialog), "WalkImportSummary");
    summary->setAccessibleDescription(WalkTestWindow::tr("What the import does"));
    summary->setWordWrap(true);
    auto *lines = named(new QListWidget(dialog), "WalkImportLines");
    lines->setAccessibleName(WalkTestWindow::tr("Changes and refused rows"));
    lines->addItems(site::importLines(plan));
    lines->setVisible(lines->count() > 0);
    lines->setProperty("shownWhen", QStringLiteral("the file changes or refuses something"));
    auto *ok = named(new QPushButton(WalkTestWindow::tr("OK"), dialog), "WalkImportOK", WalkTestWindow::tr("OK"));
    ok->setEnabled(!plan.changesNothing());
    ok->setDefault(ok->isEnabled());
    auto *cancel =
        named(new QPushButton(WalkTestWindow::tr("Cancel"), dialog), "WalkImportCancel", WalkTestWindow::tr("Cancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(summary);
    layout->addWidget(lines, 1);
    layout->addLayout(buttons);
    dialog->resize(560, lines->count() > 0 ? 380 : 140);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    fitToScreen(dialog);
    return dialog;
}

}  // namespace

WalkTestWindow::WalkTestWindow(Session &session, QWidget *owner, Clock clock)
    : QDialog(owner), session_(session), clock_(std::move(clock))
{
    setObjectName(QStringLiteral("WalkTestWindow"));
    helpOnF1(this, QStringLiteral("walk-test"));
    setWindowTitle(tr("Walk test"));
    model_ = new WalkTestModel(this);
    table_ = named(new QTableView(this), "WalkTestTable");
    table_->setAccessibleName(tr("Input devices"));
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->installEventFilter(this);
    summary_ = named(new QLabel(this), "WalkTestSummary");
    summary_->setAccessibleDescription(tr("Walk test progress"));

    auto *keys = named(new QLabel(tr("P: passed   F: failed   R: remark"), this), "WalkTestKeys");
    auto button = [this](const QString &text, const char *name, const char *accessible, auto slot) {
        auto *b = named(new QPushButton(text, this), name, tr(accessible));
        connect(b, &QPushButton::clicked, this, [this, slot] { session_.guarded([&] { slot(); }); });
        return b;
    };
    auto *pass = button(tr("&Passed"), "WalkTestPass", QT_TR_NOOP("Passed"), [this] { setResult(WalkResult::Passed); });
    auto *fail = button(tr("&Failed"), "WalkTestFail", QT_TR_NOOP("Failed"), [this] { setResult(WalkResult::Failed); });
    auto *remark = button(tr("&Remark..."), "WalkTestRemark", QT_TR_NOOP("Remark"), [this] { askRemark(); });
    auto *exportButton =
        button(tr("E&xport CSV..."), "WalkTestExport", QT_TR_NOOP("Export CSV"), [this] { exportCsv(); });
    auto *importButton =
        button(tr("&Import CSV..."), "WalkTestImport", QT_TR_NOOP("Import CSV"), [this] { importCsv(); });
    auto *close = named(new QPushButton(tr("Close"), this), "WalkTestClose", tr("Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    for (QPushButton *b : {pass, fail, remark})
        b->setAutoDefault(false);

    auto *row = new QHBoxLayout;
    for (QPushButton *b : {pass, fail, remark})
        row->addWidget(b);
    row->addStretch();
    for (QPushButton *b : {exportButton, importButton, close})
        row->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(table_, 1);
    layout->addWidget(keys);
    layout->addLayout(row);
    resize(1000, 560);

    connect(&session_.changes(), &Changes::commandDone, this, &WalkTestWindow::refresh);
    connect(&session_.changes(), &Changes::replaced, this, &WalkTestWindow::rebuild);
    fitToScreen(this);
}

void WalkTestWindow::openWindow()
{
    rebuild();
    show();
    raise();
    activateWindow();
    table_->setFocus();
}

void WalkTestWindow::rebuild()
{
    const QModelIndex current = table_->currentIndex();
    const site::DeviceKey was = current.isValid() ? model_->rows[current.row()].key : site::DeviceKey{};
    model_->site = session_.config().site;
    model_->reset(site::walkRows(session_.config()));
    table_->resizeColumnsToContents();
    // Sized for what results will hold, so that taking them moves no column.
    const QFontMetrics metrics = table_->fontMetrics();
    int resultWidth = 0;
    for (WalkResult r : {WalkResult::NotTested, WalkResult::Passed, WalkResult::Failed})
        resultWidth = std::max(resultWidth, metrics.horizontalAdvance(site::resultName(r)));
    table_->setColumnWidth(WalkTestModel::Result, resultWidth + 2 * metrics.averageCharWidth());
    table_->setColumnWidth(WalkTestModel::Time, metrics.horizontalAdvance(QStringLiteral("2026-12-07 00:00")) +
                                                    2 * metrics.averageCharWidth());
    int row = 0;
    for (int i = 0; i < model_->rows.size(); ++i)
        if (model_->rows[i].key == was)
            row = i;
    if (!model_->rows.isEmpty())
        table_->setCurrentIndex(model_->index(row, 0));
    summary_->setText(site::summaryText(site::walkSummary(model_->rows)));
}

void WalkTestWindow::refresh()
{
    // A device added, removed or moved changes the list; a result only its row.
    const QList<site::WalkRow> now = site::walkRows(session_.config());
    const auto sameDevice = [](const site::WalkRow &a, const site::WalkRow &b) {
        return a.key == b.key && a.zone == b.zone && a.type == b.type && a.location == b.location;
    };
    if (!std::equal(now.begin(), now.end(), model_->rows.begin(), model_->rows.end(), sameDevice))
        return rebuild();
    model_->refresh(session_.config());
    summary_->setText(site::summaryText(site::walkSummary(model_->rows)));
}

void WalkTestWindow::store(const site::DeviceKey &key, const site::WalkTest &test)
{
    auto &tests = session_.config().site.walkTests;
    if (test == site::WalkTest{})
        tests.remove(key);
    else
        tests.insert(key, test);
}

void WalkTestWindow::setResult(WalkResult result)
{
    const QModelIndex current = table_->currentIndex();
    if (!current.isValid())
        return;
    site::WalkTest test = model_->rows[current.row()].test;
    test.result = result;
    // Whole seconds, as the CSV file holds them: an export read back changes nothing.
    test.at = clock_();
    test.at.setTime(QTime(test.at.time().hour(), test.at.time().minute(), test.at.time().second()));
    store(model_->rows[current.row()].key, test);
    // On to the next device, as the walk goes.
    if (current.row() + 1 < model_->rowCount())
        table_->setCurrentIndex(model_->index(current.row() + 1, current.column()));
}

void WalkTestWindow::askRemark()
{
    const QModelIndex current = table_->currentIndex();
    if (!current.isValid())
        return;
    const site::WalkRow &r = model_->rows[current.row()];
    const QString text = session_.messages().askText(tr("Remark for %1:").arg(devicePlace(r.key.loop, r.key.address)),
                                                     tr("Walk test"), r.test.remark, site::kMaxRemarkLength);
    if (text.isNull())
        return;
    site::WalkTest test = r.test;
    test.remark = text.trimmed();
    store(r.key, test);
}

void WalkTestWindow::exportCsv()
{
    const QString path = session_.fileDialogs().saveFileName(tr("Export walk test"), tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    const QByteArray bytes = storage::writeCsv(site::walkTable(session_.config()), storage::csvSeparatorFor(QLocale()));
    if (const QString why = storage::writeWhole(path, bytes); !why.isEmpty())
        session_.messages().message(tr("The file \"%1\" could not be written: %2").arg(path, why));
}

void WalkTestWindow::importCsv()
{
    const QString path = session_.fileDialogs().openFileName(tr("Import walk test"), tr("CSV files (*.csv *.txt)"));
    if (path.isEmpty())
        return;
    const storage::TableRead read = storage::readSheetFile(path);
    if (!read.ok())
        return session_.messages().message(storage::sheetReadText(read));
    const site::WalkImportPlan plan = site::planWalkImport(session_.config(), read.rows);
    QDialog *preview = importPreview(plan, this);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowModality(Qt::ApplicationModal);
    connect(preview, &QDialog::accepted, this,
            [this, plan] { session_.guarded([&] { site::applyWalkImport(session_.config(), plan); }); });
    preview->show();
}

bool WalkTestWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return QDialog::eventFilter(watched, event);
        const std::function<void()> commands[] = {[this] { setResult(WalkResult::Passed); },
                                                  [this] { setResult(WalkResult::Failed); }, [this] { askRemark(); }};
        const int at = key->key() == Qt::Key_P ? 0 : key->key() == Qt::Key_F ? 1 : key->key() == Qt::Key_R ? 2 : -1;
        if (at >= 0) {
            session_.guarded(commands[at]);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace vaz
