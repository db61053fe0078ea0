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

}  // namespace vaz
