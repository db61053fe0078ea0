#pragma once

#include <QDialog>

namespace vaz {

class App;

// Asks for the loop count of a new configuration, or of the current one.
class Fyeni : public QDialog {
    Q_OBJECT

public:
    Fyeni(App &app, QWidget *owner);

    int SecilenCevrimSayisi() const { return secilen_; }

    void BtCevSayOnay_Click();
    void BtCevSayIptal_Click();

protected:
    // Closed by its frame: the configuration stays as it was.
    void reject() override;

private:
    App &app_;
    int secilen_ = 0;
};

}  // namespace vaz
