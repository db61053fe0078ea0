#pragma once

#include <QString>

class QWidget;

namespace vaz {

// The user guide (docs/user-guide.md, built in), in one window for the whole
// run, opened at a section or at the top. A section is a heading's anchor as
// GitHub makes it: "devices" for "## Devices". Returns the window, whose text
// browser is named "HelpText".
QWidget *showHelp(const QString &section = QString());

// F1 anywhere in window opens the guide at section.
void helpOnF1(QWidget *window, const QString &section);

}  // namespace vaz
