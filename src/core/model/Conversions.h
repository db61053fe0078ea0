#pragma once

#include "core/model/Int16.h"

#include <QString>
#include <QStringView>

namespace vaz {

// " 12" for 12 and 0-or-more, "-3" for negatives.
QString blankLed(long long n);
// "12", "-3".
QString plainForm(long long n);

// The number a text begins with. Blanks, tabs and line feeds are skipped
// wherever they stand; then an optional sign, digits, one ".", digits and an
// optional exponent (E or D) are read up to the first other character. No
// number gives 0. "1 2" is 12, "1,5" is 1, "7 sec" is 7. Values beyond the
// range of a double give plus or minus infinity.
double textValue(QStringView text);

// Nearest whole number, halves to the even neighbour (0.5 -> 0, 2.5 -> 2).
double roundHalfEven(double v);

// roundHalfEven into a 16-bit field; RangeError when it does not fit.
Int16 toInt16(double v);

// A number as a number field of the file: whole numbers as digits, fractions
// with "." ("2.5"), a "-" when negative.
QString numberText(double v);

// "001" .. "127" (any other value is written with at least three digits).
QString deviceLabel(int address);
// "Loop 2 address 045": a device as messages and menus name it.
QString devicePlace(int loop, int address);

// The device window's test: by character code not below "0" and below "128",
// decimal digits only, value 1 to 127.
bool isDeviceLabel(const QString &text);

}  // namespace vaz
