#pragma once

#include <QString>

#include <functional>

class QLineEdit;

namespace vaz {

// Makes a text box refuse typed text for which problem() names a reason, and
// tells the user why through say() and the box's tooltip; the next accepted
// edit clears both. Text set from code is never checked nor cut, so a stored
// value is always shown whole. problem() sees the text as it would become;
// the box still holds the text before the edit.
void guardTextBox(QLineEdit *box, std::function<QString(const QString &)> problem,
                  std::function<void(const QString &)> say);

}  // namespace vaz
