#pragma once

#include <QObject>

namespace vaz {

// What the shell tells every view of the configuration: a command ended, or
// the devices were replaced as a whole (undo, redo, open, download, import).
class Changes : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    // After a command: what it changed is in the configuration now.
    void commandDone();
    // Nothing shown before still stands: views build anew, selecting nothing.
    void replaced();
};

}  // namespace vaz
