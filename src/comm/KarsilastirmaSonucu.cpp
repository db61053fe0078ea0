#include "KarsilastirmaSonucu.h"

#include <QCollator>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
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

    save_ = new QPushButton(tr("&Save as CSV..."), this);
    save_->setObjectName(QStringLiteral("FarkKaydet"));
    connect(save_, &QPushButton::clicked, this, &KarsilastirmaSonucu::FarkKaydet_Click);
    auto *close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("KarsilastirmaKapat"));
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(table_);
    layout->addLayout(buttons);
    resize(720, 420);
}

void KarsilastirmaSonucu::showDifferences(const QList<comm::FieldDifference> &rows)
{
    rows_ = rows;
    table_->setSortingEnabled(false);
    table_->setRowCount(int(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        const comm::FieldDifference &d = rows[i];
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

void KarsilastirmaSonucu::FarkKaydet_Click()
{
    const QString path = dialogs_.saveFileName(tr("Save differences"), QStringLiteral("*.csv"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(comm::differencesCsv(rows_)) < 0 || !file.commit())
        messages_.message(tr("The file %1 could not be written: %2").arg(path, file.errorString()));
}

}  // namespace vaz
