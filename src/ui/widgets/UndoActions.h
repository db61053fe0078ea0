#pragma once

#include <QString>

#include <functional>

class QAction;
class QMenu;

namespace vaz {

struct UndoActions {
    QAction *undo = nullptr;
    QAction *redo = nullptr;
    QAction *limit = nullptr;  // says that the oldest steps are gone
};

// Edit ▸ Undo (Ctrl+Z) and Redo (Ctrl+Shift+Z, Ctrl+Y), named prefix + "Undo"
// and prefix + "Redo", as the main and the device window have them, and below
// them, disabled, prefix + "UndoLimit".
UndoActions addUndoActions(QMenu *menu, const char *prefix, std::function<void()> undo, std::function<void()> redo);
// Names the actions after the steps they would undo and redo ("&Undo Zone of
// Loop 1 address 007"); an empty label disables its action, and so does
// available = false. The limit shows while the history has dropped steps.
void showUndoLabels(const UndoActions &actions, const QString &undo, const QString &redo, bool dropped,
                    bool available = true);

}  // namespace vaz
