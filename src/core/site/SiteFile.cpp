#include "core/site/SiteFile.h"

#include "core/storage/ConfigFile.h"
#include "core/storage/FileWords.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace vaz::site {

namespace {

const char *const kResultWords[] = {"notTested", "passed", "failed"};
const char *const kMethodWords[] = {"bs5839", "nfpa72"};

void putNumber(QJsonObject &o, const char *key, const std::optional<double> &v)
{
    if (v)
        o.insert(QLatin1String(key), *v);
}

void putCurrents(QJsonObject &o, const Currents &c)
{
    putNumber(o, "quiescentMa", c.quiescentMa);
    putNumber(o, "alarmMa", c.alarmMa);
}

void putKey(QJsonObject &o, const DeviceKey &k)
{
    o.insert(QStringLiteral("loop"), k.loop);
    o.insert(QStringLiteral("address"), k.address);
}

struct Bad {
    SiteProblem::Kind kind;
    QString field;
};

// Reads one object, naming each field by its path for the message.
class Reader {
public:
    Reader(const QJsonObject &o, QString path) : o_(o), path_(std::move(path)) {}

    QString field(const char *key) const
    {
        return path_.isEmpty() ? QString::fromLatin1(key) : path_ + u'.' + QString::fromLatin1(key);
    }
    [[noreturn]] void bad(SiteProblem::Kind kind, const char *key) const { throw Bad{kind, field(key)}; }

    QString text(const char *key, int maxLength = -1) const
    {
        const QJsonValue v = o_.value(QLatin1String(key));
        if (v.isUndefined() || v.isNull())
            return {};
        if (!v.isString())
            bad(SiteProblem::Kind::WrongKind, key);
        if (maxLength >= 0 && v.toString().size() > maxLength)
            bad(SiteProblem::Kind::OutOfRange, key);
        return v.toString();
    }

    std::optional<double> number(const char *key) const
    {
        const QJsonValue v = o_.value(QLatin1String(key));
        if (v.isUndefined() || v.isNull())
            return std::nullopt;
        if (!v.isDouble())
            bad(SiteProblem::Kind::WrongKind, key);
        if (!std::isfinite(v.toDouble()) || v.toDouble() < 0)
            bad(SiteProblem::Kind::OutOfRange, key);
        return v.toDouble();
    }

    int integer(const char *key, int low, int high, std::optional<int> absent = std::nullopt) const
    {
        const QJsonValue v = o_.value(QLatin1String(key));
        if (v.isUndefined() && absent)
            return *absent;
        if (!v.isDouble() || v.toDouble() != std::floor(v.toDouble()))
            bad(SiteProblem::Kind::WrongKind, key);
        if (v.toDouble() < low || v.toDouble() > high)
            bad(SiteProblem::Kind::OutOfRange, key);
        return int(v.toDouble());
    }

    template <size_t N>
    int word(const char *key, const char *const (&words)[N], int absent) const
    {
        const QJsonValue v = o_.value(QLatin1String(key));
        if (v.isUndefined())
            return absent;
        for (size_t i = 0; i < N; ++i)
            if (v.toString() == QLatin1String(words[i]))
                return int(i);
        bad(v.isString() ? SiteProblem::Kind::OutOfRange : SiteProblem::Kind::WrongKind, key);
    }

    QJsonObject object(const char *key) const
    {
        const QJsonValue v = o_.value(QLatin1String(key));
        if (!v.isUndefined() && !v.isObject())
            bad(SiteProblem::Kind::WrongKind, key);
        return v.toObject();
    }

    // Each element of an array of objects, as a reader named "key[i]".
    template <typename F>
    void each(const char *key, F &&f) const
    {
        const QJsonValue v = o_.value(QLatin1String(key));
        if (v.isUndefined())
            return;
        if (!v.isArray())
            bad(SiteProblem::Kind::WrongKind, key);
        const QJsonArray a = v.toArray();
        for (qsizetype i = 0; i < a.size(); ++i) {
            const QString path = field(key) + QStringLiteral("[%1]").arg(i);
            if (!a[i].isObject())
                throw Bad{SiteProblem::Kind::WrongKind, path};
            f(Reader(a[i].toObject(), path));
        }
    }

    Currents currents() const { return {number("quiescentMa"), number("alarmMa")}; }
    DeviceKey key() const { return {integer("loop", 1, 4), integer("address", 1, 127)}; }

private:
    QJsonObject o_;
    QString path_;
};

SiteData parse(const QJsonObject &root)
{
    const Reader r(root, QString());
    SiteData s;
    s.siteName = r.text("siteName");
    s.siteAddress = r.text("siteAddress");
    s.engineer = r.text("engineer");
    s.company = r.text("company");
    s.notes = r.text("notes");
    r.each("zones", [&](const Reader &z) {
        const int zone = z.integer("zone", 1, 48);
        if (const QString name = z.text("name", kZoneNameLength); !name.isEmpty())
            s.zoneNames.insert(zone, name);
    });
    r.each("loops", [&](const Reader &l) {
        s.cables[size_t(l.integer("loop", 1, 4) - 1)] = {l.number("lengthM"), l.number("crossSectionMm2"),
                                                         l.number("ohmPerKm")};
    });
    const Reader supply(r.object("supply"), r.field("supply"));
    s.supply.loopOutputV = supply.number("loopOutputV");
    s.supply.deviceMinimumV = supply.number("deviceMinimumV");
    s.supply.panel = Reader(supply.object("panel"), supply.field("panel")).currents();
    s.supply.method = BatteryMethod(supply.word("method", kMethodWords, 0));
    s.supply.standbyHours = supply.integer("standbyHours", 0, 1000, 24);
    s.supply.alarmMinutes = supply.integer("alarmMinutes", 0, 1000, 30);
    r.each("typeCurrents", [&](const Reader &t) { s.typeCurrents.insert(t.integer("type", 1, 9), t.currents()); });
    r.each("deviceCurrents", [&](const Reader &d) { s.deviceCurrents.insert(d.key(), d.currents()); });
    r.each("walkTests", [&](const Reader &w) {
        WalkTest t;
        t.result = WalkResult(w.word("result", kResultWords, 0));
        t.remark = w.text("remark");
        if (const QString at = w.text("at"); !at.isEmpty()) {
            t.at = QDateTime::fromString(at, Qt::ISODateWithMs);
            if (!t.at.isValid())
                w.bad(SiteProblem::Kind::WrongKind, "at");
            t.at = t.at.toUTC();
        }
        s.walkTests.insert(w.key(), t);
    });
    return s;
}

}  // namespace

QString siteFilePath(const QString &configPath)
{
    const QFileInfo info(configPath);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".site.json"));
}

QByteArray siteFileBytes(const SiteData &s)
{
    QJsonObject root;
    root.insert(QStringLiteral("format"), kSiteFormat);
    root.insert(QStringLiteral("siteName"), s.siteName);
    root.insert(QStringLiteral("siteAddress"), s.siteAddress);
    root.insert(QStringLiteral("engineer"), s.engineer);
    root.insert(QStringLiteral("company"), s.company);
    root.insert(QStringLiteral("notes"), s.notes);
    QJsonArray zones;
    for (auto it = s.zoneNames.cbegin(); it != s.zoneNames.cend(); ++it)
        zones.append(QJsonObject{{QStringLiteral("zone"), it.key()}, {QStringLiteral("name"), it.value()}});
    root.insert(QStringLiteral("zones"), zones);
    QJsonArray loops;
    for (size_t i = 0; i < s.cables.size(); ++i) {
        if (s.cables[i] == Cable{})
            continue;
        QJsonObject l{{QStringLiteral("loop"), int(i + 1)}};
        putNumber(l, "lengthM", s.cables[i].lengthM);
        putNumber(l, "crossSectionMm2", s.cables[i].crossSectionMm2);
        putNumber(l, "ohmPerKm", s.cables[i].ohmPerKm);
        loops.append(l);
    }
    root.insert(QStringLiteral("loops"), loops);
    QJsonObject supply, panel;
    putNumber(supply, "loopOutputV", s.supply.loopOutputV);
    putNumber(supply, "deviceMinimumV", s.supply.deviceMinimumV);
    putCurrents(panel, s.supply.panel);
    supply.insert(QStringLiteral("panel"), panel);
    supply.insert(QStringLiteral("method"), QLatin1String(kMethodWords[int(s.supply.method)]));
    supply.insert(QStringLiteral("standbyHours"), s.supply.standbyHours);
    supply.insert(QStringLiteral("alarmMinutes"), s.supply.alarmMinutes);
    root.insert(QStringLiteral("supply"), supply);
    QJsonArray types;
    for (auto it = s.typeCurrents.cbegin(); it != s.typeCurrents.cend(); ++it) {
        QJsonObject t{{QStringLiteral("type"), it.key()}};
        putCurrents(t, it.value());
        types.append(t);
    }
    root.insert(QStringLiteral("typeCurrents"), types);
    QJsonArray devices;
    for (auto it = s.deviceCurrents.cbegin(); it != s.deviceCurrents.cend(); ++it) {
        QJsonObject d;
        putKey(d, it.key());
        putCurrents(d, it.value());
        devices.append(d);
    }
    root.insert(QStringLiteral("deviceCurrents"), devices);
    QJsonArray walks;
    for (auto it = s.walkTests.cbegin(); it != s.walkTests.cend(); ++it) {
        QJsonObject w;
        putKey(w, it.key());
        w.insert(QStringLiteral("result"), QLatin1String(kResultWords[int(it->result)]));
        w.insert(QStringLiteral("remark"), it->remark);
        if (it->at.isValid())
            w.insert(QStringLiteral("at"), it->at.toUTC().toString(Qt::ISODateWithMs));
        walks.append(w);
    }
    root.insert(QStringLiteral("walkTests"), walks);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

SiteRead readSiteBytes(QByteArrayView bytes)
{
    SiteRead r;
    r.found = true;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        r.problem.kind = SiteProblem::Kind::NotJson;
        return r;
    }
    const QJsonObject root = doc.object();
    const QJsonValue format = root.value(QStringLiteral("format"));
    if (!format.isDouble() || format.toDouble() < 1) {
        r.problem = {SiteProblem::Kind::WrongKind, {}, QStringLiteral("format"), 0};
        return r;
    }
    if (format.toDouble() > kSiteFormat) {
        r.problem = {SiteProblem::Kind::NewerFormat, {}, {}, int(format.toDouble())};
        return r;
    }
    try {
        r.site = parse(root);
    } catch (const Bad &b) {
        r.problem = {b.kind, {}, b.field, 0};
    }
    return r;
}

SiteRead readSiteFile(const QString &path)
{
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return {};
    const storage::InputBytes in = storage::readBounded(path, kSiteFileLimit);
    SiteRead r;
    if (in.ok()) {
        r = readSiteBytes(in.bytes);
    } else {
        r.found = true;
        r.problem.kind = in.problem.kind == storage::InputProblem::Kind::TooLarge ? SiteProblem::Kind::TooLarge
                                                                                  : SiteProblem::Kind::CannotOpen;
        r.problem.input = in.problem;
    }
    r.name = in.name;
    if (!r.ok())
        r.site = {};
    return r;
}

SavedPair saveWithSite(Config &cfg, const QString &path)
{
    const QString name = QFileInfo(path).fileName().isEmpty() ? path : QFileInfo(path).fileName();
    auto failed = [&](const QString &reason) {
        return SavedPair{false, QCoreApplication::translate("vaz::ConfigFile",
                                                            "The configuration was not saved to \"%1\": %2. "
                                                            "Any file of that name was left as it was.")
                                    .arg(name, reason)};
    };
    QByteArray bytes;
    try {
        bytes = storage::configFileBytes(cfg);
    } catch (const RangeError &e) {
        return failed(QString::fromStdString(e.what()));
    }
    if (const QString why = storage::writeBoth(path, bytes, siteFilePath(path), siteFileBytes(cfg.site));
        !why.isEmpty())
        return failed(why);
    cfg.DosyaKaydedildi = 1;
    return {true, {}};
}

// The context of the texts below in the translations.
class SiteFileWords {
    Q_DECLARE_TR_FUNCTIONS(vaz::site::SiteFileWords)

public:
    static QString reason(const SiteProblem &p)
    {
        using K = SiteProblem::Kind;
        switch (p.kind) {
        case K::CannotOpen: return storage::inputProblemText(p.input);
        case K::TooLarge: return tr("it is larger than 4 MiB");
        case K::NotJson: return tr("it is not a JSON object");
        case K::NewerFormat: return tr("it has format %1, which only a newer version reads").arg(p.format);
        case K::WrongKind: return tr("the field \"%1\" is not of the right kind").arg(p.field);
        case K::OutOfRange:
            if (p.field.endsWith(QLatin1String(".name")))
                return tr("the zone name in \"%1\" is longer than %2 characters").arg(p.field).arg(kZoneNameLength);
            return tr("the field \"%1\" is out of range").arg(p.field);
        case K::None: break;
        }
        return {};
    }

    static QString text(const SiteRead &r)
    {
        return tr("The site file \"%1\" cannot be read: %2.").arg(r.name, reason(r.problem));
    }
};

QString siteReadText(const SiteRead &r) { return r.ok() ? QString() : SiteFileWords::text(r); }

}  // namespace vaz::site
