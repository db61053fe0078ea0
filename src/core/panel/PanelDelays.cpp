#include "core/panel/PanelDelays.h"

#include "core/model/Conversions.h"

namespace vaz {

DelayInput delayFromText(const QString &text)
{
    const double v = textValue(text);
    if (!(v >= 0 && v <= kMaxPanelDelay))
        return {};
    return {true, toInt16(v)};
}

}  // namespace vaz
