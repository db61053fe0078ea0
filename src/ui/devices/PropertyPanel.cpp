#include "ui/devices/PropertyPanel.h"

#include "core/devices/DeviceCatalog.h"
#include "ui/devices/DeviceIcons.h"
#include "core/model/Conversions.h"
#include "core/model/Config.h"
#include "core/model/Session.h"
#include "core/model/NameCheck.h"
#include "core/panel/DisplayText.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/TextCheck.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>
#include <memory>

namespace vaz {

namespace {

constexpr int kMaxOutputDelay = 250;
constexpr int kBypassOn = 64;
constexpr int kEventFire = 32;

QGroupBox *frame(const char *name, const char *caption, QWidget *parent)
{
    // Captions come marked with QT_TRANSLATE_NOOP("vaz::PropertyPanel", ...).
    auto *box = new QGroupBox(QCoreApplication::translate("vaz::PropertyPanel", caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

// Named as its frame is captioned, in the user's language.
template <typename W>
W *captioned(W *w, const char *name, const char *caption)
{
    named(w, name)->setAccessibleName(QCoreApplication::translate("vaz::PropertyPanel", caption));
    return w;
}

// Neither option chosen: an exclusive group does not allow it by itself.
void clearGroup(QButtonGroup *group)
{
    group->setExclusive(false);
    for (QAbstractButton *b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}

// Typing stops at 40 characters, but a longer stored text stays whole and can
// still be edited and shortened.
QString locationProblem(const QString &before, const QString &text)
{
    if (text.size() > kNameLength && text.size() > before.size())
        return nameInputProblem(text);
    for (qsizetype i = 0; i < text.size(); i += kNameLength)
        if (QString why = nameInputProblem(text.mid(i, kNameLength)); !why.isEmpty())
            return why;
    return {};
}

}  // namespace

PropertyPanel::PropertyPanel(Session &session, std::function<void(const QString &)> say, QWidget *parent)
    : QWidget(parent), session_(session)
{
    setObjectName(QStringLiteral("PropertyPanel"));

    auto *typeFrame = frame("FrameCihazTipi", QT_TRANSLATE_NOOP("vaz::PropertyPanel", "Device type"), this);
    type_ =
        captioned(new QComboBox(typeFrame), "ComboCihazTipi", QT_TRANSLATE_NOOP("vaz::PropertyPanel", "Device type"));
    picture_ = named(new QLabel(typeFrame), "Picture1");
    picture_->setAccessibleName(tr("Device type picture"));
    picture_->setFixedSize(68, 68);
    picture_->setAlignment(Qt::AlignCenter);
    auto *typeLayout = new QHBoxLayout(typeFrame);
    typeLayout->addWidget(type_, 1);
    typeLayout->addWidget(picture_);

    auto *locationFrame = frame("FrameMahal", QT_TRANSLATE_NOOP("vaz::PropertyPanel", "Location text"), this);
    location_ = captioned(new QLineEdit(locationFrame), "CihVerMahal",
                          QT_TRANSLATE_NOOP("vaz::PropertyPanel", "Location text"));
    location_->setFont(QFont(QStringLiteral("DejaVu Sans")));
    // A file or the panel may hold a text longer than the box's default limit;
    // typing is held to 40 characters by the guard below.
    location_->setMaxLength(std::numeric_limits<int>::max());
    location_->setMinimumWidth(QFontMetrics(location_->font()).horizontalAdvance(QString(kNameLength, u'M')) / 2);
    // The box holds the edited text already while it is checked. Text from
    // code must pass, or the box would stop refusing anything afterwards.
    auto shown = std::make_shared<QString>();
    connect(location_, &QLineEdit::textChanged, this, [shown](const QString &t) { *shown = t; });
    guardTextBox(
        location_,
        [this, shown](const QString &t) { return settingLocation_ ? QString() : locationProblem(*shown, t); },
        std::move(say));
    (new QVBoxLayout(locationFrame))->addWidget(location_);

    auto *zoneFrame = frame("FrameBolge", QT_TRANSLATE_NOOP("vaz::PropertyPanel", "Zone"), this);
    zone_ = captioned(new QComboBox(zoneFrame), "ComboBolgeNo", QT_TRANSLATE_NOOP("vaz::PropertyPanel", "Zone"));
    // 48 zones: a scrolling list, not one as tall as the screen.
    zone_->setMaxVisibleItems(12);
    zone_->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    (new QVBoxLayout(zoneFrame))->addWidget(zone_);

    auto pair = [this](QGroupBox *box, const char *fire, const char *fault, QRadioButton *&fireButton,
                       QRadioButton *&faultButton) {
        fireButton = named(new QRadioButton(tr("Fire"), box), fire);
        faultButton = named(new QRadioButton(tr("Fault"), box), fault);
        auto *group = new QButtonGroup(this);
        group->addButton(fireButton, 1);
        group->addButton(faultButton, 0);
        auto *layout = new QHBoxLayout(box);
        layout->addWidget(fireButton);
        layout->addWidget(faultButton);
        return group;
    };
    auto *inputFrame = frame("FrameGirisOlay", QT_TRANSLATE_NOOP("vaz::PropertyPanel", "Input event type"), this);
    input_ = pair(inputFrame, "OpCihVerYangin", "OpCihVerHata", inputFire_, inputFault_);
    auto *activationFrame =
        frame("FrameAktivasyon", QT_TRANSLATE_NOOP("vaz::PropertyPanel", "Activation property"), this);
    bypass_ = named(new QCheckBox(tr("Bypass output delay"), activationFrame), "CikisGecikmeIptal");
    (new QVBoxLayout(activationFrame))->addWidget(bypass_);
    auto *outputFrame = frame("FrameCikisOlay", QT_TRANSLATE_NOOP("vaz::PropertyPanel", "Output event type"), this);
    output_ = pair(outputFrame, "ModOutputFire", "ModOutputFault", outputFire_, outputFault_);

    auto *delayFrame = frame("FrameGecikme", QT_TRANSLATE_NOOP("vaz::PropertyPanel", "Output delay"), this);
    delay_ =
        captioned(new QLineEdit(delayFrame), "ModuleDelay", QT_TRANSLATE_NOOP("vaz::PropertyPanel", "Output delay"));
    delay_->setMaximumWidth(70);
    auto *delayLayout = new QHBoxLayout(delayFrame);
    delayLayout->addWidget(delay_);
    delayLayout->addWidget(named(new QLabel(tr("sec."), delayFrame), "LabelSaniye"));
    delayLayout->addStretch();

    auto *layout = new QGridLayout(this);
    layout->addWidget(typeFrame, 0, 0, 1, 2);
    layout->addWidget(locationFrame, 1, 0, 1, 2);
    layout->addWidget(zoneFrame, 2, 0);
    layout->addWidget(activationFrame, 2, 1);
    layout->addWidget(inputFrame, 3, 0);
    layout->addWidget(outputFrame, 3, 1);
    layout->addWidget(delayFrame, 4, 0);
    layout->setRowStretch(5, 1);

    // Qt's change signals run the handlers only when the state really changes,
    // from the user and from code alike.
    connect(type_, &QComboBox::currentIndexChanged, this, [this] { handle([this] { ComboCihazTipi_Click(); }); });
    connect(zone_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0)  // no choice shown: a zone the list has no entry for stays stored
            handle([this] { ComboBolgeNo_Click(); });
    });
    connect(bypass_, &QCheckBox::toggled, this, [this] { handle([this] { CikisGecikmeIptal_Click(); }); });
    // "Mixed" is only shown; a click makes it a plain on or off again.
    connect(bypass_, &QCheckBox::clicked, this, [this] { bypass_->setTristate(false); });
    connect(input_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            handle([this, id] { inputEventChosen(id == 1); });
    });
    connect(output_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            handle([this, id] { outputEventChosen(id == 1); });
    });
    connect(delay_, &QLineEdit::textChanged, this, [this] { handle([this] { ModuleDelay_Change(); }); });
}

Config &PropertyPanel::cfg() const { return session_.config(); }
bool PropertyPanel::deviceSelected() const { return device_.has_value(); }
int PropertyPanel::loop() const { return device_ ? device_->loop : 0; }
int PropertyPanel::address() const { return device_ ? device_->address : 0; }
void PropertyPanel::setDevice(std::optional<DeviceAddress> device) { device_ = device; }
// The session's change signal tells the tree what a handler stored.
void PropertyPanel::handle(const std::function<void()> &handler) { session_.guarded(handler); }
void PropertyPanel::setOthers(const QList<DeviceAddress> &others) { others_ = others; }

// Showing a device sets the controls from code; that must not reach the others.
void PropertyPanel::spread(bool (*applies)(long long type), const std::function<void(Config &, int, int)> &store)
{
    if (showing_)
        return;
    for (const DeviceAddress &d : others_)
        if (applies(cfg().CihazTipi(d.loop, d.address)))
            store(cfg(), d.loop, d.address);
}

bool PropertyPanel::oneGroup() const
{
    const devices::Group mine = devices::group(cfg().CihazTipi(loop(), address()));
    return std::all_of(others_.begin(), others_.end(), [&](const DeviceAddress &d) {
        return devices::group(cfg().CihazTipi(d.loop, d.address)) == mine;
    });
}

void PropertyPanel::showShared(const QList<DeviceAddress> &others)
{
    if (!device_)
        return;
    const QScopedValueRollback showing(showing_, true);
    const Config &c = cfg();
    const Installation::Device mine = c.device(loop(), address());
    // Whether a device the property applies to holds another value than the shown one.
    auto differs = [&](bool (*applies)(long long), auto value) {
        return applies(mine.type) && std::any_of(others.begin(), others.end(), [&](const DeviceAddress &d) {
                   const Installation::Device other = c.device(d.loop, d.address);
                   return applies(other.type) && value(other) != value(mine);
               });
    };
    const auto all = [](long long) { return true; };
    const QSignalBlocker quietType(type_), quietZone(zone_), quietBypass(bypass_), quietDelay(delay_);
    if (differs(all, [](const Installation::Device &d) { return d.type; })) {
        type_->setCurrentIndex(devices::kPlaceholderPosition);
        picture_->clear();
        picture_->setAccessibleDescription(QString());
    }
    if (differs(all, [](const Installation::Device &d) { return d.zone; }))
        zone_->setCurrentIndex(-1);
    if (differs(all, [](const Installation::Device &d) { return d.location; })) {
        setLocation(QString());
        shownLocation_.clear();
    }
    if (differs(devices::bypassApplies, [](const Installation::Device &d) { return d.bypass; })) {
        bypass_->setTristate(true);
        bypass_->setCheckState(Qt::PartiallyChecked);
    }
    if (differs(devices::inputEventApplies, [](const Installation::Device &d) { return d.event; }))
        ClearInputEventType();
    if (differs(devices::outputEventApplies,
                [](const Installation::Device &d) { return std::pair(d.fire > 0, d.fault >= 1); }))
        ClearOutputEventType();
    if (differs(devices::outputEventApplies, [](const Installation::Device &d) { return d.delay; }))
        delay_->clear();
}

QString PropertyPanel::location() const { return location_->text(); }
void PropertyPanel::setLocation(const QString &text)
{
    settingLocation_ = true;
    location_->setText(text);
    settingLocation_ = false;
}
bool PropertyPanel::typeChosen() const { return devices::codeOfListText(type_->currentText()).has_value(); }

void PropertyPanel::EnableOutputOptions()
{
    for (QWidget *w :
         {static_cast<QWidget *>(outputFire_), static_cast<QWidget *>(outputFault_), static_cast<QWidget *>(delay_)})
        w->setEnabled(true);
}

void PropertyPanel::DisableOutputOptions()
{
    for (QWidget *w :
         {static_cast<QWidget *>(outputFire_), static_cast<QWidget *>(outputFault_), static_cast<QWidget *>(delay_)})
        w->setEnabled(false);
}

void PropertyPanel::ClearOutputEventType() { clearGroup(output_); }
void PropertyPanel::ClearInputEventType() { clearGroup(input_); }

void PropertyPanel::DisableInputEventType()
{
    inputFire_->setEnabled(false);
    inputFault_->setEnabled(false);
}

void PropertyPanel::EnableInputEventType()
{
    inputFire_->setEnabled(true);
    inputFault_->setEnabled(true);
}

void PropertyPanel::ShowActivationOptions()
{
    if (!deviceSelected())
        return;
    const QScopedValueRollback showing(showing_, true);
    const Config &c = cfg();
    const int L = loop(), A = address();
    const int type = c.CihazTipi(L, A);
    if (!devices::outputEventApplies(type)) {
        if (c.GecikmeIptal(L, A) == kBypassOn)
            bypass_->setChecked(true);
        else if (c.GecikmeIptal(L, A) == 0)
            bypass_->setChecked(false);
    }
    if (devices::inputEventApplies(type)) {
        if (c.OlayTipi(L, A) == kEventFire)
            inputFire_->setChecked(true);
        else if (c.OlayTipi(L, A) == 0)
            inputFault_->setChecked(true);
    }
    if (devices::outputEventApplies(type)) {
        if (cfg().CikisYangin(L, A) > 0)
            outputFire_->setChecked(true);
        // The Fire handler may just have changed it.
        if (cfg().CikisHata(L, A) >= 1)
            outputFault_->setChecked(true);
    }
}

void PropertyPanel::load()
{
    if (type_->count() == 0) {
        // Qt chooses the first entry as it is added; its handler would store it
        // into whatever device the selection still names, perhaps one of an
        // earlier configuration. Nothing is chosen until a device is shown.
        const QSignalBlocker quietType(type_), quietZone(zone_);
        type_->addItems(devices::typeListItems());
        for (int z = 1; z <= kZones; ++z)
            zone_->addItem(QString::number(z));
        type_->setCurrentIndex(-1);
        zone_->setCurrentIndex(-1);
    }
    for (QWidget *w : {static_cast<QWidget *>(type_), static_cast<QWidget *>(zone_), static_cast<QWidget *>(location_),
                       static_cast<QWidget *>(bypass_)})
        w->setEnabled(false);
    DisableInputEventType();
    DisableOutputOptions();
    ClearOutputEventType();
    ClearInputEventType();
}

void PropertyPanel::ComboCihazTipi_Click()
{
    picture_->setVisible(true);
    if (!device_)
        return;
    const std::optional<int> code = devices::codeOfListText(type_->currentText());
    if (!code)
        return;
    SeciliTip = *code;
    picture_->setPixmap(devices::picture(devices::pictureCell(*code)));
    picture_->setAccessibleDescription(devices::spokenName(*code));
    emit typePicked(*device_, *code);
    switch (devices::group(*code)) {
    case devices::Group::Detector:
        DisableInputEventType();
        DisableOutputOptions();
        ClearInputEventType();
        ClearOutputEventType();
        bypass_->setEnabled(true);
        break;
    case devices::Group::OutputModule:
        DisableInputEventType();
        ClearInputEventType();
        EnableOutputOptions();
        bypass_->setEnabled(false);
        break;
    case devices::Group::InputModule:
        EnableInputEventType();
        DisableOutputOptions();
        ClearOutputEventType();
        bypass_->setEnabled(true);
        break;
    case devices::Group::None: break;
    }
}

void PropertyPanel::ComboBolgeNo_Click()
{
    if (!deviceSelected())
        return;
    const Int16 zone = toInt16(textValue(zone_->currentText()));
    cfg().BolgeNo(loop(), address()) = zone;
    spread([](long long) { return true; }, [zone](Config &c, int L, int A) { c.BolgeNo(L, A) = zone; });
}

void PropertyPanel::CikisGecikmeIptal_Click()
{
    if (!deviceSelected())
        return;
    const int bypass = bypass_->isChecked() ? kBypassOn : 0;
    cfg().GecikmeIptal(loop(), address()) = bypass;
    spread(devices::bypassApplies, [bypass](Config &c, int L, int A) { c.GecikmeIptal(L, A) = bypass; });
}

void PropertyPanel::inputEventChosen(bool fire)
{
    if (!deviceSelected())
        return;
    Config &c = cfg();
    const int L = loop(), A = address();
    auto store = [fire](Config &to, int l, int a) {
        if (to.BolgeNo(l, a) > 0)
            to.OlayTipi(l, a) = fire ? kEventFire : 0;
    };
    store(c, L, A);
    spread(devices::inputEventApplies, store);
    if (c.BolgeNo(L, A) < 1) {
        session_.messages().message(tr("Enter zone number!"));
        ClearInputEventType();
    }
}

void PropertyPanel::outputEventChosen(bool fire)
{
    if (!deviceSelected())
        return;
    Config &c = cfg();
    const int L = loop(), A = address();
    // Each device reports on its own zone.
    auto store = [fire](Config &to, int l, int a) {
        if (const int zone = to.BolgeNo(l, a); zone > 0) {
            to.CikisYangin(l, a) = fire ? zone : 0;
            to.CikisHata(l, a) = fire ? 0 : zone;
        }
    };
    store(c, L, A);
    spread(devices::outputEventApplies, store);
    if (c.BolgeNo(L, A) < 1) {
        session_.messages().message(tr("Enter zone number !"));
        ClearOutputEventType();
    }
}

void PropertyPanel::ModuleDelay_Change()
{
    const double value = textValue(delay_->text());
    if (!(value >= 0 && value <= kMaxOutputDelay)) {
        session_.messages().message(tr("Inappropriate value !"));
        delay_->setText(QString::number(kMaxOutputDelay));  // its own change stores 250
        return;
    }
    if (!deviceSelected())
        return;
    const Int16 delay = toInt16(value);
    cfg().Gecikme(loop(), address()) = delay;
    spread(devices::outputEventApplies, [delay](Config &c, int L, int A) { c.Gecikme(L, A) = delay; });
}

void PropertyPanel::showDevice()
{
    const QScopedValueRollback showing(showing_, true);
    const Config &c = cfg();
    const int L = loop(), A = address();
    shownLocation_ = c.MahalText(L, A);
    setLocation(shownLocation_);
    if (bypass_->isTristate()) {
        const QSignalBlocker quiet(bypass_);
        bypass_->setTristate(false);
        bypass_->setChecked(c.GecikmeIptal(L, A) == kBypassOn);
    }
    const int zone = c.BolgeNo(L, A);
    zone_->setCurrentIndex(zone >= 1 && zone <= kZones ? zone - 1 : -1);
    delay_->setText(QString::number(cfg().Gecikme(L, A)));
    const int type = cfg().CihazTipi(L, A);
    // A code no type stands for shows the placeholder, so Save cannot take it for a type.
    type_->setCurrentIndex(devices::listPosition(type).value_or(devices::kPlaceholderPosition));
    // The list may already have shown this type, chosen while no device was
    // selected; Save must not store an older choice.
    if (devices::isValidCode(type))
        SeciliTip = type;
    switch (devices::group(type)) {
    case devices::Group::Detector:
        ClearInputEventType();
        ClearOutputEventType();
        bypass_->setEnabled(false);
        break;
    case devices::Group::OutputModule:
        DisableOutputOptions();
        ClearInputEventType();
        // A module with neither event would show the one of the device shown before.
        ClearOutputEventType();
        bypass_->setChecked(false);
        break;
    case devices::Group::InputModule:
        DisableInputEventType();
        ClearOutputEventType();
        bypass_->setEnabled(false);
        break;
    case devices::Group::None: break;
    }
    ShowActivationOptions();
}

void PropertyPanel::showNothing()
{
    const QSignalBlocker quietType(type_), quietZone(zone_), quietBypass(bypass_), quietDelay(delay_);
    type_->setCurrentIndex(-1);
    zone_->setCurrentIndex(-1);
    picture_->clear();
    picture_->setAccessibleDescription(QString());
    setLocation(QString());
    shownLocation_.clear();
    bypass_->setTristate(false);
    bypass_->setChecked(false);
    delay_->clear();
    ClearInputEventType();
    ClearOutputEventType();
    for (QWidget *w : {static_cast<QWidget *>(type_), static_cast<QWidget *>(zone_), static_cast<QWidget *>(location_),
                       static_cast<QWidget *>(bypass_)})
        w->setEnabled(false);
    DisableInputEventType();
    DisableOutputOptions();
}

void PropertyPanel::enableForEditing()
{
    zone_->setEnabled(true);
    type_->setEnabled(oneGroup());
    location_->setEnabled(true);
    const int type = cfg().CihazTipi(loop(), address());
    if (!devices::outputEventApplies(type))
        bypass_->setEnabled(true);
    if (devices::inputEventApplies(type))
        EnableInputEventType();
    if (devices::outputEventApplies(type))
        EnableOutputOptions();
}

void PropertyPanel::prepareNewDevice()
{
    type_->setCurrentIndex(devices::kPlaceholderPosition);
    picture_->setVisible(false);
    location_->setEnabled(true);
}

void PropertyPanel::startNewDevice()
{
    setLocation(QString());
    type_->setEnabled(true);
    zone_->setEnabled(true);
    bypass_->setChecked(false);
    // The previous device's zone, delay and events stay on screen otherwise,
    // and Save would leave the new device without what it seems to have.
    const Config &c = cfg();
    const int zone = c.BolgeNo(loop(), address());
    zone_->setCurrentIndex(zone >= 1 && zone <= kZones ? zone - 1 : -1);
    delay_->setText(QString::number(c.Gecikme(loop(), address())));
    ClearInputEventType();
    ClearOutputEventType();
}

void PropertyPanel::commit(bool keepLocation)
{
    Config &c = cfg();
    QList<DeviceAddress> all = others_;
    all.prepend({loop(), address()});
    const bool type = typeChosen() && oneGroup();
    if (!keepLocation)
        setLocation(savedLocation(location_->text()));
    for (const auto &[L, A] : all) {
        if (type)
            c.CihazTipi(L, A) = SeciliTip;
        if (!keepLocation)
            c.MahalText(L, A) = location_->text();
    }
}

void PropertyPanel::endEditing()
{
    for (QWidget *w : {static_cast<QWidget *>(type_), static_cast<QWidget *>(zone_), static_cast<QWidget *>(location_),
                       static_cast<QWidget *>(bypass_)})
        w->setEnabled(false);
    DisableInputEventType();
    DisableOutputOptions();
    ShowActivationOptions();
}

}  // namespace vaz
