#pragma once

#include "core/model/Config.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStatusBar;

namespace vaz {

class Session;

// The panel's own settings: names, the seven output delays, the ringing mode.
// Delays and ringing mode are written the moment they change; the names only
// on Save.
class Fpanelverileri : public QDialog {
    Q_OBJECT

public:
    Fpanelverileri(Session &session, QWidget *owner);

    // Fills the controls from the configuration and shows the window modal.
    void openWindow();
    void Form_Load();

    void BtOnay_Click();
    void BtIptal_Click();

signals:
    // The ringing mode shown or chosen: cause-effect (true) or common.
    void causeEffectModeChosen(bool causeEffect);
    // Saved: the supplier's name may have changed.
    void namesSaved();
    // Saved or cancelled: the main window comes back.
    void left();

protected:
    // Closed by its frame: as Cancel.
    void reject() override;

private:
    void delayChanged(int slot);
    void ringingModeChosen(int mode);
    QLineEdit *nameBox(const QString &objectName, const QString &hint);

    Session &session_;
    std::array<QLineEdit *, kPanelDelays> delays_{};
    std::array<QLabel *, kPanelDelays> delayLabels_{};
    QLineEdit *supplier_ = nullptr;
    QLineEdit *panel_ = nullptr;
    QCheckBox *delayActive_ = nullptr;
    QButtonGroup *mode_ = nullptr;
    QStatusBar *status_ = nullptr;
};

}  // namespace vaz
