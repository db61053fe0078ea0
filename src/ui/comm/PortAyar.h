#pragma once

#include "core/comm/SerialDevices.h"

#include <QDialog>

#include <array>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QTimer;

namespace vaz {

class Session;
class ProgBarIslem;

// Chooses the serial port (COM1 to COM4) of every later transfer, and for it the
// device it stands for among those present, remembered across runs. While it is
// open it holds the communication window loaded, invisibly, for its port, and
// the transfer commands are unavailable.
class PortAyar : public QDialog {
    Q_OBJECT

public:
    // portHolder(true) gives the communication window, loaded for its port
    // when it is not; portHolder(false) gives it only while it is loaded.
    using PortHolder = std::function<ProgBarIslem *(bool load)>;
    PortAyar(Session &session, PortHolder portHolder, const comm::PortLister &lister, QWidget *owner);

    void Form_Load();
    void OptCom_Click(int n);  // 1..4
    void OptComTamam_Click();
    void OptComIptal_Click();
    // Unloads the communication window (and thereby closes the port) and this
    // window, and says which port later transfers take.
    void Form_Unload();
    void PortKapat();

    int IlkPort() const { return IlkPort_; }

    // Lists the devices present now; a timer calls it every second while open.
    void refreshDevices();
    // The device for the chosen port: a listed one, or any path ("Other device...").
    void chooseDevice(const QString &path);

signals:
    // From opening until unloaded() the port is held here: no transfer may start.
    void portHeld();
    // 1..4, whichever way the window closed.
    void portChosen(int port);
    void unloaded();

protected:
    // Closed by its frame: as Cancel, so that the port settings never stay marked open.
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    bool openPort();
    int chosenPort() const;
    void fillDevices();
    void deviceActivated(int index);
    void showDeviceState();

    Session &session_;
    PortHolder portHolder_;
    QButtonGroup *group_ = nullptr;
    std::array<QRadioButton *, 4> options_{};
    const comm::PortLister &lister_;
    QComboBox *devices_ = nullptr;
    QLabel *deviceState_ = nullptr;
    QCheckBox *verify_ = nullptr;
    QTimer *refresh_ = nullptr;
    QList<comm::SerialDevice> listed_;
    std::array<QString, 4> rememberedAtOpening_;
    int IlkPort_ = 0;
    bool unloaded_ = false;
};

}  // namespace vaz
