#pragma once

#include <QString>

namespace vaz {

// A control with the object name tests find it by and the name a screen
// reader says.
template <typename W>
W *named(W *w, const char *name, const QString &accessible = {})
{
    w->setObjectName(QString::fromLatin1(name));
    if (!accessible.isEmpty())
        w->setAccessibleName(accessible);
    return w;
}

}  // namespace vaz
