#pragma once

#include <QDialog>

class QLabel;
class QListWidget;

namespace vaz {

class Session;

// Shows one stored rule: name, condition, inputs and outputs with each
// device's zone and type. Reads the configuration only.
class SSicerik : public QDialog {
    Q_OBJECT

public:
    SSicerik(Session &session, QWidget *owner);

    // Shows the rule, not modal. While the viewer is open it only comes to the
    // front and keeps the rule it was opened with.
    void openForRule(int rule);
    void Form_Load();
    void SSicerikGoruntule(int r);

signals:
    // Edit... and Duplicate... of the rule shown; the viewer has closed.
    void editRequested(int rule);
    void duplicateRequested(int rule);

protected:
    // Every way of closing discards the contents.
    void reject() override;

private:
    Session &session_;
    int rule_ = 0;
    QListWidget *name_ = nullptr;
    QLabel *condition_ = nullptr;
    QListWidget *inputs_ = nullptr;
    QListWidget *outputs_ = nullptr;
    QLabel *inputCount_ = nullptr;
    QLabel *outputCount_ = nullptr;
};

}  // namespace vaz
