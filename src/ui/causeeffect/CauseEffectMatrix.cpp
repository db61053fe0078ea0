#include "ui/causeeffect/CauseEffectMatrix.h"

#include "core/causeeffect/MemberToggle.h"
#include "core/causeeffect/RuleLists.h"
#include "core/causeeffect/Rules.h"
#include "core/model/Config.h"
#include "core/model/Conversions.h"
#include "core/model/Session.h"
#include "core/storage/Commissioning.h"
#include "core/storage/Schedule.h"
#include "core/storage/ScheduleWords.h"
#include "ui/widgets/ScreenFit.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QHash>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>
#include <variant>

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
        if (role == Qt::DisplayRole && index.column() == storage::kTypeColumn)
            return storage::scheduleWord(sheet_->rows.value(index.row() + 1).value(index.column()));
        if (role == Qt::DisplayRole)
            return sheet_->rows.value(index.row() + 1).value(index.column());
        if (role == Qt::TextAlignmentRole && index.column() >= kDeviceColumns)
            return int(Qt::AlignCenter);
        // A device's column read with its heading: "Zone: 3", not a bare "3".
        if (role == Qt::AccessibleTextRole && index.column() < kDeviceColumns) {
            const QString value = sheet_->rows.value(index.row() + 1).value(index.column());
            if (value.isEmpty())
                return {};
            return QStringLiteral("%1: %2").arg(headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString(),
                                                value);
        }
        if (role == Qt::AccessibleTextRole && cellWords)
            return cellWords(index.row(), index.column() - kDeviceColumns + 1,
                             sheet_->rows.value(index.row() + 1).value(index.column()));
        return {};
    }
    // A mark alone says nothing to one who cannot see its row and column.
    std::function<QString(int row, int rule, const QString &mark)> cellWords;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal || !sheet_ || sheet_->rows.isEmpty())
            return QAbstractTableModel::headerData(section, orientation, role);
        // The rules' names are the user's, whatever they say.
        const QString heading = sheet_->rows.first().value(section);
        return section < kDeviceColumns ? storage::scheduleWord(heading) : heading;
    }

    // The cells of one column were changed in the sheet.
    void columnChanged(int column)
    {
        if (rowCount() > 0)
            emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::DisplayRole});
    }

private:
    const storage::Sheet *sheet_ = nullptr;
};

constexpr int kPlaceLoop = 128;  // a place is loop * 128 + address
int placeOf(int loop, int address) { return loop * kPlaceLoop + address; }

// A list item that has a row: a device place or a panel output.
bool hasRow(const ListItem &item)
{
    if (!(item.loop >= 1 && item.loop <= kPanelOutputLoop && item.address >= 1 && item.address <= kAddresses))
        return false;
    const int L = int(item.loop), A = int(item.address);
    return item.loop == L && item.address == A && !(L == kPanelOutputLoop && A > kPanelOutputs);
}

}  // namespace

CauseEffectMatrix::CauseEffectMatrix(Session &session, QWidget *owner) : QDialog(owner, Qt::Window), session_(session)
{
    setObjectName(QStringLiteral("CauseEffectMatrix"));
    setWindowTitle(tr("Cause-effect matrix"));
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("MatrixTable"));
    table_->setAccessibleName(tr("Cause-effect matrix"));
    auto *model = new SheetModel(table_);
    model->cellWords = [this](int row, int rule, const QString &mark) { return cellWords(row, rule, mark); };
    table_->setModel(model);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    table_->horizontalHeader()->setToolTip(tr("Click a rule to show it"));
    table_->installEventFilter(this);
    connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (column < kDeviceColumns)
            return;
        session_.guarded([&] { emit ruleViewerRequested(column - kDeviceColumns + 1); });
    });
    connect(table_, &QAbstractItemView::clicked, this, &CauseEffectMatrix::toggleCell);

    every_ = new QCheckBox(tr("Show every &device"), this);
    every_->setObjectName(QStringLiteral("ShowEveryDevice"));
    every_->setAccessibleName(tr("Show every device"));
    every_->setToolTip(tr("A row for every device, so that one no rule uses yet can be added"));
    connect(every_, &QCheckBox::toggled, this, [this] { fill(); });

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

    // Undo and Redo as in the other windows: Ctrl+Z here takes a toggle back.
    auto *edit = new QMenu(this);
    undo_ = addUndoActions(
        edit, "Matrix", [this] { emit undoRequested(); }, [this] { emit redoRequested(); });
    addActions({undo_.undo, undo_.redo});
    // Short on the button, the step it would take back in its tooltip.
    for (QAction *a : {undo_.undo, undo_.redo})
        a->setIconText(a->text().remove(u'&'));
    auto toolButton = [this](QAction *action, const char *name) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setDefaultAction(action);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setAccessibleName(action->iconText());
        return b;
    };

    status_ = new QStatusBar(this);
    status_->setObjectName(QStringLiteral("MatrixStatus"));
    status_->setAccessibleName(tr("Status"));
    status_->setSizeGripEnabled(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(every_);
    buttons->addStretch();
    buttons->addWidget(toolButton(undo_.undo, "BtMatrixUndo"));
    buttons->addWidget(toolButton(undo_.redo, "BtMatrixRedo"));
    buttons->addWidget(print);
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addLayout(buttons);
    layout->addWidget(status_);
    resize(900, 560);
    fitToScreen(this);
}

// The table outlives the sheet it reads while the window goes, and a shown
// table still asks for its heading as it is hidden.
CauseEffectMatrix::~CauseEffectMatrix() { static_cast<SheetModel *>(table_->model())->setSheet(nullptr); }

void CauseEffectMatrix::openWindow()
{
    fill();
    status_->showMessage(tr("Click a cell or press Space to add the device to the rule or take it out."));
    show();
    raise();
}

void CauseEffectMatrix::refresh()
{
    if (isVisible() && !(static_cast<const Installation &>(session_.config()) == shown_))
        fill();
}

void CauseEffectMatrix::setUndoState(const QString &undo, const QString &redo, bool dropped)
{
    showUndoLabels(undo_, undo, redo, dropped);
}

void CauseEffectMatrix::fill()
{
    const Config &cfg = session_.config();
    const QModelIndex current = table_->currentIndex();
    const int currentPlace = current.isValid() ? places_.value(current.row()) : 0;
    auto *model = static_cast<SheetModel *>(table_->model());
    model->setSheet(nullptr);
    matrix_ = storage::causeEffectMatrix(cfg);
    // Rows by place; the panel outputs are the rows without a loop, in order.
    QMap<int, QStringList> rows;
    int panelOutput = 0;
    for (qsizetype r = 1; r < matrix_.rows.size(); ++r) {
        const QStringList &row = matrix_.rows[r];
        const QString &loop = row.value(storage::kLoopColumn);
        rows.insert(loop.isEmpty() ? placeOf(kPanelOutputLoop, ++panelOutput)
                                   : placeOf(loop.toInt(), row.value(storage::kAddressColumn).toInt()),
                    row);
    }
    if (every_->isChecked()) {
        const storage::Sheet every = storage::scheduleSheet(cfg);
        const qsizetype width = matrix_.rows.isEmpty() ? 0 : matrix_.rows.first().size();
        for (qsizetype r = 1; r < every.rows.size(); ++r) {
            const int place = placeOf(every.rows[r].value(storage::kLoopColumn).toInt(),
                                      every.rows[r].value(storage::kAddressColumn).toInt());
            if (!rows.contains(place)) {
                QStringList row = every.rows[r].mid(0, kDeviceColumns);
                row.resize(width);
                rows.insert(place, row);
            }
        }
    }
    matrix_.rows.resize(1);
    matrix_.rows << rows.values();
    places_ = rows.keys();
    shown_ = cfg;
    model->setSheet(&matrix_);
    QHeaderView *header = table_->horizontalHeader();
    for (int c = 0; c < kDeviceColumns && c < header->count(); ++c)
        table_->resizeColumnToContents(c);
    if (const qsizetype row = places_.indexOf(currentPlace); currentPlace && row >= 0)
        table_->setCurrentIndex(model->index(int(row), current.column()));
}

QString CauseEffectMatrix::cellWords(int row, int rule, const QString &mark) const
{
    if (row < 0 || row >= places_.size())
        return {};
    const int loop = places_[row] / kPlaceLoop, address = places_[row] % kPlaceLoop;
    const QString what = loop == kPanelOutputLoop
                             ? panelOutputName(address - 1)
                             : QCoreApplication::translate("vaz", "Loop %1 address %2").arg(loop).arg(address);
    const bool input = mark.contains(u'I'), output = mark.contains(u'O');
    const QString words = input && output ? tr("%1 is an input and an output of rule %2")
                          : input         ? tr("%1 is an input of rule %2")
                          : output        ? tr("%1 is an output of rule %2")
                                          : tr("%1 is not in rule %2");
    return words.arg(what, shown_.SSismi(rule));
}

void CauseEffectMatrix::toggleCell(const QModelIndex &index)
{
    if (!index.isValid() || index.column() < kDeviceColumns || index.row() >= places_.size())
        return;
    const int rule = index.column() - kDeviceColumns + 1;
    const int place = places_[index.row()];
    const int loop = place / kPlaceLoop, address = place % kPlaceLoop;
    session_.guarded([&] {
        Config &cfg = session_.config();
        const ToggleResult result = toggleMember(cfg, rule, loop, address);
        if (const auto *refusal = std::get_if<ToggleRefusal>(&result)) {
            QApplication::beep();
            status_->showMessage(refusalText(*refusal));
            return;
        }
        const bool panel = loop == kPanelOutputLoop;
        const QString what = panel ? panelOutputName(address - 1) : devicePlace(loop, address);
        const auto *list = std::get_if<ToggledList>(&result);
        if (!list) {
            status_->showMessage(tr("%1 holds no device a rule can use.").arg(what));
            return;
        }
        const bool inputs = list->side == RuleSide::Inputs;
        (inputs ? cfg.SSgirisler(rule) : cfg.SScikislar(rule)) = list->text;
        shown_ = cfg;
        showColumn(rule);
        const QString done =
            list->added ? (inputs ? tr("%1 is now an input of '%2'.") : tr("%1 is now an output of '%2'."))
                        : (inputs ? tr("%1 is no longer an input of '%2'.") : tr("%1 is no longer an output of '%2'."));
        status_->showMessage(done.arg(what, cfg.SSismi(rule)));
        emit ruleToggled(rule);
    });
}

// One rule's column anew from its lists, as the sheet marks it, without
// making the other 199 again.
void CauseEffectMatrix::showColumn(int rule)
{
    const Config &cfg = session_.config();
    const int column = kDeviceColumns + rule - 1;
    QHash<int, qsizetype> rowOf;
    rowOf.reserve(places_.size());
    for (qsizetype r = 0; r < places_.size(); ++r) {
        rowOf.insert(places_[r], r + 1);
        matrix_.rows[r + 1][column].clear();
    }
    for (const auto &[list, mark] :
         {std::pair{cfg.SSgirisler(rule), QStringLiteral("I")}, std::pair{cfg.SScikislar(rule), QStringLiteral("O")}})
        for (const ListItem &item : DizidenListeyeCevir(list)) {
            const qsizetype row = hasRow(item) ? rowOf.value(placeOf(int(item.loop), int(item.address))) : 0;
            if (row == 0)
                continue;
            QString &cell = matrix_.rows[row][column];
            if (!cell.contains(mark))
                cell += cell.isEmpty() ? mark : QStringLiteral("/") + mark;
        }
    static_cast<SheetModel *>(table_->model())->columnChanged(column);
}

bool CauseEffectMatrix::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == table_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Space &&
        static_cast<QKeyEvent *>(event)->modifiers() == Qt::NoModifier) {
        toggleCell(table_->currentIndex());
        return true;
    }
    return QDialog::eventFilter(watched, event);
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
