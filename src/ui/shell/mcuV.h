#pragma once

#include <QDialog>

class QButtonGroup;
class QPushButton;

namespace vaz {

struct Config;

// Asks which firmware the panel runs; the file layout and the protocol depend
// on it.
class mcuV : public QDialog {
    Q_OBJECT

public:
    explicit mcuV(Config &cfg, QWidget *parent = nullptr);

    // Shows the window with no version chosen and OK disabled, or with
    // preselected (12, 15, 20) chosen.
    void openWindow(int preselected = 0);

signals:
    void confirmed();
    // Closed without a version confirmed.
    void abandoned();

protected:
    void reject() override;

private:
    void choose(int code);
    void V_ok_Click();

    Config &cfg_;
    QButtonGroup *group_;
    QPushButton *ok_;
};

}  // namespace vaz
