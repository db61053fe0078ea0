#pragma once

#include "core/causeeffect/RuleDraft.h"
#include "core/devices/DeviceAddress.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <vector>

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
// Opened on a stored rule it changes that one, in its own slot, the same way.
class SebepSonuc : public QDialog {
    Q_OBJECT

public:
    SebepSonuc(Session &session, QWidget *owner);

    // Starts afresh and shows the window, not modal.
    void openWindow();
    // Opens on stored rule r (1..SSsayisi), its condition and lists chosen as
    // stored. Forward stores it in its own slot (a list left as it was keeps
    // its text); every other way out leaves the rule as it was.
    void openForRule(int r);
    void Form_Load();

    void SSonay_Click();
    void devam_Click();
    void geri_Click();
    void iptal_Click();
    void CheckAll_Click();
    void ClearAll_Click();
    // Every entry the filter shows, selected within the 254-entry limit, or cleared.
    void selectShown();
    void clearShown();
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
    // Selects rows of list as code does: the window records them after.
    static void selectRows(QListWidget *list, const QList<int> &rows);
    // Hides the entries of the visible list the filter box does not match.
    void applyFilter();
    // The device of each row of a list just filled; none for a panel output.
    void speakEntries(QListWidget *list, const std::vector<std::optional<DeviceAddress>> &devices) const;
    std::vector<std::optional<DeviceAddress>> rowDevices(bool outputs) const;
    // Adds rows to the selection of list up to the limit, as one change.
    void selectWithinLimit(QListWidget *list, const QList<int> &rows);

    Session &session_;
    RuleDraft draft_;
    QLineEdit *name_ = nullptr;
    QPushButton *ok_ = nullptr;
    QButtonGroup *condition_ = nullptr;
    QListWidget *inputs_ = nullptr;
    QListWidget *outputs_ = nullptr;
    QPushButton *checkAll_ = nullptr;
    QPushButton *clearAll_ = nullptr;
    QLineEdit *filter_ = nullptr;
    QPushButton *selectShown_ = nullptr;
    QPushButton *clearShown_ = nullptr;
    std::vector<std::optional<DeviceAddress>> inputDevices_, outputDevices_;
    QLabel *inputCount_ = nullptr;
    QLabel *outputCount_ = nullptr;
    QPushButton *back_ = nullptr;
    QPushButton *forward_ = nullptr;
    QPushButton *cancel_ = nullptr;
    QStatusBar *status_ = nullptr;
    // The rule being changed as it was, and the rows its lists chose then.
    struct {
        QString name, inputs, outputs;
        int condition = 0;
    } before_;
    QList<int> storedInputs_, storedOutputs_;
};

}  // namespace vaz
