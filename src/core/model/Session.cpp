#include "core/model/Session.h"

#include <stdexcept>

namespace vaz {

void Session::guarded(const std::function<void()> &command)
{
    ++depth_;
    try {
        command();
    } catch (const std::exception &e) {
        messages().message(QString::fromUtf8(e.what()));
    }
    if (--depth_ == 0)
        commandDone();
}

}  // namespace vaz
