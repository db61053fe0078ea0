#include "ui/comm/KarsilastirmaSonucu.h"

#include "core/site/WalkTest.h"

#include "adapters/printer/ReportPrinter.h"
#include "core/storage/SafeFile.h"
#include "ui/widgets/ScreenFit.h"

#include <QCollator>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vaz {

namespace {

// "Loop 2 address 9" before "Loop 2 address 10", as an installer counts.
class NaturalItem : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem &other) const override
    {
        static const QCollator collator = [] {
            QCollator c;
            c.setNumericMode(true);
            return c;
        }();
        return collator.compare(text(), other.text()) < 0;
    }
};

}  // namespace

KarsilastirmaSonucu::KarsilastirmaSonucu(Messages &messages, FileDialogs &dialogs, QWidget *owner)
    : QDialog(owner), messages_(messages), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("KarsilastirmaSonucu"));
    setWindowTitle(tr("Compare with panel"));

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("KarsilastirmaOzeti"));

    table_ = new QTableWidget(0, 4, this);
    table_->setObjectName(QStringLiteral("FarkListesi"));
    table_->setAccessibleName(tr("Differences"));
    table_->setHorizontalHeaderLabels({tr("Where"), tr("Field"), tr("In the tool"), tr("In the panel")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    summary_->setBuddy(table_);
    // Without differences the summary says so and the empty table goes.
    table_->setProperty("shownWhen", QStringLiteral("differences"));

    save_ = new QPushButton(tr("&Save as CSV..."), this);
    save_->setObjectName(QStringLiteral("FarkKaydet"));
    connect(save_, &QPushButton::clicked, this, &KarsilastirmaSonucu::FarkKaydet_Click);
    auto *close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("KarsilastirmaKapat"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    // The differences with their summary and button are one pane, so that a
    // retest list can share the window with them.
    differencesPane_ = new QWidget(this);
    auto *saveRow = new QHBoxLayout;
    saveRow->addStretch();
    saveRow->addWidget(save_);
    auto *pane = new QVBoxLayout(differencesPane_);
    pane->setContentsMargins(0, 0, 0, 0);
    pane->addWidget(summary_);
    pane->addWidget(table_);
    pane->addLayout(saveRow);
    auto *closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(close);
    content_ = new QVBoxLayout(this);
    content_->addWidget(differencesPane_);
    content_->addLayout(closeRow);
    resize(720, 420);
    fitToScreen(this);
}

void KarsilastirmaSonucu::showDifferences(const QList<comm::FieldDifference> &rows)
{
    // The window may have shown an upload's read-back last.
    setWindowTitle(tr("Compare with panel"));
    table_->setHorizontalHeaderLabels({tr("Where"), tr("Field"), tr("In the tool"), tr("In the panel")});
    rows_ = rows;
    table_->setSortingEnabled(false);
    table_->setRowCount(int(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        const comm::FieldDifference d = comm::shownDifference(rows[i]);
        const QString cells[] = {d.where, d.field, d.tool, d.panel};
        for (int c = 0; c < 4; ++c)
            table_->setItem(i, c, new NaturalItem(cells[c]));
    }
    table_->setSortingEnabled(true);
    table_->sortItems(0);
    table_->resizeColumnsToContents();
    table_->setVisible(!rows.isEmpty());
    save_->setEnabled(!rows.isEmpty());
    summary_->setText(rows.isEmpty() ? kSame
                                     : tr("%1 field(s) differ between the tool and the panel.").arg(rows.size()));
    show();
    raise();
    activateWindow();
}

void KarsilastirmaSonucu::showSentDifferences(const QList<comm::FieldDifference> &rows)
{
    showDifferences(rows);
    setWindowTitle(tr("Verify after upload"));
    table_->setHorizontalHeaderLabels({tr("Where"), tr("Field"), tr("Sent"), tr("In the panel")});
    summary_->setText(tr("The panel does not hold what was sent: %1 field(s) differ.").arg(rows.size()));
}

void KarsilastirmaSonucu::FarkKaydet_Click()
{
    const QString path = dialogs_.saveFileName(tr("Save differences"), QStringLiteral("*.csv"));
    if (path.isEmpty())
        return;
    if (const QString why = storage::writeWhole(path, comm::differencesCsv(rows_, otherSide_)); !why.isEmpty())
        messages_.message(tr("The file %1 could not be written: %2").arg(path, why));
}

void KarsilastirmaSonucu::buildRetestPane()
{
    auto *pane = new QWidget(this);
    retestSummary_ = new QLabel(pane);
    retestSummary_->setObjectName(QStringLiteral("RetestOzeti"));
    retestSummary_->setWordWrap(true);
    // A short pane must not squeeze its wrapped second line away.
    retestSummary_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    retestTable_ = new QTableWidget(0, 5, pane);
    retestTable_->setObjectName(QStringLiteral("RetestListesi"));
    retestTable_->setAccessibleName(tr("Retest list"));
    retestTable_->setHorizontalHeaderLabels(comm::retestTable({}).first());
    retestTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    retestTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    retestTable_->verticalHeader()->hide();
    retestTable_->horizontalHeader()->setStretchLastSection(true);
    retestSummary_->setBuddy(retestTable_);
    auto *print = new QPushButton(tr("&Print retest list..."), pane);
    print->setObjectName(QStringLiteral("RetestYazdir"));
    connect(print, &QPushButton::clicked, this, &KarsilastirmaSonucu::RetestYazdir_Click);
    auto *save = new QPushButton(tr("E&xport retest list..."), pane);
    save->setObjectName(QStringLiteral("RetestKaydet"));
    connect(save, &QPushButton::clicked, this, &KarsilastirmaSonucu::RetestKaydet_Click);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print);
    buttons->addWidget(save);
    auto *column = new QVBoxLayout(pane);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(retestSummary_);
    column->addWidget(retestTable_);
    column->addLayout(buttons);

    // One above the other, each as wide as the window: their rows are long.
    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("CompareSplitter"));
    splitter->setChildrenCollapsible(false);
    delete content_->replaceWidget(differencesPane_, splitter);
    splitter->addWidget(differencesPane_);
    splitter->addWidget(pane);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        resize(QSize(900, 640).boundedTo(screen->availableSize()));
}

void KarsilastirmaSonucu::showFileDifferences(const QList<comm::FieldDifference> &rows,
                                              const QList<comm::RetestItem> &retest, const QString &fileName,
                                              storage::ReportOutput &output, const QList<QDateTime> &passed)
{
    if (!retestTable_)
        buildRetestPane();
    retest_ = retest;
    fileName_ = fileName;
    output_ = &output;
    otherSide_ = tr("In %1").arg(fileName);
    showDifferences(rows);
    setWindowTitle(tr("Compare with file"));
    table_->setHorizontalHeaderLabels({tr("Where"), tr("Field"), tr("In the tool"), otherSide_});
    summary_->setText(rows.isEmpty()
                          ? tr("The file %1 holds the configuration on screen.").arg(fileName)
                          : tr("%1 field(s) differ between the tool and %2.").arg(rows.size()).arg(fileName));
    const qsizetype sampled = std::count_if(retest.begin(), retest.end(),
                                            [](const comm::RetestItem &i) { return i.why == comm::sampleReason(); });
    const qsizetype done = std::count_if(passed.begin(), passed.end(), [](const QDateTime &t) { return t.isValid(); });
    retestSummary_->setText(tr("Test again: %1 touched by the change, %2 unchanged inputs as a sample.")
                                .arg(retest.size() - sampled)
                                .arg(sampled) +
                            (done ? u' ' + tr("%1 passed a walk test after the change.").arg(done) : QString()));
    const storage::SheetRows cells = comm::retestTable(retest);
    retestTable_->setColumnCount(done ? 6 : 5);
    if (done)
        retestTable_->setHorizontalHeaderItem(5, new QTableWidgetItem(tr("Walk test passed")));
    retestTable_->setRowCount(int(retest.size()));
    for (int i = 0; i < retest.size(); ++i) {
        for (int c = 0; c < 5; ++c)
            retestTable_->setItem(i, c, new QTableWidgetItem(cells[i + 1][c]));
        if (done)
            retestTable_->setItem(i, 5, new QTableWidgetItem(site::timeText(passed.value(i))));
    }
    retestTable_->resizeColumnsToContents();
}

void KarsilastirmaSonucu::RetestYazdir_Click()
{
    if (!output_)
        return;
    output_->setPdfName(QString());
    QString error;
    if (!output_->print(comm::retestDocument(retest_, tr("Retest list after the changes against %1").arg(fileName_),
                                             QDateTime::currentDateTime()),
                        &error) &&
        !error.isEmpty())
        messages_.message(error);
}

void KarsilastirmaSonucu::RetestKaydet_Click()
{
    const QString path = dialogs_.saveFileName(tr("Export retest list"), QStringLiteral("*.csv"));
    if (path.isEmpty())
        return;
    const QByteArray bytes = storage::writeCsv(comm::retestTable(retest_), storage::csvSeparatorFor(QLocale()));
    if (const QString why = storage::writeWhole(path, bytes); !why.isEmpty())
        messages_.message(tr("The file %1 could not be written: %2").arg(path, why));
}

}  // namespace vaz
