#include "Settings.h"

#include <QFileInfo>

namespace vaz {

std::unique_ptr<QSettings> toolSettings()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("vazconfig"),
                                       QStringLiteral("vazconfig"));
}

QStringList withRecentFile(QStringList recent, const QString &path)
{
    constexpr qsizetype kRecentFiles = 8;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    return recent.mid(0, kRecentFiles);
}

}  // namespace vaz
