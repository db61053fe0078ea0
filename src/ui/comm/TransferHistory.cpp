#include "ui/comm/TransferHistory.h"

#include "core/storage/FileWords.h"
#include "ui/widgets/ScreenFit.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <optional>

namespace vaz {

using comm::TransferRecord;
using Result = TransferRecord::Result;

namespace {

enum Column {
    Time,
    Command,
    ResultColumn,
    Panel,
    Supplier,
    Mcu,
    Loops,
    Fingerprint,
    File,
    Port,
    User,
    Duration,
    Count
};

constexpr const char *kHeadings[Count] = {
    QT_TRANSLATE_NOOP("vaz::TransferHistory", "Time"),     QT_TRANSLATE_NOOP("vaz::TransferHistory", "Command"),
    QT_TRANSLATE_NOOP("vaz::TransferHistory", "Result"),   QT_TRANSLATE_NOOP("vaz::TransferHistory", "Panel name"),
    QT_TRANSLATE_NOOP("vaz::TransferHistory", "Supplier"), QT_TRANSLATE_NOOP("vaz::TransferHistory", "MCU version"),
    QT_TRANSLATE_NOOP("vaz::TransferHistory", "Loops"),    QT_TRANSLATE_NOOP("vaz::TransferHistory", "Fingerprint"),
    QT_TRANSLATE_NOOP("vaz::TransferHistory", "File"),     QT_TRANSLATE_NOOP("vaz::TransferHistory", "Port"),
    QT_TRANSLATE_NOOP("vaz::TransferHistory", "User"),     QT_TRANSLATE_NOOP("vaz::TransferHistory", "Duration"),
};

QString words(const char *text) { return QCoreApplication::translate("vaz::TransferHistory", text); }

QString commandText(const QString &command)
{
    if (command == u"upload")
        return words(QT_TRANSLATE_NOOP("vaz::TransferHistory", "Upload"));
    if (command == u"verify")
        return words(QT_TRANSLATE_NOOP("vaz::TransferHistory", "Verify"));
    if (command == u"download")
        return words(QT_TRANSLATE_NOOP("vaz::TransferHistory", "Download"));
    return words(QT_TRANSLATE_NOOP("vaz::TransferHistory", "Compare"));
}

QString resultName(Result result)
{
    switch (result) {
    case Result::Completed: return words(QT_TRANSLATE_NOOP("vaz::TransferHistory", "Completed"));
    case Result::Verified: return words(QT_TRANSLATE_NOOP("vaz::TransferHistory", "Verified"));
    case Result::Differs: return words(QT_TRANSLATE_NOOP("vaz::TransferHistory", "Differs"));
    case Result::Failed: break;
    }
    return words(QT_TRANSLATE_NOOP("vaz::TransferHistory", "Failed"));
}

// On one line in the table; the tooltip keeps the reason's own lines.
QString resultText(const TransferRecord &r)
{
    return r.result == Result::Failed && !r.reason.isEmpty()
               ? resultName(r.result) + QStringLiteral(": ") + r.reason.simplified()
               : resultName(r.result);
}

QString portText(const TransferRecord &r)
{
    if (r.port.isEmpty() || r.device.isEmpty())
        return r.port + r.device;
    return QStringLiteral("%1 (%2)").arg(r.port, r.device);
}

// Filters on what the user reads, so that a Turkish result matches in Turkish.
class RecordFilter : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void setFilter(const QString &text, std::optional<Result> result)
    {
        text_ = text.trimmed(), result_ = result;
        invalidateFilter();
    }
    std::function<const TransferRecord &(int)> record;

protected:
    bool filterAcceptsRow(int row, const QModelIndex &) const override
    {
        const TransferRecord &r = record(row);
        if (result_ && r.result != *result_)
            return false;
        return text_.isEmpty() ||
               std::ranges::any_of(std::initializer_list<QString>{r.panelName, r.file, resultText(r)},
                                   [&](const QString &s) { return s.contains(text_, Qt::CaseInsensitive); });
    }

private:
    QString text_;
    std::optional<Result> result_;
};

}  // namespace

class TransferRecordModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Newest line first, so that records of the same second keep that order
    // under the table's stable sort.
    void setRecords(QList<TransferRecord> records)
    {
        beginResetModel();
        std::reverse(records.begin(), records.end());
        records_ = std::move(records);
        endResetModel();
    }
    const TransferRecord &at(int row) const { return records_[row]; }
    qsizetype size() const { return records_.size(); }

    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : int(records_.size()); }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : Count; }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < Count)
            return words(kHeadings[section]);
        return {};
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid())
            return {};
        const TransferRecord &r = records_[index.row()];
        if (role == Qt::UserRole) {
            switch (index.column()) {
            case Time: return r.when.toMSecsSinceEpoch();
            case Mcu: return r.mcu;
            case Loops: return r.loops;
            case Duration: return r.durationMs;
            default: return data(index, Qt::DisplayRole);
            }
        }
        if (role == Qt::ToolTipRole) {
            switch (index.column()) {
            case ResultColumn: return r.reason;
            case Fingerprint: return r.fingerprint;
            case File: return QDir::toNativeSeparators(r.file);
            default: return {};
            }
        }
        if (role == Qt::TextAlignmentRole &&
            (index.column() == Mcu || index.column() == Loops || index.column() == Duration))
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (role != Qt::DisplayRole)
            return {};
        switch (index.column()) {
        case Time: return r.when.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        case Command: return commandText(r.command);
        case ResultColumn: return resultText(r);
        case Panel: return r.panelName;
        case Supplier: return r.supplier;
        case Mcu: return r.mcu;
        case Loops: return r.loops;
        case Fingerprint: return comm::shortFingerprint(r.fingerprint);
        case File: return QFileInfo(r.file).fileName();
        case Port: return portText(r);
        case User: return r.host.isEmpty() ? r.user : r.user + u'@' + r.host;
        case Duration:
            return words(QT_TRANSLATE_NOOP("vaz::TransferHistory", "%1 s"))
                .arg(QLocale().toString(double(r.durationMs) / 1000.0, 'f', 1));
        default: return {};
        }
    }

private:
    QList<TransferRecord> records_;
};

TransferHistory::TransferHistory(comm::TransferLog &log, Messages &messages, FileDialogs &dialogs, QWidget *owner)
    : QDialog(owner), log_(log), messages_(messages), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("TransferHistory"));
    setWindowTitle(tr("Transfer history"));

    model_ = new TransferRecordModel(this);
    auto *proxy = new RecordFilter(this);
    proxy->record = [this](int row) -> const TransferRecord & { return model_->at(row); };
    proxy->setSourceModel(model_);
    proxy->setSortRole(Qt::UserRole);
    proxy_ = proxy;

    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("HistoryFilter"));
    filter_->setAccessibleName(tr("Filter"));
    filter_->setPlaceholderText(tr("Panel name, file or result"));
    filter_->setClearButtonEnabled(true);
    auto *filterLabel = new QLabel(tr("&Filter:"), this);
    filterLabel->setBuddy(filter_);
    result_ = new QComboBox(this);
    result_->setObjectName(QStringLiteral("HistoryResult"));
    result_->setAccessibleName(tr("Result"));
    result_->addItem(tr("All"));
    for (Result r : {Result::Completed, Result::Verified, Result::Differs, Result::Failed})
        result_->addItem(resultName(r), int(r));
    auto *resultLabel = new QLabel(tr("&Result:"), this);
    resultLabel->setBuddy(result_);
    auto applyFilter = [this, proxy] {
        const QVariant chosen = result_->currentData();
        proxy->setFilter(filter_->text(), chosen.isValid() ? std::optional(Result(chosen.toInt())) : std::nullopt);
        showState();
    };
    connect(filter_, &QLineEdit::textChanged, this, applyFilter);
    connect(result_, &QComboBox::currentIndexChanged, this, applyFilter);

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("HistoryTable"));
    table_->setAccessibleName(tr("Transfers"));
    table_->setModel(proxy_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(Time, Qt::DescendingOrder);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TransferHistory::showState);

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("HistorySummary"));
    summary_->setWordWrap(true);

    auto button = [this](const char *name, const QString &text, auto slot) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(QString(text).remove(u'&').remove(QStringLiteral("...")));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    auto *refreshButton = button("HistoryRefresh", tr("Refres&h"), &TransferHistory::refresh);
    export_ = button("HistoryExport", tr("&Export CSV..."), &TransferHistory::exportCsv);
    openFile_ = button("HistoryOpenFile", tr("&Open file"), [this] {
        if (const QString path = selectedFile(); !path.isEmpty())
            emit openFileRequested(path);
    });
    auto *closeButton = button("HistoryClose", tr("&Close"), &QDialog::close);

    auto *filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(filter_, 1);
    filterRow->addWidget(resultLabel);
    filterRow->addWidget(result_);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(refreshButton);
    buttons->addWidget(export_);
    buttons->addWidget(openFile_);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(table_, 1);
    layout->addWidget(summary_);
    layout->addLayout(buttons);

    // Only what this run adds: others' lines show with Refresh.
    connect(&log_, &comm::TransferLog::appended, this, [this] {
        if (isVisible())
            refresh();
    });
    resize(1000, 480);
    fitToScreen(this);
}

void TransferHistory::openWindow()
{
    refresh();
    show();
    raise();
    activateWindow();
}

void TransferHistory::refresh()
{
    storage::InputProblem problem;
    model_->setRecords(comm::readTransferLog(log_.path(), &problem));
    table_->resizeColumnsToContents();
    if (problem.kind == storage::InputProblem::Kind::TooLarge)
        summary_->setText(tr("The transfer log %1 is too large to be shown.").arg(log_.path()));
    else if (problem.kind != storage::InputProblem::Kind::None)
        summary_->setText(storage::cannotOpenText(log_.path(), problem));
    else
        showState();
}

void TransferHistory::showState()
{
    const int shown = proxy_->rowCount();
    if (model_->size() == 0)
        summary_->setText(tr("No transfer has been logged yet."));
    else
        summary_->setText(tr("%1 of %2 transfer(s) shown.").arg(shown).arg(model_->size()));
    export_->setEnabled(shown > 0);
    const QString file = selectedFile();
    openFile_->setEnabled(!file.isEmpty() && QFileInfo(file).isFile());
}

QList<TransferRecord> TransferHistory::shownRecords() const
{
    QList<TransferRecord> records;
    for (int row = 0; row < proxy_->rowCount(); ++row)
        records << model_->at(proxy_->mapToSource(proxy_->index(row, 0)).row());
    return records;
}

QString TransferHistory::selectedFile() const
{
    const QModelIndex current = table_->selectionModel()->currentIndex();
    return current.isValid() ? model_->at(proxy_->mapToSource(current).row()).file : QString();
}

void TransferHistory::exportCsv()
{
    const QString path = dialogs_.saveFileName(tr("Export transfer history"), QStringLiteral("*.csv"));
    if (path.isEmpty())
        return;
    if (const QString why = storage::writeWhole(path, comm::transferLogCsv(shownRecords())); !why.isEmpty())
        messages_.message(tr("The file %1 could not be written: %2").arg(path, why));
}

}  // namespace vaz
