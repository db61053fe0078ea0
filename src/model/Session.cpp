#include "Session.h"

#include <stdexcept>

namespace vaz {

void Session::guarded(const std::function<void()> &command)
{
    try {
        command();
    } catch (const std::exception &e) {
        messages().message(QString::fromUtf8(e.what()));
    }
}

}  // namespace vaz
