#pragma once

#include <QDialog>

#include <array>
#include <functional>

class QButtonGroup;
class QRadioButton;

namespace vaz {

class Session;
class ProgBarIslem;

// Chooses the serial port (COM1 to COM4) of every later transfer. While it is
// open it holds the communication window loaded, invisibly, for its port, and
// the transfer commands are unavailable.
class PortAyar : public QDialog {
    Q_OBJECT

public:
    // portHolder(true) gives the communication window, loaded for its port
    // when it is not; portHolder(false) gives it only while it is loaded.
    using PortHolder = std::function<ProgBarIslem *(bool load)>;
    PortAyar(Session &session, PortHolder portHolder, QWidget *owner);

    void Form_Load();
    void OptCom_Click(int n);  // 1..4
    void OptComTamam_Click();
    void OptComIptal_Click();
    // Records the port in SeciliPort and unloads the communication window (and
    // thereby closes the port) and this window.
    void Form_Unload();
    void PortKapat();

    int IlkPort() const { return IlkPort_; }

    // "COM1 (/dev/ttyS0)", or with ", not found" when the device is not there now.
    static QString optionText(int n);

signals:
    // From opening until unloaded() the port is held here: no transfer may start.
    void portHeld();
    void unloaded();

protected:
    // Closed by its frame: as Cancel, so that the port settings never stay marked open.
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    bool openPort();

    Session &session_;
    PortHolder portHolder_;
    QButtonGroup *group_ = nullptr;
    std::array<QRadioButton *, 4> options_{};
    int IlkPort_ = 0;
    bool unloaded_ = false;
};

}  // namespace vaz
