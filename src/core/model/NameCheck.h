#pragma once

#include <QString>

namespace vaz {

// Why the supplier's or panel name (or a location) cannot take this text;
// empty when it can. Quotes and "~" would break the file and the panel link;
// the file and the panel only know code page 1254.
QString nameInputProblem(const QString &text);
// The first character that a file or the panel cannot carry (a surrogate pair
// whole, line breaks among them); empty when there is none.
QString unsendableCharacter(const QString &text);
inline constexpr int kNameLength = 40;

}  // namespace vaz
