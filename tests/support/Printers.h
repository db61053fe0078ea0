#pragma once

#include <QString>

#include <ostream>

QT_BEGIN_NAMESPACE
// Texts in failure messages as text, not as a list of QChar; every test
// program includes this, so that a QString prints alike wherever it fails.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE
