#include "ui/devices/SchedulePreview.h"

#include "core/model/Prompts.h"
#include "core/storage/ScheduleWords.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/ScreenFit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vaz {

SchedulePreview::SchedulePreview(const Installation &inst, const storage::SchedulePlan &plan, Messages &messages,
                                 FileDialogs &dialogs, QWidget *parent)
    : QDialog(parent), plan_(plan), messages_(messages), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("SchedulePreview"));
    setWindowTitle(tr("Import device schedule"));

    // A label reads as its text: what it is goes in the description.
    auto *summary = named(new QLabel(storage::planSummary(plan), this), "ScheduleSummary");
    summary->setAccessibleDescription(tr("What the import does"));
    summary->setWordWrap(true);
    auto *note = named(new QLabel(this), "ScheduleNote");
    note->setAccessibleDescription(tr("Why OK is off"));
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: #b00020"));
    auto *problems = named(new QListWidget(this), "ScheduleProblems");
    problems->setAccessibleName(tr("Problems"));
    problems->addItems(storage::problemLines(plan.problems));
    // Which devices, only when nothing keeps the import off: a refused plan changes nothing.
    auto *rows = named(new QTreeWidget(this), "ScheduleRows");
    rows->setAccessibleName(tr("Devices the import changes"));
    rows->setRootIsDecorated(false);
    rows->setUniformRowHeights(true);
    rows->setHeaderLabels({tr("Action"), tr("Loop"), tr("Address"), tr("Type"), tr("Zone"), tr("Location")});
    if (plan.ok())
        for (const QStringList &row : storage::planRows(inst, plan))
            rows->addTopLevelItem(new QTreeWidgetItem(row));
    for (int c = 0; c < 5; ++c)
        rows->resizeColumnToContents(c);
    rows->setVisible(rows->topLevelItemCount() > 0);
    const auto n = plan.problems.size();
    note->setText(n == 0   ? QString()
                  : n == 1 ? tr("1 problem must be corrected in the schedule before it can be imported:")
                           : tr("%1 problems must be corrected in the schedule before it can be imported:").arg(n));
    note->setVisible(n > 0);
    problems->setVisible(n > 0);

    auto *save =
        named(new QPushButton(tr("Save problems as CSV..."), this), "ScheduleSaveProblems", tr("Save problems as CSV"));
    save->setVisible(n > 0);
    auto *ok = named(new QPushButton(tr("OK"), this), "ScheduleOK", tr("OK"));
    ok->setEnabled(plan.ok() && !plan.changesNothing());
    ok->setDefault(ok->isEnabled());
    auto *cancel = named(new QPushButton(tr("Cancel"), this), "ScheduleCancel", tr("Cancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(note);
    layout->addWidget(rows, 1);
    layout->addWidget(problems, 1);
    layout->addLayout(buttons);
    resize(640, n > 0 || rows->topLevelItemCount() > 0 ? 420 : 140);

    connect(save, &QPushButton::clicked, this, &SchedulePreview::saveProblems);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    fitToScreen(this);
}

void SchedulePreview::saveProblems()
{
    const QString path = dialogs_.saveFileName(tr("Save problems"), QStringLiteral("*.csv"));
    if (path.isEmpty())
        return;
    storage::Sheet sheet;
    sheet.rows = storage::problemTable(plan_.problems);
    if (const QString why = storage::writeSheetFile(path, sheet, storage::csvSeparatorFor(QLocale())); !why.isEmpty())
        messages_.message(why);
}

}  // namespace vaz
