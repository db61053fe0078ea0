#pragma once

#include <QString>

namespace vaz {

inline constexpr int kDisplayTextLength = 40;

// The panel's display knows only plain Latin letters: the twelve Turkish
// letters become their base letters and the text is cut to 40 characters.
QString normaliseDisplayText(const QString &text);
// The same letters made plain, the text whole.
QString plainLetters(const QString &text);

// The supplier's name on the panel data window's Save.
inline QString PanelVerKarakterDuzenle(const QString &text) { return normaliseDisplayText(text); }
// A device's location text on the device window's Save.
inline QString MahalVerKarakterDuzenle(const QString &text) { return normaliseDisplayText(text); }
// A typed location as Save stores it: made plain, and padded with 40 blanks
// when shorter than 40.
QString savedLocation(const QString &typed);

}  // namespace vaz
