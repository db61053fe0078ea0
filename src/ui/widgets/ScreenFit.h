#pragma once

#include <QPalette>

class QWidget;

namespace vaz {

// Puts a window's content into a scroll area, so that at 150 % or 200 % on a
// small laptop screen the window still fits and can be shrunk, and bounds its
// size to the screen. Call once its layout (or central widget) is complete.
void fitToScreen(QWidget *window);

// For content that grew after fitToScreen (texts known only once shown): makes
// the window large enough to show it without scrolling, within the screen.
void growToContent(QWidget *window);

// The palette with disabled texts readable against their background: values
// shown in controls that cannot be changed (a device while browsing) must not
// be grey on grey, with a light or a dark palette alike.
QPalette readablePalette(QPalette palette);

// The contrast of two colours as screen-reader guidelines measure it, 1 to 21.
double contrast(const QColor &a, const QColor &b);

}  // namespace vaz
