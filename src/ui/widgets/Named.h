#pragma once

#include <QString>

namespace vaz {

// A control with the object name tests find it by and the name a screen
// reader says.
template <typename W>
W *named(W *w, const char *name, const char *accessible = nullptr)
{
    w->setObjectName(QString::fromLatin1(name));
    if (accessible)
        w->setAccessibleName(QString::fromLatin1(accessible));
    return w;
}

}  // namespace vaz
