#pragma once

#include "core/causeeffect/ZoneRules.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStandardItemModel;

namespace vaz {

class Session;

// Configure ▸ Rules by zone: the zones to tick and what their rules take,
// with what OK would add and skip. It changes nothing itself: the shell adds
// plan() when the window is accepted.
class RulesByZone : public QDialog {
    Q_OBJECT

public:
    RulesByZone(Session &session, QWidget *owner);

    // Lists the zones of the configuration as it is now, none ticked, and shows the window.
    void openWindow();
    ZoneRuleChoice choice() const;
    ZoneRulePlan plan() const;

private:
    void tickAll(bool ticked);
    void showPlan();

    Session &session_;
    QStandardItemModel *zones_ = nullptr;
    QListView *zoneList_ = nullptr;
    QCheckBox *sounders_ = nullptr, *relays_ = nullptr;
    std::array<QCheckBox *, kPanelOutputs> panel_{};
    QRadioButton *or_ = nullptr, *and_ = nullptr, *coincidence_ = nullptr;
    QLineEdit *pattern_ = nullptr;
    QLabel *summary_ = nullptr;
    QPlainTextEdit *skipped_ = nullptr;
    QPushButton *ok_ = nullptr;
    bool ticking_ = false;
};

}  // namespace vaz
