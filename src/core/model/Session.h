#pragma once

#include "core/model/Changes.h"
#include "core/model/Prompts.h"

#include <functional>

namespace vaz {

struct Config;

// What a window needs of the running tool: the configuration it edits, the
// ways of asking the user, and the guard that ends a command with a message
// when a value does not fit the configuration. Windows see this, not the
// shell, and hand back through their own signals.
class Session {
public:
    virtual ~Session() = default;
    virtual Config &config() = 0;
    virtual Messages &messages() = 0;
    virtual FileDialogs &fileDialogs() = 0;

    // Runs a command; commandDone() follows the outermost one.
    void guarded(const std::function<void()> &command);
    // Emitted by the shell; views of the configuration listen.
    Changes &changes() { return changes_; }

protected:
    // After every command the user gave, whatever it changed.
    virtual void commandDone() {}

private:
    Changes changes_;
    int depth_ = 0;
};

}  // namespace vaz
