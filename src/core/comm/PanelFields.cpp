#include "core/comm/PanelFields.h"

#include "core/devices/DeviceCatalog.h"
#include "core/model/Codepage.h"
#include "core/model/Conversions.h"

#include <charconv>
#include <cmath>
#include <string>

namespace vaz::comm {

QString SSpcTOdorvekc(const QString &list)
{
    QString panel = list;
    panel.replace(QLatin1Char('.'), QLatin1Char(','));
    return panel;
}

QByteArray numberField(long long v) { return QByteArray::number(v); }

int recordEventField(const Installation &cfg, int loop, int address)
{
    switch (cfg.CihazTipi(loop, address)) {
    case devices::kSwitchMonitor:
    case devices::kZoneMonitor: return cfg.OlayTipi(loop, address);
    case devices::kRelayController:
    case devices::kSounderController: return cfg.CikisYangin(loop, address) == 0 ? 0 : 32;
    default: return cfg.GecikmeIptal(loop, address);
    }
}

std::array<QByteArray, kRecordFields> recordFields(const Installation &cfg, int loop, int address)
{
    return {numberField(loop),
            numberField(address),
            numberField(cfg.BolgeNo(loop, address)),
            numberField(cfg.CihazTipi(loop, address)),
            numberField(5),
            numberField(5),
            numberField(cfg.GecikmeIptal(loop, address)),
            numberField(recordEventField(cfg, loop, address)),
            numberField(cfg.Gecikme(loop, address)),
            toCp1254(cfg.MahalText(loop, address))};
}

std::array<QByteArray, kSettings> settingsFields(const Installation &cfg)
{
    std::array<QByteArray, kSettings> f;
    for (int i = 0; i < kPanelDelays; ++i)
        f[i] = numberField(cfg.Gecikmeler(i));
    f[7] = numberField(cfg.CalmaModu);
    return f;
}

QByteArray ruleField(const Installation &cfg, int section, int r)
{
    switch (section) {
    case 0: return toCp1254(SSpcTOdorvekc(cfg.SSgirisler(r)));
    case 1: return toCp1254(SSpcTOdorvekc(cfg.SScikislar(r)));
    case 2: return numberField(cfg.SSkosul(r));
    default: return toCp1254(cfg.SSismi(r));
    }
}

namespace {

const QString kNothingSent = QStringLiteral(" Nothing was sent.");

// The first character of text that cannot travel to the panel, or an empty text.
QString badCharacter(const QString &text)
{
    if (text.contains(QLatin1Char(kSeparator)))
        return QStringLiteral("~");
    if (cp1254CanEncode(text))
        return QString();
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype len = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QString c = text.mid(i, len);
        if (!cp1254CanEncode(c))
            return c;
        i += len - 1;
    }
    return QString();
}

QString refuseCharacter(const QString &what, const QString &c)
{
    if (c == QLatin1String("~"))
        return QStringLiteral("%1 holds the character \"~\", which the panel takes as the end of a field.").arg(what) +
               kNothingSent;
    return QStringLiteral("%1 holds the character \"%2\", which the panel cannot show.").arg(what, c) + kNothingSent;
}

}  // namespace

QString uploadRefusal(const Installation &cfg)
{
    auto check = [](const QString &text, const QString &what) {
        QString c = badCharacter(text);
        return c.isEmpty() ? QString() : refuseCharacter(what, c);
    };

    QString r = check(cfg.TedarikciAdi, QStringLiteral("The supplier's name"));
    if (r.isEmpty() && cfg.McuVersiyon > 14)
        r = check(cfg.PanelAdi, QStringLiteral("The panel name"));
    for (int l = 1; r.isEmpty() && l <= kLoops; ++l)
        for (int a = 1; r.isEmpty() && a <= kAddresses; ++a)
            r = check(cfg.MahalText(l, a),
                      QStringLiteral("The location text of loop %1, address %2").arg(l).arg(deviceLabel(a)));
    if (!r.isEmpty() || cfg.McuVersiyon < 20)
        return r;

    if (cfg.SSsayisi < 0 || cfg.SSsayisi > kMaxRules)
        return QStringLiteral("The configuration holds %1 cause-effect rules; the panel takes 0 to %2.")
                   .arg(int(cfg.SSsayisi))
                   .arg(kMaxRules) +
               kNothingSent;
    for (int n = 1; n <= cfg.SSsayisi; ++n) {
        const QString rule = QStringLiteral("rule %1 (\"%2\")").arg(n).arg(cfg.SSismi(n));
        const std::array<std::pair<QString, QString>, 3> texts{{
            {cfg.SSgirisler(n), QStringLiteral("The input list of ") + rule},
            {cfg.SScikislar(n), QStringLiteral("The output list of ") + rule},
            {cfg.SSismi(n), QStringLiteral("The name of ") + rule},
        }};
        for (const auto &[text, what] : texts) {
            if (text.startsWith(QLatin1Char(kSectionEnd)))
                return QStringLiteral("%1 begins with \"}\", which the panel takes as the end of a "
                                      "cause-effect section.")
                           .arg(what) +
                       kNothingSent;
            r = check(text, what);
            if (!r.isEmpty())
                return r;
        }
    }
    return QString();
}

double fieldNumber(QByteArrayView field)
{
    qsizetype i = 0;
    while (i < field.size() && field[i] == ' ')
        ++i;
    std::string number;
    if (i < field.size() && (field[i] == '-' || field[i] == '+')) {
        if (field[i] == '-')
            number.push_back('-');
        ++i;
    }
    bool digits = false;
    while (i < field.size() && field[i] >= '0' && field[i] <= '9') {
        number.push_back(field[i++]);
        digits = true;
    }
    if (i < field.size() && field[i] == '.') {
        number.push_back(field[i++]);
        while (i < field.size() && field[i] >= '0' && field[i] <= '9') {
            number.push_back(field[i++]);
            digits = true;
        }
    }
    if (!digits)
        return 0;
    if (number.front() == '.' || (number.front() == '-' && number.size() > 1 && number[1] == '.'))
        number.insert(number.front() == '-' ? 1 : 0, 1, '0');
    double v = 0;
    auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), v);
    (void)ptr;
    if (ec == std::errc::result_out_of_range)
        v = number.front() == '-' ? -HUGE_VAL : HUGE_VAL;
    return v;
}

namespace {

QString shown(QByteArrayView field) { return fromCp1254(field); }

QString where(int loop, int address)
{
    return QStringLiteral("loop %1, address %2").arg(loop).arg(deviceLabel(address));
}

const char *const kSettingNames[kSettings] = {"Sounder 1 delay",   "Sounder 2 delay",   "Sounder 3 delay",
                                              "Sounder 4 delay",   "Alarm relay delay", "Fire relay delay",
                                              "Fault relay delay", "ringing mode"};

}  // namespace

bool DownloadStore::store(Int16 &to, QByteArrayView field, const QString &what)
{
    try {
        to = toInt16(fieldNumber(field));
        return true;
    } catch (const RangeError &) {
        refusal_ = QStringLiteral("the panel sent \"%1\" as %2, which does not fit.").arg(shown(field), what);
        return false;
    }
}

bool DownloadStore::device(int pass, int loop, int address, QByteArrayView field)
{
    const QString at = where(loop, address);
    switch (pass) {
    case 0: return store(cfg_.BolgeNo(loop, address), field, QStringLiteral("the zone number of ") + at);
    case 1: {
        if (!store(cfg_.CihazTipi(loop, address), field, QStringLiteral("the device type of ") + at))
            return false;
        if (cfg_.CihazTipi(loop, address) != 0)
            cfg_.CevrimSayisi = loop;
        return true;
    }
    case 2:
    case 3: return true;  // day and night thresholds: the tool keeps none
    case 4: return store(cfg_.GecikmeIptal(loop, address), field, QStringLiteral("the bypass of ") + at);
    case 5: {
        const double v = fieldNumber(field);
        switch (cfg_.CihazTipi(loop, address)) {
        case devices::kSwitchMonitor:
        case devices::kZoneMonitor:
            return store(cfg_.OlayTipi(loop, address), field, QStringLiteral("the event type of ") + at);
        case devices::kRelayController:
        case devices::kSounderController:
            if (v == 0)
                cfg_.CikisHata(loop, address) = cfg_.BolgeNo(loop, address);
            else if (v == 32)
                cfg_.CikisYangin(loop, address) = cfg_.BolgeNo(loop, address);
            return true;
        default: return true;
        }
    }
    case 6: return store(cfg_.Gecikme(loop, address), field, QStringLiteral("the output delay of ") + at);
    default: cfg_.MahalText(loop, address) = fromCp1254(field); return true;
    }
}

void DownloadStore::supplier(QByteArrayView field) { cfg_.TedarikciAdi = fromCp1254(field); }

void DownloadStore::panelName(QByteArrayView field) { cfg_.PanelAdi = fromCp1254(field); }

bool DownloadStore::setting(int i, QByteArrayView field)
{
    const QString what = QStringLiteral("the ") + QLatin1String(kSettingNames[i]);
    return i < kPanelDelays ? store(cfg_.Gecikmeler(i), field, what) : store(cfg_.CalmaModu, field, what);
}

bool DownloadStore::ruleCount(QByteArrayView field)
{
    const double v = fieldNumber(field);
    const double n = roundHalfEven(v);
    if (!(n >= 0 && n <= kMaxRules)) {
        refusal_ = QStringLiteral("the panel sent \"%1\" as the number of cause-effect rules; the tool holds 0 to %2.")
                       .arg(shown(field))
                       .arg(kMaxRules);
        return false;
    }
    cfg_.SSsayisi = static_cast<int>(n);
    return true;
}

bool DownloadStore::rule(int section, int r, QByteArrayView field)
{
    switch (section) {
    case 0: cfg_.SSgirisler(r) = fromCp1254(field); return true;
    case 1: cfg_.SScikislar(r) = fromCp1254(field); return true;
    case 2: return store(cfg_.SSkosul(r), field, QStringLiteral("the condition of rule %1").arg(r));
    default: cfg_.SSismi(r) = fromCp1254(field); return true;
    }
}

bool DownloadStore::loopCount(QByteArrayView field)
{
    const double v = fieldNumber(field);
    if (!std::isfinite(v)) {
        refusal_ = QStringLiteral("the panel sent \"%1\" as the number of loops.").arg(shown(field));
        return false;
    }
    cfg_.CevrimSayisi = v;
    return true;
}

}  // namespace vaz::comm
