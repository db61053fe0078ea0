#pragma once

#include "core/model/Installation.h"

#include <QString>

#include <deque>

namespace vaz {

// Undo and redo of the installation as whole values. A step is recorded once
// a command has changed the installation; the MCU version is not part of a
// step, as it is a choice of the run, not of the installation.
class History {
public:
    // Forgets every step; now is where undoing stops (New, Open).
    void reset(const Installation &now);
    // Records a step when now differs from the state after the last step.
    // Consecutive changes of one field of one device merge into one step. An
    // empty label names the step by what changed.
    void record(const Installation &now, const QString &label = {});

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    QString undoLabel() const { return canUndo() ? undo_.back().label : QString(); }
    QString redoLabel() const { return canRedo() ? redo_.back().label : QString(); }
    // The installation as it was before the last step (after it, for redo);
    // call only when canUndo() (canRedo()).
    const Installation &undo();
    const Installation &redo();

    // At most this many steps are kept; the oldest go first.
    static constexpr std::size_t kMaxSteps = 500;
    // True once steps have gone so, until reset().
    bool droppedSteps() const { return dropped_; }

private:
    struct Step {
        Installation state;  // the other side of the step
        QString label;
        QString mergeKey;
    };
    // Takes the last step of from back over to the other side.
    const Installation &move(std::deque<Step> &from, std::deque<Step> &to);

    std::deque<Step> undo_, redo_;
    Installation current_;
    bool dropped_ = false;
};

// What changed from before to after, as the Edit menu names it: "Zone of Loop
// 1 address 007", "Add 40 devices", "Delete cause-effect 'Kat1'". mergeKey is
// set when the change is one field of one device.
QString describeChange(const Installation &before, const Installation &after, QString *mergeKey = nullptr);

}  // namespace vaz
