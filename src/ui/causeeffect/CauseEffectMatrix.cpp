#include "ui/causeeffect/CauseEffectMatrix.h"

#include "core/model/Config.h"
#include "core/model/Session.h"
#include "core/storage/Commissioning.h"
#include "core/storage/Schedule.h"
#include "ui/widgets/ScreenFit.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace vaz {

namespace {

// Columns before the rules': loop, address, type, zone, location.
constexpr int kDeviceColumns = storage::kBypassColumn;

// The sheet as it is, read when drawn: 200 rules by 515 rows is too many cells
// to make an item of each.
class SheetModel : public QAbstractTableModel {
public:
    explicit SheetModel(QObject *parent) : QAbstractTableModel(parent) {}
    void setSheet(const storage::Sheet *sheet)
    {
        beginResetModel();
        sheet_ = sheet;
        endResetModel();
    }
    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() || !sheet_ ? 0 : int(std::max<qsizetype>(0, sheet_->rows.size() - 1));
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() || !sheet_ || sheet_->rows.isEmpty() ? 0 : int(sheet_->rows.first().size());
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!sheet_ || !index.isValid())
            return {};
        if (role == Qt::DisplayRole)
            return sheet_->rows.value(index.row() + 1).value(index.column());
        if (role == Qt::TextAlignmentRole && index.column() >= kDeviceColumns)
            return int(Qt::AlignCenter);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal || !sheet_ || sheet_->rows.isEmpty())
            return QAbstractTableModel::headerData(section, orientation, role);
        return sheet_->rows.first().value(section);
    }

private:
    const storage::Sheet *sheet_ = nullptr;
};

}  // namespace

CauseEffectMatrix::CauseEffectMatrix(Session &session, QWidget *owner) : QDialog(owner, Qt::Window), session_(session)
{
    setObjectName(QStringLiteral("CauseEffectMatrix"));
    setWindowTitle(tr("Cause-effect matrix"));
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("MatrixTable"));
    table_->setAccessibleName(tr("Cause-effect matrix"));
    table_->setModel(new SheetModel(table_));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    table_->horizontalHeader()->setToolTip(tr("Click a rule to show it"));
    connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (column < kDeviceColumns)
            return;
        session_.guarded([&] { emit ruleViewerRequested(column - kDeviceColumns + 1); });
    });

    auto button = [this](const char *name, const char *caption) {
        auto *b = new QPushButton(tr(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    QPushButton *print = button("MatrixPrint", QT_TR_NOOP("&Print…"));
    QPushButton *save = button("MatrixExport", QT_TR_NOOP("&Export…"));
    QPushButton *close = button("MatrixClose", QT_TR_NOOP("&Close"));
    connect(print, &QPushButton::clicked, this, [this] { emit printRequested(printDocument(matrix_)); });
    connect(save, &QPushButton::clicked, this, &CauseEffectMatrix::exportRequested);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addWidget(save);
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addLayout(buttons);
    resize(900, 560);
    fitToScreen(this);
}

void CauseEffectMatrix::openWindow()
{
    matrix_ = storage::causeEffectMatrix(session_.config());
    static_cast<SheetModel *>(table_->model())->setSheet(&matrix_);
    // Rule columns as narrow as their marks; the header names them in full as a tooltip would.
    QHeaderView *header = table_->horizontalHeader();
    for (int c = 0; c < kDeviceColumns && c < header->count(); ++c)
        table_->resizeColumnToContents(c);
    show();
    raise();
}

storage::Document CauseEffectMatrix::printDocument(const storage::Sheet &matrix)
{
    storage::Document doc{tr("Cause-effect matrix"), storage::printDate(QDateTime::currentDateTime()), {}};
    if (matrix.rows.isEmpty())
        return doc;
    const QStringList &header = matrix.rows.first();
    storage::DocumentSection legend{{tr("Rules")}, {}, false};
    for (qsizetype c = kDeviceColumns; c < header.size(); ++c)
        legend.rows << QStringList{QStringLiteral("%1 = %2").arg(c - kDeviceColumns + 1, 3).arg(header[c])};
    // Device columns as wide as their longest text; the rules by number, four wide.
    QList<QStringList> cells;
    for (qsizetype r = 0; r < matrix.rows.size(); ++r) {
        QStringList row = matrix.rows[r].mid(0, kDeviceColumns);
        for (qsizetype c = kDeviceColumns; c < header.size(); ++c)
            row << (r == 0 ? QString::number(c - kDeviceColumns + 1) : matrix.rows[r].value(c)).rightJustified(3);
        cells << row;
    }
    const QList<int> widths = storage::columnWidths(cells);
    storage::DocumentSection table{{storage::tableLine(cells.first(), widths)}, {}, true};
    for (qsizetype r = 1; r < cells.size(); ++r)
        table.rows << QStringList{storage::tableLine(cells[r], widths)};
    doc.sections = {legend, table};
    return doc;
}

}  // namespace vaz
