#pragma once

#include "core/causeeffect/RuleDraft.h"

#include <QDialog>

#include <functional>

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStatusBar;

namespace vaz {

class Session;

// Creates one cause-effect rule, step by step: name, inputs and condition,
// outputs. The rule lives in the last slot from the moment its name is
// confirmed; every way out either stores it whole or gives the slot back.
class SebepSonuc : public QDialog {
    Q_OBJECT

public:
    SebepSonuc(Session &session, QWidget *owner);

    // Starts afresh and shows the window, not modal.
    void openWindow();
    void Form_Load();

    void SSonay_Click();
    void devam_Click();
    void geri_Click();
    void iptal_Click();
    void CheckAll_Click();
    void ClearAll_Click();
    void KayitlariDuzenle();
    // The rule being made.
    const RuleDraft &draft() const { return draft_; }

signals:
    // A rule was stored under this name.
    void ruleStored(const QString &name);
    // Every way out: whoever opened the editor shows its window again.
    void left();

protected:
    // Closed by its frame (or Escape): as Cancel.
    void reject() override;

private:
    void SSliste_Click(bool limitToldAlready = false);
    void CikisListe_Click(bool limitToldAlready = false);
    void conditionChosen(int code);
    void SecimiSil();
    void setConditionsEnabled(bool on);
    void leave();
    QListWidget *visibleList() const;
    void listClicked(QListWidget *list, bool limitToldAlready);

    Session &session_;
    RuleDraft draft_;
    QLineEdit *name_ = nullptr;
    QPushButton *ok_ = nullptr;
    QButtonGroup *condition_ = nullptr;
    QListWidget *inputs_ = nullptr;
    QListWidget *outputs_ = nullptr;
    QPushButton *checkAll_ = nullptr;
    QPushButton *clearAll_ = nullptr;
    QLabel *inputCount_ = nullptr;
    QLabel *outputCount_ = nullptr;
    QPushButton *back_ = nullptr;
    QPushButton *forward_ = nullptr;
    QPushButton *cancel_ = nullptr;
    QStatusBar *status_ = nullptr;
};

}  // namespace vaz
