#include "core/model/Settings.h"

#include <QFileInfo>

namespace vaz {

std::unique_ptr<QSettings> toolSettings()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("vazconfig"),
                                       QStringLiteral("vazconfig"));
}

namespace {
constexpr qsizetype kRecentFiles = 8;
}

// A settings file edited by hand may hold any number of entries.
QStringList recentFiles(const QSettings &settings)
{
    return settings.value(QStringLiteral("recentFiles")).toStringList().mid(0, kRecentFiles);
}

QStringList withRecentFile(QStringList recent, const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    return recent.mid(0, kRecentFiles);
}

namespace {
const QString kTypeCurrents = QStringLiteral("typeCurrents");

QVariant optionalValue(const std::optional<double> &v) { return v ? QVariant(*v) : QVariant(); }

std::optional<double> optionalFigure(const QVariant &v)
{
    bool ok = false;
    const double d = v.toDouble(&ok);
    return ok && d >= 0 ? std::optional<double>(d) : std::nullopt;
}
}  // namespace

// "type" -> [quiescent, alarm] in mA; a settings file edited by hand may hold anything.
QMap<int, site::Currents> rememberedTypeCurrents(const QSettings &settings)
{
    QMap<int, site::Currents> out;
    const QVariantMap stored = settings.value(kTypeCurrents).toMap();
    for (auto it = stored.begin(); it != stored.end(); ++it) {
        bool ok = false;
        const int type = it.key().toInt(&ok);
        const QVariantList pair = it.value().toList();
        if (!ok || type < 1 || type > 9 || pair.size() != 2)
            continue;
        const site::Currents c{optionalFigure(pair[0]), optionalFigure(pair[1])};
        if (c != site::Currents{})
            out.insert(type, c);
    }
    return out;
}

void rememberTypeCurrents(QSettings &settings, const QMap<int, site::Currents> &currents)
{
    QVariantMap stored;
    for (auto it = currents.begin(); it != currents.end(); ++it)
        stored.insert(QString::number(it.key()),
                      QVariantList{optionalValue(it->quiescentMa), optionalValue(it->alarmMa)});
    settings.setValue(kTypeCurrents, stored);
}

}  // namespace vaz
