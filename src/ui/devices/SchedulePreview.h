#pragma once

#include "core/storage/Schedule.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace vaz {

class FileDialogs;
class Messages;

// What importing a schedule would do, before anything changes: how many
// devices are added, changed and removed and which, and every problem by row
// and column. A problem keeps OK off; the list can be kept as CSV to work through.
class SchedulePreview : public QDialog {
    Q_OBJECT

public:
    SchedulePreview(const Installation &inst, const storage::SchedulePlan &plan, Messages &messages,
                    FileDialogs &dialogs, QWidget *parent);

private:
    void saveProblems();

    storage::SchedulePlan plan_;
    Messages &messages_;
    FileDialogs &dialogs_;
};

}  // namespace vaz
