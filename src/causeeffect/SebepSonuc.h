#pragma once

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

class App;

// Creates one cause-effect rule, step by step: name, inputs and condition,
// outputs. The rule lives in the last slot from the moment its name is
// confirmed; every way out either stores it whole or gives the slot back.
class SebepSonuc : public QDialog {
    Q_OBJECT

public:
    SebepSonuc(App &app, QWidget *owner);

    // Set by the device window. addRuleNode gets the name of each stored
    // rule; showDeviceWindow runs on every way out (the main window shows
    // itself instead while it is unset).
    std::function<void(const QString &name)> addRuleNode;
    std::function<void()> showDeviceWindow;

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

    App &app_;
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
