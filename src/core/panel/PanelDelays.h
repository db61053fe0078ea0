#pragma once

#include <QString>

namespace vaz {

// A panel delay as typed: in range 0..999, and the whole seconds it stores.
struct DelayInput {
    bool inRange = false;
    int seconds = 999;
};
DelayInput delayFromText(const QString &text);
inline constexpr int kMaxPanelDelay = 999;

}  // namespace vaz
