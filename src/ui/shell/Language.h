#pragma once

#include <QString>

#include <functional>

class QMenu;

namespace vaz {

// The language chosen under Help ▸ Language, or the system's when none is:
// "tr" or "en". Read once at start; a new choice shows from the next start.
QString startLanguage();

// Installs the tool's and Qt's own translations for language; any language
// without them, English included, takes back those installed before.
bool useLanguage(const QString &language);

// Help ▸ Language: English or Türkçe, remembered for the next start.
void addLanguageMenu(QMenu *menu, std::function<void(const QString &)> tell);

}  // namespace vaz
