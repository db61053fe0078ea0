#pragma once

#include <QString>

class QWidget;

namespace vaz {

// The user guide shipped with the tool, in one window for the whole run,
// opened at a section ("devices", "panel", "adapter"...) or at the top.
// Returns the window, whose text browser is named "HelpText".
QWidget *showHelp(const QString &section = QString());

}  // namespace vaz
