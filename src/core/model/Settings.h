#pragma once

#include <QSettings>
#include <QStringList>

#include <memory>

namespace vaz {

// What the tool keeps of the user's habits between runs (recent files, the
// folder last used); never part of a configuration.
std::unique_ptr<QSettings> toolSettings();

// The recent files, at most eight.
QStringList recentFiles(const QSettings &settings);
// The recent files list with path put first, each path once, at most eight.
QStringList withRecentFile(QStringList recent, const QString &path);

}  // namespace vaz
