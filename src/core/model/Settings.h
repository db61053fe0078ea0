#pragma once

#include "core/site/SiteData.h"

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

// The currents per device type last confirmed, offered to a site that has none.
QMap<int, site::Currents> rememberedTypeCurrents(const QSettings &settings);
void rememberTypeCurrents(QSettings &settings, const QMap<int, site::Currents> &currents);

}  // namespace vaz
