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

Refusal refused(Refusal::Kind kind, Refusal::Item item)
{
    Refusal r;
    r.kind = kind;
    r.item = item;
    return r;
}

}  // namespace

Refusal uploadRefusal(const Installation &cfg)
{
    auto check = [](const QString &text, Refusal what) {
        const QString c = badCharacter(text);
        if (!c.isEmpty()) {
            what.kind = c == QLatin1String("~") ? Refusal::Kind::Separator : Refusal::Kind::Unshowable;
            what.character = c;
        }
        return what;
    };

    Refusal r = check(cfg.TedarikciAdi, refused(Refusal::Kind::None, Refusal::Item::Supplier));
    if (!r && cfg.McuVersiyon > 14)
        r = check(cfg.PanelAdi, refused(Refusal::Kind::None, Refusal::Item::PanelName));
    for (int l = 1; !r && l <= kLoops; ++l)
        for (int a = 1; !r && a <= kAddresses; ++a) {
            Refusal at = refused(Refusal::Kind::None, Refusal::Item::Location);
            at.loop = l, at.address = a;
            r = check(cfg.MahalText(l, a), at);
        }
    if (r || cfg.McuVersiyon < 20)
        return r;

    if (cfg.SSsayisi < 0 || cfg.SSsayisi > kMaxRules) {
        r.kind = Refusal::Kind::TooManyRules;
        r.count = cfg.SSsayisi;
        return r;
    }
    for (int n = 1; n <= cfg.SSsayisi; ++n) {
        const std::array<std::pair<QString, Refusal::Item>, 3> texts{{
            {cfg.SSgirisler(n), Refusal::Item::RuleInputs},
            {cfg.SScikislar(n), Refusal::Item::RuleOutputs},
            {cfg.SSismi(n), Refusal::Item::RuleName},
        }};
        for (const auto &[text, item] : texts) {
            Refusal what = refused(Refusal::Kind::None, item);
            what.rule = n, what.ruleName = cfg.SSismi(n);
            if (text.startsWith(QLatin1Char(kSectionEnd))) {
                what.kind = Refusal::Kind::SectionEnd;
                return what;
            }
            if ((r = check(text, what)))
                return r;
        }
    }
    return r;
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

}  // namespace

bool DownloadStore::store(Int16 &to, QByteArrayView field, Refusal what)
{
    try {
        to = toInt16(fieldNumber(field));
        return true;
    } catch (const RangeError &) {
        what.kind = Refusal::Kind::DoesNotFit;
        what.received = shown(field);
        refusal_ = what;
        return false;
    }
}

bool DownloadStore::storeAt(Int16 &to, QByteArrayView field, Refusal::Item item, int loop, int address)
{
    Refusal what;
    what.item = item, what.loop = loop, what.address = address;
    return store(to, field, what);
}

bool DownloadStore::device(int pass, int loop, int address, QByteArrayView field)
{
    switch (pass) {
    case 0: return storeAt(cfg_.BolgeNo(loop, address), field, Refusal::Item::Zone, loop, address);
    case 1: {
        if (!storeAt(cfg_.CihazTipi(loop, address), field, Refusal::Item::Type, loop, address))
            return false;
        if (cfg_.CihazTipi(loop, address) != 0)
            cfg_.CevrimSayisi = loop;
        return true;
    }
    case 2:
    case 3: return true;  // day and night thresholds: the tool keeps none
    case 4: return storeAt(cfg_.GecikmeIptal(loop, address), field, Refusal::Item::Bypass, loop, address);
    case 5: {
        const double v = fieldNumber(field);
        switch (cfg_.CihazTipi(loop, address)) {
        case devices::kSwitchMonitor:
        case devices::kZoneMonitor:
            return storeAt(cfg_.OlayTipi(loop, address), field, Refusal::Item::EventType, loop, address);
        case devices::kRelayController:
        case devices::kSounderController:
            // The event received replaces the other: an old fire field left standing
            // beside a fault would show Fault and upload Fire.
            if (v == 0)
                cfg_.CikisHata(loop, address) = cfg_.BolgeNo(loop, address), cfg_.CikisYangin(loop, address) = 0;
            else if (v == 32)
                cfg_.CikisYangin(loop, address) = cfg_.BolgeNo(loop, address), cfg_.CikisHata(loop, address) = 0;
            return true;
        default: return true;
        }
    }
    case 6: return storeAt(cfg_.Gecikme(loop, address), field, Refusal::Item::OutputDelay, loop, address);
    default: cfg_.MahalText(loop, address) = fromCp1254(field); return true;
    }
}

void DownloadStore::supplier(QByteArrayView field) { cfg_.TedarikciAdi = fromCp1254(field); }

void DownloadStore::panelName(QByteArrayView field) { cfg_.PanelAdi = fromCp1254(field); }

bool DownloadStore::setting(int i, QByteArrayView field)
{
    Refusal what;
    what.item = i < kPanelDelays ? Refusal::Item::Delay : Refusal::Item::RingingMode;
    what.index = i;
    return i < kPanelDelays ? store(cfg_.Gecikmeler(i), field, what) : store(cfg_.CalmaModu, field, what);
}

bool DownloadStore::ruleCount(QByteArrayView field)
{
    const double v = fieldNumber(field);
    const double n = roundHalfEven(v);
    if (!(n >= 0 && n <= kMaxRules)) {
        refusal_ = Refusal{};
        refusal_.kind = Refusal::Kind::RuleCount;
        refusal_.received = shown(field);
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
    case 2: {
        Refusal what;
        what.item = Refusal::Item::Condition, what.rule = r;
        return store(cfg_.SSkosul(r), field, what);
    }
    default: cfg_.SSismi(r) = fromCp1254(field); return true;
    }
}

bool DownloadStore::loopCount(QByteArrayView field)
{
    const double v = fieldNumber(field);
    if (!std::isfinite(v)) {
        refusal_ = Refusal{};
        refusal_.kind = Refusal::Kind::LoopCount;
        refusal_.received = shown(field);
        return false;
    }
    cfg_.CevrimSayisi = v;
    return true;
}

}  // namespace vaz::comm
