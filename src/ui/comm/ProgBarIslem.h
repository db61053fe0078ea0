#pragma once

#include "core/comm/BytePort.h"
#include "core/comm/PanelCompare.h"
#include "core/comm/Transfer.h"

#include <QDialog>

#include <memory>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace vaz {

class Session;

namespace comm {
class PanelLink;
}

// The communication window: owns the tool's one serial port and shows what the
// engine reports while it transfers. Loading it runs the transfer asked for;
// unloading it releases the port.
class ProgBarIslem : public QDialog {
    Q_OBJECT

public:
    // The window owns port, the tool's one serial port, until it unloads.
    ProgBarIslem(Session &session, std::unique_ptr<comm::BytePort> port, QWidget *owner);
    ~ProgBarIslem() override;

    // Shows itself, runs the transfer through port (1..4; 0 is COM1) and
    // returns when it has ended. A comparison lists what differs from the
    // configuration and leaves the configuration as it is. Without a transfer
    // the window is only loaded, unseen, for the port the port settings hold.
    void Form_Load(std::optional<comm::Transfer> transfer, int port);
    // Hides, brings the main window back, closes the port and goes (deleted
    // later).
    void Form_Unload();

    void GonderimOK_Click();
    // Abandons the running transfer.
    void Stop_Click();

    comm::BytePort &port() { return *port_; }
    comm::PanelLink &link() { return *link_; }
    QString statusText() const;

signals:
    void unloaded();
    // The transfer ended, or the window goes: nothing is under way any more.
    void transferDone();
    // OK (or the tool ending): the main window comes back.
    void left();
    // A download ended; when ok, what the panel sent is the configuration now.
    void downloadEnded(bool ok);
    // A comparison starts: no earlier result may pass for this one's.
    void comparisonStarted();
    // A comparison read the whole panel: what differs from the configuration.
    void compared(const QList<comm::FieldDifference> &rows);
    // The read-back after an upload found the panel holding these fields otherwise than sent.
    void verificationDiffers(const QList<comm::FieldDifference> &rows);

protected:
    // Closed by its frame: asks before it stops a running transfer; otherwise as OK.
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void transferEnded(bool ok);

    Session &session_;
    std::unique_ptr<comm::BytePort> port_;
    comm::PanelLink *link_ = nullptr;
    QProgressBar *bar_ = nullptr;
    QLabel *status_ = nullptr;
    QLabel *timeLeft_ = nullptr;
    QPushButton *ok_ = nullptr;
    QPushButton *stop_ = nullptr;
    bool download_ = false;
    bool compare_ = false;
    bool upload_ = false;
    bool stopped_ = false;
    bool unloaded_ = false;
};

}  // namespace vaz
