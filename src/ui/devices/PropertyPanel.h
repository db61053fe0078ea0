#pragma once

#include "core/devices/DeviceAddress.h"

#include <QList>
#include <QWidget>

#include <functional>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vaz {

class Session;
struct Config;

// The right-hand side of the device window: the properties of the device set
// by setDevice. Zone, bypass, event types and delay are
// written the moment they change, also when code changes a control; type and
// location only by commit.
class PropertyPanel : public QWidget {
    Q_OBJECT

public:
    // say: shows why the location box refused a keystroke.
    PropertyPanel(Session &session, std::function<void(const QString &)> say, QWidget *parent);

    // The device whose properties the controls show and store; none while a
    // loop, the panel or a rule is selected.
    void setDevice(std::optional<DeviceAddress> device);
    // Devices besides the shown one that a zone, bypass, event type or delay
    // chosen also goes to, each only where the property applies to its type.
    void setOthers(const QList<DeviceAddress> &others);
    const QList<DeviceAddress> &others() const { return others_; }
    // After showDevice with several selected: a control keeps its value where
    // all of them, the shown one and others, share it, and is blank otherwise.
    // Stores nothing.
    void showShared(const QList<DeviceAddress> &others);
    // The location text as last shown, which Save leaves alone when unchanged.
    QString shownLocation() const { return shownLocation_; }

    void load();
    void showDevice();
    // No device: every control blank and disabled. Stores nothing.
    void showNothing();
    void enableForEditing();
    void prepareNewDevice();
    void startNewDevice();
    // Stores the type chosen and the location box's text for the selected device,
    // and for the others too: the type when all are of one group and a type
    // is chosen. keepLocation leaves the stored locations exactly as they are.
    void commit(bool keepLocation);
    void endEditing();

    QString location() const;
    void setLocation(const QString &text);
    // False while the type list shows the placeholder or nothing.
    bool typeChosen() const;

    // Handlers of the controls.
    void ComboCihazTipi_Click();
    void ComboBolgeNo_Click();
    void CikisGecikmeIptal_Click();
    void inputEventChosen(bool fire);   // OpCihVerYangin_Click, OpCihVerHata_Click
    void outputEventChosen(bool fire);  // ModOutputFire_Click, ModOutputFault_Click
    void ModuleDelay_Change();

signals:
    // A type chosen in the list for the device shown, stored only by commit.
    void typePicked(DeviceAddress device, int type);

private:
    void EnableOutputOptions();
    void DisableOutputOptions();
    void ClearOutputEventType();
    void ClearInputEventType();
    void DisableInputEventType();
    void EnableInputEventType();
    void ShowActivationOptions();

    Config &cfg() const;
    bool deviceSelected() const;
    int loop() const;
    int address() const;
    void handle(const std::function<void()> &handler);
    void spread(bool (*applies)(long long type), const std::function<void(Config &, int, int)> &store);
    // True when the others are all of the shown device's group.
    bool oneGroup() const;

    Session &session_;
    int SeciliTip = 0;  // the type commit stores
    QComboBox *type_ = nullptr;
    QLabel *picture_ = nullptr;
    QLineEdit *location_ = nullptr;
    QComboBox *zone_ = nullptr;
    QButtonGroup *input_ = nullptr;
    QRadioButton *inputFire_ = nullptr;
    QRadioButton *inputFault_ = nullptr;
    QCheckBox *bypass_ = nullptr;
    QButtonGroup *output_ = nullptr;
    QRadioButton *outputFire_ = nullptr;
    QRadioButton *outputFault_ = nullptr;
    QLineEdit *delay_ = nullptr;
    bool settingLocation_ = false;
    QString shownLocation_;
    std::optional<DeviceAddress> device_;
    QList<DeviceAddress> others_;
    bool showing_ = false;
};

}  // namespace vaz
