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
#include <QVBoxLayout>

namespace vaz {

SchedulePreview::SchedulePreview(const storage::SchedulePlan &plan, Messages &messages, FileDialogs &dialogs,
                                 QWidget *parent)
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
    layout->addWidget(problems, 1);
    layout->addLayout(buttons);
    resize(560, n > 0 ? 380 : 140);

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
