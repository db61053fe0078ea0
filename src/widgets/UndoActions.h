#pragma once

#include <QString>

#include <functional>

class QAction;
class QMenu;

namespace vaz {

struct UndoActions {
    QAction *undo = nullptr;
    QAction *redo = nullptr;
};

// Edit ▸ Undo (Ctrl+Z) and Redo (Ctrl+Shift+Z, Ctrl+Y), named prefix + "Undo"
// and prefix + "Redo", as the main and the device window have them.
UndoActions addUndoActions(QMenu *menu, const char *prefix, std::function<void()> undo, std::function<void()> redo);
// Names the actions after the steps they would undo and redo ("&Undo Zone of
// Loop 1 address 007"); an empty label disables its action, and so does
// available = false.
void showUndoLabels(const UndoActions &actions, const QString &undo, const QString &redo, bool available = true);

}  // namespace vaz
