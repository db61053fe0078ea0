#pragma once

class QAction;
class QToolBar;

namespace vaz {

// A toolbar button as every window has them: found by its key (the action's
// object name), drawn with the project's icon, the optional description kept
// as the "description" property. Texts are UTF-8.
QAction *addToolButton(QToolBar *bar, const char *key, const char *tip, const char *icon,
                       const char *description = nullptr);

// Return and Enter press ok, Escape presses cancel, as a dialog's default and
// cancel buttons do.
void setDialogKeys(QAction *ok, QAction *cancel);

}  // namespace vaz
