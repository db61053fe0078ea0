#pragma once

#include "core/devices/DeviceRange.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vaz {

// Asks for a run of addresses on one loop and what the devices there are;
// shows what OK would add and what it skips. It changes nothing itself: the
// device window carries out plan() when the dialog is accepted.
class AddRangeDialog : public QDialog {
    Q_OBJECT

public:
    AddRangeDialog(const Installation &inst, int loop, QWidget *parent);

    // What OK stands for, worked out from the installation as it is now.
    RangePlan plan() const;

private:
    void showPlan();

    const Installation &inst_;
    int loop_;
    QSpinBox *from_ = nullptr, *to_ = nullptr;
    QComboBox *type_ = nullptr, *zone_ = nullptr;
    QLineEdit *pattern_ = nullptr;
    // What OK would do, and why it cannot.
    QLabel *count_ = nullptr, *taken_ = nullptr, *problem_ = nullptr;
    QPushButton *ok_ = nullptr;
};

}  // namespace vaz
